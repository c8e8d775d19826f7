#include "FileFolders.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QUrl>

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

} // namespace

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
    if (path.isEmpty())
        return false;
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
    if (path.isEmpty())
        return false;
    const QFileInfo info(QFileInfo(path).absoluteFilePath());
    const QString absolute = info.absoluteFilePath();
    // A missing path cannot be selected; its folder is opened instead.
    if (info.exists() && RevealThroughFileManager(absolute))
        return true;
    const QString folder = info.isDir() ? absolute : info.path();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
