#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Output names: a new output never replaces an existing file unless the user
// allows overwriting, never replaces a file that a conversion reads, and no
// name is handed to two outputs of this process.

// The main window registers a query for its overwrite setting ("Coverage").
// Without one, overwriting is off.
void SetOverwriteQuery(std::function<bool()> query);

// The files the listed conversions read (sources, clips, soundtracks,
// subtitle files, layer pictures and videos). Each of them is a taken name,
// whatever the overwrite setting.
void SetInputFilesQuery(std::function<QStringList()> query);

// The output path to use in place of `path`. When the name is taken (an
// existing file, unless overwriting is on; anything there that is not a
// regular file; a file a conversion reads; a name already handed out) the
// current time "(hhmmss)" is inserted before the last "." of the file name
// (appended when the name has none), then "(hhmmss_2)", "(hhmmss_3)" ... until
// the name is free. The returned name is reserved for the rest of the process.
QString GetUnRepeat(QString path);

// True when both names reach one file: the same text, or the same device
// and inode (a link, a bind mount).
bool SameFile(const QString& a, const QString& b);

// Frees a name handed out for an output that never came, or a partial
// file's name once that file is gone or in place.
void ReleaseUnRepeat(const QString& path);

// Drops every reservation. Only safe while no job of an earlier run is still
// waiting to write its output (tests use it for a fresh start).
void ClearUnRepeatReservations();

// A name beside `finalPath` for the file a step writes before it is known
// to be right: hidden, marked as partial with this program's process id, and
// ending in the same extension so the tools still pick the format from it;
// its stem is shortened so that it fits wherever the output's name fits. The
// file is made at once, empty, and held by this process until its name is
// released. Partial files in that folder left by programs that no longer run
// are removed first; a running program's are never touched, nor is a file a
// listed conversion reads, whatever its name.
QString PartialOutputName(const QString& finalPath);

// Removes a partial file made above while its name still reaches that very
// file, and frees the name: a file put under the name since stays.
void DiscardPartial(const QString& path);
// Empties such a partial file for a run started over; false when the name
// no longer reaches it.
bool EmptyPartial(const QString& path);

// Puts the finished file `written` in place under the name `wanted` and
// returns the name it got. Unless overwriting is on, nothing is replaced: a
// name taken meanwhile (by another program, or by the user) gives the next
// free name, made as GetUnRepeat makes it. Even with overwriting on, a file a
// conversion reads, or anything that is not a regular file, is never
// replaced. A partial file made above is put in place only while its name
// still reaches it. Empty, with `error` set, when the file could not be put
// anywhere.
QString PlaceOutput(const QString& written, const QString& wanted, QString* error);
