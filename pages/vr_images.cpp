// The request page's image page: satellite pictures by region and the
// pre-isobar and front charts, two folding sections of product buttons
// that enter the bulletin request like the bulletins do. The help pane of
// the bulletin page and its automation panel come here with the tab.
#include "pages/vr.h"

#include "catalogue/images_produits.h"
#include "catalogue/lignes.h"
#include "pages/accordeon.h"
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

namespace {

// A row of buttons wraps before this column of the panel.
const int BORD_BOUTONS = 222;

enum { SECTION_SATELLITES, SECTION_PREISOS };

// One button per row of `table` from (x, y), wrapping at the panel's
// edge; the array gets them, null-terminated. Answers y + 22 below the
// last row.
template <typename Ligne>
int iBoutonsImages(const Ligne* table, classeBoutonImage**& boutons, int gauche, int x, int y,
                   int type, Fl_Callback* rappel, void* page)
{
    delete[] boutons;
    boutons = new classeBoutonImage*[size_t(iNombreLignes(table)) + 1]();
    const int x0 = x;
    int n = 0;
    for (const Ligne* l = table; l->libelle; ++l) {
        const char* texte = pcTraduire(l->libelle);
        fl_font(DRU_FONT_BOLD, 12);
        const int w = int(fl_width(texte)) + 8;
        if (x + w > gauche + BORD_BOUTONS && x != x0) {
            y += 21;
            x = x0;
        }
        classeBoutonImage* b = new classeBoutonImage(x, y, w, 20);
        b->copy_label(texte);
        b->labelfont(DRU_FONT_BOLD);
        b->labelsize(12);
        b->image(image_boff);
        b->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        b->shortcut(l->numero);
        b->type(uchar(type));
        b->callback(rappel, page);
        boutons[n++] = b;
        x += w + 1;
    }
    return y + 22;
}

}  // namespace

void vr::vGroupRequeteurImages(int x, int y, int, int h)
{
    Fl_Scroll* scroll = new Fl_Scroll(x, y + 4, 230, h - 4);
    scroll->type(Fl_Scroll::VERTICAL);
    scroll->box(FL_NO_BOX);
    scroll->color(COLOR_FOND);
    scroll->scrollbar.align(FL_ALIGN_LEFT);
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
// widths stay as built.
template <typename Ligne>
void vLangageBoutons(const Ligne* table, classeBoutonImage** boutons)
{
    for (; boutons && *boutons; ++boutons)
        for (const Ligne* l = table; l->libelle; ++l)
            if (int(l->numero) == (*boutons)->shortcut()) {
                vLibeller(*boutons, l->libelle);
                break;
            }
}

}  // namespace

void vr::vLangageImages()
{
    vLangageSections(sectionsImages, 2);
    vLangageBoutons(SATELLITES, boutonsSatellites);
    vLangageBoutons(PREISOS, boutonsPreisos);
}
