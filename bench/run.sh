#!/usr/bin/env bash
# Prints one table: every construction's redraw over point counts and resolutions, then the
# idle frame, a frame with a point held still and frames with a drag in progress, Cubic's fresh
# solve beside its replay, and per construction the point counts whose redraw at the initial
# resolution takes 8 ms and 1 s (limits/, a search of a few minutes).
# Usage: bench/run.sh <release build dir>
set -euo pipefail
build=${1:-build/release}
"$build/bench/benchmarks" --benchmark_counters_tabular=true --benchmark_min_time=0.2 "${@:2}"
