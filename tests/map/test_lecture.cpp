// The cursor read-out's text on fields written as GRIB and displayed by a
// viewer map: each parameter's lines with their values and units, missing
// points, the grid tests, the bounds of the text.
#include "map/fdc.h"

#include "ecriture_grib_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/fichier_grib.h"
#include "map/lecture_texte.h"
#include "map/lecture_valeurs.h"
#include "map/releve_histogrammes.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <regex>

namespace {

const long VALIDITE = 2026120612;

using Lignes = std::vector<std::string>;

// The text as the popup shows it: one entry per line break, tags gone.
Lignes lignes(const std::string& html)
{
    Lignes v;
    const std::string texte = std::regex_replace(html, std::regex("<br>"), "\n");
    std::string ligne;
    for (char c : std::regex_replace(texte, std::regex("<[^>]*>"), "")) {
        if (c == '\n') {
            v.push_back(ligne);
            ligne.clear();
        } else {
            ligne += c;
        }
    }
    if (!ligne.empty())
        v.push_back(ligne);
    return v;
}

ChampEcrit champ(int parametre, double valeur, int typeNiveau = 102)
{
    ChampEcrit c = champUniforme(parametre, valeur);
    c.typeNiveau = typeNiveau;
    return c;
}

// A small grid: 10 x 10 points of one degree from (la1, lo1).
ChampEcrit petit(ChampEcrit c, int la1, int lo1)
{
    c.ni = c.nj = 10;
    c.la1 = la1 * 1000, c.lo1 = lo1 * 1000;
    return c;
}

class Lecture : public ::testing::Test {
protected:
    DossierTemporaire d;
    JournalTemporaire journal{d / "log.txt"};
    File fichier;
    fdc carte{0, 0, 800, 500};
    std::unique_ptr<BoutonsPresses> parametres, validites;
    char texte[LECTURE_TAILLE] = "";
    double longitude = 0;

    void afficher(const std::string& octets, const std::vector<long>& presses)
    {
        ecrireFichier(d / "f.grb", octets);
        fichier.set((d / "f.grb").c_str());
        parametres.reset(new BoutonsPresses(presses));
        validites.reset(new BoutonsPresses({VALIDITE}));
        carte.vGrib(fichier.list, parametres->data(), validites->data(), nullptr, nullptr,
                    nullptr, nullptr);
    }
    void afficher(const std::vector<ChampEcrit>& champs, const std::vector<long>& presses)
    {
        afficher(sMessagesGrib(champs), presses);
    }
    Lignes lire(double latitude = 10, double lon = 20)
    {
        std::strcpy(texte, "avant");
        if (!iLectureValeurs(carte.champs, latitude, lon, texte, longitude))
            return {"dehors"};
        return lignes(texte);
    }
};

}  // namespace

TEST_F(Lecture, EachParameterItsLinesValuesAndUnits)
{
    const struct {
        std::vector<ChampEcrit> champs;
        long presse;
        Lignes attendu;
    } cas[] = {
        {{champ(33, 10), champ(34, 0)}, 33,
         {"Vent: 5 Beaufort", "Direction: 270 °", "Vitesse: 19.4 Nds (36 Km/h)", ". "}},
        {{champ(33, 0), champ(34, -12)}, 33,
         {"Vent: 6 Beaufort", "Direction: 360 °", "Vitesse: 23 Nds (43 Km/h)",
          "Rafales: 35 Nds (65 Km/h)"}},
        {{champ(49, 0.5), champ(50, 0)}, 49,
         {"Courant", "Direction: 270 °", "Vitesse: 1.0 Noeuds"}},
        {{champ(49, 0.5, 160), champ(50, 0, 160)}, 49,
         {"Courant sous la couche d'Ekman", "Direction: 270 °", "Vitesse: 1.0 Noeuds"}},
        {{champ(200, -5), champ(100, 1.1), champ(201, 8)}, 200,
         {"Mer totale", "Direction: 0 °", "Etat de la mer: 3 ", "Hauteur: 1.1 m (max: 2 m)",
          "Periode: 8.0 sec"}},
        {{champ(104, 365), champ(105, 1.0), champ(106, 12)}, 104,
         {"Houle", "Direction: 360 °", "Hauteur: 1.0 m", "Periode: 12.0 sec"}},
        {{champ(101, 90)}, 101, {"Mer du vent", "Direction: 90 °"}},
        {{champ(107, 90)}, 107, {"Houle primaire", "Direction: 90 °"}},
        {{champ(109, 90)}, 109, {"Houle secondaire", "Direction: 90 °"}},
        {{champ(2, 101500)}, 2, {"Pression: 1015.0 hPa"}},
        {{champ(11, 288.15)}, 11, {"Temperature: 15.0 °C"}},
        {{champ(80, 274.15)}, 80, {"Temperature: 1.0 °C"}},
        {{champ(52, 70)}, 52, {"Humidite: 70.0 %"}},
        {{champ(176, 5)}, 176, {"Flux solaire: 5.0 kJ/m²"}},
        {{champ(67, 40)}, 67, {"Epaisseur de la couche d'Ekman (mètre): 40.0 m"}},
        {{champ(61, -1)}, 61,
         {"Pluie", "cumulees: 0.00 mm, l/m2", "partielles: 0.00 mm, l/m2"}},
        {{champ(61, 2.5)}, 61,
         {"Pluie", "cumulees: 2.50 mm, l/m2", "partielles: 2.50 mm, l/m2"}},
        // Not a parameter the read-out knows: nothing, but the point is inside.
        {{champ(7, 3)}, 7, {}},
    };
    for (const auto& c : cas) {
        afficher(c.champs, {c.presse});
        EXPECT_EQ(lire(), c.attendu) << c.presse;
    }
}

TEST_F(Lecture, MissingValuesGiveTheLabelsAlone)
{
    auto absent = [](ChampEcrit c) {
        c.valeur = [](double latitude, double) { return latitude > 0 ? NAN : 1.0; };
        return c;
    };
    afficher({absent(champ(33, 0)), absent(champ(34, 0)), absent(champ(61, 0)),
              absent(champ(2, 0))},
             {33, 61, 2});
    EXPECT_EQ(lire(), (Lignes{"Vent: ", "Direction: ", "Vitesse: ", ". ", "Pluie", ". ", ". ",
                              "Pression: "}));
    EXPECT_EQ(lire(-10)[0], "Vent: 1 Beaufort");
}

TEST_F(Lecture, TheFirstGridDecidesTheOthersAreReadOnTheirOwn)
{
    ChampEcrit pression = champ(2, 0);
    pression.valeur = [](double, double lon) { return 100000 + (lon + 180) * 10; };
    afficher({pression, petit(champ(11, 283.15), 60, 0)}, {2, 11});
    // Across the antimeridian: 190 is read at -170.
    EXPECT_EQ(lire(10, 190), (Lignes{"Pression: 1001.0 hPa", "Temperature: "}));
    EXPECT_DOUBLE_EQ(longitude, -170);
    EXPECT_EQ(lire(55, 4), (Lignes{"Pression: 1018.4 hPa", "Temperature: 10.0 °C"}));
    // Just past the small grid's last column and row.
    EXPECT_EQ(lire(55, 9.6)[1], "Temperature: ");
    EXPECT_EQ(lire(50.4, 4)[1], "Temperature: ");

    // Outside the first grid: nothing written.
    afficher({petit(champ(2, 101500), 60, 0), champ(11, 283.15)}, {2, 11});
    for (auto [latitude, lon] : {std::pair{70.0, 4.0}, {45.0, 4.0}, {55.0, -1.0}, {55.0, 20.0},
                                 {NAN, 4.0}, {55.0, NAN}}) {
        EXPECT_EQ(lire(latitude, lon), Lignes{"dehors"}) << latitude << " " << lon;
        EXPECT_STREQ(texte, "avant");
    }
    EXPECT_EQ(lire(55, 364)[0], "Pression: 1015.0 hPa");
    EXPECT_DOUBLE_EQ(longitude, 4);
}

// The third entry's message is refused by the decoder: the walk ends there.
TEST_F(Lecture, AnUndecodedEntryEndsTheWalk)
{
    std::string refuse = sMessageGrib(champ(52, 70));
    refuse[8 + 4] = 7;  // centre 7: not a field the map draws
    afficher(sMessagesGrib({champ(2, 101500), champ(11, 283.15)}) + refuse +
                 sMessageGrib(champ(80, 283.15)),
             {2, 11, 52, 80});
    ASSERT_EQ(carte.champs->suivant->suivant->champ, nullptr);
    EXPECT_EQ(lire(), (Lignes{"Pression: 1015.0 hPa", "Temperature: 10.0 °C"}));
    // A wind whose speeds could not be derived reads as missing.
    afficher({champ(33, 10), petit(champ(34, 0), 60, 0)}, {33});
    ASSERT_EQ(carte.champs->suivant->champ->valeurs2, nullptr);
    EXPECT_EQ(lire(55, 4)[0], "Vent: ");
    // A u entry without its v ends the walk too; what came before stays.
    afficher({champ(2, 101500), champ(33, 10), champ(11, 283.15)}, {2, 33, 11});
    EXPECT_EQ(lire(), Lignes{"Pression: 1015.0 hPa"});
}

TEST_F(Lecture, ManyFieldsStayWithinTheText)
{
    std::vector<ChampEcrit> champs;
    for (int niveau = 0; niveau < 20; ++niveau) {
        champs.push_back(petit(champ(33, 30), 60, 0));
        champs.push_back(petit(champ(34, 0), 60, 0));
        champs.back().p1 = champs[champs.size() - 2].p1 = 0;
    }
    afficher(champs, {33});
    ASSERT_TRUE(iLectureValeurs(carte.champs, 55, 4, texte, longitude));
    EXPECT_EQ(std::strlen(texte), size_t(LECTURE_MAX));
    EXPECT_EQ(lignes(texte)[0], "Vent: 11 Beaufort");
}

TEST(TexteLecture, StylesAndTheCutAtACharacterBoundary)
{
    char t[LECTURE_TAILLE] = "";
    vAjouterLecture(t, "a", LECTURE_TITRE);
    vAjouterLecture(t, "b", LECTURE_LIBELLE);
    vAjouterLecture(t, "c", LECTURE_ITALIQUE);
    vAjouterLecture(t, "d", LECTURE_BRUT);
    vAjouterLecture(t, "e", LECTURE_UNITE);
    vAjouterLecture(t, "f", LECTURE_ALERTE);
    EXPECT_STREQ(t, "<font color=\"#000088\"><b>a</b></font><br>"
                    "<font color=\"#006600\"><b>b</b></font>: <i>c</i>: de"
                    "<font color=\"#880000\"><b>f</b></font>:<br> ");
    // Filled to one byte short of the end, then a two-byte character.
    std::string plein(LECTURE_MAX - 1, 'x');
    std::strcpy(t, plein.c_str());
    vAjouterLecture(t, "°", LECTURE_BRUT);
    EXPECT_EQ(std::strlen(t), size_t(LECTURE_MAX - 1));
    vAjouterLecture(t, "y°", LECTURE_BRUT);
    EXPECT_EQ(std::string(t), plein + "y");
    vAjouterLecture(t, "z", LECTURE_BRUT);
    EXPECT_EQ(std::strlen(t), size_t(LECTURE_MAX));
}

TEST(TexteLecture, BeaufortAndSeaStateThresholds)
{
    const std::pair<double, int> beaufort[] = {{0.99, 0}, {1, 1},    {19.9, 5}, {20, 5},
                                               {63.9, 11}, {64, 12}, {200, 12}};
    for (auto [noeuds, force] : beaufort)
        EXPECT_EQ(iBeaufort(noeuds), force) << noeuds;
    const std::pair<double, int> mer[] = {{0, 0}, {0.01, 1}, {1.25, 4}, {13.9, 8}, {14, 9}};
    for (auto [metres, etat] : mer)
        EXPECT_EQ(iEtatMer(metres), etat) << metres;
}

// A grid round the earth, written 0 to 359 or -180 to 179: the cell between
// its last column and its first read like any other, at eccodes' nearest point.
TEST_F(Lecture, AGlobalGridWrapsBetweenItsLastColumnAndItsFirst)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    for (int ouest : {0, -180}) {
        ChampEcrit p = champ(2, 0);
        p.lo1 = ouest * 1000;
        p.valeur = [ouest](double, double lon) {
            return lon < ouest + 1 ? 101000 : lon > ouest + 358 ? 99000 : 100000;
        };
        afficher({p}, {2});
        ASSERT_EQ(iDecodeGribAll(fichier.list), 0);
        for (double lon : {-0.6, -0.4, 359.4, 359.6, 179.4, 179.6}) {
            const double pa = std::stod(
                sortie("grib_get -l 10," + std::to_string(lon) + ",1 " + sh(d / "f.grb")).value_or(
                    "nan"));
            char attendu[64];
            std::snprintf(attendu, sizeof attendu, "Pression: %.1f hPa", pa / 100);
            EXPECT_EQ(lire(10, lon), Lignes{attendu}) << ouest << " " << lon;
            const auto courbe = releverHistogrammes(fichier.list, carte.champs, 10, longitude, 0);
            ASSERT_EQ(courbe.size(), 1u) << ouest << " " << lon;
            EXPECT_NEAR(courbe[0].valeur, pa / 100, 1e-6) << ouest << " " << lon;
        }
    }
}
