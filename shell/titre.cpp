// The title bar's frame: background, clock, flags, full-screen toggle and
// logos; its language and the showing of the map tools.
#include "shell/titre.h"

#include "map/fdc.h"
#include "shell/titre_fabrique.h"
#include "ui/boutons.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/groupe_date_heure.h"
#include "ui/horloge.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <cstring>
#include <utility>

namespace {

const char* const LANGUES[4] = {"fr", "en", "de", "sp"};
Fl_RGB_Image** const DRAPEAUX_ACTIFS[4] = {&image_drapeaux_FR, &image_drapeaux_EN,
                                          &image_drapeaux_DE, &image_drapeaux_SP};
Fl_RGB_Image** const DRAPEAUX_INACTIFS[4] = {&image_drapeaux_fr, &image_drapeaux_en,
                                            &image_drapeaux_de, &image_drapeaux_sp};

int iLangue(const char* code)
{
    for (int i = 0; code && i < 4; ++i)
        if (std::strcmp(code, LANGUES[i]) == 0)
            return i;
    return -1;
}

}  // namespace

classGroupeTitre::classGroupeTitre(int x, int y, int w, int h, const char* label)
    : Fl_Group(x, y, w, h, label), entreeLatitude(nullptr), entreeLongitude(nullptr),
      boutonZoomer(nullptr), boutonDezoomer(nullptr), boutonZonesBulletins(nullptr),
      boutonEditeur(nullptr), groupeFonds(nullptr), groupePosition(nullptr),
      boutonSatellite(nullptr), boutonHD(nullptr), boutonTraitCote(nullptr), drapeaux(),
      boutonPleinEcran(nullptr), groupeEntete(nullptr), groupeOutils(nullptr),
      menuFenetres(nullptr), dateHeure(nullptr), boitesFond(), logoEditeur(nullptr),
      logoService(nullptr), boutonsAide(), boutonAccueil(nullptr), menuZones(nullptr),
      xTitre(x), yTitre(y), largeurTitre(w), hauteurTitre(h), groupeLangage(nullptr),
      iBoutonsFdc(1), filetEchelle(nullptr), degradeEchelle(nullptr), pleinX(0), pleinY(0),
      pleinW(0), pleinH(0)
{
    vEntete(w);
    dateHeure = new classGroupeDateHeure(1, x, y, 230, h);
    horlogeAffichage = dateHeure;
    degradeEchelle = image_degrade->copy(10, 99);
    boitesFond[2] = pBoiteImage(230, 0, 10, 99, degradeEchelle);
    const Fl_Window* fenetre = window();
    changeTaille(fenetre ? fenetre->w() : w, fenetre ? fenetre->h() : h, 1);
    vLangues();
    boutonPleinEcran = pBoutonImage(148, 74, 17, 15, image_full_on, nullptr, vBoutonSkins, this);
    boutonPleinEcran->type(FL_TOGGLE_BUTTON);
    boutonPleinEcran->value(0);
    changeBoutons();
    end();
}

classGroupeTitre::~classGroupeTitre()
{
    if (horlogeAffichage == dateHeure)
        horlogeAffichage = nullptr;
    if (gestion_interfaces::menuFenetres == menuFenetres)
        gestion_interfaces::menuFenetres = nullptr;
    if (FDC_ENTREE_LATITUDE == entreeLatitude)
        FDC_ENTREE_LATITUDE = FDC_ENTREE_LONGITUDE = nullptr;
    delete filetEchelle;
    delete degradeEchelle;
}

void classGroupeTitre::vEntete(int w)
{
    groupeEntete = new Fl_Group(240, 0, w - 240, 99);
    filetEchelle = image_filet->copy(338, 99);
    boitesFond[0] = pBoiteImage(240, 0, 338, 99, filetEchelle);
    pBoiteUnie(578, 0, w - 578, 99, 0x494F5700);
    boitesFond[1] = pBoiteImage(240, 42, 338, 28, image_filet_fixe);
    groupeEntete->resizable(pBoiteUnie(578, 43, w - 578, 1, 0x7F7F7F00));
    pBoiteUnie(578, 44, w - 578, 1, 0x4D4D4D00);
    groupeEntete->end();
}

void classGroupeTitre::vLangues()
{
    groupeLangage = new Fl_Group(24, 74, 150, 18);
    for (int i = 0; i < 4; ++i) {
        drapeaux[i] = pBoutonImage(24 + 30 * i, 74, 26, 16, *DRAPEAUX_ACTIFS[i],
                                   *DRAPEAUX_INACTIFS[i], vBoutonLangage, this);
        drapeaux[i]->type(FL_RADIO_BUTTON);
        drapeaux[i]->shortcut(i);
    }
    groupeLangage->end();
    setDrapeau();
}

void classGroupeTitre::changeTaille(int w, int h, int force)
{
    const bool grand = w > 999;
    if (force != 1 && grand == (largeurTitre > 999))
        return;
    SansGroupeCourant sans;
    vRemplacerEnfant<Fl_Box>(*this, logoEditeur,
                             grand ? pBoiteImage(250, 4, 225, 35, image_logo_editeur_grand)
                                   : pBoiteImage(250, 10, 147, 23, image_logo_editeur));
    largeurTitre = w;
    hauteurTitre = h;
    changeLogos(0);
}

void classGroupeTitre::changeLogos(int)
{
    SansGroupeCourant sans;
    const int l = largeurTitre - 604;
    Fl_Box* logo = largeurTitre > 999 ? pBoiteImage(588, 1, l, 39, image_logo_service_grand)
                                      : pBoiteImage(588, 10, l, 24, image_logo_service);
    // A narrow window shows the start of the logo.
    logo->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP | FL_ALIGN_LEFT);
    vRemplacerEnfant(*this, logoService, logo);
    resizable(logoService);
}

void classGroupeTitre::setDrapeau()
{
    const int actif = iLangue(langage ? langage->langue : nullptr);
    if (actif < 0)
        return;
    for (int i = 0; i < 4; ++i) {
        drapeaux[i]->image(i == actif ? *DRAPEAUX_ACTIFS[i] : *DRAPEAUX_INACTIFS[i]);
        // A refused press leaves no other flag down.
        drapeaux[i]->value(i == actif);
        drapeaux[i]->redraw();
    }
}

void classGroupeTitre::vTooltips()
{
    const char* const pleinEcran = boutonPleinEcran->value()
                                       ? CLE_LOCAL("Minimiser la fenetre tooltip")
                                       : CLE_LOCAL("Maximiser la fenetre tooltip");
    const std::pair<Fl_Widget*, const char*> bulles[] = {
        {drapeaux[0], CLE_LOCAL("Changer de langage")},
        {drapeaux[1], "Changer de langage"},
        {drapeaux[2], "Changer de langage"},
        {drapeaux[3], "Changer de langage"},
        {boutonPleinEcran, pleinEcran},
        {entreeLatitude, CLE_LOCAL("Position tooltip")},
        {entreeLongitude, "Position tooltip"},
        {menuZones, CLE_LOCAL("Selectionner un lieu geographique")},
        {boutonZoomer, CLE_LOCAL("Zoomer sur l image tooltip")},
        {boutonDezoomer, CLE_LOCAL("Dezoomer sur l image tooltip")},
        {boutonZonesBulletins, CLE_LOCAL("Afficher les zones des bulletins Metareas")},
        {boutonSatellite, CLE_LOCAL("Photo Satellite")},
        {boutonHD, CLE_LOCAL("Image HD")},
        {boutonTraitCote, CLE_LOCAL("Trait de cote")},
        {menuFenetres, CLE_LOCAL("Menu fenetres tooltip")},
        {boutonEditeur, CLE_LOCAL("Editeur")},
        {boutonAccueil, CLE_LOCAL("Aide")},
    };
    for (const auto& [widget, cle] : bulles)
        vBulle(widget, cle);
}

void classGroupeTitre::setLangage(const char*)
{
    dateHeure->setLangage();
    vTooltips();
    setDrapeau();
}

void classGroupeTitre::activer()
{
    vOutilsVisibles(true);
}

void classGroupeTitre::desactiver()
{
    vOutilsVisibles(false);
}

void classGroupeTitre::vOutilsVisibles(bool visibles)
{
    // The flags, the full-screen toggle, the editor and "Aide" always stay.
    Fl_Widget* const outils[] = {groupePosition, menuZones,    boutonZoomer,  boutonDezoomer,
                                 groupeFonds,    menuFenetres, boutonZonesBulletins,
                                 boutonsAide[0], boutonsAide[1], boutonsAide[2]};
    for (Fl_Widget* w : outils)
        visibles ? w->show() : w->hide();
}
