// What the viewer's "Ouvrir" and the incoming-folder scan open: a GRIB
// file in the page, a text or a picture in a window of its own. "Ouvrir"
// offers and opens the kinds the scan files, told by the one rule of
// received names.
#include "pages/vr.h"

#include "codes/texte_journal.h"
#include "gribdata/globales.h"
#include "map/fdc.h"
#include "transport/genre_recu.h"
#include "transport/scan.h"
#include "ui/alerte_differee.h"
#include "ui/boutons.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"
#include "ui/ouvertures.h"
#include "ui/selecteur.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/filename.H>
#include <cstdio>
#include <string>

namespace {

const char* const REFUS = CLE_LOCAL("Ce genre de fichier ne s'ouvre pas ; extensions lues :");

// A name of no kind the program opens: the log and the user hear why. The
// chooser may still be delivering the click: the box waits for the main
// loop.
void vRefuser(const char* chemin)
{
    vJournal("<VISUALISATEUR>", "fichier non ouvert, genre inconnu: %s\n",
             sTexteJournal(chemin).c_str());
    vAlerteDifferee(std::string(chemin) + "\n" + pcTraduire(REFUS) + " " + pcExtensionsGenres());
}

// The page's received file: "dat/" and its name, which must fit.
const char* pcCheminRecu(vr& page)
{
    if (!OPEN_GRIB_FILE)
        return nullptr;
    const int n = std::snprintf(page.chemin, sizeof page.chemin, "dat/%s", OPEN_GRIB_FILE);
    if (n < 0 || size_t(n) >= sizeof page.chemin) {
        vJournal("<VISUALISATEUR>", "nom de fichier recu trop long, ignore\n");
        return nullptr;
    }
    return page.chemin;
}

// A GRIB file in the page, "Fermer" active; shown, the map locked onto its
// grid. A received one brings its page forward, shown or not: the page
// tells why it shows nothing.
void vOuvrirGrib(vr& page, const char* chemin, bool recu)
{
    if (page.grib(chemin, 0, recu)) {
        page.carte->verrou = 1;
        page.boutonCadenas->value(1);
        page.boutonCadenas->image(image_cadenas_rouge);
        page.carte->gribVerrou(1);
    }
    page.boutonFermer->activate();
    if (recu)
        vBasculePage(page.boutonsPages[page.index - 1], &page);
    if (page.fenetre)
        page.fenetre->redraw();
}

}  // namespace

void vr::vBoutonVisualisateurBrowserCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    std::snprintf(page->chemin, sizeof page->chemin, "dat");
    if (WINDOWS_NATIVE && WINDOWS_OS) {
        char* choix = getFileNative("dat", pcFiltreGenres());
        if (choix && choix[0] && !fl_filename_isdir(choix) &&
            !page->iBoutonVisualisateurBrowser2(choix))
            vOuvrirGrib(*page, choix, false);
        delete[] choix;
        return;
    }
    if (!navigateur)
        return;
    navigateur->label(pcTraduire("Charger un fichier Grib"));
    navigateur->type(DRU_Fl_File_Chooser::CREATE);
    navigateur->filter(pcFiltreGenres());
    navigateur->reverseOrder = 1;
    navigateur->livraison_selection(1);
    navigateur->directory("dat");
    navigateur->callback(vBoutonVisualisateurBrowser2Callback, page);
    const Fl_Window* principale = page->fenetre;
    navigateur->show(principale ? principale->x() + 230 : 230, principale ? principale->y() : 0);
}

void vr::vBoutonVisualisateurBrowser2Callback(DRU_Fl_File_Chooser* chooser, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    const char* chemin = chooser ? chooser->value(1) : pcCheminRecu(*page);
    if (!chemin || !chemin[0] || fl_filename_isdir(chemin))
        return;
    if (chooser && page->iBoutonVisualisateurBrowser2(chemin))
        return;
    vOuvrirGrib(*page, chemin, chooser == nullptr);
}

int vr::iBoutonVisualisateurBrowser2(const char* path)
{
    const Fl_Window* f = fenetre;
    const int x = f ? f->x() : 0, y = f ? f->y() : 0;
    const int w = f ? f->w() : INTERFACE_LARGEUR, h = f ? f->h() : INTERFACE_HAUTEUR;
    const GenreRecu genre = genreRecu(fl_filename_name(path));
    if (genre == RECU_GRIB)
        return 0;
    if (genre != RECU_TEXTE && genre != RECU_IMAGE && genre != RECU_SATELLITE) {
        vRefuser(path);
        return 1;
    }
    if (navigateur)
        navigateur->hide();
    if (genre == RECU_TEXTE)
        pOuvrirTexte(path, x + OUVERTURE_GAUCHE, y + OUVERTURE_HAUT, w - OUVERTURE_GAUCHE,
                     h - OUVERTURE_HAUT, 0);
    else
        pOuvrirImage(path, x + OUVERTURE_GAUCHE, y + OUVERTURE_HAUT);
    return 1;
}

namespace {

int iPageOccupee(int page)
{
    return gvr && gvr[page] && gvr[page]->fichiers[gvr[page]->fichierCourant] ? 1 : 0;
}

void vOuvrirRecu(int page)
{
    if (gvr && gvr[page])
        vr::vBoutonVisualisateurBrowser2Callback(nullptr, gvr[page]);
}

}  // namespace

void vInstallerCrochetsPages()
{
    crochetsScan.pageOccupee = iPageOccupee;
    crochetsScan.ouvrirGrib = vOuvrirRecu;
    vInstallerCrochetsEnvoi();
}
