#!/usr/bin/env bash
# Takes the README's picture of the main window (docs/screenshot-main.png)
# with the program's own start-up under a virtual X server, in a fresh home
# so no personal settings show.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
JOBS=${LUMACREST_JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMACREST_TESTS=OFF >/dev/null
cmake --build build -j "$JOBS" --target lumacrest_startprobe
out=${1:-docs/screenshot-main.png}
mkdir -p "$(dirname "$out")"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.local/share/Lumacrest" "$home/runtime"
chmod 700 "$home/runtime"
printf '[System]\nOutPath=/home/user/Videos/VideoOutput\n' >"$home/.local/share/Lumacrest/Lumacrest.ini"
HOME=$home XDG_RUNTIME_DIR=$home/runtime LC_ALL=C.UTF-8 QT_LOGGING_RULES='*.debug=false' QT_QPA_PLATFORM=xcb SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/lumacrest_startprobe --screenshot "$(realpath -m "$out")"
echo "Wrote $out"
