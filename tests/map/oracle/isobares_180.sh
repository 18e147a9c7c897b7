#!/bin/sh
# The isobars of a pressure field (GRIB, pascals, half-degree world grid
# from 180 W) over 170 E to 170 W and 40 N to 60 N, across 180 degrees,
# every 500 Pa, as GMT traces them: the oracle of the map's isolines at
# the grid's seam (tests/map/test_isolignes_gmt.cpp).
#   sh isobares_180.sh FIELD.grb OUTPUT
# OUTPUT holds "longitude latitude" per point (east of 180 as 180 to 190)
# and "> LEVEL" (pascals) before each line. isobares_180.txt here was made
# with this script (GMT 6.4, eccodes) from the field the test writes.
set -e
[ $# -eq 2 ] || { echo "usage: sh isobares_180.sh FIELD.grb OUTPUT" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
grib_get_data "$1" |
    awk 'NR > 1 { lon = $2 < 0 ? $2 + 360 : $2
                  if (lon >= 170 && lon <= 190 && $1 >= 40 && $1 <= 60) print lon, $1, $3 }' \
    > "$tmp/xyz"
# GMT leaves its history file in the folder it runs in.
(cd "$tmp" && gmt xyz2grd xyz -R170/190/40/60 -I0.5 -Gchamp.nc &&
    gmt grdcontour champ.nc -C500 -Dlignes.txt)
awk '/^>/ { print ">", $2; next } { printf "%.3f %.3f\n", $1, $2 }' "$tmp/lignes.txt" > "$2.tmp"
mv "$2.tmp" "$2"
