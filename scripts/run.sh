#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMACREST_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
if [ ! -x build/bin/Lumacrest ]; then
  echo "The Lumacrest program is not part of this build yet (no main window); the libraries and tools are built." >&2
  exit 1
fi
exec build/bin/Lumacrest "$@"
