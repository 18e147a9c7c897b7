// The title bar's row of map tools.
#include "shell/titre.h"

#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "map/zones.h"
#include "shell/titre_fabrique.h"
#include "ui/boutons.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/saisie_annulable.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_RGB_Image.H>

namespace {

Fl_Float_Input* pEntree(int x, int w, Fl_Color couleur, Fl_Callback* rappel, void* titre)
{
    // Escape puts back the position the field showed, and a refused text
    // gives way to it.
    Fl_Float_Input* e = new ChampAnnulable<Fl_Float_Input>(x, 77, w, 19);
    // The read-out the map writes here has a degree sign and a hemisphere
    // letter: the user may type them too.
    e->type(FL_NORMAL_INPUT);
    e->box(FL_PLASTIC_DOWN_BOX);
    e->textfont(DRU_FONT);
    e->textsize(FDC_ENTREE_TAILLE);
    e->textcolor(FL_BLACK);
    e->color(couleur);
    e->callback(rappel, titre);
    return e;
}

Fl_Menu_Button* pMenu(int x, Fl_Image* image, Fl_Image* inactive)
{
    Fl_Menu_Button* m = new Fl_Menu_Button(x, 75, 20, 20);
    m->box(FL_FLAT_BOX);
    m->color(COLOR_FOND);
    m->textcolor(COLOR_ORANGE_TEXTE);
    m->textfont(DRU_FONT);
    m->textsize(12);
    m->image(image);
    m->deimage(inactive);
    m->align(FL_ALIGN_INSIDE);
    return m;
}

classeBouton* pAide(int x, int y, int w, int h, int sujet, void* titre)
{
    classeBouton* b = pBoutonImage(x, y, w, h, skin1_image_help, nullptr,
                                   classGroupeTitre::vBoutonHelp, titre);
    b->shortcut(sujet);
    return b;
}

}  // namespace

void classGroupeTitre::changeBoutons()
{
    SansGroupeCourant sans;
    Fl_Group* outils = new Fl_Group(240, 74, w() - 220, 22);
    outils->box(FL_NO_BOX);
    vPosition();
    vOutilsCarte();
    vFonds();
    boutonsAide[1] = pAide(624, 74, 15, 22, -121, this);
    vOutilsDroite(w());
    outils->resizable(new Fl_Box(639, 94, 4, 1));
    outils->end();
    vRemplacerEnfant(*this, groupeOutils, outils);
    // The map writes the cursor's position here; the registry lists the
    // open windows here.
    FDC_ENTREE_LATITUDE = entreeLatitude;
    FDC_ENTREE_LONGITUDE = entreeLongitude;
    gestion_interfaces::menuFenetres = menuFenetres;
    gestion_interfaces::menu();
    vTooltips();
}

void classGroupeTitre::vPosition()
{
    groupePosition = new Fl_Group(241, 75, 154, 20);
    entreeLatitude = pEntree(242, 70, 0x98AAB600, vInputLatCallback, this);
    entreeLongitude = pEntree(314, 80, 0x6B7B8500, vInputLonCallback, this);
    groupePosition->end();
}

void classGroupeTitre::vOutilsCarte()
{
    menuZones = pMenu(396, image_zones, nullptr);
    // The names are translated once: a language change keeps them.
    for (int i = 0; ZONES[i].nom; ++i)
        menuZones->add(pcTraduire(ZONES[i].nom), 0, vMenuZonesCallback, this);
    boutonsAide[0] = pAide(420, 77, 13, 18, 51, this);
    boutonZoomer = pBoutonImage(443, 75, 20, 20, image_zoom2, image_zoom1, zoomerCallback, this);
    boutonDezoomer =
        pBoutonImage(461, 75, 20, 20, image_dezoom2, image_dezoom1, dezoomerCallback, this);
    boutonZonesBulletins = pBoutonImage(485, 75, 20, 20, image_metarea, image_metarea_bleu,
                                        vBoutonZonesBulletinsCallback, this);
    boutonZonesBulletins->value(0);
}

void classGroupeTitre::vFonds()
{
    groupeFonds = new Fl_Group(509, 74, 112, 22);
    groupeFonds->image(image_bon);
    groupeFonds->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP | FL_ALIGN_LEFT);
    boutonSatellite = pBoutonImage(511, 75, 36, 20, skin_image_fdc0_de, skin_image_fdc0,
                                   vBoutonFdc0Callback, this);
    boutonHD = pBoutonImage(547, 75, 36, 20, skin_image_fdc2_de, skin_image_fdc2,
                            vBoutonFdc1Callback, this);
    boutonTraitCote = pBoutonImage(583, 75, 36, 20, skin_image_fdc4_de, skin_image_fdc4,
                                   vBoutonFdc4Callback, this);
    groupeFonds->end();
    // Start-up shows them once their picture has loaded.
    vFondsDisponibles(FDCSAT != nullptr, FDCpix1 != nullptr);
}

void classGroupeTitre::vOutilsDroite(int w)
{
    menuFenetres = pMenu(w - 84, image_fenetre, image_fenetre_a);
    boutonEditeur =
        pBoutonImage(w - 62, 75, 20, 20, skin1_image_edit2, skin1_image_edit1, vBoutonEdit, this);
    boutonAccueil =
        pBoutonImage(w - 40, 75, 20, 20, skin_image_aide_de, skin_image_aide, vBoutonAide, this);
    boutonsAide[2] = pAide(w - 17, 74, 15, 22, -131, this);
}
