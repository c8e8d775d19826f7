#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMACREST_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
exec build/bin/Lumacrest "$@"
