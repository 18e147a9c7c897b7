// The common main of the benchmark programs: takes --data=DIR off the
// arguments, silences the activity log, registers the program's benchmarks
// for DIR and runs them with the remaining Google Benchmark flags.
#ifndef BENCH_BANC_H
#define BENCH_BANC_H

#include <string>
#include <vector>

int executerBanc(int argc, char** argv, void (*enregistrer)(const std::string& dossier));

// The 95th percentile of repetitions' figures (a statistic of frames).
double dCentile95(const std::vector<double>& v);

#endif
