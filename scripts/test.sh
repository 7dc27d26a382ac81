#!/usr/bin/env bash
# Sets up what is missing, builds everything with warnings as errors, and runs
# the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh --warnings-as-errors
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)"
