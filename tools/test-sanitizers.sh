#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitizers/ and runs every test there; the first report stops the
# test that made it, and the test fails. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitizers -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" "$@"
cmake --build build-sanitizers --parallel "${JOBS:-$(nproc)}"
# Chromium inside Qt WebEngine frees some objects through a sized delete of
# another type; that is the browser engine's, not ours.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:new_delete_type_mismatch=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan-qt.supp}"
run_tests() { ctest --test-dir build-sanitizers --no-tests=error --output-on-failure --parallel "${JOBS:-$(nproc)}" "$@"; }
run_tests -E '^DocumentsTest$'
# The PDF view's lasting allocations are made deep inside Qt, which keeps no
# frame pointers: only full stacks match their suppressions, and those make
# every allocation slow, so they are taken for that one test alone.
LSAN_OPTIONS="$LSAN_OPTIONS:fast_unwind_on_malloc=0" run_tests -R '^DocumentsTest$'
