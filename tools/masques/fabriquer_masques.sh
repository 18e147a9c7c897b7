#!/bin/sh
# Rebuilds the land masks data/img/<name>.msk of the model grids from the
# GSHHG shorelines, through GMT:
#
#     sh tools/masques/fabriquer_masques.sh [build]
#
# For each grid, `gmt grdlandmask` classes its nodes (gridline registration,
# full-resolution shorelines): land and islands in lakes 1; ocean, lakes and
# ponds 0. masque_grille packs them behind the header and reads the file
# back. GMT is installed when missing (tools/install-deps.sh mapdata); the
# program, its build and its tests use the committed files.
set -e
RACINE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-build}" && pwd)
TRAVAIL=$(mktemp -d)
trap 'rm -rf "$TRAVAIL"' EXIT

sh "$RACINE/tools/install-deps.sh" mapdata
cmake --build "$BUILD" --target masque_grille
mkdir -p "$RACINE/data/img"
# GMT leaves its history file in the current folder.
cd "$TRAVAIL"

# masque NAME NORTH SOUTH WEST EAST STEP: each model's domain at its finest
# mesh.
masque() {
    gmt grdlandmask -R"$4/$5/$3/$2" -I"$6" -Df -N0/1/0/1/0 -G"$1.nc"
    gmt grd2xyz "$1.nc" -ZTLc > "$1.raw"
    "$BUILD/tools/masque_grille" "$1" "$2" "$3" "$4" "$5" "$6" "$1.raw" "$RACINE/data"
}

masque 1 90 -90 -180 180 0.125
masque 1hr 90 -90 -180 180 0.125
masque 10 90 -90 -180 180 0.25
masque 42 90 -90 -180 180 0.5
masque 43 90 -90 -180 180 0.5
masque 41 70 -10 -100 100 0.5
masque 51 72 20 -32 42 0.1
# Two catalogue rows share model number 5: the union of their domains.
masque 5 72 20 -32 42 0.25
masque 8 57 35 -11 17 0.1
