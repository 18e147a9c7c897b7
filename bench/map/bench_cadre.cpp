// One step of a drag of the request frame, as the pointer moves it: the
// drag event through the frame's snapping, the request's zone line, text,
// volume and cost (model 1 at 0.125 degree, 20 forecast times, land left
// out through the land mask) and the models that hold the frame; then,
// under an X server, one drawing of the request map into an offscreen.
// A frame of 60 x 40 degrees and one filling a world view, at 1024 x 600.
// Counters: drag_ms (the drag event, headless) and draw_ms.
//
// Usage: bench_cadre [Google Benchmark flags]; the land masks are read
// from the repository's data/.
#include "bench/banc.h"

#include "gribdata/modeles.h"
#include "map/fdc.h"
#include "map/masques.h"
#include "pages/choix_modele.h"
#include "tests/map/hote_cadre_test.h"
#include "ui/horloge.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::time_point a, Horloge::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Banc {
    Fl_Double_Window* fenetre = nullptr;
    fdc* carte = nullptr;
    HoteCadreTest* hote = nullptr;
    bool ecran = false;
};

Banc banc;

void composer(requete& r)
{
    static const char* const TEMPS[] = {"6",  "12", "18", "24", "30", "36", "42",
                                        "48", "54", "60", "66", "72", "78", "84",
                                        "90", "96", "102", "108", "114", "120", nullptr};
    r.vSetDomaine(1);
    r.vSetMaille("0.125");
    r.vSetParametre("Pmer");
    r.modeValidites = 0;
    r.vSetEcheances(TEMPS);
}

// The models that hold the frame, as the page asks at each change.
int iModeles(double n, double s, double w, double e)
{
    static const std::vector<const TYPEDEF_MODELE*> lignes = modelesProposes();
    std::vector<bool> enfonces;
    for (const TYPEDEF_MODELE* l : lignes)
        enfonces.push_back(l->code == 1);
    return choixModele({n, s, w, e}, lignes, enfonces, false).resultat;
}

// The pointer takes hold of the frame at its centre.
void vPrendre(const CadreZone& c)
{
    fdc& carte = *banc.carte;
    banc.hote->champs = c;
    carte.overlay_output(2);
    Fl::e_state = FL_BUTTON1;
    Fl::e_x = carte.x() + carte.iColonne((c.ouest + c.est) / 2);
    Fl::e_y = carte.y() + int(carte.dLigne((c.nord + c.sud) / 2));
    carte.pressionGauche = 1;
    carte.mousedrag();
}

void glisse(benchmark::State& state, CadreZone cadre)
{
    vPrendre(cadre);
    Fl_Offscreen hors = banc.ecran ? fl_create_offscreen(1024, 600) : 0;
    int pas = 8;
    for (auto _ : state) {
        const auto t0 = Horloge::now();
        Fl::e_x += pas;
        pas = -pas;
        banc.carte->mousedrag();
        const auto t1 = Horloge::now();
        state.counters["drag_ms"] = ms(t0, t1);
        if (hors) {
            fl_begin_offscreen(hors);
            banc.carte->draw();
            XSync(fl_display, False);
            fl_end_offscreen();
            state.counters["draw_ms"] = ms(t1, Horloge::now());
        }
    }
    state.SetLabel(banc.hote->grib.texteVolume + " Ko " + banc.hote->grib.ligneZone);
    if (hors)
        fl_delete_offscreen(hors);
}

void enregistrer(const std::string&)
{
    if (chdir(QUENBREL_SOURCE_DIR "/data") != 0)
        return;
    load_masques();
    heurecourante = 12;
    banc.fenetre = new Fl_Double_Window(1024, 600);
    banc.carte = new fdc(0, 0, 1024, 600);
    banc.fenetre->end();
    banc.carte->initialisation(FDC_VECTEUR, 600, 0);
    banc.carte->chargementAffiche = 0;
    banc.hote = new HoteCadreTest(1);
    composer(banc.hote->grib);
    hoteCarte.cadreModele = iModeles;
    banc.ecran = std::getenv("DISPLAY") != nullptr;
    if (banc.ecran) {
        banc.fenetre->show();
        Fl::flush();
        banc.fenetre->make_current();
    }
    banc.carte->zoom(0, 0, 180, 0);
    for (const auto& [nom, cadre] :
         {std::pair{"cadre/60x40", CadreZone{60, 20, -60, 0}},
          std::pair{"cadre/monde", CadreZone{80, -80, -170, 170}}})
        benchmark::RegisterBenchmark(nom, glisse, cadre)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
