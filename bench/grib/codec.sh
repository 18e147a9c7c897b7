#!/bin/sh
# The codes library's reader and decoder against eccodes:
#   sh bench/grib/codec.sh BUILD_DIR
#
# On the ~120 MB service file of run.sh and on a 0.25-degree global forecast
# of 200 fields of 1440 x 721 points at 8 bits (~208 MB), plus 100 such
# fields at 16 bits (made once in BUILD_DIR/bench-data), same run, best of
# three; ratio = ours / eccodes (goal: 0.5 or less):
#   gribtool list         against  grib_ls -p offset,totalLength
#   gribtool max          against  grib_get -p max   (the viewer's decoder)
#   gribtool index        against  grib_count        (index made afresh)
#   gribtool decode FILE  against  grib_get -p max   (the codec's decoder)
# then the reopening with a kept index, and the decoder's MB/s and values/s.
# On the 0.25-degree 8-bit file, medians of 7 with their 95th percentile:
# the whole decode process in GB/s of message data (goal: 1.5 or more), and
# gribtool data against grib_get_data on its first field, in turn, 7 pairs
# (goal: ratio 0.5 or less).
set -e

build=${1:?usage: sh bench/grib/codec.sh BUILD_DIR}
outil=$build/tools/gribtool
generateur=$build/bench/grib/gen_grib_service
donnees=$build/bench-data
. "$(dirname "$0")/mesure.sh"

mkdir -p "$donnees"
service=$donnees/grib_service.grb
global8=$donnees/global_8bits.grb
global16=$donnees/global_16bits.grb
generer "$service" 40 25
generer "$global8" 8 25 1440 721 8
generer "$global16" 4 25 1440 721 16

comparer() {  # LABEL OURS EOCODES FILE
    a=$(meilleur "$2")
    b=$(meilleur "$3")
    awk -v l="$1" -v a="$a" -v b="$b" -v o="$(taille "$4")" 'BEGIN {
        printf "  %-16s %8.3f s %7.0f MB/s | eccodes %8.3f s %7.0f MB/s | ratio %.2f\n",
               l, a / 1e9, o / 1e6 / (a / 1e9), b / 1e9, o / 1e6 / (b / 1e9), a / b }'
}

for f in "$service" "$global8" "$global16"; do
    echo "$(basename "$f"): $(taille "$f") octets, $(grib_count "$f") messages"
    rm -f "${f%.*}.kdx"
    comparer list "'$outil' list '$f'" "grib_ls -p offset,totalLength '$f'" "$f"
    # The viewer's decoder reads 8-bit fields only.
    [ "$f" = "$global16" ] ||
        comparer max "'$outil' max '$f'" "grib_get -p max '$f'" "$f"
    comparer "index (fresh)" "'$outil' index '$f'" "grib_count '$f'" "$f"
    comparer decode "'$outil' decode '$f'" "grib_get -p max '$f'" "$f"
    # Values decoded a second by the codec, from its own timing of all fields.
    t=$(meilleur "'$outil' decode '$f'")
    n=$(grib_get -p numberOfPoints "$f" | awk '{ s += $1 } END { print s }')
    awk -v t="$t" -v n="$n" -v o="$(taille "$f")" 'BEGIN {
        printf "  decode: %.0f MB/s of message data, %.0f M values/s\n", o / 1e6 / (t / 1e9), n / 1e6 / (t / 1e9) }'
done

set -- $(repete 7 "'$outil' decode '$global8'")
awk -v m="$1" -v p="$2" -v o="$(taille "$global8")" 'BEGIN {
    printf "decode of global_8bits.grb, whole process, median of 7: %.2f GB/s of message data (p95 %.2f GB/s; goal 1.5 or more)\n",
           o / m, o / p }'
champ=$donnees/global_8bits_champ1.grb
[ -s "$champ" ] || grib_copy -w count=1 "$global8" "$champ"
set -- $(paires 7 "'$outil' data '$champ' 1" "grib_get_data '$champ'")
awk -v a="$1" -v b="$2" -v r="$3" -v p="$4" 'BEGIN {
    printf "one 0.25-degree field as text, medians of 7: gribtool data %.3f s | grib_get_data %.3f s | ratio %.2f (p95 %.2f; goal 0.5 or less)\n",
           a / 1e9, b / 1e9, r, p }'

# Reopening with an index kept beside the data (switch 5), process included.
ZELxCodes=FFFF1 "$outil" index "$global8" > /dev/null
t=$(meilleur "ZELxCodes=FFFF1 '$outil' index '$global8'")
rm -f "${global8%.*}.kdx"
awk -v t="$t" 'BEGIN { printf "reopening %s with its kept index: %.1f ms (gribtool, start to end)\n", "global_8bits.grb", t / 1e6 }'
