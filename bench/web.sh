#!/usr/bin/env bash
# Prints every construction's redraw at 64 and 256 points at maximum resolution, in the native
# Release build beside the browser build's wasm under node, run in one sitting.
# Usage: bench/web.sh <release build dir> <browser build dir>
set -euo pipefail
release=$1 web=$2
native=$("$release/bench/benchmarks" --benchmark_filter='^redraw/[^/]*/maxRes/points:(64|256)(/real_time)?$' \
    --benchmark_min_time=0.5 --benchmark_format=csv 2>/dev/null | awk -F, 'NR > 1 {gsub(/"|\/real_time/, "", $1); print $1 "," $3}')
printf '%-40s %12s %12s\n' "redraw at maximum resolution" "native ms" "browser ms"
node --no-experimental-fetch "$web/bench/web/web_redraw_times.js" | while read -r line; do
    name=${line% *}
    printf '%-40s %12.2f %12.2f\n' "$name" "$(grep -F "$name," <<<"$native" | cut -d, -f2)" "${line##* }"
done
