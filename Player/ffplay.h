#pragma once
// The preview player: one process-wide playback behind a small C-style API.
// Every function is called on the GUI thread. Results: 0 on success, -1 when
// no stream is open (where noted). JxPlayerStart returns only when playback has
// ended; while it runs, the owner's other slots run nested inside its loop.
// In the program the engine is a module of its own: these functions load it
// with the first preview and forward to it (PlayerLoader.h).
#include <cstdint>

class QImage;
class QWidget;

// Play flag owned by the callers: an owner sets it to 1 before JxPlayerStart,
// and its stop handler clears it before calling JxPlayerStop.
extern int g_nPlayWindow;

// THE HOST WIDGET. The owner passes a plain QWidget that it created itself, a
// child of its own widget placed by the owner's geometry, with no child widgets
// of its own; no subclass is needed. JxPlayerStart watches it while the stream
// plays and, on X11, sets it up (JxPlayerPrepareHost):
// - On X11 (Qt on xcb, SDL on x11) the picture is drawn straight into the
//   host's own native window and fills it: the host's position (within its
//   parent) is the picture's place, and its size, width x height of the start
//   or of JxPlayerResize (both set it through Qt), the picture's size; the
//   picture is fitted inside with black bands, centred. Elsewhere the player
//   draws off screen and the host only marks the place.
// - Qt never paints the host (no background, no paint events, updates off); an
//   expose or repaint of it draws the last picture again, paused or not.
// - The player shows the host through Qt when the first picture is drawn and
//   hides it when the stream ends, so isVisible() tells whether it is on screen.
// - The host may be destroyed at any time, alone or with a parent or window
//   holding it: the player releases its renderer before the native window goes,
//   ends the stream and runs the owner's "OnStop" slot (when the owner still
//   exists) from its loop.
// Owners run JxPlayerResize when they resize the host while it plays.
//
// Plays fileName (8-bit path) in the host widget until g_nPlayWindow is 0. At the
// end of the stream, or when it cannot be played, the owner's "OnStop" slot runs
// (the player-widget owner when given, else the editor owner). A start while
// another owner's stream plays ends that stream and runs that owner's "OnStop"
// first (the play flag it clears is set again for this start). x and y are not
// used: the host widget's geometry places the picture. Always returns 0.
int JxPlayerStart(const char* fileName, QWidget* host, QWidget* playerOwner, QWidget* editorOwner,
                  int x, int y, int width, int height);
// Sets up a host widget as JxPlayerStart does (its own native window, no Qt
// painting or background, updates off), for an owner that wants it ready before
// the first start. Optional; harmless on a host already set up.
void JxPlayerPrepareHost(QWidget* host);
// Toggles pause. 0, or -1 without a stream.
int JxPlayerPause();
// Closes the stream, its threads, the player window and empties the filter
// list; the memory they used goes back to the system. 0.
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
// Converts the last decoded picture of the stream, turned by its display matrix
// as the player shows it and scaled to width x height, into *out as
// QImage::Format_RGB32 (the layers of the filter text are not on it). Never
// waits for the decoder. Returns 0; *out is left untouched when there is no
// stream, no picture yet or a size is invalid.
int JxPlayerGetPicture(QImage* out, int width, int height);
