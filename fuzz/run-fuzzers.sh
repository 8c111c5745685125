#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build (`make fuzz`, and the short run of `make test`).
#
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS [ci]
#
# Each target first runs every seed of fuzz/corpus/<target>/, then fuzzes for SECONDS
# seconds. New inputs go to a working corpus, never into the repository's seeds: with
# "ci" a fresh one that is removed afterwards, otherwise BUILD_DIR/fuzz-corpus/<target>/,
# kept for the next run. FUZZ_JOBS (default 3) targets run at once, under nice. A crash,
# a sanitizer report, a leak, a time-out or a failed check of a target is a finding: its
# input goes to BUILD_DIR/fuzz-findings/ and the run fails. Logs: BUILD_DIR/fuzz-logs/.
set -euo pipefail

build=$(cd "$1" && pwd)
seconds=$2
mode=${3:-}
src=$(cd "$(dirname "$0")" && pwd)
jobs=${FUZZ_JOBS:-3}

findings=$build/fuzz-findings
logs=$build/fuzz-logs
mkdir -p "$findings" "$logs"
scratch=$(mktemp -d)   # the targets' working folder (reports find no log folder there)
if [ "$mode" = ci ]; then
  work=$(mktemp -d)
else
  work=$build/fuzz-corpus
fi
cleanup() {
  rm -rf "$scratch"
  if [ "$mode" = ci ]; then rm -rf "$work"; fi
}
trap cleanup EXIT

targets=()
for exe in "$build"/fuzz/fuzz_*; do
  [ -x "$exe" ] && [ -f "$exe" ] && targets+=("$(basename "$exe")")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "run-fuzzers: no fuzz targets in $build/fuzz" >&2
  exit 1
fi

run_one() {
  local exe=$1 name=${1#fuzz_}
  local seeds=$src/corpus/$name corpus=$work/$name log=$logs/$name.log
  local extra=()
  [ -f "$src/dict/$name.dict" ] && extra+=("-dict=$src/dict/$name.dict")
  mkdir -p "$corpus"
  local start=$SECONDS
  if (cd "$scratch" && nice -n 10 "$build/fuzz/$exe" "${extra[@]}" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=60 -print_final_stats=1 \
        -artifact_prefix="$findings/$name-" "$corpus" "$seeds") >"$log" 2>&1; then
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    printf '%-18s ok      %8s inputs in %3ss\n' "$name" "${runs:-?}" "$((SECONDS - start))"
  else
    printf '%-18s FINDING (log: %s)\n' "$name" "$log"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz target check failed|artifact_prefix|Test unit written)' "$log" | head -8 | sed 's/^/    /'
    return 1
  fi
}

failed=0
running=0
for t in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_one "$t" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done

if [ "$failed" -ne 0 ]; then
  echo "run-fuzzers: findings in $findings"
  exit 1
fi
echo "run-fuzzers: ${#targets[@]} targets, no finding"
