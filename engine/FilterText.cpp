#include "FilterText.h"

#include <charconv>
#include <climits>
#include <cmath>

QString FilterText::EscapeOption(const QString& value)
{
    // The option parser also drops white space at both ends of a value unless
    // it is escaped: a name may begin or end with a blank.
    int first = 0;
    while (first < value.size() && value.at(first).isSpace())
        ++first;
    int last = value.size() - 1;
    while (last >= first && value.at(last).isSpace())
        --last;
    QString out;
    out.reserve(value.size() + 8);
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        // '=' too: a value that begins like an option name ("/a/b=c") would
        // be read as "name=value" instead of the filter's first option.
        if (c == QLatin1Char('\\') || c == QLatin1Char('\'') || c == QLatin1Char(':') || c == QLatin1Char('=')
            || i < first || i > last)
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString FilterText::QuoteGraph(const QString& value)
{
    QString out;
    out.reserve(value.size() + 8);
    out += QLatin1Char('\'');
    for (const QChar c : value) {
        if (c == QLatin1Char('\''))
            out += QLatin1String("'\\''");
        else
            out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString FilterText::Path(const QString& path)
{
    return QuoteGraph(EscapeOption(path));
}

QString FilterText::Seconds(long long microseconds)
{
    const float seconds = static_cast<float>(microseconds) / 1000000.0f;
    return Real(static_cast<double>(seconds));
}

QString FilterText::SecondsOffset(long long microseconds, double offset)
{
    const float seconds = static_cast<float>(microseconds) / 1000000.0f;
    const double value = static_cast<double>(seconds) + offset;
    // The fade filter rejects negative start times.
    const double time = value > 0.0 ? value : 0.0;
    const QString text = Real(time);
    if (text.contains(QLatin1Char('e')))
        return QString::number(time, 'f', 6);
    return text;
}

QString FilterText::Real(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Exactly printf's %g: a value halfway between two 6-digit texts rounds to
    // the even one (1000.125 gives 1000.12), where QString::number rounds it
    // up. to_chars is also free of the process locale.
    char text[32];
    const std::to_chars_result r = std::to_chars(text, text + sizeof(text), value, std::chars_format::general, 6);
    if (r.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(text, int(r.ptr - text));
}

int FilterText::Trunc(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}
