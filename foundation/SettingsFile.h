#pragma once
// INI settings files read only when they are regular files (a pipe or a
// device in their place would block or never end) and written whole or not
// at all: Qt's settings class renames its file into place even after a write
// that failed on a full disk, and still reports no error.
#include <QString>

#include <functional>

class QSettings;
class QTemporaryFile;

namespace SettingsFile {

// What settings are read from: a private copy of the file made through one
// descriptor of it (copy holds it), or an empty name (defaults) when the file
// is missing; for anything but a regular file one line is logged as well.
QString Snapshot(const QString& path, QTemporaryFile* copy);

// Keeps the other keys of the file, lets fill set its values, and replaces
// the file only when every value was written; false (the file unchanged)
// otherwise.
bool Write(const QString& path, const std::function<void(QSettings&)>& fill);

} // namespace SettingsFile
