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
        ReadBadKey       // a key is missing or its value is not one of its kind
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

    // Reads a scheme as a whole: every key must be there with a value of its
    // kind. On any fault `out` holds the defaults, so no control is left
    // half set from a damaged file; `badKey` names the faulty key.
    static ReadError Read(const QString& path, FormatSettings* out, QString* badKey = nullptr);

    // A chosen save name with ".ini" added when it has no extension (the
    // desktop's save dialogs do not add the filter's).
    static QString WithExtension(const QString& fileName);
};
