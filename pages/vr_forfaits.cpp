// The packages page: six predefined GRIB packages, one row each with its
// name and help, the help pane and the packages' automation panel. A
// package puts a zone of its size at the map's centre and turns the GRIB
// request into a package request; pressing it again changes the shape.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "pages/accordeon.h"
#include "pages/dans_groupe.h"
#include "ui/libelles.h"
#include "pages/regles_forfaits.h"
#include "transport/requete.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>
#include <algorithm>

namespace {

const int LIGNE = 20;

// The help pane goes after the row of the topic (10: the title, 11 to 16
// the rows): k = |topic| mod 10, 1 for topic 0, at most 7.
int iIndexAideForfaits(int topic, int enfants)
{
    int k = topic == 0 ? 1 : std::abs(topic) % 10;
    return std::min({k, 7, enfants});
}

}  // namespace

void vr::vGroupRequeteurGribPredefinies(int x, int y, int, int h)
{
    Fl_Scroll* scroll = pScrollAccordeon(x, y + 4, 230, h - 4);
    scroll->color(COLOR_FOND);
    groupeForfaits = scroll;
    const int x0 = x + SCROLL_DECALAGE, y0 = y + 4, w0 = 230 - SCROLL_DECALAGE;
    packForfaits = new Fl_Pack(x0, y0, w0, h - 4);
    packForfaits->spacing(1);
    Fl_Group* titre = new Fl_Group(x0, y0, w0, LIGNE);
    Fl_Box* libelle = new Fl_Box(x0, y0, w0 - 24, LIGNE);
    libelle->copy_label(pcTraduire("Zones predefinies"));
    libelle->labelcolor(COLOR_ORANGE_TEXTE);
    libelle->labelfont(DRU_FONT_BOLD);
    libelle->labelsize(12);
    libelle->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    libelle->copy_tooltip(pcTraduire("Choisir le mode predefini"));
    titreForfaits = libelle;
    pBoutonAide(x0 + w0 - 20, y0, 10);
    titre->end();
    const int n = iLignesForfaits();
    delete[] boutonsForfaits;
    delete[] boitesForfaits;
    boutonsForfaits = new classeBoutonImage*[size_t(n) + 1]();
    boitesForfaits = new Fl_Box*[size_t(n) + 1]();
    for (int i = 1; i <= n; ++i) {
        const int yl = y0 + LIGNE * i;
        Fl_Group* ligne = new Fl_Group(x0, yl, w0, LIGNE);
        fl_font(4, 12);
        classeBoutonImage* b =
            new classeBoutonImage(x0, yl, int(fl_width(LISTE_FORFAITS[i])) + 20, LIGNE);
        b->label(LISTE_FORFAITS[i]);
        b->image(image_boff);
        b->labelfont(DRU_FONT_BOLD);
        b->labelsize(12);
        b->box(FL_NO_BOX);
        b->align(FL_ALIGN_INSIDE);
        b->shortcut(i);
        b->callback(vBoutonRequeteurGribPredefiniesCallback, this);
        const int xb = b->x() + b->w();
        Fl_Box* nom = new Fl_Box(xb, yl, std::max(0, x0 + w0 - 20 - xb), LIGNE);
        nom->labelfont(DRU_FONT);
        nom->labelsize(12);
        nom->labelcolor(COLOR_BOUTONS_MOYEN);
        nom->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        if (const char* cle = pcNomForfait(i))
            nom->copy_label(pcTraduire(cle));
        pBoutonAide(x0 + w0 - 20, yl, 10 + i);
        ligne->end();
        boutonsForfaits[i - 1] = b;
        boitesForfaits[i - 1] = nom;
    }
    const int y1 = y0 + LIGNE * (n + 1);
    voletAideForfaits = new AIDE(x0, y1 + 4, w0, "10", this, 210);
    abonnementForfaits = new Abonnement(0, this, x0, y1 + 4 + 210 + 4, w0, 114);
    abonnementForfaits->deactivate();
    packForfaits->end();
    scroll->end();
    vGroupRequeteurPredefiniesArrange(aideForfaits);
}

void vr::vBoutonRequeteurGribPredefiniesCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    classeBouton* presse = static_cast<classeBouton*>(bouton);
    int etat = presse->shortcut();
    const int ligne = iLigneForfait(etat);
    for (classeBoutonImage** b = page->boutonsForfaits; b && *b; ++b) {
        const bool celui = *b == presse;
        // The button was down before this click: one more shape.
        if (celui && (*b)->value()) {
            etat = iEtatSuivant(etat);
            (*b)->shortcut(etat);
        }
        (*b)->value(celui);
        (*b)->redraw();
    }
    fdc* carte = page->carte;
    if (!carte || !ligne)
        return;
    const double lat = (carte->dLatitude(carte->carteY) +
                        carte->dLatitude(carte->carteY + carte->hauteur)) / 2;
    const double lon = (carte->dLongitude(carte->carteX) +
                        carte->dLongitude(carte->carteX + carte->largeur)) / 2;
    const CadreZone c = cadreForfait(etat, lat, lon);
    page->vChampsZone(c);
    page->modeForfaits = 1;
    page->vReinitialiserGrib(page->abonnementForfaits);
    page->CadreModele(c.nord, c.sud, c.ouest, c.est);
    page->requeteGrib->iSetZone(c.nord, c.sud, c.ouest, c.est);
    page->requeteGrib->vSetAbonnement(etat);
    page->requeteGrib->modeValidites = 0;
    page->deplacement = 0;
    carte->chargementAffiche = 0;
    carte->overlay_output(2);
    page->vGroupRequeteurPredefiniesArrange(9999);
    page->vRafraichirEnvoi();
    if (page->abonnementForfaits)
        page->abonnementForfaits->activate();
}

void vr::vGroupRequeteurPredefiniesArrange(int topic)
{
    const bool restack = bSujetAccordeon(topic, aideForfaits);
    vArrangerAccordeon(static_cast<Fl_Scroll*>(groupeForfaits), packForfaits, voletAideForfaits,
                       topic, restack, iIndexAideForfaits);
}

// The title, the name boxes in the rows' order (the buttons keep their
// numbers) and the help pane.
void vr::vLangageForfaits()
{
    vLibeller(titreForfaits, "Zones predefinies");
    vBulle(titreForfaits, "Choisir le mode predefini");
    for (int i = 0; boitesForfaits && boitesForfaits[i]; ++i)
        if (const char* cle = pcNomForfait(i + 1))
            vLibeller(boitesForfaits[i], cle);
    if (voletAideForfaits) {
        voletAideForfaits->load();
        voletAideForfaits->redraw();
    }
}
