#!/bin/sh
# Starts the program built in the given build folder (default: build) in a
# working folder that survives rebuilds: $QUENBREL2_HOME, else
# ~/.quenbrel2. The shipped data of data/ go into it: img/ and loc/ as links
# to the repository (they follow its updates), the files of data/etc/ copied
# once (the user's own settings are never overwritten).
set -e
RACINE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-build}" && pwd)
DOSSIER=${QUENBREL2_HOME:-$HOME/.quenbrel2}

mkdir -p "$DOSSIER"
for d in img loc; do
    if [ -d "$RACINE/data/$d" ] && { [ -L "$DOSSIER/$d" ] || [ ! -e "$DOSSIER/$d" ]; }; then
        ln -sfn "$RACINE/data/$d" "$DOSSIER/$d"
    fi
done
if [ -d "$RACINE/data/etc" ]; then
    mkdir -p "$DOSSIER/etc"
    cp -Rn "$RACINE/data/etc/." "$DOSSIER/etc/"
fi

cd "$DOSSIER"
QUENBREL2_HOME="$DOSSIER" exec "$BUILD/shell/quenbrel2"
