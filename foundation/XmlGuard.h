#pragma once
// XML files from disk (projects, styled-text presets) are read only after a
// check that they cannot turn the parser against the program: a document
// nested tens of thousands deep overflows the stack of the document builder,
// and one entity used many times expands to gigabytes. Our writers never
// declare a document type or entities and nest a few levels deep, so such a
// file is refused before any document is built.
#include <QString>

class QByteArray;
class QDomDocument;

class XmlGuard
{
public:
    enum Error {
        NoError,
        NotAFile,        // a folder, device or pipe: it could be read without end
        CannotOpen,      // detail: the system's words
        TooLarge,        // more than the kind's limit
        Declarations,    // a document type, and with it entity declarations
        TooDeep,         // nested deeper than kMaxDepth
        Malformed        // not well-formed XML; detail, line and column: the parser's
    };

    // Far above the few levels our files use.
    static constexpr int kMaxDepth = 64;

    struct Outcome {
        Error error = NoError;
        QString detail;
        int line = 0;
        int column = 0;
    };

    // Reads the file at path into document when it is a regular file of at
    // most maxBytes that passes the checks; otherwise the document is left
    // empty and the outcome says why.
    static Outcome Read(const QString& path, qint64 maxBytes, QDomDocument* document);
    // The same checks on bytes already read.
    static Outcome Parse(const QByteArray& data, QDomDocument* document);
};
