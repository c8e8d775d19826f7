#pragma once
#include <QString>

// Every accepted media file name pattern ("*.mp4 ..."): the video patterns,
// one blank, then the audio patterns. The main window splits it at blanks to
// expand folders into their media files.
extern const QString g_strMediaExt;

// File-dialog filters.
QString GetMediaFileFilter();
QString GetVideoFileFilter();
QString GetImageFileFilter();

// Standard folders (writable locations, no trailing "/").
QString GetAppDataDir();
QString GetAppDataLocation();
QString GetSysVideoDataDir();
QString GetDocumentsLocation();

// True when the folder exists afterwards (missing parents are created;
// a relative path is taken from the current directory).
bool CreateFolder(QString path);

// The running program's own folder for work files inside `root` (the
// settings' work folder): made on the first call for that root under a new
// name, readable by this user alone, and removed when the program ends. The
// program holds a lock on a file inside for its whole life, so a folder whose
// lock can be taken belongs to a program that no longer runs (whatever became
// of its process number): making a folder removes those. Made again when it
// has gone meanwhile; empty when none can be made.
QString PrivateWorkFolder(const QString& root);
// Removes every such folder of the running program now, for an end that
// destroys nothing.
void RemovePrivateWorkFolders();

// Makes the folder ready to take conversion outputs, creating it when
// missing. Empty when it is, else why not, in one sentence for the user: a
// relative path, something that is not a folder, a folder that cannot be
// made or written into.
QString PrepareOutputFolder(const QString& path);

// A path as a message shows it: native separators, and a long one cut in the
// middle (a crafted project can name a "file" of megabytes, which a message
// box would take many seconds to lay out).
QString ShownPath(const QString& path);

// True for names ending in jpg, png, jpeg or webp, in any letter case.
bool IsPicture(QString path);

// Reveals a file or folder in the desktop's file manager; when that cannot
// be reached, opens the folder (or the file's folder) instead. False when
// nothing on this desktop could be asked to show it.
bool ShowInFolder(const QString& path);
