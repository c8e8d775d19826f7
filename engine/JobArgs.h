#pragma once
// Command lines of the follow-up jobs (split parts, merges, soundtracks,
// subtitle mux), kept free of the queue so they can be checked on their own.
#include <QList>
#include <QPair>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

struct PictureGeometry;
struct ST_SOUND_ENCODING;

// One part of a file to cut. A part that runs to the end of the file has no
// end point on the command line, so no rounding can lose its last frames.
struct ST_SPLIT_PART {
    long long start = 0;    // microseconds
    long long length = 0;   // microseconds
    bool toEnd = false;     // runs to the end of the input
    QString mark;           // the text put between the base name and the extension
    // Where the picture on screen at `start` began, when that was before it
    // (a variable rate's): the part shows it from its first instant. -1: unknown.
    long long shownFrom = -1;
};

class JobArgs
{
public:
    // "HH:MM:SS.mmm", hours unbounded, never negative: the clock form both the
    // converter and melt read with the fraction of a second.
    static QString ClockText(long long us);
    // "HH:MM:SS.cc", the duration text of the engine job's progress.
    static QString DurationText(long long us);
    // "HH-MM-SS", the time form of split part names.
    static QString MarkTime(long long us);
    // The integer at the start of a setting text ("64 kbps" gives 64), 0 when none.
    static int LeadingInt(const QString& text);
    // The number at the start of a setting text ("29.97 fps" gives 29.97), 0 when none.
    static double LeadingNumber(const QString& text);
    // Numbers of the output settings as the converter and the containers
    // take them: a hand-edited file may hold anything. 0 (no number) stays
    // 0, which leaves the value to the converter. Below the format dialog's
    // lowest rate the converter's constant-rate output outlasts its source
    // by seconds.
    static constexpr double MinFrameRate = 5.0;
    static constexpr double MaxFrameRate = 120.0;
    static double FrameRateSetting(const QString& text);
    // The integer at the start of a setting bounded to [low, high]; 0 stays 0.
    static int BoundedSetting(const QString& text, int low, int high);
    static int AudioBitRateSetting(const QString& text) { return BoundedSetting(text, 8, 512); }
    static int ChannelsSetting(const QString& text) { return BoundedSetting(text, 1, 8); }
    static int SampleRateSetting(const QString& text) { return BoundedSetting(text, 8000, 96000); }
    // The quality number of the quality mode (0 to 51): -qmin 51-N, -qmax 56-N.
    static int QualitySetting(const QString& text) { return BoundedSetting(text, 0, 51); }
    static int VideoBitRateSetting(const QString& text) { return BoundedSetting(text, 16, 200000); }

    // The parts of a file of the given duration: the ranges when there are
    // any, else the mode (0 count, 1 length, 2 one section). Parts of zero or
    // negative length are never returned; mode 1 with a length of 0 or less
    // gives none.
    static QList<ST_SPLIT_PART> SplitParts(const QVector<QPair<long long, long long>>& ranges, int mode,
                                           int count, long long splitTime, long long splitEnd,
                                           long long duration);
    // Part boundaries moved to the nearest frame start, so parts cut by
    // stream copy neither share nor lose a frame; unchanged for an unknown rate.
    static QList<ST_SPLIT_PART> AlignToFrames(const QList<ST_SPLIT_PART>& parts, double fps);
    // Output folder + "/" + base name + mark + "." + extension (the format
    // when set, else the input's own suffix).
    static QString PartPath(const QString& outDir, const QString& input, const QString& format,
                            const QString& mark);
    // The frame rate as melt's numerator over 1000 (rate x 1000 cut to an
    // integer); 0, which melt jobs ignore, for a rate that is not usable.
    static int MeltFpsNumerator(double fps);
    // Output name: folder + "/" + base name of `input` + tag, then "." and
    // the extension when there is one.
    static QString TaggedPath(const QString& outDir, const QString& input, const QString& tag,
                              const QString& extension);
    // The converter's -vol value of a volume in percent: it takes 256 as
    // unchanged, the setting 100. Bounded to 0 ... 1000 %.
    static QString ConverterVolume(int percent);
    // mp3, m4a and wav hold no picture.
    static bool IsAudioFormat(const QString& format);

    // Encoder names as the converter and melt know them ("h264" is libx264).
    static QString VideoEncoder(const QString& vcodec);
    static QString AudioEncoder(const QString& acodec);

    // The converter's input of one part of a file, cut as it is read. A
    // picture shown from before the start (`shownFrom`) is read from there,
    // as input 0 with no sound; the sound, from input 1, starts at the start.
    static QStringList PartInput(const QString& input, const ST_SPLIT_PART& part);
    // The picture filter that moves that picture to the part's start and the
    // later ones by as much; empty where there is none.
    static QString PartShift(const ST_SPLIT_PART& part);
    // The converter's frame-rate options: "-r" and the rate with three
    // decimals, one that `encoder` takes (EncoderRate). A variable rate (its
    // usual one given) keeps its pictures' own times where `keepsTimes` (the
    // container and the encoder hold them), else it is made constant at its
    // usual rate, each picture kept once.
    static QStringList PictureRateArgs(double rate, bool variable, bool keepsTimes,
                                       const QString& encoder = QString());
    // `rate`, where the encoder codes any rate or lists it; else the
    // slowest rate it lists above it (the fastest when none is).
    static double EncoderRate(double rate, const QString& encoder);
    // The filters that make a variable rate the constant one PictureRateArgs
    // gives: each picture on the frame nearest its time (the next one where
    // two would share one, unless it came before the last one's frame: a
    // rush shows its last picture), a gap filled with the picture before it.
    static QString ConstantRateGraph(double rate, const QString& encoder = QString());
    // Whether a container (by its extension) and an encoder hold pictures
    // at times of their own: AVI, and encoders of fixed rates (MPEG-1/2
    // video), take one constant rate.
    static bool KeepsPictureTimes(const QString& container, const QString& encoder);
    // One melt input, read as media alone, with its in and out points. The
    // out point is melt's last frame, one frame before the exclusive end;
    // toEnd leaves it out.
    static QStringList MeltClip(const QString& path, long long in, long long end, bool toEnd, double fps);
    // melt's consumer part: "-consumer", "avformat:" + output, then the codec
    // properties and, with a frame size, the profile of MeltProfile.
    // `picture` off writes no picture whatever the container (the input has
    // none, and melt would invent a black one).
    static QStringList MeltConsumer(const QString& output, const QString& format, const QString& vcodec,
                                    const QString& acodec, const QString& frameSize, double fps = 0,
                                    bool picture = true);
    // The processing profile as consumer properties: the size of a frame size
    // text ("1280x720"), pixels of the sample aspect sarNum:sarDen (square
    // unless told), progressive, and the frame rate when it is usable. Empty
    // when the text is not a size: melt then takes the first input's profile.
    static QStringList MeltProfile(const QString& frameSize, double fps, int sarNum = 1, int sarDen = 1);
    // What melt is told of a clip that its display matrix turns (degrees
    // clockwise, then mirrored) to show it as players do, with sarNum:sarDen
    // the turned picture's sample aspect: melt reads a plain turn itself but
    // takes a mirrored one for some turn, and turns the pixels of a quarter
    // turn without their aspect unless it is given the aspect, which it then
    // turns along. Producer properties, then the filter that mirrors; empty
    // where melt needs nothing.
    static QStringList MeltTurn(int degrees, bool mirrored, int sarNum, int sarDen);
    // The same for a source's picture as probed.
    static QStringList MeltTurn(const PictureGeometry& picture);
    // The size a file of square pixels shows a picture of width x height
    // pixels of the sample aspect sarNum:sarDen at: as players show it, with
    // the side the aspect lengthens taken to the nearest even number, so that
    // no side an encoder refuses is added to those the picture has. Empty
    // without a size.
    static QSize SquarePixelSize(int width, int height, int sarNum, int sarDen);
    // The same for a source's picture as the converter turns it.
    static QSize SquarePixelSize(const PictureGeometry& picture);

    // A frame size text ("1280:720", "1280x720") as "W:H" for the scale
    // filter, or empty when it is not a size.
    static QString ScaleSize(const QString& text);
    // The leading "WxH" of a frame size text ("320x240 VGA" gives 320x240),
    // for the converter's -s; empty when the text starts with no size.
    static QString LeadingFrameSize(const QString& text);
    // A picture size cut down to multiples of `steps` (MediaStreams::
    // ChromaSteps): its last columns or rows go, the rest keeps its place.
    // An empty size stays as it is.
    static QSize FitToSteps(const QSize& size, const QSize& steps);
    // The last filter of a graph that hands the encoder such a picture,
    // whatever size the filters before it made.
    static QString StepCrop(const QSize& steps);

    // The filter-graph merge: each input's picture, as shown, fitted whole
    // into the size ("W:H") with square pixels and black bars, its picture
    // and sound joined in one go ("[v]", "[a]"). An input
    // without sound gets silence of its length, one without picture a black
    // picture of its length; without any sound there is no "[a]"; withVideo
    // off leaves the picture out (sound-only containers). `videoTail` are
    // filters the joined picture passes before "[v]".
    static QString MergeGraph(const QString& scaleSize, bool withVideo, const QVector<bool>& hasVideo,
                              const QVector<bool>& hasAudio, const QVector<long long>& durations,
                              const QString& videoTail = QString());
    // The folder outputs go to: the configured one, else the input's own.
    static QString OutDir(const QString& configured, const QString& input);
    // Microseconds of a duration text "H:MM:SS.cc" (any number of hour
    // digits); -1 when the text is not one.
    static long long ParseDurationText(const QString& text);

    // The environment for melt: numbers in its arguments ("in=00:00:01.500")
    // are read with a decimal point whatever the user's locale.
    static QProcessEnvironment MeltEnvironment(const QProcessEnvironment& base);

    // The converter's options for a sound copied as it is.
    static QStringList CopySound() { return {QStringLiteral("-acodec"), QStringLiteral("copy")}; }
    // The converter's options for a sound encoded as chosen: the encoder, its
    // channels (with the layout where one is named) and rate. Empty when no
    // encoder was found: the converter then says why it cannot. A sample
    // format, where one is named, is kept.
    static QStringList SoundArgs(const ST_SOUND_ENCODING& encoding);
    // Soundtrack mix: the video's picture (when it has one) with the music,
    // its sound copied or encoded as `sound` says.
    static QStringList MixArgs(const QString& video, const QString& audio, const QString& output,
                               const QStringList& sound, bool shortest);
    // Subtitle mux: every picture and sound stream of the video and the
    // subtitle file's stream, with the given subtitle codec.
    static QStringList SubtitleMuxArgs(const QString& video, const QString& subtitle, const QString& output,
                                       const QString& subtitleCodec);
};
