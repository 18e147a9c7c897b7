// What the viewer's "Ouvrir" and the incoming-folder scan open: a GRIB
// file in the page, a text or a picture in a window of its own.
#include "pages/vr.h"

#include "gribdata/globales.h"
#include "map/fdc.h"
#include "transport/scan.h"
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
#include <initializer_list>
#include <strings.h>

namespace {

const char* const FILTRE = "*.{grb,gz,bz2,txt,gif,jpg,png}";

bool bExtension(const char* chemin, std::initializer_list<const char*> liste)
{
    const char* e = fl_filename_ext(chemin);
    for (const char* x : liste)
        if (strcasecmp(e, x) == 0)
            return true;
    return false;
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
        char* choix = getFileNative("dat", FILTRE);
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
    navigateur->filter(FILTRE);
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
    if (bExtension(path, {".grb", ".bz2", ".gz"}))
        return 0;
    const bool texte = bExtension(path, {".txt"});
    if (!texte && !bExtension(path, {".jpg", ".png", ".gif", ".bmp"}))
        return 1;
    if (navigateur)
        navigateur->hide();
    if (texte)
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
