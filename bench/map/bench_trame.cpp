// The whole frame of a viewer map at 1024 x 600 over the whole world, X
// server included: the vector-only map with its coastline at level 1, a
// global 0.5-degree pressure field in bands with isobars and labels, and
// the wind flags of a global 0.5-degree wind. One repetition is one frame
// (after a warm-up), so the median and 95th percentile are over frames.
// The counters split each frame by layer, each waited for (XSync):
//
//   coast_ms       plain sea and coastline
//   calcul_ms      the band pictures made, every copy of the field in view
//   calcul_main_ms of them, the copy that shows widest (the others are
//                  slivers at the map's edges)
//   picture_ms     the band pictures blended in
//   glyphs_ms      the wind flags
//   labels_ms      the isobar labels
//
// trame/entiere/monde_0.5 is the whole draw() of the same map, as the
// window redraws it: names, graticule, scale and the copy of the back
// buffer to the window included (frame_ms); its counters split it by
// layer, each drawn alone after the frame and waited for:
//
//   coast_ms       plain sea and coastline (draw_tdc)
//   names_ms       the place names (pays, pays2)
//   fields_ms      bands, isobars, flags and labels (drawgrib 0 and 1)
//   graticule_ms   the graticule (drawLatLon)
//   scale_ms       the scale (echelle)
//
// Usage: bench_trame [--data=DIR] [Google Benchmark flags], DIR holding
// img/data1.dat.gz (the repository's data/ by default), under an X server
// (bench/run.sh starts one).
#include "bench/banc.h"
#include "bench/map/carte_banc.h"
#include "bench/map/champs_monde.h"
#include "bench/map/trace_relais.h"

#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "map/tdc.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>
#include <chrono>
#include <unistd.h>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::time_point a, Horloge::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Times the band pictures as the toolkit draws them, and the stretches
// before each (the picture of that copy being made).
class TraceChrono : public TraceRelais {
public:
    Horloge::time_point repere;  // the start of the current stretch
    std::vector<double> calculs;
    double images = 0;
    Horloge::time_point debutGlyphes;
    bool glyphes = false;

    void vRepartir(Horloge::time_point t)
    {
        repere = t;
        calculs.clear();
        images = 0;
        glyphes = false;
    }

    void image(const unsigned char* p, int li, int hi, int x, int y, int l, int h, int cx, int cy) override
    {
        const auto t = Horloge::now();
        calculs.push_back(ms(repere, t));
        TraceRelais::image(p, li, hi, x, y, l, h, cx, cy);
        XSync(fl_display, False);
        repere = Horloge::now();
        images += ms(t, repere);
    }
    // The glyph layer starts by clipping to the map.
    void decoupe(int x, int y, int l, int h) override
    {
        if (!glyphes)
            debutGlyphes = Horloge::now(), glyphes = true;
        TraceRelais::decoupe(x, y, l, h);
    }
};

CarteBanc banc;

void trame(benchmark::State& state)
{
    fdc* carte = banc.carte;
    banc.fenetre->make_current();
    TraceChrono chrono;
    carte->traceGlyphes = &chrono;
    for (auto _ : state) {
        const auto t0 = Horloge::now();
        // The map's own drawing would run every layer: each is timed alone,
        // the coastline painting the plain sea first.
        carte->draw_tdc(0, 1);
        XSync(fl_display, False);
        const auto t1 = Horloge::now();
        chrono.vRepartir(t1);
        carte->drawgrib(0);
        XSync(fl_display, False);
        const auto t2 = Horloge::now();
        carte->drawgrib(1);
        XSync(fl_display, False);
        const auto t3 = Horloge::now();
        double calcul = 0;
        for (double c : chrono.calculs)
            calcul += c;
        state.counters["coast_ms"] = ms(t0, t1);
        state.counters["calcul_ms"] = calcul;
        state.counters["calcul_main_ms"] = chrono.calculs.empty() ? 0 : chrono.calculs.back();
        state.counters["picture_ms"] = chrono.images;
        state.counters["glyphs_ms"] = chrono.glyphes ? ms(chrono.debutGlyphes, t2) : 0;
        state.counters["labels_ms"] = ms(t2, t3);
        state.counters["copies"] = double(chrono.calculs.size());
    }
    carte->traceGlyphes = &traceFltk();
}

template <class F>
double dChrono(F f)
{
    const auto t = Horloge::now();
    f();
    XSync(fl_display, False);
    return ms(t, Horloge::now());
}

void trameEntiere(benchmark::State& state)
{
    fdc* carte = banc.carte;
    for (auto _ : state) {
        const double frame = dChrono([&] {
            // What the toolkit's flush runs for a damaged double-buffered
            // window: draw() into the back buffer, then the copy.
            banc.fenetre->damage(FL_DAMAGE_ALL);
            banc.fenetre->flush();
        });
        state.counters["frame_ms"] = frame;
        banc.fenetre->make_current();
        fl_push_clip(carte->x(), carte->y(), carte->w(), carte->h());
        state.counters["coast_ms"] = dChrono([&] { carte->draw_tdc(0, 1); });
        state.counters["names_ms"] = dChrono([&] { carte->pays(), carte->pays2(); });
        state.counters["fields_ms"] = dChrono([&] { carte->drawgrib(0), carte->drawgrib(1); });
        state.counters["graticule_ms"] = dChrono([&] { carte->drawLatLon(); });
        state.counters["scale_ms"] = dChrono([&] { carte->echelle(); });
        fl_pop_clip();
        state.SetIterationTime(frame / 1000);
    }
}

void enregistrer(const std::string& dossier)
{
    if (chdir(dossier == "." ? QUENBREL_SOURCE_DIR "/data" : dossier.c_str()) != 0)
        return;
    tdc1 = new tdc();
    tdc1->load();
    LOAD_TDC = 1;
    banc = carteBanc({champPression(500), champVent(33, 500), champVent(34, 500)}, {2, 33});
    vEnregistrerTrames("trame/monde_0.5", trame, 100);
    benchmark::RegisterBenchmark("trame/entiere/monde_0.5", trameEntiere)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(100)
        ->ComputeStatistics("p95", dCentile95)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
