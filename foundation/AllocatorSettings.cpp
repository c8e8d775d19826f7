#include "AllocatorSettings.h"

#include <malloc.h>

void ApplyAllocatorSettings()
{
    // One arena for every thread: malloc_trim gives back the free end of the
    // main arena only, so the free ends of the arenas of a preview's stream
    // threads would stay with the program, growing with every preview.
    mallopt(M_ARENA_MAX, 1);
    // The thresholds stay where glibc's own grow to once the program freed a
    // large buffer, so playback reuses picture-sized buffers instead of
    // mapping them anew for every picture.
    constexpr int kMmapThreshold = 32 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
    mallopt(M_TRIM_THRESHOLD, 2 * kMmapThreshold);
}
