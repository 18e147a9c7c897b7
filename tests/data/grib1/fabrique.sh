#!/bin/sh
# Makes cas.grb from cas.rules with eccodes, and grib_ls.txt, the listing the
# tests compare the section model with: sh tests/data/grib1/fabrique.sh
set -e
cd "$(dirname "$0")"
CLES=centre:i,table2Version,indicatorOfParameter,indicatorOfTypeOfLevel:i,level,dataDate,dataTime,unitOfTimeRange,P1,P2,timeRangeIndicator,validityDate,validityTime
rm -f cas.grb
grib_filter cas.rules /usr/share/eccodes/samples/regular_ll_sfc_grib1.tmpl
grib_ls -p "$CLES" cas.grb > grib_ls.txt
