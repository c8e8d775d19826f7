#pragma once
// INI settings files read only when they are regular files (a pipe or a
// device in their place would block or never end) and written whole or not
// at all: Qt's settings class renames its file into place even after a write
// that failed on a full disk, and still reports no error.
//
// The settings class only reads and writes named files. It reads a copy in
// memory of what was read through one descriptor of the file, so reading
// needs no folder at all; it writes a hidden copy beside the file
// (".<name>.XXXXXX"), on its own disk, held by a lock beside it (the same
// name with ".lock") while it is in use.
#include <QString>

#include <functional>

class QSettings;

namespace SettingsFile {

// Lets take read the settings of path, from a copy in memory of what was
// read through one descriptor of the file. A missing file gives settings with no keys (the
// defaults). So does a file that exists but could not be read (anything but
// a regular file, too large, a read or its copy failed): then one line is
// logged, false returned, and a regular file is never written over by this
// process, since what it holds was not known.
bool Read(const QString& path, const std::function<void(QSettings&)>& take);

// Keeps the other keys of the file, lets fill set its values, and replaces
// the file only when every value was written; false (the file unchanged)
// otherwise, and always for a file Read could not read. First removes the
// hidden copies of the file that an ended save left behind: those
// whose lock no running copy of the program holds.
bool Write(const QString& path, const std::function<void(QSettings&)>& fill);

} // namespace SettingsFile
