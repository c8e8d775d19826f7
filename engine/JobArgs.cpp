#include "JobArgs.h"

#include "MediaStreams.h"
#include "MediaFunctions.h"
#include "ST_MEDIA_INFO.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <climits>
#include <cmath>
#include <numeric>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

QString two(long long v)
{
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

// The width and height the pattern captures, joined by the separator; empty
// when the text does not match or a side is zero.
QString JoinedSize(const QRegularExpression& pattern, const QString& text, QLatin1Char separator)
{
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return QString();
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w <= 0 || h <= 0)
        return QString();
    return QString::number(w) + separator + QString::number(h);
}

} // namespace

QString JobArgs::ClockText(long long us)
{
    if (us < 0)
        us = 0;
    const long long s = us / 1000000;
    const long long ms = (us % 1000000) / 1000;
    return two(s / 3600) + ":" + two((s % 3600) / 60) + ":" + two(s % 60) + "."
        + QString::number(ms).rightJustified(3, QLatin1Char('0'));
}

QString JobArgs::DurationText(long long us)
{
    if (us < 0)
        us = 0;
    const long long s = us / 1000000;
    const long long cs = (us - s * 1000000) / 10000;
    return two(s / 3600) + ":" + two((s % 3600) / 60) + ":" + two(s % 60) + "." + two(cs);
}

QString JobArgs::MarkTime(long long us)
{
    if (us < 0)
        us = 0;
    const long long s = us / 1000000;
    return two(s / 3600) + "-" + two((s % 3600) / 60) + "-" + two(s % 60);
}

int JobArgs::LeadingInt(const QString& text)
{
    const QString t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        ++i;
    const int digits = i;
    while (i < t.size() && t[i].isDigit() && i - digits < 9)
        ++i;
    return i > digits ? t.left(i).toInt() : 0;
}

double JobArgs::LeadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([0-9]+(\\.[0-9]*)?)"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? QLocale::c().toDouble(m.captured(1)) : 0.0;
}

double JobArgs::FrameRateSetting(const QString& text)
{
    const double rate = LeadingNumber(text);
    if (!(rate > 0) || !std::isfinite(rate))
        return 0.0;
    return qBound(MinFrameRate, rate, MaxFrameRate);
}

int JobArgs::BoundedSetting(const QString& text, int low, int high)
{
    const int value = LeadingInt(text);
    return value == 0 ? 0 : qBound(low, value, high);
}

QList<ST_SPLIT_PART> JobArgs::SplitParts(const QVector<QPair<long long, long long>>& ranges, int mode, int count,
                                         long long splitTime, long long splitEnd, long long duration)
{
    QList<ST_SPLIT_PART> parts;
    const long long d = duration > 0 ? duration : 0;
    // An end at or past the end of the file (or unknown) runs to the end.
    auto add = [&](long long start, long long end, const QString& mark) {
        if (start < 0)
            start = 0;
        // The part is named by the range asked for, even where the file ends sooner.
        const QString name = mark.isNull() ? MarkTime(start) + "_" + MarkTime(end) : mark;
        const bool toEnd = d > 0 && end >= d;
        if (toEnd)
            end = d;
        if (end - start <= 0)
            return;
        ST_SPLIT_PART p;
        p.start = start;
        p.length = end - start;
        p.toEnd = toEnd;
        p.mark = name;
        parts.append(p);
    };

    if (!ranges.isEmpty()) {
        for (const auto& r : ranges)
            add(r.first, r.second == 0 ? d : r.second, QString());
        return parts;
    }
    switch (mode) {
    case 0: {
        if (count <= 0 || d <= 0)
            break;
        const long long len = d / count;
        // More parts than microseconds: only the last one has a length.
        for (int i = len > 0 ? 1 : count; i <= count; ++i) {
            const long long start = (i - 1) * len;
            // The last part takes the remainder of the division too.
            add(start, i == count ? d : start + len, "_" + QString::number(i));
        }
        break;
    }
    case 1: {
        if (splitTime <= 0 || d <= 0)
            break;
        for (long long start = 0; start < d; start += splitTime) {
            if (d - start <= splitTime) {
                add(start, d, QString());
                break;
            }
            add(start, start + splitTime, QString());
        }
        break;
    }
    case 2:
        add(splitTime, splitEnd == 0 ? d : splitEnd, QString());
        break;
    default:
        break;
    }
    return parts;
}

QList<ST_SPLIT_PART> JobArgs::AlignToFrames(const QList<ST_SPLIT_PART>& parts, double fps)
{
    if (!(fps > 0) || !std::isfinite(fps))
        return parts;
    const auto align = [fps](long long us) {
        const double frames = std::round(static_cast<double>(us) * fps / 1000000.0);
        return static_cast<long long>(std::llround(frames * 1000000.0 / fps));
    };
    QList<ST_SPLIT_PART> out;
    for (ST_SPLIT_PART p : parts) {
        const long long end = p.start + p.length;
        p.start = align(p.start);
        if (!p.toEnd)
            p.length = align(end) - p.start;
        else
            p.length = end - p.start;
        if (p.length > 0)
            out.append(p);
    }
    return out;
}

QString JobArgs::PartPath(const QString& outDir, const QString& input, const QString& format, const QString& mark)
{
    const QFileInfo fi(input);
    const QString ext = format.isEmpty() ? fi.suffix() : format;
    QString path = outDir + "/" + fi.completeBaseName() + mark;
    if (!ext.isEmpty())
        path += "." + ext;
    return path;
}

int JobArgs::MeltFpsNumerator(double fps)
{
    if (!(fps > 0) || !std::isfinite(fps) || fps > 1000000.0)
        return 0;
    return static_cast<int>(fps * 1000);
}

QString JobArgs::TaggedPath(const QString& outDir, const QString& input, const QString& tag,
                            const QString& extension)
{
    QString path = outDir + "/" + QFileInfo(input).completeBaseName() + tag;
    if (!extension.isEmpty())
        path += "." + extension;
    return path;
}

QString JobArgs::ConverterVolume(int percent)
{
    return QString::number(static_cast<long long>(qBound(0, percent, 1000)) * 256 / 100);
}

bool JobArgs::IsAudioFormat(const QString& format)
{
    return format == QLatin1String("mp3") || format == QLatin1String("m4a") || format == QLatin1String("wav");
}

QString JobArgs::VideoEncoder(const QString& vcodec)
{
    if (vcodec == QLatin1String("h264"))
        return QStringLiteral("libx264");
    if (vcodec == QLatin1String("h265"))
        return QStringLiteral("libx265");
    if (vcodec == QLatin1String("xvid"))
        return QStringLiteral("libxvid");
    return vcodec;
}

QString JobArgs::AudioEncoder(const QString& acodec)
{
    return acodec == QLatin1String("mp3") ? QStringLiteral("libmp3lame") : acodec;
}

namespace {

// The time a part's input is cut at, in the clock text's whole milliseconds.
long long ClockTime(long long us)
{
    return qMax(0LL, us) / 1000 * 1000;
}

// How much earlier than the part's start its first picture is read from.
long long Lead(const ST_SPLIT_PART& part)
{
    return part.shownFrom < 0 ? 0 : qMax(0LL, ClockTime(part.start) - ClockTime(part.shownFrom));
}

} // namespace

QStringList JobArgs::PartInput(const QString& input, const ST_SPLIT_PART& part)
{
    const auto cut = [&](long long start, long long length) {
        QStringList args{"-ss", ClockText(start)};
        if (!part.toEnd)
            args << "-t" << ClockText(length);
        return args << "-accurate_seek";
    };
    const long long lead = Lead(part);
    if (lead <= 0)
        return cut(part.start, part.length) << "-i" << input;
    return cut(part.shownFrom, part.length + lead) << "-an" << "-sn" << "-i" << input << cut(part.start, part.length)
                                                   << "-vn" << "-i" << input;
}

QString JobArgs::PartShift(const ST_SPLIT_PART& part)
{
    const long long lead = Lead(part);
    return lead <= 0 ? QString()
                     : "setpts='max(0,PTS-" + QString::number(static_cast<double>(lead) / 1000000.0, 'f', 6) + "/TB)'";
}

double JobArgs::EncoderRate(double rate, const QString& encoder)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(encoder.toUtf8().constData());
    if (!codec || !codec->supported_framerates || !(rate > 0))
        return rate;
    // The converter would take the nearest rate listed, which may be a
    // slower one: each picture keeps a frame of its own at the slowest one
    // at or above the rate, where there is one.
    double above = 0;
    double fastest = 0;
    for (const AVRational* listed = codec->supported_framerates; listed->num && listed->den; ++listed) {
        const double offered = av_q2d(*listed);
        if (std::abs(offered / rate - 1) < 0.001)
            return rate;
        if (offered > rate && (above == 0 || offered < above))
            above = offered;
        fastest = std::max(fastest, offered);
    }
    return above > 0 ? above : fastest;
}

namespace {

QString RateText(double rate)
{
    return QString::number(rate, 'f', 3);
}

} // namespace

QStringList JobArgs::PictureRateArgs(double rate, bool variable, bool keepsTimes, const QString& encoder)
{
    if (variable && keepsTimes)
        return {"-fps_mode", "vfr"};
    QStringList args{"-r", RateText(EncoderRate(rate, encoder))};
    // The converter's constant rate moves a picture that came early or late
    // to a free frame rather than drop it (as it would in AVI).
    if (variable)
        args << "-fps_mode" << "cfr";
    return args;
}

QString JobArgs::ConstantRateGraph(double rate, const QString& encoder)
{
    // The converter's own constant rate shows the picture after a gap a
    // frame early: each one goes to the frame nearest its time instead, or
    // to the next one when the one before took its frame. A picture that
    // comes before the frame the one before went to would push the rest
    // later and later (a rush of pictures at a recording's start): it keeps
    // its time, and the frame shows the last of them.
    const QString r = RateText(EncoderRate(rate, encoder));
    return "settb=1/" + r + ",setpts=if(N\\,if(gte(PTS\\,PREV_OUTPTS)\\,max(PTS\\,PREV_OUTPTS+1)\\,PTS)\\,PTS),fps=" + r;
}

bool JobArgs::KeepsPictureTimes(const QString& container, const QString& encoder)
{
    // An encoder that lists the rates it takes (MPEG-1/2 video) codes one of
    // them; AVI indexes its frames at one rate.
    const AVCodec* codec = avcodec_find_encoder_by_name(encoder.toUtf8().constData());
    return container != QLatin1String("avi") && !(codec && codec->supported_framerates);
}

QStringList JobArgs::MeltClip(const QString& path, long long in, long long end, bool toEnd, double fps)
{
    if (!(fps > 0) || !std::isfinite(fps))
        fps = 25.0;
    // The producer is named: melt would read a bare *.mlt, *.xml or *.melt
    // path as a script of other files, and an argument with "=" before any
    // ":" (such as "/v/a=b.mp4") as a property.
    QStringList args{"avformat:" + path, "in=" + ClockText(in)};
    if (!toEnd) {
        const long long frame = static_cast<long long>(std::llround(1000000.0 / fps));
        args << "out=" + ClockText(qMax(in, end - frame));
    }
    return args;
}

QStringList JobArgs::MeltProfile(const QString& frameSize, double fps, int sarNum, int sarDen)
{
    const QString size = LeadingFrameSize(frameSize);
    if (size.isEmpty())
        return {};
    // A size alone would be set on melt's standard-definition default, whose
    // pixels are not square: the picture would come out squeezed between bars.
    const QString width = size.section(QLatin1Char('x'), 0, 0);
    const QString height = size.section(QLatin1Char('x'), 1, 1);
    // The shown aspect of the frame; melt reads each number as an int, and
    // an aspect no picture has is taken as square.
    QString shownNum = width;
    QString shownDen = height;
    if (sarNum > 0 && sarDen > 0 && sarNum != sarDen) {
        long long num = width.toLongLong() * sarNum;
        long long den = height.toLongLong() * sarDen;
        const long long common = std::gcd(num, den);
        num /= common;
        den /= common;
        if (num <= INT_MAX && den <= INT_MAX) {
            shownNum = QString::number(num);
            shownDen = QString::number(den);
        } else {
            sarNum = sarDen = 1;
        }
    } else {
        sarNum = sarDen = 1;
    }
    QStringList args{"width=" + width,
                     "height=" + height,
                     "sample_aspect_num=" + QString::number(sarNum),
                     "sample_aspect_den=" + QString::number(sarDen),
                     "display_aspect_num=" + shownNum,
                     "display_aspect_den=" + shownDen,
                     "progressive=1"};
    const int rate = MeltFpsNumerator(fps);
    if (rate > 0)
        args << "frame_rate_num=" + QString::number(rate) << QStringLiteral("frame_rate_den=1000");
    return args;
}

QStringList JobArgs::MeltTurn(int degrees, bool mirrored, int sarNum, int sarDen)
{
    QStringList args;
    // The turn is set (melt's "rotate" is clockwise too), the mirror added after it.
    if (mirrored)
        args << (degrees == 0 ? QStringLiteral("autorotate=0") : "rotate=" + QString::number(degrees));
    // The stored pixels of a quarter turn have the inverse aspect.
    if ((degrees == 90 || degrees == 270) && sarNum > 0 && sarDen > 0 && sarNum != sarDen)
        args << "force_aspect_ratio=" + QString::number(double(sarDen) / sarNum, 'g', 12);
    if (mirrored)
        args << QStringLiteral("-attach-clip") << QStringLiteral("avfilter.hflip");
    return args;
}

QStringList JobArgs::MeltTurn(const PictureGeometry& picture)
{
    const PixelAspect aspect = picture.TurnedAspect();
    return MeltTurn(picture.turn.degrees, picture.turn.mirrored, aspect.num, aspect.den);
}

QSize JobArgs::SquarePixelSize(const PictureGeometry& picture)
{
    const QSize turned = picture.Turned();
    const PixelAspect aspect = picture.TurnedAspect();
    return SquarePixelSize(turned.width(), turned.height(), aspect.num, aspect.den);
}

QSize JobArgs::SquarePixelSize(int width, int height, int sarNum, int sarDen)
{
    const QSize shown = ShownPictureSize(width, height, sarNum, sarDen);
    if (shown.isEmpty() || shown == QSize(width, height))
        return shown;
    const auto even = [](double side) { return 2 * static_cast<int>(std::llround(side / 2)); };
    QSize made = shown;
    if (shown.width() != width)
        made.setWidth(even(double(width) * sarNum / sarDen));
    else
        made.setHeight(even(double(height) * sarDen / sarNum));
    return PictureSizeAllowed(made.width(), made.height()) ? made : shown;
}

QStringList JobArgs::MeltConsumer(const QString& output, const QString& format, const QString& vcodec,
                                  const QString& acodec, const QString& frameSize, double fps, bool picture)
{
    // A file is rendered, not played: real_time=-1 renders every frame,
    // where a positive value (playback) drops frames on a busy machine.
    QStringList args{"-consumer", "avformat:" + output, "real_time=-1"};
    if (IsAudioFormat(format) || !picture) {
        // No cover picture in a sound-only file.
        args << "vn=1";
    } else {
        args << "vcodec=" + VideoEncoder(vcodec) << MeltProfile(frameSize, fps);
    }
    args << "acodec=" + AudioEncoder(acodec);
    return args;
}

QString JobArgs::ScaleSize(const QString& text)
{
    // Named sizes ("320x240 VGA") count by their leading size, as in Run.
    static const QRegularExpression size(QStringLiteral("^\\s*([0-9]{1,5})\\s*[x:X]\\s*([0-9]{1,5})(\\s|$)"));
    return JoinedSize(size, text, QLatin1Char(':'));
}

QString JobArgs::LeadingFrameSize(const QString& text)
{
    static const QRegularExpression size(QStringLiteral("^\\s*([0-9]{1,5})\\s*[xX]\\s*([0-9]{1,5})(\\s|$)"));
    return JoinedSize(size, text, QLatin1Char('x'));
}

QSize JobArgs::FitToSteps(const QSize& size, const QSize& steps)
{
    if (size.isEmpty())
        return size;
    const int w = qMax(1, steps.width());
    const int h = qMax(1, steps.height());
    // A picture narrower than one step keeps what it has: the encoder says why not.
    return QSize(size.width() >= w ? size.width() - size.width() % w : size.width(),
                 size.height() >= h ? size.height() - size.height() % h : size.height());
}

QString JobArgs::StepCrop(const QSize& steps)
{
    const auto side = [](const char* in, int step) {
        return step > 1 ? "trunc(" + QString::fromLatin1(in) + "/" + QString::number(step) + ")*" + QString::number(step)
                        : QString::fromLatin1(in);
    };
    // From the top left corner: a layer placed on the picture stays where it is.
    return "crop=" + side("iw", steps.width()) + ":" + side("ih", steps.height()) + ":0:0";
}

QString JobArgs::MergeGraph(const QString& scaleSize, bool withVideo, const QVector<bool>& hasVideo,
                            const QVector<bool>& hasAudio, const QVector<long long>& durations, const QString& videoTail)
{
    const int n = hasAudio.size();
    const auto seconds = [&durations](int i) {
        const long long d = i < durations.size() ? qMax(0LL, durations[i]) : 0;
        return QString::number(static_cast<double>(d) / 1000000.0, 'f', 6);
    };
    QString g;
    QStringList videoPads;
    if (withVideo) {
        // The size option of the colour source takes "WxH"; a ':' would end it.
        QString blackSize = scaleSize;
        blackSize.replace(QLatin1Char(':'), QLatin1Char('x'));
        // Each picture keeps the shape it is shown at (its display aspect,
        // once the converter has turned it), fitted whole between bars.
        const QString w = scaleSize.section(QLatin1Char(':'), 0, 0);
        const QString h = scaleSize.section(QLatin1Char(':'), 1, 1);
        const QString fit = "scale=w='min(" + w + ",2*round(" + h + "*dar/2))':h='min(" + h + ",2*round(" + w
            + "/dar/2))',setsar=1,pad=" + scaleSize + ":(ow-iw)/2:(oh-ih)/2";
        for (int i = 0; i < n; ++i) {
            const QString is = QString::number(i);
            if (i < hasVideo.size() && !hasVideo[i])
                g += "color=c=black:s=" + blackSize + ":d=" + seconds(i) + ",setsar=1[v" + is + "];";
            else
                g += "[" + is + ":v]" + fit + "[v" + is + "];";
            videoPads << "[v" + is + "]";
        }
    }
    bool anyAudio = false;
    for (bool a : hasAudio)
        anyAudio = anyAudio || a;
    QStringList audioPads;
    for (int i = 0; anyAudio && i < n; ++i) {
        const QString is = QString::number(i);
        const bool known = i < durations.size() && durations[i] > 0;
        if (hasAudio[i] && known) {
            // Cut to the input's own length: a coded sound's last frame runs
            // past it, and every such overhang would push the later pictures.
            g += "[" + is + ":a]atrim=duration=" + seconds(i) + "[a" + is + "];";
            audioPads << "[a" + is + "]";
        } else if (hasAudio[i]) {
            audioPads << "[" + is + ":a]";
        } else {
            g += "anullsrc=r=44100:cl=stereo,atrim=duration=" + seconds(i) + "[s" + is + "];";
            audioPads << "[s" + is + "]";
        }
    }
    // One concat for picture and sound keeps each input's sound under its
    // own picture: a sound that ends before its picture is padded with
    // silence, a picture that ends before its sound holds its last frame.
    for (int i = 0; i < n; ++i)
        g += videoPads.value(i) + audioPads.value(i);
    g += "concat=n=" + QString::number(n) + ":v=" + (withVideo ? "1" : "0") + ":a=" + (anyAudio ? "1" : "0");
    const bool tail = withVideo && !videoTail.isEmpty();
    g += (withVideo ? (tail ? "[j]" : "[v]") : "") + QString(anyAudio ? "[a]" : "");
    return tail ? g + ";[j]" + videoTail + "[v]" : g;
}

QStringList JobArgs::SoundArgs(const ST_SOUND_ENCODING& encoding)
{
    if (encoding.encoder.isEmpty())
        return {};
    QStringList args{"-acodec", encoding.encoder};
    // Named, the count and layout are what the encoder takes: a sound that
    // names no layout (mono TTA) is given one, more channels than it takes
    // are mixed down.
    if (encoding.channels > 0)
        args << "-ac" << QString::number(encoding.channels);
    if (!encoding.layout.isEmpty())
        args << "-ch_layout" << encoding.layout;
    if (encoding.sampleRate > 0)
        args << "-ar" << QString::number(encoding.sampleRate);
    if (!encoding.sampleFormat.isEmpty())
        args << "-sample_fmt" << encoding.sampleFormat;
    return args;
}

QStringList JobArgs::MixArgs(const QString& video, const QString& audio, const QString& output,
                             const QStringList& sound, bool shortest)
{
    QStringList args{"-i", video, "-i", audio, "-map", "0:v?", "-map", "1:a", "-vcodec", "copy"};
    args << sound;
    if (shortest)
        args << "-shortest";
    args << "-y" << output;
    return args;
}

QStringList JobArgs::SubtitleMuxArgs(const QString& video, const QString& subtitle, const QString& output,
                                     const QString& subtitleCodec)
{
    return {"-i", video, "-i", subtitle, "-map", "0:v?", "-map", "0:a?", "-map", "1:s",
            "-c:a", "copy", "-c:v", "copy", "-c:s", subtitleCodec, "-y", output};
}

QString JobArgs::OutDir(const QString& configured, const QString& input)
{
    if (!configured.isEmpty())
        return configured;
    return QFileInfo(input).absolutePath();
}

long long JobArgs::ParseDurationText(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*([0-9]{1,9}):([0-9]{1,2}):([0-9]{1,2})\\.([0-9]{1,2})\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return -1;
    const long long s = m.captured(1).toLongLong() * 3600 + m.captured(2).toLongLong() * 60
        + m.captured(3).toLongLong();
    const QString frac = m.captured(4).leftJustified(2, QLatin1Char('0'));
    return s * 1000000 + frac.toLongLong() * 10000;
}

QProcessEnvironment JobArgs::MeltEnvironment(const QProcessEnvironment& base)
{
    QProcessEnvironment env = base;
    // LC_ALL would override LC_NUMERIC: keep its choice for everything else.
    const QString all = env.value(QStringLiteral("LC_ALL"));
    if (!all.isEmpty()) {
        env.remove(QStringLiteral("LC_ALL"));
        env.insert(QStringLiteral("LANG"), all);
        for (const char* category : {"LC_CTYPE", "LC_COLLATE", "LC_TIME", "LC_MONETARY", "LC_MESSAGES"})
            env.insert(QLatin1String(category), all);
    }
    env.insert(QStringLiteral("LC_NUMERIC"), QStringLiteral("C"));
    return env;
}
