#pragma once
// One subtitle document: events, styles and the ASS script header. It is also
// the file device the readers read: set its file name before a read.
#include "SubtitleRecords.h"

#include <QFile>
#include <QList>
#include <QString>
#include <cstdint>

class SubtitleParser : public QFile
{
public:
    SubtitleParser();
    ~SubtitleParser() override;

    // The style every new document starts with.
    static ST_ASS_STYLE MakeDefaultStyle();

    // Subtitle files larger than this are refused unread: no real one comes
    // near it, and reading one would hold the window for seconds.
    static constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;
    static bool IsTooLarge(const QString& path);
    // What the user is told of such a file, in one sentence.
    static QString TooLargeMessage(const QString& path);

    // Readers. ASSParser reads the file named by fileName() through libass
    // and replaces events, styles and header; false when libass gives no
    // track, and the document is then as a new one. SRTParser reads the
    // events of the opened device, keeping styles and header; false when it
    // is not open. ReadSRTFile opens the file named by fileName() for
    // SRTParser and closes it again. Neither reads a file above MaxFileSize,
    // and a file is read only when it is regular, through the one descriptor
    // opened for it, so that a pipe put in its place is never waited on.
    bool ASSParser();
    bool SRTParser();
    bool ReadSRTFile();

    // The bytes of a regular file of at most MaxFileSize, read as above;
    // false for anything else.
    static bool ReadFile(const QString& path, QByteArray* bytes);
    // The code page named by a UTF-16 byte-order mark at the start, or null.
    static const char* Utf16CodePage(const QByteArray& bytes);
    // Decodes one event text: UTF-8 when it is valid UTF-8, otherwise the
    // local 8-bit encoding (Windows-1252 where the locale is UTF-8). Clears
    // TextIsUtf8 when it was not UTF-8.
    QString fromASSText(const char* text);
    // A dialogue line as plain display text, override blocks and drawings left out.
    QString fromAss(const char* line);

    // Writers; each returns false when the file could not be written, and a
    // failed write leaves an existing file as it was.
    bool SaveASS(const QString& path) const;
    bool SaveSRT(const QString& path) const;
    bool SaveSty(const QString& path) const;

    QList<ST_ASS_EVENT> Events;
    QList<ST_ASS_STYLE> Styles;
    int32_t PlayResX = 0;
    int32_t PlayResY = 0;
    double Timer = 0.0;
    int32_t WrapStyle = 0;
    int32_t ScaledBorderAndShadow = 0;
    int32_t Kerning = 0;
    QString Language;
    int32_t YCbCrMatrix = 0;        // 0 not given, 1 unknown, 2 none, 3 tv.601 ... 10 pc.fcc
    int32_t DefaultStyle = 0;
    QString TrackName;
    bool TextIsUtf8 = true;         // false when an event text of the last ASS read was 8-bit
    // The event texts carry SRT markup (<i>, <font color=...>) rather than
    // ASS codes: the last file read was an SRT file. Kept as the file has it,
    // so a save as SRT gives the tags back.
    bool TextIsSrt = false;

    // Events, styles and header as in a new document.
    void Reset();
};
