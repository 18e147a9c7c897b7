#!/bin/sh
# Makes the coastline level files from GSHHG through GMT:
#   sh tools/cotes/donnees.sh BUILD_DIR LEVEL...
# writes data/img/data<LEVEL>.dat.gz for each LEVEL (0..5). Levels 0 to 3
# are committed; `make mapdata` makes levels 4 and 5, which are too large
# for the repository. GMT and its GSHHG packages are installed when
# missing (tools/install-deps.sh mapdata): only the map-data scripts need
# them, never the build or the tests.
#
# Level 0 is the crude land of 5000 km2 and more; levels 1 to 5 are the
# crude, low, intermediate, high and full shorelines with the rivers and
# borders of the same resolution.
set -e
RACINE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:?usage: donnees.sh BUILD_DIR LEVEL...}" && pwd)
shift
OUTIL=$BUILD/tools/cotes/cotes
[ -x "$OUTIL" ] || { echo "$OUTIL is missing: build first" >&2; exit 1; }

sh "$RACINE/tools/install-deps.sh" mapdata

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
mkdir -p "$RACINE/data/img"
cd "$travail"
for niveau in "$@"; do
    aire=""
    case $niveau in
        0) res=c; aire="-A5000/1/1" ;;
        1) res=c ;;
        2) res=l ;;
        3) res=i ;;
        4) res=h ;;
        5) res=f ;;
        *) echo "level $niveau: 0 to 5 only" >&2; exit 1 ;;
    esac
    echo "level $niveau: GSHHG resolution $res"
    gmt coast -D$res $aire -W -M -Rd > pieces.txt
    if [ "$niveau" -gt 0 ]; then
        gmt coast -D$res -Ia -M -Rd >> pieces.txt
        gmt coast -D$res -Na -M -Rd >> pieces.txt
    fi
    "$OUTIL" "$niveau" data.dat < pieces.txt
    cible=$RACINE/data/img/data$niveau.dat.gz
    gzip -9n < data.dat > "$cible.tmp"
    mv "$cible.tmp" "$cible"
    echo "$cible: $(wc -c < "$cible" | tr -d ' ') bytes"
done
