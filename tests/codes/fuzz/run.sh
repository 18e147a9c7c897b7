#!/bin/sh
# Runs the two fuzz targets side by side for SECONDS seconds each, from a
# corpus kept in the build folder (out of git) and seeded with the GRIB
# fixtures. A crash is left in BUILD/crashes/; copy it into
# tests/data/grib1/fuzz/ once mended: the malformed-input tests replay it.
#   sh tests/codes/fuzz/run.sh BUILD SECONDS
set -u
BUILD=$1
SECONDES=$2
SOURCES=$(cd "$(dirname "$0")/../../.." && pwd)
mkdir -p "$BUILD/crashes"
statut=0
pids=""
for cible in fuzz_grib_get fuzz_ibfile; do
    corpus=$BUILD/corpus/$cible
    mkdir -p "$corpus"
    for f in "$SOURCES"/tests/data/grib1/*.grb "$SOURCES"/tests/data/grib1/*.grib* \
             "$SOURCES"/tests/data/grib1/melange.bin "$SOURCES"/tests/data/grib1/fuzz/*; do
        [ -f "$f" ] && cp -n "$f" "$corpus/" 2>/dev/null
    done
    "$BUILD/tests/codes/fuzz/$cible" -max_total_time="$SECONDES" -timeout=20 \
        -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$BUILD/crashes/$cible-" "$corpus" > "$BUILD/$cible.log" 2>&1 &
    pids="$pids $!"
done
for pid in $pids; do
    wait "$pid" || statut=1
done
for cible in fuzz_grib_get fuzz_ibfile; do
    echo "$cible: $(grep -E 'stat::number_of_executed_units' "$BUILD/$cible.log" | tr -s ' ')"
done
if [ "$statut" -ne 0 ]; then
    echo "fuzzing found a crash: see $BUILD/fuzz_*.log and $BUILD/crashes/"
    for l in "$BUILD"/fuzz_*.log; do tail -n 40 "$l"; done
fi
exit "$statut"
