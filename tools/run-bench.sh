#!/usr/bin/env bash
# Runs the benchmark programs of bench/ from a build folder:  tools/run-bench.sh [BUILD_DIR]
# BENCH_SECONDS=N sets the measuring time of each throughput row (default 5).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
for exe in bench/requests/bench_requests bench/endtoend/bench_endtoend; do
  if [ ! -x "$build/$exe" ]; then
    echo "run-bench: $build/$exe is missing; build first (make build)" >&2
    exit 1
  fi
done

echo "== 1. building, serialising and framing each request kind, against memcpy"
"$build/bench/requests/bench_requests"
echo
echo "== 2-4. Dravik end to end"
"$build/bench/endtoend/bench_endtoend" all --seconds "${BENCH_SECONDS:-5}"
