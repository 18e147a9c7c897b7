#!/bin/sh
# Runs the fuzz targets side by side for SECONDS seconds each, from corpora
# kept in the build folder (out of git): the codec's two seeded with the
# GRIB fixtures, the pictures' one with the small pictures of
# tests/data/images. A crash is left in BUILD/crashes/; copy it into
# tests/data/grib1/fuzz/ or tests/data/images/fuzz/ once mended: the
# malformed-input tests replay it.
#   sh tests/fuzz.sh BUILD SECONDS
set -u
BUILD=$1
SECONDES=$2
SOURCES=$(cd "$(dirname "$0")/.." && pwd)
CIBLES="codes/fuzz_grib_get codes/fuzz_ibfile ui/fuzz_image"
mkdir -p "$BUILD/crashes"

# The seeds of a target: the files of its folder's test data.
graines() {
    case $1 in
    codes) ls "$SOURCES"/tests/data/grib1/*.grb "$SOURCES"/tests/data/grib1/*.grib* \
              "$SOURCES"/tests/data/grib1/melange.bin "$SOURCES"/tests/data/grib1/fuzz/* ;;
    ui) ls "$SOURCES"/tests/data/images/*.gif "$SOURCES"/tests/data/images/*.jpg \
           "$SOURCES"/tests/data/images/*.png "$SOURCES"/tests/data/images/fuzz/* ;;
    esac 2>/dev/null
}

statut=0
pids=""
for c in $CIBLES; do
    dossier=${c%/*}
    cible=${c#*/}
    corpus=$BUILD/corpus/$cible
    mkdir -p "$corpus"
    for f in $(graines "$dossier"); do
        [ -f "$f" ] && cp -n "$f" "$corpus/" 2>/dev/null
    done
    # Leaks of libraries below a target that it accepts, where it has some.
    supp=$SOURCES/tests/$dossier/fuzz/lsan.supp
    [ -f "$supp" ] || supp=
    # The program's log and the readers under the toolkit print on the standard
    # output and error: both closed for the target (libFuzzer and the
    # sanitizers keep their own).
    env ${supp:+LSAN_OPTIONS=suppressions=$supp} "$BUILD/tests/$dossier/fuzz/$cible" -max_total_time="$SECONDES" -timeout=20 \
        -rss_limit_mb=4096 -print_final_stats=1 -close_fd_mask=3 \
        -artifact_prefix="$BUILD/crashes/$cible-" "$corpus" > "$BUILD/$cible.log" 2>&1 &
    pids="$pids $!"
done
for pid in $pids; do
    wait "$pid" || statut=1
done
for c in $CIBLES; do
    cible=${c#*/}
    echo "$cible: $(grep -E 'stat::number_of_executed_units' "$BUILD/$cible.log" | tr -s ' ')"
done
if [ "$statut" -ne 0 ]; then
    echo "fuzzing found a crash: see $BUILD/fuzz_*.log and $BUILD/crashes/"
    for l in "$BUILD"/fuzz_*.log; do tail -n 40 "$l"; done
fi
exit "$statut"
