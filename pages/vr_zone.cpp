// The Zone section of the GRIB request page: the switch that puts the
// request frame on the map and takes it off, the four bound fields over
// the compass rose, and the zone's moves. Every bound is a whole multiple
// of the GRIB request's mesh.
#include "pages/vr.h"

#include "gribdata/globales.h"
#include "map/fdc.h"
#include "map/hote_carte.h"
#include "pages/dans_groupe.h"
#include "pages/regles_zone.h"
#include "pages/spinner_output.h"
#include "transport/requete.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Tabs.H>

namespace {

// The four fields' labels, by bound.
const char* const BORNES[4] = {CLE_LOCAL("Nord"), CLE_LOCAL("Sud"), CLE_LOCAL("Ouest"),
                               CLE_LOCAL("Est")};

const int TAILLE_BORNE = 13;

spinnerOutput* pChamp(int x, int y, int w, const char* libelle, double limite, vr* page)
{
    spinnerOutput* c = new spinnerOutput(x, y, w, 20);
    c->copy_label(pcTraduire(libelle));
    c->labelsize(TAILLE_BORNE);
    c->textsize(12);
    c->color(fl_rgb_color(0xF2, 0xF2, 0xF2));
    c->range(-limite, limite);
    c->callback(vr::vInputRequeteurGribZoneCadreCallback, page);
    c->deactivate();
    return c;
}

// The help topics whose help button shows the second picture.
bool bAideSeconde(int sujet)
{
    for (int s : {-61, -62, -81, -91, -101, -111, -141, -171})
        if (sujet == s)
            return true;
    return false;
}

}  // namespace

void vr::vGroupRequeteurGribZone()
{
    const int x = packGrib->x(), y = packGrib->y(), w = packGrib->w();
    DansGroupe dans(packGrib);
    voletAideGrib = new AIDE(x, y, 230 - SCROLL_DECALAGE, "1", this, 210);
    groupeZone = new Fl_Group(x, y, w, 112);
    // The section paints its own background: a drag of the request frame
    // redraws it alone, and its labels and the rose's soft edges must not be
    // drawn again over themselves.
    groupeZone->box(FL_FLAT_BOX);
    if (packGrib->parent())
        groupeZone->color(packGrib->parent()->color());
    classeBouton* charger = new classeBouton(x, y + 4, 20, 20, "@+1fileopen");
    charger->copy_tooltip(pcTraduire("Charger une requete"));
    charger->callback(vBoutonRequeteurBrowserCallback, this);
    boutonChargerGrib = charger;
    boutonZone = new classeBoutonImage(x + 22, y + 4, w - 64, 20);
    boutonZone->copy_label(pcTraduire("Selection de la zone"));
    boutonZone->copy_tooltip(pcTraduire("Choisir le mode selection"));
    boutonZone->type(FL_TOGGLE_BUTTON);
    boutonZone->callback(vBoutonRequeteurGribZoneTitreCallback, this);
    boutonDeplierTout = new classeBouton(x + w - 40, y + 4, 20, 20, GRIB_DEPLIER ? "@+22>>" : "@+2>>");
    boutonDeplierTout->type(FL_TOGGLE_BUTTON);
    boutonDeplierTout->value(GRIB_DEPLIER);
    boutonDeplierTout->callback(vBoutonRequeteurGribZoneContenuCallback, this);
    classeBouton* aide = pBoutonAide(x + w - 20, y + 4, aideGrib);
    if (bAideSeconde(aideGrib))
        aide->image(skin1_image_help2);
    Fl_Box* rose = new Fl_Box(x + 4, y + 30, 200, 81);
    rose->image(image_etoile);
    champsZone[BORNE_NORD] = pChamp(x + 16 + (w - 50) / 2, y + 34, 50, BORNES[BORNE_NORD], 90, this);
    champsZone[BORNE_SUD] = pChamp(x + 16 + (w - 50) / 2, y + 86, 50, BORNES[BORNE_SUD], 90, this);
    champsZone[BORNE_OUEST] = pChamp(x + 34, y + 60, 52, BORNES[BORNE_OUEST], 180, this);
    champsZone[BORNE_EST] = pChamp(x + 40 + w / 2, y + 60, 52, BORNES[BORNE_EST], 180, this);
    // The star of the rose reaches this field's left side: its label
    // stands above it.
    champsZone[BORNE_EST]->align(FL_ALIGN_TOP);
    vAjusterChampsZone();
    vPasChampsZone(requeteGrib ? requeteGrib->maille : 1.0);
    Fl_Group* fin = new Fl_Group(x, y + 112, w, 0);
    fin->end();
    fin->hide();
    groupeZone->end();
}

void vr::vPasChampsZone(double pas)
{
    for (spinnerOutput* c : champsZone)
        if (c)
            c->step(pas);
}

void vr::setCoordonnees(double N, double S, double W, double E)
{
    const CadreZone c = cadreAccroche({N, S, W, E}, requeteGrib->maille);
    vChampsZone(c);
}

void vr::setgetCoordonnees(double& N, double& S, double& W, double& E)
{
    CadreZone c{N, S, W, E};
    vChampsZone(cadreAccrocheMinimal(c, requeteGrib->maille));
    N = c.nord, S = c.sud, W = c.ouest, E = c.est;
}

void vr::getCoordonnees(double& N, double& S, double& W, double& E)
{
    N = champsZone[BORNE_NORD]->value();
    S = champsZone[BORNE_SUD]->value();
    W = champsZone[BORNE_OUEST]->value();
    E = champsZone[BORNE_EST]->value();
}

void vr::vChampsZone(const CadreZone& c)
{
    champsZone[BORNE_NORD]->value(c.nord);
    champsZone[BORNE_SUD]->value(c.sud);
    champsZone[BORNE_OUEST]->value(c.ouest);
    champsZone[BORNE_EST]->value(c.est);
}

CadreZone vr::cadreZone()
{
    CadreZone c;
    getCoordonnees(c.nord, c.sud, c.ouest, c.est);
    return c;
}

void vr::vDeplacerZone(int mouvement)
{
    if (!champsZone[BORNE_NORD] || !requeteGrib)
        return;
    CadreZone c = cadreZone();
    if (bDeplacerZone(mouvement, c, requeteGrib->maille))
        setCoordonnees(c.nord, c.sud, c.ouest, c.est);
}

void vr::setCoordonneesDroit() { vDeplacerZone(ZONE_EST); }
void vr::setCoordonneesGauche() { vDeplacerZone(ZONE_OUEST); }
void vr::setCoordonneesHaut() { vDeplacerZone(ZONE_NORD); }
void vr::setCoordonneesBas() { vDeplacerZone(ZONE_SUD); }
void vr::setCoordonneesPlus() { vDeplacerZone(ZONE_PLUS); }
void vr::setCoordonneesMoins() { vDeplacerZone(ZONE_MOINS); }

void vr::vInputRequeteurGribZoneCadreCallback(Fl_Widget* champ, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    int borne = BORNE_NORD;
    while (borne < BORNE_EST && page->champsZone[borne] != champ)
        ++borne;
    CadreZone c = page->cadreZone();
    vRegleMolette(borne, c, page->requeteGrib->maille);
    page->vChampsZone(c);
    if (page->carte)
        page->carte->overlay_output(2);
}

void vr::vBoutonRequeteurGribZoneTitreCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (!static_cast<Fl_Button*>(bouton)->value()) {
        vBoutonRequeteurGribZoneEffacerCallback(bouton, page);
        return;
    }
    bouton->redraw();
    fdc* carte = page->carte;
    if (!carte->overlay) {
        page->vRequeteurGribModeles();
        page->vGroupRequeteurGribArrange(0);
        const CadreZone tiers =
            cadreTiersMilieu(carte->dLatitude(carte->carteY), carte->dLatitude(carte->carteY + carte->hauteur),
                             carte->dLongitude(carte->carteX), carte->dLongitude(carte->carteX + carte->largeur));
        if (!page->chargementRequete)
            page->setCoordonnees(tiers.nord, tiers.sud, tiers.ouest, tiers.est);
        carte->overlay_output(2);
        // Drawing the frame can switch the model, and its mesh with it.
        if (!page->chargementRequete) {
            page->setCoordonnees(tiers.nord, tiers.sud, tiers.ouest, tiers.est);
            carte->overlay_output(2);
        }
        for (spinnerOutput* c : page->champsZone)
            c->activate();
        page->zoneExiste = 1;
        page->vRafraichirEnvoi();
    }
    page->boutonZone->couleurHaut = COLOR_BOUTON_ACTIVE;
    page->boutonZone->redraw();
}

void vr::vBoutonRequeteurGribZoneEffacerCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (page->carte)
        page->carte->overlay_output(1);
    if (page->boutonZone) {
        page->boutonZone->value(0);
        page->boutonZone->couleurHaut = COLOR_BOUTONS_TEXTE;
        page->boutonZone->redraw();
    }
    if (!page->zoneExiste)
        return;
    page->vSupprimerSection(SECTION_MODELES);
    page->vRequeteurGribEffacerGroupes();
    for (spinnerOutput* c : page->champsZone)
        c->deactivate();
    if (!page->chargementRequete)
        page->vReinitialiserGrib(nullptr);
    page->zoneExiste = 0;
    page->vRafraichirEnvoi();
    if (page->carte)
        page->carte->chargementAffiche = 0;
    page->vGroupRequeteurGribArrange(1);
    vJournal("<REQ>", page->ongletsRequeteur ? "Onglets existe\n" : "Onglets n'existe pas\n");
    if (page->ongletsRequeteur)
        page->ongletsRequeteur->redraw();
}

void vr::vLangageZone()
{
    vBulle(boutonChargerGrib, "Charger une requete");
    vLibeller(boutonZone, "Selection de la zone");
    vBulle(boutonZone, "Choisir le mode selection");
    for (int b = 0; b < 4; ++b)
        vLibeller(champsZone[b], BORNES[b]);
    vAjusterChampsZone();
}

// A field's label stays within the section, the room vAjusterLibelle
// gives.
void vr::vAjusterChampsZone()
{
    for (spinnerOutput* c : champsZone)
        vAjusterLibelle(c, TAILLE_BORNE);
}
