// The title bar in the whole program: its map tools on the page in front,
// its flags, its logos, full screen and what it draws; the request page's
// map once the loaders are done, its keys and its clicks, its request frame
// moved by a typed latitude; the editor button and the window menu.

// Google Test first: the X11 headers behind the recording driver define
// macros (None, Bool) that its own headers use as names.
#include <gtest/gtest.h>

#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "map/popup_overlay.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "shell/titre.h"
#include "ui/boutons_rva.h"
#include "transport/reponse.h"
#include "transport/requete.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/editeur.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/groupe_date_heure.h"
#include "ui/horloge.h"
#include "ui/images/images.h"
#include "ui/local.h"

#include "tests/map/pilote_enregistreur.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Float_Input.H>
#include <FL/fl_draw.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Text_Buffer.H>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

void vBasculer(int page)
{
    Fl_Button bouton(0, 0, 1, 1);
    bouton.shortcut(page);
    vBoutonRequeteurVisualisateurAideCallback(&bouton, nullptr);
}

void vCliquer(Fl_Widget* w)
{
    harnais::vCliquer(GUI, w->x() + w->w() / 2, w->y() + w->h() / 2);
}

struct Vue {
    double latitude, longitude, etendue;
    bool operator==(const Vue& v) const
    {
        return latitude == v.latitude && longitude == v.longitude && etendue == v.etendue;
    }
};

Vue vue(const fdc* c)
{
    return {c->centreLatitude, c->centreLongitude, c->etendue};
}

// A position field showing `montre`, clicked with the pointer come over the
// title bar, its whole text selected, then `tape` typed.
void vTaperPosition(Fl_Input_* champ, const char* montre, const char* tape)
{
    harnais::vSurvoler(GUI, champ->x() + champ->w() / 2, 30);
    champ->value(montre);
    vCliquer(champ);
    EXPECT_EQ(Fl::focus(), champ);
    champ->position(0, champ->size());
    for (const char* t = tape; *t; ++t) {
        const char touche[2] = {*t, 0};
        harnais::vTouche(GUI, *t, touche);
    }
}

// While it lives every box is answered "Fermer", a second one too, and its
// text kept.
class Alertes {
public:
    Alertes() { harnais::vRepondreBoite(repondre_); }
    ~Alertes() { harnais::vOublierBoite(); }
    Alertes(const Alertes&) = delete;
    Alertes& operator=(const Alertes&) = delete;
    // Once the first box has come and gone.
    bool bAttendre()
    {
        return harnais::bAttendre([this] { return !textes.empty() && !pBoiteMessage(); });
    }
    std::vector<std::string> textes;

private:
    std::function<void(Fl_Window*)> repondre_ = [this](Fl_Window* b) {
        textes.push_back(pTexteMessage()->label());
        harnais::vRepondreBoite(repondre_);
        harnais::vCliquer(b, pBoutonMessage(0)->x() + 5, pBoutonMessage(0)->y() + 5);
    };
};

class Titre : public ::testing::Test {
protected:
    Titre()
    {
        const std::string source = std::string(QUENBREL_SOURCE_DIR) + "/data/";
        std::filesystem::create_directory_symlink(source + "loc", dossier / "loc");
        std::filesystem::create_directory(dossier / "img");
        for (const std::string nom : {"globe.pl", "data0.dat", "data1.dat", "data2.dat", "data3.dat"})
            std::filesystem::create_symlink(source + "img/" + nom + ".gz", dossier / ("img/" + nom + ".gz"));
        std::filesystem::create_directory(dossier / "etc");
        // The request page on its GRIB page, which draws the graticule.
        ecrireFichier(dossier / "etc/config.txt",
                      "@main\nonglets 0 0\nfdcposition 0 3 40 -10 40\n@fin\n@end\n");
        std::filesystem::copy_file(source + "etc/readme_fr_mac.txt", dossier / "etc/readme_fr_mac.txt");
        programme = std::make_unique<ProgrammeEnProcessus>(dossier.chemin());
        EXPECT_TRUE(programme->bAttendreChargement());
        titre = GUI->titre;
    }
    DossierTemporaire dossier;
    std::unique_ptr<ProgrammeEnProcessus> programme;
    classGroupeTitre* titre = nullptr;
};

}  // namespace

TEST_F(Titre, ZonesAndTypedPositionsActOnTheMapOfThePageInFront)
{
    vBasculer(3);
    fdc* carte = gvr[3]->carte;
    const Vue page1 = vue(gvr[1]->carte);
    Fl_Menu_Button* zones = titre->menuZones;
    zones->picked(&zones->menu()[0]);
    EXPECT_EQ(vue(carte), (Vue{0, 0, 180}));
    zones->picked(&zones->menu()[zones->size() - 2]);
    EXPECT_EQ(vue(carte), (Vue{-16, -5.7, 1.8}));
    EXPECT_EQ(vue(gvr[1]->carte), page1);
    // A locked map, and no item chosen.
    carte->verrou = 1;
    zones->picked(&zones->menu()[0]);
    carte->verrou = 0;
    zones->value(-1);
    classGroupeTitre::vMenuZonesCallback(zones, titre);
    EXPECT_EQ(vue(carte), (Vue{-16, -5.7, 1.8}));

    for (const char* texte : {"45.5", "abc", "nan", "inf"}) {
        const double oy = carte->oy;
        std::string alerte;
        if (texte[0] != '4')
            harnais::vRepondreBoite([&alerte](Fl_Window* b) {
                alerte = pTexteMessage()->label();
                harnais::vFermer(b);
            });
        titre->entreeLatitude->value(texte);
        titre->entreeLatitude->do_callback();
        if (texte[0] != '4') {
            ASSERT_TRUE(harnais::bAttendre([&alerte] { return !alerte.empty(); })) << texte;
        }
        EXPECT_EQ(carte->centreLatitude, 45.5) << texte;
        EXPECT_EQ(carte->oy != oy, texte[0] == '4') << texte;
        EXPECT_EQ(alerte.empty(), texte[0] == '4') << texte;
    }
    titre->entreeLongitude->value("-30");
    titre->entreeLongitude->do_callback();
    EXPECT_EQ(vue(carte), (Vue{45.5, -30, 1.8}));
    // The cursor read-out of the map lands in the bar's inputs.
    EXPECT_EQ(FDC_ENTREE_LATITUDE, titre->entreeLatitude);
    EXPECT_EQ(FDC_ENTREE_LONGITUDE, titre->entreeLongitude);

    // What the read-out writes reads back, minutes and hemisphere kept;
    // edited past the pole it is refused, the view kept.
    char lu[FDC_TEXTE_POSITION];
    fdc::DMS(0, -16.1219, lu);
    titre->entreeLatitude->value(lu);
    titre->entreeLatitude->do_callback();
    EXPECT_NEAR(carte->centreLatitude, -16.1219, 1 / 3600.0);
    fdc::DMS(1, -126.1219, lu);
    titre->entreeLongitude->value(lu);
    titre->entreeLongitude->do_callback();
    EXPECT_NEAR(carte->centreLongitude, -126.1219, 1 / 3600.0);
    const Vue avant = vue(carte);
    std::string alerte;
    harnais::vRepondreBoite([&alerte](Fl_Window* b) {
        alerte = pTexteMessage()->label();
        harnais::vFermer(b);
    });
    titre->entreeLatitude->value("126\u00b007'19\"S");
    titre->entreeLatitude->do_callback();
    ASSERT_TRUE(harnais::bAttendre([&alerte] { return !alerte.empty(); }));
    EXPECT_EQ(vue(carte), avant);
    EXPECT_NE(alerte.find("126"), std::string::npos) << alerte;
}

TEST_F(Titre, ZoomBaseMapAndMetareaButtons)
{
    fdc* carte = gvr[0]->carte;
    vCliquer(titre->boutonZoomer);
    EXPECT_NE(carte->zoomIn, 0);
    EXPECT_EQ(titre->boutonZoomer->image(), image_zoom1);
    vCliquer(titre->boutonZoomer);
    EXPECT_EQ(carte->zoomIn, 0);
    EXPECT_EQ(titre->boutonZoomer->value(), 0);
    EXPECT_EQ(titre->boutonZoomer->image(), image_zoom2);
    vCliquer(titre->boutonZoomer);
    vCliquer(titre->boutonDezoomer);
    EXPECT_EQ(carte->zoomIn, 0);
    EXPECT_NE(carte->zoomOut, 0);
    EXPECT_EQ(titre->boutonZoomer->image(), image_zoom2);
    EXPECT_EQ(titre->boutonDezoomer->image(), image_dezoom1);
    carte->vArreterZooms();

    // The loader watch showed the base maps that loaded: the drawn map only.
    EXPECT_FALSE(titre->boutonSatellite->visible());
    EXPECT_TRUE(titre->boutonHD->visible());
    // A satellite picture as the loaders would leave it (freed at exit).
    FDCSAT = new Fl_RGB_Image(new unsigned char[360 * 180 * 3](), 360, 180, 3);
    FDCSAT->alloc_array = 1;
    titre->vFondsDisponibles(1, FDC1ok);
    ASSERT_TRUE(FDC1ok);
    classeBouton* boutons[] = {titre->boutonSatellite, titre->boutonHD, titre->boutonTraitCote};
    Fl_Image* presses[] = {skin_image_fdc0, skin_image_fdc2, skin_image_fdc4};
    for (int i : {1, 0, 2}) {
        vCliquer(boutons[i]);
        EXPECT_EQ(carte->fond, i == 2 ? FDC_VECTEUR : i);
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(boutons[j]->value(), i == j);
            EXPECT_EQ(boutons[j]->image() == presses[j], i == j) << i << j;
        }
    }
    Fl_Image* metarea[] = {image_metarea, image_metarea_bleu, image_metarea_vert};
    for (int mode : {1, 2, 0, 1}) {
        vCliquer(titre->boutonZonesBulletins);
        EXPECT_EQ(carte->zonesGmdss, mode);
        EXPECT_EQ(titre->boutonZonesBulletins->image(), metarea[mode]);
    }
}

TEST_F(Titre, FlagsRefuseWhileAWindowIsOpenElseRelabel)
{
    GUI->vEditeur();
    vCliquer(titre->drapeaux[1]);
    EXPECT_STREQ(langage->langue, "fr");
    EXPECT_EQ(titre->drapeaux[0]->value(), 1);
    EXPECT_EQ(titre->drapeaux[1]->value(), 0);
    EXPECT_EQ(titre->drapeaux[0]->image(), image_drapeaux_FR);
    EXPECT_EQ(titre->drapeaux[1]->image(), image_drapeaux_en);
    gestion_interfaces::del(GESTION_UI[1]);
    vCliquer(titre->drapeaux[1]);
    EXPECT_STREQ(langage->langue, "en");
    EXPECT_EQ(titre->drapeaux[1]->image(), image_drapeaux_EN);
    EXPECT_STREQ(titre->boutonZoomer->tooltip(), "Zoom in (click again to stop)");
    EXPECT_STREQ(titre->dateHeure->horloges[0].legende->label(), "UTC time");
    EXPECT_STREQ(titre->menuZones->menu()[0].label(), "MONDE");
}

TEST_F(Titre, LogosFullScreenPixelsAndThePageSwitch)
{
    const auto largeur = [](int w) {
        GUI->size(w, GUI->h());
        harnais::vSurvoler(GUI, 10, 10);
    };
    largeur(1200);
    Fl_Box *editeur = titre->logoEditeur, *service = titre->logoService;
    EXPECT_EQ(service->h(), 39);
    largeur(1100);
    EXPECT_EQ(titre->logoEditeur, editeur);
    EXPECT_EQ(titre->logoService, service);
    largeur(990);
    EXPECT_NE(titre->logoService, service);
    const Fl_Box* b = titre->logoService;
    EXPECT_EQ(std::vector<int>({b->x(), b->y(), b->w(), b->h()}),
              std::vector<int>({588, 10, 990 - 604, 24}));

    const std::vector<int> avant{GUI->x(), GUI->y(), GUI->w(), GUI->h()};
    vCliquer(titre->boutonPleinEcran);
    EXPECT_TRUE(harnais::bAttendre([] { return GUI->w() == Fl::w() && GUI->h() == Fl::h(); }));
    vCliquer(titre->boutonPleinEcran);
    EXPECT_TRUE(harnais::bAttendre([&] {
        return std::vector<int>{GUI->x(), GUI->y(), GUI->w(), GUI->h()} == avant;
    }));

    // A known instant on the clock, no longer the real one.
    Fl::remove_timeout(clock_Date, GUI);
    setenv("TZ", "UTC", 1);
    tzset();
    DateFormatChange = 1;
    iTic(1796466000);
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    EXPECT_EQ(harnais::pixel(GUI, GUI->w() - 10, 60), (std::array<unsigned char, 3>{0x49, 0x4F, 0x57}));
    // An opaque pixel of the digit 1 at the UTC hour tens (44, 25).
    const Fl_RGB_Image* un = skin1_image_heure_01;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(un->data()[0]);
    int i = 0;
    while (p[4 * i + 3] != 255)
        ++i;
    EXPECT_EQ(harnais::pixel(GUI, 44 + i % un->w(), 25 + i / un->w()),
              (std::array<unsigned char, 3>{p[4 * i], p[4 * i + 1], p[4 * i + 2]}));

    vBasculer(10);
    EXPECT_FALSE(titre->groupeFonds->visible());
    EXPECT_FALSE(titre->boutonZoomer->visible());
    EXPECT_TRUE(titre->boutonAccueil->visible() && titre->boutonEditeur->visible());
    gvr[2]->carte->fdcCallback(FDC_DESSINEE, 0);
    vBasculer(2);
    EXPECT_TRUE(titre->groupeFonds->visible());
    EXPECT_EQ(titre->boutonHD->value(), 1);
    EXPECT_EQ(titre->boutonHD->image(), skin_image_fdc2);
}

TEST_F(Titre, TheRequestMapAfterStartUpItsKeysAndClicks)
{
    fdc* carte = gvr[0]->carte;
    auto ecran = [carte](double lat, double lon) {
        const auto p = harnais::pixel(GUI, carte->x() + carte->iColonne(lon),
                                      carte->y() + int(carte->dLigne(lat)));
        return fl_rgb_color(p[0], p[1], p[2]);
    };
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    EXPECT_EQ(ecran(48.85, 2.35), FL_TERRE);
    EXPECT_EQ(ecran(45, -30), FL_MER);
    {
        GUI->make_current();
        PiloteEnregistreur pilote;
        carte->draw();
        EXPECT_FALSE(pilote.textes("GM").empty());  // the Greenwich meridian
        EXPECT_FALSE(pilote.textes("Milles").empty());
    }
    // Without globe.jpg.
    EXPECT_NE(lireFichier(dossier / "log.txt").find("LOAD_FDC 0 satellite: -KO-\n"),
              std::string::npos);
    EXPECT_FALSE(titre->boutonSatellite->visible());

    const int x = carte->x() + carte->w() / 2, y = carte->y() + carte->h() / 3;
    harnais::vSurvoler(GUI, x, y);
    const struct {
        int touche;
        double lat, lon, etendue;
    } touches[] = {{'a', 0, 180, 180}, {'g', 0, 0, 180}, {'f', 46, 1, 12}};
    for (const auto& t : touches) {
        harnais::vTouche(GUI, t.touche);
        EXPECT_EQ(carte->centreLatitude, t.lat) << char(t.touche);
        EXPECT_EQ(carte->centreLongitude, t.lon) << char(t.touche);
        EXPECT_EQ(carte->etendue, t.etendue) << char(t.touche);
    }
    harnais::vTouche(GUI, FL_Page_Up);
    EXPECT_LT(carte->etendue, 12);

    harnais::vCliquer(GUI, x, y, 1, 1);
    EXPECT_NE(carte->zoomIn, 0);
    EXPECT_EQ(titre->boutonZoomer->image(), image_zoom1);
    harnais::vCliquer(GUI, x, y);
    EXPECT_EQ(carte->zoomIn, 0);
    EXPECT_EQ(titre->boutonZoomer->image(), image_zoom2);

    const double lat = carte->dLatitude(y + 40), lon = carte->dLongitude(x - 70);
    harnais::vCliquer(GUI, x - 70, y + 40, 3);
    EXPECT_EQ(carte->centreLatitude, lat);
    EXPECT_EQ(carte->centreLongitude, lon);
}

// Right after start-up the map's keys wait for the pointer over the map:
// over the panel, the title bar or the strip just below, nothing moves.
TEST_F(Titre, TheMapKeysActOnlyWithThePointerOverTheMap)
{
    fdc* carte = gvr[0]->carte;
    const Vue depart = vue(carte), g{0, 0, 180}, f{46, 1, 12};
    const int x = carte->x() + 10, bas = carte->y() + carte->h();
    for (auto [px, py, dessus] :
         {std::tuple{30, 300, false}, {x, 30, false}, {x, bas, false}, {x, bas - 1, true}}) {
        harnais::vSurvoler(GUI, px, py);
        EXPECT_EQ(Fl::focus() == carte, dessus) << px << "," << py;
        harnais::vTouche(GUI, 'g');
        EXPECT_EQ(vue(carte), dessus ? g : depart) << px << "," << py;
        harnais::vTouche(GUI, 'f');
        EXPECT_EQ(vue(carte), dessus ? f : depart) << px << "," << py;
    }
}

// The zone selection pressed from the panel draws the frame and leaves the
// position fields as they were: the pointer is not over the map.
TEST_F(Titre, TheZoneButtonLeavesThePositionFields)
{
    vCliquer(gvr[0]->boutonZone);
    ASSERT_TRUE(gvr[0]->carte->overlay);
    EXPECT_STREQ(titre->entreeLatitude->value(), "");
    EXPECT_STREQ(titre->entreeLongitude->value(), "");
}

// The cursor's position in the title bar's fields: each text whole in its
// field and seen from its first character, in a smaller font where the
// field's own is too wide for it: at 48 degrees the field reads 48, not 8.
TEST_F(Titre, ThePositionFieldsShowTheirWholeTextFromItsStart)
{
    fdc* carte = gvr[0]->carte;
    const int x = carte->x() + carte->w() / 2, y = carte->y() + carte->h() / 2;
    const struct {
        double latitude, longitude;
        int dms;
        const char *debutLatitude, *debutLongitude;
    } cas[] = {
        {48.4744, -5.2, 1, " 48\u00b0", "   5\u00b0"},
        {-10.5, 178.9, 1, " 10\u00b0", " 178\u00b0"},
        {48.4744, -165.1, 0, " 48.", " 165."},
    };
    const int dms = POSITIONDDMMSS;
    for (const auto& c : cas) {
        POSITIONDDMMSS = c.dms;
        carte->zoom(c.latitude, c.longitude, 2, 1);
        // Moved again when another test's window on the shared display
        // moved the pointer meanwhile.
        ASSERT_TRUE(harnais::bAttendre([&] {
            harnais::vSurvoler(GUI, x, y);
            return std::string(titre->entreeLatitude->value()).rfind(c.debutLatitude, 0) == 0 &&
                   std::string(titre->entreeLongitude->value()).rfind(c.debutLongitude, 0) == 0;
        })) << titre->entreeLatitude->value() << titre->entreeLongitude->value();
        Fl::flush();
        for (Fl_Input_* champ : {titre->entreeLatitude, titre->entreeLongitude}) {
            const std::string texte = champ->value();
            fl_font(champ->textfont(), champ->textsize());
            // Inside the box, less the toolkit's 2 pixels on each side.
            EXPECT_LE(fl_width(texte.c_str()), champ->w() - Fl::box_dw(champ->box()) - 4) << texte;
            EXPECT_GE(champ->textsize(), FDC_ENTREE_TAILLE_MIN) << texte;
            // A click at the field's left edge lands before its first
            // character: nothing of its start is scrolled out of view.
            harnais::vCliquer(GUI, champ->x() + Fl::box_dx(champ->box()) + 1,
                              champ->y() + champ->h() / 2);
            EXPECT_EQ(champ->position(), 0) << texte;
        }
    }
    POSITIONDDMMSS = dms;
}

// A text the bar refuses, left in a position field by what takes the focus
// away or hides the tool row: the field shows its position again and one
// box says why, opened from the main loop, not from inside the unfocus or
// the hide, whose widgets the box's loop would run under.
TEST_F(Titre, ARefusedPositionIsToldOnceAndTheFieldShowsItsPositionAgain)
{
    const struct {
        const char* action;
        void (*faire)(classGroupeTitre*);
        bool lecture;  // the map's read-out writes the field afterwards
    } actions[] = {
        {"home button", [](classGroupeTitre* t) { vCliquer(t->boutonAccueil); }, false},
        {"F1", [](classGroupeTitre*) { harnais::vTouche(GUI, FL_F + 1); }, false},
        // The switch takes the map's read-out away, which gives the keyboard
        // back to the main window.
        {"viewer button",
         [](classGroupeTitre*) {
             popupOverlay->set("12 kt", 0);
             popupOverlay->show();
             vCliquer(gvr[0]->boutonsRVA->visualisateur);
         },
         false},
        {"pointer over the map",
         [](classGroupeTitre*) {
             const fdc* c = gvr[0]->carte;
             harnais::vSurvoler(GUI, c->x() + c->w() / 2, c->y() + c->h() / 2);
         },
         true},
    };
    const struct {
        bool latitude;
        const char *montre, *tape, *alerte;
    } champs[] = {
        {true, " 12.0000N", "45,5", "Latitude incorrecte \"45,5\""},
        {false, " 20.0000W", "x", "Longitude incorrecte \"x\""},
    };
    for (const auto& a : actions)
        for (const auto& c : champs) {
            vBasculer(0);
            Fl_Input_* champ = c.latitude ? titre->entreeLatitude : titre->entreeLongitude;
            vTaperPosition(champ, c.montre, c.tape);
            ASSERT_STREQ(champ->value(), c.tape);
            Alertes alertes;
            a.faire(titre);
            ASSERT_TRUE(alertes.bAttendre()) << a.action;
            for (int i = 0; i < 10; ++i)
                Fl::check();
            EXPECT_EQ(alertes.textes, std::vector<std::string>{c.alerte}) << a.action;
            EXPECT_FALSE(champ->changed()) << a.action;
            if (a.lecture)
                EXPECT_STRNE(champ->value(), c.tape) << a.action;
            else
                EXPECT_STREQ(champ->value(), c.montre) << a.action;
        }
}

// Escape in a position field puts back the position it showed, and nothing
// follows: no box, and the pointer that reaches the map then leaves its view
// as it was. A position entered on a locked map is refused as a text the
// bar cannot read is: the field shows its position again, one box says why.
TEST_F(Titre, EscapeCancelsATypedPositionAndALockedMapRefusesOne)
{
    vBasculer(0);
    fdc* carte = gvr[0]->carte;
    const struct {
        bool latitude;
        const char* tape;
        int touche;
        int verrou;
        std::vector<std::string> alertes;
    } cas[] = {
        {true, "10", FL_Escape, 0, {}},
        {false, "abc", FL_Escape, 0, {}},
        {true, "10", FL_Enter, 1, {"Carte verrouill\u00e9e, position non appliqu\u00e9e \"10\""}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.tape);
        carte->verrou = c.verrou;
        Fl_Input_* champ = c.latitude ? titre->entreeLatitude : titre->entreeLongitude;
        const std::string montre = c.latitude ? " 12.0000N" : " 20.0000W";
        vTaperPosition(champ, montre.c_str(), c.tape);
        Alertes alertes;
        const Vue avant = vue(carte);
        harnais::vTouche(GUI, c.touche, c.touche == FL_Enter ? "\r" : "");
        EXPECT_STREQ(champ->value(), montre.c_str());
        EXPECT_FALSE(champ->changed());
        harnais::vSurvoler(GUI, carte->x() + carte->w() / 2, carte->y() + carte->h() / 2);
        if (!c.alertes.empty()) {
            ASSERT_TRUE(alertes.bAttendre());
        }
        for (int i = 0; i < 10; ++i)
            Fl::check();
        EXPECT_EQ(alertes.textes, c.alertes);
        EXPECT_EQ(vue(carte), avant);
    }
    carte->verrou = 0;
}

// The request frame of the request page in the whole program: switched on,
// drawn with its bounds, and moved with the view by a latitude typed in the
// title bar. The field shows what is typed, key by key, while the map draws
// again meanwhile: the pointer came to it over the title bar, not the map.
TEST_F(Titre, ATypedLatitudeMovesTheViewAndTheRequestFrame)
{
    vr* requeteur = gvr[0];
    fdc* carte = requeteur->carte;
    vCliquer(requeteur->boutonZone);
    ASSERT_EQ(carte->overlay, 1);
    Fl_Input_* champ = titre->entreeLatitude;
    harnais::vSurvoler(GUI, champ->x() + champ->w() / 2, 30);
    vCliquer(champ);
    ASSERT_EQ(Fl::focus(), champ);
    champ->position(0, champ->size());
    for (const char* t : {"1", "5"}) {
        harnais::vTouche(GUI, t[0], t);
        carte->redraw();
        Fl::flush();
    }
    EXPECT_STREQ(champ->value(), "15");
    // What the partial redraws left inside the field's frame is what a
    // whole redraw shows, but for 2 pixels by its sides, where the whole
    // redraw draws its neighbours' labels over it.
    const int x = champ->x() + Fl::box_dx(champ->box()) + 2, y = champ->y() + Fl::box_dy(champ->box());
    const int l = champ->w() - Fl::box_dw(champ->box()) - 4, h = champ->h() - Fl::box_dh(champ->box());
    const auto vu = harnais::lireTampon(GUI, x, y, l, h);
    GUI->redraw();
    ASSERT_FALSE(vu.empty());
    EXPECT_TRUE(vu == harnais::lireTampon(GUI, x, y, l, h));
    harnais::vTouche(GUI, FL_Enter, "\r");
    EXPECT_EQ(carte->centreLatitude, 15);
    const CadreZone avant = requeteur->cadreZone();
    {
        GUI->make_current();
        PiloteEnregistreur pilote;
        carte->draw();
        char nord[16];
        std::snprintf(nord, sizeof nord, "%5.2f\u00b0N", avant.nord);
        EXPECT_EQ(pilote.textes(nord).size(), 3u) << nord;
    }
    titre->entreeLatitude->value("30");
    titre->entreeLatitude->do_callback();
    EXPECT_EQ(carte->centreLatitude, 30);
    const CadreZone apres = requeteur->cadreZone();
    EXPECT_NEAR((apres.nord + apres.sud) / 2, 30, requeteur->requeteGrib->maille);
    EXPECT_DOUBLE_EQ(apres.nord - apres.sud, avant.nord - avant.sud);
    EXPECT_DOUBLE_EQ(carte->cadreNord, apres.nord);
}

// A satellite picture from the service replaces globe.jpg at once: the page
// in front goes over to it and the title bar presses its button.
TEST_F(Titre, ASatellitePictureFromTheServiceTurnsThePageInFrontToIt)
{
    vBasculer(2);
    const int fondPage1 = gvr[1]->carte->fond;
    const std::string image =
        lireFichier(QUENBREL_SOURCE_DIR "/tests/support/SAT_GLOBE2.jpg") + "2024010112";
    std::string entete = "QUENBREL2 1 2 3 " + std::to_string(image.size()) + " SAT_GLOBE2.jpg";
    entete.resize(92, ' ');
    const std::string reponse = entete + "Ok\n" + image;
    char* octets = static_cast<char*>(std::malloc(reponse.size() + 1));
    std::memcpy(octets, reponse.c_str(), reponse.size() + 1);
    int ok = 0;
    EXPECT_EQ(iAnalyseRequeteHttp(octets, int(reponse.size()), ok), 1);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(lireFichier(dossier / "globe.jpg"), image);
    EXPECT_EQ(gvr[2]->carte->fond, FDC_SATELLITE);
    EXPECT_EQ(gvr[1]->carte->fond, fondPage1);
    EXPECT_TRUE(titre->boutonSatellite->visible());
    EXPECT_EQ(titre->boutonSatellite->value(), 1);
    EXPECT_EQ(titre->boutonSatellite->image(), skin_image_fdc0);
    EXPECT_EQ(titre->boutonHD->value(), 0);
    EXPECT_EQ(titre->boutonTraitCote->value(), 0);
}

// The editor button opens the read-me in a text window that the window
// menu lists; closing it leaves the menu with "..." again.
TEST_F(Titre, TheEditorButtonOpensTheReadMeListedInTheWindowMenu)
{
    Fl_Menu_Button* menu = titre->menuFenetres;
    ASSERT_EQ(menu, gestion_interfaces::menuFenetres);
    EXPECT_STREQ(menu->menu()[0].label(), "...");
    vCliquer(titre->boutonEditeur);
    editeur* fenetre = dynamic_cast<editeur*>(GESTION_UI[1]);
    ASSERT_NE(fenetre, nullptr);
    EXPECT_TRUE(harnais::bAttendre([fenetre] { return fenetre->visible() != 0; }));
    EXPECT_STREQ(fenetre->label(), "Quenbrel 2, Éditeur : readme_fr_mac.txt");
    char* texte = fenetre->textbuf->text();
    EXPECT_EQ(texte, lireFichier(dossier / "etc/readme_fr_mac.txt"));
    std::free(texte);
    ASSERT_EQ(menu->size(), 2);
    EXPECT_STREQ(menu->menu()[0].label(), "readme_fr_mac.txt");
    harnais::vFermer(fenetre);
    EXPECT_EQ(GESTION_UI[1], nullptr);
    ASSERT_EQ(menu->size(), 2);
    EXPECT_STREQ(menu->menu()[0].label(), "...");
}

// Full screen shows the window again under a still pointer, with no enter
// for the map: a move over it gives it the keys, arrows as letters.
TEST_F(Titre, AfterFullScreenTheMapUnderThePointerTakesTheKeys)
{
    vBasculer(1);
    fdc* carte = gvr[1]->carte;
    carte->verrou = 0;
    vCliquer(titre->boutonPleinEcran);
    ASSERT_TRUE(harnais::bAttendre([] { return GUI->fullscreen_active() && GUI->shown(); }));
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    harnais::vSurvoler(GUI, carte->x() + carte->w() / 2, carte->y() + carte->h() / 3);
    EXPECT_EQ(Fl::focus(), carte);
    harnais::vTouche(GUI, 'g');
    harnais::vTouche(GUI, FL_Left);
    EXPECT_LT(carte->centreLongitude, 0);
}
