// The moving-zone section of the GRIB request page: a vessel's course and
// speed, which carry the request frame along its track to each requested
// time (the request's "V" line, the frames and red track on the map).
// Built once: later model choices put it back with the values it holds.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/dans_groupe.h"
#include "pages/regles_deplacement.h"
#include "routes/spinner_position.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>
#include <algorithm>

namespace {

spinnerPosition* pChamp(int x, int y, int w, const char* libelle, double maximum, double pas,
                        Fl_Callback* rappel, vr* page)
{
    spinnerPosition* c = new spinnerPosition(x, y, w, 20);
    c->copy_label(pcTraduire(libelle));
    c->labelsize(12);
    c->textsize(12);
    c->range(0, maximum);
    c->step(pas);
    c->value(0);
    c->color(COLOR_GRIS_CLAIR);
    c->callback(rappel, page);
    // Taken when entered: digits are not rewritten while they are typed.
    c->vSaisieValidee();
    return c;
}

}  // namespace

void vr::vRequeteurGribDeplacement(int)
{
    SectionGrib& s = sectionsGrib[SECTION_DEPLACEMENT];
    if (s.titre) {
        packGrib->add(s.titre);
        if (s.contenu)
            packGrib->add(s.contenu);
        // The request and the frame take the course and speed shown.
        vRequeteurGribDeplacementSet();
        return;
    }
    DansGroupe dans(packGrib);
    s.titre = pTitreSection(CLE_LOCAL("Deplacement : Non"), 8,
                            vBoutonRequeteurGribDeplacementContenuCallback, s.deplier);
    titreDeplacement = s.libelle = static_cast<Fl_Box*>(s.titre->child(0));
    s.cle = CLE_LOCAL("Deplacement : Non");
    vContenuSection(SECTION_DEPLACEMENT, [this](int x, int y) {
        champCap = pChamp(x + 34, y + 2, 30, CLE_LOCAL("Cap"), 360, 1,
                          vInputRequeteurGribDeplacementCapCallback, this);
        champVitesse = pChamp(x + 144, y + 2, 35, CLE_LOCAL("Vitesse"), VITESSE_MAXIMUM, 0.1,
                              vInputRequeteurGribDeplacementVitesseCallback, this);
        Fl_Box* noeuds = new Fl_Box(x + 181, y + 2, 40, 20);
        noeuds->copy_label(pcTraduire("Noeuds"));
        noeuds->hide();
        boiteNoeuds = noeuds;
        vAjusterChampsDeplacement();
        return y + 30;
    });
}

// Each field where its label on its left holds at the section's size (the
// course at x + 34, the speed at x + 144 at least, the speed within the
// section); the labels then fitted, the speed's up to the course field.
void vr::vAjusterChampsDeplacement()
{
    Fl_Group* contenu = champCap->parent();
    const int x = contenu->x();
    auto largeur = [](const Fl_Widget* c) {
        fl_font(c->labelfont(), TAILLE_TEXTE_SECTION);
        return int(fl_width(c->label())) + 3;
    };
    const int cap = std::max(x + 34, x + 4 + largeur(champCap));
    const int vitesse =
        std::min(contenu->x() + contenu->w() - 2 - champVitesse->w(),
                 std::max(x + 144, cap + champCap->w() + 8 + largeur(champVitesse)));
    champCap->position(cap, champCap->y());
    champVitesse->position(vitesse, champVitesse->y());
    contenu->redraw();
    vAjusterLibelle(champCap, TAILLE_TEXTE_SECTION);
    vAjusterLibelle(champVitesse, TAILLE_TEXTE_SECTION);
}

void vr::vTitreDeplacement(const char* texte, Fl_Color couleur)
{
    sectionsGrib[SECTION_DEPLACEMENT].cle = texte;
    titreDeplacement->copy_label(pcTraduire(texte));
    titreDeplacement->labelcolor(couleur);
    vAjusterLibelle(titreDeplacement, TAILLE_TITRE_SECTION);
}

void vr::vRequeteurGribDeplacementSet()
{
    if (!champCap || !champVitesse)
        return;
    // The fields show what the request and the frame take; a course out
    // of range gives the one held before.
    const CapVitesse cv =
        capVitesseRetenus(champCap->value(), champVitesse->value(), capDeplacement);
    if (champCap->value() >= 360)
        fl_beep();
    champCap->value(cv.cap);
    champVitesse->value(cv.vitesse);
    capDeplacement = float(cv.cap);
    vitesseDeplacement = float(cv.vitesse);
    if (deplacementHorsModele && carte)
        carte->chargementAffiche = 0;
    deplacementHorsModele = 0;
    deplacement = cv.bMobile();
    // The frame's check drops the moving zone when no time is pressed, and
    // refuses it when the moved frame leaves the model.
    if (deplacement && carte && carte->overlay)
        carte->overlay_cadre();
    else if (deplacement && !bTempsPresse())
        deplacement = 0;
    if (!deplacementHorsModele)
        vLigneDeplacement();
}

bool vr::bDeplacementDemande() const
{
    return capDeplacement != 0 || vitesseDeplacement != 0;
}

void vr::vLigneDeplacement()
{
    if (deplacement)
        requeteGrib->vSetCapVitesse(int(capDeplacement), vitesseDeplacement);
    else
        requeteGrib->vUnsetCapVitesse();
    const bool oui = bDeplacementDemande() && !deplacementHorsModele;
    if (titreDeplacement)
        vTitreDeplacement(oui ? CLE_LOCAL("Deplacement : Oui") : CLE_LOCAL("Deplacement : Non"),
                          deplacement ? COLOR_BOUTON_ACTIVE : COLOR_ORANGE_TEXTE);
    if (carte)
        carte->redraw();
}

void vr::vDeplacementHorsModele()
{
    deplacement = 0;
    deplacementHorsModele = 1;
    vLigneDeplacement();
    vRafraichirEnvoi();
}

void vr::vDeplacementRetabli()
{
    deplacementHorsModele = 0;
    deplacement = bDeplacementDemande() && bTempsPresse();
    vLigneDeplacement();
    vRafraichirEnvoi();
}

void vr::vInputRequeteurGribDeplacementCapCallback(Fl_Widget*, void* donnees)
{
    static_cast<vr*>(donnees)->vRequeteurGribDeplacementSet();
}

void vr::vInputRequeteurGribDeplacementVitesseCallback(Fl_Widget* champ, void* donnees)
{
    static_cast<vr*>(donnees)->vRequeteurGribDeplacementSet();
    champ->redraw();
}
