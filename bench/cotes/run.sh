#!/bin/sh
# Coastline benchmarks: sh bench/cotes/run.sh BUILD_DIR
# Loads the levels of data/img (4 and 5 only when `make mapdata` made them)
# and draws three views on an X server of its own.
set -e
build=${1:?usage: sh bench/cotes/run.sh BUILD_DIR}
banc=$build/bench/cotes/bench_cotes
racine=$(cd "$(dirname "$0")/../.." && pwd)
if [ ! -x "$banc" ]; then
    echo "$banc is missing: build first (is libbenchmark-dev installed?)" >&2
    exit 1
fi
xvfb-run -a -s "-screen 0 1280x1024x24" "$banc" --data="$racine/data" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
