#!/bin/sh
# Out-of-process smoke test of the whole program under the X server of the
# caller: start, wait for the main window, close it with its close button as
# the window manager does; start again and end with SIGTERM; hand a file to a running
# instance. Each run must leave log.txt complete, etc/config.txt written and
# no etc/lockfile.
# Usage: fumee.sh PROGRAM
set -eu
PROGRAMME=$1
TMP=$(mktemp -d)
PID=""
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; rm -rf "$TMP"' EXIT
export HOME="$TMP" QUENBREL2_HOME="$TMP/app"
mkdir -p "$QUENBREL2_HOME"

echec() { echo "ECHEC: $*"; [ -f "$QUENBREL2_HOME/log.txt" ] && cat "$QUENBREL2_HOME/log.txt"; exit 1; }

demarrer() {
    "$PROGRAMME" "$@" > "$TMP/sortie.txt" 2>&1 &
    PID=$!
    FENETRE=$(timeout 30 xdotool search --sync --onlyvisible --pid "$PID" --name "Quenbrel 2" | head -n 1)
    [ -n "$FENETRE" ] || echec "no main window"
}

# Waits up to 30 s for the program to end; $1 is run between the checks.
attendre_fin() {
    i=0
    while kill -0 "$PID" 2>/dev/null; do
        i=$((i + 1))
        [ $i -le 150 ] || echec "the program did not end"
        $1
        sleep 0.2
    done
    wait "$PID" || echec "exit status $?"
    PID=""
}

verifier_fin() {
    tail -n 2 "$QUENBREL2_HOME/log.txt" | grep -q "^ Fin du programme$" || echec "log.txt incomplete"
    [ ! -e "$QUENBREL2_HOME/etc/lockfile" ] || echec "etc/lockfile left"
    [ "$(wc -l < "$QUENBREL2_HOME/etc/config.txt")" -eq 21 ] || echec "etc/config.txt"
}

# The close button closes the window; it is refused until the loaders are
# done. (Escape in the main window ends nothing.)
fermer() {
    python3 "$(dirname "$0")/fermer_fenetre.py" "$FENETRE" 2>/dev/null || true
}
rien() { :; }

# A handed-over file waits in lockdir/ until the running instance's scan
# moves it to dat/.
recu() { cat "$QUENBREL2_HOME/lockdir/$1" 2>/dev/null || cat "$QUENBREL2_HOME/dat/$1"; }

demarrer
attendre_fin fermer
verifier_fin

demarrer
sleep 1.5
kill -TERM "$PID"
attendre_fin rien
verifier_fin

demarrer
printf 'GRIB' > "$TMP/carte.20250101.grb"
"$PROGRAMME" "$TMP/carte.20250101.grb" > "$TMP/second.txt" 2>&1 || echec "hand-over status"
[ "$(recu 20250101.grb)" = GRIB ] || echec "file not handed over"
[ -e "$QUENBREL2_HOME/etc/lockfile" ] || echec "the running instance lost its lock"
kill -INT "$PID"
attendre_fin rien
verifier_fin

# A marker left by a crash is no running instance: the launch starts, with
# its file (named from the folder of the launch) waiting in lockdir/.
mkdir -p "$TMP/ailleurs"
cd "$TMP/ailleurs"
printf 'GRIB2' > carte.20250102.grb
printf 'GRIB3' > carte.20250103.grb
: > "$QUENBREL2_HOME/etc/lockfile"
demarrer carte.20250102.grb
[ "$(recu 20250102.grb)" = GRIB2 ] || echec "relative file not kept"
timeout 30 "$PROGRAMME" carte.20250103.grb > "$TMP/second.txt" 2>&1 || echec "hand-over status"
[ "$(recu 20250103.grb)" = GRIB3 ] || echec "relative file not handed over"
# A launch without a file while it runs leaves its lock alone. (A search
# by process may answer with the first instance's window: count them.)
PREMIER=$PID
"$PROGRAMME" > "$TMP/sortie.txt" 2>&1 &
PID=$!
i=0
until [ "$(xdotool search --onlyvisible --name "Quenbrel 2" 2>/dev/null | wc -l)" -ge 2 ]; do
    i=$((i + 1))
    [ $i -le 150 ] || echec "no second main window"
    sleep 0.2
done
kill -TERM "$PID"
attendre_fin rien
PID=$PREMIER
timeout 30 "$PROGRAMME" carte.20250103.grb > "$TMP/second.txt" 2>&1 || echec "lock lost"
kill -INT "$PID"
attendre_fin rien
verifier_fin
echo "fumee: ok"
