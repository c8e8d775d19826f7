#pragma once
#include <ass/ass.h>

// The process-wide libass handle: created once by main before any window
// exists and never freed; null until then.
extern ASS_Library* g_ass_library;
