// The request page's image page: satellite pictures by region and the
// pre-isobar and front charts, two folding sections of product buttons
// that enter the bulletin request like the bulletins do. The help pane of
// the bulletin page and its automation panel come here with the tab.
#include "pages/vr.h"

#include "catalogue/images_produits.h"
#include "catalogue/lignes.h"
#include "pages/accordeon.h"
#include "pages/menus_modeles.h"
#include "pages/rangees_boutons.h"
#include "pages/regles_bulletins.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>
#include <utility>
#include <vector>

namespace {

// A row of buttons wraps before this column of the panel.
const int BORD_BOUTONS = 222;

enum { SECTION_SATELLITES, SECTION_PREISOS };

// One button per row of `table` from (x, y), wrapping at the panel's
// edge; the array gets them, null-terminated. Answers 22 below the last
// row's top.
template <typename Ligne>
int iBoutonsImages(const Ligne* table, classeBoutonImage**& boutons, int gauche, int x, int y,
                   int type, Fl_Callback* rappel, void* page)
{
    delete[] boutons;
    boutons = new classeBoutonImage*[size_t(iNombreLignes(table)) + 1]();
    std::vector<int> largeurs;
    fl_font(DRU_FONT_BOLD, 12);
    for (const Ligne* l = table; l->libelle; ++l)
        largeurs.push_back(int(fl_width(pcTraduire(l->libelle))) + 8);
    std::vector<std::pair<int, int>> places;
    const int bas = iDisposerBoutons(largeurs, x, y, 21, places, gauche + BORD_BOUTONS);
    int n = 0;
    for (const Ligne* l = table; l->libelle; ++l, ++n) {
        classeBoutonImage* b =
            new classeBoutonImage(places[n].first, places[n].second, largeurs[n], 20);
        b->copy_label(pcTraduire(l->libelle));
        b->labelfont(DRU_FONT_BOLD);
        b->labelsize(12);
        b->image(image_boff);
        b->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        b->shortcut(l->numero);
        b->type(uchar(type));
        b->callback(rappel, page);
        boutons[n] = b;
    }
    return bas;
}

}  // namespace

void vr::vGroupRequeteurImages(int x, int y, int, int h)
{
    Fl_Scroll* scroll = pScrollAccordeon(x, y + 4, 230, h - 4);
    scroll->color(COLOR_FOND);
    groupeImages = scroll;
    packImages = new Fl_Pack(x + SCROLL_DECALAGE, y + 4, 230 - SCROLL_DECALAGE, h - 4);
    packImages->spacing(4);
    const int t = FL_TOGGLE_BUTTON;
    vSectionProduits(packImages, sectionsImages[SECTION_SATELLITES], CLE_LOCAL("SATELLITES"),
                     aideImages, 20, true, true, vBoutonRequeteurImagesSatellitesContenuCallback,
                     [this, t](int bx, int by) {
                         return menu_satellites(bx, by, t, vBoutonRequeteurGmdssCallback);
                     });
    vSectionProduits(packImages, sectionsImages[SECTION_PREISOS], CLE_LOCAL("PREISOS"), 32, 20,
                     false, false, vBoutonRequeteurImagesPreisosContenuCallback,
                     [this, t](int bx, int by) {
                         return menu_preisos(bx, by, t, vBoutonRequeteurGmdssCallback);
                     });
    packImages->end();
    scroll->end();
    vGroupRequeteurImagesArrange(aideImages);
}

int vr::menu_satellites(int x, int y, int type, Fl_Callback* rappel)
{
    return iBoutonsImages(SATELLITES, boutonsSatellites, ix, x, y, type, rappel, this);
}

int vr::menu_preisos(int x, int y, int type, Fl_Callback* rappel)
{
    return iBoutonsImages(PREISOS, boutonsPreisos, ix, x, y, type, rappel, this);
}

void vr::vDeplierSectionImages(int section, Fl_Widget* bouton)
{
    vDeplierContenu(bouton, sectionsImages[section].contenu);
    vGroupRequeteurImagesArrange(10000);
}

void vr::vBoutonRequeteurImagesSatellitesContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSectionImages(SECTION_SATELLITES, b);
}

void vr::vBoutonRequeteurImagesPreisosContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSectionImages(SECTION_PREISOS, b);
}

// The help pane is the bulletin page's: while it sits there, this page
// only restacks.
void vr::vGroupRequeteurImagesArrange(int topic)
{
    bool restack = bSujetAccordeon(topic, aideImages);
    if (!voletAideBulletins || voletAideBulletins->parent() != packImages) {
        restack = true;
        topic = 0;
    }
    vArrangerAccordeon(static_cast<Fl_Scroll*>(groupeImages), packImages, voletAideBulletins,
                       topic, restack, iIndexAideBulletins);
}

namespace {

// Each button named after its row, found by the number it carries; the
// section's buttons flow again when a new name no longer fits. Answers
// whether they moved.
template <typename Ligne>
bool bLangageBoutons(const Ligne* table, classeBoutonImage** boutons, Fl_Group* contenu,
                     int gauche)
{
    for (classeBoutonImage** b = boutons; b && *b; ++b)
        for (const Ligne* l = table; l->libelle; ++l)
            if (int(l->numero) == (*b)->shortcut()) {
                vLibeller(*b, l->libelle);
                break;
            }
    return bRedisposerBoutons(contenu, boutons, 21, gauche + BORD_BOUTONS);
}

}  // namespace

void vr::vLangageImages()
{
    vLangageSections(sectionsImages, 2);
    const bool satellites = bLangageBoutons(SATELLITES, boutonsSatellites,
                                            sectionsImages[SECTION_SATELLITES].contenu, ix);
    if (bLangageBoutons(PREISOS, boutonsPreisos, sectionsImages[SECTION_PREISOS].contenu, ix) ||
        satellites)
        vGroupRequeteurImagesArrange(10000);
}
