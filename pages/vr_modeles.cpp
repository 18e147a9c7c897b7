// The Models section of the GRIB request page, and the check of the
// request frame against the models' domains that runs at each change of
// the frame: the models that hold it are enabled, the chosen one replaced
// when it no longer does.
#include "pages/vr.h"

#include "gribdata/modeles.h"
#include "map/fdc.h"
#include "pages/choix_modele.h"
#include "pages/menus_modeles.h"
#include "pages/zones_produits.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <cstdio>
#include <vector>

namespace {

classeBoutonImage* pBoutonModele(classeBoutonImage** boutons, int code)
{
    for (; boutons && *boutons; ++boutons)
        if ((*boutons)->shortcut() == code)
            return *boutons;
    return nullptr;
}

}  // namespace

int vr::menu_modeles(int x, int y, int type, Fl_Callback* rappel)
{
    delete[] boutonsModeles;
    const std::vector<const TYPEDEF_MODELE*> lignes = modelesProposes();
    std::vector<int> largeurs;
    fl_font(DRU_FONT, 12);
    for (const TYPEDEF_MODELE* l : lignes)
        largeurs.push_back(int(fl_width(pcTraduire(l->libelleCourt))) + 8);
    std::vector<std::pair<int, int>> places;
    const int bas = iDisposerBoutons(largeurs, x, y, 21, places);
    boutonsModeles = new classeBoutonImage*[lignes.size() + 1];
    for (size_t i = 0; i < lignes.size(); ++i) {
        classeBoutonImage* b =
            pBoutonMenu(places[i].first, places[i].second, largeurs[i],
                        pcTraduire(lignes[i]->libelleCourt), type, lignes[i]->code, rappel);
        if (lignes[i]->masque == 223)
            b->couleurHaut = FL_GREEN;
        boutonsModeles[i] = b;
    }
    boutonsModeles[lignes.size()] = nullptr;
    return bas;
}

void vr::vRequeteurGribModeles()
{
    vSectionBoutons(SECTION_MODELES, CLE_LOCAL("Modele"), 2,
                    vBoutonRequeteurGribModelesContenuCallback, [this](int x, int y) {
                        return menu_modeles(x, y, FL_RADIO_BUTTON,
                                            vBoutonRequeteurGribModelesCallback);
                    });
    modeleCourant = requeteGrib->modele;
    if (chargementRequete) {
        if (classeBoutonImage* b = pBoutonModele(boutonsModeles, requeteGrib->modele))
            b->value(1);
        return;
    }
    if (classeBoutonImage* tisca = pBoutonModele(boutonsModeles, 86)) {
        vBoutonRequeteurGribModelesCallback(tisca, this);
        tisca->setonly();
    }
}

void vr::vBoutonRequeteurGribModelesCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    const int code = static_cast<Fl_Button*>(bouton)->shortcut();
    page->modeleCourant = code;
    page->vRequeteurGribEffacerGroupes();
    if (!page->chargementRequete)
        page->requeteGrib->vSetDomaine(code);
    page->vRequeteurGribMailles(code);
    page->vRequeteurGribParametres(code);
    page->vRequeteurGribEcheances(code);
    page->vRequeteurGribTerre(0);
    page->vRequeteurGribDeplacement(0);
    page->vRequeteurGribAbonnement();
    page->vGroupRequeteurGribArrange(0);
    const CadreZone c = page->cadreZone();
    page->setCoordonnees(c.nord, c.sud, c.ouest, c.est);
    if (page->carte) {
        page->carte->overlay_output(2);
        page->carte->redraw();
    }
    page->vRafraichirEnvoi();
}

int vr::CadreModele(double N, double S, double W, double E)
{
    const CadreZone cadre{N, S, W, E};
    if (modeForfaits) {
        const int code = iModeleForfait(cadre, requeteGrib->chiffreForfait);
        requeteGrib->vSetDomaine(code);
        return code;
    }
    const std::vector<const TYPEDEF_MODELE*> lignes = modelesProposes();
    std::vector<classeBoutonImage*> boutons;
    for (const TYPEDEF_MODELE* l : lignes)
        boutons.push_back(pBoutonModele(boutonsModeles, l->code));
    std::vector<bool> enfonces;
    for (classeBoutonImage* b : boutons)
        enfonces.push_back(b && b->value());
    // A refused moving zone is checked again as a moving one.
    const ChoixModele choix =
        choixModele(cadre, lignes, enfonces, deplacement || deplacementHorsModele);
    for (size_t i = 0; i < boutons.size(); ++i) {
        if (!boutons[i] || choix.boutons[i] == BOUTON_INCHANGE)
            continue;
        if (choix.boutons[i] == BOUTON_ACTIVE) {
            boutons[i]->activate();
        } else {
            boutons[i]->value(0);
            boutons[i]->deactivate();
        }
    }
    if (!choix.candidat)
        return 0;
    if (choix.horsLimites) {
        vMessageCarte(pcTraduire("Deplacement hors des limites du modele"));
        vDeplacementHorsModele();
        return 0;
    }
    if (carte)
        carte->chargementAffiche = 0;
    if (deplacementHorsModele)
        vDeplacementRetabli();
    if (choix.abandonne) {
        classeBoutonImage* b = pBoutonModele(boutonsModeles, choix.candidat);
        if (b) {
            b->setonly();
            if (!deplacement)
                vBoutonRequeteurGribModelesCallback(b, this);
        }
    }
    vMarquerZonesProduits(cadre);
    return choix.candidat;
}

void vr::vMessageCarte(const char* texte)
{
    if (!carte)
        return;
    std::snprintf(carte->chargement, sizeof carte->chargement, "%s", texte);
    std::snprintf(messageCarte, sizeof messageCarte, "%s", carte->chargement);
    carte->chargementAffiche = 1;
    carte->redraw();
}

void vr::vMarquerZonesProduits(const CadreZone& cadre)
{
    vMarquerBoutonsProduits(boutonsGmdss, PRODUIT_METAREA, cadre);
    vMarquerBoutonsProduits(boutonsSatellites, PRODUIT_SATELLITE, cadre);
    vMarquerBoutonsProduits(boutonsPreisos, PRODUIT_PREISO, cadre);
}
