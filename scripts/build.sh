#!/usr/bin/env bash
# Configures and builds into build/ (Release with debug information).
#   scripts/build.sh [--warnings-as-errors] [target ...]
# Without a target everything is built: the program, the tests, the benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
# Without the flag the build keeps what it had, so that switching between the
# test and run commands does not recompile everything.
if [ "${1:-}" = "--warnings-as-errors" ]; then
  options+=(-DTAVREL_WARNINGS_AS_ERRORS=ON)
  shift
fi
cmake -S . -B build "${options[@]}" >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build build -j "$(nproc)" "${targets[@]}"
