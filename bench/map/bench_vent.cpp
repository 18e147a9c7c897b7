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
#include "bench/alea.h"
#include "bench/banc.h"

#include "ecriture_grib_test.h"
#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "map/trace_glyphes.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const int L = 1024, HT = 600;

struct Tourbillon {
    double lat, lon, force;
};

std::vector<Tourbillon> tourbillons()
{
    Alea alea(20261206);
    std::vector<Tourbillon> t;
    for (int i = 0; i < 24; ++i)
        t.push_back({double(alea() % 140) - 70, double(alea() % 360) - 180,
                     (double(alea() % 2001) - 1000) / 50.0});
    return t;
}

// u (composante 0) or v (1) in m/s at a point.
double vent(int composante, double lat, double lon)
{
    static const std::vector<Tourbillon> t = tourbillons();
    double u = 12 * std::sin(lat * M_PI / 45), v = 0;
    for (const Tourbillon& c : t) {
        const double dx = std::remainder(lon - c.lon, 360.0), dy = lat - c.lat;
        const double poids = c.force * std::exp(-(dx * dx + dy * dy) / 200);
        u -= poids * dy / 10, v += poids * dx / 10;
    }
    return composante ? v : u;
}

ChampEcrit champ(int parametre)
{
    ChampEcrit c;
    c.parametre = parametre;
    c.ni = 720, c.nj = 361, c.di = c.dj = 500;
    c.valeur = [parametre](double lat, double lon) { return vent(parametre - 33, lat, lon); };
    return c;
}

// Forwards to the toolkit and counts what it draws.
class TraceComptee : public TraceGlyphes {
public:
    long traits = 0, cercles = 0, triangles = 0;
    void couleur(const unsigned char* c) override { traceFltk().couleur(c); }
    void epaisseur(int p) override { traceFltk().epaisseur(p); }
    void trait(int a, int b, int c, int d) override { ++traits, traceFltk().trait(a, b, c, d); }
    void cercle(int x, int y, int r) override { ++cercles, traceFltk().cercle(x, y, r); }
    void triangle(int a, int b, int c, int d, int e, int f) override
    {
        ++triangles, traceFltk().triangle(a, b, c, d, e, f);
    }
    void decoupe(int x, int y, int l, int h) override { traceFltk().decoupe(x, y, l, h); }
    void finDecoupe() override { traceFltk().finDecoupe(); }
    void police(int n, int t) override { traceFltk().police(n, t); }
    int largeur(const char* t) override { return traceFltk().largeur(t); }
    void texte(const char* t, int x, int y) override { traceFltk().texte(t, x, y); }
    void image(const unsigned char* p, int li, int hi, int x, int y, int l, int h, int cx, int cy) override
    {
        traceFltk().image(p, li, hi, x, y, l, h, cx, cy);
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
    octets = sMessagesGrib({champ(33), champ(34)});
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
        ->ComputeStatistics("p95",
                            [](const std::vector<double>& v) {
                                std::vector<double> t(v);
                                std::sort(t.begin(), t.end());
                                return t[size_t(0.95 * double(t.size() - 1))];
                            })
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
