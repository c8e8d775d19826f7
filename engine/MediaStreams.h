#pragma once
// What the follow-up jobs need to know about a file's streams before they
// choose between stream copy and re-encoding.
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>

#include "PictureGeometry.h"

struct ST_STREAM_FACTS {
    bool ok = false;          // the file opened and was probed
    bool hasVideo = false;    // a picture stream that is not a cover picture
    QString videoCodec;       // codec name, e.g. "h264"
    int pixelFormat = -1;     // AVPixelFormat; a different one changes the stream's parameter sets
    // The first picture stream as stored, as turned, and as shown. A stream
    // copy keeps one turn and one pixel aspect for all.
    PictureGeometry picture;
    bool hasAudio = false;
    QString audioCodec;       // codec name, e.g. "aac"
    int sampleRate = 0;
    int channels = 0;
    QString channelLayout;    // the sound's layout by name ("5.1"); empty when the file names none
    bool hasSubtitle = false;
    QString subtitleCodec;    // e.g. "subrip", "ass"
    long long duration = 0;   // microseconds, 0 when unknown
    // The first picture's and sound's own lengths, microseconds, 0 when
    // unknown: a file's sound may outlast its picture or end before it.
    long long videoDuration = 0;
    long long audioDuration = 0;
    // Its own index lists packets past its end: the file was cut short.
    bool cut = false;
    // ProbePlayed: the picture stream's first packets give no picture here
    // (there are none, or they do not decode).
    bool pictureFails = false;
};

// How a sound is encoded: which encoder, and the channels and rate it is
// given. An empty encoder: none found that the container takes.
struct ST_SOUND_ENCODING {
    QString encoder;    // the converter's name for it, e.g. "libmp3lame"
    int channels = 0;
    QString layout;     // named only where the encoder lists its layouts
    int sampleRate = 0;
    QString sampleFormat; // the samples it is handed ("s32"); empty: its own first
};

// Which sound streams of a file a step writes: the one the converter picks
// when told no stream choice, every one (a "-map 1:a"), or the first, as
// melt reads a file.
enum class SoundStreams { Chosen, All, First };

// How a file's sound fares when copied into a container.
enum class SoundCopy {
    Whole,     // every stream written comes back whole
    Refused,   // one reads whole, but would not play back whole from the container
    Damaged,   // one cannot be read whole from the file: no packets, or they do not decode
    NoSound,   // the step writes no sound
    Cancelled, // stopped before it was known
};

class MediaStreams
{
public:
    // Facts of the first picture, sound and subtitle streams of a file.
    static ST_STREAM_FACTS Probe(const QString& path);
    // Probe, and where the file's header tells no length of its picture or
    // sound (FLV tells none), the length its packets' time stamps give, read
    // through the file without decoding.
    static ST_STREAM_FACTS ProbeLengths(const QString& path);
    // Probe, with the first sound's length as it plays (audioDuration): the
    // span of its packets' time stamps, always read in the file whatever its
    // header says; or, where its first packets decode to less than half the
    // time they claim (or no decoder here reads them), what they decode to.
    // A long file is read at its head and, by a seek in time, its end (or,
    // where the sound ends before the file, at a few places between); only
    // the sound's packets and the other streams' key packets are read out.
    static ST_STREAM_FACTS ProbePlayedSound(const QString& path);
    // Probe, with each first stream's length as it plays, measured as the
    // sound's is by ProbePlayedSound (of a picture only the first packets
    // are decoded, until one gives a picture), and the file's (duration)
    // from the first of them to start to the last to end as their packets'
    // stamps span; and whether the file was cut short. Where the container
    // keeps no index to seek by (FLV, Matroska without cues), a stream's
    // end is searched for from the file's end, through the container's own
    // marks (FLV's tag sizes, Matroska's clusters). Once `cancel` (may be
    // null) is set, it ends within a read.
    static ST_STREAM_FACTS ProbePlayed(const QString& path, const std::atomic<bool>* cancel = nullptr);
    // How many files ProbeLengths has read for lengths their headers do not
    // tell: the costly part, counted so that it can be kept rare.
    static int LengthReadings();
    // True when the files can be joined by stream copy: every one probed,
    // and the same picture codec, size, pixel format, turn and sample aspect,
    // the same sound codec, sample rate and channel count, and the same
    // streams present in each.
    static bool SameForConcat(const QList<ST_STREAM_FACTS>& files);
    // Whether a container (named by a file name or extension such as
    // "x.mp4" or "mkv") can hold a stream of the named codec as it is. A
    // picture or subtitle codec: its muxer lists the codec and starts a file
    // with such a stream at the strictness the converter runs with. A sound
    // codec: sound made by the converter's encoder of it comes back whole
    // from the container (see SoundCopies). Each answer is worked out once;
    // safe from any thread.
    static bool ContainerAccepts(const QString& container, const QString& codecName);
    // Whether every sound stream of a file that a step writes (`streams`),
    // its packets decoding here as they are, copied into the container as
    // the converter copies it, comes back whole: its first second, and its
    // last, written into the container in memory (beside another stream
    // that outlasts it, where the container takes one), read back and
    // decoded, give the same codec (lossy sound: or a kindred one), channels, rate and
    // (lossless sound) sample format, nearly all their samples and stamped
    // time (see SoundSample). False for a file without such sound;
    // `refusedCodec` gets the codec of the first stream that does not. The
    // container's answer for streams of the same codec parameters is worked
    // out once (the file is read each time); safe from any thread.
    static bool SoundCopies(const QString& container, const QString& path, QString* refusedCodec = nullptr,
                            SoundStreams streams = SoundStreams::Chosen);
    // The same, for the streams a step writes, telling a sound the
    // container would not play back (`codec` names it) from one the file
    // itself does not hold whole (or, a file the libraries cannot read at
    // all), and from a file without such sound (NoSound). Once `cancel` (may be null) is set,
    // it ends within a packet's read: Cancelled. A damaged file's answer is
    // its own, never taken for other streams of the same parameters.
    static SoundCopy TrySoundCopy(const QString& container, const QString& path, SoundStreams streams,
                                  QString* codec = nullptr, const std::atomic<bool>* cancel = nullptr);
    // For tests: called on the trial's thread each time it looks whether it
    // has been cancelled.
    static std::atomic<void (*)()> TrialCheck;
    // The first sound stream of a file as melt re-encodes it keeping its
    // codec: its encoder here (empty when there is none that is not
    // experimental), channels, rate and sample format.
    static ST_SOUND_ENCODING OwnSoundEncoding(const QString& path);
    // How a sound (as probed) is encoded for a container: by the encoder of
    // the named codec, or by the container's own. It keeps its channel
    // layout and rate where the encoder lists them (or lists none) and the
    // muxer starts a file with them; otherwise it gets the nearest the
    // encoder has: the most channels up to its own (mixed down), else the
    // fewest above; the lowest rate above its own, else the highest below.
    static ST_SOUND_ENCODING SoundEncoding(const QString& container, const ST_STREAM_FACTS& sound,
                                           const QString& codec = QString());
    // The multiples of which a picture's width and height must be for a
    // video encoder, named as the converter and melt take it ("libx264"; an
    // empty name stands for the container's own video encoder): the largest
    // chroma subsampling among the pixel formats the encoder lists, so the
    // picture has whole chroma samples in whichever of them it is handed
    // (x264 refuses 4:2:0 at 1279x719). 1 for a side that no listed format
    // subsamples, and for an encoder the library does not know or that
    // lists no formats.
    static QSize ChromaSteps(const QString& encoder, const QString& container = QString());
};
