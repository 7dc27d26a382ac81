#!/usr/bin/env bash
# Sets up what is missing, builds the program (not the tests), and starts Tavrel TS.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh tavrel
exec build/app/tavrel
