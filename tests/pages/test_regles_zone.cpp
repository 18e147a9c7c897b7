// The request zone's rules and the models that hold a frame, without a
// display: snapping, the six moves and their refusals, the wheel rule,
// and the model buttons against domains worked out by hand from the
// catalogue.
#include "gribdata/modeles.h"
#include "map/hote_carte.h"
#include "pages/choix_modele.h"
#include "pages/menus_modeles.h"
#include "pages/regles_zone.h"
#include "pages/zones_produits.h"
#include "ui/boutons.h"
#include "ui/palette.h"

#include <gtest/gtest.h>
#include <set>

namespace {

void vAttendu(const CadreZone& c, const CadreZone& a, const char* quoi)
{
    EXPECT_DOUBLE_EQ(c.nord, a.nord) << quoi;
    EXPECT_DOUBLE_EQ(c.sud, a.sud) << quoi;
    EXPECT_DOUBLE_EQ(c.ouest, a.ouest) << quoi;
    EXPECT_DOUBLE_EQ(c.est, a.est) << quoi;
}

}  // namespace

TEST(ReglesZone, SnappingToTheMeshWrapsWestAndEastOnce)
{
    const struct {
        CadreZone entree;
        double m;
        CadreZone attendu;
    } cas[] = {
        {{45.3, 44.9, -5.2, 185.0}, 0.5, {45.5, 45.0, -5.0, -175.0}},
        {{10.25, 9.75, -180.3, 0.1}, 0.5, {10.0, 10.0, 179.5, 0.0}},  // ties to even
        {{0.06, -0.06, 359.99, -359.99}, 0.125, {0.0, 0.0, 0.0, 0.0}},
        {{1.0, 2.0, 3.0, 4.0}, 0.0, {1.0, 2.0, 3.0, 4.0}},  // no mesh: as they are
    };
    for (const auto& c : cas)
        vAttendu(cadreAccroche(c.entree, c.m), c.attendu, "setCoordonnees");
}

TEST(ReglesZone, AFrameKeepsOneMeshOfHeightAndWidth)
{
    const struct {
        CadreZone entree;
        double m;
        CadreZone bornes, champs;
    } cas[] = {
        {{45.1, 45.0, 3.0, 3.1}, 0.5, {45.0, 44.5, 3.0, 3.5}, {45.0, 44.5, 3.0, 3.5}},
        {{10.0, 12.0, 8.0, 2.0}, 1.0, {10.0, 9.0, 8.0, 9.0}, {10.0, 9.0, 8.0, 9.0}},
        // Across the antimeridian the bounds go on east of 180, the
        // fields wrap.
        {{5.0, 0.0, 179.8, 180.1}, 0.5, {5.0, 0.0, 180.0, 180.5}, {5.0, 0.0, 180.0, -179.5}},
    };
    for (const auto& c : cas) {
        CadreZone b = c.entree;
        const CadreZone champs = cadreAccrocheMinimal(b, c.m);
        vAttendu(b, c.bornes, "bounds");
        vAttendu(champs, c.champs, "fields");
    }
}

TEST(ReglesZone, TheMiddleThirdOfAView)
{
    vAttendu(cadreTiersMilieu(90, -90, -180, 180), {30, -30, -60, 60}, "world");
    // Across the antimeridian the longitudes go on past 180.
    vAttendu(cadreTiersMilieu(60, 30, 150, 210), {50, 40, 170, 190}, "pacific");
}

TEST(ReglesZone, TheSixMovesAndTheirRefusals)
{
    const struct {
        int mouvement;
        CadreZone avant;
        double m;
        bool fait;
        CadreZone apres;
    } cas[] = {
        {ZONE_EST, {10, 0, 170, 179.5}, 0.5, true, {10, 0, 170.5, 180}},
        {ZONE_OUEST, {10, 0, -179.5, -170}, 0.5, true, {10, 0, -180, -170.5}},
        {ZONE_NORD, {89.75, 80, 0, 10}, 0.25, true, {90, 80.25, 0, 10}},
        {ZONE_NORD, {90, 80, 0, 10}, 0.25, false, {90, 80, 0, 10}},
        {ZONE_SUD, {89.75, 80, 0, 10}, 0.25, true, {89.5, 79.75, 0, 10}},
        {ZONE_SUD, {-80, -90, 0, 10}, 0.5, false, {-80, -90, 0, 10}},
        // North + mesh reaching 90 is allowed: only beyond is refused.
        {ZONE_PLUS, {89.75, 80, 0, 10}, 0.25, true, {90, 79.75, -0.25, 10.25}},
        {ZONE_PLUS, {90, 80, 0, 10}, 0.25, false, {90, 80, 0, 10}},
        {ZONE_PLUS, {0, -89.75, 0, 10}, 0.5, false, {0, -89.75, 0, 10}},
        {ZONE_MOINS, {10, 0, 0, 10}, 1, true, {9, 1, 1, 9}},
        // Two meshes high: south + m meets north - m.
        {ZONE_MOINS, {10, 9, 0, 10}, 0.5, false, {10, 9, 0, 10}},
        {ZONE_MOINS, {10, 0, 0, 1}, 0.5, false, {10, 0, 0, 1}},
        // Across the antimeridian, 2 degrees wide.
        {ZONE_MOINS, {10, 0, 179, -179}, 0.5, true, {9.5, 0.5, 179.5, -179.5}},
        {ZONE_MOINS, {10, 0, 179, -179}, 1, false, {10, 0, 179, -179}},
    };
    for (const auto& c : cas) {
        CadreZone z = c.avant;
        EXPECT_EQ(bDeplacerZone(c.mouvement, z, c.m), c.fait) << c.mouvement << " " << c.avant.nord;
        vAttendu(z, c.apres, "move");
    }
}

TEST(ReglesZone, TheWheelKeepsOneMeshAt180DegreesAtMostAndTheGlobe)
{
    const struct {
        int borne;
        CadreZone tourne;
        double m;
        CadreZone attendu;
    } cas[] = {
        {BORNE_NORD, {44.5, 45, 0, 10}, 0.5, {45.5, 45, 0, 10}},
        {BORNE_SUD, {45, 45, 0, 10}, 0.5, {45, 44.5, 0, 10}},
        {BORNE_NORD, {95, 80, 0, 10}, 5, {90, 80, 0, 10}},
        {BORNE_SUD, {-80, -95, 0, 10}, 5, {-80, -90, 0, 10}},
        // Clamped first, then kept one mesh below north.
        {BORNE_SUD, {90, 90.5, 0, 10}, 0.5, {90, 89.5, 0, 10}},
        {BORNE_OUEST, {10, 0, 9.75, 10}, 0.5, {10, 0, 9.5, 10}},
        {BORNE_OUEST, {10, 0, -175, 10}, 0.5, {10, 0, 9.5, 10}},  // 185 wide
        {BORNE_EST, {10, 0, 0, 200}, 1, {10, 0, 0, 1}},
        // West beyond east: east counts 360 on.
        {BORNE_EST, {10, 0, 170, -170}, 0.5, {10, 0, 170, -170}},
        {BORNE_EST, {10, 0, 170, -5}, 0.5, {10, 0, 170, 170.5}},      // 185 wide
        {BORNE_OUEST, {10, 0, 185, -175}, 0.5, {10, 0, 184.5, -175}},  // no width
        {BORNE_OUEST, {10, 0, 178, -175}, 0.5, {10, 0, 178, -175}},
    };
    for (const auto& c : cas) {
        CadreZone z = c.tourne;
        vRegleMolette(c.borne, z, c.m);
        vAttendu(z, c.attendu, "wheel");
    }
}

namespace {

// The codes of the offered rows the frame enables.
std::set<int> actives(const ChoixModele& c, const std::vector<const TYPEDEF_MODELE*>& lignes)
{
    std::set<int> v;
    for (size_t i = 0; i < lignes.size(); ++i)
        if (c.boutons[i] == BOUTON_ACTIVE)
            v.insert(lignes[i]->code);
    return v;
}

std::vector<bool> enfonce(const std::vector<const TYPEDEF_MODELE*>& lignes, int code)
{
    std::vector<bool> v;
    for (const TYPEDEF_MODELE* l : lignes)
        v.push_back(l->code == code);
    return v;
}

}  // namespace

TEST(ChoixModele, TheOfferedModelsThatHoldTheFrame)
{
    const auto lignes = modelesProposes();
    const struct {
        CadreZone cadre;
        int presse;
        bool deplacement;
        std::set<int> actives;
        int candidat, resultat;
        bool abandonne, horsLimites;
    } cas[] = {
        // Inside Tisca (51.5..41 N, 6 W..10.5 E) and so inside Europe.
        {{48, 44, -4, 4}, 86, false, {1, 10, 43, 51, 86}, 86, 86, false, false},
        // Tisca's north-west corner itself: bounds are inclusive.
        {{51.5, 41, -6, 10.5}, 1, false, {1, 10, 43, 51, 86}, 86, 86, false, false},
        // Out of Europe with Europe pressed: Vostel, the last global row.
        {{10, 0, -50, -40}, 51, false, {1, 10, 43}, 43, 43, true, false},
        // The same with a moving zone: the message, 0.
        {{10, 0, -50, -40}, 51, true, {1, 10, 43}, 43, 0, true, true},
        // Antilles (28..-5 N, 75..45 W).
        {{20, 10, -70, -60}, 43, false, {1, 10, 43, 83}, 83, 83, false, false},
        // West below -180: Caledonie (156..174 E) is compared at -204..-186.
        {{-15, -20, -200, -190}, 1, false, {1, 10, 43, 85}, 85, 85, false, false},
        // East at 180 or beyond: shifted the other way.
        {{-15, -20, 160, 180}, 85, false, {1, 10, 43}, 43, 43, true, false},
        // Polynesie (1..31 S, 164..128 W) and Reunion.
        {{-10, -20, -150, -140}, 1, false, {1, 10, 43, 84}, 84, 84, false, false},
        {{-10, -20, 50, 60}, 1, false, {1, 10, 43, 81}, 81, 81, false, false},
    };
    for (const auto& c : cas) {
        const ChoixModele r = choixModele(c.cadre, lignes, enfonce(lignes, c.presse), c.deplacement);
        EXPECT_EQ(actives(r, lignes), c.actives) << c.cadre.nord << " " << c.cadre.ouest;
        EXPECT_EQ(r.candidat, c.candidat) << c.cadre.ouest;
        EXPECT_EQ(r.resultat, c.resultat) << c.cadre.ouest;
        EXPECT_EQ(r.abandonne, c.abandonne) << c.cadre.ouest;
        EXPECT_EQ(r.horsLimites, c.horsLimites) << c.cadre.ouest;
        for (size_t i = 0; i < lignes.size(); ++i) {
            if (r.boutons[i] != BOUTON_ACTIVE) {
                EXPECT_EQ(r.boutons[i], c.deplacement ? BOUTON_INCHANGE : BOUTON_DESACTIVE)
                    << lignes[i]->code;
            }
        }
    }
}

TEST(ChoixModele, APackageTakesTheLastOfModels1_51And8)
{
    const CadreZone france{46, 44, -6, -4};
    EXPECT_EQ(iModeleForfait(france, 1), 8);
    EXPECT_EQ(iModeleForfait(france, 2), 8);
    EXPECT_EQ(iModeleForfait(france, 5), 1);
    // Out of Europe and France: the global model.
    EXPECT_EQ(iModeleForfait({10, 0, -50, -40}, 1), 1);
    // Inside Europe, not France (57..35 N, 11 W..17 E).
    EXPECT_EQ(iModeleForfait({65, 60, 0, 10}, 0), 51);
}

TEST(ChoixModele, AreasMeetStrictlyAndAcrossTheAntimeridian)
{
    const CadreZone cadre{10, 0, -170, -160};
    const struct {
        CadreZone zone;
        bool touche;
    } cas[] = {
        {{20, 5, -165, -150}, true},
        {{20, 10, -165, -150}, false},   // touching the north side
        {{20, 5, -160, -150}, false},    // touching the east side
        {{0, -10, -165, -150}, false},   // touching the south side
        // A box given east of 180 (to 240, that is -120) meets a frame
        // wholly within -180..-120.
        {{5, -30, 170, 240}, true},
        {{5, -5, -560, -520}, true},     // given 360 west
        {{5, -5, 140, 190}, false},      // ends at -170, the frame's west
    };
    for (const auto& c : cas)
        EXPECT_EQ(bZoneTouche(c.zone, cadre), c.touche) << c.zone.ouest << " " << c.zone.est;
    // A box ending at 190 meets a frame within -180..-170.
    EXPECT_TRUE(bZoneTouche({5, -5, 140, 190}, {5, 0, -178, -172}));
    EXPECT_FALSE(bZoneTouche({5, -5, 140, 189.9}, {5, 0, -170, -165}));
}

TEST(MenusModeles, MeshLabelsInSinglePrecision)
{
    const struct {
        float maille;
        const char* libelle;
    } cas[] = {
        {0.025f, "0.025"}, {0.05f, "0.05"}, {0.075f, "0.075"}, {0.1f, "0.1"}, {0.125f, "0.125"},
        {0.15f, "0.15"},   {0.2f, "0.2"},   {0.25f, "0.25"},   {0.3f, "0.3"}, {0.4f, "0.4"},
        {0.5f, "0.5"},     {0.75f, "0.75"}, {0.8f, "0.8"},     {1, "1.0"},    {1.2f, "1.2"},
        {1.25f, "1.25"},   {1.5f, "1.5"},   {2, "2.0"},        {2.5f, "2.5"}, {5, "5.0"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(sLibelleMaille(c.maille), c.libelle) << c.maille;
    // Every mesh of the catalogue reads back as itself.
    for (const TYPEDEF_MODELE* m = MODELES; m->libelleCourt; ++m)
        for (float maille : maillesModele(m->code))
            EXPECT_EQ(std::stof(sLibelleMaille(maille)), maille) << m->code;
}

TEST(MenusModeles, TheMeshesOfAModelWithoutEmptyOnes)
{
    std::vector<std::string> monde;
    for (float m : maillesModele(1))
        monde.push_back(sLibelleMaille(m));
    EXPECT_EQ(monde, (std::vector<std::string>{"0.125", "0.25", "0.5", "1.0", "1.5", "2.5"}));
    EXPECT_EQ(maillesModele(86).size(), 6u);
    // The wave rows offer no mesh: no button, nothing to divide by.
    EXPECT_TRUE(maillesModele(2).empty());
    EXPECT_TRUE(maillesModele(52).empty());
    EXPECT_TRUE(maillesModele(999).empty());
    // Two rows carry code 5: the last one's meshes.
    EXPECT_EQ(sLibelleMaille(maillesModele(5).front()), "0.25");
}

TEST(MenusModeles, ButtonsFlowInRowsUpTo227)
{
    std::vector<std::pair<int, int>> places;
    EXPECT_EQ(iDisposerBoutons({}, 10, 100, 21, places), 122);
    EXPECT_TRUE(places.empty());
    EXPECT_EQ(iDisposerBoutons({50, 60, 100, 30, 40}, 10, 100, 21, places), 143);
    EXPECT_EQ(places, (std::vector<std::pair<int, int>>{
                          {10, 100}, {61, 100}, {122, 100}, {10, 121}, {41, 121}}));
    // A button ending exactly at 227 stays on its row.
    iDisposerBoutons({100, 116}, 10, 0, 20, places);
    EXPECT_EQ(places[1], (std::pair<int, int>{111, 0}));
    // A button wider than the panel takes a row of its own, none empty.
    EXPECT_EQ(iDisposerBoutons({300, 300}, 10, 0, 20, places), 42);
    EXPECT_EQ(places, (std::vector<std::pair<int, int>>{{10, 0}, {10, 20}}));
}

namespace {

// Two Metareas of the Pacific, given east of 180 as their boxes are.
bool bBoiteTest(int famille, int numero, CadreZone& b)
{
    if (famille != PRODUIT_METAREA)
        return false;
    if (numero == 10)
        b = {5, -60, 140, 190};
    else if (numero == 14)
        b = {5, -70, 160, 240};  // given east of 180
    else
        return false;
    return true;
}

}  // namespace

TEST(ZonesProduits, ButtonsWhoseAreaMeetsTheFrameTurnBlack)
{
    classeBoutonImage x(0, 0, 10, 10, "X"), xiv(0, 0, 10, 10, "XIV"), autre(0, 0, 10, 10, "I");
    x.shortcut(10), xiv.shortcut(14), autre.shortcut(1);
    classeBoutonImage* boutons[] = {&x, &xiv, &autre, nullptr};
    // No area known yet: the buttons stay as they are.
    x.couleurHaut = FL_RED;
    vMarquerBoutonsProduits(boutons, PRODUIT_METAREA, {0, -10, -178, -172});
    EXPECT_EQ(x.couleurHaut, int(FL_RED));
    boiteProduit = bBoiteTest;
    vMarquerBoutonsProduits(boutons, PRODUIT_METAREA, {0, -10, -178, -172});
    EXPECT_EQ(x.couleurHaut, int(FL_BLACK));   // 140..190 is -220..-170
    EXPECT_EQ(xiv.couleurHaut, int(FL_BLACK));
    EXPECT_EQ(autre.couleurHaut, int(COLOR_BOUTONS_TEXTE));
    vMarquerBoutonsProduits(boutons, PRODUIT_METAREA, {60, 50, 0, 10});
    EXPECT_EQ(x.couleurHaut, int(COLOR_BOUTONS_TEXTE));
    EXPECT_EQ(xiv.couleurHaut, int(COLOR_BOUTONS_TEXTE));
    vMarquerBoutonsProduits(nullptr, PRODUIT_METAREA, {60, 50, 0, 10});
    boiteProduit = nullptr;
}
