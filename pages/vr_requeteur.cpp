// The request page's left panel: the switch pair, the product bar, the
// product tabs and the bottom row (connect toggle, system request, send
// button, help).
#include "pages/vr.h"

#include "codes/logerr.h"
#include "gribdata/globales.h"
#include "pages/crochets_pages.h"
#include "pages/regles_requeteur.h"
#include "routes/dru_routes.h"
#include "ui/boutons.h"
#include "ui/boutons_rva.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>

namespace {

// An image button without a frame.
classeBouton* pBoutonImage(int x, int y, int w, int h, Fl_Image* image, Fl_Image* inactive,
                           const char* bulle)
{
    classeBouton* b = new classeBouton(x, y, w, h);
    b->box(FL_NO_BOX);
    b->down_box(FL_NO_BOX);
    b->image(image);
    b->deimage(inactive);
    b->copy_tooltip(pcTraduire(bulle));
    return b;
}

// The settings' product page as the page can show it (logged when it
// cannot), written back so that the bar and the bottom strip agree.
void vOngletsValides()
{
    if (!configuration)
        return;
    int* onglets = configuration->preferences->onglets;
    const OngletsRequeteur o = ongletsRequeteur(onglets[0], onglets[1], Dru_Routes != nullptr);
    if (o.refus)
        vJournal("<VR>", "onglets %d %d: page GRIB\n", onglets[0], onglets[1]);
    onglets[0] = o.page;
    onglets[1] = o.forfaits;
}

}  // namespace

void vr::vTabsRequeteur(int x, int y, int w, int h)
{
    vConstruireRoutes(x, y + 76, w, h - 116);
    vOngletsValides();
    Fl_Group* panneau = new Fl_Group(x, y, w, h);
    imageFiletValider = image_filet->copy(234, 2);
    boutonsRVA = new BoutonsRVA(x, y, 230, 50, 0);
    BoutonsGBI(x, y + 50);
    ongletsRequeteur = new Fl_Tabs(x, y + 76, w, h - 116);
    ongletsRequeteur->box(FL_NO_BOX);
    vGroupRequeteurGribPredefinies(x, y + 76, w, h - 116);
    vGroupRequeteurGrib(x, y + 76, w, h - 116);
    vGroupRequeteurBulletins(x, y + 76, w, h - 116);
    vGroupRequeteurImages(x, y + 76, w, h - 116);
    if (Dru_Routes)
        ongletsRequeteur->add(Dru_Routes);
    ongletsRequeteur->end();
    ongletsRequeteur->callback(vTabsRequeteurCallback, this);
    ongletsRequeteur->resizable(scrollGrib);
    vTabsActivate();
    vBasPanneauRequeteur(x, y, h);
    panneau->resizable(ongletsRequeteur);
    panneau->end();
}

void vr::vBasPanneauRequeteur(int x, int y, int h)
{
    Fl_Box* filet = new Fl_Box(x, y + h - 40, 234, 2);
    filet->image(imageFiletValider);
    boutonConnecter = pBoutonImage(x + 5, y + h - 30, 25, 25,
                                   MODE_CONNECTE ? skin1_image_connecter : skin1_image_deconnecter,
                                   nullptr,
                                   CLE_LOCAL("Mode connecte (Adsl/direct) ou non connecte(Mail/differe)"));
    boutonConnecter->value(MODE_CONNECTE);
    boutonConnecter->callback(vConnecterPage, this);
    boutonSysteme = pBoutonImage(x + 35, y + h - 28, 22, 22, image_clock, image_clock_bleu,
                                 CLE_LOCAL("Disponibilite tooltip"));
    boutonSysteme->shortcut(3001);
    boutonSysteme->callback(vBoutonRequeteurGribSystemeCallback, this);
    legendeEnvoyer = new Fl_Box(x + 60, y + h - 26, 80, 15);
    legendeEnvoyer->copy_label(pcTraduire("Envoyer la requete"));
    legendeEnvoyer->labelcolor(COLOR_ORANGE_TEXTE);
    legendeEnvoyer->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    boutonEnvoyer = pBoutonImage(x + 145, y + h - 32, 44, 28, skin_image_valider,
                                 skin_image_valider_de, CLE_LOCAL("Envoyer la requete tooltip"));
    boutonEnvoyer->callback(vBoutonRequeteurEnvoyerCallback, this);
    boutonEnvoyer->deactivate();
    boutonAideRequeteur = pBoutonAide(210, y + h - 26, -191);
    boutonAideRequeteur->size(20, 20);
    // Between its neighbours, once they stand.
    vAjusterLibelle(legendeEnvoyer, 12);
}

void vr::vLangageEnvoi()
{
    vBulle(boutonConnecter, "Mode connecte (Adsl/direct) ou non connecte(Mail/differe)");
    vBulle(boutonSysteme, "Disponibilite tooltip");
    vBulle(boutonEnvoyer, "Envoyer la requete tooltip");
    vLibeller(legendeEnvoyer, "Envoyer la requete");
    vAjusterLibelle(legendeEnvoyer, 12);
}
