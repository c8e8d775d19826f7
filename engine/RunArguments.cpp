#include "RunArguments.h"

#include "ConfigFormat.h"
#include "JobArgs.h"
#include "MediaStreams.h"

#include <QFileInfo>

#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// The codec an encoder name ("libx264", "mp2") writes, by its codec name
// ("h264"); empty when the converter knows no such encoder.
QString CodecOfEncoder(const QString& encoder)
{
    const QByteArray name = encoder.toLatin1();
    if (const AVCodec* codec = avcodec_find_encoder_by_name(name.constData()))
        return QString::fromLatin1(avcodec_get_name(codec->id));
    // The converter also takes a codec's own name ("mp3") for its encoder.
    if (const AVCodecDescriptor* desc = avcodec_descriptor_get_by_name(name.constData()))
        if (avcodec_find_encoder(desc->id))
            return QString::fromLatin1(desc->name);
    return QString();
}

} // namespace

QString RunArguments::DurationText(long long microseconds)
{
    return JobArgs::DurationText(microseconds);
}

bool RunArguments::KeepsSound(const FormatSettings& format)
{
    return format.AKeepCodec || format.ACodec == QLatin1String("copy");
}

ST_SOUND_ENCODING RunArguments::KeptEncoding(const FormatSettings& format, const QString& source)
{
    ST_SOUND_ENCODING own = KeepsSound(format) ? MediaStreams::OwnSoundEncoding(source) : ST_SOUND_ENCODING();
    if (own.sampleRate <= 0 || own.channels <= 0 || own.channels > 16)
        own.encoder.clear();
    return own;
}

QStringList RunArguments::VideoBitRate(const FormatSettings& format, long long sourceBitRate)
{
    const bool autoRate = format.VBitRate == QLatin1String("Auto");
    if (format.VSetMode && !autoRate) {
        const int n = JobArgs::QualitySetting(format.VBitRate);
        return {QStringLiteral("-qmin"), QString::number(51 - n), QStringLiteral("-qmax"), QString::number(56 - n)};
    }
    const long long n = autoRate ? qMax(0LL, sourceBitRate) / 1000 : JobArgs::VideoBitRateSetting(format.VBitRate);
    return {QStringLiteral("-b:v"), QString::number(n) + QLatin1Char('k')};
}

QStringList RunArguments::FrameShape(const FormatSettings& format)
{
    QStringList a;
    if (!format.VKeepWH) {
        // Named sizes ("320x240 VGA") carry their name after the size.
        const QString size = JobArgs::LeadingFrameSize(format.VSize);
        if (!size.isEmpty())
            a << QStringLiteral("-s") << size;
    }
    if (format.VAspect != QLatin1String("Auto"))
        a << QStringLiteral("-aspect") << format.VAspect;
    return a;
}

QStringList RunArguments::SoundOptions(const FormatSettings& format)
{
    QStringList a{QStringLiteral("-b:a"),
                  QString::number(JobArgs::AudioBitRateSetting(format.ABitRate)) + QLatin1Char('k')};
    // Sound that cannot be copied (it is filtered) is left to the container's encoder.
    if (format.ACodec != QLatin1String("copy"))
        a << QStringLiteral("-acodec") << format.ACodec;
    const int channels = JobArgs::ChannelsSetting(format.AChannels);
    if (channels > 0)
        a << QStringLiteral("-ac") << QString::number(channels);
    const int sampleRate = JobArgs::SampleRateSetting(format.ASample);
    if (sampleRate > 0)
        a << QStringLiteral("-ar") << QString::number(sampleRate);
    return a << QStringLiteral("-vol") << JobArgs::ConverterVolume(format.AVolume);
}

ST_RUN_ARGS RunArguments::CommonArguments(const FormatSettings& format, const QString& ext, const QString& source,
                                          long long sourceBitRate, float sourceFps, const QString& graph,
                                          const QSize& picture, float pictureRate, const ST_SPLIT_PART* part)
{
    ST_RUN_ARGS run;
    QStringList& a = run.arguments;
    float rate = std::isfinite(sourceFps) && sourceFps > 0.0f ? sourceFps : 0.0f;
    a << (part ? JobArgs::PartInput(source, *part) : QStringList{QStringLiteral("-i"), source});

    if (JobArgs::IsAudioFormat(ext)) {
        // A sound container would otherwise take the source's picture as a
        // cover stream or refuse it.
        a << QStringLiteral("-vn");
    } else {
        const QString encoder = JobArgs::VideoEncoder(format.VCodec);
        a << QStringLiteral("-c:v") << encoder;
        // A copied stream takes no filter, rate, size or aspect.
        if (format.VCodec != QLatin1String("copy")) {
            // A part's first picture, begun before its start, is moved to it.
            QString filters = part ? JobArgs::PartShift(*part) : QString();
            if (!graph.isEmpty())
                filters += (filters.isEmpty() ? QString() : QStringLiteral(",")) + graph;
            if (format.VKeepWH) {
                // A quarter turn in the graph swaps the sides: the picture
                // must fit either way round, or the graph's last filter cuts
                // it down (a set output size is scaled to as it is).
                const QSize steps = MediaStreams::ChromaSteps(encoder, ext);
                if (JobArgs::FitToSteps(picture, steps) != picture
                    || JobArgs::FitToSteps(picture.transposed(), steps) != picture.transposed())
                    filters += (filters.isEmpty() ? QString() : QStringLiteral(",")) + JobArgs::StepCrop(steps);
            }
            // A variable rate's pictures are kept each once, at their usual
            // rate, each on the frame of its time, where they cannot keep
            // their own times; its base rate would repeat every picture.
            const bool variable = format.VKeepFrameRate && std::isfinite(pictureRate) && pictureRate > 0.0f;
            if (!format.VKeepFrameRate)
                rate = static_cast<float>(JobArgs::FrameRateSetting(format.VFrameRate));
            else if (variable)
                rate = pictureRate;
            // An unknown rate (a source that could not be probed) is left to
            // the converter rather than given as 0, which it refuses.
            const bool known = std::isfinite(rate) && rate > 0.0f;
            rate = known ? static_cast<float>(JobArgs::EncoderRate(rate, encoder)) : 0.0f;
            const bool keepsTimes = JobArgs::KeepsPictureTimes(ext, encoder);
            if (known && variable && !keepsTimes)
                filters += (filters.isEmpty() ? QString() : QStringLiteral(",")) + JobArgs::ConstantRateGraph(rate, encoder);
            if (!filters.isEmpty())
                a << QStringLiteral("-vf") << filters;
            a << VideoBitRate(format, sourceBitRate);
            if (known)
                a << JobArgs::PictureRateArgs(rate, variable, keepsTimes, encoder);
            a << FrameShape(format);
        }
    }

    if (KeepsSound(format)) {
        a << QStringLiteral("-c:a") << QStringLiteral("copy");
        run.precheck = [ext, source](const std::atomic<bool>* cancel) { return KeptSoundRefusal(ext, source, cancel); };
    } else {
        a << SoundOptions(format);
    }
    // A part's copied picture starts at the key picture at or before its
    // start, with its sound; under a picture encoded from the start, copied
    // sound starts there too.
    if (part && (format.VCodec == QLatin1String("copy") || JobArgs::IsAudioFormat(ext)))
        a << QStringLiteral("-avoid_negative_ts") << QStringLiteral("1");
    else if (part && KeepsSound(format))
        a << QStringLiteral("-copypriorss:a") << QStringLiteral("0");
    a << QStringLiteral("-y");
    run.frameRate = rate;
    return run;
}

QString RunArguments::Refusal(const FormatSettings& format, const QString& ext, const QString& sourceVideoCodec)
{
    if (!JobArgs::IsAudioFormat(ext)) {
        const QString video = format.VCodec == QLatin1String("copy")
            ? sourceVideoCodec
            : CodecOfEncoder(JobArgs::VideoEncoder(format.VCodec));
        // The converter writes some of these (HEVC in AVI) without a tag no
        // reader knows, and reports success: refuse them before it runs.
        if (!video.isEmpty() && !MediaStreams::ContainerAccepts(ext, video))
            return tr("The %1 container cannot hold %2 video.").arg(ext, video);
    }
    // Encoded sound: tried once per container and codec for the program.
    const QString audio = KeepsSound(format) ? QString() : CodecOfEncoder(format.ACodec);
    if (!audio.isEmpty() && !MediaStreams::ContainerAccepts(ext, audio))
        return tr("The %1 container cannot hold %2 sound.").arg(ext, audio);
    return QString();
}

QString RunArguments::KeptSoundRefusal(const QString& ext, const QString& source, const std::atomic<bool>* cancel,
                                      SoundStreams streams)
{
    QString codec;
    switch (MediaStreams::TrySoundCopy(ext, source, streams, &codec, cancel)) {
    case SoundCopy::Refused:
        return tr("The %1 container cannot hold %2 sound.").arg(ext, codec);
    case SoundCopy::Damaged:
        return tr("The sound of %1 is damaged or empty.").arg(QFileInfo(source).fileName());
    default:
        return QString();
    }
}
