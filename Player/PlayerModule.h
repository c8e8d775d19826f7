#pragma once
// The preview player's engine is a module of its own (a shared library in the
// application folder): only it links the filter, device and SDL libraries, so
// the program starts without them and loads them when a preview first starts.
// The module hands out its functions as one table; the program's JxPlayer*
// functions (PlayerLoader.cpp) forward to it.
#include <cstdint>

class QImage;
class QWidget;

// The module's file name, in the application folder.
#define LUMACREST_PLAYER_MODULE "libLumacrestPlayer.so"
// Its one exported function, a JxPlayerModuleEntry.
#define LUMACREST_PLAYER_ENTRY "LumacrestPlayerFunctions"

// Raised whenever the table changes, so a module of another build is refused
// rather than called through the wrong pointers. (The tests build the module
// with another number, as another build would be.)
#ifndef LUMACREST_PLAYER_MODULE_VERSION
#define LUMACREST_PLAYER_MODULE_VERSION 1
#endif
constexpr int kJxPlayerModuleVersion = LUMACREST_PLAYER_MODULE_VERSION;

struct JxPlayerFunctions {
    int (*Start)(const char* fileName, QWidget* host, QWidget* playerOwner, QWidget* editorOwner, int x, int y,
                 int width, int height);
    void (*PrepareHost)(QWidget* host);
    int (*Pause)();
    int (*Stop)();
    int64_t (*GetPosition)();
    int (*SetPosition)(double seconds);
    int64_t (*GetDuration)();
    int (*Resize)(int x, int y, int width, int height);
    int (*GetPlayState)();
    int (*GetVolume)();
    int (*SetVolume)(int volume);
    int (*AddVfilter)(const char* filterText);
    int (*GetPicture)(QImage* out, int width, int height);
};

// The table, or null when `version` is not the module's. The engine reads the
// play flag at `playFlag` (the program's g_nPlayWindow) from then on.
extern "C" {
typedef const JxPlayerFunctions* (*JxPlayerModuleEntry)(int version, int* playFlag);
}
