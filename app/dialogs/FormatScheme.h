#pragma once
// Named format schemes: files with the keys of the output format settings,
// kept in the "Formats" folder of the program's documents folder.
#include "ConfigFormat.h"

#include <QString>
#include <QStringList>

class FormatScheme
{
public:
    enum ReadError {
        ReadOk = 0,
        ReadMissing,     // no such file
        ReadUnreadable,  // it cannot be opened
        ReadNotSettings, // binary, too large, or no INI text
        ReadBadKey       // keys missing or their values not of their kind
    };

    // Documents folder + "/" + application name + "/Formats".
    static QString Folder();
    // The folder made sure of: false when it does not exist and cannot be made.
    static bool MakeFolder();
    // Folder + "/" + name + ".ini".
    static QString PathOf(const QString& name);
    // The scheme names: complete base names of the folder's files, sorted by
    // name without regard to case.
    static QStringList Names();

    // Reads a scheme key by key: a key that is missing, or whose value is not
    // of its kind, takes its default and is named in `badKeys` (the result is
    // then ReadBadKey); a container that is none of the ten is read as an
    // empty name. A file that cannot be read at all gives the other errors,
    // and `out` the defaults.
    static ReadError Read(const QString& path, FormatSettings* out, QStringList* badKeys = nullptr);

    // A chosen save name with ".ini" added when it has no extension (the
    // desktop's save dialogs do not add the filter's).
    static QString WithExtension(const QString& fileName);
};
