#!/usr/bin/env bash
# Installs what is missing, builds the program (Release) and starts it.
# Without a display the program says so and exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
JOBS=${LUMACREST_JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMACREST_TESTS=OFF >/dev/null
cmake --build build -j "$JOBS" --target Lumacrest
exec build/bin/Lumacrest "$@"
