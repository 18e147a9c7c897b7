#!/bin/sh
# Makes cas.grb from cas.rules with eccodes, and grib_ls.txt, the listing the
# tests compare the section model with: sh tests/data/grib1/fabrique.sh
set -e
cd "$(dirname "$0")"
CLES=centre:i,table2Version,indicatorOfParameter,indicatorOfTypeOfLevel:i,level,dataDate,dataTime,unitOfTimeRange,P1,P2,timeRangeIndicator,validityDate,validityTime
rm -f cas.grb
grib_filter cas.rules /usr/share/eccodes/samples/regular_ll_sfc_grib1.tmpl
grib_ls -p "$CLES" cas.grb > grib_ls.txt

# The codec's fixtures: its packings (codec.rules), a reduced Gaussian and a
# polar stereographic field from eccodes' samples filled with varying values,
# and a file of GRIB and BUFR messages with junk around them.
rm -f codec.grb gauss.grb gauss_regulier.grb stereo.grb
grib_filter codec.rules /usr/share/eccodes/samples/regular_ll_sfc_grib1.tmpl
valeurs() {
    awk -v n="$1" 'BEGIN { printf "set values = {"
        for (k = 0; k < n; k++) printf "%s%.2f", (k ? "," : ""), 270 + 20 * sin(k / 97) + 5 * cos(k / 13)
        print "};" }'
}
{ echo 'set bitsPerValue = 12;'; valeurs 6114; echo 'write "gauss.grb";'; } > champ.rules
grib_filter champ.rules /usr/share/eccodes/samples/reduced_gg_pl_32_grib1.tmpl
{ echo 'set bitsPerValue = 9;'; valeurs 8192; echo 'write "gauss_regulier.grb";'; } > champ.rules
grib_filter champ.rules /usr/share/eccodes/samples/regular_gg_sfc_grib1.tmpl
{ echo 'set bitsPerValue = 10; set DxInMetres = 60000; set DyInMetres = 60000;'
  echo 'set orientationOfTheGridInDegrees = -30; set latitudeOfFirstGridPointInDegrees = 35;'
  echo 'set jScansPositively = 1;'
  valeurs 496; echo 'write "stereo.grb";'; } > champ.rules
grib_filter champ.rules /usr/share/eccodes/samples/polar_stereographic_pl_grib1.tmpl
rm champ.rules
B=/usr/share/eccodes/samples
dechets() { head -c "$1" /dev/zero | tr '\0' 'x'; }
grib_copy -w count=1 codec.grb premier.grb
{ dechets 29; cat premier.grb; dechets 7; cat $B/BUFR3.tmpl; dechets 13; cat $B/BUFR4.tmpl
  dechets 5; cat stereo.grb; dechets 40; } > melange.bin
rm premier.grb
for f in codec.grb gauss.grb gauss_regulier.grb stereo.grb; do
    grib_ls -p edition,dataRepresentationType,bitsPerValue,decimalScaleFactor,numberOfPoints,max $f > $f.ls
    grib_get_data -m missing $f > $f.data
done
grib_ls -p offset,totalLength melange.bin > melange.grib_ls
bufr_ls -p offset,totalLength melange.bin > melange.bufr_ls

# Real GRIB1 files of Debian packages (python-grib-doc, python3-metview),
# copied as they are; the ecoclimap file cut after its third message.
DOC=${DOC:-/usr/share/doc}
if [ -d $DOC/python-grib-doc/examples ] && [ -d $DOC/python3-metview/examples ]; then
    E=$DOC/python-grib-doc/examples M=$DOC/python3-metview/examples
    cp $E/CMC_reg_WIND_ISBL_300_ps60km_2010052400_P012.grib cmc_stereo.grib
    cp $E/spherical_pressure_level.grib1 spherical.grib1
    head -c 168240 $E/cl00010000_ecoclimap_rot.grib1 > ecoclimap_debut.grib1
    cp $M/joachim_uv.grib $M/data_uv.grib $M/t_n48.grib .
    for f in cmc_stereo.grib spherical.grib1 ecoclimap_debut.grib1 joachim_uv.grib data_uv.grib t_n48.grib; do
        grib_ls -p offset,totalLength,dataRepresentationType,bitsPerValue,numberOfPoints $f > $f.ls
    done
fi
