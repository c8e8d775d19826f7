#include "FileFolders.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString g_strVideoExt = QStringLiteral(
    "*.3gp *.3g2 *.amv *.asf *.avi *.avs *.cpk *.dat *.dif *.dv *.dvr-ms *.fli *.flv *.m2t *.m2ts *.mkv "
    "*.mod *.mov *.mp4 *.mpeg *.mpg *.mts *.ogm *.qt *.rm *.rmvb *.trp *.ts *.vfw *.vob *.wmv *.yuv");
const QString g_strAudioExt = QStringLiteral(
    "*.aac *.ac3 *.aif *.aix *.amr *.ape *.asf *.flac *.gsm *.m4a *.m4r *.mid *.mka *.mmf *.mpa *.mp3 "
    "*.mpc *.musx *.ogg *.pcm *.ra *.tta *.voc *.wma *.wav *.wv");

} // namespace

const QString g_strMediaExt = g_strVideoExt + QLatin1Char(' ') + g_strAudioExt;

namespace {

const QString g_strImageExt = QStringLiteral("*.png *.webp *.bmp");

QString Tr(const char* text)
{
    return QCoreApplication::translate("QIODevice", text);
}

QString AllFiles()
{
    return Tr(QT_TRANSLATE_NOOP("QIODevice", "All Files")) + QStringLiteral(" (*.*)");
}

// How long the file manager may take to answer before the folder is opened
// directly; the call runs on the GUI thread.
const int kFileManagerTimeoutMs = 3000;

bool RevealThroughFileManager(const QString& path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // A URI with every reserved and non-ASCII character percent-encoded: file
    // managers read "#" as a fragment and "%" as the start of an escape.
    call << QStringList{QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded())} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, kFileManagerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qDebug() << "File manager not reachable:" << reply.errorMessage();
        return false;
    }
    return true;
}

// Work folders of running programs: "instance-XXXXXX", each with a lock
// file its program holds while it runs.
const QString kInstancePrefix = QStringLiteral("instance-");
const QString kLockName = QStringLiteral("/.lock");

// True while the open lock file `fd` is the file at `lockPath`: the folder
// has not been removed, nor its name taken by another folder since.
bool IsLockAt(int fd, const QString& lockPath)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(QFile::encodeName(lockPath).constData(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// The lock of a folder's lock file, which is made when missing; -1 when a
// running program holds it. The descriptor is not handed to child tools, so
// a tool outliving its program never keeps a folder alive.
int TakeLock(const QString& folder)
{
    const QByteArray lock = QFile::encodeName(folder + kLockName);
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class InstanceFolders
{
public:
    ~InstanceFolders() { ReleaseAll(); }

    void ReleaseAll()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        for (const Held& held : qAsConst(m_held))
            Release(held, true);
        m_held.clear();
    }

    QString For(const QString& root)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        auto it = m_held.find(root);
        if (it != m_held.end()) {
            if (IsLockAt(it->fd, it->path + kLockName))
                return it->path;
            // Removed meanwhile: whatever stands under the name now is not ours.
            Release(*it, false);
            m_held.erase(it);
        }
        RemoveEnded(root);
        const Held held = Make(root);
        if (held.fd < 0)
            return QString();
        m_held.insert(root, held);
        return held.path;
    }

private:
    struct Held {
        QString path;
        int fd = -1;
    };

    static void Release(const Held& held, bool remove)
    {
        if (remove && IsLockAt(held.fd, held.path + kLockName))
            QDir(held.path).removeRecursively();
        ::close(held.fd);
    }

    static Held Make(const QString& root)
    {
        // Another program starting at this moment may take the new folder for
        // a left-over before it is locked, and remove it: then make another.
        for (int attempt = 0; attempt < 8; ++attempt) {
            QByteArray name = QFile::encodeName(root + QLatin1Char('/') + kInstancePrefix + QStringLiteral("XXXXXX"));
            // A new name, mode 0700.
            if (!::mkdtemp(name.data())) {
                qWarning() << "Cannot make a work folder in" << root << ::strerror(errno);
                return {};
            }
            const QString path = QFile::decodeName(name);
            const int fd = TakeLock(path);
            if (fd >= 0 && IsLockAt(fd, path + kLockName))
                return {path, fd};
            if (fd >= 0)
                ::close(fd);
        }
        return {};
    }

    // The folders of programs that no longer run; a running program's lock
    // cannot be taken, so its folder stays.
    static void RemoveEnded(const QString& root)
    {
        const QFileInfoList entries = QDir(root).entryInfoList(
            {kInstancePrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries) {
            const int fd = TakeLock(entry.absoluteFilePath());
            if (fd < 0)
                continue;
            QDir(entry.absoluteFilePath()).removeRecursively();
            ::close(fd);
        }
    }

    std::mutex m_mutex;
    QHash<QString, Held> m_held;
};

InstanceFolders& HeldInstanceFolders()
{
    // Destroyed at the program's end, which removes its folders.
    static InstanceFolders folders;
    return folders;
}

} // namespace

void RemovePrivateWorkFolders()
{
    HeldInstanceFolders().ReleaseAll();
}

QString PrivateWorkFolder(const QString& root)
{
    if (root.isEmpty())
        return QString();
    return HeldInstanceFolders().For(QDir::cleanPath(QFileInfo(root).absoluteFilePath()));
}

QString GetMediaFileFilter()
{
    return Tr(QT_TRANSLATE_NOOP("QIODevice", "All Supported Media Files")) + QLatin1Char('(') + g_strMediaExt
        + QStringLiteral(");;") + Tr(QT_TRANSLATE_NOOP("QIODevice", "All Supported Video Files")) + QLatin1Char('(')
        + g_strVideoExt + QStringLiteral(");;") + Tr(QT_TRANSLATE_NOOP("QIODevice", "All Supported Audio Files"))
        + QLatin1Char('(') + g_strAudioExt + QStringLiteral(");;") + AllFiles();
}

QString GetVideoFileFilter()
{
    return Tr(QT_TRANSLATE_NOOP("QIODevice", "All Supported Video Files")) + QLatin1Char('(') + g_strVideoExt
        + QStringLiteral(");;") + AllFiles();
}

QString GetImageFileFilter()
{
    return Tr(QT_TRANSLATE_NOOP("QIODevice", "All Supported Image Files")) + QLatin1Char('(') + g_strImageExt
        + QStringLiteral(");;") + AllFiles();
}

QString GetAppDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation);
}

QString GetAppDataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString GetSysVideoDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString GetDocumentsLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool CreateFolder(QString path)
{
    if (QDir(path).exists())
        return true;
    return QDir().mkpath(path);
}

QString PrepareOutputFolder(const QString& path)
{
    const auto say = [](const char* text, const QString& folder) {
        return QCoreApplication::translate("FileFolders", text).arg(ShownPath(folder));
    };
    if (path.trimmed().isEmpty())
        return QCoreApplication::translate("FileFolders", "Choose an output folder first.");
    // A relative folder would follow wherever the program was started from.
    if (QDir::isRelativePath(path))
        return say(QT_TRANSLATE_NOOP("FileFolders", "The output folder \"%1\" is not a full path. Choose a folder."), path);
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return say(QT_TRANSLATE_NOOP("FileFolders", "The output folder \"%1\" is not a folder. Choose a folder."), path);
    if (!info.exists() && !QDir().mkpath(path))
        return say(QT_TRANSLATE_NOOP("FileFolders", "The output folder \"%1\" cannot be created. Choose another folder."), path);
    // Permission bits say little (a read-only disk, root): try it.
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".lumacrest-write-test-XXXXXX")));
    if (!probe.open())
        return say(QT_TRANSLATE_NOOP("FileFolders", "Nothing can be written into the output folder \"%1\". Choose another folder."), path);
    return QString();
}

QString ShownPath(const QString& path)
{
    constexpr int kHalf = 45;
    const QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= 2 * kHalf)
        return shown;
    // Never cut a character written as two code units.
    const int head = shown.at(kHalf - 1).isHighSurrogate() ? kHalf - 1 : kHalf;
    const int tail = shown.at(shown.size() - kHalf).isLowSurrogate() ? kHalf - 1 : kHalf;
    return shown.left(head) + QChar(0x2026) + shown.right(tail);
}

bool IsPicture(QString path)
{
    const QString last3 = path.right(3).toLower();
    if (last3 == QLatin1String("jpg") || last3 == QLatin1String("png"))
        return true;
    const QString last4 = path.right(4).toLower();
    return last4 == QLatin1String("jpeg") || last4 == QLatin1String("webp");
}

bool ShowInFolder(const QString& path)
{
    const QFileInfo info(QFileInfo(path).absoluteFilePath());
    const QString absolute = info.absoluteFilePath();
    // A missing path cannot be selected; its folder is opened instead.
    if (info.exists() && RevealThroughFileManager(absolute))
        return true;
    const QString folder = info.isDir() ? absolute : info.path();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
