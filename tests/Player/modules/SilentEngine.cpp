// The engine's functions for a player module that is built only to be
// refused (another build's module, tests/CMakeLists.txt): it plays nothing.
#include "ffplay.h"

int JxPlayerStart(const char*, QWidget*, QWidget*, QWidget*, int, int, int, int)
{
    return 0;
}
void JxPlayerPrepareHost(QWidget*) {}
int JxPlayerPause()
{
    return -1;
}
int JxPlayerStop()
{
    return 0;
}
int64_t JxPlayerGetPosition()
{
    return 0;
}
int JxPlayerSetPosition(double)
{
    return -1;
}
int64_t JxPlayerGetDuration()
{
    return 0;
}
int JxPlayerResize(int, int, int, int)
{
    return 0;
}
int JxPlayerGetPlayState()
{
    return 4;
}
int JxPlayerGetVolume()
{
    return -1;
}
int JxPlayerSetVolume(int)
{
    return -1;
}
int JxPlayerAddVfilter(const char*)
{
    return 0;
}
int JxPlayerGetPicture(QImage*, int, int)
{
    return 0;
}
