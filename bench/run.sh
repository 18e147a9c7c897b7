#!/bin/sh
# Decompression benchmark: sh bench/run.sh BUILD_DIR
# Makes the ~100 MB GRIB-like file and its .gz and .bz2 in BUILD_DIR/bench-data
# (once), runs bench_decompression, then prints how the old size-guessing
# scheme and the system tools compare with the one-pass gzip() and bzip2().
set -e

build=${1:?usage: sh bench/run.sh BUILD_DIR}
programmes=$build/bench
donnees=$build/bench-data

if [ ! -x "$programmes/bench_decompression" ]; then
    echo "$programmes/bench_decompression is missing:" \
         "is Google Benchmark (libbenchmark-dev) installed?" >&2
    exit 1
fi
mkdir -p "$donnees"
# Whole, for the benchmarks that change folder before writing their results.
donnees=$(cd "$donnees" && pwd)
fichier=$donnees/grib_like.grb
if [ ! -s "$fichier" ]; then
    echo "generating $fichier"
    "$programmes/gen_grib_like" "$fichier.tmp" && mv "$fichier.tmp" "$fichier"
fi
if [ ! -s "$fichier.gz" ]; then
    echo "compressing with gzip"
    gzip -c "$fichier" > "$fichier.gz.tmp" && mv "$fichier.gz.tmp" "$fichier.gz"
fi
if [ ! -s "$fichier.bz2" ]; then
    echo "compressing with bzip2"
    bzip2 -c "$fichier" > "$fichier.bz2.tmp" && mv "$fichier.bz2.tmp" "$fichier.bz2"
fi

taille() { wc -c < "$1" | tr -d ' '; }
. "$(dirname "$0")/objectif.sh"

# A benchmark (of any folder of bench/) that draws through the toolkit, under an X server of its
# own; the figures it prints matching $2.
sous_xvfb() {
    programme=$(ls "$build"/bench/*/"$1" 2>/dev/null | head -n 1)
    if [ -x "$programme" ]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" "$programme" 2>&1 | grep -E "$2"
    else
        echo "$1 is built with the tests (make test first)"
    fi
}

echo "file: $(taille "$fichier") bytes; .gz $(taille "$fichier.gz"); .bz2 $(taille "$fichier.bz2")"

resultats=$donnees/results.csv
"$programmes/bench_decompression" --data="$donnees" \
    --benchmark_out="$resultats" --benchmark_out_format=csv

# Rows look like: "gzip/one_pass/iterations:5/real_time",5,412.3,...,ms,...
awk -F, '
    /^"(gzip|bzip2)\// {
        nom = $1; gsub(/"/, "", nom); split(nom, morceaux, "/")
        temps[morceaux[1] "/" morceaux[2]] = $3; unite = $5
    }
    END {
        print ""
        for (i = 1; i <= 2; ++i) {
            f = i == 1 ? "gzip" : "bzip2"
            une = temps[f "/one_pass"]; essais = temps[f "/guess_retry"]
            outil = temps[f "/system_tool"]
            if (une == "" || essais == "" || outil == "") { print f ": results missing"; continue }
            printf "%-5s one pass %.0f %s, guess-retry %.0f %s, system tool %.0f %s\n", \
                f, une, unite, essais, unite, outil, unite
            printf "%-5s guess-retry / one pass = %.2f   one pass / system tool = %.2f\n", \
                f, essais / une, une / outil
        }
    }' "$resultats"

echo
sh "$(dirname "$0")/grib/run.sh" "$build"

echo
echo "map view rebuilds at 1024 x 600 (medians of 5):"
"$build/bench/map/bench_carte" 2>&1 | grep -E "^Benchmark|_median"

echo
echo "coastline at 1024 x 600: background load of levels 1 to 4, drawing (medians of 5):"
sh "$(dirname "$0")/cotes/run.sh" "$build" 2>&1 | grep -E "^Benchmark|_median"

echo
echo "contouring a 0.25-degree world field, headless: set + calcul at 1024 x 600 (set+calcul/monde/"
echo "MODE/ISLANDS: refinement mode 0 or 2, the field without or with islands of absent points; one"
echo "run a repetition, median and 95th percentile); the anchor scales as many values in the cache;"
echo "then set alone by mode and field, calcul of the whole world and of 10 degrees (medians of 5):"
mesurer "$build/bench/contour/bench_isoplages" "$donnees/contour.csv"
objectif "$donnees/contour.csv" "set + calcul, mode 0" "set+calcul/monde/0/0" \
    "ancre/copie_du_champ" 10
objectif "$donnees/contour.csv" "set + calcul, mode 2, islands" "set+calcul/monde/2/1" \
    "ancre/copie_du_champ" 40

echo
echo "wind flags of a global 0.5-degree field, whole world at 1024 x 600, X server included:"
sous_xvfb bench_vent "^Benchmark|_median|_p95"

echo
echo "whole frame of a viewer map, whole world at 1024 x 600 (coastline, pressure bands with"
echo "isobars and labels, wind flags; fields of 0.5, 0.25 and 0.125 degree), X server included,"
echo "per layer: an unchanged view drawn again (entiere), and after a one-pixel move (deplacee):"
trames=$donnees/trames.txt
sous_xvfb bench_trame "^Benchmark|_median|_p95" | tee "$trames"
# Counters read as printed, with their SI suffixes ("333u", "4.1m").
awk '
    function valeur(t,   n, u) {
        n = t + 0; u = substr(t, length(t))
        return u == "m" ? n / 1e3 : u == "u" ? n / 1e6 : u == "n" ? n / 1e9 : u == "k" ? n * 1e3 : n
    }
    /^trame\/(entiere|deplacee)\/monde_/ {
        split($1, nom, "/"); pas = substr(nom[3], 7)
        stat = $1 ~ /_median$/ ? "med" : $1 ~ /_p95$/ ? "p95" : ""
        if (stat == "") next
        for (i = 2; i <= NF; ++i)
            if (split($i, kv, "=") == 2) v[nom[2], pas, stat, kv[1]] = valeur(kv[2])
    }
    # One counter at the three grid steps: unchanged view, after a move, their ratio.
    function lignes(titre, compteur,   k, pas, a, b) {
        for (k = 1; k <= 3; ++k) {
            pas = k == 1 ? "0.5" : k == 2 ? "0.25" : "0.125"
            a = v["entiere", pas, "med", compteur]; b = v["deplacee", pas, "med", compteur]
            printf "  %-6s %-5s %6.2f ms (p95 %6.2f)   after a move %6.2f ms (p95 %6.2f)   ratio %.2f\n", \
                titre, pas, a, v["entiere", pas, "p95", compteur], b, v["deplacee", pas, "p95", compteur], \
                (b > 0 ? a / b : 0)
        }
    }
    END {
        if (!(("entiere", "0.5", "med", "frame_ms") in v)) { print "frame results missing"; exit }
        print ""
        print "whole draw() of an unchanged view, median (goals 12 ms at 0.5, 20 ms at 0.125),"
        print "beside the frame after a one-pixel move (every picture made anew):"
        lignes("frame", "frame_ms")
        print "its band pictures drawn again, median (goal 3 ms), beside the same after a move;"
        print "then its labels, and its flags, which cost the same at every grid step:"
        lignes("bands", "bands_ms")
        lignes("labels", "labels_ms")
        lignes("flags", "flags_ms")
    }' "$trames"

echo
echo "the Metarea overlay at 1024 x 600, one call, X server included: modes 0 and 2, at the world"
echo "view and on the North Sea at 40 pixels per degree:"
sous_xvfb bench_metareas "^Benchmark|_median|_p95"

echo
echo "a drag step of the request frame on the request page (model 1 at 0.125 degree, 20 times, land"
echo "mask): the drag event (drag_ms), one drawing of the request map under Xvfb (draw_ms):"
sous_xvfb bench_cadre "^Benchmark|_median"

echo
echo "charts of a map point on a 200-message file (0.5-degree, 121 x 81 points), X server"
echo "included: the first chart of the file (every record decoded, the window made and drawn),"
echo "then a rebuild for another grid point:"
sous_xvfb bench_histogrammes "^Benchmark|_median|_p95"

echo
echo "a language switch with the ten pages built, each viewer showing a file (catalogue reloaded"
echo "and every page relabelled: switch_ms; the window drawn again: draw_ms), X server included:"
sous_xvfb bench_langue "^Benchmark|_median"

echo
echo "routes of a viewer map with a 240-validity file and three charted routes of 200 positions,"
echo "X server included: a drawing with the charts unchanged, then with every chart window made:"
if [ -x "$build/bench/map/bench_routes" ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/map/bench_routes" 2>&1 | \
        grep -E "^Benchmark|_median|_p95"
else
    echo "bench_routes is built with the tests (make test first)"
fi

echo
echo "start-up of the program (launch to window, launch to loaded):"
sh "$(dirname "$0")/demarrage/run.sh" "$build"
echo "text window: a 1 MB bulletin loaded, reflowed, converted and styled; the chooser"
echo "listing 5,000 files under Xvfb (medians of 5):"
mkdir -p "$donnees/editeur"
xvfb-run -a "$build/bench/editeur/bench_editeur" --data="$donnees/editeur" 2>&1 | \
    grep -E "^Benchmark|_median"

echo
echo "route rows: every row of a route of 500 positions rebuilt (a right click on the map)"
echo "under Xvfb (medians of 5; goal 50 ms):"
mkdir -p "$donnees/routes"
xvfb-run -a "$build/bench/routes/bench_rangees" --data="$donnees/routes" 2>&1 | \
    grep -E "^Benchmark|_median"

echo
echo "request cost: a whole-world request at 0.125 degree, 37 times, land left out, its zone"
echo "moving (one run a repetition, median and 95th percentile) beside its anchor, the same"
echo "zone fixed; the land count of one world box (medians of 5):"
mesurer "$build/bench/transport/bench_cout" "$donnees/cout.csv"
objectif "$donnees/cout.csv" "moving zone, 37 times" "vCout/world_0.125/37_times/moving" \
    "vCout/world_0.125/37_times/fixed" 2

echo
echo "HTTP answers from the stand-in service over loopback: one of 50 MB; 32 of 2 MB at once"
echo "through the transfer threads, with the peak memory over the data received (medians of 5):"
mkdir -p "$donnees/http"
"$build/bench/transport/bench_http" --data="$donnees" 2>&1 | grep -E "^Benchmark|_median"

echo
echo "received pictures decoded on the GUI thread, 8192 x 8192 (2^26 pixels, the most accepted):"
echo "JPEGs of 100 scans of end-of-band runs, zero PNGs, and real JPEGs for scale; each with its"
echo "refusal (0: decoded) (medians of 3):"
if [ -x "$build/bench/ui/bench_images" ]; then
    "$build/bench/ui/bench_images" --benchmark_report_aggregates_only=true 2>&1 | \
        grep -E "^Benchmark|_median"
else
    echo "bench_images is built with the tests (make test first)"
fi
