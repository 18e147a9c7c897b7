// The viewer's buttons: parameters, validities, "Fermer", the padlock and
// the chart button; and which validities and iso menus fit the pressed
// parameters.
#include "pages/vr.h"

#include "gribdata/enregistrement_grib.h"
#include "map/fdc.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/defilement.h"
#include "ui/images/images.h"
#include "ui/palette.h"

#include <FL/Fl_Menu_.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <set>
#include <unordered_map>

namespace {

// The iso menus a parameter's fields are drawn with, one bit per index
// into LabelMenuTable ("P", "T", "F", "H", "C", "s", "%", "m").
int iMenusDe(int parametre)
{
    switch (parametre) {
    case 2: return 1 << 0;
    case 11: case 80: return 1 << 1;
    case 33: return 1 << 2;
    case 49: return 1 << 4;
    case 52: return 1 << 6;
    case 61: return 1 << 7;
    case 101: case 104: case 107: case 109: case 200: return 1 << 3 | 1 << 5;
    default: return 0;
    }
}

void vTitreMenu(Fl_Menu_& menu, const char* titre, bool actif)
{
    const int i = menu.find_index(titre);
    if (i < 0)
        return;
    menu.mode(i, actif ? FL_SUBMENU : FL_SUBMENU | FL_MENU_INACTIVE);
    const_cast<Fl_Menu_Item*>(&menu.menu()[i])
        ->labelcolor(actif ? COLOR_ORANGE_TEXTE : COLOR_BLEUPALE_GTK_TITRE);
}

}  // namespace

void vr::gribsynchro()
{
    std::unordered_map<long, classeBoutonImage*> parValidite;
    for (classeBoutonImage** b = boutonsValidites; b && *b; ++b) {
        (*b)->deactivate();
        parValidite[long((*b)->shortcut())] = *b;
    }
    Fl_Menu_* menu = pMenuIso();
    for (const char* titre : LabelMenuTable)
        vTitreMenu(*menu, titre, false);
    std::set<int> presses;
    for (classeBoutonImage** b = boutonsParametres; b && *b; ++b)
        if ((*b)->value())
            presses.insert(int((*b)->shortcut()));
    for (const ::grib* r = listeCourante; r; r = r->suivant) {
        if (!presses.count(r->parametre))
            continue;
        auto v = parValidite.find(long(r->validite));
        if (v != parValidite.end())
            v->second->activate();
        for (int m = 0; m < 8; ++m)
            if (iMenusDe(r->parametre) & 1 << m)
                vTitreMenu(*menu, LabelMenuTable[m], true);
    }
    menu->redraw();
}

void vr::vFermerGraphiques()
{
    if (carte)
        carte->vFermerHistogrammes();
}

// At least one parameter stays pressed.
void vr::vBoutonVisualisateurParametresCallback(Fl_Widget* bouton, void*)
{
    vr* page = pPageDe(bouton);
    if (!page)
        return;
    bool presse = false;
    for (classeBoutonImage** b = page->boutonsParametres; b && *b; ++b)
        presse = presse || (*b)->value();
    if (!presse)
        static_cast<Fl_Button*>(bouton)->value(1);
    page->gribsynchro();
    page->vFermerGraphiques();
    page->vAfficher();
}

void vr::vBoutonVisualisateurEcheancesCallback(Fl_Widget* bouton, void*)
{
    if (vr* page = pPageDe(bouton)) {
        page->vFermerGraphiques();
        page->vAfficher();
    }
}

void vr::vBoutonVisualisateurFermerCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    page->vViderVisualisateur();
    page->boutonFermer->deactivate();
}

void vr::vViderVisualisateur()
{
    vVisualisateurMenuDeleteValidites();
    vVisualisateurMenuDeleteParametres();
    vVisualisateurDeleteMenu();
    gribclose();
    carte->vOublierGrib();
    vArreterAnimation();
    boutonCadenas->value(0);
    boutonCadenas->image(image_cadenas);
    carte->verrou = 0;
    titreVisualisateur->label("");
    for (Fl_Box* b : {boiteTitre, boiteSecond, boiteGauche, boiteDroite})
        b->label(" ");
    // The help pane goes back to the top of the accordion, on the file row's topic.
    aideVisu->name(41);
    if (packVisualisateur->find(aideVisu) < packVisualisateur->children()) {
        packVisualisateur->remove(aideVisu);
        packVisualisateur->insert(*aideVisu, 0);
    }
    vDefilerVers(scrollVisualisateur, 0);
    redraw();
}

void vr::vBoutonVisualisateurCadenasCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    page->carte->verrou = b->value();
    b->image(b->value() ? image_cadenas_rouge : image_cadenas);
    b->redraw();
    page->carte->redraw();
}

// The chart mode: the map charts the forecast at the point under the
// cursor while it is on.
void vr::vBoutonVisualisateurHistogrammesCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    const int mode = page->carte->histogrammeMode ? 0 : 1;
    page->carte->histogrammeMode = mode;
    b->value(mode);
    b->image(mode ? image_histogram2 : image_histogram);
    if (!mode)
        page->vFermerGraphiques();
    b->redraw();
    page->carte->redraw();
}
