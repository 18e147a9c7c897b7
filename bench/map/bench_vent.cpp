// Wind flags of a global 0.5-degree field (720 x 361 points) over a
// whole-world view of a 1024 x 600 vector-only map, drawn through the
// toolkit by drawgrib(0) with the wind pair alone; every frame waits for
// the X server (XSync). One repetition is one frame, so the median and
// the 95th percentile are over the frames. The field, written as GRIB by
// the tests' writer: westerlies and trade winds with vortices placed by a
// fixed seed, 0 to about 60 knots.
//
// Usage: bench_vent [Google Benchmark flags], under an X server
// (bench/run.sh starts one).
#include "bench/banc.h"
#include "bench/map/champs_monde.h"
#include "bench/map/trace_relais.h"

#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

const int L = 1024, HT = 600;

// Forwards to the toolkit and counts what it draws.
class TraceComptee : public TraceRelais {
public:
    long traits = 0, cercles = 0, triangles = 0;
    void trait(int a, int b, int c, int d) override { ++traits, TraceRelais::trait(a, b, c, d); }
    void cercle(int x, int y, int r) override { ++cercles, TraceRelais::cercle(x, y, r); }
    void triangle(int a, int b, int c, int d, int e, int f) override
    {
        ++triangles, TraceRelais::triangle(a, b, c, d, e, f);
    }
};

std::string octets;
File fichier;
Fl_Double_Window* fenetre = nullptr;
fdc* carte = nullptr;

void drapeaux(benchmark::State& state)
{
    fenetre->make_current();
    for (auto _ : state) {
        carte->drawgrib(0);
        XSync(fl_display, False);
    }
    TraceComptee compte;
    carte->traceGlyphes = &compte;
    carte->drawgrib(0);
    carte->traceGlyphes = &traceFltk();
    state.counters["lines"] = double(compte.traits);
    state.counters["calms"] = double(compte.cercles / 2);
    state.counters["pennants"] = double(compte.triangles / 2);
}

void enregistrer(const std::string&)
{
    octets = sMessagesGrib({champVent(33, 500), champVent(34, 500)});
    fichier.set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size()));
    static classeBoutonImage vent(0, 0, 1, 1), validite(0, 0, 1, 1);
    vent.user_data(reinterpret_cast<void*>(intptr_t(33)));
    validite.user_data(reinterpret_cast<void*>(intptr_t(2026120612)));
    vent.value(1), validite.value(1);
    static classeBoutonImage* parametres[] = {&vent, nullptr};
    static classeBoutonImage* validites[] = {&validite, nullptr};

    fenetre = new Fl_Double_Window(L, HT);
    carte = new fdc(0, 0, L, HT);
    fenetre->end();
    carte->initialisation(FDC_VECTEUR, HT, 1);
    carte->chargementAffiche = 0;
    carte->vGrib(fichier.list, parametres, validites, nullptr, nullptr, nullptr, nullptr);
    fenetre->show();
    Fl::flush();
    fenetre->make_current();
    carte->drawgrib(0);  // warm-up
    XSync(fl_display, False);
    benchmark::RegisterBenchmark("drapeaux/monde_0.5", drapeaux)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(200)
        ->ComputeStatistics("p95", dCentile95)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
