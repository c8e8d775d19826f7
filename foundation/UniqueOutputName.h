#pragma once
#include <QString>
#include <functional>

// Output names: a new output never replaces an existing file unless the user
// allows overwriting, and no name is handed to two outputs of this process.

// The main window registers a query for its overwrite setting ("Coverage").
// Without one, overwriting is off.
void SetOverwriteQuery(std::function<bool()> query);

// The output path to use in place of `path`. When the name is taken (an
// existing file, unless overwriting is on, or a name already handed out) the
// current time "(hhmmss)" is inserted before the last "." of the file name
// (appended when the name has none), then "(hhmmss_2)", "(hhmmss_3)" ... until
// the name is free. The returned name is reserved for the rest of the process.
QString GetUnRepeat(QString path);

// Drops every reservation. Only safe while no job of an earlier run is still
// waiting to write its output (tests use it for a fresh start).
void ClearUnRepeatReservations();
