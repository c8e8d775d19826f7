#include "SettingsFile.h"

#include "AtomicFile.h"
#include "MediaInput.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QVariantMap>

namespace {

// Far above what settings files hold; what is larger is no settings file.
constexpr qint64 kMaxBytes = 16 << 20;

QVariantMap Values(QSettings& settings)
{
    QVariantMap values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

// A hidden temporary beside the file: on the same disk, and never listed
// as a scheme of its own.
QString TemporaryBeside(const QFileInfo& target)
{
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX");
}

} // namespace

namespace SettingsFile {

QString Snapshot(const QString& path, QTemporaryFile* copy)
{
    if (!QFileInfo::exists(path))
        return QString();
    QByteArray bytes;
    if (MediaInput::ReadRegular(path, kMaxBytes, &bytes) != MediaInput::ReadWhole) {
        qWarning().noquote() << (QFileInfo(path).isFile() ? "Settings file not read:"
                                                          : "Not a regular file, settings not read:")
                             << path;
        return QString();
    }
    if (!copy->open() || copy->write(bytes) != bytes.size() || !copy->flush())
        return QString();
    copy->close();
    return copy->fileName();
}

bool Write(const QString& path, const std::function<void(QSettings&)>& fill)
{
    const QFileInfo target(path);
    QByteArray old;
    if (target.exists() && MediaInput::ReadRegular(path, kMaxBytes, &old) != MediaInput::ReadWhole)
        return false;
    // As the settings class itself does, a missing folder is made.
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    // The settings class writes a copy; the copy is read back under another
    // name (the class answers reads of a name it wrote from memory) and goes
    // into place only when it holds every value.
    QTemporaryFile draft(TemporaryBeside(target));
    if (!draft.open() || draft.write(old) != old.size() || !draft.flush())
        return false;
    draft.close();
    QVariantMap written;
    {
        QSettings settings(draft.fileName(), QSettings::IniFormat);
        fill(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
        written = Values(settings);
    }
    QTemporaryFile check(TemporaryBeside(target));
    if (!check.open())
        return false;
    check.close();
    if (!QFile::remove(check.fileName()) || !QFile::rename(draft.fileName(), check.fileName()))
        return false;
    QByteArray text;
    {
        QFile file(check.fileName());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        text = file.readAll();
    }
    QSettings readBack(check.fileName(), QSettings::IniFormat);
    if (readBack.status() != QSettings::NoError || Values(readBack) != written)
        return false;
    return AtomicFile::Write(path, text);
}

} // namespace SettingsFile
