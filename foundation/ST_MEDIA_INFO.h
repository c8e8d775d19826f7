#pragma once
#include "PictureGeometry.h"

#include <QSize>
#include <QString>

#include <atomic>

// How far a probe looks: into the streams' headers, which is all the
// window's thread reads, or also at the stamps of the picture stream's
// packets (a worker's look, for the rate).
enum class ProbeDepth { Headers, Pictures };

// What one look into a media file told, and which file it was: where it was
// on disk, its size and its modification and change times then tell whether
// the values still hold.
struct ST_MEDIA_INFO
{
    bool opened = false;      // the file opened and was probed
    bool refused = false;     // a kind of file that would read other files (a script, a playlist): never converted
    bool recognised = false;  // its content is of a kind the libraries read, opened or not (see MediaInput)
    bool still = false;       // read as a picture file (an image reader), not a video
    ProbeDepth depth = ProbeDepth::Headers; // how far the look went: the rate fields hold at Pictures
    bool hasVideo = false;    // a picture stream that is not a cover picture
    bool hasAudio = false;
    // The last picture stream's size as the converter hands its pictures to
    // the filters: picture.Turned(), so a quarter turn swaps the stored size.
    int width = 0;
    int height = 0;
    // The last picture stream as stored, as turned, and as shown, and
    // whether its pictures are woven fields (players show those
    // deinterlaced).
    PictureGeometry picture;
    float fps = 0.0f;
    // The stream's frames over its length: for a variable rate (a phone's)
    // the mean, which melt renders it at, where `fps` is the base rate that
    // all its time stamps fall on.
    float averageFps = 0.0f;
    // The rate of the pictures' usual interval as their stamps place them
    // (not their mean: a screen recording's pauses and a lost picture do not
    // slow it), 0 when not known. Where it differs from `fps` the stream is
    // of a variable rate (a phone's, a screen recorder's, film flagged for a
    // slower display).
    float pictureRate = 0.0f;
    // The pictures' stamps lie off the usual interval's grid (a phone's), or
    // leave gaps in it (a picture lost, a screen recorder's pause).
    bool unevenStamps = false;
    long long duration = 0;   // microseconds, 0 when unknown
    long long audioDuration = 0; // of the first sound stream, microseconds, 0 when unknown
    long long bitRate = 0;    // bits per second
    QString videoCodec;       // codec name of the first picture stream, e.g. "h264"
    QString audioCodec;       // codec name of the first sound stream, e.g. "aac"

    QString path;             // the file probed; empty when nothing was
    qint64 fileSize = -1;
    qint64 modified = -1;     // milliseconds since the epoch
    // The change time cannot be set back by a program, unlike the
    // modification time: a file rewritten in place shows it.
    quint64 device = 0;
    quint64 inode = 0;
    qint64 changed = -1;      // nanoseconds since the epoch

    // True when these values were taken from `file` as it is now.
    bool DescribesFile(const QString& file) const;
    // Whether the stamps place the pictures unevenly, or at another rate
    // than the base rate all of them fall on (`fps`).
    bool VariableRate() const;
    // The rate pictures come at: the usual one of a variable rate, else `fps`.
    float PictureRate() const;
    // The picture as a player shows it (picture.Shown()); empty without a
    // picture.
    QSize ShownSize() const;
    // Why the file is no video or sound to convert; None when it is one.
    enum class Unfit { None, NotMedia, Damaged, NoPictureOrSound, StillPicture, ReadsOtherFiles };
    Unfit UnfitAs() const;
};

// Probes a file: the values of GetMediaInfo and the codecs of its first
// streams, from one open, with the stamp of the file. Once
// `cancel` is set the probe ends early, with nothing opened. A look at
// Pictures depth is kept (see LearntMediaInfo).
ST_MEDIA_INFO ProbeMediaInfo(const QString& path, const std::atomic<bool>* cancel = nullptr,
                             ProbeDepth depth = ProbeDepth::Headers);
// The bytes that probes on the calling thread have read past the streams'
// headers, since the thread started.
long long ProbeBytesBeyondHeaders();
// What a look at Pictures depth learnt of `path`, while it describes the
// file as it is now; else a record of no file (empty path).
ST_MEDIA_INFO LearntMediaInfo(const QString& path);
// What was learnt of `from` holds for `to` when `to` is now that very file
// (a finished output put in place under its name).
void MediaInfoMoved(const QString& from, const QString& to);
// `known` while it describes `path` as the file is now, unless a look at
// Pictures depth learnt more of it; else the headers of the file as it is.
ST_MEDIA_INFO CurrentMediaInfo(const ST_MEDIA_INFO& known, const QString& path);
