#pragma once
// What the follow-up jobs need to know about a file's streams before they
// choose between stream copy and re-encoding.
#include <QList>
#include <QString>

#include "PictureTurn.h"

struct ST_STREAM_FACTS {
    bool ok = false;          // the file opened and was probed
    bool hasVideo = false;    // a picture stream that is not a cover picture
    QString videoCodec;       // codec name, e.g. "h264"
    int width = 0;
    int height = 0;
    int pixelFormat = -1;     // AVPixelFormat; a different one changes the stream's parameter sets
    // How the pictures are shown: turned by the display matrix, with the
    // stored pixels' sample aspect. A stream copy keeps one of each for all.
    PictureTurn turn;
    int sarNum = 1;
    int sarDen = 1;
    bool hasAudio = false;
    QString audioCodec;       // codec name, e.g. "aac"
    int sampleRate = 0;
    int channels = 0;
    bool hasSubtitle = false;
    QString subtitleCodec;    // e.g. "subrip", "ass"
    long long duration = 0;   // microseconds, 0 when unknown
    // The first picture's and sound's own lengths, microseconds, 0 when
    // unknown: a file's sound may outlast its picture or end before it.
    long long videoDuration = 0;
    long long audioDuration = 0;
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
    // How many files ProbeLengths has read for lengths their headers do not
    // tell: the costly part, counted so that it can be kept rare.
    static int LengthReadings();
    // True when the files can be joined by stream copy: every one probed,
    // and the same picture codec, size, pixel format, turn and sample aspect,
    // the same sound codec, sample rate and channel count, and the same
    // streams present in each.
    static bool SameForConcat(const QList<ST_STREAM_FACTS>& files);
    // Whether a container (named by a file name or extension such as
    // "x.mp4" or "mkv") can hold a stream of the named codec as it is: its
    // muxer lists the codec, starts a file with such a stream at the
    // strictness the converter runs with, and its reader gives it back
    // whole. Each answer is worked out once; safe from any thread.
    static bool ContainerAccepts(const QString& container, const QString& codecName);
};
