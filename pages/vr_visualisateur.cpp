// The viewer's left panel: the switch pair, the page buttons, the routes
// button, the title, the file row (open, close, padlock, chart), the hidden
// menu bar that keeps the iso menus' choices, and the accordion of the
// parameters and validities sections with its help pane.
#include "pages/vr.h"

#include "pages/accordeon.h"
#include "pages/rangees_boutons.h"
#include "routes/dru_routes.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/boutons_rva.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>

namespace {

const char* const CHIFFRES[9] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};

classeBouton* pImage(int x, int y, Fl_RGB_Image* image, const char* bulle)
{
    classeBouton* b = new classeBouton(x, y, 20, 20);
    b->image(image);
    b->copy_tooltip(pcTraduire(bulle));
    return b;
}

// A text button in bold; the file row gives its width.
classeBouton* pTexte(int x, int y, const char* texte, const char* bulle)
{
    classeBouton* b = new classeBouton(x, y, 20, 20);
    b->copy_label(pcTraduire(texte));
    b->labelfont(DRU_FONT_BOLD);
    b->copy_tooltip(pcTraduire(bulle));
    return b;
}

}  // namespace

void vr::vVisualisateur(int x, int y, int, int h)
{
    Fl_Group* panneau = new Fl_Group(x, 99, 230, INTERFACE_HAUTEUR - 99);
    boutonsRVA = new BoutonsRVA(x, y, 230, 50, index);
    boutonsRVA->visualisateur->shortcut(index);
    vPanneauPages(x, y);
    ongletsVisualisateur = new Fl_Tabs(x, y + 74, 230, h - 24);
    ongletsVisualisateur->box(FL_NO_BOX);
    Fl_Group* interieur = ongletVisualisateur = new Fl_Group(x, y + 74, 230, h - 24);
    titreVisualisateur = new Fl_Box(x + 18, y + 74, 212, 20, " ");
    titreVisualisateur->labelsize(12);
    titreVisualisateur->labelfont(DRU_FONT_BOLD);
    titreVisualisateur->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    vPanneauFichier(x, y + 98);
    menuCache = new Fl_Menu_Bar(x, y, 10, 10);
    menuCache->copy(MenuTable, this);
    // The table's headers are French: the copy takes the catalogue's.
    vVisualisateurMenuBarreLangage();
    menuCache->hide();
    scrollVisualisateur = pScrollAccordeon(x, y + 122, 230, h - 122);
    packVisualisateur = new Fl_Pack(x + 18, y + 122, 212, h - 122);
    packVisualisateur->spacing(6);
    aideVisu = new AIDE(x + 18, y + 122, 212, "41", this, 210);
    packVisualisateur->end();
    scrollVisualisateur->end();
    // Only the accordion follows the window's height: the switch pair,
    // the page buttons, the title and the file row keep their places.
    interieur->resizable(scrollVisualisateur);
    interieur->end();
    ongletsVisualisateur->end();
    ongletsVisualisateur->resizable(interieur);
    panneau->resizable(ongletsVisualisateur);
    panneau->end();
    vGroupVisualisateurArrange(9999);
}

// The page buttons "1" to "9" (this page's pressed), the routes button and
// the panel's help button.
void vr::vPanneauPages(int x, int y)
{
    Fl_Group* pages = new Fl_Group(x + 4, y + 47, 185, 25);
    boutonsPages = new classeBoutonImage*[9];
    for (int i = 1; i <= 9; ++i) {
        classeBoutonImage* b = new classeBoutonImage(x + 7 + 20 * (i - 1), y + 50, 20, 20,
                                                     CHIFFRES[i - 1]);
        b->labelfont(DRU_FONT_BOLD);
        b->shortcut(i);
        b->copy_tooltip(pcTraduire("Changer d'onglet de visualisation"));
        b->value(i == index);
        b->callback(vBasculePage, this);
        boutonsPages[i - 1] = b;
    }
    pages->end();
    boutonRoutes = pImage(x + 187, y + 50, image_trace_route,
                          CLE_LOCAL("Afficher le menu de gestion des routes"));
    boutonRoutes->shortcut(12);
    boutonRoutes->callback(vBoutonRoutesCallback, this);
    if (!Dru_Routes)
        boutonRoutes->deactivate();
    boutonAidePage = ::pBoutonAide(x + 210, y + 50, aideVisualisateur, this);
}

void vr::vPanneauFichier(int x, int y)
{
    boutonOuvrir = pTexte(x + 18, y, CLE_LOCAL("Ouvrir"), CLE_LOCAL("Ouvrir un fichier Grib"));
    boutonOuvrir->callback(vBoutonVisualisateurBrowserCallback, this);
    boutonFermer = pTexte(x + 18, y, CLE_LOCAL("Fermer"), CLE_LOCAL("Fermer un fichier Grib"));
    boutonFermer->callback(vBoutonVisualisateurFermerCallback, this);
    boutonFermer->deactivate();
    boutonCadenas = pImage(x + 18, y, image_cadenas,
                           CLE_LOCAL("Verrouiller ou deverouiller le fond de carte"));
    boutonCadenas->type(FL_TOGGLE_BUTTON);
    boutonCadenas->callback(vBoutonVisualisateurCadenasCallback, this);
    boutonHistogrammes =
        pImage(x + 18, y, image_histogram, CLE_LOCAL("Histogramme tooltip"));
    boutonHistogrammes->callback(vBoutonVisualisateurHistogrammesCallback, this);
    ::pBoutonAide(x + 210, y, 41, this);
    vRangeeFichier();
}

// The file row from its texts: "Ouvrir" and "Fermer" as wide as theirs,
// 2 px apart; the padlock 10 px and the chart button 40 px after "Fermer".
void vr::vRangeeFichier()
{
    const int x = boutonOuvrir->x(), y = boutonOuvrir->y();
    boutonOuvrir->size(iLargeurBouton(boutonOuvrir), 20);
    const int xf = x + boutonOuvrir->w() + 2;
    boutonFermer->resize(xf, y, iLargeurBouton(boutonFermer), 20);
    const int fin = xf + boutonFermer->w();
    boutonCadenas->position(fin + 10, y);
    boutonHistogrammes->position(fin + 40, y);
}

classeBouton* vr::pBoutonAide(int x, int y, int sujet)
{
    return ::pBoutonAide(x, y, sujet, this);
}

vr* vr::pPageDe(Fl_Widget* w)
{
    for (; w; w = w->parent())
        if (vr* page = dynamic_cast<vr*>(w))
            return page;
    return nullptr;
}

Fl_Menu_* vr::pMenuIso() const
{
    return menuIso ? static_cast<Fl_Menu_*>(menuIso) : static_cast<Fl_Menu_*>(menuCache);
}
