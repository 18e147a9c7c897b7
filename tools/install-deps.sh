#!/bin/sh
# Installs the Debian packages the build, the program and the test suite need,
# and only those that are missing. Runs apt-get update only when something is
# to be installed. Needs root, or sudo. `install-deps.sh bench` also installs
# what only the benchmarks compare with (cdo); `install-deps.sh mapdata` what
# only the map-data generators need (GMT with the GSHHG shorelines and the
# Digital Chart of the World, iso-codes), never the build or the tests.
# libgtk2.0-0: the toolkit opens the desktop's file dialog through GTK when
# it finds it; the shutdown tests check that dialog too.
set -e

PACKAGES="cmake g++ make pkg-config libfltk1.3-dev libx11-dev libxrender-dev libxext-dev fluid zlib1g-dev libbz2-dev \
libjpeg-dev libpng-dev libgif-dev libgtest-dev libgmock-dev libbenchmark-dev \
xvfb xauth xdotool x11-utils imagemagick libeccodes-tools libeccodes-data tzdata \
gzip bzip2 pbzip2 libgtk2.0-0 clang-14 libclang-rt-14-dev python3 python3-aiosmtpd geographiclib-tools"
[ "$1" = bench ] && PACKAGES="$PACKAGES cdo"
[ "$1" = mapdata ] &&
    PACKAGES="$PACKAGES gmt gmt-dcw gmt-gshhg-low gmt-gshhg-high gmt-gshhg-full iso-codes"

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
