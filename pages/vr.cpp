#include "pages/vr.h"

#include "codes/logerr.h"
#include "gribdata/globales.h"
#include "map/fdc.h"
#include "pages/bandeau_textes.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/ombre.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Tabs.H>
#include <cstdio>

vr** gvr = nullptr;
int ngvr = 0;

namespace {

// The bands of the bottom strip, top down: height and colour.
struct Bande {
    int hauteur;
    Fl_Color couleur;
};
const Bande BANDES[20] = {
    {1, 0x87867900}, {1, 0xADAB9A00}, {1, 0xCCC9B600}, {1, 0xDEDBC600}, {5, 0xE6E3CD00},
    {5, 0xE1DEC800}, {5, 0xDCD9C400}, {5, 0xD7D5C000}, {5, 0xD2D0BB00}, {5, 0xCDCBB700},
    {6, 0xC8C5B200}, {5, 0xC3C1AE00}, {5, 0xBEBCAA00}, {5, 0xB9B7A500}, {5, 0xB4B2A000},
    {5, 0xB0AE9D00}, {1, 0xACAA9900}, {1, 0x9C9A8A00}, {1, 0x817F7300}, {1, 0x66655B00}};

Fl_Box* pBoite(int x, int y, int w, int h, Fl_Color couleur)
{
    Fl_Box* b = new Fl_Box(x, y, w, h);
    b->box(FL_FLAT_BOX);
    b->color(couleur);
    return b;
}

Fl_Box* pEtiquette(int x, int y, int w, int h, int taille, Fl_Align alignement)
{
    Fl_Box* b = new Fl_Box(x, y, w, h, " ");
    b->labelfont(DRU_FONT);
    b->labelsize(taille);
    b->labelcolor(COLOR_ORANGE_GTK_TITRE);
    b->align(alignement | FL_ALIGN_INSIDE);
    return b;
}

// The main window holds one tab group, which holds the pages.
Fl_Tabs* pOnglets(Fl_Group* fenetre)
{
    for (int i = 0; i < fenetre->children(); ++i)
        if (Fl_Tabs* onglets = dynamic_cast<Fl_Tabs*>(fenetre->child(i)))
            return onglets;
    return nullptr;
}

}  // namespace

vr::vr(int x, int y, int w, int h, const char* label)
    : Fl_Group(x, y, w, h, label), ix(x), iy(y), iw(w), ih(h), largeurPanneau(230),
      largeurCarte(0), hauteurCarte(0), xCarte(0), yCarte(0), fenetre(nullptr),
      ongletsPrincipaux(nullptr), index(0), etiquette(""), carte(nullptr), cadreCarte(nullptr),
      bandeau(nullptr), boiteTitre(nullptr), boiteSecond(nullptr), boiteGauche(nullptr),
      boiteDroite(nullptr), aideVisualisateur(40), aideGrib(1), aideBulletins(21),
      aideImages(31), aideForfaits(10), boutonsRVA(nullptr), scrollVisualisateur(nullptr),
      packVisualisateur(nullptr), aideVisu(nullptr), fichierCourant(0), nomsFichiers(),
      fichiers(), listeCourante(nullptr), validites(), parametres(),
      boutonsParametres(nullptr), boutonsValidites(nullptr), boitesJours(nullptr),
      animationAvant(0), animationArriere(0),
      periodeAnimation(1.0f), boutonsPages(nullptr), boutonRoutes(nullptr),
      boutonAidePage(nullptr), titreVisualisateur(nullptr), boutonOuvrir(nullptr),
      boutonFermer(nullptr), boutonCadenas(nullptr), boutonHistogrammes(nullptr),
      menuCache(nullptr), menuIso(nullptr), groupeParametres(nullptr), groupeValidites(nullptr),
      boutonSuperposition(nullptr), boutonIsolignes(nullptr), boutonIsotaches(nullptr),
      sliderTransparence(nullptr), boutonInterpolation(nullptr), boutonAnimeArriere(nullptr),
      boutonPause(nullptr), boutonAnime(nullptr), sliderVitesse(nullptr),
      adresseEnvoi(nullptr), motDePasseEnvoi(nullptr), chemin("")
{
    for (int& v : validites)
        v = -1;
    CLASS_CODES_LOGERR contexte("vr");
    box(FL_FLAT_BOX);
    color(COLOR_FOND);
    vJournal("<VR>", "CONSTRUCTEUR : IX=%d IY=%d IW=%d IH=%d\n", x, y, w, h);
}

void vr::initialisation(void* mainWindow, int mapHeight, int numero)
{
    fenetre = static_cast<Fl_Double_Window*>(mainWindow);
    ongletsPrincipaux = pOnglets(fenetre);
    index = numero;
    hauteurCarte = mapHeight;
    largeurCarte = iw - 240;
    xCarte = ix + 240;
    yCarte = iy;
    if (index <= 1)
        std::snprintf(etiquette, sizeof etiquette, "%s", index == 0 ? "Requeteur" : "Visualisateur");
    else
        std::snprintf(etiquette, sizeof etiquette, "%d", index);
    begin();
    vColonnesOmbre(99, fenetre->h() - 99);
    if (index == 0)
        vTabsRequeteur(0, iy, largeurPanneau, ih);
    else
        vVisualisateur(0, iy, largeurPanneau, ih);
    vCarte();
    vBandeau();
    if (index != 0)
        vBoitesVisualisateur();
    else
        vBasRequeteur();
    end();
    if (!ongletsPrincipaux)
        return;
    ongletsPrincipaux->add(this);
    if (index == 0) {
        ongletsPrincipaux->resizable(this);
        ongletsPrincipaux->value(this);
    }
}

void vr::vCarte()
{
    cadreCarte = new Fl_Box(FL_DOWN_FRAME, xCarte, yCarte, largeurCarte, hauteurCarte, nullptr);
    cadreCarte->color(0);
    carte = new fdc(xCarte, yCarte, largeurCarte, hauteurCarte);
    carte->box(FL_NO_BOX);
    carte->when(FL_WHEN_RELEASE);
    resizable(carte);
    carte->initialisation(3, hauteurCarte, index);
}

void vr::vBandeau()
{
    const int y = yCarte + hauteurCarte;
    bandeau = index != 0 ? new BandeauTextes(xCarte, y, largeurCarte, 69)
                         : new Fl_Group(xCarte, y, largeurCarte, 69);
    Fl_Box* gauche = new Fl_Box(xCarte, y, 5, 69);
    gauche->image(image_bas_gauche);
    int haut = y;
    for (const Bande& bande : BANDES) {
        Fl_Box* b = pBoite(ix + 245, haut, largeurCarte - 10, bande.hauteur, bande.couleur);
        if (haut == y)
            bandeau->resizable(b);
        haut += bande.hauteur;
    }
    Fl_Box* droite = new Fl_Box(xCarte + largeurCarte - 5, y, 5, 69);
    droite->image(image_bas_droit);
    bandeau->end();
}

// In the strip, which lays them out as it draws them.
void vr::vBoitesVisualisateur()
{
    const int bas = yCarte + hauteurCarte;
    const int quart = largeurCarte / 4;
    bandeau->begin();
    boiteTitre = pEtiquette(xCarte, bas, largeurCarte, 29, 18, FL_ALIGN_BOTTOM);
    boiteSecond = pEtiquette(xCarte, bas + 29, largeurCarte, 20, 12, FL_ALIGN_CENTER);
    boiteGauche = pEtiquette(xCarte, bas + 49, 3 * quart, 20, 12, FL_ALIGN_LEFT);
    boiteDroite = pEtiquette(xCarte + 3 * quart, bas + 49, quart, 20, 12, FL_ALIGN_RIGHT);
    bandeau->end();
    static_cast<BandeauTextes*>(bandeau)->vTextes(boiteTitre, boiteSecond, boiteGauche,
                                                  boiteDroite);
}

// Page 0's part under the map: the editors and recapitulations of the
// product page the settings recorded.
void vr::vBasRequeteur()
{
    vRequeteurGribBas(largeurPanneau, iy + hauteurCarte, largeurCarte, ih - hauteurCarte);
    const int onglet = configuration ? configuration->preferences->onglets[0] : ONGLET_GRIB;
    vBasGrib(onglet == ONGLET_GRIB);
}
