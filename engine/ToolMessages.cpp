#include "ToolMessages.h"

#include <QRegularExpression>
#include <QSet>

#include <cerrno>

extern "C" {
#include <libavutil/error.h>
}

namespace {

// The texts the converter prints for system and format errors, as the
// C library words them in this process's language (the tools run in it too).
const QSet<QString>& SystemErrorTexts()
{
    static const QSet<QString> texts = [] {
        QSet<QString> t;
        const int codes[] = {AVERROR(ENOSPC),  AVERROR(EFBIG),   AVERROR(EDQUOT),  AVERROR(EACCES),
                             AVERROR(EPERM),   AVERROR(EROFS),   AVERROR(EIO),     AVERROR(ENOENT),
                             AVERROR(EISDIR),  AVERROR(ENOTDIR), AVERROR(ENOMEM),  AVERROR(EINVAL),
                             AVERROR(ENAMETOOLONG), AVERROR(EMFILE), AVERROR_INVALIDDATA,
                             AVERROR_DECODER_NOT_FOUND, AVERROR_ENCODER_NOT_FOUND,
                             AVERROR_DEMUXER_NOT_FOUND, AVERROR_MUXER_NOT_FOUND,
                             AVERROR_PROTOCOL_NOT_FOUND, AVERROR_STREAM_NOT_FOUND};
        char buf[AV_ERROR_MAX_STRING_SIZE];
        for (int code : codes) {
            if (av_strerror(code, buf, sizeof buf) == 0)
                t.insert(QString::fromLocal8Bit(buf));
        }
        return t;
    }();
    return texts;
}

// "text: <system error>" gives the system error; empty otherwise.
QString EndingError(const QString& line)
{
    const int colon = line.lastIndexOf(QStringLiteral(": "));
    if (colon < 0)
        return QString();
    const QString tail = line.mid(colon + 2).trimmed();
    return SystemErrorTexts().contains(tail) ? tail : QString();
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
    if (useful.isEmpty())
        return QString();
    const QString line = first ? useful.first() : useful.last();
    const QString system = EndingError(line);
    return system.isEmpty() ? WithoutContext(line) : system;
}

QString ToolMessages::SystemError(const QStringList& lines)
{
    for (const QString& line : lines) {
        const QString system = EndingError(line);
        if (!system.isEmpty())
            return system;
    }
    return QString();
}
