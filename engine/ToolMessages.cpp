#include "ToolMessages.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>

extern "C" {
#include <libavutil/error.h>
}

namespace {

QSet<QString> ErrorTexts(std::initializer_list<int> codes)
{
    QSet<QString> texts;
    char buf[AV_ERROR_MAX_STRING_SIZE];
    for (int code : codes) {
        if (av_strerror(code, buf, sizeof buf) == 0)
            texts.insert(QString::fromLocal8Bit(buf));
    }
    return texts;
}

// What the system says when a file cannot be read or written, as the C
// library words it in this process's language (the tools run in it too).
const QSet<QString>& SystemErrorTexts()
{
    static const QSet<QString> texts
        = ErrorTexts({AVERROR(ENOSPC), AVERROR(EFBIG), AVERROR(EDQUOT), AVERROR(EACCES), AVERROR(EPERM),
                      AVERROR(EROFS), AVERROR(EIO), AVERROR(ENOENT), AVERROR(EISDIR), AVERROR(ENOTDIR),
                      AVERROR(ENOMEM), AVERROR(ENAMETOOLONG), AVERROR(EMFILE)});
    return texts;
}

// The converter's own words for a file or a setting it cannot use.
const QSet<QString>& FormatErrorTexts()
{
    static const QSet<QString> texts
        = ErrorTexts({AVERROR(EINVAL), AVERROR_INVALIDDATA, AVERROR_DECODER_NOT_FOUND, AVERROR_ENCODER_NOT_FOUND,
                      AVERROR_DEMUXER_NOT_FOUND, AVERROR_MUXER_NOT_FOUND, AVERROR_PROTOCOL_NOT_FOUND,
                      AVERROR_STREAM_NOT_FOUND});
    return texts;
}

// "text: <error>" gives the error when it is one of `known`; empty otherwise.
QString EndingError(const QString& line, bool formatErrors)
{
    const int colon = line.lastIndexOf(QStringLiteral(": "));
    if (colon < 0)
        return QString();
    const QString tail = line.mid(colon + 2).trimmed();
    if (SystemErrorTexts().contains(tail) || (formatErrors && FormatErrorTexts().contains(tail)))
        return tail;
    return QString();
}

QString WithoutContext(const QString& line)
{
    // "[mp4 @ 0x55d0c1a2b340] message", "[consumer avformat] message"
    static const QRegularExpression context(QStringLiteral("^\\s*\\[[^\\]]*\\]\\s*"));
    return line.trimmed().remove(context);
}

// The converter's closing words after any failure: no cause in them.
bool SaysNothing(const QString& line)
{
    return line == QLatin1String("Conversion failed!");
}

} // namespace

QString ToolMessages::Plain(const QString& record, bool* error, bool* coloured)
{
    static const QRegularExpression code(QStringLiteral("\x1b\\[([0-9;]*)m"));
    bool red = false;
    bool any = false;
    QString text = record;
    QRegularExpressionMatchIterator it = code.globalMatch(record);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        any = true;
        // Error, fatal and panic messages are red (x;31).
        if (m.captured(1).endsWith(QLatin1String("31")))
            red = true;
    }
    if (any)
        text.remove(code);
    if (error)
        *error = red;
    if (coloured)
        *coloured = any;
    return text;
}

void ToolMessages::Add(const QString& line)
{
    const QString text = line.trimmed();
    if (text.isEmpty())
        return;
    m_lines.append(text);
    while (m_lines.size() > MaxLines)
        m_lines.removeFirst();
}

QString ToolMessages::ShortReason(const QStringList& lines, bool first)
{
    QStringList useful;
    for (const QString& line : lines)
        if (!SaysNothing(line))
            useful << line;
    if (!first)
        std::reverse(useful.begin(), useful.end());
    // A known error ("Invalid data found when processing input") says it
    // best; else the tool's own words.
    for (const QString& line : qAsConst(useful)) {
        const QString error = EndingError(line, true);
        if (!error.isEmpty())
            return error;
    }
    return useful.isEmpty() ? QString() : WithoutContext(useful.first());
}

QString ToolMessages::SystemError(const QStringList& lines)
{
    for (const QString& line : lines) {
        const QString system = EndingError(line, false);
        if (!system.isEmpty())
            return system;
    }
    return QString();
}
