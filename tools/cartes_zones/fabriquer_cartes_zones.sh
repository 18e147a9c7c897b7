#!/bin/sh
# Rebuilds the zone charts of the bulletin tables, data/img/zones_*.pl,
# from the GSHHG shorelines through GMT, as the world map is made. Each is
# a situation map of 600 x 400 pixels in PNG (the image window reads a
# picture by its content, whatever its name): coasts, graticule, the row's
# title and its bulletins as a legend. The program ships no limits of the
# bulletins' areas, so none is drawn and each chart says where to find
# them. The coastal chart marks, as labelled points, the ends of the
# coastal sections its rows name, from the Belgian border to Menton, each
# checked to lie within 5 km of the GSHHG shore.
#
# Needs Debian's gmt, gmt-gshhg-full and ghostscript (not needed to build or
# run the program, which uses the committed files) and ImageMagick; builds
# the legends' printer in the given build folder (default: build).
#
#     sh tools/cartes_zones/fabriquer_cartes_zones.sh [build]
set -e
RACINE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-build}" && pwd)
TRAVAIL=$(mktemp -d)
trap 'rm -rf "$TRAVAIL"' EXIT

cmake --build "$BUILD" --target legendes_cartes
# GMT leaves its history and settings in the current folder.
cd "$TRAVAIL"

# West/east/south/north of what each chart shows.
region() {
    case "$1" in
    zones_rfi.pl) echo -70/40/0/62 ;;
    zones_ism.pl) echo -25/16/34/60 ;;
    zones_caledonie.pl) echo 155/175/-28/-12 ;;
    zones_polynesie.pl) echo -156/-134/-28/-8 ;;
    zones_antilles.pl) echo -66/-57/11/19.5 ;;
    zones_cotes.pl) echo -6/10/41/52 ;;
    *) echo "no area for $1" >&2; exit 1 ;;
    esac
}

# The ends of the mainland coastal sections: longitude, latitude, where
# the name goes from the point, name.
cat > points.txt <<'FIN'
2.546 51.089 LM Frontière belge
1.565 50.215 LM Baie de Somme
-1.943 49.714 LM Cap de la Hague
-4.374 47.798 LM Pointe de Penmarc'h
-1.180 46.260 LM Pointe de l'Aiguillon
-1.785 43.375 LM Frontière espagnole
3.172 42.443 LM Cerbère
4.135 43.522 BR Port-Camargue
6.768 43.420 TC Saint-Raphaël
7.530 43.785 BL Menton
FIN

# Each point within 5 km of the full-resolution shore.
verifier_points() {
    gmt coast -R"$1" -Df -W -M > rivage.txt
    gmt mapproject points.txt -Lrivage.txt+uk | awk -F'\t' '
        $3 > 5 { printf "%s: %.1f km from the shore\n", $6, $3; faux = 1 }
        END { exit faux }'
}

# One chart: its file, its title and its legend's lines.
carte() {
    fichier=$1
    titre=$2
    shift 2
    R=$(region "$fichier")
    {
        echo "H 10p,Helvetica-Bold Bulletins"
        echo "G 0.1c"
        for ligne in "$@"; do
            echo "L 7.5p,Helvetica L $ligne"
        done
    } > legende.txt
    gmt begin carte png E100
    gmt set FONT_TITLE 14p,Helvetica-Bold MAP_TITLE_OFFSET 6p FONT_ANNOT_PRIMARY 8p
    gmt coast -R"$R" -JM8.5c+dh -Da -W0.25p,gray30 -Gwheat -Slightsteelblue1 -Baf \
        -BWSne+t"$titre"
    if [ "$fichier" = zones_cotes.pl ]; then
        verifier_points "$R"
        gmt plot points.txt -Sc0.12c -Gred3 -W0.3p
        gmt text points.txt -F+f7p,Helvetica+j -Dj0.12c
    fi
    gmt legend legende.txt -DJMR+jML+o0.3c/0+w6.6c -F+gwhite+p0.5p
    echo "Limites des zones : voir le bulletin officiel" |
        gmt text -F+cBC+f8p,Helvetica-Oblique -N -D0/-0.9c
    gmt end
    convert carte.png -resize 600x400 -background white -gravity center -extent 600x400 \
        -strip "png:$RACINE/data/img/$fichier"
}

mkdir -p "$RACINE/data/img"
"$BUILD/tools/legendes_cartes" > legendes.txt
while IFS= read -r entree; do
    IFS='|'
    # shellcheck disable=SC2086
    set -- $entree
    unset IFS
    carte "$@"
done < legendes.txt
ls -l "$RACINE"/data/img/zones_*.pl
