#!/usr/bin/env bash
# Configures and builds into build/ (Release with debug information).
#   scripts/build.sh [--warnings-as-errors] [--sanitize] [target ...]
# Without a target everything is built: the program, the tests, the benchmark.
# With --sanitize the build goes to build-asan/ instead, under AddressSanitizer
# and UndefinedBehaviorSanitizer (CMake option TAVREL_SANITIZE).
set -euo pipefail
cd "$(dirname "$0")/.."
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
folder=build
# Without the flag the build keeps what it had, so that switching between the
# test and run commands does not recompile everything.
if [ "${1:-}" = "--warnings-as-errors" ]; then
  options+=(-DTAVREL_WARNINGS_AS_ERRORS=ON)
  shift
fi
if [ "${1:-}" = "--sanitize" ]; then
  options+=(-DTAVREL_SANITIZE=ON)
  folder=build-asan
  shift
fi
cmake -S . -B "$folder" "${options[@]}" >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build "$folder" -j "$(nproc)" "${targets[@]}"
