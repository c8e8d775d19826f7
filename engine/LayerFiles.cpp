#include "LayerFiles.h"

#include "AtomicFile.h"
#include "MediaFunctions.h"
#include "MediaInput.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <sys/stat.h>

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

bool SameContent(const ST_LAYER_FILE& a, const ST_LAYER_FILE& b)
{
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.modified == b.modified
        && a.changed == b.changed;
}

qint64 SizeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) ? qint64(st.st_size) : -1;
}

} // namespace

ST_LAYER_FILE LayerFiles::Learn(const QString& path, const QString& workFolder, const std::atomic<bool>* cancel)
{
    ++g_readings;
    ST_LAYER_FILE facts;
    facts.problemPath = path;
    QFile file;
    struct stat st;
    if (!MediaInput::OpenRegular(path, &file) || ::fstat(file.handle(), &st) != 0) {
        facts.problem = QT_TRANSLATE_NOOP("Core", "Cannot read the picture: %1");
        return facts;
    }
    Stamp(st, &facts);
    // Taken only as a picture, as the editor takes it: the converter is told
    // the reader that the content itself asks for, so a video or a script
    // under the name is never played in it.
    const ST_PICTURE_READER reader = MediaPictureReader(file.handle(), cancel);
    if (!reader.name.isEmpty()) {
        facts.input = path;
        facts.reader = reader.name;
        facts.playTime = reader.frames > 1 ? reader.playTime : 0;
        return facts;
    }
    // A picture the toolkit reads, of a kind the libraries read only as
    // several pictures (an icon file), is drawn as the editor shows it.
    const QImage picture = file.seek(0) && !(cancel && *cancel) ? ReadLayerPicture(&file) : QImage();
    if (picture.isNull()) {
        facts.problem = QT_TRANSLATE_NOOP("Core", "Cannot read the picture: %1");
        return facts;
    }
    // One work picture per file and content: rows share it, and a changed
    // file, or another of the same name, never takes its place.
    const QByteArray key = QByteArray::number(facts.device) + ':' + QByteArray::number(facts.inode) + ':'
        + QByteArray::number(facts.size) + ':' + QByteArray::number(facts.modified) + ':'
        + QByteArray::number(facts.changed);
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

int LayerFiles::Readings()
{
    return g_readings;
}

bool LayerFiles::Find(const QString& path, ST_LAYER_FILE* facts) const
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    ST_LAYER_FILE now;
    Stamp(st, &now);
    const auto known = m_known.constFind(qMakePair(now.device, now.inode));
    if (known == m_known.constEnd() || !SameContent(*known, now))
        return false;
    // The work folder may have been emptied meanwhile.
    if (known->workSize >= 0 && SizeOf(known->input) != known->workSize)
        return false;
    *facts = *known;
    return true;
}

void LayerFiles::Keep(const ST_LAYER_FILE& facts)
{
    if (facts.device != 0 || facts.inode != 0)
        m_known.insert(qMakePair(facts.device, facts.inode), facts);
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
