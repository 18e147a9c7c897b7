#!/bin/sh
# GRIB benchmarks: sh bench/grib/run.sh BUILD_DIR
#
# Makes once, in BUILD_DIR/bench-data, a ~120 MB service file (40 validities
# x 25 parameters of 400 x 300 points, 8 bits) and a typical download (30
# validities x 10 parameters, about 10 MB as .gz), each with its .gz and .bz2.
# Then times, on the same files in the same run, best of three:
#   gribtool list  against  grib_ls -p offset,totalLength   (open and list)
#   gribtool max   against  grib_get -p max                 (decode every field)
# and runs bench_grib for the in-process figures (open, decode, user's wait).
set -e

build=${1:?usage: sh bench/grib/run.sh BUILD_DIR}
outil=$build/tools/gribtool
generateur=$build/bench/grib/gen_grib_service
banc=$build/bench/grib/bench_grib
donnees=$build/bench-data
gros=$donnees/grib_service.grb
typique=$donnees/grib_typique.grb

for p in "$outil" "$generateur" "$banc"; do
    if [ ! -x "$p" ]; then
        echo "$p is missing: build first (is libbenchmark-dev installed?)" >&2
        exit 1
    fi
done
mkdir -p "$donnees"

fabriquer() {  # FILE VALIDITIES PARAMETERS
    if [ ! -s "$1" ]; then
        echo "generating $1"
        "$generateur" "$1.tmp" "$2" "$3" && mv "$1.tmp" "$1"
    fi
    [ -s "$1.gz" ] || { gzip -c "$1" > "$1.gz.tmp" && mv "$1.gz.tmp" "$1.gz"; }
    [ -s "$1.bz2" ] || { bzip2 -c "$1" > "$1.bz2.tmp" && mv "$1.bz2.tmp" "$1.bz2"; }
}
fabriquer "$gros" 40 25
fabriquer "$typique" 30 10

. "$(dirname "$0")/mesure.sh"

octets=$(taille "$gros")
ligne() {  # LABEL NANOSECONDS
    awk -v l="$1" -v ns="$2" -v o="$octets" \
        'BEGIN { s = ns / 1e9; printf "%-44s %8.3f s %9.1f MB/s\n", l, s, o / 1e6 / s }'
}

echo "file: $octets bytes; .gz $(taille "$gros.gz"); .bz2 $(taille "$gros.bz2")"
n=$("$outil" list "$gros" 2>/dev/null | wc -l | tr -d ' ')
echo "records listed by gribtool: $n"
echo
ligne "gribtool list (open and list)" "$(meilleur "'$outil' list '$gros'")"
if command -v grib_ls > /dev/null 2>&1; then
    ligne "grib_ls -p offset,totalLength" "$(meilleur "grib_ls -p offset,totalLength '$gros'")"
else
    echo "grib_ls: not installed"
fi
ligne "gribtool max (decode all)" "$(meilleur "'$outil' max '$gros'")"
if command -v grib_get > /dev/null 2>&1; then
    ligne "grib_get -p max (decode all)" "$(meilleur "grib_get -p max '$gros'")"
else
    echo "grib_get: not installed"
fi
ligne "gribtool list .gz (MB/s of the plain size)" "$(meilleur "'$outil' list '$gros.gz'")"
ligne "gribtool list .bz2 (MB/s of the plain size)" "$(meilleur "'$outil' list '$gros.bz2'")"
echo
echo "typical download: $(taille "$typique.gz") bytes as .gz, $(taille "$typique.bz2") as .bz2"
echo
"$banc" --data="$donnees"
echo
sh "$(dirname "$0")/codec.sh" "$build"
echo
sh "$(dirname "$0")/interpolation.sh" "$build"
