#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless twice: with
# the sanitizers (Debug) and in the Release build that users run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

JOBS=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy LC_ALL=C.UTF-8
# A private home, so no test reads what an earlier run (or a real user) left in
# the standard folders.
TEST_HOME=$(mktemp -d)
trap 'rm -rf "$TEST_HOME"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_odr_violation=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# build_and_test <what> <build folder> <cmake options...>: builds and runs one
# half; its CTest summary is added to $SUMMARY. Fails when either step fails.
SUMMARY=$TEST_HOME/summary
build_and_test() {
  local what=$1 build=$2
  shift 2
  echo "== $what ($build)"
  local log=$TEST_HOME/$(basename "$build").log rc=0
  if ! cmake -S . -B "$build" "$@" -DLUMACREST_WERROR=ON -DLUMACREST_TESTS=ON >/dev/null ||
     ! cmake --build "$build" -j "$JOBS"; then
    echo "the build failed" >"$log"
    rc=1
  else
    local home=$TEST_HOME/$(basename "$build")
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    (
      export HOME=$home XDG_RUNTIME_DIR=$home/runtime
      unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
      cd "$build"
      ctest --output-on-failure -j "$JOBS"
    ) 2>&1 | tee "$log" || rc=1
  fi
  {
    echo "== $what:"
    # From "NN% tests passed" on: the count and the programs that failed.
    sed -n '/tests passed/,$p' "$log" | grep -v '^$' | sed 's/^/   /'
    [ $rc -eq 0 ] || grep -q 'tests passed' "$log" || sed 's/^/   /' "$log" | tail -n 5
  } >>"$SUMMARY"
  return $rc
}

# Both halves always run: a failure in one does not hide the other's result.
status=0
build_and_test "sanitizer build (Debug, ASan+UBSan)" build-test \
  -DCMAKE_BUILD_TYPE=Debug -DLUMACREST_SANITIZE=ON -DLUMACREST_BENCHMARKS=ON || status=1
build_and_test "Release build" build-release -DCMAKE_BUILD_TYPE=Release -DLUMACREST_SANITIZE=OFF || status=1
echo
cat "$SUMMARY"
exit $status
