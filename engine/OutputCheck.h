#pragma once
// What a finished step's output must be for the step to count as done, and
// the check of an output against it.
#include <QCoreApplication>
#include <QString>

#include <atomic>

struct ST_MEDIA_INFO;
struct ST_STREAM_FACTS;

// Unset fields are not checked; a default record checks nothing.
struct ST_OUTPUT_EXPECT {
    bool probe = false;          // the output must open as media
    int video = -1;              // 1 must hold a picture, 0 must not, -1 either
    int audio = -1;              // the same for sound
    long long duration = -1;     // the length it was to have, microseconds; -1 unknown
    long long minDuration = -1;  // the accepted range, microseconds; -1 unchecked
    long long maxDuration = -1;
    long long sound = -1;        // the length its sound was to have, microseconds; -1 unchecked
    long long minSound = -1;     // the least its sound may last as it plays; -1 unchecked
    // The file whose length `duration` is, as its header tells it. An
    // output short of it is judged again against what that file plays,
    // where it plays less than its header says and was not cut short.
    QString source;
};

class OutputCheck
{
    Q_DECLARE_TR_FUNCTIONS(OutputCheck)
public:
    // How far a finished output may be from the length it was to have:
    // half a second, or one hundredth of a long one.
    static long long Tolerance(long long duration);
    // An output that was to last `duration` (0 or less: unknown, unchecked)
    // with a picture and sound as given (-1 either). A picture made at a
    // frame rate (0: unknown) may end up to two of its frames later: the
    // converter fills the last one up to whole frames.
    static ST_OUTPUT_EXPECT Lasting(long long duration, int video, int audio, double frameRate = 0);
    // The output's sound must also play for `length` (0 or less: unknown,
    // unchecked), less the tolerance: as its packets span and as it decodes
    // (MediaStreams::ProbePlayedSound), whatever its header says.
    static void ExpectSound(ST_OUTPUT_EXPECT* expect, long long length);
    // The streams a conversion of a source writes: a sound container holds
    // no picture; a picture or sound of the source must come through.
    static int VideoOf(const ST_MEDIA_INFO& source, bool audioContainer);
    static int AudioOf(const ST_MEDIA_INFO& source);
    // The length of that conversion: a sound container takes the sound's.
    static long long DurationOf(const ST_MEDIA_INFO& source, bool audioContainer);
    // The length of a source's own sound, which may end before or after its
    // picture: the probed one, else measured in the file; 0 when unknown.
    static long long SoundLength(const ST_MEDIA_INFO& source);
    // Empty when the probed output is what was expected, else why not, in
    // words for the user. `output` comes from MediaStreams::ProbePlayed: its
    // lengths are those it plays, whatever its header says.
    static QString Problem(const ST_STREAM_FACTS& output, const ST_OUTPUT_EXPECT& expect);
    // The output file checked as above: empty when it is what was expected.
    // Once `cancel` (may be null) is set, it ends within a read.
    static QString ProblemOf(const QString& path, const ST_OUTPUT_EXPECT& expect,
                             const std::atomic<bool>* cancel = nullptr);
};
