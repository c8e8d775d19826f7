#pragma once
// INI settings files read only when they are regular files (a pipe or a
// device in their place would block or never end) and written whole or not
// at all: Qt's settings class renames its file into place even after a write
// that failed on a full disk, and still reports no error.
//
// The settings class only reads and writes named files. It reads a copy in
// memory of what was read through one descriptor of the file, so reading
// needs no folder at all. A save has the class write a hidden draft beside
// the file, ".<name>.lumacrest-draft-XXXXXX", held by the save's lock (the
// draft's name and ".hold") from before the draft is made until it is gone
// or in place; what the class makes on its way carries the draft's name too.
// No other program, and no user, names a file so: only names of that shape,
// whose lock shows them abandoned, are ever removed.
#include <QString>

#include <functional>

class QByteArray;
class QSettings;

namespace SettingsFile {

// Lets take read the settings of path, from a copy in memory of what was
// read through one descriptor of the file. A missing file gives settings with no keys (the
// defaults). So does a file that exists but could not be read (anything but
// a regular file, too large, a read or its copy failed): then one line is
// logged, false returned, and a regular file is never written over by this
// process, since what it holds was not known. A damaged line is left out,
// as the settings class leaves it out.
bool Read(const QString& path, const std::function<void(QSettings&)>& take);

// Lets take read bytes already read, through a copy in memory as Read does,
// whatever the settings class makes of them (its status tells); false, and
// take not called, when no copy could be made.
bool Parse(const QByteArray& bytes, const std::function<void(QSettings&)>& take);

// Keeps the other keys of the file as they read now (a damaged line left
// out), lets fill set its values, and replaces the file only when every
// value was written; false (the file unchanged) otherwise, and always for a
// file Read could not read. A link is written through. First removes the
// drafts of the file that ended saves left behind: those whose lock no
// running save holds.
bool Write(const QString& path, const std::function<void(QSettings&)>& fill);

} // namespace SettingsFile
