// A viewer page in the language just loaded: its help pane, the buttons of
// its panel, its two sections with their settings rows, the iso menus'
// headers, and the texts under its map when it shows a file. Widths stay
// as built.
#include "pages/vr.h"

#include "gribdata/parametres.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/libelles.h"
#include "ui/local.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Slider.H>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

// The headers by their place in vr::MenuTable, counted from 0 over every
// item; the Beaufort item keeps its name in every language.
const struct {
    int position;
    const char* cle;
    bool traduit;
} ENTETES[VR_ENTETES_ISO] = {
    {1, CLE_LOCAL("Isobares"), true},   {10, CLE_LOCAL("Isothermes"), true},
    {21, CLE_LOCAL("Isotaches"), true}, {27, "Beaufort", false},
    {30, CLE_LOCAL("Hauteur"), true},   {38, CLE_LOCAL("Etat de la mer"), true},
    {41, CLE_LOCAL("Courant"), true},   {51, CLE_LOCAL("Periode"), true},
    {61, CLE_LOCAL("Humidite"), true},  {70, CLE_LOCAL("Pluie"), true}};

// Walks the items up to two end markers in a row, pointing the headers'
// items at the page's texts.
void vPoserEntetes(Fl_Menu_& menu, char (*textes)[64])
{
    const Fl_Menu_Item* items = menu.menu();
    if (!items)
        return;
    int k = 0;
    for (int i = 0; k < VR_ENTETES_ISO; ++i) {
        if (!items[i].text && i > 0 && !items[i - 1].text)
            break;
        if (i == ENTETES[k].position)
            const_cast<Fl_Menu_Item&>(items[i]).label(textes[k++]);
    }
    menu.redraw();
}

}  // namespace

void vr::vVisualisateurMenuBarreLangage()
{
    for (int k = 0; k < VR_ENTETES_ISO; ++k) {
        const char* t = ENTETES[k].traduit ? pcTraduire(ENTETES[k].cle) : ENTETES[k].cle;
        const int n = iCoupeUtf8(t, int(sizeof entetesIso[k]) - 1);
        std::memcpy(entetesIso[k], t, size_t(n));
        entetesIso[k][n] = 0;
    }
    for (Fl_Menu_* menu : {static_cast<Fl_Menu_*>(menuIso), static_cast<Fl_Menu_*>(menuCache)})
        if (menu)
            vPoserEntetes(*menu, entetesIso);
}

void vr::vVisualisateurLangage()
{
    if (aideVisu) {
        aideVisu->load();
        aideVisu->redraw();
    }
    for (int i = 0; boutonsPages && i < 9; ++i)
        vBulle(boutonsPages[i], "Changer d'onglet de visualisation");
    vBulle(boutonRoutes, "Afficher le menu de gestion des routes");
    vLibeller(boutonOuvrir, "Ouvrir");
    vBulle(boutonOuvrir, "Ouvrir un fichier Grib");
    vLibeller(boutonFermer, "Fermer");
    vBulle(boutonFermer, "Fermer un fichier Grib");
    // The row laid again as it is built in the new language.
    if (boutonOuvrir) {
        vRangeeFichier();
        ongletVisualisateur->redraw();
    }
    vBulle(boutonCadenas, "Verrouiller ou deverouiller le fond de carte");
    vBulle(boutonHistogrammes, "Histogramme tooltip");
    static const char* const TITRES[4] = {"Parametres", "Reglages parametres", "Validites",
                                          "Reglages validites"};
    for (int i = 0; i < 4; ++i)
        vLibeller(titresVisualisateur[i], TITRES[i]);
    const std::pair<Fl_Widget*, const char*> bulles[] = {
        {boutonSuperposition, "Superposition"},
        {boutonIsolignes, "Afficher les isolignes"},
        {sliderTransparence, "Modifier la transparence"},
        {boutonIsotaches, "Afficher les isotaches de la force du vent ou la hauteur des vagues"},
        {boutonAnimeArriere, "Animation arriere"},
        {boutonPause, "Pause"},
        {boutonAnime, "Animation avant"},
        {boutonInterpolation, "Interpolation temporelle"},
        {boutonPrecedent, "Echeance precedente"},
        {boutonSuivant, "Echeance suivante"},
        {sliderVitesse, "Modifier la vitesse de l'animation"}};
    for (const auto& [widget, cle] : bulles)
        vBulle(widget, cle);
    // The buttons follow the file's parameter rows, which name them.
    for (int i = 0; boutonsParametres && boutonsParametres[i] && i < VR_PARAMETRES; ++i) {
        const TYPEDEF_PARAMETRE* p = parametres[i];
        if (p && p->libelle && int(p->parametre) == boutonsParametres[i]->shortcut())
            vLibeller(boutonsParametres[i], p->libelle);
    }
    vRedisposerParametres();
    vVisualisateurMenuBarreLangage();
    // The texts under the map, from the fields it shows or from why it
    // shows none.
    if (fichiers[fichierCourant])
        vAfficherEncore();
}
