// The buttons of the bulletin page: one per Metarea of the tree, and a
// row per station or bulletin area of the tables, with its regular
// bulletin, its special bulletin and, for some rows, its zone chart. Every
// product button is a toggle carrying its number; a row's label is a plain
// box, kept out of the product arrays.
#include "pages/vr.h"

#include "catalogue/bulletins.h"
#include "catalogue/lignes.h"
#include "catalogue/metareas.h"
#include "pages/regles_bulletins.h"
#include "ui/bouton_icone.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <algorithm>

namespace {

const int INTERLIGNE = 17;

// The tooltips of a row's buttons, as the service names its products.
const char* const BULLE_CARTE = "Carte des zones";
const char* const BULLE_REGULIER = "Bulletin regulier";
const char* const BULLE_SPECIAL = "Bulletin Meteorologique Special";
const char* const BULLE_SECURITE = "Bulletin Meteorologique de securite";
const char* const BULLE_CYCLONE = "Avis de cyclone sur tout le globe";
const int NUMERO_CYCLONES = 4490;

struct Rangee {
    classeBoutonImage** boutons;
    int n = 0;
    int type;
    Fl_Callback* rappel;
    void* page;

    void vAjouter(int x, int y, Fl_Image* image, int numero, const char* bulle)
    {
        classeBoutonIcone* b = new classeBoutonIcone(x, y, 20, 16, image);
        b->shortcut(numero);
        b->type(uchar(type));
        b->copy_tooltip(bulle);
        b->callback(rappel, page);
        boutons[n++] = b;
        boutons[n] = nullptr;
    }
};

// The row's label, as wide as its text but stopping short of the row's
// first button, smaller when it is too long for that. The toolkit draws a
// left-aligned label 3 px inside its box on both sides: the box is that
// much wider than the text.
void vLibelle(const char* texte, int x, int y, int droite)
{
    fl_font(DRU_FONT_BOLD, 12);
    const int w = std::max(0, std::min(int(fl_width(texte)) + 6, droite - x - 2));
    Fl_Box* b = new Fl_Box(x, y, w, 20);
    b->copy_label(texte);
    b->labelfont(DRU_FONT_BOLD);
    b->labelcolor(COLOR_GRIS_CLAIR);
    b->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    vAjusterLibelle(b, 12, {x, x + w, y, y + 20});
}

// The second button's picture and tooltip, by table.
enum Table { LARGE, COTES, NAVTEX };

void vSecond(Rangee& r, int x, int y, int numero, Table table)
{
    if (table == LARGE && numero == NUMERO_CYCLONES)
        r.vAjouter(x, y, image_cyclone, numero, BULLE_CYCLONE);
    else
        r.vAjouter(x, y, image_manche, numero, table == LARGE ? BULLE_SPECIAL : BULLE_SECURITE);
}

// One row per table row: label, chart button (when the row has a chart
// picture), regular bulletin (not in the offshore table when the row has
// none), second bulletin when there is one. Answers y + 2 after the last.
template <typename Ligne>
int iRangees(const Ligne* table, Table genre, int x, int y, int droite, Rangee r)
{
    for (const Ligne* l = table; l->libelle; ++l, y += INTERLIGNE) {
        Fl_Image* carte = l->image ? pImageCompilee(l->image) : nullptr;
        vLibelle(l->libelle, x, y, droite - (carte ? 62 : 41));
        if (carte)
            r.vAjouter(droite - 62, y, carte, l->numeroCarte, BULLE_CARTE);
        if (l->paires[0].numero != 0 || genre != LARGE)
            r.vAjouter(droite - 41, y, image_bulletin, l->paires[0].numero, BULLE_REGULIER);
        if (l->paires[1].code)
            vSecond(r, droite - 20, y, l->paires[1].numero, genre);
    }
    return y + 2;
}

}  // namespace

int vr::menu_gmdss(int x, int y, int type, Fl_Callback* rappel)
{
    std::vector<TYPEDEF_METAREA*> areas;
    for (TYPEDEF_MAILLON* c = GMDSS ? GMDSS->premier : nullptr; c; c = c->suivant) {
        TYPEDEF_METAREA* m = pMetarea(c);
        if (m && m->numero != 0)
            areas.push_back(m);
    }
    delete[] boutonsGmdss;
    boutonsGmdss = new classeBoutonImage*[areas.size() + 1];
    int bas = y;
    const std::vector<PlaceBouton> places = placesGmdss(x, y, ix, int(areas.size()), bas);
    for (size_t i = 0; i < areas.size(); ++i) {
        classeBoutonImage* b = new classeBoutonImage(places[i].x, places[i].y, 40, 20);
        b->copy_label(areas[i]->nom);
        b->labelfont(DRU_FONT_BOLD);
        b->image(image_boff);
        b->shortcut(areas[i]->numero);
        b->type(uchar(type));
        b->callback(rappel, this);
        if (!bMetareaActive(areas[i]->numero))
            b->deactivate();
        boutonsGmdss[i] = b;
    }
    boutonsGmdss[areas.size()] = nullptr;
    for (size_t i = 0; i < areas.size(); ++i)
        vAjusterLibelle(boutonsGmdss[i], 13);
    return bas;
}

// A row's right edge is the section's, that is the pack's.
int vr::menu_large(int x, int y, int type, Fl_Callback* rappel)
{
    delete[] boutonsLarge;
    boutonsLarge = new classeBoutonImage*[4 * size_t(iNombreLignes(BULLETINS_LARGE)) + 1]{};
    return iRangees(BULLETINS_LARGE, LARGE, x, y, packBulletins->x() + packBulletins->w(), {boutonsLarge, 0, type, rappel, this});
}

int vr::menu_cotes(int x, int y, int type, Fl_Callback* rappel)
{
    delete[] boutonsCotes;
    boutonsCotes = new classeBoutonImage*[4 * size_t(iNombreLignes(BULLETINS_COTES)) + 1]{};
    return iRangees(BULLETINS_COTES, COTES, x, y, packBulletins->x() + packBulletins->w(), {boutonsCotes, 0, type, rappel, this});
}

int vr::menu_navtex(int x, int y, int type, Fl_Callback* rappel)
{
    delete[] boutonsNavtex;
    boutonsNavtex = new classeBoutonImage*[4 * size_t(iNombreLignes(BULLETINS_NAVTEX)) + 1]{};
    return iRangees(BULLETINS_NAVTEX, NAVTEX, x, y, packBulletins->x() + packBulletins->w(), {boutonsNavtex, 0, type, rappel, this});
}
