// The subtitle writers: ASS, SRT and the style file.
#include "SubtitleParser.h"
#include "AtomicFile.h"
#include "SrtMarkup.h"
#include "Timecode.h"

#include <QStringList>
#include <QTextCodec>

#include <climits>

namespace {

QString Integer(long long value)
{
    return QString::number(value);
}

// Like C's "%g", independent of the locale.
QString Real(double value)
{
    return QString::number(value, 'g', 6);
}

// Bytes alpha, blue, green, red of a red-first colour, lower-case hex.
QString Colour(uint32_t rgba)
{
    static const char digits[] = "0123456789abcdef";
    QString out(8, QLatin1Char('0'));
    for (int i = 0; i < 4; ++i) {
        const unsigned byte = (rgba >> (8 * i)) & 0xFFu;
        out[2 * i] = QLatin1Char(digits[byte >> 4]);
        out[2 * i + 1] = QLatin1Char(digits[byte & 0xF]);
    }
    return out;
}

// Event times are milliseconds; a negative time is written as 0 (subtitle
// files have no negative times), and an absurd one read from a hostile file
// is capped at the most hours that libass (and other readers) scan into an
// int, so that the file reads back as the cap and not as a negative time.
long long Microseconds(long long ms)
{
    const long long kMaxMs = static_cast<long long>(INT_MAX) * 3600 * 1000;
    return ms > 0 ? qMin(ms, kMaxMs) * 1000 : 0;
}

QString AssTime(long long ms)
{
    return Timecode::Int64ToTime(Microseconds(ms));
}

QString SrtTime(long long ms)
{
    return Timecode::Int64ToTime3(Microseconds(ms));
}

// Control characters other than line breaks are never written: libass stops
// reading a file at a NUL byte, losing every event after it. A tab becomes a
// blank; CR and LF stay for the callers to turn into their line breaks.
QString WithoutControls(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if (u == '\t')
            out += QLatin1Char(' ');
        else if (u == '\r' || u == '\n' || (u >= 0x20 && u != 0x7F && (u < 0x80 || u > 0x9F)))
            out += c;
    }
    return out;
}

// A comma or a line break inside a comma-separated field would shift every
// field after it when the file is read back.
QString Field(const QString& value)
{
    QString out = WithoutControls(value);
    out.replace(QLatin1Char(','), QLatin1Char(';'));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

// The event text stays on one line: real line breaks become "\N".
QString AssText(const QString& text)
{
    QString out = WithoutControls(text);
    out.replace(QLatin1String("\r\n"), QLatin1String("\\N"));
    out.replace(QLatin1Char('\r'), QLatin1String("\\N"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\N"));
    return out;
}

// SRT has no "\N": a cue's lines are real lines. An empty line would end the
// cue for every reader (and the lines after it would be read as the next
// cue), so a break that would begin or end an empty line stays a written
// "\N", which readers take as a line break too; the text reads back as it was.
QString SrtText(const QString& text)
{
    QString flat = WithoutControls(text);
    flat.replace(QLatin1String("\r\n"), QLatin1String("\\N"));
    flat.replace(QLatin1Char('\r'), QLatin1String("\\N"));
    flat.replace(QLatin1Char('\n'), QLatin1String("\\N"));
    const QStringList parts = flat.split(QLatin1String("\\N"));
    QString out = parts.first();
    for (int i = 1; i < parts.size(); ++i) {
        const bool lineBreak = !out.isEmpty() && !parts.at(i).isEmpty();
        out += lineBreak ? QStringLiteral("\n") : QStringLiteral("\\N");
        out += parts.at(i);
    }
    return out;
}

const char kStyleFormat[] =
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
    "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
    "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding";

void AppendStyles(QString& out, const QList<ST_ASS_STYLE>& styles)
{
    out += QLatin1String("[V4+ Styles]\n");
    for (const ST_ASS_STYLE& s : styles) {
        const QStringList values = {
            Field(s.Name), Field(s.FontName), Real(s.FontSize),
            QStringLiteral("&H") + Colour(s.PrimaryColour),
            QStringLiteral("&H") + Colour(s.SecondaryColour),
            QStringLiteral("&H") + Colour(s.OutlineColour),
            QStringLiteral("&H") + Colour(s.BackColour),
            Integer(s.Bold), Integer(s.Italic), Integer(s.Underline), Integer(s.StrikeOut),
            Real(s.ScaleX * 100), Real(s.ScaleY * 100), Real(s.Spacing), Real(s.Angle),
            Integer(s.BorderStyle), Real(s.Outline), Real(s.Shadow),
            Integer(s.Alignment), Integer(s.MarginL), Integer(s.MarginR), Integer(s.MarginV),
            Integer(s.Encoding)};
        out += QLatin1String(kStyleFormat);
        out += QLatin1Char('\n');
        out += QLatin1String("Style: ");
        out += values.join(QLatin1Char(','));
        out += QLatin1Char('\n');
    }
}

QString Margin(int32_t value)
{
    return value <= 0 ? QStringLiteral("0000") : Integer(value);
}

QString MatrixName(int32_t matrix)
{
    static const char* const names[] = {"none", "tv.601", "pc.601", "tv.709", "pc.709",
                                        "tv.240m", "pc.240m", "tv.fcc", "pc.fcc"};
    if (matrix < 2 || matrix > 10)
        return QString();
    return QString::fromLatin1(names[matrix - 2]);
}

// Writes the text as UTF-8 with a byte-order mark (when there is content),
// whole or not at all, so a failed write keeps the old file.
bool WriteUtf8File(const QString& path, const QString& text)
{
    QByteArray bytes;
    if (!text.isEmpty())
        bytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    return AtomicFile::Write(path, bytes);
}

} // namespace

bool SubtitleParser::SaveASS(const QString& path) const
{
    QString out;
    out.reserve(256 + Events.size() * 96);
    out += QLatin1String("[Script Info]\n"
                         "; Script generated by Lumacrest 4.0\n"
                         "Title: Default ASS file\n"
                         "ScriptType: v4.00+\n");
    out += QLatin1String("WrapStyle: ") + Integer(WrapStyle) + QLatin1Char('\n');
    out += ScaledBorderAndShadow == 1 ? QLatin1String("ScaledBorderAndShadow: yes\n")
                                      : QLatin1String("ScaledBorderAndShadow: no\n");
    const QString matrix = MatrixName(YCbCrMatrix);
    if (!matrix.isEmpty())
        out += QLatin1String("YCbCr Matrix: ") + matrix + QLatin1Char('\n');
    if (PlayResX > 0)
        out += QLatin1String("PlayResX: ") + Integer(PlayResX) + QLatin1Char('\n');
    if (PlayResY > 0)
        out += QLatin1String("PlayResY: ") + Integer(PlayResY) + QLatin1Char('\n');
    AppendStyles(out, Styles);
    out += QLatin1String("[Events]\n"
                         "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n");
    const int styleCount = Styles.size();
    for (const ST_ASS_EVENT& e : Events) {
        const QString styleName =
            (e.Style >= 1 && e.Style <= styleCount) ? Field(Styles.at(e.Style - 1).Name) : QString();
        out += QLatin1String("Dialogue: ");
        out += Integer(e.Layer);
        out += QLatin1Char(',');
        out += AssTime(e.Start);
        out += QLatin1Char(',');
        out += AssTime(e.End);
        out += QLatin1Char(',');
        out += styleName;
        out += QLatin1Char(',');
        out += Field(e.Name);
        out += QLatin1Char(',');
        out += Margin(e.MarginL);
        out += QLatin1Char(',');
        out += Margin(e.MarginR);
        out += QLatin1Char(',');
        out += Margin(e.MarginV);
        out += QLatin1Char(',');
        out += Field(e.Effect);
        out += QLatin1Char(',');
        // Texts read from SRT carry its markup: an ASS file holds it as
        // override codes, or every player (and the burn-in) shows the tags.
        out += AssText(TextIsSrt ? SrtMarkup::ToAss(e.Text) : e.Text);
        out += QLatin1Char('\n');
    }
    return WriteUtf8File(path, out);
}

bool SubtitleParser::SaveSRT(const QString& path) const
{
    QString out;
    out.reserve(Events.size() * 80);
    int n = 0;
    for (const ST_ASS_EVENT& e : Events) {
        out += QString::number(++n);
        out += QLatin1Char('\n');
        out += SrtTime(e.Start);
        out += QLatin1String(" --> ");
        out += SrtTime(e.End);
        out += QLatin1Char('\n');
        // A cue without text has no text line: an empty one would be a
        // second blank line.
        const QString text = SrtText(e.Text);
        if (!text.isEmpty()) {
            out += text;
            out += QLatin1Char('\n');
        }
        out += QLatin1Char('\n');
    }
    return WriteUtf8File(path, out);
}

bool SubtitleParser::SaveSty(const QString& path) const
{
    QString out;
    AppendStyles(out, Styles);
    return WriteUtf8File(path, out);
}
