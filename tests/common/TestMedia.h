#pragma once
// Test media made on the fly with the converter's lavfi sources, so no binary
// files live in the repository.
#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

namespace TestMedia {

// The converter tool: the application folder's JxEngine link, else ffmpeg.
QString Converter();

// Runs the converter with the given arguments (after "-hide_banner -y
// -loglevel error"); true when it exits 0. Output goes to the test log on failure.
bool RunConverter(const QStringList& args, int timeoutMs = 120000);

// A video with sound: testsrc2 picture, sine tone.
QString MakeVideo(const QString& dir, const QString& name = "video.mp4",
                  double seconds = 2.0, int width = 320, int height = 240,
                  int fps = 25, const QStringList& extraOutputArgs = {});
// A video of one solid colour (e.g. "red"), with sound.
QString MakeSolidVideo(const QString& dir, const QString& color,
                       const QString& name = "solid.mp4", double seconds = 2.0,
                       int width = 320, int height = 240, int fps = 25);
// A video without any sound stream.
QString MakeSilentVideo(const QString& dir, const QString& name = "silent.mp4",
                        double seconds = 2.0, int width = 320, int height = 240, int fps = 25);
// Audio only (sine tone).
QString MakeAudio(const QString& dir, const QString& name = "audio.mp3", double seconds = 2.0);
// 180 pictures showing their numbers in bits (PictureNumbers), at `rate`, at the milliseconds a setpts expression
// `rate` of their number N gives, or (no rate) as a phone's.
QString MakeNumberedVideo(const QString& dir, const QString& name, const QString& rate);
QVector<int> PictureNumbers(const QString& path);
// The presentation times of a file's pictures in seconds, in the order they are shown.
QVector<double> PictureTimes(const QString& path);
// A still image (PNG unless the name says otherwise).
QString MakeImage(const QString& dir, const QString& name = "image.png",
                  int width = 160, int height = 120, const QString& color = "blue");

// A black-and-white PNG of the given size, a few kilobytes whatever the
// size: with its pixels (all black), or only claiming the size (an empty
// picture stream that decoders give up on).
QByteArray PngOfSize(quint32 width, quint32 height, bool withPixels);

// Phone and camera pictures. A copy of an MP4 file whose picture stream
// carries the rotation tag the converter writes for
// "-metadata:s:v:0 rotate=<degrees>"; empty on failure.
QString TagRotation(const QString& mp4, const QString& out, int degrees);
// A copy of an MP4 file whose first track's display matrix is (a b; c d),
// each -1, 0 or 1: mirrored matrices, which the converter has no option
// for; empty when the file holds no such track header.
QString WithDisplayMatrix(const QString& mp4, const QString& out, int a, int b, int c, int d);

// A one-second grey video with a green mark in its stored top-left corner
// (a quarter of the width, a third of the height), at a camera's bit rate,
// whose pixels have the sample aspect `sar` (such as "64/45") and whose
// picture stream carries a rotation tag (0 for none) or else a display
// matrix (a b c d; empty for none); empty on failure.
QString MakeTurnedVideo(const QString& dir, const QString& name, const QSize& stored, const QString& sar,
                        int tag, const QVector<int>& matrix);

// Result of ffprobe-like inspection through the converter's own prober.
struct ProbeResult {
    bool ok = false;
    double duration = 0;  // seconds, 0 when unknown
    int width = 0;
    int height = 0;
    QStringList codecs;   // codec names of the streams, in order
};
ProbeResult Probe(const QString& path);

// ffprobe's full JSON report (format and streams); empty when it fails.
QJsonObject ProbeJson(const QString& path);

// A file's first sound stream as ffprobe decodes it: the length its decoded
// samples give (some containers keep no packet lengths, or stamps that lie),
// -1 when it has no sound or none decodes.
struct DecodedSound {
    double seconds = -1;
    QString codec;
    int channels = 0;
    int sampleRate = 0;
    QString sampleFormat; // as the decoder gives it, e.g. "s32" for 24-bit PCM
};
DecodedSound DecodeSound(const QString& path);

// Writes an executable shell script (for fake tools in tests).
bool WriteScript(const QString& path, const QByteArray& body);

} // namespace TestMedia
