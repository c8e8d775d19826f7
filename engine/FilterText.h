#pragma once
#include <QString>

// Text put into an FFmpeg filter graph passes two parsers: the graph parser
// (which splits filters at , ; [ ] and removes one level of quoting) and then
// the filter's own option parser (which splits options at : and removes a
// second level). Paths and user texts are escaped for both.
class FilterText
{
public:
    // Option level: a backslash before \ ' : and =, and before white space
    // at either end.
    static QString EscapeOption(const QString& value);
    // Graph level: the whole text in single quotes, a ' inside written '\''.
    static QString QuoteGraph(const QString& value);
    // A file path as an option value of a filter: both levels.
    // "/u/a.png" gives '/u/a.png'.
    static QString Path(const QString& path);

    // Locale-independent number texts of the graph.
    // Microseconds as seconds in single precision, %g style with 6 digits
    // (1500000 gives 1.5, 12345678 gives 12.3457).
    static QString Seconds(long long microseconds);
    // A fade time: the single-precision seconds widened to double, plus an
    // offset (fade-out 0.5 s before a time); never below 0. The fade filter
    // reads it as a duration, which takes no exponent form: such values are
    // written with six decimals instead.
    static QString SecondsOffset(long long microseconds, double offset);
    // A double in %g style with 6 significant digits.
    static QString Real(double value);
    // Truncation toward zero that never overflows: NaN gives 0 and values out
    // of range are clamped to the int range.
    static int Trunc(double value);
};
