// The common main of the benchmark programs: takes --data=DIR off the
// arguments, silences the activity log, registers the program's benchmarks
// for DIR and runs them with the remaining Google Benchmark flags.
#ifndef BENCH_BANC_H
#define BENCH_BANC_H

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

int executerBanc(int argc, char** argv, void (*enregistrer)(const std::string& dossier));

// The 95th percentile of repetitions' figures (a statistic of frames).
double dCentile95(const std::vector<double>& v);

// `b` run once a repetition, `repetitions` times, in milliseconds: only the
// figures over the repetitions are reported, the 95th percentile with them.
benchmark::internal::Benchmark* pParRepetitions(benchmark::internal::Benchmark* b, int repetitions);

// Makes a working folder of the benchmark's own, with links to the shipped
// img/, loc/ and grib/ of the repository, and goes into it: what the
// program writes as it runs (its route list, its settings) stays there,
// never in the repository's data/. The folder goes at exit. False when it
// cannot be made.
bool bDossierDeTravail();

#endif
