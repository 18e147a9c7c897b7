// One step of a drag of the request frame, as the pointer moves it: the
// drag event through the frame's snapping, the request's zone line, text,
// volume and cost (model 1 at 0.125 degree, 20 forecast times, land left
// out through the land mask) and the models that hold the frame; then one
// drawing of the request map into an offscreen. A frame of 60 x 40
// degrees, one filling a world view, and the 60 x 40 frame as a moving
// zone at 99.9 knots with 37 forecast times pressed (its copies and track
// drawn, the land counted at each time ahead, the models checked against
// its envelope).
//
// Under an X server the request page itself answers the map (its zone
// fields, model buttons and request, 1000 x 700 window); without one, a
// host standing for the page does, and nothing is drawn.
// Counters: drag_ms (the drag event) and draw_ms.
//
// Usage: bench_cadre [Google Benchmark flags]; the land masks are read
// from the repository's data/, through a working folder of its own.
#include "bench/banc.h"

#include "gribdata/modeles.h"
#include "map/fdc.h"
#include "map/masques.h"
#include "pages/choix_modele.h"
#include "pages/vr.h"
#include "routes/spinner_position.h"
#include "tests/map/hote_cadre_test.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/horloge.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tabs.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::time_point a, Horloge::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

const char* const TEMPS[] = {"6",  "12", "18", "24", "30",  "36",  "42",  "48",  "54",  "60",
                             "66", "72", "78", "84", "90", "96", "102", "108", "114", "120",
                             nullptr};

struct Banc {
    fdc* carte = nullptr;
    requete* grib = nullptr;
    // The zone fields take a frame; the map takes it from them.
    void (*montrer)(const CadreZone& c) = nullptr;
};

Banc banc;

// ---- Without an X server: the map alone, with a host for the page.
HoteCadreTest* hote = nullptr;

int iModeles(double n, double s, double w, double e)
{
    static const std::vector<const TYPEDEF_MODELE*> lignes = modelesProposes();
    std::vector<bool> enfonces;
    for (const TYPEDEF_MODELE* l : lignes)
        enfonces.push_back(l->code == 1);
    return choixModele({n, s, w, e}, lignes, enfonces, false).resultat;
}

void vCarteSeule()
{
    Fl_Double_Window* fenetre = new Fl_Double_Window(1024, 600);
    banc.carte = new fdc(0, 0, 1024, 600);
    fenetre->end();
    banc.carte->initialisation(FDC_VECTEUR, 600, 0);
    hote = new HoteCadreTest(1);
    hote->grib.vSetMaille("0.125");
    hoteCarte.cadreModele = iModeles;
    banc.grib = &hote->grib;
    banc.montrer = [](const CadreZone& c) {
        hote->champs = c;
        banc.carte->overlay_output(2);
    };
}

// ---- Under an X server: the request page.
vr* requeteur = nullptr;

void vPresser(classeBoutonImage** boutons, const std::string& libelle)
{
    for (; boutons && *boutons; ++boutons)
        if (libelle == (*boutons)->label()) {
            (*boutons)->setonly();
            (*boutons)->do_callback();
            return;
        }
}

void vPageRequetes()
{
    skins();
    configuration = new classeConfiguration();
    configuration->preferences->onglets[0] = configuration->preferences->onglets[1] = 0;
    static vr* pages[VR_PAGES] = {};
    gvr = pages;
    vInstallerHotePages();
    Fl_Double_Window* fenetre = new Fl_Double_Window(0, 0, 1000, 700);
    Fl_Tabs* onglets = new Fl_Tabs(0, 99, 1000, 601);
    requeteur = pages[0] = new vr(0, 99, 1000, 601, nullptr);
    onglets->end();
    fenetre->end();
    requeteur->initialisation(fenetre, 500, 0);
    Fl_Group::current(nullptr);
    fenetre->show();
    Fl::flush();
    banc.carte = requeteur->carte;
    banc.carte->chargementAffiche = 0;
    banc.carte->zoom(0, 0, 180, 1);
    requeteur->boutonZone->value(1);
    requeteur->boutonZone->do_callback();
    vPresser(requeteur->boutonsModeles, "Monde");
    vPresser(requeteur->boutonsMailles, "0.125");
    banc.grib = requeteur->requeteGrib;
    banc.montrer = [](const CadreZone& c) {
        requeteur->setCoordonnees(c.nord, c.sud, c.ouest, c.est);
        banc.carte->overlay_output(2);
    };
    fenetre->make_current();
}

// The moving zone: course 45 at 99.9 knots over the first 37 forecast
// times (0 to 108 by 3), or none.
const int TEMPS_MOBILES = 37;

void vZoneMobile(bool mobile)
{
    if (requeteur) {
        if (mobile) {
            requeteur->titreValidites->do_callback();
            requeteur->vRequeteurGribEcheancesPas(0);
            for (int i = 0; i < TEMPS_MOBILES && requeteur->boutonsEcheances[i]; ++i)
                requeteur->boutonsEcheances[i]->value(1);
            requeteur->requeteGrib->vSetEcheances(requeteur->boutonsEcheances);
        }
        requeteur->champCap->value(mobile ? 45 : 0);
        requeteur->champVitesse->value(mobile ? 99.9 : 0);
        requeteur->vRequeteurGribDeplacementSet();
        if (!mobile)
            banc.grib->vSetEcheances(TEMPS);
        return;
    }
    static std::vector<std::string> heures;
    std::vector<const char*> liste;
    hote->zone = ZoneMobile{45, 99.9f, 0, {}};
    for (int i = 0; i < TEMPS_MOBILES; ++i) {
        heures.push_back(std::to_string(3 * i));
        hote->zone.temps.push_back({1, 3 * i, 3.0 * i});
    }
    for (const std::string& h : heures)
        liste.push_back(h.c_str());
    liste.push_back(nullptr);
    hote->mobile = mobile;
    banc.grib->vSetEcheances(mobile ? liste.data() : TEMPS);
    if (mobile)
        banc.grib->vSetCapVitesse(45, 99.9);
    else
        banc.grib->vUnsetCapVitesse();
}

// The pointer takes hold of the frame at its centre.
void vPrendre(const CadreZone& c)
{
    fdc& carte = *banc.carte;
    banc.montrer(c);
    Fl::e_state = FL_BUTTON1;
    Fl::e_x = carte.x() + carte.iColonne((c.ouest + c.est) / 2);
    Fl::e_y = carte.y() + int(carte.dLigne((c.nord + c.sud) / 2));
    carte.pressionGauche = 1;
    carte.mousedrag();
}

void glisse(benchmark::State& state, CadreZone cadre, bool mobile)
{
    vZoneMobile(mobile);
    vPrendre(cadre);
    Fl_Offscreen hors = requeteur ? fl_create_offscreen(banc.carte->w(), banc.carte->h()) : 0;
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
    state.SetLabel(banc.grib->texteVolume + " Ko " + banc.grib->ligneZone + " " +
                   banc.grib->ligneMaille + " " + banc.grib->ligneCapVitesse);
    if (hors)
        fl_delete_offscreen(hors);
}

void enregistrer(const std::string&)
{
    if (!bDossierDeTravail())
        return;
    load_masques();
    heurecourante = 12;
    if (std::getenv("DISPLAY"))
        vPageRequetes();
    else
        vCarteSeule();
    banc.grib->vSetParametre("Pmer");
    banc.grib->modeValidites = 0;
    banc.grib->vSetEcheances(TEMPS);
    banc.carte->zoom(0, 0, 180, 0);
    const struct {
        const char* nom;
        CadreZone cadre;
        bool mobile;
    } cas[] = {{"cadre/60x40", {60, 20, -60, 0}, false},
               {"cadre/monde", {80, -80, -170, 170}, false},
               {"cadre/mobile", {60, 20, -60, 0}, true}};
    for (const auto& c : cas)
        benchmark::RegisterBenchmark(c.nom, glisse, c.cadre, c.mobile)
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
