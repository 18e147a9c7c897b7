#!/bin/sh
# Makes the interpolation's pinned input and cdo's interpolation of it:
#   sh tests/data/interpolation/fabrique.sh
#
# entree.grb: centre 85, reference 2024-01-15 00 UTC, steps 0 to 48 h every
# 3 h, then 54, 60 and 72 (a 12-hour step). Two grids:
#   - 10 x 10 degrees at 1 degree (11 x 11, north to south): parameter 100
#     (wave height, missing over a corner of land, under a bit map), 200
#     (mean wave direction, wrapping round 360), 61 (accumulated rain,
#     time-range indicator 4);
#   - 30 x 20 degrees at 2 degrees (16 x 11, south to north): parameters 2
#     (pressure at mean sea level), 11 (temperature), 33/34 (wind at 10 m).
# Values are smooth functions of place and time written by the awk below
# into grib_filter rules (entree.rules, not kept).
#
# cdo_inttime.grb: cdo's hourly interpolation of parameters 2, 11 and 100,
# by the command of CDO_COMMANDE below (cdo 2.1.1, Debian 12).
set -e
cd "$(dirname "$0")"
awk 'function grille(nom) {
        if (nom == "petite") {
            printf "set Ni = 11; set Nj = 11; set jScansPositively = 0;\n"
            printf "set latitudeOfFirstGridPointInDegrees = 50; set latitudeOfLastGridPointInDegrees = 40;\n"
            printf "set longitudeOfFirstGridPointInDegrees = -10; set longitudeOfLastGridPointInDegrees = 0;\n"
            printf "set iDirectionIncrementInDegrees = 1; set jDirectionIncrementInDegrees = 1;\n"
        } else {
            printf "set Ni = 16; set Nj = 11; set jScansPositively = 1;\n"
            printf "set latitudeOfFirstGridPointInDegrees = 30; set latitudeOfLastGridPointInDegrees = 50;\n"
            printf "set longitudeOfFirstGridPointInDegrees = -30; set longitudeOfLastGridPointInDegrees = 0;\n"
            printf "set iDirectionIncrementInDegrees = 2; set jDirectionIncrementInDegrees = 2;\n"
        }
     }
     function valeur(p, lat, lon, t) {
        if (p == 2) return 101000 + 1500 * sin(lon / 7 + t / 20) * cos(lat / 9)
        if (p == 11) return 280 + 10 * cos(lat / 10) + 3 * sin(t / 8 + lon / 11)
        if (p == 100) return (lon > -4 && lat > 46) ? 9999 : 2 + 1.5 * sin(t / 10 + lat / 5) * cos(lon / 6)
        if (p == 33) return 8 * sin(t / 9 + lon / 10)
        if (p == 34) return 6 * cos(t / 7 + lat / 8)
        if (p == 200) { d = (7 * t + 5 * lat + 3 * lon) % 360; return d < 0 ? d + 360 : d }
        return 0.2 * t + 0.01 * (lat - lon)
     }
     function message(p, t, nom, type, niveau, bits) {
        grille(nom)
        printf "set indicatorOfParameter = %d; set indicatorOfTypeOfLevel = %d; set level = %d;\n", p, type, niveau
        if (p == 61) printf "set timeRangeIndicator = 4; set P1 = 0; set P2 = %d;\n", t
        else printf "set timeRangeIndicator = 0; set P1 = %d; set P2 = 0;\n", t
        printf "set bitmapPresent = %d; set bitsPerValue = %d;\nset values = {", p == 100, bits
        n = 0
        ni = nom == "petite" ? 11 : 16; nj = 11; pas = nom == "petite" ? 1 : 2
        for (j = 0; j < nj; j++) for (i = 0; i < ni; i++) {
            lat = nom == "petite" ? 50 - j : 30 + 2 * j; lon = (nom == "petite" ? -10 : -30) + pas * i
            printf "%s%.3f", (n++ ? "," : ""), valeur(p, lat, lon, t)
        }
        printf "};\nwrite \"entree.grb\";\n"
     }
     BEGIN {
        printf "set centre = 85; set table2Version = 1; set generatingProcessIdentifier = 10;\n"
        printf "set dataDate = 20240115; set dataTime = 0; set unitOfTimeRange = 1;\nset missingValue = 9999;\n"
        for (k = 0; k <= 19; k++) {
            t = k <= 16 ? 3 * k : k == 17 ? 54 : k == 18 ? 60 : 72
            message(100, t, "petite", 1, 0, 10); message(200, t, "petite", 1, 0, 12)
            message(61, t, "petite", 1, 0, 10)
            message(2, t, "grande", 102, 0, 14); message(11, t, "grande", 1, 0, 12)
            message(33, t, "grande", 105, 10, 12); message(34, t, "grande", 105, 10, 12)
        }
     }' > entree.rules
rm -f entree.grb cdo_inttime.grb
grib_filter entree.rules /usr/share/eccodes/samples/regular_ll_sfc_grib1.tmpl
rm entree.rules
grib_ls -p indicatorOfParameter,level,P1,P2,timeRangeIndicator,Ni,Nj,bitsPerValue entree.grb > entree.grb.ls
CDO_COMMANDE="cdo -s inttime,2024-01-15,00:00:00,1hour -selcode,2,11,100"
$CDO_COMMANDE entree.grb cdo_inttime.grb
