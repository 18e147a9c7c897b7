// The settings rows of the viewer's sections: under the parameters the
// superposition, isoline and isotach switches, the transparency slider and
// the iso menus; under the validities the interpolation button, the
// animation buttons, previous and next, and the speed slider.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/reglages_visualisateur.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Slider.H>
#include <initializer_list>

namespace {

Fl_Box* pTitre(int x, int y, const char* texte)
{
    Fl_Box* b = new Fl_Box(x, y, 212, 20);
    b->copy_label(pcTraduire(texte));
    b->labelsize(11);
    b->labelcolor(COLOR_ORANGE_TEXTE);
    return b;
}

classeBouton* pBouton(int x, int y, int w, int h, const char* etiquette, const char* bulle,
                      Fl_Callback* rappel, void* page)
{
    classeBouton* b = new classeBouton(x, y, w, h, etiquette);
    b->copy_tooltip(pcTraduire(bulle));
    b->callback(rappel, page);
    return b;
}

// A 22 x 22 switch pressed as the map's flag stands, blue when on.
classeBouton* pBascule(int x, int y, int drapeau, Fl_RGB_Image* bleu, Fl_RGB_Image* orange,
                       const char* bulle, Fl_Callback* rappel, void* page)
{
    classeBouton* b = pBouton(x, y, 22, 22, nullptr, bulle, rappel, page);
    b->type(FL_TOGGLE_BUTTON);
    b->value(drapeau);
    b->image(drapeau ? bleu : orange);
    return b;
}

Fl_Slider* pCurseur(int x, int y, int w, double gauche, double droite, double pas,
                    double valeur, const char* bulle, Fl_Callback* rappel, void* page)
{
    Fl_Slider* s = new Fl_Slider(x, y, w, 20);
    s->type(FL_HOR_NICE_SLIDER);
    s->bounds(gauche, droite);
    s->step(pas);
    s->value(valeur);
    s->copy_tooltip(pcTraduire(bulle));
    s->callback(rappel, page);
    return s;
}

}  // namespace

void vr::vReglagesParametres(int x0, int r1)
{
    titresVisualisateur[1] = pTitre(x0, r1 + 4, CLE_LOCAL("Reglages parametres"));
    boutonSuperposition =
        pBascule(x0 + 4, r1 + 27, carte->superposition, image_superposer_bleu,
                 image_superposer_orange, CLE_LOCAL("Superposition"),
                 vBoutonVisualisateurParametresSuperpositionCallback, this);
    boutonIsolignes = pBascule(x0 + 28, r1 + 27, carte->isolignes, image_isolignes_bleu,
                               image_isolignes_orange, CLE_LOCAL("Afficher les isolignes"),
                               vButtonVisualisateurParametresIsoligneCallback, this);
    boutonIsotaches = pBascule(
        x0 + 52, r1 + 27, carte->isotaches, image_isotaches_bleu, image_isotaches_orange,
        CLE_LOCAL("Afficher les isotaches de la force du vent ou la hauteur des vagues"),
        vButtonVisualisateurParametresIsotachesCallback, this);
    sliderTransparence = pCurseur(x0 + 76, r1 + 28, 132, 254, 1, 1, carte->opacite,
                                  CLE_LOCAL("Modifier la transparence"),
                                  vSliderVisualisateurParametresTransparenceCallback, this);
    Fl_Box* fond = new Fl_Box(x0 + 2, r1 + 52, 208, 20);
    fond->image(image_bon);
    // A copy of the hidden bar's items: the choices outlive the section.
    menuIso = new Fl_Menu_Bar(x0 + 4, r1 + 52, 204, 20);
    menuIso->box(FL_NO_BOX);
    menuIso->textfont(DRU_FONT_BOLD);
    menuIso->textsize(12);
    menuIso->copy(menuCache->menu(), this);
}

void vr::vReglagesValidites(int x0, int r2)
{
    titresVisualisateur[3] = pTitre(x0, r2 + 4, CLE_LOCAL("Reglages validites"));
    const int y = r2 + 28;
    boutonInterpolation = pBouton(x0 + 5, y, 20, 20, INTERPOLATION_REPOS,
                                  CLE_LOCAL("Interpolation temporelle"),
                                  vBoutonVisualisateurInterpolationCallback, this);
    boutonInterpolation->type(FL_TOGGLE_BUTTON);
    // Rebuilt while this page's interpolation runs: pressed and inactive.
    if (Fl::has_timeout(vInterpolationTimeout, this)) {
        boutonInterpolation->value(1);
        boutonInterpolation->deactivate();
    }
    Fl_Group* animation = new Fl_Group(x0 + 60, y, 58, 20);
    boutonAnimeArriere = pBouton(x0 + 60, y, 18, 20, "@<|", CLE_LOCAL("Animation arriere"),
                                 vBoutonVisualisateurEcheancesAnimeArriereCallback, this);
    boutonPause = pBouton(x0 + 80, y, 18, 20, "@||", CLE_LOCAL("Pause"),
                          vBoutonVisualisateurEcheancesPauseCallback, this);
    boutonAnime = pBouton(x0 + 100, y, 18, 20, "@|>", CLE_LOCAL("Animation avant"),
                          vBoutonVisualisateurEcheancesAnimeCallback, this);
    for (classeBouton* b : {boutonAnimeArriere, boutonPause, boutonAnime})
        b->type(FL_RADIO_BUTTON);
    animation->end();
    boutonPrecedent = pBouton(x0 + 170, y, 18, 20, "@<", CLE_LOCAL("Echeance precedente"),
                              vBoutonVisualisateurEcheancesPreviousCallback, this);
    boutonSuivant = pBouton(x0 + 190, y, 18, 20, "@>", CLE_LOCAL("Echeance suivante"),
                            vBoutonVisualisateurEcheancesNextCallback, this);
    sliderVitesse = pCurseur(x0 + 4, r2 + 50, 204, 2.0, 0.1, 0.1, periodeAnimation,
                             CLE_LOCAL("Modifier la vitesse de l'animation"),
                             vSliderVisualisateurParametresEcheancesCallback, this);
    vMontrerAnimation();
}
