// The coastline: loading the background levels, and drawing it the way a
// map does for three views of a 1024 x 600 plain-sea map.
//
//   chargement     levels 1 to 4 read, as the start-up thread does
//   dessin/monde   whole world, level 1 (the whole chain walked)
//   dessin/europe  a 10-degree view of western Europe, level 3
//   dessin/bretagne a half-degree view of Brittany, level 5 (when generated)
//
// Each drawing reports the records visited (in the squares around the
// view, or the whole chain) and those drawn. The X server's work is
// included: each iteration waits for it.
//
// Usage: bench_cotes --data=DIR [Google Benchmark flags], DIR holding
// img/data<level>.dat.gz; run under an X server (bench/cotes/run.sh).
#include "bench/banc.h"
#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "map/fdc_couches.h"
#include "map/tdc.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

const int L = 1024, HT = 600;

struct Vue {
    const char* nom;
    double lat, lon, etendue;
    int niveau;
};

const Vue VUES[] = {{"monde", 0, 0, 180, 1}, {"europe", 47, 2, 10, 3}, {"bretagne", 48.2, -3.5, 0.5, 5}};

Fl_Double_Window* fenetre = nullptr;
fdc* carte = nullptr;

void charger(benchmark::State& state)
{
    for (auto _ : state) {
        tdc t;
        for (int n = 1; n <= 4; ++n)
            t.load_file(n);
        benchmark::DoNotOptimize(t.chaines[4]);
    }
}

// Records the drawing looks at and those whose box meets the view, at the
// level it drew.
void compter(benchmark::State& state)
{
    const int niveau = ZOOMTDC;
    const BoiteVue b = boiteVue(*carte);
    long visites = 0, dessines = 0;
    auto voir = [&](const TYPEDEF_TDC* t) {
        ++visites;
        dessines += bTdcVisible(t, -360, b) || bTdcVisible(t, 0, b) || bTdcVisible(t, 360, b);
    };
    if (niveau < 2) {
        for (const TYPEDEF_TDC* t = tdc1->chaines[niveau]; t; t = t->suivant)
            voir(t);
    } else {
        std::vector<int> carres;
        vCarresVisibles(b, carres);
        for (int c : carres)
            for (const TYPEDEF_TDC_CASE* k = tdc1->carres[niveau][c]; k; k = k->suivant)
                if (k->tdc)
                    voir(k->tdc);
    }
    state.counters["records_visited"] = double(visites);
    state.counters["records_drawn"] = double(dessines);
}

void dessiner(benchmark::State& state, const Vue* v)
{
    if (!tdc1->charge[v->niveau]) {
        state.SkipWithError("level not generated (make mapdata)");
        return;
    }
    carte->zoom(v->lat, v->lon, v->etendue, 0);
    fenetre->make_current();
    for (auto _ : state) {
        carte->draw_tdc(0, 1);
        XSync(fl_display, False);
    }
    compter(state);
    state.counters["level"] = ZOOMTDC;
}

void enregistrer(const std::string& dossier)
{
    if (chdir(dossier.c_str()) != 0)
        return;
    benchmark::RegisterBenchmark("chargement", charger)->Unit(benchmark::kMillisecond)->Iterations(3);
    tdc1 = new tdc();
    tdc1->load();
    LOAD_TDC = 1;
    fenetre = new Fl_Double_Window(L, HT);
    carte = new fdc(0, 0, L, HT);
    fenetre->end();
    carte->initialisation(FDC_VECTEUR, HT, 1);
    carte->niveauTraitCote = 1;
    fenetre->show();
    Fl::flush();
    for (const Vue& v : VUES)
        benchmark::RegisterBenchmark((std::string("dessin/") + v.nom).c_str(), dessiner, &v)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
