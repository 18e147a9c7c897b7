#include "bench/map/carte_banc.h"

#include "bench/banc.h"
#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>
#include <cstdint>
#include <memory>
#include <string>

namespace {

classeBoutonImage* bouton(long nombre)
{
    auto* b = new classeBoutonImage(0, 0, 1, 1);
    b->user_data(reinterpret_cast<void*>(intptr_t(nombre)));
    b->value(1);
    return b;
}

}  // namespace

CarteBanc carteBanc(const std::vector<ChampEcrit>& champs, const std::vector<long>& parametres)
{
    // Each map's file and buttons, kept to the end as the map is.
    auto* octets = new std::string(sMessagesGrib(champs));
    auto* fichier = new File;
    // Null-terminated, as a page hands them to the map.
    auto* appuyes = new std::vector<classeBoutonImage*>;
    auto* validites = new std::vector<classeBoutonImage*>{bouton(2026120612), nullptr};
    fichier->set(reinterpret_cast<const unsigned char*>(octets->data()), unsigned(octets->size()));
    for (long p : parametres)
        appuyes->push_back(bouton(p));
    appuyes->push_back(nullptr);

    CarteBanc c{new Fl_Double_Window(1024, 600), nullptr};
    c.carte = new fdc(0, 0, 1024, 600);
    c.fenetre->end();
    c.carte->initialisation(FDC_VECTEUR, 600, 1);
    c.carte->chargementAffiche = 0;
    c.carte->niveauTraitCote = 1;
    c.carte->vGrib(fichier->list, appuyes->data(), validites->data(), nullptr, nullptr, nullptr, nullptr);
    c.fenetre->show();
    Fl::flush();
    // The fields' grids are made at their first drawing.
    c.fenetre->make_current();
    c.carte->drawgrib(0);
    c.carte->drawgrib(1);
    XSync(fl_display, False);
    return c;
}

void vEnregistrerTrames(const char* nom, void (*trame)(benchmark::State&), int frames)
{
    pParRepetitions(benchmark::RegisterBenchmark(nom, trame), frames);
}
