// The request page's bulletin page: an accordion of four sections (GMDSS
// Metareas, NAVTEX stations, offshore and coastal bulletins of France and
// its overseas territories, the last two in French only), the help pane
// it shares with the image page, and the automation panel of the bulletin
// request.
#include "pages/vr.h"

#include "pages/accordeon.h"
#include "pages/boites_produits.h"
#include "pages/dans_groupe.h"
#include "pages/regles_bulletins.h"
#include "pages/zones_produits.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>

namespace {

const int TITRE_GMDSS = 24;
const int TITRE = 20;

}  // namespace

void vr::vGroupRequeteurBulletins(int x, int y, int, int h)
{
    // The rows end on the right edge with the special bulletins.
    scrollBulletins = pScrollAccordeon(x, y + 4, 230, h - 4);
    scrollBulletins->color(COLOR_FOND);
    groupeBulletins = scrollBulletins;
    packBulletins = new Fl_Pack(x + SCROLL_DECALAGE, y + 4, 230 - SCROLL_DECALAGE, h - 4);
    packBulletins->spacing(4);
    const int t = FL_TOGGLE_BUTTON;
    vSectionBulletins(SECTION_GMDSS, CLE_LOCAL("GMDSS"), aideBulletins, TITRE_GMDSS, true, true,
                      vBoutonRequeteurBulletinsGmdssContenuCallback,
                      [this, t](int bx, int by) { return menu_gmdss(bx, by, t, vBoutonRequeteurGmdssCallback); });
    voletAideBulletins = new AIDE(packBulletins->x(), y + 4, packBulletins->w(), "21", this, 210);
    vSectionBulletins(SECTION_NAVTEX, CLE_LOCAL("NAVTEX"), 22, TITRE, false, false,
                      vBoutonRequeteurBulletinsNavtexContenuCallback,
                      [this, t](int bx, int by) { return menu_navtex(bx, by, t, vBoutonRequeteurGmdssCallback); });
    vSectionBulletins(SECTION_LARGE, CLE_LOCAL("Large France et Dom-Tom"), 23, TITRE, false, false,
                      vBoutonRequeteurBulletinsLargeContenuCallback,
                      [this, t](int bx, int by) { return menu_large(bx, by, t, vBoutonRequeteurGmdssCallback); });
    vSectionBulletins(SECTION_COTES, CLE_LOCAL("Côtes France et Dom-Tom"), 24, TITRE, false, false,
                      vBoutonRequeteurBulletinsCotesContenuCallback,
                      [this, t](int bx, int by) { return menu_cotes(bx, by, t, vBoutonRequeteurGmdssCallback); });
    vSectionsFrance();
    vRequeteurBulletinsAbonnement(packBulletins->x(), y + 4, packBulletins->w());
    packBulletins->end();
    scrollBulletins->end();
    vGroupRequeteurBulletinsArrange(aideBulletins);
    // The request frame marks the buttons whose product it meets.
    boiteProduit = bBoiteProduit;
}

void vr::vSectionBulletins(int section, const char* nom, int sujet, int hauteurTitre,
                           bool charger, bool ouvert, Fl_Callback* deplier,
                           const std::function<int(int x, int y)>& boutons)
{
    vSectionProduits(packBulletins, sectionsBulletins[section], nom, sujet, hauteurTitre, charger,
                     ouvert, deplier, boutons);
}

void vr::vSectionProduits(Fl_Pack* pack, SectionGrib& s, const char* nom, int sujet,
                          int hauteurTitre, bool charger, bool ouvert, Fl_Callback* deplier,
                          const std::function<int(int x, int y)>& boutons)
{
    DansGroupe dans(pack);
    const int x = pack->x(), y = pack->y(), w = pack->w();
    const int haut = y + (hauteurTitre - 20) / 2;
    s.titre = new Fl_Group(x, y, w, hauteurTitre);
    if (charger) {
        classeBouton* c = new classeBouton(x, haut, 20, 20, "@+1fileopen");
        c->copy_tooltip(pcTraduire("Charger une requete"));
        c->callback(vBoutonRequeteurBrowserCallback, this);
        s.charger = c;
    }
    Fl_Box* titre = new Fl_Box(charger ? x + 22 : x + 4, y, charger ? w - 80 : w - 48, hauteurTitre);
    titre->copy_label(pcTraduire(nom));
    titre->labelcolor(COLOR_ORANGE_TEXTE);
    titre->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    s.libelle = titre;
    s.cle = nom;
    s.deplier = new classeBouton(x + w - 40, haut, 20, 20, ouvert ? "@+22>" : "@+2>");
    s.deplier->type(FL_TOGGLE_BUTTON);
    s.deplier->value(ouvert);
    s.deplier->callback(deplier, this);
    pBoutonAide(x + w - 20, haut, sujet);
    vAjusterLibelle(titre, TAILLE_TITRE_SECTION);
    s.titre->end();
    s.contenu = new Fl_Group(x, y + 26, w, 22);
    // Sized to its buttons once they are made, which must keep theirs.
    s.contenu->resizable(nullptr);
    const int bas = boutons(x + 4, y + 27);
    s.contenu->size(w, bas - s.contenu->y());
    s.contenu->end();
    if (!ouvert)
        s.contenu->hide();
}

void vr::vSectionsFrance()
{
    const bool montrer = bSectionsFrance(langage ? langage->langue : nullptr);
    for (int s : {SECTION_LARGE, SECTION_COTES}) {
        SectionGrib& section = sectionsBulletins[s];
        if (!section.titre)
            continue;
        montrer ? section.titre->show() : section.titre->hide();
        // Shown again as its switch left it.
        if (montrer && section.deplier->value())
            section.contenu->show();
        else
            section.contenu->hide();
    }
}

void vr::vDeplierSectionBulletins(int section, Fl_Widget* bouton)
{
    vDeplierContenu(bouton, sectionsBulletins[section].contenu);
    vGroupRequeteurBulletinsArrange(10000);
}

void vr::vBoutonRequeteurBulletinsGmdssContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSectionBulletins(SECTION_GMDSS, b);
}

void vr::vBoutonRequeteurBulletinsNavtexContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSectionBulletins(SECTION_NAVTEX, b);
}

void vr::vBoutonRequeteurBulletinsLargeContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSectionBulletins(SECTION_LARGE, b);
}

void vr::vBoutonRequeteurBulletinsCotesContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSectionBulletins(SECTION_COTES, b);
}

void vr::vGroupRequeteurBulletinsArrange(int topic)
{
    const bool restack = bSujetAccordeon(topic, aideBulletins);
    vArrangerAccordeon(scrollBulletins, packBulletins, voletAideBulletins, topic, restack,
                       iIndexAideBulletins);
}

// The titles, the load button's tooltip, and the French sections shown or
// hidden for the new language; the accordion restacks.
void vr::vLangageBulletins()
{
    vLangageSections(sectionsBulletins, SECTIONS_BULLETINS);
    vSectionsFrance();
    vGroupRequeteurBulletinsArrange(10000);
}
