// The request page in the language just loaded, panel by panel (each
// panel's own function sits beside its builder), then the satellite
// caption, the map's message and the map.
#include "pages/vr.h"

#include "gribdata/modeles.h"
#include "gribdata/parametres.h"
#include "map/fdc.h"
#include "map/satellite.h"
#include "pages/menus_modeles.h"
#include "pages/rangees_boutons.h"
#include "pages/regles_echeances.h"
#include "routes/spinner_position.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <cstring>
#include <vector>

void vr::vRequeteurLangage()
{
    vLangageProduits();
    vLangageZone();
    vLangageAides();
    vLangageEnvoi();
    vLangageSectionsGrib();
    vLangageRecapitulatifs();
    vLangageBulletins();
    vLangageForfaits();
    vLangageImages();
    vLangageAbonnements();
    vLegendeSatellite();
    vLangageMessageCarte();
    if (carte)
        carte->redraw();
}

void vLangageSections(SectionGrib* sections, int nombre)
{
    for (SectionGrib* s = sections; s < sections + nombre; ++s) {
        vBulle(s->charger, "Charger une requete");
        if (s->libelle && s->cle) {
            vLibeller(s->libelle, s->cle);
            vAjusterLibelle(s->libelle, TAILLE_TITRE_SECTION);
        }
        for (const SectionGrib::Texte& t : s->textes) {
            if (t.libelle) {
                vLibeller(t.widget, t.libelle);
                vAjusterLibelle(t.widget, TAILLE_TEXTE_SECTION);
            }
            if (t.bulle)
                vBulle(t.widget, t.bulle);
        }
    }
}

void vr::vLangageAides()
{
    for (AIDE* aide : {voletAideGrib, voletAideBulletins})
        if (aide) {
            aide->load();
            aide->redraw();
        }
}

// The titles with the sections' texts (the step row among them), the
// buttons named after the catalogue, the day labels, the land switch and
// the moving zone's fields.
void vr::vLangageSectionsGrib()
{
    vLangageSections(sectionsGrib, SECTIONS_GRIB);
    vLangageBoutonsGrib();
    vLibeller(titreEcheances, "Echeances");
    vLibeller(titreValidites, "Validites");
    for (Fl_Box** b = boitesJoursGrib; b && *b; ++b) {
        vNommer(*b, sLibelleJour(pcTraduire("Jour"), int((*b)->argument())).c_str());
        vAjusterJour(*b);
    }
    vLangageTerre();
    vLibeller(champCap, "Cap");
    vLibeller(champVitesse, "Vitesse");
    if (champCap)
        vAjusterChampsDeplacement();
    vLibeller(boiteNoeuds, "Noeuds");
}

// Model buttons by their model's row, parameter buttons by the names of
// the chosen model's row (the number each carries picks its name).
void vr::vLangageBoutonsGrib()
{
    const std::vector<const TYPEDEF_MODELE*> lignes = modelesProposes();
    for (size_t i = 0; boutonsModeles && boutonsModeles[i] && i < lignes.size(); ++i)
        if (boutonsModeles[i]->shortcut() == lignes[i]->code)
            vLibeller(boutonsModeles[i], lignes[i]->libelleCourt);
    const TYPEDEF_MODELE* m = pDernierModele(modeleCourant);
    for (classeBoutonImage** b = boutonsParametresGrib; m && b && *b; ++b)
        for (const char* nom : m->parametres) {
            if (!nom)
                break;
            if (iNumeroParametre(nom) == (*b)->shortcut()) {
                vLibeller(*b, nom);
                break;
            }
        }
    const bool modeles = bRedisposerBoutons(sectionsGrib[SECTION_MODELES].contenu,
                                            boutonsModeles, 21, BOUTONS_FIN_LIGNE);
    if (bRedisposerBoutons(sectionsGrib[SECTION_PARAMETRES].contenu, boutonsParametresGrib, 21,
                           BOUTONS_FIN_LIGNE) ||
        modeles)
        vGroupRequeteurGribArrange(10000);
}

// The message is the page's only while the map shows it as written.
void vr::vLangageMessageCarte()
{
    if (!carte || !carte->chargementAffiche || !messageCarte[0] ||
        std::strcmp(carte->chargement, messageCarte) != 0)
        return;
    vMessageCarte(pcTraduire("Deplacement hors des limites du modele"));
}
