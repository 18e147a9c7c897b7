#!/bin/sh
# The encoder and the time interpolation against cdo and eccodes:
#   sh bench/grib/interpolation.sh BUILD_DIR
#
# Ours and theirs run in turn, 7 pairs after one not counted: the medians of
# both times and the median ratio ours / theirs with its 95th percentile.
# - gribtool interp against cdo -s inttime on a 3-hourly file of 25 steps x
#   10 parameters on 400 x 300 points (made once in BUILD_DIR/bench-data),
#   with the peak memory of one run (goal: ratio 0.5 or less); the outputs
#   are then compared for parameters 2, 11 and 100 at hours 1, 2, 37 and 38
#   through eccodes: |ours - cdo| within the input's step plus the output's.
# - gribtool repack against grib_set -r -s packingType=grid_simple on the
#   ~120 MB service file of run.sh: every message decoded and encoded again
#   (goal: ratio 0.5 or less).
set -e

build=${1:?usage: sh bench/grib/interpolation.sh BUILD_DIR}
outil=$(cd "$build/tools" && pwd)/gribtool
generateur=$build/bench/grib/gen_grib_service
donnees=$(mkdir -p "$build/bench-data" && cd "$build/bench-data" && pwd)
. "$(dirname "$0")/mesure.sh"

entree=$donnees/interpolation_25x10.grb
service=$donnees/grib_service.grb
generer "$entree" 25 10
generer "$service" 40 25
travail=$donnees/interpolation
rm -rf "$travail" && mkdir -p "$travail/lockdir"
cd "$travail"
cp "$entree" entree.grb

if ! command -v cdo > /dev/null 2>&1; then
    echo "cdo is not installed: make bench installs it" >&2
    exit 1
fi
interp="rm -f lockdir/*; '$outil' interp entree.grb"
cdo_="cdo -s -O inttime,2026-12-06,00:00:00,1hour entree.grb cdo.grb"
set -- $(paires 7 "$interp" "$cdo_")
pic() { /usr/bin/time -f %M sh -c "$1" 2>&1 > /dev/null | tail -1; }
awk -v a="$1" -v b="$2" -v r="$3" -v p="$4" -v o="$(taille entree.grb)" \
    -v ma="$(pic "$interp")" -v mb="$(pic "$cdo_")" 'BEGIN {
    printf "interpolation of %.1f MB (25 steps x 10 parameters, 400 x 300, 3-hourly), medians of 7:\n", o / 1e6
    printf "  gribtool interp %7.3f s  peak %6.1f MB | cdo inttime %7.3f s  peak %6.1f MB | ratio %.2f (p95 %.2f; goal 0.5 or less)\n",
           a / 1e9, ma / 1024, b / 1e9, mb / 1024, r, p }'

# Hours inside the 3-hour steps, parameters that cdo and we both take
# linearly: the values of both outputs within the steps.
pas() {  # FILE PARAMETER: the largest packing step of its fields
    grib_get -w indicatorOfParameter="$2" -p binaryScaleFactor "$1" |
        awk '{ e = $1 > e || NR == 1 ? $1 : e } END { print 2 ^ e }'
}
ecarts=0
for p in 2 11 100; do
    tolerance=$(awk -v a="$(pas entree.grb $p)" -v b="$(pas lockdir/interentree.grb $p)" \
        'BEGIN { print a + b }')
    for h in 1 2 37 38; do
        grib_get_data -w indicatorOfParameter=$p,stepRange=$h lockdir/interentree.grb > a.txt
        grib_get_data -w indicatorOfParameter=$p,stepRange=$h cdo.grb > b.txt
        n=$(paste a.txt b.txt | awk -v t="$tolerance" 'NR > 1 {
            d = $3 - $6; if (d < 0) d = -d; if (d > t || $1 != $4 || $2 != $5) n++ }
            END { print n + 0 }')
        [ "$(wc -l < a.txt)" -gt 1 ] || n=missing
        [ "$n" = 0 ] || { echo "  parameter $p hour $h: $n points differ" >&2; ecarts=1; }
    done
done
[ $ecarts = 0 ] && echo "  outputs agree with cdo (parameters 2, 11, 100; hours 1, 2, 37, 38)"

set -- $(paires 7 "'$outil' repack '$service' repack.grb" \
    "grib_set -r -s packingType=grid_simple '$service' grib_set.grb")
awk -v a="$1" -v b="$2" -v r="$3" -v p="$4" -v o="$(taille "$service")" 'BEGIN {
    printf "encoding, every message of %.1f MB decoded and written again, medians of 7:\n", o / 1e6
    printf "  gribtool repack %7.3f s %6.0f MB/s | grib_set -r %7.3f s %6.0f MB/s | ratio %.2f (p95 %.2f; goal 0.5 or less)\n",
           a / 1e9, o / 1e6 / (a / 1e9), b / 1e9, o / 1e6 / (b / 1e9), r, p }'
cd / && rm -rf "$travail"
exit $ecarts
