#include "tests/pages/page_test.h"

#include "grib_test.h"
#include "transport/scan.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/gestion_interfaces.h"
#include "ui/palette.h"

#include <cmath>
#include <sys/stat.h>

std::string sFichierPage(const std::vector<MessagePage>& messages)
{
    std::string octets;
    for (const MessagePage& m : messages) {
        MessageTest t;
        t.parametre = m.parametre, t.annee = 2024, t.mois = 3, t.jour = m.jour, t.heure = m.heure;
        if (m.valeur != 0)
            t.R = m.valeur;
        octets += t.octets();
    }
    return octets;
}

void PageVisualisateur::SetUp()
{
    skins();
    configuration = new classeConfiguration();
    mkdir("dat", 0700);
    onglets->end();
    fenetre.end();
    // The viewer's panel spans the main window's height, as in the program.
    INTERFACE_HAUTEUR = fenetre.h();
    page->initialisation(&fenetre, 500, 1);
    // The page closes itself into its tab group, which goes with the test.
    Fl_Group::current(nullptr);
    gestion_interfaces::add(&fenetre);
}

void PageVisualisateur::TearDown()
{
    delete configuration;
    configuration = nullptr;
    INTERFACE_HAUTEUR = hauteurInterface;
    OPEN_GRIB_FILE = nullptr;
    GESTION_UI[0] = nullptr;
}

int PageVisualisateur::recevoir(const std::string& nom, const std::string& octets)
{
    if (!nom.empty())
        ecrireFichier("dat/" + nom, octets);
    nomRecu = nom;
    OPEN_GRIB_FILE = nomRecu.data();
    vr::vBoutonVisualisateurBrowser2Callback(nullptr, page);
    return page->fichiers[0] != nullptr;
}

int PageVisualisateur::iValiditePressee() const
{
    for (int i = 0; page->boutonsValidites && page->boutonsValidites[i]; ++i)
        if (page->boutonsValidites[i]->value())
            return i;
    return -1;
}
