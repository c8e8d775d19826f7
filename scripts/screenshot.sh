#!/usr/bin/env bash
# Takes the README's pictures under a virtual X server, in a fresh home so no
# personal settings show: the main window (docs/screenshot-main.png) with the
# program's own start-up, and the editor (docs/screenshot-editor.png) with a
# source row, an image layer, a text layer and a subtitle file, put there
# through the real windows by the acceptance test's first steps.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
JOBS=${LUMACREST_JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMACREST_TESTS=ON >/dev/null
cmake --build build -j "$JOBS" --target lumacrest_startprobe acceptance_tst_usersession
out=${1:-docs/screenshot-main.png}
editor_out=${2:-docs/screenshot-editor.png}
mkdir -p "$(dirname "$out")" "$(dirname "$editor_out")"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.local/share/Lumacrest" "$home/runtime"
chmod 700 "$home/runtime"
printf '[System]\nOutPath=/home/user/Videos/VideoOutput\n' >"$home/.local/share/Lumacrest/Lumacrest.ini"
run_x() {
  HOME=$home XDG_RUNTIME_DIR=$home/runtime LC_ALL=C.UTF-8 QT_LOGGING_RULES='*.debug=false' QT_QPA_PLATFORM=xcb SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}
run_x build/bin/lumacrest_startprobe --screenshot "$(realpath -m "$out")"
echo "Wrote $out"
LUMACREST_EDITOR_SCREENSHOT=$(realpath -m "$editor_out") \
  run_x build/bin/acceptance_tst_usersession addAndDropTwoFiles editLayersPreviewAndSave >/dev/null
echo "Wrote $editor_out"
