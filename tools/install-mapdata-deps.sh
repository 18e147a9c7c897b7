#!/bin/sh
# Installs the Debian packages that only the map-data generators need, and
# only those that are missing: GMT with the GSHHG shorelines and the
# Digital Chart of the World, and iso-codes for the French place names.
# Never needed to build, run or test the program, which uses the committed
# files. Runs apt-get update only when something is to be installed. Needs
# root, or sudo.
set -e

PACKAGES="gmt gmt-dcw gmt-gshhg-low gmt-gshhg-high gmt-gshhg-full iso-codes"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
