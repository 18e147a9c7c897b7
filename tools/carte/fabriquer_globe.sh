#!/bin/sh
# Rebuilds the drawn world map data/img/globe.pl.gz, the splash image
# data/img/chargement.jpg and the tests' one-degree map
# tests/data/carte/globe1.pl.gz from the GSHHG shorelines, through GMT.
#
# Needs Debian's gmt and gmt-gshhg-full packages (not needed to build or run
# the program, which uses the committed files) and ImageMagick; builds the
# maker in the given build folder (default: build).
#
#     sh tools/carte/fabriquer_globe.sh [build]
#
# grdlandmask classes every 2-arc-minute cell (10,800 x 5,400, cell
# registered, full-resolution shorelines): 0 sea, 1 land, 2 lake, 3 island
# in a lake, 4 pond on such an island; carte_globe turns the classes into
# the palette's colours and checks that the file loads as the program
# loads it.
set -e
RACINE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-build}" && pwd)
TRAVAIL=$(mktemp -d)
trap 'rm -rf "$TRAVAIL"' EXIT

cmake --build "$BUILD" --target carte_globe
# GMT leaves its history file in the current folder.
cd "$TRAVAIL"
gmt grdlandmask -Rd -I2m -r -Df -N0/1/2/3/4 -Gclasses.nc
gmt grd2xyz classes.nc -ZTLu > classes.raw

mkdir -p "$RACINE/data/img"
"$BUILD/tools/carte_globe" "$TRAVAIL/classes.raw" 10800 5400 \
    "$RACINE/data/img/globe.pl.gz" "$TRAVAIL/apercu.ppm"

# The splash: the whole map under the program's name.
convert "$TRAVAIL/apercu.ppm" -resize 800x400 \
    -font DejaVu-Sans-Bold -pointsize 64 -fill white -stroke '#1d3c5c' -strokewidth 2 \
    -gravity center -annotate +0-20 'Quenbrel 2' \
    -font DejaVu-Sans -pointsize 24 -stroke none -annotate +0+40 'Météo marine' \
    -strip -quality 85 "$RACINE/data/img/chargement.jpg"

# The tests' map: 360 x 180, one degree per pixel.
gmt grdlandmask -Rd -I1 -r -Di -N0/1/2/3/4 -Gclasses1.nc
gmt grd2xyz classes1.nc -ZTLu > classes1.raw
mkdir -p "$RACINE/tests/data/carte"
"$BUILD/tools/carte_globe" "$TRAVAIL/classes1.raw" 360 180 "$RACINE/tests/data/carte/globe1.pl.gz"

ls -l "$RACINE/data/img/globe.pl.gz" "$RACINE/data/img/chargement.jpg" \
    "$RACINE/tests/data/carte/globe1.pl.gz"
