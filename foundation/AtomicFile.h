#pragma once
// Files the user keeps (projects, subtitles, styles) are written whole or not
// at all: the data goes to a temporary file beside the target, which replaces
// the target only when every byte was written. A failed write leaves the old
// file as it was and is reported.
#include <QString>

class QByteArray;

class AtomicFile
{
public:
    // Writes data to path; false, with the reason in error (when given),
    // when the data could not be written whole. A target that exists and is
    // not a regular file (a device such as /dev/full, a pipe, a folder) is
    // refused: the rename would replace the device itself.
    static bool Write(const QString& path, const QByteArray& data, QString* error = nullptr);
};
