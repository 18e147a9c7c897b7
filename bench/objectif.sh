# The goals of the benchmarks beside their anchors (sourced by bench/run.sh).
#
#   mesurer PROGRAM CSV
# runs a benchmark program, its results written to CSV as well, and prints
# its medians and 95th percentiles.
mesurer() {
    "$1" --benchmark_out="$2" --benchmark_out_format=csv 2>&1 | grep -E "^Benchmark|_median|_p95"
}

#   objectif CSV LABEL FIGURE ANCHOR LIMIT_MS
# FIGURE and ANCHOR are the names of two benchmarks of the CSV that ran
# with the p95 statistic; prints their medians and p95, their ratio and
# whether the median is within the limit.
objectif() {
    awk -F, -v libelle="$2" -v figure="$3" -v ancre="$4" -v limite="$5" '
        {
            nom = $1; gsub(/"/, "", nom)
            sub(/\/iterations:[0-9]+\/repeats:[0-9]+/, "", nom)
            if (nom == figure "_median") m = $3
            if (nom == figure "_p95") p = $3
            if (nom == ancre "_median") am = $3
            if (nom == ancre "_p95") ap = $3
        }
        END {
            if (m == "" || am == "") { print "  " libelle ": results missing"; exit }
            printf "  %s: median %.3f ms, p95 %.3f ms (goal %s ms: %s); anchor median %.3f ms, p95 %.3f ms; ratio %.1f\n",
                   libelle, m, p, limite, m <= limite ? "met" : "NOT met", am, ap, m / am
        }' "$1"
}
