// The subtitle readers: ASS and SSA through libass, SRT line by line.
#include "SubtitleParser.h"

#include "AssLibrary.h"
#include "TextFunctions.h"

#include <QRegularExpression>
#include <QTextCodec>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The 8-bit encoding for texts that are not UTF-8: the locale's, or
// Windows-1252 where the locale itself is UTF-8 (a file that fails the UTF-8
// test cannot be in it).
QTextCodec* FallbackCodec()
{
    QTextCodec* codec = QTextCodec::codecForLocale();
    if (!codec || codec->mibEnum() == 106)
        codec = QTextCodec::codecForName("Windows-1252");
    if (!codec)
        codec = QTextCodec::codecForName("ISO-8859-1");
    return codec;
}

// Valid UTF-8 through and through: the structure test, no sequence cut off
// at the end and nothing the decoder has to replace.
bool IsWholeUtf8(const char* data, int size)
{
    if (size <= 0)
        return true;
    if (!IsUTF8(data, size))
        return false;
    QTextCodec* utf8 = QTextCodec::codecForMib(106);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    utf8->toUnicode(data, size, &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// One text on its own: UTF-8 when valid, else the 8-bit fallback. Files
// mix them (an edited line, a pasted name), so no text decides for another.
QString Utf8Or8Bit(const char* data, int size, bool* wasUtf8 = nullptr)
{
    const bool utf8 = IsWholeUtf8(data, size);
    if (wasUtf8 && !utf8)
        *wasUtf8 = false;
    return utf8 ? QString::fromUtf8(data, size) : FallbackCodec()->toUnicode(data, size);
}

// Names, font names and effects.
QString FromUtf8OrEmpty(const char* text)
{
    if (!text)
        return QString(QStringLiteral(""));
    return Utf8Or8Bit(text, static_cast<int>(qstrlen(text)));
}

// libass keeps alignment as vertical and horizontal flags; documents and
// files use the numeric-keypad layout 1 to 9.
int32_t NumpadAlignment(int libassAlignment)
{
    int horizontal = libassAlignment & 3;
    if (horizontal == 0)
        horizontal = HALIGN_CENTER;
    const int vertical = libassAlignment & (VALIGN_TOP | VALIGN_CENTER);
    if (vertical == VALIGN_TOP)
        return horizontal + 6;
    if (vertical == VALIGN_CENTER)
        return horizontal + 3;
    return horizontal;
}

// Reads one SRT time of "%d%c%d%c%d%c%d": four numbers, any single character
// between them, blanks allowed before each number. Advances pos.
bool ScanNumber(const QChar* s, int n, int& pos, long long& value)
{
    while (pos < n && s[pos].isSpace())
        ++pos;
    bool negative = false;
    if (pos < n && (s[pos] == QLatin1Char('-') || s[pos] == QLatin1Char('+'))) {
        negative = s[pos] == QLatin1Char('-');
        ++pos;
    }
    const int start = pos;
    long long v = 0;
    while (pos < n && s[pos] >= QLatin1Char('0') && s[pos] <= QLatin1Char('9')) {
        if (v < 100000000000LL)   // keeps absurd digit runs from overflowing
            v = v * 10 + (s[pos].unicode() - '0');
        ++pos;
    }
    if (pos == start)
        return false;
    value = negative ? -v : v;
    return true;
}

// A time with a minus sign in front ("-00:00:05,000") is read as 0: the sign
// belongs to the whole time, and subtitle times are never negative.
bool ScanTime(const QChar* s, int n, int& pos, long long& ms)
{
    long long parts[4] = {0, 0, 0, 0};
    int lead = pos;
    while (lead < n && s[lead].isSpace())
        ++lead;
    const bool negative = lead < n && s[lead] == QLatin1Char('-');
    for (int i = 0; i < 4; ++i) {
        if (!ScanNumber(s, n, pos, parts[i]))
            return false;
        if (i < 3) {
            if (pos >= n)
                return false;
            ++pos;   // any single character
        }
    }
    ms = parts[3] + (parts[2] + parts[1] * 60 + parts[0] * 3600) * 1000;
    if (negative || ms < 0)
        ms = 0;
    return true;
}

// A timing line: two times with "-->" between them, blanks optional.
bool ParseTimingLine(const QString& line, long long& start, long long& end)
{
    const QChar* s = line.constData();
    const int n = line.size();
    int pos = 0;
    if (!ScanTime(s, n, pos, start))
        return false;
    while (pos < n && s[pos].isSpace())
        ++pos;
    if (pos + 3 > n || s[pos] != QLatin1Char('-') || s[pos + 1] != QLatin1Char('-')
        || s[pos + 2] != QLatin1Char('>'))
        return false;
    pos += 3;
    return ScanTime(s, n, pos, end);
}

bool IsTimingLine(const QString& line)
{
    long long start = 0;
    long long end = 0;
    return ParseTimingLine(line, start, end);
}

// A line that is a whole number and nothing after it (leading blanks allowed).
bool IsIndexLine(const QString& line)
{
    const QChar* s = line.constData();
    const int n = line.size();
    int pos = 0;
    long long value = 0;
    if (!ScanNumber(s, n, pos, value))
        return false;
    return pos == n;
}

QString DecodeSrtBytes(const QByteArray& bytes)
{
    // A byte-order mark names the encoding of the whole file; else each line
    // is UTF-8 when its bytes are, else 8-bit. Every decoder is given the
    // size: the QByteArray overload of fromUtf8 stops at the first NUL byte
    // and would lose the rest of the file.
    QTextCodec* bom = QTextCodec::codecForUtfText(bytes, nullptr);
    QString text;
    if (bom) {
        QTextCodec::ConverterState state(QTextCodec::DefaultConversion);
        text = bom->toUnicode(bytes.constData(), bytes.size(), &state);
    } else {
        const char* data = bytes.constData();
        const int size = bytes.size();
        int start = 0;
        while (start < size) {
            int end = start;
            while (end < size && data[end] != '\n' && data[end] != '\r')
                ++end;
            if (end < size)
                ++end;
            text += Utf8Or8Bit(data + start, end - start);
            start = end;
        }
    }
    text.remove(QChar(0));
    return text;
}

} // namespace

bool SubtitleParser::ASSParser()
{
    TextIsUtf8 = true;
    QByteArray bytes;
    ASS_Track* track = nullptr;
    if (g_ass_library && ReadFile(fileName(), &bytes)) {
        // A UTF-16 file is recoded by libass from the code page its mark
        // names; other files are decoded here, text by text.
        const char* codePage = Utf16CodePage(bytes);
        const int skip = codePage ? 2 : 0;
        track = ass_read_memory(g_ass_library, bytes.data() + skip, size_t(bytes.size() - skip),
                                const_cast<char*>(codePage));
    }
    if (!track) {
        // Never the header of the last file with the lists of none.
        Reset();
        return false;
    }
    Styles.clear();
    Events.clear();
    TextIsSrt = false;

    TrackName = fileName();
    Timer = track->Timer;
    Kerning = track->Kerning;
    if (track->Language)
        Language = FromUtf8OrEmpty(track->Language);
    PlayResX = track->PlayResX;
    PlayResY = track->PlayResY;
    WrapStyle = track->WrapStyle;
    YCbCrMatrix = static_cast<int32_t>(track->YCbCrMatrix);
    DefaultStyle = track->default_style;
    ScaledBorderAndShadow = track->ScaledBorderAndShadow;

    // The first style is libass's built-in one, not the file's.
    Styles.reserve(track->n_styles > 1 ? track->n_styles - 1 : 0);
    for (int i = 1; i < track->n_styles; ++i) {
        const ASS_Style& in = track->styles[i];
        ST_ASS_STYLE style;
        style.Name = FromUtf8OrEmpty(in.Name);
        style.FontName = FromUtf8OrEmpty(in.FontName);
        style.FontSize = in.FontSize;
        style.PrimaryColour = in.PrimaryColour;
        style.SecondaryColour = in.SecondaryColour;
        style.OutlineColour = in.OutlineColour;
        style.BackColour = in.BackColour;
        style.Bold = in.Bold;
        style.Italic = in.Italic;
        style.Underline = in.Underline;
        style.StrikeOut = in.StrikeOut;
        style.ScaleX = in.ScaleX;
        style.ScaleY = in.ScaleY;
        style.Spacing = in.Spacing;
        style.Angle = in.Angle;
        style.BorderStyle = in.BorderStyle;
        style.Outline = in.Outline;
        style.Shadow = in.Shadow;
        style.Alignment = NumpadAlignment(in.Alignment);
        style.MarginL = in.MarginL;
        style.MarginR = in.MarginR;
        style.MarginV = in.MarginV;
        style.Encoding = in.Encoding;
        style.TreatFontNameAsPattern = in.treat_fontname_as_pattern;
        style.Blur = in.Blur;
        style.Justify = in.Justify;
        Styles.append(style);
    }

    Events.reserve(track->n_events);
    for (int i = 0; i < track->n_events; ++i) {
        const ASS_Event& in = track->events[i];
        ST_ASS_EVENT event;
        event.Start = in.Start;
        event.End = in.Start + in.Duration;
        event.ReadOrder = in.ReadOrder;
        event.Layer = in.Layer;
        event.Style = in.Style;
        event.Name = FromUtf8OrEmpty(in.Name);
        event.MarginL = in.MarginL;
        event.MarginR = in.MarginR;
        event.MarginV = in.MarginV;
        event.Effect = FromUtf8OrEmpty(in.Effect);
        event.Text = in.Text ? fromASSText(in.Text) : QString(QStringLiteral(""));
        Events.append(event);
    }
    ass_free_track(track);
    return true;
}

QString SubtitleParser::fromASSText(const char* text)
{
    if (!text)
        return QString(QStringLiteral(""));
    // Each text is decided on its own; the flag only tells that one was not UTF-8.
    return Utf8Or8Bit(text, static_cast<int>(qstrlen(text)), &TextIsUtf8);
}

bool SubtitleParser::SRTParser()
{
    TextIsUtf8 = true;
    TextIsSrt = true;
    Events.clear();
    if (!isOpen() || !isReadable() || size() > MaxFileSize)
        return false;
    // The raw bytes: text mode would drop every 0x0D byte, which tears
    // UTF-16 text apart. Line ends are sorted out once the text is decoded:
    // Windows (CR LF), Unix (LF) and old Mac (CR alone) files all occur.
    const bool textMode = isTextModeEnabled();
    setTextModeEnabled(false);
    QString all = DecodeSrtBytes(readAll());
    setTextModeEnabled(textMode);
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QVector<QStringRef> lines = all.splitRef(QLatin1Char('\n'));
    const int count = lines.size();

    static const QString kBreak = QStringLiteral("\\N");
    int i = 0;
    auto lineAt = [&](int k) { return lines.at(k).toString(); };
    // The text after the last line of the file is not a line.
    const int lineCount = (count > 0 && lines.last().isEmpty()) ? count - 1 : count;

    while (i < lineCount) {
        long long start = 0;
        long long end = 0;
        if (!ParseTimingLine(lineAt(i), start, end)) {
            ++i;
            continue;
        }
        ++i;
        QString text;
        bool sawEmpty = false;
        bool lastEmpty = false;
        int collected = 0;
        while (i < lineCount) {
            const QString line = lineAt(i);
            if (line.isEmpty()) {
                sawEmpty = true;
            } else if (lastEmpty && IsTimingLine(line)) {
                break;   // a cue without an index line follows an empty line
            } else if (sawEmpty && IsIndexLine(line)) {
                ++i;   // the next cue's index
                break;
            }
            text += line;
            text += kBreak;
            lastEmpty = line.isEmpty();
            ++collected;
            ++i;
        }
        if (collected > 0) {
            text.chop(kBreak.size());
            if (lastEmpty && text.endsWith(kBreak))
                text.chop(kBreak.size());
        }
        ST_ASS_EVENT event;
        event.Start = start;
        event.End = end;
        event.ReadOrder = 0;
        event.Layer = 0;
        event.Style = 1;
        event.Name = QStringLiteral("");
        event.Effect = QStringLiteral("");
        event.Text = text;
        Events.append(event);
    }
    return true;
}

namespace {

// Leaves out override blocks and drawings; "\n" and "\N" become line breaks
// and "\h" a blank. An unclosed block is kept as it stands.
QByteArray StripOverrides(const char* line)
{
    QByteArray out;
    const int n = static_cast<int>(qstrlen(line));
    out.reserve(n);
    bool drawing = false;
    for (int i = 0; i < n; ++i) {
        const char c = line[i];
        if (c == '{') {
            const char* close = static_cast<const char*>(memchr(line + i, '}', n - i));
            if (!close) {
                out.append(line + i, n - i);
                break;
            }
            const int end = static_cast<int>(close - line);
            for (int k = i + 1; k + 1 < end; ++k) {
                if (line[k] == '\\' && line[k + 1] == 'p') {
                    int d = k + 2;
                    int value = 0;
                    bool digits = false;
                    while (d < end && line[d] >= '0' && line[d] <= '9') {
                        value = qMin(value * 10 + (line[d] - '0'), 1000000);
                        digits = true;
                        ++d;
                    }
                    if (digits)
                        drawing = value != 0;
                }
            }
            i = end;
            continue;
        }
        if (drawing)
            continue;
        if (c == '\\' && i + 1 < n && (line[i + 1] == 'n' || line[i + 1] == 'N')) {
            out.append('\n');
            ++i;
        } else if (c == '\\' && i + 1 < n && line[i + 1] == 'h') {
            out.append(' ');
            ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

// The text field of a dialogue line: what follows the seventh comma after
// the end time (style, name, three margins, effect).
bool DialogueText(const QByteArray& firstLine, QByteArray& text)
{
    int a[8];
    std::vector<char> rest(static_cast<size_t>(firstLine.size()) + 1, '\0');
    int found = std::sscanf(firstLine.constData(), "Dialogue: Marked=%*d,%d:%d:%d.%d,%d:%d:%d.%d%[^\r\n]",
                            &a[0], &a[1], &a[2], &a[3], &a[4], &a[5], &a[6], &a[7], rest.data());
    if (found != 9)
        found = std::sscanf(firstLine.constData(), "Dialogue: %*d,%d:%d:%d.%d,%d:%d:%d.%d%[^\r\n]",
                            &a[0], &a[1], &a[2], &a[3], &a[4], &a[5], &a[6], &a[7], rest.data());
    if (found != 9)
        return false;
    const char* p = rest.data();
    for (int commas = 0; commas < 7; ++commas) {
        p = std::strchr(p, ',');
        if (!p) {
            text.clear();
            return true;
        }
        ++p;
    }
    text = QByteArray(p);
    return true;
}

} // namespace

QString SubtitleParser::fromAss(const char* line)
{
    if (!line)
        return QString(QStringLiteral(""));
    const QByteArray cleaned = StripOverrides(line);
    const int newline = cleaned.indexOf('\n');
    const QByteArray firstLine = newline < 0 ? cleaned : cleaned.left(newline);
    QByteArray text;
    if (!DialogueText(firstLine, text))
        return fromASSText(cleaned.constData());
    if (newline >= 0) {
        const QByteArray more = cleaned.mid(newline + 1).trimmed();
        if (!more.isEmpty()) {
            text += '\n';
            text += more;
        }
    }
    return fromASSText(text.constData());
}
