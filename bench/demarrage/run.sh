#!/bin/sh
# Start-up times of the real program, read from its log as it writes it:
# from the launch to the main window shown (the banner after "Show"), to the
# drawn map and the last coastline level loaded, and to the end of the
# background loading (the loader watch's line). DATA holds img/, loc/ and
# etc/ (the repository's data/ by default). Needs an X server; without
# DISPLAY it runs itself under xvfb-run.
# Usage: sh bench/demarrage/run.sh BUILD_DIR [RUNS [DATA]]
set -e
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
build=$(cd "${1:?usage: sh bench/demarrage/run.sh BUILD_DIR [RUNS]}" && pwd)
exec python3 "$(dirname "$0")/mesurer.py" "$build/shell/quenbrel2" "${2:-5}" ${3:+"$3"}
