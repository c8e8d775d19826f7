#pragma once
// The converter's command line of a main conversion, built from the saved
// output format settings without any window, so Run and its tests share it.
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

#include "MediaStreams.h"

struct FormatSettings;
struct ST_SPLIT_PART;

// The part of a conversion's command line that every job of a source row
// shares (the job adds its own output path), and the frame rate the job's
// progress counts frames at.
struct ST_RUN_ARGS {
    QStringList arguments;
    float frameRate = 0.0f; // 0 when neither the settings nor the source give one
    // For the jobs' look before their tool starts (AbstractJob::precheck):
    // the source's sound, kept, must come back whole from the container.
    // None when the sound is encoded. It ends early once `cancel` is set.
    std::function<QString(const std::atomic<bool>* cancel)> precheck;
};

class RunArguments
{
    Q_DECLARE_TR_FUNCTIONS(RunArguments)
public:
    // "HH:MM:SS.cc" of a duration in microseconds; the hours may grow past two digits.
    static QString DurationText(long long microseconds);

    // "-i" source, the filter graph and video options (left out for the sound
    // containers mp3, m4a and wav, which get "-vn"), the audio options and
    // "-y". `ext` is the container name ("mp4" ... "wav"); the source's bit
    // rate (bits per second) and frame rate come from its probe, 0 when
    // unknown; `graph` may be empty. A picture of the source's probed size
    // that the encoder cannot take at that size (sides that are not whole
    // chroma samples of its pixel formats) loses its last column or row at
    // the end of the graph; an empty size is taken to fit. `pictureRate` is
    // the usual rate of a variable-rate source's pictures, 0 for a constant
    // rate (ST_MEDIA_INFO::VariableRate). A split part (`part`) is read
    // as JobArgs::PartInput cuts it, its picture moved as the part says.
    static ST_RUN_ARGS CommonArguments(const FormatSettings& format, const QString& ext, const QString& source,
                                       long long sourceBitRate, float sourceFps, const QString& graph,
                                       const QSize& picture = QSize(), float pictureRate = 0.0f,
                                       const ST_SPLIT_PART* part = nullptr);
    // The pieces of it that every encoding of the settings shares: the
    // picture's bit rate or quality ("Auto": the source's bit rate), its set
    // size and aspect, and the sound encoded as set (a codec of "copy": by
    // the container's own encoder).
    static QStringList VideoBitRate(const FormatSettings& format, long long sourceBitRate);
    static QStringList FrameShape(const FormatSettings& format);
    static QStringList SoundOptions(const FormatSettings& format);
    // Whether the settings keep the source's sound as it is ("Keep Audio
    // Codec", or the codec "copy").
    static bool KeepsSound(const FormatSettings& format);
    // The first sound stream of `source` encoded in its own kind, for steps
    // that keep the sound but cannot copy it (melt, a join's filters):
    // MediaStreams::OwnSoundEncoding where the settings keep the sound;
    // none where they do not, where no encoder of its kind is here, or for
    // more channels than melt mixes (16).
    static ST_SOUND_ENCODING KeptEncoding(const FormatSettings& format, const QString& source);

    // Why the container cannot hold what the settings would write, in one
    // sentence for the row's status; empty when it can. A copied picture is
    // judged by the source's codec name (empty when unknown, which passes:
    // the converter then reports its own failure); encoded sound by its
    // codec; kept sound by the jobs' look before they start
    // (ST_RUN_ARGS::precheck, KeptSoundRefusal), which reads the source.
    static QString Refusal(const FormatSettings& format, const QString& ext, const QString& sourceVideoCodec);
    // Why the source's sound, copied into the container as the converter
    // copies it, would not come back whole, in one sentence: the container,
    // or the source's own sound, damaged or empty, naming the file. Empty
    // when it does, for a source without such sound, and once `cancel` is
    // set. `streams`: the sound a step writes (a join or melt reads the
    // first). Reads the source: not for the GUI thread.
    static QString KeptSoundRefusal(const QString& ext, const QString& source, const std::atomic<bool>* cancel = nullptr,
                                    SoundStreams streams = SoundStreams::Chosen);
};
