// The validities in turn: one step forward or back, and the animation that
// steps by itself at the page's period until stopped. Only one step is
// ever pending: every start and stop first removes the one waiting.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/reglages_visualisateur.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Slider.H>
#include <initializer_list>

namespace {

// The first step comes after a quarter of a second.
constexpr double PREMIER_PAS = 0.25;

}  // namespace

void vr::vEcheance(int sens)
{
    int n = 0, presse = -1;
    for (classeBoutonImage** b = boutonsValidites; b && b[n]; ++n)
        if (presse < 0 && b[n]->value())
            presse = n;
    if (presse < 0)
        return;
    boutonsValidites[presse]->value(0);
    boutonsValidites[iEcheanceVoisine(presse, n, sens)]->value(1);
    vFermerGraphiques();
    vAfficher();
}

void vr::vBoutonVisualisateurEcheancesNextCallback(Fl_Widget*, void* page)
{
    if (page)
        static_cast<vr*>(page)->vEcheance(+1);
}

void vr::vBoutonVisualisateurEcheancesPreviousCallback(Fl_Widget*, void* page)
{
    if (page)
        static_cast<vr*>(page)->vEcheance(-1);
}

void vr::vArreterAnimation()
{
    Fl::remove_timeout(vEcheanceSuivante, this);
    Fl::remove_timeout(vEcheancePrecedente, this);
    animationAvant = animationArriere = 0;
    if (carte)
        carte->animation = 0;
}

void vr::vMontrerAnimation()
{
    if (!boutonPause)
        return;
    boutonAnime->value(animationAvant);
    boutonAnimeArriere->value(animationArriere);
    boutonPause->value(!animationAvant && !animationArriere);
    for (Fl_Widget* b : {boutonAnime, boutonAnimeArriere, boutonPause})
        b->redraw();
}

namespace {

// Starts the animation one way, or stops it when it already runs that way.
void vBasculer(vr& page, bool avant)
{
    const int tournait = avant ? page.animationAvant : page.animationArriere;
    page.vArreterAnimation();
    if (!tournait) {
        (avant ? page.animationAvant : page.animationArriere) = 1;
        page.carte->animation = 1;
        Fl::add_timeout(PREMIER_PAS, avant ? vEcheanceSuivante : vEcheancePrecedente, &page);
    }
    page.vMontrerAnimation();
}

}  // namespace

void vr::vBoutonVisualisateurEcheancesAnimeCallback(Fl_Widget* bouton, void* page)
{
    if (bouton && page)
        vBasculer(*static_cast<vr*>(page), true);
}

void vr::vBoutonVisualisateurEcheancesAnimeArriereCallback(Fl_Widget* bouton, void* page)
{
    if (bouton && page)
        vBasculer(*static_cast<vr*>(page), false);
}

void vr::vBoutonVisualisateurEcheancesPauseCallback(Fl_Widget*, void* page)
{
    vr* p = static_cast<vr*>(page);
    p->vArreterAnimation();
    p->vMontrerAnimation();
}

void vr::vSliderVisualisateurParametresEcheancesCallback(Fl_Widget* slider, void* page)
{
    static_cast<vr*>(page)->periodeAnimation = float(static_cast<Fl_Slider*>(slider)->value());
}

void vEcheanceSuivante(void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (!page->animationAvant)
        return;
    page->animationArriere = 0;
    page->vEcheance(+1);
    Fl::repeat_timeout(page->periodeAnimation, vEcheanceSuivante, page);
}

void vEcheancePrecedente(void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (!page->animationArriere)
        return;
    page->animationAvant = 0;
    page->vEcheance(-1);
    Fl::repeat_timeout(page->periodeAnimation, vEcheancePrecedente, page);
}
