// The whole frame of a viewer map at 1024 x 600 over the whole world, X
// server included: the vector-only map with its coastline at level 1, a
// global pressure field in bands with isobars and labels, and the wind
// flags of a global wind on the same grid. One repetition is one frame
// (after a warm-up), so the median and 95th percentile are over frames.
//
// trame/monde_0.5 (0.5-degree fields) draws the fields of an unchanged
// view again; its counters split each frame by layer, each waited for
// (XSync):
//
//   coast_ms       plain sea and coastline
//   calcul_ms      before each band picture is blended in: the pictures
//                  made, or taken as they were kept
//   calcul_main_ms of it, before the last picture, the copy that shows
//                  widest (the others are slivers at the map's edges)
//   picture_ms     the band pictures blended in
//   glyphs_ms      the wind flags
//   labels_ms      the isobar labels
//
// trame/entiere/monde_S is the whole draw() of the map with fields of a
// grid step of S degrees (0.5, 0.25, 0.125), as the window redraws it an
// unchanged view: names, graticule, scale and the copy of the back buffer
// to the window included (frame_ms). trame/deplacee/monde_S is the same
// after each frame the view moved one pixel across, as in a drag: the band
// pictures and labels are made anew. Their counters split the frame by
// layer, each drawn alone after the frame and waited for (the fields of
// trame/deplacee after one more pixel's move):
//
//   coast_ms       plain sea and coastline (draw_tdc)
//   names_ms       the place names (pays, pays2)
//   fields_ms      bands, isobars, flags and labels (drawgrib 0 and 1),
//                  of which:
//   bands_ms         the band pictures made or kept, and blended in
//   flags_ms         the wind flags
//   labels_ms        the isobar labels
//   graticule_ms   the graticule (drawLatLon)
//   scale_ms       the scale (echelle)
//
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
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::time_point a, Horloge::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Times the band pictures as the toolkit draws them, and the stretches
// before each (the picture of that copy being made). Off, it only hands
// the calls on: the frames draw through it too, so that the labels kept
// for a seam are not written anew each time the seam changes.
class TraceChrono : public TraceRelais {
public:
    bool actif = true;
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
        if (!actif) {
            TraceRelais::image(p, li, hi, x, y, l, h, cx, cy);
            return;
        }
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
        if (actif && !glyphes)
            debutGlyphes = Horloge::now(), glyphes = true;
        TraceRelais::decoupe(x, y, l, h);
    }
};

// The maps of the three grid steps, the 0.5-degree one first.
struct Monde {
    const char* pas;
    CarteBanc banc;
};
std::vector<Monde> mondes;

// The passes of the fields, each waited for: when they start, when pass 0
// (bands and flags) ends, when pass 1 (labels) ends.
struct TempsChamps {
    Horloge::time_point debut, bandes, fin;
};

TempsChamps tempsChamps(fdc* carte, TraceChrono& chrono)
{
    TempsChamps t;
    t.debut = Horloge::now();
    chrono.vRepartir(t.debut);
    carte->drawgrib(0);
    XSync(fl_display, False);
    t.bandes = Horloge::now();
    carte->drawgrib(1);
    XSync(fl_display, False);
    t.fin = Horloge::now();
    return t;
}

void trame(benchmark::State& state)
{
    fdc* carte = mondes.front().banc.carte;
    mondes.front().banc.fenetre->show();
    mondes.front().banc.fenetre->make_current();
    TraceChrono chrono;
    carte->traceGlyphes = &chrono;
    for (auto _ : state) {
        const auto t0 = Horloge::now();
        // The map's own drawing would run every layer: each is timed alone,
        // the coastline painting the plain sea first.
        carte->draw_tdc(0, 1);
        XSync(fl_display, False);
        const TempsChamps t = tempsChamps(carte, chrono);
        double calcul = 0;
        for (double c : chrono.calculs)
            calcul += c;
        state.counters["coast_ms"] = ms(t0, t.debut);
        state.counters["calcul_ms"] = calcul;
        state.counters["calcul_main_ms"] = chrono.calculs.empty() ? 0 : chrono.calculs.back();
        state.counters["picture_ms"] = chrono.images;
        state.counters["glyphs_ms"] = chrono.glyphes ? ms(chrono.debutGlyphes, t.bandes) : 0;
        state.counters["labels_ms"] = ms(t.bandes, t.fin);
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

// The fields layer alone, split into bands, flags and labels.
void vChampsSepares(benchmark::State& state, fdc* carte, TraceChrono& chrono)
{
    chrono.actif = true;
    const TempsChamps t = tempsChamps(carte, chrono);
    chrono.actif = false;
    const auto glyphes = chrono.glyphes ? chrono.debutGlyphes : t.bandes;
    state.counters["fields_ms"] = ms(t.debut, t.fin);
    state.counters["bands_ms"] = ms(t.debut, glyphes);
    state.counters["flags_ms"] = ms(glyphes, t.bandes);
    state.counters["labels_ms"] = ms(t.bandes, t.fin);
}

// One pixel across, back and forth.
void vDeplacer(fdc* carte, int& sens)
{
    carte->deplacer(sens, 0);
    sens = -sens;
}

void trameEntiere(benchmark::State& state, const Monde* monde, bool deplacee)
{
    const CarteBanc& banc = monde->banc;
    fdc* carte = banc.carte;
    int sens = 1;
    TraceChrono chrono;
    chrono.actif = false;
    carte->traceGlyphes = &chrono;
    // The maps' windows lie one over the other: this one on top.
    banc.fenetre->show();
    Fl::flush();
    XSync(fl_display, False);
    for (auto _ : state) {
        if (deplacee)
            vDeplacer(carte, sens);
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
        if (deplacee)
            vDeplacer(carte, sens);
        vChampsSepares(state, carte, chrono);
        state.counters["graticule_ms"] = dChrono([&] { carte->drawLatLon(); });
        state.counters["scale_ms"] = dChrono([&] { carte->echelle(); });
        fl_pop_clip();
        state.SetIterationTime(frame / 1000);
    }
    carte->traceGlyphes = &traceFltk();
}

void vEnregistrerEntiere(const char* genre, const Monde& m, bool deplacee)
{
    const std::string nom = std::string("trame/") + genre + "/monde_" + m.pas;
    auto* b = benchmark::RegisterBenchmark(nom.c_str(), trameEntiere, &m, deplacee);
    pParRepetitions(b->UseManualTime(), 100);
}

void enregistrer(const std::string& dossier)
{
    if (dossier == "." ? !bDossierDeTravail() : chdir(dossier.c_str()) != 0)
        return;
    tdc1 = new tdc();
    tdc1->load();
    LOAD_TDC = 1;
    for (auto [pas, nom] : {std::pair{500, "0.5"}, {250, "0.25"}, {125, "0.125"}})
        mondes.push_back({nom, carteBanc({champPression(pas), champVent(33, pas), champVent(34, pas)},
                                         {2, 33})});
    vEnregistrerTrames("trame/monde_0.5", trame, 100);
    for (const Monde& m : mondes)
        vEnregistrerEntiere("entiere", m, false);
    for (const Monde& m : mondes)
        vEnregistrerEntiere("deplacee", m, true);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
