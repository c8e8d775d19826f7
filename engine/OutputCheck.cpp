#include "OutputCheck.h"

#include "MediaStreams.h"
#include "ST_MEDIA_INFO.h"

#include <QLocale>

namespace {

QString Seconds(long long us)
{
    return QLocale().toString(double(us) / 1000000.0, 'f', 1);
}

} // namespace

long long OutputCheck::Tolerance(long long duration)
{
    return qMax(500000LL, duration / 100);
}

ST_OUTPUT_EXPECT OutputCheck::Lasting(long long duration, int video, int audio, double frameRate)
{
    ST_OUTPUT_EXPECT e;
    e.probe = true;
    e.video = video;
    e.audio = audio;
    if (duration > 0) {
        e.duration = duration;
        e.minDuration = qMax(0LL, duration - Tolerance(duration));
        e.maxDuration = duration + Tolerance(duration);
        if (video != 0 && frameRate > 0)
            e.maxDuration += static_cast<long long>(2000000.0 / frameRate);
    }
    return e;
}

void OutputCheck::ExpectSound(ST_OUTPUT_EXPECT* expect, long long length)
{
    if (!expect || length <= 0)
        return;
    expect->sound = length;
    expect->minSound = qMax(0LL, length - Tolerance(length));
}

int OutputCheck::VideoOf(const ST_MEDIA_INFO& source, bool audioContainer)
{
    if (audioContainer)
        return 0;
    // A cover picture may or may not come through as a picture stream.
    return source.hasVideo ? 1 : -1;
}

int OutputCheck::AudioOf(const ST_MEDIA_INFO& source)
{
    return source.hasAudio ? 1 : -1;
}

long long OutputCheck::DurationOf(const ST_MEDIA_INFO& source, bool audioContainer)
{
    if (audioContainer && source.hasAudio) {
        const long long sound = SoundLength(source);
        if (sound > 0)
            return sound;
    }
    return source.duration;
}

long long OutputCheck::SoundLength(const ST_MEDIA_INFO& source)
{
    if (!source.hasAudio)
        return 0;
    if (source.audioDuration > 0)
        return source.audioDuration;
    return source.path.isEmpty() ? 0 : MediaStreams::ProbeLengths(source.path).audioDuration;
}

QString OutputCheck::Problem(const ST_STREAM_FACTS& output, const ST_OUTPUT_EXPECT& expect)
{
    if (!expect.probe)
        return QString();
    if (!output.ok)
        return tr("output file unreadable");
    // A picture that does not decode is none, whatever the container says.
    if ((expect.video == 1 && !output.hasVideo) || (expect.video != 0 && output.hasVideo && output.pictureFails))
        return tr("output has no picture");
    if (expect.video == 0 && output.hasVideo)
        return tr("output has a picture it should not have");
    if (expect.audio == 1 && !output.hasAudio)
        return tr("output has no sound");
    if (expect.audio == 0 && output.hasAudio)
        return tr("output has sound it should not have");
    const QString soundShort = expect.minSound >= 0 && output.hasAudio && output.audioDuration < expect.minSound
        ? tr("output's sound plays %1 s instead of %2 s").arg(Seconds(output.audioDuration), Seconds(expect.sound))
        : QString();
    // Sound alone, or under a whole picture, that ends early is the sound's fault.
    if (!soundShort.isEmpty()
        && (!output.hasVideo || expect.minDuration < 0 || output.videoDuration >= expect.minDuration))
        return soundShort;
    const bool tooShort = expect.minDuration >= 0 && output.duration < expect.minDuration;
    const bool tooLong = expect.maxDuration >= 0 && output.duration > expect.maxDuration;
    if (tooShort || tooLong)
        return tr("output lasts %1 s instead of %2 s").arg(Seconds(output.duration), Seconds(expect.duration));
    return soundShort;
}

QString OutputCheck::ProblemOf(const QString& path, const ST_OUTPUT_EXPECT& expect, const std::atomic<bool>* cancel)
{
    if (!expect.probe)
        return QString();
    const ST_STREAM_FACTS output = MediaStreams::ProbePlayed(path, cancel);
    const QString problem = Problem(output, expect);
    if (problem.isEmpty() || expect.source.isEmpty() || !output.ok || expect.minDuration < 0
        || output.duration >= expect.minDuration)
        return problem;
    // Short of what the source's header says: the source may hold less.
    const ST_STREAM_FACTS source = MediaStreams::ProbePlayed(expect.source, cancel);
    const long long holds = expect.video == 0 && source.hasAudio ? source.audioDuration : source.duration;
    if (!source.ok || source.cut || holds <= 0 || holds >= expect.minDuration)
        return problem;
    ST_OUTPUT_EXPECT held = expect;
    held.source.clear();
    // The frames the converter may add stay allowed.
    const long long frames = expect.maxDuration - expect.duration - Tolerance(expect.duration);
    held.duration = holds;
    held.minDuration = qMax(0LL, holds - Tolerance(holds));
    held.maxDuration = holds + Tolerance(holds) + qMax(0LL, frames);
    return Problem(output, held);
}
