// What the title bar's map tools show of the map of the page in front.
#include "shell/titre.h"

#include "map/fdc.h"
#include "pages/vr.h"
#include "ui/boutons.h"
#include "ui/images/images.h"

#include <FL/Fl_RGB_Image.H>

vr* classGroupeTitre::pPageDevant()
{
    for (int i = 0; gvr && i < VR_PAGES; ++i)
        if (gvr[i] && gvr[i]->visible_r())
            return gvr[i];
    return nullptr;
}

fdc* classGroupeTitre::pCarteDevant()
{
    vr* page = pPageDevant();
    return page ? page->carte : nullptr;
}

void classGroupeTitre::vSynchroniserCarte(fdc* carte)
{
    if (!carte)
        return;
    if (iBoutonsFdc)
        vMontrerFond(carte->fond);
    vMontrerZonesBulletins(carte->zonesGmdss);
    vMontrerZooms(carte);
}

void classGroupeTitre::vMontrerFond(int kind)
{
    const struct {
        classeBouton* bouton;
        int kind;
        Fl_Image* presse;
        Fl_Image* relache;
    } fonds[] = {
        {boutonSatellite, FDC_SATELLITE, skin_image_fdc0, skin_image_fdc0_de},
        {boutonHD, FDC_DESSINEE, skin_image_fdc2, skin_image_fdc2_de},
        {boutonTraitCote, FDC_VECTEUR, skin_image_fdc4, skin_image_fdc4_de},
    };
    for (const auto& f : fonds) {
        f.bouton->value(f.kind == kind);
        f.bouton->image(f.kind == kind ? f.presse : f.relache);
    }
    groupeFonds->redraw();
}

void classGroupeTitre::vMontrerZonesBulletins(int mode)
{
    boutonZonesBulletins->value(mode != 0);
    boutonZonesBulletins->image(mode == 0   ? image_metarea
                                : mode == 1 ? image_metarea_bleu
                                            : image_metarea_vert);
    boutonZonesBulletins->redraw();
}

void classGroupeTitre::vMontrerZooms(const fdc* carte)
{
    boutonZoomer->value(carte->zoomIn != 0);
    boutonZoomer->image(carte->zoomIn ? image_zoom1 : image_zoom2);
    boutonDezoomer->value(carte->zoomOut != 0);
    boutonDezoomer->image(carte->zoomOut ? image_dezoom1 : image_dezoom2);
    boutonZoomer->redraw();
    boutonDezoomer->redraw();
}

void classGroupeTitre::vFondsDisponibles(int satellite, int hd)
{
    satellite ? boutonSatellite->show() : boutonSatellite->hide();
    hd ? boutonHD->show() : boutonHD->hide();
    groupeFonds->redraw();
}
