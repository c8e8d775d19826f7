#include "JxEngineJob.h"

#include "MediaInput.h"
#include "Timecode.h"
#include "ToolMessages.h"

#include <mlt++/MltProfile.h>
#include <mlt++/MltProperties.h>

#include <QtDebug>

#include <cmath>

namespace {

long long roundHalfUp(double v)
{
    return (long long)std::floor(v + 0.5);
}

// The text after the first `key`, up to the first of `ends` (to the end of
// the line when none follows).
QString field(const QString& line, const QString& key, const QStringList& ends)
{
    const int at = line.indexOf(key);
    if (at < 0)
        return QString();
    const int from = at + key.size();
    int to = -1;
    for (const QString& end : ends) {
        const int e = line.indexOf(end, from);
        if (e >= 0 && (to < 0 || e < to))
            to = e;
    }
    return to < 0 ? line.mid(from) : line.mid(from, to - from);
}

// The converter's kilobytes written so far; newer builds print "KiB".
long long sizeKb(const QString& line)
{
    return field(line, "size=", {"kB", "KiB"}).trimmed().toLongLong();
}

} // namespace

JxEngineJob::JxEngineJob(const QString& label, const QStringList& arguments, bool flag)
    : AbstractJob(label)
    , m_args(arguments)
    , m_flag(flag)
{
}

void JxEngineJob::setDuration(QString text)
{
    m_durationText = text;
    m_durationValue = Timecode::TimeToInt64(text);
}

void JxEngineJob::setFPS(float fps)
{
    m_fps = fps;
}

void JxEngineJob::start()
{
    // The converter colours its messages by level when asked, whatever it
    // writes to: a red message is an error, which is what a failed row shows.
    QProcessEnvironment env = processEnvironment();
    if (env.isEmpty())
        env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"NO_COLOR", "AV_LOG_FORCE_NOCOLOR", "AV_LOG_FORCE_256COLOR", "TERM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("AV_LOG_FORCE_COLOR"), QStringLiteral("1"));
    setProcessEnvironment(env);
    QStringList args = WithCheckedInputs(m_args);
    launchTool("JxEngine", args);
}

QStringList JxEngineJob::WithCheckedInputs(const QStringList& arguments)
{
    // Our own inputs name their kind ("-f concat" for a join list); any
    // other is a user's file, which must still be what its probe accepted.
    static const QString formats = QString::fromLatin1(MediaInput::ConverterFormats());
    QStringList args;
    args.reserve(arguments.size() + 8);
    bool named = false; // an input's options run from the previous input on
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("-f")) {
            named = true;
        } else if (arg == QLatin1String("-i")) {
            if (!named)
                args << QStringLiteral("-format_whitelist") << formats;
            named = false;
        }
        args << arg;
    }
    return args;
}

int JxEngineJob::FramesOfClockText(const QString& text, float fps)
{
    // An unknown rate (an audio file probes as 0) would make every count 0.
    const double rate = (std::isfinite(fps) && fps > 0.0f) ? double(fps) : 25.0;
    const long long milli = roundHalfUp(rate * 1000.0);
    if (milli <= 0 || milli > INT32_MAX || text.trimmed().isEmpty())
        return 0;
    Mlt::Profile profile;
    profile.set_frame_rate(int(milli), 1000);
    Mlt::Properties props;
    // MLT parses numbers with the process locale unless told otherwise.
    props.set_lcnumeric("C");
    props.set("_profile", profile.get_profile(), 0);
    const QByteArray latin = text.toLatin1();
    return props.time_to_frames(latin.constData());
}

void JxEngineJob::report(double done, double whole, long long kb)
{
    // Multiplied before dividing, so 1150000 of 2000000 is exactly 57.5 %.
    const long long scale = roundHalfUp(done * 1024.0 / whole);
    const long long pct = roundHalfUp(done * 100.0 / whole);
    const int percent = int(qBound<long long>(INT32_MIN, pct, INT32_MAX));
    if (percent == m_lastPercent)
        return;
    uint64_t estimate = 0;
    if (scale > 0 && kb > 0)
        estimate = uint64_t(double(kb) * 100.0 / double(scale));
    emit progressUpdated(this, percent, estimate);
    m_lastPercent = percent;
}

void JxEngineJob::onReadyRead()
{
    qDebug() << "OnReadyRead";
    AbstractJob::onReadyRead();
}

void JxEngineJob::handleRecord(const QString& record)
{
    bool error = false;
    bool coloured = false;
    const QString line = ToolMessages::Plain(record, &error, &coloured);
    qDebug().noquote() << line;
    if (m_totalFrames == 0) {
        m_totalFrames = FramesOfClockText(m_durationText, m_fps);
        appendToLog(line + "\n");
        if (!line.startsWith("frame=") && !line.startsWith("size="))
            noteToolLine(line, error, coloured);
        return;
    }
    if (line.startsWith("frame=") && m_totalFrames > 0) {
        const long long frame = field(line, "frame=", {" fps"}).trimmed().toLongLong();
        report(double(frame), double(m_totalFrames), sizeKb(line));
        return;
    }
    if (line.startsWith("size=")) {
        const QString timeText = field(line, "time=", {" bitrate"}).trimmed();
        // Before the first packet the converter prints "N/A" or a large
        // negative time: no reading, not a step back to 0.
        if (m_durationValue <= 0 || timeText.isEmpty() || timeText.startsWith('-') || timeText.startsWith("N/A"))
            return;
        const qint64 t = Timecode::TimeToInt64(timeText);
        report(double(t), double(m_durationValue), sizeKb(line));
        return;
    }
    if (!line.trimmed().isEmpty()) {
        appendToLog(line + "\n");
        noteToolLine(line, error, coloured);
    }
}
