# Timing helpers of the GRIB benchmark scripts (sourced).

taille() { wc -c < "$1" | tr -d ' '; }
maintenant() { date +%s%N; }

# Best wall time of three runs of a command, in nanoseconds, output discarded.
meilleur() {
    best=""
    for essai in 1 2 3; do
        debut=$(maintenant)
        sh -c "$1" > /dev/null 2>&1 || { echo "failed: $1" >&2; return 1; }
        fin=$(maintenant)
        t=$((fin - debut))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    done
    echo "$best"
}

# The generated file FILE, made once by $generateur with the ARGUMENTS.
generer() {  # FILE ARGUMENTS...
    f=$1
    shift
    [ -s "$f" ] || { echo "generating $f"; "$generateur" "$f.tmp" "$@" && mv "$f.tmp" "$f"; }
}
