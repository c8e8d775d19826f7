#!/usr/bin/env bash
# Start-up benchmark, Release build, under a virtual X server: the program's
# process start to its main window's first paint and its idle memory, paired
# with a minimal Qt Widgets window (tool bar and table) in the same loop;
# prints every pair and min/median/max of the ratios over N pairs (10).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
JOBS=${LUMACREST_JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMACREST_TESTS=ON -DLUMACREST_BENCHMARKS=ON >/dev/null
cmake --build build -j "$JOBS" --target bench_startup
LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/bench_startup "${1:-10}"
