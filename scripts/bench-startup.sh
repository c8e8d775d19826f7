#!/usr/bin/env bash
# Start-up benchmark: process start to the main window's first paint, Release
# build, under a virtual X server; prints every run and the median of N (10).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
JOBS=${LUMACREST_JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMACREST_TESTS=OFF >/dev/null
cmake --build build -j "$JOBS" --target lumacrest_startprobe
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
HOME=$home XDG_RUNTIME_DIR=$home/runtime LC_ALL=C.UTF-8 QT_LOGGING_RULES='*.debug=false' QT_QPA_PLATFORM=xcb SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/lumacrest_startprobe --bench "${1:-10}"
