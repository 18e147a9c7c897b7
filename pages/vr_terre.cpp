// The land-data section of the GRIB request page: one switch, pressed
// while grid points over land are left out of the answer (the request's
// "F 1"), released to keep them ("F 0").
#include "pages/vr.h"

#include "pages/dans_groupe.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/local.h"

#include <FL/Fl_Pack.H>

namespace {

void vLibelleTerre(Fl_Button* b)
{
    b->copy_label(b->value() ? pcTraduire("Donnees sur terre : Non")
                             : pcTraduire("Donnees sur terre : Oui"));
}

}  // namespace

// A model change rebuilds the switch: it shows the request's land line.
void vr::vRequeteurGribTerre(int)
{
    DansGroupe dans(packGrib);
    const int x = packGrib->x(), y = packGrib->y(), w = packGrib->w();
    SectionGrib& s = sectionsGrib[SECTION_TERRE];
    s.titre = new Fl_Group(x, y, w, 24);
    boutonTerre = new classeBoutonImage(x + 4, y + 2, w - 40, 20);
    boutonTerre->type(FL_TOGGLE_BUTTON);
    boutonTerre->labelsize(12);
    boutonTerre->value(requeteGrib->iGetTerreMer());
    vLibelleTerre(boutonTerre);
    boutonTerre->callback(vBoutonRequeteurGribTerreCallback, this);
    pBoutonAide(x + w - 20, y + 2, 6);
    s.titre->end();
    s.contenu = new Fl_Group(x, y + 24, w, 0);
    s.contenu->end();
    s.contenu->hide();
}

void vr::vBoutonRequeteurGribTerreCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    vLibelleTerre(b);
    page->requeteGrib->vSetTerreMer(b->value() ? "1" : "0");
    b->redraw();
}

void vr::vLangageTerre()
{
    if (boutonTerre) {
        vLibelleTerre(boutonTerre);
        boutonTerre->redraw();
    }
}
