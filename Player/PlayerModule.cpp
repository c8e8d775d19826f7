// The module's entry: the engine's functions as one table. Everything else in
// the module is hidden, so it cannot clash with the program's own symbols.
#include "PlayerModule.h"
#include "ffplay.h"
#include "ffplay_internal.h"

int* play_window_flag = nullptr;

extern "C" __attribute__((visibility("default"))) const JxPlayerFunctions* LumacrestPlayerFunctions(int version,
                                                                                                     int* playFlag)
{
    static const JxPlayerFunctions functions = {
        JxPlayerStart,       JxPlayerPrepareHost, JxPlayerPause,        JxPlayerStop,      JxPlayerGetPosition,
        JxPlayerSetPosition, JxPlayerGetDuration, JxPlayerResize,       JxPlayerGetPlayState, JxPlayerGetVolume,
        JxPlayerSetVolume,   JxPlayerAddVfilter,  JxPlayerGetPicture,
    };
    if (version != kJxPlayerModuleVersion || !playFlag)
        return nullptr;
    play_window_flag = playFlag;
    return &functions;
}
