#include "tests/pages/requeteur_test.h"

#include "gribdata/fichiers.h"

#include "map/fdc.h"
#include "routes/dru_routes.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"
#include "ui/crochets.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Text_Buffer.H>
#include <cstdlib>
#include <filesystem>
#include <sstream>

HeureFixe::HeureFixe()
{
    heurecourante = 10;
    jourcourant = 1;
}

HeureFixe::~HeureFixe()
{
    heurecourante = jourcourant = 0;
}

PosteRequeteur::PosteRequeteur(int onglet, int forfaits, int largeur)
    : fenetre(0, 0, largeur, 700)
{
    configuration->preferences->onglets[0] = onglet;
    configuration->preferences->onglets[1] = forfaits;
    onglets = new Fl_Tabs(0, 99, largeur, 601);
    page = new vr(0, 99, largeur, 601, nullptr);
    onglets->end();
    fenetre.end();
    page->initialisation(&fenetre, 500, 0);
    Fl_Group::current(nullptr);
}

PosteRequeteur::~PosteRequeteur()
{
    fenetre.hide();
}

RequeteurTest::RequeteurTest()
{
    skins();
    configuration = new classeConfiguration();
    std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                              dossier / "loc");
    // The program's folders: an answer is a success once the scan can
    // file it.
    creationRepertoires();
    std::filesystem::create_directories("img");
    gvr = pages;
    ngvr = 1;
    vInstallerHotePages();
    crochetAideArrange = vAideRearranger;
}

RequeteurTest::~RequeteurTest()
{
    harnais::vOublierBoite();
    for (int i = 1; i < GESTION_UI_TAILLE; ++i) {
        delete GESTION_UI[i];
        GESTION_UI[i] = nullptr;
    }
    GESTION_UI[0] = nullptr;
    pages[0] = nullptr;
    poste.reset();
    gvr = nullptr;
    ngvr = 0;
    delete configuration;
    configuration = nullptr;
}

void RequeteurTest::construire(int onglet, int forfaits, int largeur)
{
    pages[0] = nullptr;
    poste.reset();
    GESTION_UI[0] = nullptr;
    // A group a test opened would take the window in.
    Fl_Group::current(nullptr);
    poste = std::make_unique<PosteRequeteur>(onglet, forfaits, largeur);
    page = pages[0] = poste->page;
    gestion_interfaces::add(&poste->fenetre);
    ASSERT_TRUE(harnais::bMontrer(&poste->fenetre));
}

void RequeteurTest::cliquer(Fl_Widget* w)
{
    harnais::vCliquer(w->top_window(), w->x() + w->w() / 2, w->y() + w->h() / 2);
}

std::string RequeteurTest::etat() const
{
    Fl_Widget* montre = page->ongletsRequeteur->value();
    std::string e = montre == page->groupeForfaits  ? "forfaits"
                    : montre == page->scrollGrib    ? "grib"
                    : montre == page->groupeBulletins ? "bulletins"
                    : montre == page->groupeImages  ? "images"
                    : montre && montre == Dru_Routes ? "routes"
                                                    : "?";
    const bool grib = page->editionGrib->visible() && page->recapGrib->visible() &&
                      !page->editionBulletins->visible() && !page->recapBulletins->visible();
    const bool bulletins = !page->editionGrib->visible() && !page->recapGrib->visible() &&
                           page->editionBulletins->visible() && page->recapBulletins->visible();
    e += grib ? " grib [" : bulletins ? " bulletins [" : " ? [";
    for (int i = GBI_FORFAITS; i <= GBI_IMAGES; ++i) {
        classeBouton* b = page->boutonsGBI[i];
        if (b->visible())
            e += std::string(b->label()) + (b->value() ? "*" : "") + (i < GBI_IMAGES ? " " : "");
    }
    const int* o = configuration->preferences->onglets;
    return e + "] " + std::to_string(o[0]) + std::to_string(o[1]) + " " +
           std::to_string(page->boutonEnvoyer->active());
}

std::string RequeteurTest::texte(Fl_Text_Buffer* tampon)
{
    char* t = tampon->text();
    std::string s = t;
    std::free(t);
    return s;
}

// What this process last put on the clipboard, from the toolkit's own copy
// of it: asking the X server instead would race with the other test
// processes on the display, which take the clipboard in their turn.
extern char* fl_selection_buffer[2];
extern int fl_selection_length[2];

std::string RequeteurTest::presse()
{
    return fl_selection_buffer[1] ? std::string(fl_selection_buffer[1], fl_selection_length[1])
                                  : std::string();
}

void RequeteurTest::construireVue()
{
    construire(0, 0);
    page->carte->chargementAffiche = 0;
    page->carte->zoom(50, -20, 60, 1);
    ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
}

void RequeteurTest::modele(const char* modele)
{
    construireVue();
    cliquer(page->boutonZone);
    choisirModele(modele);
}

void RequeteurTest::choisirModele(const char* modele)
{
    classeBoutonImage* b = bouton(page->boutonsModeles, modele);
    ASSERT_NE(b, nullptr) << modele;
    b->value(1);
    b->do_callback();
    // The sections the choice replaced go at the next turn of the loop.
    ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
}

void RequeteurTest::basculer(classeBoutonImage* b)
{
    ASSERT_NE(b, nullptr);
    b->value(!b->value());
    b->do_callback();
}

bool RequeteurTest::bLigne(const std::string& ligne) const
{
    std::istringstream t(texte(page->tamponGrib));
    for (std::string l; std::getline(t, l);)
        if (l.erase(l.find_last_not_of(' ') + 1) == ligne)
            return true;
    return false;
}

classeBoutonImage* RequeteurTest::bouton(classeBoutonImage** boutons, const std::string& libelle)
{
    for (; boutons && *boutons; ++boutons)
        if (libelle == (*boutons)->label())
            return *boutons;
    return nullptr;
}
