// The GRIB request page: an accordion of sections in a scroll area, with
// the page's help pane moved to the section of the last help topic, each
// section folded or unfolded by the switch of its title, and the Zone
// section's switch that opens or folds them all.
#include "pages/vr.h"

#include "pages/regles_requeteur.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"

#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <cstdlib>
#include <initializer_list>

void vr::vGroupRequeteurGrib(int x, int y, int, int h)
{
    scrollGrib = new Fl_Scroll(x, y + 4, 230, h - 4);
    scrollGrib->type(Fl_Scroll::VERTICAL);
    scrollGrib->box(FL_NO_BOX);
    packGrib = new Fl_Pack(x + SCROLL_DECALAGE, y + 4, 230 - SCROLL_DECALAGE, h - 4);
    vGroupRequeteurGribZone();
    packGrib->end();
    scrollGrib->end();
    vGroupRequeteurGribArrange(aideGrib);
}

void vr::vGroupRequeteurGribArrange(int n)
{
    const bool restack = n == 10000;
    if (n >= 9999)
        n = aideGrib;
    else
        aideGrib = n;
    if (!packGrib || !voletAideGrib)
        return;
    if (AFFICHE_AIDE && !restack) {
        packGrib->remove(voletAideGrib);
        packGrib->insert(*voletAideGrib, iIndexAideGrib(n, packGrib->children()));
        int y = 0;
        for (int i = 0; i < packGrib->children() && packGrib->child(i) != voletAideGrib; ++i) {
            Fl_Widget* w = packGrib->child(i);
            w->position(scrollGrib->x() + SCROLL_DECALAGE, packGrib->y() + y);
            if (w->visible())
                y += w->h();
        }
        scrollGrib->scroll_to(0, y);
    } else if (!AFFICHE_AIDE) {
        packGrib->remove(voletAideGrib);
    }
    packGrib->resize(scrollGrib->x() + SCROLL_DECALAGE, packGrib->y(), packGrib->w(),
                     packGrib->h());
    scrollGrib->redraw();
    if (AFFICHE_AIDE && n != 0) {
        voletAideGrib->name(n);
        voletAideGrib->redraw();
    }
}

// A section's switch: down it shows the section's content, up it hides it.
// A section not built yet only changes the switch.
void vr::vDeplierSection(int section, Fl_Widget* bouton)
{
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    Fl_Group* contenu = sectionsGrib[section].contenu;
    b->label(b->value() ? "@+22>" : "@+2>");
    if (contenu)
        b->value() ? contenu->show() : contenu->hide();
    vGroupRequeteurGribArrange(10000);
}

void vr::vBoutonRequeteurGribModelesContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_MODELES, b);
}

void vr::vBoutonRequeteurGribMaillesContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_MAILLES, b);
}

void vr::vBoutonRequeteurGribParametresContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_PARAMETRES, b);
}

void vr::vBoutonRequeteurGribEcheancesContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_ECHEANCES, b);
}

void vr::vBoutonRequeteurGribDeplacementContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_DEPLACEMENT, b);
}

void vr::vBoutonRequeteurGribZoneContenuCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    if (!page->sectionsGrib[SECTION_MODELES].titre) {
        b->value(0);
        b->redraw();
        return;
    }
    GRIB_DEPLIER = b->value();
    b->label(GRIB_DEPLIER ? "@+22>>" : "@+2>>");
    static void (*const RAPPELS[])(Fl_Widget*, void*) = {
        vBoutonRequeteurGribModelesContenuCallback, vBoutonRequeteurGribMaillesContenuCallback,
        vBoutonRequeteurGribParametresContenuCallback,
        vBoutonRequeteurGribEcheancesContenuCallback,
        vBoutonRequeteurGribDeplacementContenuCallback};
    static const int SECTIONS[] = {SECTION_MODELES, SECTION_MAILLES, SECTION_PARAMETRES,
                                   SECTION_ECHEANCES, SECTION_DEPLACEMENT};
    for (int i = 0; i < 5; ++i)
        if (classeBouton* deplier = page->sectionsGrib[SECTIONS[i]].deplier) {
            deplier->value(GRIB_DEPLIER);
            RAPPELS[i](deplier, page);
        }
    b->redraw();
}

void vr::vRequeteurGribEffacerGroupes()
{
    for (int s = SECTION_MAILLES; s < SECTIONS_GRIB; ++s)
        for (Fl_Group* g : {sectionsGrib[s].titre, sectionsGrib[s].contenu})
            if (g && packGrib)
                packGrib->remove(g);
    if (abonnementGrib && packGrib)
        packGrib->remove(abonnementGrib);
    deplacement = 0;
}
