// The viewer map of the frame benchmarks: 1024 x 600 in a window shown on
// the X server, on the vector-only world, showing fields of a file written
// here (the pressed parameters at their validity), drawn once to warm up.
// One repetition of a frame benchmark is one frame: the median and 95th
// percentile are over frames.
#ifndef BENCH_MAP_CARTE_BANC_H
#define BENCH_MAP_CARTE_BANC_H

#include "ecriture_grib_test.h"

#include <benchmark/benchmark.h>
#include <vector>

class fdc;
class Fl_Double_Window;

struct CarteBanc {
    Fl_Double_Window* fenetre;
    fdc* carte;
};

// Made once and kept to the end of the program.
CarteBanc carteBanc(const std::vector<ChampEcrit>& champs, const std::vector<long>& parametres);

// `frames` frames of `trame`, in milliseconds, with the 95th percentile.
void vEnregistrerTrames(const char* nom, void (*trame)(benchmark::State&), int frames);

#endif
