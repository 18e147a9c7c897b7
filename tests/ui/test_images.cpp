// Without a display: the palette, the compiled-in pictures with the sizes
// the widgets are laid out for, the switch pictures of each language and
// the arithmetic that fits a picture to a screen or a box.
#include "ui/boutons_rva.h"
#include "ui/calcul_image.h"
#include "ui/images/images.h"
#include "ui/palette.h"
#include "ui/visualisateur.h"

#include <FL/Fl_Bitmap.H>
#include <FL/Fl_RGB_Image.H>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

struct Taille {
    const char* nom;
    int w, h;
};

// The pictures and the sizes their widgets give them.
const Taille TAILLES[] = {
    {"image_bon", 230, 22}, {"image_boff", 230, 22}, {"image_bofftr", 80, 16},
    {"image_filet", 338, 99}, {"image_filet_fixe", 338, 28}, {"image_degrade", 10, 99},
    {"image_bas_boite", 230, 63}, {"image_bas_gauche", 5, 69}, {"image_bas_droit", 5, 69},
    {"image_etoile", 200, 81}, {"image_fdcroute", 230, 66},
    {"skin1_image_requeteur", 90, 35}, {"skin1_image_requeteur_de", 90, 36},
    {"skin1_image_visualisateur", 91, 35}, {"skin1_image_visualisateur_de", 91, 36},
    {"skin1_image_requeteur_en", 90, 35}, {"skin1_image_requeteur_en_de", 90, 36},
    {"skin1_image_visualisateur_en", 91, 35}, {"skin1_image_visualisateur_en_de", 91, 36},
    {"image_abfrage_a", 90, 35}, {"image_abfrage", 90, 35},
    {"image_solicitante_a", 90, 35}, {"image_solicitante", 90, 35},
    {"image_visualizador_a", 91, 35}, {"image_visualizador", 91, 35},
    {"image_drapeaux_FR", 26, 16}, {"image_drapeaux_fr", 26, 16},
    {"image_drapeaux_EN", 26, 16}, {"image_drapeaux_en", 26, 16},
    {"image_drapeaux_DE", 26, 16}, {"image_drapeaux_de", 26, 16},
    {"image_drapeaux_SP", 26, 16}, {"image_drapeaux_sp", 26, 16},
    {"image_full_on", 17, 15}, {"image_full_off", 17, 15}, {"image_zones", 20, 20},
    {"image_zoom1", 20, 20}, {"image_zoom2", 20, 20}, {"image_dezoom1", 20, 20},
    {"image_dezoom2", 20, 20}, {"image_metarea", 20, 20}, {"image_metarea_bleu", 20, 20},
    {"image_metarea_vert", 20, 20}, {"skin_image_fdc0", 36, 20}, {"skin_image_fdc0_de", 36, 20},
    {"skin_image_fdc2", 36, 20}, {"skin_image_fdc2_de", 36, 20}, {"skin_image_fdc4", 36, 20},
    {"skin_image_fdc4_de", 36, 20}, {"image_fenetre", 20, 20}, {"image_fenetre_a", 20, 20},
    {"skin1_image_edit1", 20, 20}, {"skin1_image_edit2", 20, 20}, {"skin_image_aide", 20, 20},
    {"skin_image_aide_de", 20, 20}, {"skin1_image_help", 14, 15}, {"skin1_image_help2", 14, 15},
    {"image_logo_editeur", 147, 23}, {"image_logo_editeur_grand", 225, 35},
    {"image_logo_service", 260, 24}, {"image_logo_service_grand", 360, 39},
    {"skin1_image_date_heure", 195, 71}, {"skin1_image_heure_pp", 5, 11},
    {"skin1_image_heure_00", 11, 22}, {"skin1_image_heure_01", 11, 22},
    {"skin1_image_heure_02", 11, 22}, {"skin1_image_heure_03", 11, 22},
    {"skin1_image_heure_04", 11, 22}, {"skin1_image_heure_05", 11, 22},
    {"skin1_image_heure_06", 11, 22}, {"skin1_image_heure_07", 11, 22},
    {"skin1_image_heure_08", 11, 22}, {"skin1_image_heure_09", 11, 22},
    {"skin_image_valider", 44, 28}, {"skin_image_valider_de", 44, 28},
    {"skin1_image_connecter", 25, 25}, {"skin1_image_deconnecter", 25, 25},
    {"image_clock", 22, 22}, {"image_clock_bleu", 22, 22}, {"image_trace_route", 20, 20},
    {"image_trace_route_a", 20, 20}, {"image_bulletin", 20, 16}, {"image_manche", 20, 16},
    {"image_cyclone", 20, 16}, {"image_zones_rfi", 20, 16}, {"image_zones_ism", 20, 16},
    {"image_nouvelle_caledonie", 20, 16}, {"image_polynesie_carte_zones_mar", 20, 16},
    {"image_zones_antilles", 20, 16}, {"image_zones_cotes", 20, 16},
    {"image_cadenas", 20, 20}, {"image_cadenas_rouge", 20, 20}, {"image_histogram", 20, 20},
    {"image_histogram2", 20, 20}, {"image_histogram2015", 20, 15},
    {"image_histogram20152", 20, 15}, {"image_plus", 18, 18}, {"image_moins", 18, 18},
    {"image_outils", 21, 15}, {"image_couleurs", 21, 15}, {"image_continu_pointille", 20, 15},
    {"image_epaisseur_trait", 20, 15}, {"image_superposer_bleu", 22, 22},
    {"image_superposer_orange", 22, 22}, {"image_isolignes_bleu", 22, 22},
    {"image_isolignes_orange", 22, 22}, {"image_isotaches_bleu", 22, 22},
    {"image_isotaches_orange", 22, 22}, {"image_new", 20, 18},
};

const char* const FIGURES[] = {
    "image_monocoque0", "image_monocoque", "image_catamaran0", "image_catamaran",
    "image_trimaran0", "image_trimaran", "image_cyclone0", "image_cyclone1", "image_cyclonehs",
    "image_lettrea", "image_lettred", "image_lettreh", "image_lettrel", "image_chalutier",
    "image_tanker", "image_point", "image_plus1"};

}  // namespace

TEST(Palette, SkinsSetsEveryColourOfThePalette)
{
    skins();
    const std::pair<Fl_Color, Fl_Color> attendu[] = {
        {FL_MER, 0x1D5B9700}, {FL_LAC, 0x13518D00}, {FL_ETANG, 0x09478300},
        {FL_TERRE, 0xA08C6400}, {FL_ILE, 0x8C786400}, {COLOR_FOND, 0x54687500},
        {COLOR_FOND2, 0x19375F00}, {COLOR_FOND3, 0x7C909D00},
        {COLOR_ORANGE_GTK_TITRE, 0x44545F00}, {COLOR_ORANGE_TEXTE, 0xE6B14200},
        {COLOR_BLEU_GTK_TITRE, 0x7591A000}, {COLOR_BLEUPALE_GTK_TITRE, 0x7591A000},
        {COLOR_BOUTONS_TEXTE, 0x2E434E00}, {COLOR_BOUTON_ACTIVE, 0x00FFFF00},
        {COLOR_GRIS_CLAIR, 0xE0E0E000}, {COLOR_BOUTONS_MOYEN, 0xC4C4C400},
        {COLOR_MOYEN, 0x80808000}, {COLOR_164, 0xA4A4A400}, {COLOR_BOUTONS_64, 0x384C6000},
        {COLOR_BOUTONS_96, 0x061A2E00}, {COULEURVERTEFONCE, 59}, {COLOR_WHITE_GTK_TITRE, 52}};
    for (size_t i = 0; i < sizeof attendu / sizeof attendu[0]; ++i)
        EXPECT_EQ(attendu[i].first, attendu[i].second) << "colour " << i;
}

TEST(ImagesCompilees, EveryPictureExistsWithTheSizeOfItsWidget)
{
    std::set<std::string> vus;
    for (const Taille& t : TAILLES) {
        Fl_Image* image = pImageCompilee(t.nom);
        ASSERT_NE(image, nullptr) << t.nom;
        EXPECT_EQ(image->w(), t.w) << t.nom;
        EXPECT_EQ(image->h(), t.h) << t.nom;
        EXPECT_EQ(image->d(), 4) << t.nom << ": drawn over its background";
        EXPECT_EQ(dynamic_cast<Fl_RGB_Image*>(image)->fail(), 0) << t.nom;
        vus.insert(t.nom);
    }
    // Every embedded file is a picture of the list, none is left over.
    EXPECT_EQ(IMAGES_PNG_NOMBRE, int(sizeof TAILLES / sizeof TAILLES[0]));
    for (int i = 0; i < IMAGES_PNG_NOMBRE; ++i)
        EXPECT_TRUE(vus.count(IMAGES_PNG[i].nom)) << IMAGES_PNG[i].nom;
    EXPECT_EQ(pImageCompilee("image_inconnue"), nullptr);
}

TEST(ImagesCompilees, RouteFiguresAreSixteenPixelBitmapsWithAShape)
{
    for (const char* nom : FIGURES) {
        Fl_Bitmap* b = dynamic_cast<Fl_Bitmap*>(pImageCompilee(nom));
        ASSERT_NE(b, nullptr) << nom;
        EXPECT_EQ(b->w(), 16) << nom;
        EXPECT_EQ(b->h(), 16) << nom;
        int poses = 0;
        for (int i = 0; i < 32; ++i)
            poses += __builtin_popcount(b->array[i]);
        EXPECT_GT(poses, 8) << nom;
        EXPECT_LT(poses, 200) << nom;
    }
    // A halo covers its figure.
    for (auto [halo, figure] : {std::pair{image_monocoque0, image_monocoque},
                                {image_catamaran0, image_catamaran},
                                {image_trimaran0, image_trimaran},
                                {image_cyclone0, image_cyclone1}}) {
        int horsHalo = 0;
        for (int i = 0; i < 32; ++i)
            horsHalo += __builtin_popcount(figure->array[i] & ~halo->array[i] & 0xFFu);
        EXPECT_EQ(horsHalo, 0);
    }
}

TEST(ImagesCompilees, TheLetterFiguresHaveTheirShape)
{
    // Row 7 of "H" is its bar, row 7 of "L" a single stroke on the left.
    EXPECT_EQ(image_lettreh->array[14], 0xFC);
    EXPECT_EQ(image_lettreh->array[15], 0x3F);
    EXPECT_EQ(image_lettrel->array[14], 0x0C);
    EXPECT_EQ(image_lettrel->array[15], 0x00);
}

TEST(SwitchPictures, EachLanguageHasItsSetAndAnyOtherCodeTheSpanishOne)
{
    struct Cas {
        const char* code;
        Fl_RGB_Image* attendu[4];
    };
    const Cas cas[] = {
        {"fr", {skin1_image_requeteur, skin1_image_requeteur_de, skin1_image_visualisateur,
                skin1_image_visualisateur_de}},
        {"en", {skin1_image_requeteur_en, skin1_image_requeteur_en_de,
                skin1_image_visualisateur_en, skin1_image_visualisateur_en_de}},
        {"de", {image_abfrage_a, image_abfrage, skin1_image_visualisateur_en,
                skin1_image_visualisateur_en_de}},
        {"sp", {image_solicitante_a, image_solicitante, image_visualizador_a,
                image_visualizador}},
        {"it", {image_solicitante_a, image_solicitante, image_visualizador_a,
                image_visualizador}},
    };
    for (const Cas& c : cas) {
        const TYPEDEF_IMAGES_RVA i = imagesRVA(c.code);
        EXPECT_EQ(i.requeteur_a, c.attendu[0]) << c.code;
        EXPECT_EQ(i.requeteur, c.attendu[1]) << c.code;
        EXPECT_EQ(i.visualisateur_a, c.attendu[2]) << c.code;
        EXPECT_EQ(i.visualisateur, c.attendu[3]) << c.code;
    }
}

TEST(Ajustement, APictureIsBroughtInsideTheScreenKeepingItsShape)
{
    struct Cas {
        int l, h, le, he, w, hf;
    };
    const Cas cas[] = {
        {4000, 1000, 1280, 800, 1280, 320},  // lower screen, then too wide
        {2000, 500, 1280, 800, 1280, 320},   // only too wide
        {500, 2000, 1280, 800, 200, 800},    // only too high
        {50, 50, 1280, 800, 100, 100},       // small pictures grow to 100
        {3000, 40, 1280, 800, 1280, 100},    // a thin strip keeps 100 of height
        {800, 600, 1280, 800, 800, 600},     // fits as it is
    };
    for (const Cas& c : cas) {
        int w = 0, h = 0;
        vAjusterImage(c.l, c.h, c.le, c.he, w, h);
        EXPECT_EQ(w, c.w) << c.l << "x" << c.h;
        EXPECT_EQ(h, c.hf) << c.l << "x" << c.h;
    }
}

TEST(Ajustement, CoveringABoxCentresTheOverflow)
{
    struct Cas {
        int l, h, W, H, w, hf, x, y;
    };
    const Cas cas[] = {
        {400, 200, 100, 100, 200, 100, 50, 0},
        {200, 400, 100, 100, 100, 200, 0, 50},
        {300, 150, 200, 100, 200, 100, 0, 0},
        {101, 50, 100, 100, 202, 100, 51, 0},
    };
    for (const Cas& c : cas) {
        int w, h, x, y;
        vCouvrir(c.l, c.h, c.W, c.H, w, h, x, y);
        EXPECT_EQ(w, c.w) << c.l << "x" << c.h;
        EXPECT_EQ(h, c.hf) << c.l << "x" << c.h;
        EXPECT_EQ(x, c.x) << c.l << "x" << c.h;
        EXPECT_EQ(y, c.y) << c.l << "x" << c.h;
    }
    int w = 1, h = 1, x = 1, y = 1;
    EXPECT_EQ(calcul_image(nullptr, 100, 100, w, h, x, y), nullptr);
    EXPECT_EQ(w + h + x + y, 0);
}
