#pragma once
// The preview player: one process-wide playback behind a small C-style API.
// Every function is called on the GUI thread. Results: 0 on success, -1 when
// no stream is open (where noted). JxPlayerStart returns only when playback has
// ended; while it runs, the owner's other slots run nested inside its loop.
#include <cstdint>

class QImage;
class QWidget;

// Play flag owned by the callers: an owner sets it to 1 before JxPlayerStart,
// and its stop handler clears it before calling JxPlayerStop.
extern int g_nPlayWindow;

// Plays fileName (8-bit path) in the host widget until g_nPlayWindow is 0. At the
// end of the stream, or when it cannot be played, the owner's "OnStop" slot runs
// (the player-widget owner when given, else the editor owner). x and y are not
// used: the host widget's geometry places the picture. Always returns 0.
int JxPlayerStart(const char* fileName, QWidget* host, QWidget* playerOwner, QWidget* editorOwner,
                  int x, int y, int width, int height);
// Toggles pause. 0, or -1 without a stream.
int JxPlayerPause();
// Closes the stream, its threads, the player window and empties the filter list. 0.
int JxPlayerStop();
// Playing position in microseconds on the timeline that starts at the file's
// start (0 without a stream or while the clock has no value).
int64_t JxPlayerGetPosition();
// Asks to seek to the given position (seconds on the same timeline). 0, or -1.
int JxPlayerSetPosition(double seconds);
// Duration of the open file in microseconds; 0 without a stream or while opening.
int64_t JxPlayerGetDuration();
// Sets the player's size (x, y: global position, not used). 0.
int JxPlayerResize(int x, int y, int width, int height);
// 1 playing, 2 paused, 3 stopping, 4 no stream.
int JxPlayerGetPlayState();
// Mixer volume 0-128, or -1 without a stream.
int JxPlayerGetVolume();
// Sets the mixer volume, kept within 0-128; returns the volume stored, or -1.
int JxPlayerSetVolume(int volume);
// Adds a video filter-graph text (copied) for the next start; only the first
// text added before a start is used, and every start empties the list.
// 0, or a negative error code when the list cannot grow.
int JxPlayerAddVfilter(const char* filterText);
// Converts the last decoded picture of the stream, scaled to width x height, into
// *out as QImage::Format_RGB32. Never waits for the decoder. Returns 0; *out is
// left untouched when there is no stream, no picture yet or a size is invalid.
int JxPlayerGetPicture(QImage* out, int width, int height);
