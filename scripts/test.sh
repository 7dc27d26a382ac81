#!/usr/bin/env bash
# Sets up what is missing, checks that the lines of the last change follow
# .clang-format, builds everything with warnings as errors, and runs the whole
# test suite headless; then builds it again in build-asan/ under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs it a second time,
# with the replays of the fuzz corpora. The first report of a sanitizer fails
# the test it comes in; leaks are reported at the end of each test program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
scripts/build.sh --warnings-as-errors
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j "$(nproc)")

scripts/build.sh --warnings-as-errors --sanitize
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd build-asan
ctest --output-on-failure -j "$(nproc)"
