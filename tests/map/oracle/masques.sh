#!/bin/sh
# The land nodes of a few boxes as GMT classes them (full-resolution GSHHG,
# land and islands in lakes counted, gridline registration): the oracle of
# the land masks' counts (tests/map/test_masques.cpp).
#   sh masques.sh OUTPUT
# OUTPUT holds one line per box: "MASK NORTH SOUTH WEST EAST STEP LAND".
# masques.txt here was made with this script (GMT 6.4, GSHHG 2.3.7).
set -e
[ $# -eq 1 ] || { echo "usage: sh masques.sh OUTPUT" >&2; exit 2; }
sortie=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# GMT leaves its history file in the folder it runs in.
cd "$tmp"
while read -r masque n s w e pas; do
    gmt grdlandmask -R"$w/$e/$s/$n" -I"$pas" -Df -N0/1/0/1/0 -Gboite.nc
    terre=$(gmt grd2xyz boite.nc -Z | awk '$1 == 1 { n++ } END { print n + 0 }')
    echo "$masque $n $s $w $e $pas $terre"
done > "$sortie.tmp" <<BOITES
1 49 47 -6 -1 0.125
1 45 30 -6 36 0.5
1 70 60 170 190 0.25
1 90 -90 -180 180 1
51 52 42 -6 10 0.1
51 72 20 -32 42 0.2
BOITES
mv "$sortie.tmp" "$sortie"
