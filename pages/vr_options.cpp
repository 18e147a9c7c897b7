// The viewer's display options: transparency, isolines, isotachs,
// superposition of parameters, and the iso menus' intervals. Each writes
// one setting of the page's map and shows it.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/reglages_visualisateur.h"
#include "ui/boutons.h"
#include "ui/images/images.h"

#include <FL/Fl_Menu_.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Slider.H>

namespace {

vr& page(void* donnees)
{
    return *static_cast<vr*>(donnees);
}

// A switch's state into a flag of the map, with its blue (on) or orange
// picture.
int iBascule(Fl_Widget* bouton, int& drapeau, Fl_RGB_Image* bleu, Fl_RGB_Image* orange)
{
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    drapeau = b->value();
    b->image(drapeau ? bleu : orange);
    b->redraw();
    return drapeau;
}

// The chosen item of an iso menu into the map's settings. The bar holds a
// copy of vr::MenuTable: the item's place there gives its code.
void vMenu(Fl_Widget* widget, void* donnees, const char* titre)
{
    Fl_Menu_* menu = static_cast<Fl_Menu_*>(widget);
    const Fl_Menu_Item* item = menu->mvalue();
    vr& p = page(donnees);
    if (!item || !item->label())
        return;
    const int code = vr::iCodeMenuIso(menu->find_index(item));
    if (iChoisirIntervalle(*p.carte, titre, item->label(), code))
        p.vAfficherEncore();
}

}  // namespace

void vr::vAfficherEncore()
{
    carte->vGrib(nullptr, boutonsParametres, boutonsValidites, boiteTitre, boiteSecond,
                 boiteDroite, boiteGauche);
    carte->redraw();
}

void vr::vSliderVisualisateurParametresTransparenceCallback(Fl_Widget* slider, void* donnees)
{
    fdc& carte = *page(donnees).carte;
    carte.opacite = ucOpacite(static_cast<Fl_Slider*>(slider)->value());
    carte.redraw();
}

void vr::vButtonVisualisateurParametresIsoligneCallback(Fl_Widget* bouton, void* donnees)
{
    fdc& carte = *page(donnees).carte;
    iBascule(bouton, carte.isolignes, image_isolignes_bleu, image_isolignes_orange);
    carte.redraw();
}

void vr::vButtonVisualisateurParametresIsotachesCallback(Fl_Widget* bouton, void* donnees)
{
    vr& p = page(donnees);
    iBascule(bouton, p.carte->isotaches, image_isotaches_bleu, image_isotaches_orange);
    p.vAfficherEncore();
}

void vr::vBoutonVisualisateurParametresSuperpositionCallback(Fl_Widget* bouton, void* donnees)
{
    vr& p = page(donnees);
    const int sur = iBascule(bouton, p.carte->superposition, image_superposer_bleu,
                             image_superposer_orange);
    vTypeParametres(p.boutonsParametres, sur);
    if (p.groupeParametres)
        p.groupeParametres->redraw();
    p.gribsynchro();
    p.vFermerGraphiques();
    p.vAfficher();
}

void vr::vMenuButtonVisualisateurParametresIsobaresCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "P");
}

void vr::vMenuButtonVisualisateurParametresIsothermesCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "T");
}

void vr::vMenuButtonVisualisateurParametresIsotachesCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "F");
}

void vr::vMenuButtonVisualisateurParametresIsohauteurCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "H");
}

void vr::vMenuButtonVisualisateurParametresIsocourantCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "C");
}

void vr::vMenuButtonVisualisateurParametresIsoperiodeCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "s");
}

void vr::vMenuButtonVisualisateurParametresIsohumiditeCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "%");
}

void vr::vMenuButtonVisualisateurParametresIsoprecipitationsCallback(Fl_Widget* m, void* d)
{
    vMenu(m, d, "m");
}
