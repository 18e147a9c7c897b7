#!/bin/sh
# Makes the GRIB fixtures of the tests with eccodes, and records what eccodes
# prints for them (the tests compare against these texts, and against eccodes
# itself when it is installed):
#
#   F.ls     grib_ls -p $CLES F           (every fixture)
#   F.data   grib_get_data -m missing F   (the fixtures of the service's form)
#   F.max    grib_get -F "%.10e" -p max F
#
# Usage: sh tests/data/grib1/fabrique.sh   (needs libeccodes-tools and -data)
set -e
cd "$(dirname "$0")"
CLES=offset,totalLength,centre:i,table2Version,generatingProcessIdentifier
CLES=$CLES,indicatorOfParameter,indicatorOfTypeOfLevel:i,level,dataDate,dataTime
CLES=$CLES,indicatorOfUnitOfTimeRange,P1,P2,timeRangeIndicator,validityDate,validityTime
CLES=$CLES,decimalScaleFactor,bitsPerValue

# cas.grb: the code cases of cas.rules.
rm -f cas.grb
grib_filter cas.rules /usr/share/eccodes/samples/regular_ll_sfc_grib1.tmpl

# service.grb: fields of the service's form, small (9 x 7 points) and
# smooth, with negative values, decimal scales -1 to 2 and land points
# missing from bit maps.
NI=9
NJ=7
MANQUANT=9999

# valeurs BASE PENTE_I PENTE_J ONDULATION [terre]: NI x NJ values, row by
# row from the north; with "terre", the south-east corner is land (missing).
valeurs() {
    awk -v b="$1" -v pi="$2" -v pj="$3" -v o="$4" -v terre="$5" -v ni=$NI -v nj=$NJ \
        -v m=$MANQUANT 'BEGIN {
        s = ""
        for (j = 0; j < nj; j++)
            for (i = 0; i < ni; i++) {
                v = b + pi * i + pj * j + o * sin(i * 0.9 + j * 0.5)
                if (terre != "" && i + j >= ni + nj - 5) v = m
                s = s (s == "" ? "" : ",") sprintf("%.4f", v)
            }
        print s
    }'
}

# message FILE PARAM LEVEL_TYPE LEVEL INDICATOR P1 P2 D VALUES [bitmap]
# With D = 0 the values take 8 bits through the binary scale alone; with
# another D eccodes takes the bits D needs, and each field spans about 190
# steps of 10^-D so that they are 8 (checked below).
message() {
    bitmap=0
    [ "${10}" = bitmap ] && bitmap=1
    precision="set bitsPerValue=8;"
    [ "$8" = 0 ] || precision="set bitsPerValue=0; set decimalScaleFactor=$8;"
    cat > message.filter <<FIN
set centre=85;
set table2Version=1;
set generatingProcessIdentifier=78;
set dataDate=20261206;
set dataTime=1200;
set indicatorOfParameter=$2;
set indicatorOfTypeOfLevel=$3;
set level=$4;
set indicatorOfUnitOfTimeRange=1;
set timeRangeIndicator=$5;
set P1=$6;
set P2=$7;
set Ni=$NI;
set Nj=$NJ;
set latitudeOfFirstGridPoint=48000;
set longitudeOfFirstGridPoint=-8000;
set latitudeOfLastGridPoint=42000;
set longitudeOfLastGridPoint=0;
set iDirectionIncrement=1000;
set jDirectionIncrement=1000;
$precision
set bitmapPresent=$bitmap;
set missingValue=$MANQUANT;
set values={$9};
append "$1";
FIN
    grib_filter message.filter /usr/share/eccodes/samples/GRIB1.tmpl
    rm -f message.filter
}

F=service.grb
rm -f $F
# Out of order on purpose: the list sorts by validity, then parameter.
message $F 33 105 10 0 6 0 1 "$(valeurs -12.3 1.65 1.05 3.75)"
message $F 34 105 10 0 6 0 1 "$(valeurs 8.4 -1.15 -1.66 1.9)"
message $F 2 102 0 0 6 0 -1 "$(valeurs 101300 -144 102 360)"
message $F 33 105 10 0 0 0 1 "$(valeurs -10.1 1.7 1.02 3.4)"
message $F 34 105 10 0 0 0 1 "$(valeurs 7.9 -1.2 -1.65 1.8)"
message $F 2 102 0 0 0 0 0 "$(valeurs 101500 -100 80 250)"
message $F 11 102 0 0 0 0 2 "$(valeurs 287.4 0.135 0.2025 0.27 terre)" bitmap
# Two depths of one validity: equal keys keep the order of the file.
message $F 11 160 50 0 0 0 2 "$(valeurs 285.1 0.14 0.21 0.21)"
message $F 11 160 10 0 0 0 2 "$(valeurs 286.6 0.145 0.203 0.232)"
message $F 61 1 0 4 0 6 1 "$(valeurs 0.5 1.6 1.2 4.0)"
message $F 61 1 0 4 6 12 1 "$(valeurs 1.2 0.76 1.9 5.7)"
message $F 61 1 0 4 12 18 1 "$(valeurs 0.1 1.98 0.33 2.64)"
message $F 100 102 0 0 6 0 2 "$(valeurs 1.8 0.138 0.184 0.368 terre)" bitmap
message $F 200 102 0 0 6 0 0 "$(valeurs 250 3 4 20 terre)" bitmap
message $F 201 102 0 0 6 0 1 "$(valeurs 7.5 1.1 1.65 6.05 terre)" bitmap
message $F 100 102 0 0 12 0 2 "$(valeurs 2.2 0.091 0.2275 0.455 terre)" bitmap
message $F 200 102 0 0 12 0 0 "$(valeurs 270 -2 5 15 terre)" bitmap
message $F 201 102 0 0 12 0 1 "$(valeurs 8.1 0.73 1.46 6.57 terre)" bitmap
if grib_get -p bitsPerValue $F | grep -qvx 8; then
    echo "$F: a message is not of 8 bits per value" >&2
    exit 1
fi

# Real forecasts shipped by Debian (see README): listed, refused by the
# decoder (not centre 85), and one of them converted to the service's form.
R=ecmwf_t2m.grib1
grib_set -r -s bitsPerValue=8 $R t2m8.tmp
grib_set -s centre=85,table2Version=1,generatingProcessIdentifier=78 t2m8.tmp ecmwf_t2m_85.grb
rm -f t2m8.tmp

for f in cas.grb service.grb ecmwf_t2m_85.grb ecmwf_t2m.grib1 ecmwf_fc_storm.grib; do
    grib_ls -p $CLES $f > $f.ls
done
for f in service.grb ecmwf_t2m_85.grb; do
    grib_get_data -m missing $f > $f.data
    grib_get -F "%.10e" -p max $f > $f.max
done

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
grib_set -r -s bitsPerValue=8 stereo.grb s8.tmp
grib_set -s centre=85,table2Version=1,generatingProcessIdentifier=78,indicatorOfParameter=11 \
    s8.tmp stereo_85.grb
rm s8.tmp
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
