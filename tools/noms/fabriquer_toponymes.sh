#!/bin/sh
# Remakes the gazetteer map/toponymes.txt (tools/noms/toponymes.py says
# how) from GMT's Digital Chart of the World and iso-codes, which are
# installed when missing (tools/install-deps.sh mapdata); the build and the
# program only read the committed file.
#
#     sh tools/noms/fabriquer_toponymes.sh
set -e
RACINE=$(cd "$(dirname "$0")/../.." && pwd)
TRAVAIL=$(mktemp -d)
trap 'rm -rf "$TRAVAIL"' EXIT

sh "$RACINE/tools/install-deps.sh" mapdata
# GMT leaves its history file in the current folder.
cd "$TRAVAIL"
python3 "$RACINE/tools/noms/toponymes.py" "$RACINE/map/toponymes.txt"
