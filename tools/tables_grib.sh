#!/bin/sh
# Writes the WMO code tables of data/grib/ from the GRIB edition 1 tables
# that Debian's libeccodes-data ships: sh tools/tables_grib.sh [DEFINITIONS]
# Each output line is a code and its text; line 999 is the table's title.
set -e

source=${1:-/usr/share/eccodes/definitions/grib1}
cible=$(dirname "$0")/../data/grib

# table file, title, number of code columns to drop after the code
ecrire() {
    mkdir -p "$(dirname "$2")"
    {
        echo "999 $3"
        awk -v saut="$4" '
            /^[0-9]/ {
                n = split($0, mot, " ")
                debut = (n < saut + 2) ? n : saut + 2
                texte = mot[debut]
                for (i = debut + 1; i <= n; i++) texte = texte " " mot[i]
                print mot[1] " " texte
            }' "$1"
    } > "$2.tmp"
    mv "$2.tmp" "$2"
}

for v in 1 2 3; do
    ecrire "$source/2.0.$v.table" "$cible/omm.00$v/2" \
        "Table 2 (version $v) : parametres" 2
done
ecrire "$source/3.table" "$cible/omm.001/3" "Table 3 : types de niveaux" 1
ecrire "$source/4.table" "$cible/omm.001/4" "Table 4 : unites de temps" 1
ecrire "$source/5.table" "$cible/omm.001/5" "Table 5 : indicateurs de periode" 1
