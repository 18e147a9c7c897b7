# Timing helpers of the GRIB benchmark scripts (sourced).

taille() { wc -c < "$1" | tr -d ' '; }
maintenant() { date +%s%N; }

# Best wall time of three runs of a command, in nanoseconds, output discarded.
meilleur() {
    best=""
    for essai in 1 2 3; do
        t=$(duree "$1") || return 1
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

# Wall time of one run of a command, in nanoseconds, output discarded.
duree() {
    debut=$(maintenant)
    sh -c "$1" > /dev/null 2>&1 || { echo "failed: $1" >&2; return 1; }
    fin=$(maintenant)
    echo $((fin - debut))
}

# The median and the 95th percentile (nearest rank) of numbers, one a line.
mediane_p95() {
    sort -g | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        r = int(0.95 * NR); if (r < 0.95 * NR) r++
        print m, v[r] }'
}

# A command alone, N runs after one not counted: "median p95" in nanoseconds.
repete() {  # N COMMAND
    duree "$2" > /dev/null || return 1
    i=0
    while [ "$i" -lt "$1" ]; do
        duree "$2" || return 1
        i=$((i + 1))
    done | mediane_p95
}

# Ours (A) and the yardstick (B) in turn, N pairs after one pair not counted,
# so that a drift of the machine's speed falls on both: "A B ratio p95",
# the medians of A's and B's times (ns), and the median and the 95th
# percentile of the ratios A/B taken pair by pair.
paires() {  # N A B
    duree "$2" > /dev/null && duree "$3" > /dev/null || return 1
    i=0
    while [ "$i" -lt "$1" ]; do
        a=$(duree "$2") && b=$(duree "$3") || return 1
        echo "$a $b"
        i=$((i + 1))
    done > "${TMPDIR:-/tmp}/paires.$$"
    set -- "$(cut -d' ' -f1 "${TMPDIR:-/tmp}/paires.$$" | mediane_p95 | cut -d' ' -f1)" \
           "$(cut -d' ' -f2 "${TMPDIR:-/tmp}/paires.$$" | mediane_p95 | cut -d' ' -f1)" \
           "$(awk '{ print $1 / $2 }' "${TMPDIR:-/tmp}/paires.$$" | mediane_p95)"
    rm -f "${TMPDIR:-/tmp}/paires.$$"
    echo "$1 $2 $3"
}
