#include "LayerFiles.h"

#include "AtomicFile.h"
#include "MediaFunctions.h"
#include "MediaInput.h"
#include "ST_MEDIA_INFO.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <sys/stat.h>

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/murmur3.h>
}

namespace {

std::atomic<int> g_readings{0};

void Stamp(const struct stat& st, ST_LAYER_FILE* facts)
{
    facts->device = quint64(st.st_dev);
    facts->inode = quint64(st.st_ino);
    facts->size = qint64(st.st_size);
    facts->modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    facts->changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
}

bool SameStamp(const ST_LAYER_FILE& a, const ST_LAYER_FILE& b)
{
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.modified == b.modified
        && a.changed == b.changed;
}

// A 128-bit hash of what is left to read in `file`, read in large pieces:
// a 25 MB picture takes milliseconds. Empty when it could not be read whole.
QByteArray ContentHash(QFile* file, const std::atomic<bool>* cancel)
{
    struct AVMurMur3* hash = av_murmur3_alloc();
    if (!hash)
        return QByteArray();
    av_murmur3_init(hash);
    QByteArray piece(1 << 20, Qt::Uninitialized);
    qint64 got = 0;
    while (!(cancel && *cancel) && (got = file->read(piece.data(), piece.size())) > 0)
        av_murmur3_update(hash, reinterpret_cast<const uint8_t*>(piece.constData()), size_t(got));
    QByteArray digest(16, '\0');
    av_murmur3_final(hash, reinterpret_cast<uint8_t*>(digest.data()));
    av_free(hash);
    return got == 0 && !(cancel && *cancel) ? digest : QByteArray();
}

qint64 SizeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) ? qint64(st.st_size) : -1;
}

} // namespace

ST_LAYER_FILE LayerFiles::Learn(const QString& path, const QString& workFolder, const std::atomic<bool>* cancel,
                                const LayerFiles* kept)
{
    ST_LAYER_FILE facts;
    facts.problemPath = path;
    QFile file;
    struct stat st;
    if (!MediaInput::OpenRegular(path, &file) || ::fstat(file.handle(), &st) != 0) {
        ++g_readings;
        facts.problem = QT_TRANSLATE_NOOP("Core", "Cannot read the picture: %1");
        return facts;
    }
    Stamp(st, &facts);
    const ST_LAYER_FILE* known = kept ? kept->Kept(facts) : nullptr;
    if (known && !known->problem) {
        facts.content = ContentHash(&file, cancel);
        if (!facts.content.isEmpty() && known->content == facts.content)
            return *known;
    }
    ++g_readings;
    // Taken only as a picture, as the editor takes it: the converter is told
    // the reader that the content itself asks for, so a video or a script
    // under the name is never played in it. Its kind is read first: a file
    // that is none fails at once, however large.
    const ST_PICTURE_READER reader = MediaPictureReader(file.handle(), cancel);
    // A picture the toolkit reads, of a kind the libraries read only as
    // several pictures (an icon file), is drawn as the editor shows it.
    const QImage picture = reader.name.isEmpty() && !reader.oversized && file.seek(0) && !(cancel && *cancel)
        ? ReadLayerPicture(&file)
        : QImage();
    if (reader.name.isEmpty() && picture.isNull()) {
        facts.problem = QT_TRANSLATE_NOOP("Core", "Cannot read the picture: %1");
        return facts;
    }
    if (facts.content.isEmpty() && file.seek(0))
        facts.content = ContentHash(&file, cancel);
    if (!reader.name.isEmpty()) {
        facts.input = path;
        facts.reader = reader.name;
        facts.playTime = reader.frames > 1 ? reader.playTime : 0;
        facts.plays = reader.frames > 1 ? reader.plays : 0;
        return facts;
    }
    // One work picture per file and content: rows share it, and a changed
    // file, or another of the same name, never takes its place.
    const QByteArray key = QByteArray::number(facts.device) + ':' + QByteArray::number(facts.inode) + ':'
        + QByteArray::number(facts.size) + ':' + QByteArray::number(facts.modified) + ':'
        + QByteArray::number(facts.changed) + ':' + facts.content.toHex();
    const QString name = WorkName(QFileInfo(path).fileName()) + QLatin1Char('_')
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Md5).toHex().left(8))
        + QStringLiteral(".png");
    const QString work = workFolder.isEmpty() ? name : workFolder + QLatin1Char('/') + name;
    if (workFolder.isEmpty() || !WritePng(picture, work)) {
        facts.problem = QT_TRANSLATE_NOOP("Core", "Cannot write a work file: %1");
        facts.problemPath = work;
        facts.workFailed = true;
        return facts;
    }
    facts.input = work;
    facts.reader = QStringLiteral("png_pipe");
    facts.workSize = SizeOf(work);
    return facts;
}

ST_LAYER_FILE LayerFiles::LearnVideo(const QString& path, const std::atomic<bool>* cancel)
{
    ST_LAYER_FILE facts;
    facts.video = true;
    facts.input = facts.problemPath = path;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        Stamp(st, &facts);
    ++g_readings;
    const ST_MEDIA_INFO media = ProbeMediaInfo(path, cancel);
    if (media.refused)
        facts.problem = QT_TRANSLATE_NOOP("Core", "Refers to other files: %1");
    else if (!media.hasVideo)
        facts.problem = QT_TRANSLATE_NOOP("Core", "Not a media file: %1");
    return facts;
}

int LayerFiles::Readings()
{
    return g_readings;
}

const ST_LAYER_FILE* LayerFiles::Kept(const ST_LAYER_FILE& now) const
{
    const QHash<QPair<quint64, quint64>, ST_LAYER_FILE>& kind = m_known[now.video];
    const auto known = kind.constFind(qMakePair(now.device, now.inode));
    if (known == kind.constEnd() || !SameStamp(*known, now))
        return nullptr;
    // The work folder may have been emptied meanwhile.
    if (known->workSize >= 0 && SizeOf(known->input) != known->workSize)
        return nullptr;
    return &*known;
}

bool LayerFiles::Find(const QString& path, ST_LAYER_FILE* facts, bool video) const
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    ST_LAYER_FILE now;
    Stamp(st, &now);
    now.video = video;
    const ST_LAYER_FILE* known = Kept(now);
    if (!known)
        return false;
    *facts = *known;
    return true;
}

void LayerFiles::Keep(const ST_LAYER_FILE& facts)
{
    if (facts.device != 0 || facts.inode != 0)
        m_known[facts.video].insert(qMakePair(facts.device, facts.inode), facts);
}

bool LayerFiles::WritePng(const QImage& image, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return false;
    return AtomicFile::Write(path, png);
}

QString LayerFiles::WorkName(QString name)
{
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.remove(QChar(0));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Text");
    return name;
}
