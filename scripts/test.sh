#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

BUILD=${LUMACREST_TEST_BUILD:-build-test}
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DLUMACREST_SANITIZE=ON -DLUMACREST_WERROR=ON -DLUMACREST_TESTS=ON -DLUMACREST_BENCHMARKS=ON >/dev/null
cmake --build "$BUILD" -j "$JOBS"

export QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy LC_ALL=C.UTF-8
# A private home, so no test reads what an earlier run (or a real user) left in
# the standard folders.
TEST_HOME=$(mktemp -d)
XDG_RUNTIME_DIR=$TEST_HOME/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME=$TEST_HOME XDG_RUNTIME_DIR
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
trap 'rm -rf "$TEST_HOME"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_odr_violation=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$BUILD"
ctest --output-on-failure -j "$JOBS"
