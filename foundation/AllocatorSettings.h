#pragma once

// Sets up the C library's allocator so that what a preview freed can be
// given back at its Stop (malloc_trim). Call it once, first thing in main,
// before any thread exists: the settings must not change while other
// threads allocate.
void ApplyAllocatorSettings();
