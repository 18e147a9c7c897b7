// The request page's part of the bottom strip: the two recapitulations and
// the editors of the GRIB and bulletin requests, and the copy of the
// request text shown to the clipboard.
#include "pages/vr.h"

#include "pages/recapitulatif_page.h"
#include "transport/requete.h"
#include "ui/images/images.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <algorithm>

namespace {

Fl_Group* pEdition(int x, int y, int w, Fl_Text_Editor*& editeur, Fl_Text_Buffer*& tampon)
{
    Fl_Group* g = new Fl_Group(x, y + 3, w, 63);
    Fl_Box* fond = new Fl_Box(x, y + 3, w, 63);
    fond->image(image_bas_boite);
    editeur = new Fl_Text_Editor(x + 5, y + 5, w - 10, 59);
    editeur->box(FL_DOWN_BOX);
    editeur->color(fl_rgb_color(0xF3, 0xF3, 0xF3));
    editeur->textsize(10);
    tampon = new Fl_Text_Buffer();
    editeur->buffer(tampon);
    g->resizable(editeur);
    g->end();
    return g;
}

}  // namespace

// The editors run to 2 pixels short of the strip's end, as they do in the
// narrowest window (288 wide there), and widen with the window.
void vr::vRequeteurGribBas(int x, int y, int w, int h)
{
    basRequeteur = new Fl_Group(x + 10, y, w, h);
    vRequeteurGribRecapitulatif(x + 15, y, 240, h);
    vRequeteurRecapitulatif(x + 15, y, 240, h);
    const int largeur = std::max(288, w - 242);
    // What widens: the editors' span right of the recapitulations, under
    // the editors.
    basRequeteur->resizable(new Fl_Box(x + 255, y, largeur - 5, h));
    vRequeteurGribEditions(x + 250, y, largeur, h);
    basRequeteur->end();
    if (bandeau)
        bandeau->add(basRequeteur);
}

void vr::vRequeteurGribEditions(int x, int y, int w, int)
{
    editionGrib = pEdition(x, y, w, editeurGrib, tamponGrib);
    editionBulletins = pEdition(x, y, w, editeurBulletins, tamponBulletins);
    editionBulletins->hide();
    requeteGrib = new requete(tamponGrib, 0);
    requeteBulletins = new requete(tamponBulletins, 1);
    puitsGrib = new RecapitulatifPage(*this, true);
    puitsBulletins = new RecapitulatifPage(*this, false);
    requeteGrib->recapitulatif = puitsGrib;
    requeteBulletins->recapitulatif = puitsBulletins;
}

void vr::vCopierTexte(Fl_Text_Editor* editeur, Fl_Text_Buffer* tampon)
{
    if (!editeur || !tampon)
        return;
    editeur->buffer(tampon);
    tampon->select(0, tampon->length());
    Fl_Text_Editor::kf_copy(0, editeur);
}

void vr::vRequeteurCopyRequete()
{
    const bool bulletins = scrollGrib && !scrollGrib->visible() && groupeForfaits &&
                           !groupeForfaits->visible();
    if (bulletins)
        vCopierTexte(editeurBulletins, tamponBulletins);
    else
        vCopierTexte(editeurGrib, tamponGrib);
}
