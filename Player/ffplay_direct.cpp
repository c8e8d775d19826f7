// The engine linked straight into a program (the player's own tests): the play
// flag is its own g_nPlayWindow, as the program's is for the module.
#include "ffplay.h"
#include "ffplay_internal.h"

int g_nPlayWindow = 0;
int* play_window_flag = &g_nPlayWindow;
