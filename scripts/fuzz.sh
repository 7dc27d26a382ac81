#!/usr/bin/env bash
# Fuzzes the readers of outside bytes, one target after the other, and prints
# for each: executions, executions per second, coverage (libFuzzer's cov and
# ft) and findings (inputs that crash, hang, or break a promise).
#   scripts/fuzz.sh [--minimise] [seconds per target] [target ...]
# Targets: record configuration exercisefile rtf evaluator markerfile (all
# by default); 60 seconds each by default. Builds with clang into build-fuzz/.
# Each run starts from fuzz/corpus/<target>/ and what earlier runs found
# (build-fuzz/corpus/<target>/); findings land in build-fuzz/findings/<target>/
# and the log in build-fuzz/logs/<target>.log. With --minimise the corpus of
# the repository takes afterwards the fewest inputs found that reach the code
# edges it did not reach yet (libFuzzer's -merge=1).
set -euo pipefail
cd "$(dirname "$0")/.."

minimise=0
if [ "${1:-}" = "--minimise" ]; then
  minimise=1
  shift
fi
seconds=60
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
all=(record configuration exercisefile rtf evaluator markerfile)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")
for target in "${targets[@]}"; do
  [ -d "fuzz/corpus/$target" ] || { echo "unknown target: $target (one of: ${all[*]})" >&2; exit 2; }
done

command -v clang++ >/dev/null || { echo "clang++ is missing: run scripts/setup.sh" >&2; exit 1; }
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_FUZZ=ON >/dev/null
build=()
for target in "${targets[@]}"; do
  build+=(--target "fuzz_$target")
done
nice -n 10 cmake --build build-fuzz -j 2 "${build[@]}" >/dev/null

# The readers' own limits: the largest file of each kind the program meets is
# far below these sizes; the RTF reader must stay within the time and memory.
declare -A maxLength=([record]=4608 [configuration]=4608 [exercisefile]=4608 [rtf]=16384 [evaluator]=1200 [markerfile]=4608)
# Leaks are looked for by the replays in build-asan (with Qt's own at exit
# told apart); here they would only slow every run down.
export ASAN_OPTIONS=malloc_context_size=0:detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

summary=()
for target in "${targets[@]}"; do
  work=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  log=build-fuzz/logs/$target.log
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  : >"$log"
  runs=0
  left=$seconds
  started=$SECONDS
  # libFuzzer stops at a finding: start it again for the time that is left.
  while [ "$left" -gt 0 ]; do
    status=0
    nice -n 10 "build-fuzz/fuzz/fuzz_$target" -max_total_time="$left" -timeout=10 -rss_limit_mb=2048 \
      -max_len="${maxLength[$target]}" -print_final_stats=1 -artifact_prefix="$findings/" \
      "$work" "fuzz/corpus/$target" >>"$log" 2>&1 || status=$?
    done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    runs=$((runs + ${done:-0}))
    [ "$status" -eq 0 ] && break
    left=$((seconds - (SECONDS - started)))
  done
  elapsed=$((SECONDS - started))
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)
  found=$(find "$findings" -type f | wc -l)
  summary+=("$(printf '%-14s %12d %10d %-22s %4d' "$target" "$runs" "$((runs / (elapsed > 0 ? elapsed : 1)))" "${coverage:-cov: ? ft: ?}" "$found")")

  if [ "$minimise" -eq 1 ]; then
    # The inputs kept are those that reach a code edge that the corpus does
    # not (not a new count of hits or a new comparison): the corpus of the
    # repository keeps its named files and stays small.
    nice -n 10 "build-fuzz/fuzz/fuzz_$target" -merge=1 -use_counters=0 -use_cmp=0 -max_len="${maxLength[$target]}" \
      -timeout=10 -rss_limit_mb=2048 "fuzz/corpus/$target" "$work" >>"$log" 2>&1
  fi
done

printf '%-14s %12s %10s %-22s %4s\n' target executions exec/s coverage findings
printf '%s\n' "${summary[@]}"
for target in "${targets[@]}"; do
  find "build-fuzz/findings/$target" -type f -printf '  finding: %p\n'
done
