#include "AssLibrary.h"

ASS_Library* g_ass_library = nullptr;
