#include "XmlGuard.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <cerrno>

#include "MediaInput.h"

XmlGuard::Outcome XmlGuard::Read(const QString& path, qint64 maxBytes, QDomDocument* document)
{
    Outcome outcome;
    QByteArray data;
    errno = 0;
    switch (MediaInput::ReadRegular(path, maxBytes, &data)) {
    case MediaInput::ReadWhole:
        break;
    case MediaInput::TooLarge:
        outcome.error = TooLarge;
        return outcome;
    case MediaInput::NotRead: {
        const int error = errno;
        const QFileInfo info(path);
        if (info.exists() && !info.isFile()) {
            outcome.error = NotAFile;
        } else {
            outcome.error = CannotOpen;
            outcome.detail = qt_error_string(error);
        }
        return outcome;
    }
    }
    return Parse(data, document);
}

XmlGuard::Outcome XmlGuard::Parse(const QByteArray& data, QDomDocument* document)
{
    Outcome outcome;
    // A streaming pass first: it keeps no tree and no recursion, and stops at
    // the first thing a document builder must not be given.
    QXmlStreamReader reader(data);
    int depth = 0;
    while (!reader.atEnd() && outcome.error == NoError) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            outcome.error = Declarations;
            break;
        case QXmlStreamReader::StartElement:
            if (++depth > kMaxDepth)
                outcome.error = TooDeep;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (outcome.error == NoError && reader.hasError()) {
        outcome.error = Malformed;
        outcome.detail = reader.errorString();
        outcome.line = int(reader.lineNumber());
        outcome.column = int(reader.columnNumber());
    }
    if (outcome.error != NoError)
        return outcome;
    QString message;
    int line = 0;
    int column = 0;
    if (!document->setContent(data, false, &message, &line, &column)) {
        outcome.error = Malformed;
        outcome.detail = message;
        outcome.line = line;
        outcome.column = column;
    }
    return outcome;
}
