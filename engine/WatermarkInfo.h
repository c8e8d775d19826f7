#pragma once
#include <QString>
#include <QStringList>

// One layer as the filter-graph builder places it on the output video; made
// per layer and call of Core::GetCommandArg and dropped when it returns.
struct WatermarkInfo
{
    QString path;           // file read by the layer's movie source (unescaped)
    QString format;         // demuxer forced on the movie source, empty to let it probe
    // A clip's pictures made as a player shows them, deinterlaced where
    // woven and turned, the converter's own filters in order: the movie
    // source hands over the pictures as stored.
    QStringList turn;
    int opacity = 100;      // percent
    int x = 0;              // top-left of the layer's bounding box, output pixels
    int y = 0;
    float angle = 0.0f;     // degrees, clockwise
    int ow = 0;             // bounding box size (the rotate filter's output size)
    int oh = 0;
    bool scale = false;     // the picture must be scaled to w x h
    int w = 0;              // unrotated layer size, output pixels
    int h = 0;
    // On a video whose pixels are not square a turned layer is turned in
    // the shape it is shown in (w, h, ow and oh then in shown pixels), and
    // the turned picture scaled to these output pixels; 0 when not needed.
    int stretchW = 0;
    int stretchH = 0;
    int moveMode = 0;       // 0 still, 1 rightwards, 2 leftwards, 3 downwards, 4 upwards
    int fadeMode = 0;       // 0 none, 1 in, 2 out, 3 both
    int loop = 0;
    bool hold = false;      // the last picture stays once the plays are done
    long long start = 0;    // microseconds, 0 = not set
    long long end = 0;      // microseconds, 0 = to the end of the video
    int speed = 0;          // output pixels per second
    long long duration = 0; // the row's duration in microseconds, 0 when unknown; places a fade-out without end
    long long playTime = 0; // one play of a picture that animates, in microseconds; 0 for anything else
    bool clip = false;      // a video clip: its pictures keep their own times
};
