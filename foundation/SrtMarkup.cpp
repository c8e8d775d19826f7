// The rule is the converter's SRT decoder's, read from what it writes: the
// tag between "<" and ">" (at most 127 bytes, neither "<" nor ">" inside)
// is i, b, u, s, font or br in any case, or else dropped when it looks like
// a tag at all (letters, digits, "_" and "/" only) and kept as text when it
// does not. Unclosed tags simply run on to the end of the cue.
#include "SrtMarkup.h"

#include <QByteArray>

#include <cstring>

extern "C" {
#include <libavutil/parseutils.h>
}

namespace {

constexpr int kMaxTag = 127;        // bytes between "<" and ">" the decoder reads
constexpr int kFontDepth = 16;      // nested fonts it keeps, the style's own included
constexpr quint32 kColourSet = 0xff000000u;

// What a <font> set, inherited by the fonts inside it.
struct FontTag {
    unsigned size = 0;
    quint32 colour = 0;   // kColourSet with blue, green, red below it
    QByteArray face;
};

bool TagChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '/';
}

// C's "%u": blanks, a sign, digits.
bool ScanUnsigned(const char* p, unsigned* value)
{
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    const bool minus = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (*p < '0' || *p > '9')
        return false;
    unsigned v = 0;
    while (*p >= '0' && *p <= '9')
        v = v * 10 + unsigned(*p++ - '0');
    *value = minus ? 0u - v : v;
    return true;
}

// A colour name or number as the converter reads colours ("#" repeated
// counts once), blue in the high byte; -1 for none.
long HtmlColour(const char* p)
{
    int sharps = 0;
    while (p[sharps] == '#')
        ++sharps;
    if (sharps > 1)
        p += sharps - 1;
    uint8_t rgba[4];
    if (av_parse_color(rgba, p, int(std::strcspn(p, "\" >")), nullptr) < 0)
        return -1;
    return long(rgba[0]) | long(rgba[1]) << 8 | long(rgba[2]) << 16;
}

QByteArray Code(const char* name, const QByteArray& value)
{
    return QByteArray("{\\") + name + value + '}';
}

QByteArray Hex(quint32 bgr)
{
    return "&H" + QByteArray::number(bgr & 0xffffffu, 16).toUpper() + '&';
}

// The attributes of an opening <font>, each "name=value" after a blank.
void OpenFont(const char* param, FontTag* tag, QByteArray* out)
{
    while (param) {
        if (qstrnicmp(param, "size=", 5) == 0) {
            param += 5 + (param[5] == '"');
            if (ScanUnsigned(param, &tag->size))
                *out += Code("fs", QByteArray::number(tag->size));
        } else if (qstrnicmp(param, "color=", 6) == 0) {
            param += 6 + (param[6] == '"');
            const long colour = HtmlColour(param);
            if (colour >= 0) {
                tag->colour = kColourSet | quint32(colour);
                *out += Code("c", Hex(tag->colour));
            }
        } else if (qstrnicmp(param, "face=", 5) == 0) {
            param += 5 + (param[5] == '"');
            const size_t length = std::strcspn(param, param[-1] == '"' ? "\"" : " ");
            tag->face = QByteArray(param, int(qMin<size_t>(length, kMaxTag)));
            param += length;
            *out += Code("fn", tag->face);
        }
        param = std::strchr(param, ' ');
        if (param)
            ++param;
    }
}

// A closing </font> goes back to what the font around it set, or to the style.
void CloseFont(const FontTag& inner, const FontTag& outer, QByteArray* out)
{
    if (inner.size && inner.size != outer.size)
        *out += Code("fs", outer.size ? QByteArray::number(int(outer.size)) : QByteArray());
    if ((inner.colour & kColourSet) && inner.colour != outer.colour)
        *out += Code("c", (outer.colour & kColourSet) ? Hex(outer.colour) : QByteArray());
    if (!inner.face.isEmpty() && inner.face != outer.face)
        *out += Code("fn", outer.face);
}

} // namespace

QString SrtMarkup::ToAss(const QString& text)
{
    if (!text.contains(QLatin1Char('<')))
        return text;
    const QByteArray in = text.toUtf8();
    const int n = in.size();
    QByteArray out;
    out.reserve(n + 32);
    FontTag fonts[kFontDepth];
    int top = 0;
    for (int i = 0; i < n; ++i) {
        if (in[i] != '<') {
            out += in[i];
            continue;
        }
        // "<<" is more likely quotation marks than a tag.
        bool likely = true;
        for (; i + 1 < n && in[i + 1] == '<'; ++i) {
            out += '<';
            likely = false;
        }
        const bool closing = i + 1 < n && in[i + 1] == '/';
        likely = likely || closing;
        const int from = i + 1 + (closing ? 1 : 0);
        int end = from;
        while (end < n && end - from <= kMaxTag && in[end] != '<' && in[end] != '>' && in[end] != '\0')
            ++end;
        if (end >= n || in[end] != '>' || end - from > kMaxTag) {
            out += '<';
            continue;
        }
        const QByteArray tag = in.mid(from, end - from);
        int start = 0;
        for (; start < tag.size() && tag[start] == ' '; ++start)
            likely = false;
        const int blank = tag.indexOf(' ', start);
        const QByteArray name = tag.mid(start, blank < 0 ? -1 : blank - start).toLower();
        for (const char c : name)
            likely = likely && TagChar(c);
        if (name == "font") {
            if (closing && top > 0) {
                --top;
                CloseFont(fonts[top + 1], fonts[top], &out);
            } else if (!closing && top < kFontDepth - 1) {
                fonts[top + 1] = fonts[top];
                ++top;
                OpenFont(blank < 0 ? nullptr : tag.constData() + blank + 1, &fonts[top], &out);
            }
        } else if (name.size() == 1 && std::strchr("bisu", name[0])) {
            out += Code(name.constData(), closing ? "0" : "1");
        } else if (name == "br" || name == "br/") {
            out += "\\N";
        } else if (!likely) {
            out += '<';
            continue;
        }
        i = end;
    }
    return QString::fromUtf8(out);
}
