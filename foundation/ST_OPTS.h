#pragma once
#include "ST_CROP_THICK.h"
#include "ST_MEDIA_INFO.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// One clip joined before or after a source: the part [start, end] of the
// file is used. Times in microseconds.
struct ST_MERGE
{
    QString path;
    qint64 start = 0;
    qint64 end = 0;
};

// One range cut out of a source, in microseconds.
struct ST_SPLIT_TIME
{
    qint64 start = 0;
    qint64 end = 0;
};

// Everything decided for one source row besides its layers and subtitle text.
// Times are microseconds.
struct ST_OPTS
{
    int width = 0;
    int height = 0;
    bool vflip = false;
    bool hflip = false;
    int rotate = -1;            // -1 none, 1 a quarter turn clockwise, 2 counter-clockwise (transpose values)
    double cropLeft = 0.0;      // margins as fractions of the frame after the quarter turn
    double cropTop = 0.0;
    double cropRight = 0.0;
    double cropBottom = 0.0;
    bool crop = false;
    bool subtitle = false;       // burn the subtitles into the picture
    bool subtitleStream = false; // the row's subtitle-stream check box
    int splitMode = 0;           // 0 number of parts, 1 length of each part, 2 one section
    int splitCount = 0;
    qint64 splitTime = 0;        // part length (mode 1) or section start (mode 2)
    qint64 splitEndTime = 0;     // section end (mode 2)
    QString path;                // the source file
    qint64 trimStart = 0;        // the part of the source used when joining
    qint64 trimEnd = 0;
    QList<ST_MERGE> titleClips;  // joined before the source, in order
    QList<ST_MERGE> endingClips; // joined after the source, in order
    QList<ST_SPLIT_TIME> splitRanges; // when not empty they replace the split mode
    QString subtitlePath;        // empty: the subtitles held by the editor
    QStringList musicFiles;      // replace the source's sound, in order
    ST_MEDIA_INFO media;         // the source as probed when it was added

    // The source itself as a clip (path, trim start, trim end).
    ST_MERGE SourceClip() const { return ST_MERGE{path, trimStart, trimEnd}; }
    // The crop margins and switch as one value.
    ST_CROP_THICK Crop() const { return ST_CROP_THICK{cropLeft, cropTop, cropRight, cropBottom, crop}; }
    void SetCrop(const ST_CROP_THICK& c)
    {
        cropLeft = c.left;
        cropTop = c.top;
        cropRight = c.right;
        cropBottom = c.bottom;
        crop = c.changed;
    }
};

// Clears a freshly built record: numbers and flags 0, rotation -1.
// Path, trim times, strings and lists are left as they are.
void InitOpts(ST_OPTS* opts);

// Looks beside the media file for <base>.ass, .ssa, then .srt; the first one
// that is a file becomes the subtitle path and sets the subtitle flag.
// Nothing changes when none exists.
void InitSubtitleFile(ST_OPTS* opts, const QString& mediaPath);
