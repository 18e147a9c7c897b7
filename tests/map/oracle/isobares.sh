#!/bin/sh
# The isobars of a pressure field (GRIB, pascals, one-degree world grid from
# 180 W), every 500 Pa, as GMT traces them: the oracle of the map's
# isolines (tests/map/test_isolignes_gmt.cpp).
#   sh isobares.sh FIELD.grb OUTPUT
# OUTPUT holds "longitude latitude" per point and "> LEVEL" (pascals)
# before each line.
# The test writes its field to build/tests/map/map_isoplages.d/isobares.grb;
# isobares.txt here was made from it with this script (GMT 6.4, eccodes).
set -e
[ $# -eq 2 ] || { echo "usage: sh isobares.sh FIELD.grb OUTPUT" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
grib_get_data "$1" |
    awk 'NR > 1 { lon = $2 > 179.5 ? $2 - 360 : $2; print lon, $1, $3 }' > "$tmp/xyz"
# GMT leaves its history file in the folder it runs in.
(cd "$tmp" && gmt xyz2grd xyz -R-180/179/-90/90 -I1 -Gchamp.nc &&
    gmt grdcontour champ.nc -C500 -Dlignes.txt)
awk '/^>/ { print ">", $2; next } { printf "%.2f %.2f\n", $1, $2 }' "$tmp/lignes.txt" > "$2.tmp"
mv "$2.tmp" "$2"
