// The Metarea tree as built: its areas, keys, identifiers, boxes, sub-area
// rows and outlines, against the published catalogue (per-area figures and
// three FNV-1a checksums of its texts and coordinates), and the rules
// every reader relies on.
#include "catalogue/metareas.h"
#include "catalogue/table_metareas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Arbre {
    TYPEDEF_LISTE_METAREA* racine = Metareas();
    ~Arbre() { vLibererMetareas(racine); }
    std::vector<TYPEDEF_METAREA*> areas() const
    {
        std::vector<TYPEDEF_METAREA*> v;
        for (TYPEDEF_MAILLON* c = racine->premier; c; c = c->suivant)
            v.push_back(pMetarea(c));
        return v;
    }
};

std::vector<TYPEDEF_SOUS_ZONE*> sousZones(const TYPEDEF_METAREA* m)
{
    std::vector<TYPEDEF_SOUS_ZONE*> v;
    for (TYPEDEF_MAILLON* c = m->sous_zones_premier; c; c = c->suivant)
        v.push_back(c->element);
    return v;
}

std::vector<TYPEDEF_SOMMET*> sommets(const TYPEDEF_SOUS_ZONE* z)
{
    std::vector<TYPEDEF_SOMMET*> v;
    for (TYPEDEF_SOMMET* s = z->sommets_premier; s; s = s->suivant)
        v.push_back(s);
    return v;
}

std::string texte(const char* s)
{
    return s ? s : "";
}

uint64_t fnv1a(const std::string& octets)
{
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : octets)
        h = (h ^ c) * 0x100000001b3ull;
    return h;
}

std::string format(const char* f, double a, double b)
{
    char t[128];
    std::snprintf(t, sizeof t, f, a, b);
    return t;
}

TEST(Metareas, TheTwentyThreeAreasInOrderWithTheirKeysAndIdentifiers)
{
    Arbre a;
    const auto v = a.areas();
    ASSERT_EQ(v.size(), 23u);
    const char* const noms[] = {"I",  "II",  "III",  "IV",  "V",   "VI",    "VII", "VIII(N)",
                                "VIII(S)", "IX", "X", "XI", "XI", "XII", "XIII", "XIV",
                                "XV", "XVI", "XVII", "XVIII", "XIX", "XX", "XXI"};
    int cle = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        SCOPED_TRACE(noms[i]);
        EXPECT_STREQ(v[i]->nom, noms[i]);
        ASSERT_NE(v[i]->nom2, nullptr);
        EXPECT_TRUE(v[i]->nom3 == nullptr || v[i]->nom2 != nullptr);
        EXPECT_EQ(v[i]->style, 0);
        EXPECT_EQ(v[i]->largeur, 0);
        const bool chine = std::strcmp(v[i]->nom2, "China") == 0;
        EXPECT_EQ(v[i]->numero, chine ? 0 : ++cle);
        EXPECT_EQ(v[i]->bulletins == nullptr, chine);
        EXPECT_LT(v[i]->numero, 1000);
        EXPECT_EQ(pMetareaNumero(a.racine, v[i]->numero), chine ? nullptr : v[i]);
        for (char** b = v[i]->bulletins; b && *b; ++b)
            EXPECT_LE(std::strlen(*b), size_t(METAREA_IDENTIFIANT_MAX)) << *b;
    }
    EXPECT_EQ(cle, 22);
    EXPECT_EQ(pMetareaNumero(a.racine, 23), nullptr);
    char** x = v[10]->bulletins;
    ASSERT_NE(x, nullptr);
    std::vector<std::string> dix;
    for (int i = 0; i < 5 && x[i]; ++i)
        dix.push_back(x[i]);
    EXPECT_EQ(dix, (std::vector<std::string>{"GMDSS_METAREA10-NE_INMARSAT", "GMDSS_METAREA10-N_INMARSAT",
                                             "GMDSS_METAREA10-W_INMARSAT", "GMDSS_METAREA10-SE_INMARSAT"}));
    EXPECT_EQ(x[4], nullptr);
    // China and the areas of the far north have neither sub-areas nor a
    // list of them; the areas without an outline have no vertex at all.
    for (int i : {12, 18, 19, 20, 21, 22})
        EXPECT_TRUE(!v[i]->sous_zones_premier && !v[i]->sous_zones_courant) << v[i]->nom;
    for (int i : {2, 12, 17, 20, 22})
        EXPECT_TRUE(!v[i]->sommets_premier && !v[i]->sommets_courant) << v[i]->nom;
}

TEST(Metareas, AreaTextsColoursKeysIdentifiersAndBoxesMatchTheCatalogue)
{
    Arbre a;
    std::string s;
    for (const TYPEDEF_METAREA* m : a.areas()) {
        s += texte(m->nom) + "\n" + texte(m->nom2) + "\n" + texte(m->nom3) + "\n";
        s += std::to_string(m->couleur) + "\n" + std::to_string(m->numero) + "\n";
        for (char** b = m->bulletins; b && *b; ++b)
            s += std::string(b == m->bulletins ? "" : ",") + *b;
        s += "\n" + format("%.4f %.4f\n", m->lat, m->lon);
        s += format("%.4f %.4f ", m->nord, m->sud) + format("%.4f %.4f\n", m->ouest, m->est);
    }
    EXPECT_EQ(s.size(), 2474u);
    EXPECT_EQ(fnv1a(s), 0x79a8771da8babcccull);
}

TEST(Metareas, SubAreaRowsMatchTheCatalogue)
{
    Arbre a;
    std::string s;
    const LigneSousZone* ligne = SOUS_ZONES;
    int n = 0;
    for (const TYPEDEF_METAREA* m : a.areas())
        for (const TYPEDEF_SOUS_ZONE* z : sousZones(m)) {
            ASSERT_LT(n++, NOMBRE_SOUS_ZONES);
            s += texte(z->nom) + "\n" + texte(z->nom2) + "\n" + texte(z->nom3) + "\n";
            s += std::to_string(z->style) + "\n" + std::to_string(ligne++->segments) + "\n";
        }
    EXPECT_EQ(n, 277);
    EXPECT_EQ(s.size(), 4597u);
    EXPECT_EQ(fnv1a(s), 0x46c349ccd725d3bdull);
}

TEST(Metareas, AreaOutlinesMatchTheCatalogue)
{
    Arbre a;
    std::string s;
    int lignes = 0;
    for (const TYPEDEF_METAREA* m : a.areas())
        for (const TYPEDEF_SOMMET* p : sommets(m)) {
            s += format("%.4f %.4f\n", p->lat, p->lon);
            ++lignes;
        }
    EXPECT_EQ(lignes, 106);
    EXPECT_EQ(fnv1a(s), 0x03e1385d803fe97full);
}

// Per area: sub-areas, dashed ones, unnamed ones, named ones without
// segments, segments over all its sub-areas, segments of its outline.
TEST(Metareas, PerAreaCountsOfRowsAndSegments)
{
    const int attendu[23][6] = {
        {37, 2, 2, 1, 96, 2}, {38, 9, 0, 0, 114, 5}, {55, 0, 0, 8, 82, 0}, {3, 0, 0, 3, 0, 3},
        {10, 0, 0, 1, 24, 3}, {17, 1, 1, 1, 43, 2},  {19, 0, 0, 3, 35, 4}, {4, 0, 0, 0, 4, 2},
        {7, 0, 0, 1, 8, 2},   {4, 0, 0, 1, 6, 3},    {8, 3, 2, 1, 15, 3},  {26, 3, 2, 5, 37, 7},
        {0, 0, 0, 0, 0, 0},   {1, 0, 0, 1, 0, 3},    {4, 0, 0, 0, 4, 8},   {26, 19, 3, 3, 51, 1},
        {17, 1, 0, 0, 26, 1}, {1, 1, 0, 0, 1, 0},    {0, 0, 0, 0, 0, 2},   {0, 0, 0, 0, 0, 1},
        {0, 0, 0, 0, 0, 0},   {0, 0, 0, 0, 0, 1},    {0, 0, 0, 0, 0, 0}};
    Arbre a;
    const auto v = a.areas();
    const LigneSousZone* ligne = SOUS_ZONES;
    int lignes[3] = {}, total = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        int n[6] = {};
        for (const TYPEDEF_SOUS_ZONE* z : sousZones(v[i])) {
            ++n[0];
            n[1] += z->style == 1;
            n[2] += z->nom == nullptr;
            n[3] += z->nom && ligne->segments == 0;
            n[4] += ligne->segments;
            lignes[z->nom3 ? 2 : z->nom2 ? 1 : 0] += z->nom != nullptr;
            ++ligne;
        }
        n[5] = int(sommets(v[i]).size() / 2);
        total += n[4] + n[5];
        EXPECT_EQ(std::vector<int>(n, n + 6), std::vector<int>(attendu[i], attendu[i] + 6)) << v[i]->nom;
    }
    EXPECT_EQ(total, 599);
    EXPECT_EQ(std::vector<int>(lignes, lignes + 3), (std::vector<int>{165, 72, 30}));
}

struct Telling {
    int area, place;
    double lat, lon, largeur;
    int style;
    std::vector<double> segments;  // lat1, lon1, lat2, lon2 each
};

TEST(Metareas, RowsWithKnownPlacesCarryTheirPointsRoomAndSegments)
{
    const Telling cas[] = {
        {0, 1, 67, -28, 15, 0, {71, -21.6127, 71, -20, 71, -20, 66, -20, 65, -35, 65, -23, 65, -35, 66.275, -35}},
        {0, 5, 0, 0, 0, 1, {65, -40, 65, -35, 65, -40, 55, -40}},
        {0, 18, 59.75, 2, 5, 0, {58.5, 0, 58.5, 4, 58.5, 4, 61, 4, 61, 4, 61, 0, 61, 0, 58.5, 0}},
        {0, 29, 51.75, 2.5, 4, 0, {51.2, 1.47, 51.2, 3.15}},
        {0, 37, 55.6, -8, 4, 0, {}},
        {1, 28, 3.5, -3, 20, 0, {7, -20, 7, -11.73, 0, -20, 0, 9.42}},
        {1, 34, 21.5, -42.5, 10, 1, {15, -50, 15, -35, 28, -50, 15, -50}},
        {2, 53, 37.95, 24.7, 1, 0, {}},
        {5, 2, -44.5, -62, 10, 0, {}},
        {11, 23, 18, 182.5, 10, 1, {35, 170, 35, 180}},
        {13, 1, 22, 215, 30, 0, {}},
        {15, 8, -16, -146, 16, 1, {}},
        {15, 1, -15, 195, 20, 0, {-25, 240, -25, 190}},
        {15, 3, -28.5, 180, 20, 0, {-25, 170, -25, 190, -25, 190, -40, 190, -40, 190, -40, 163.125}},
        {15, 5, -47.5, 176, 30, 0, {-40, 190, -55, 190, -55, 190, -55, 160}},
        {15, 7, -42, 215, 20, 0, {-55, 240, -55, 190}},
        {16, 13, -50.5, -72, 18, 0, {-53, -81, -53, -74}},
        {17, 1, -14, 260, 30, 1, {0, -120, 0, -80.12}},
    };
    Arbre a;
    const auto v = a.areas();
    for (const Telling& t : cas) {
        const auto zones = sousZones(v[t.area]);
        ASSERT_LE(size_t(t.place), zones.size());
        const TYPEDEF_SOUS_ZONE* z = zones[t.place - 1];
        SCOPED_TRACE(texte(v[t.area]->nom) + "/" + std::to_string(t.place) + " " + texte(z->nom));
        EXPECT_NEAR(z->lat, t.lat, 1e-9);
        EXPECT_NEAR(z->lon, t.lon, 1e-9);
        EXPECT_NEAR(z->largeur, t.largeur, 1e-9);
        EXPECT_EQ(z->style, t.style);
        const auto s = sommets(z);
        ASSERT_EQ(s.size() * 2, t.segments.size());
        for (size_t i = 0; i < s.size(); ++i) {
            EXPECT_NEAR(s[i]->lat, t.segments[2 * i], 1e-9);
            EXPECT_NEAR(s[i]->lon, t.segments[2 * i + 1], 1e-9);
        }
    }
    // Blanks at either end of a line are kept; accented letters in UTF-8.
    EXPECT_STREQ(sousZones(v[2])[52]->nom2, " Strait");
    EXPECT_STREQ(sousZones(v[16])[12]->nom2, "Islotes Evangelistas ");
    EXPECT_STREQ(sousZones(v[1])[33]->nom, "Aliz\xc3\xa9s");
    EXPECT_STREQ(sousZones(v[15])[8]->nom, "Fran\xc3\xa7" "aise");
}

// XIV's high-seas areas, outlined, draw as many lines as the catalogue
// gives them.
TEST(Metareas, TheHighSeasAreasOfXivDrawTheCataloguesSegmentCounts)
{
    Arbre a;
    const auto v = a.areas();
    const LigneSousZone* ligne = SOUS_ZONES;
    for (size_t i = 0; i < 15; ++i)
        ligne += sousZones(v[i]).size();
    const auto zones = sousZones(v[15]);
    ASSERT_STREQ(v[15]->nom, "XIV");
    for (int place : {1, 3, 5, 7}) {
        SCOPED_TRACE(texte(zones[place - 1]->nom));
        EXPECT_EQ(sommets(zones[place - 1]).size() / 2, size_t(ligne[place - 1].segments));
        EXPECT_GT(ligne[place - 1].segments, 0);
    }
}

// What every reader relies on: even vertex lists, no zero-length
// segment, none wrapping round the date line, longitudes never below
// -180; sub-areas white without key or identifiers, their room 0 when
// unnamed, and a row without a place drawing nothing.
TEST(Metareas, RulesEveryReaderReliesOn)
{
    Arbre a;
    const PlaceSousZone* place = PLACES_SOUS_ZONES;
    auto verifierSegments = [](const TYPEDEF_SOUS_ZONE* z, const std::string& nom) {
        const auto s = sommets(z);
        EXPECT_EQ(s.size() % 2, 0u) << nom;
        EXPECT_EQ(z->sommets_courant, s.empty() ? nullptr : s.back()) << nom;
        for (size_t i = 0; i + 1 < s.size(); i += 2) {
            EXPECT_FALSE(s[i]->lat == s[i + 1]->lat && s[i]->lon == s[i + 1]->lon) << nom;
            EXPECT_LT(std::fabs(s[i]->lon - s[i + 1]->lon), 180) << nom;
            EXPECT_GE(std::min(s[i]->lon, s[i + 1]->lon), -180) << nom;
            EXPECT_LE(std::max(s[i]->lon, s[i + 1]->lon), 289.55) << nom;
        }
    };
    for (const TYPEDEF_METAREA* m : a.areas()) {
        verifierSegments(m, m->nom);
        for (const TYPEDEF_SOUS_ZONE* z : sousZones(m)) {
            const std::string nom = texte(m->nom) + "/" + texte(z->nom);
            verifierSegments(z, nom);
            EXPECT_EQ(z->couleur, 255u) << nom;
            EXPECT_EQ(z->numero, 0) << nom;
            EXPECT_EQ(z->bulletins, nullptr) << nom;
            EXPECT_TRUE(!z->nom2 || z->nom) << nom;
            EXPECT_TRUE(!z->nom3 || z->nom2) << nom;
            if (!z->nom) {
                EXPECT_EQ(z->largeur, 0) << nom;
            }
            if (place->trace.nombre == 0 && z->largeur == 0) {
                EXPECT_TRUE(z->lat == 0 && z->lon == 0 && !z->sommets_premier) << nom;
            }
            ++place;
        }
    }
}

// The places, written from the authored rows, stand in the rows' order:
// each carries its row's first label line. A named row shows its label
// with a room of 1 to 30 degrees, or has neither label point nor room
// when no place is known for it; an unnamed one only draws lines.
TEST(Metareas, PlacesFollowTheRowsAndNamedRowsHaveRoomOrNoPlace)
{
    Arbre a;
    const PlaceSousZone* place = PLACES_SOUS_ZONES;
    int places = 0, sansPlace = 0;
    for (const TYPEDEF_METAREA* m : a.areas())
        for (const TYPEDEF_SOUS_ZONE* z : sousZones(m)) {
            const std::string nom = texte(m->nom) + "/" + texte(z->nom);
            EXPECT_EQ(texte(place->nom), texte(z->nom)) << nom;
            ++place;
            if (!z->nom || z->largeur == 0) {
                EXPECT_TRUE(z->largeur == 0 && z->lat == 0 && z->lon == 0) << nom;
                sansPlace += z->nom != nullptr;
                continue;
            }
            EXPECT_TRUE(z->largeur >= 1 && z->largeur <= 30) << nom << " " << z->largeur;
            ++places;
        }
    EXPECT_EQ(places + sansPlace, 267);
    // Every named row of Metarea I has its place and its lines' ring.
    int dansI = 0;
    for (const TYPEDEF_SOUS_ZONE* z : sousZones(a.areas()[0]))
        dansI += z->nom && z->largeur > 0;
    EXPECT_EQ(dansI, 35);
}

TEST(Metareas, EachAreaLabelLiesInItsBoxModulo360)
{
    Arbre a;
    for (const TYPEDEF_METAREA* m : a.areas()) {
        SCOPED_TRACE(std::string(m->nom) + " " + m->nom2);
        EXPECT_GT(m->nord, m->sud);
        EXPECT_TRUE(m->sud <= m->lat && m->lat <= m->nord);
        bool dedans = false;
        for (double k : {-360.0, 0.0, 360.0})
            dedans |= m->ouest <= m->lon + k && m->lon + k <= m->est;
        EXPECT_TRUE(dedans);
    }
    // Values east of 180 stay as given.
    const auto v = a.areas();
    EXPECT_EQ(v[13]->lon, 215);
    EXPECT_EQ(v[17]->lon, 260);
    EXPECT_EQ(v[10]->est, 190);
    EXPECT_EQ(v[15]->ouest, 160);
    EXPECT_EQ(v[15]->est, 240);
}

// The texts are copies: the tables keep theirs. Under the sanitizers a
// leak or a double free fails the run.
TEST(Metareas, BuiltAndFreedTenTimesLeavingTheTablesAlone)
{
    for (int i = 0; i < 10; ++i) {
        TYPEDEF_LISTE_METAREA* t = Metareas();
        ASSERT_NE(t, nullptr);
        EXPECT_NE(pMetarea(t->premier)->nom, METAREAS[0].nom);
        vLibererMetareas(t);
    }
    vLibererMetareas(nullptr);
    EXPECT_STREQ(METAREAS[0].nom, "I");
    EXPECT_STREQ(SOUS_ZONES[0].nom, "Danemark");
}

}  // namespace
