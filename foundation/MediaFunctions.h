#pragma once
// Looking into media files with the FFmpeg libraries, in-process and
// synchronously: basic facts, one picture, codec names. Only the named
// regular file is read (see MediaInput).
#include <QImage>
#include <QString>

#include <atomic>

class QFile;
struct PictureGeometry;

// Width, height, duration (microseconds), frame rate and bit rate of a file.
// The frame rate is the pictures' (ST_MEDIA_INFO::PictureRate): for a
// variable rate its usual one.
// The size is the picture's as the converter turns it by its display matrix
// (a quarter turn swaps the stored width and height), in pixels.
// Outputs are left untouched when the file cannot be opened or probed, or is
// refused (not a regular file, or a kind that reads other files); width,
// height and fps stay untouched without a video stream (cover art is not one).
// An unknown duration is 0 and an invalid frame rate 0. width, height and
// duration must be given; fps, bitRate and the last argument may be null, and
// the last argument is never touched.
void GetMediaInfo(const char* path, int* width, int* height, long long* duration,
                  float* fps = nullptr, long long* bitRate = nullptr, QString* unused = nullptr);

// The first picture the decoder completes after seeking back to the key frame
// at or before time (microseconds from the start of the stream), as an RGB32
// image of the stream's size. When the decoder opens but nothing decodes the
// image is opaque black. The image is left untouched when the file, its video
// stream or its decoder fails, and when the picture's size is not allowed
// (refused before decoding). duration (may be null) receives the container
// duration in microseconds, 0 when unknown.
void GetMediaImage(const char* path, QImage* image, long long time, long long* duration = nullptr);
// The same picture as a player shows it: turned by the stream's display
// matrix as the converter turns it, and stretched to the aspect of its
// pixels (ShownPictureSize), so a quarter turn gives the size swapped and a
// widescreen DVD picture its 16:9. A square-pixel picture that is not
// turned comes as GetMediaImage gives it. geometry (may be null) receives
// the stream's geometry that made the picture, its fields as the picture
// decoded is marked where the stream tells none, and is left untouched when
// no picture is given.
void GetShownMediaImage(const char* path, QImage* image, long long time, long long* duration = nullptr,
                        PictureGeometry* geometry = nullptr);
// The picture of a file that holds one still picture, already opened for
// reading as fd (which stays the caller's: the file is read from its start
// through a descriptor of its own), as a Format_ARGB32 image that keeps the
// picture's transparency. Its content alone tells its kind, never its name.
// Null when the file is no kind of picture the libraries read (a video or a
// script is none), nothing decodes, or its size, read before decoding, is
// not allowed.
QImage GetMediaPicture(int fd);
// What the media libraries make of a picture file's content.
struct ST_PICTURE_READER {
    // The reader that takes it as a picture of an allowed size: an image
    // pipe such as "png_pipe", or the reader of a picture kind that
    // animates, such as "gif" or "apng". Empty when none does (a video, a
    // sound, a script, a kind the libraries read only as several pictures,
    // an oversized file).
    QString name;
    // The pictures of one play: 1 for a still.
    int frames = 0;
    // One play of an animation in microseconds, from its first picture's
    // start to its last one's end; 0 for a still or when unknown.
    long long playTime = 0;
    // The plays an animation's file asks for; 0 for ever, and for a still.
    int plays = 0;
    // A still kind in a file larger than any picture allowed: more than
    // the picture is in it, which no reader is to read through.
    bool oversized = false;
};
// The reader of the file opened as fd, read as GetMediaPicture reads it.
// Once `cancel` (may be null) is set, the reading ends early.
ST_PICTURE_READER MediaPictureReader(int fd, const std::atomic<bool>* cancel = nullptr);
// A layer's picture as the editor shows it, from `file`, opened by the
// caller: by the toolkit's reader that recognises its content, else by the
// media libraries (GetMediaPicture). Null when neither reads it, or its size
// is not allowed.
QImage ReadLayerPicture(QFile* file);
// Whether a picture of this size may be decoded: at most 16384 pixels a side
// and 64 megapixels in all. Frames and layer pictures above it are refused.
bool PictureSizeAllowed(int width, int height);
// Scales a decoded frame into *out, which must already be a width x height
// Format_RGB32 image, or Format_ARGB32 to keep the frame's transparency;
// false (and *out untouched) when it cannot.
bool ScaleFrameToImage(const struct AVFrame* frame, int width, int height, QImage* out);

// Upper-case display name of an FFmpeg codec identifier; "NONE" for any
// identifier outside the known table.
QString GetCodecID(int codecId);
