// The request page's product bar: Forfaits and Grib sharing the first slot,
// Bulletins, Images and the routes button, each bringing its product page.
#include "pages/vr.h"

#include "codes/logerr.h"
#include "gribdata/globales.h"
#include "pages/regles_requeteur.h"
#include "routes/dru_routes.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <FL/fl_draw.H>

namespace {

const char* const TEXTES[GBI_ROUTES] = {CLE_LOCAL("Forfaits"), CLE_LOCAL("Grib"),
                                        CLE_LOCAL("Bulletins"), CLE_LOCAL("Images")};
const char* const BULLES[GBI_BOUTONS] = {
    CLE_LOCAL("Forfaits tooltip"), CLE_LOCAL("Requete de produits numeriques GRIB"),
    CLE_LOCAL("Requete de bulletins texte"), CLE_LOCAL("Requete de produits graphiques"),
    CLE_LOCAL("Afficher le menu de gestion des routes")};

int iLargeur(const char* texte)
{
    return int(fl_width(pcTraduire(texte))) + 2;
}

classeBouton* pProduit(int x, int y, int w, int numero, vr* page)
{
    classeBouton* b = numero == GBI_ROUTES ? new classeBouton(x, y, w, 20)
                                           : new classeBoutonImage(x, y, w, 20);
    if (numero != GBI_ROUTES) {
        b->copy_label(pcTraduire(TEXTES[numero]));
        b->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    }
    // Plain buttons: a press keeps the state the callback gives them.
    b->labelsize(12);
    b->shortcut(numero);
    b->copy_tooltip(pcTraduire(BULLES[numero]));
    b->callback(vr::vBoutonGBICallback, page);
    return b;
}

// The settings' product page and packages flag.
int iOnglet(int i)
{
    return configuration ? configuration->preferences->onglets[i] : 0;
}

}  // namespace

void vr::BoutonsGBI(int x, int y)
{
    Fl_Group* barre = new Fl_Group(x + 2, y, 230, 26);
    barre->box(FL_FLAT_BOX);
    barre->color(COLOR_BLEU_GTK_TITRE);
    fl_font(DRU_FONT_BOLD, 12);
    const LargeursGBI l = largeursGBI(iLargeur(TEXTES[GBI_FORFAITS]),
                                      iLargeur(TEXTES[GBI_BULLETINS]),
                                      iLargeur(TEXTES[GBI_IMAGES]));
    int xb = x + 5;
    boutonsGBI[GBI_FORFAITS] = pProduit(xb, y + 3, l.forfaits, GBI_FORFAITS, this);
    boutonsGBI[GBI_GRIB] = pProduit(xb, y + 3, l.forfaits, GBI_GRIB, this);
    boutonsGBI[iOnglet(1) == 1 ? GBI_GRIB : GBI_FORFAITS]->hide();
    xb += l.forfaits;
    boutonsGBI[GBI_BULLETINS] = pProduit(xb, y + 3, l.bulletins, GBI_BULLETINS, this);
    xb += l.bulletins;
    boutonsGBI[GBI_IMAGES] = pProduit(xb, y + 3, l.images, GBI_IMAGES, this);
    xb += l.images;
    classeBouton* routes = pProduit(xb, y + 3, 20, GBI_ROUTES, this);
    routes->box(FL_NO_BOX);
    routes->down_box(FL_NO_BOX);
    routes->image(image_trace_route);
    boutonsGBI[GBI_ROUTES] = routes;
    if (!Dru_Routes)
        routes->deactivate();
    barre->end();
    static const int BOUTON_DE_PAGE[] = {GBI_GRIB, GBI_BULLETINS, GBI_IMAGES, GBI_ROUTES};
    const int page = iOnglet(0);
    setBoutonsGBI(page >= ONGLET_GRIB && page <= ONGLET_ROUTES ? BOUTON_DE_PAGE[page]
                                                               : GBI_GRIB);
    // Forfaits and Grib share the slot: both down on the GRIB page.
    if (page == ONGLET_GRIB)
        boutonsGBI[GBI_FORFAITS]->value(1);
}

void vr::setBoutonsGBI(int n)
{
    for (classeBouton* b : boutonsGBI)
        if (b)
            b->value(0);
    classeBouton* routes = boutonsGBI[GBI_ROUTES];
    routes->image(image_trace_route);
    if (n >= GBI_FORFAITS && n <= GBI_IMAGES) {
        boutonsGBI[n]->value(1);
    } else if (Dru_Routes) {
        routes->value(1);
        routes->image(image_trace_route_a);
    } else {
        boutonsGBI[GBI_IMAGES]->value(1);
    }
    for (classeBouton* b : boutonsGBI)
        b->redraw();
}

void vr::vBoutonGBICallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    Fl_Tabs* onglets = page->ongletsRequeteur;
    const int n = static_cast<Fl_Button*>(bouton)->shortcut();
    Fl_Widget* cible = nullptr;
    switch (n) {
    case GBI_FORFAITS:
    case GBI_GRIB:
        onglets->value(n == GBI_FORFAITS ? static_cast<Fl_Widget*>(page->groupeForfaits)
                                         : page->scrollGrib);
        vTabsRequeteurCallback(onglets, page);
        return;
    case GBI_BULLETINS:
    case GBI_IMAGES:
        cible = n == GBI_BULLETINS ? page->groupeBulletins : page->groupeImages;
        break;
    default:
        if (!Dru_Routes)
            return;
        if (onglets->value() != Dru_Routes)
            onglets->value(Dru_Routes);
        vJournal("<ROUTE>", "Routes: x:%d y%d w:%d h:%d\n", Dru_Routes->x(), Dru_Routes->y(),
                 Dru_Routes->w(), Dru_Routes->h());
        page->setBoutonsGBI(GBI_ROUTES);
        vTabsRequeteurCallback(onglets, page);
        return;
    }
    if (onglets->value() == cible)
        return;
    onglets->value(cible);
    page->setBoutonsGBI(n);
    vTabsRequeteurCallback(onglets, page);
}

// The bar's texts in the new language; the buttons keep their widths (a
// longer text is clipped).
void vr::vLangageProduits()
{
    for (int n = GBI_FORFAITS; n < GBI_BOUTONS; ++n) {
        if (n != GBI_ROUTES)
            vLibeller(boutonsGBI[n], TEXTES[n]);
        vBulle(boutonsGBI[n], BULLES[n]);
    }
}
