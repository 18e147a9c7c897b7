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
#include "bench/map/carte_banc.h"
#include "bench/map/champs_monde.h"
#include "bench/map/trace_relais.h"

#include "map/fdc.h"

#include <FL/Fl_Double_Window.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>

namespace {

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

CarteBanc carte;

void drapeaux(benchmark::State& state)
{
    carte.fenetre->make_current();
    for (auto _ : state) {
        carte.carte->drawgrib(0);
        XSync(fl_display, False);
    }
    TraceComptee compte;
    carte.carte->traceGlyphes = &compte;
    carte.carte->drawgrib(0);
    carte.carte->traceGlyphes = &traceFltk();
    state.counters["lines"] = double(compte.traits);
    state.counters["calms"] = double(compte.cercles / 2);
    state.counters["pennants"] = double(compte.triangles / 2);
}

void enregistrer(const std::string&)
{
    carte = carteBanc({champVent(33, 500), champVent(34, 500)}, {33});
    vEnregistrerTrames("drapeaux/monde_0.5", drapeaux, 200);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
