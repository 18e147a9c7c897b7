// The forecast times and validities the request page offers, without a
// display: the run chosen by the hour and the weekday, the day rows and
// the past hours of the validities, the step selectors, the day labels
// and the course and speed a moving zone keeps; checked against lists
// and dates worked out by hand from the forecast-time catalogue.
#include "gribdata/echeances_reseau.h"
#include "gribdata/parametres.h"
#include "pages/regles_deplacement.h"
#include "pages/regles_echeances.h"
#include "transport/liste_codes.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

// Hours from `de` to `a` by `pas`, appended.
void vPlage(std::vector<int>& v, int de, int a, int pas)
{
    for (int h = de; h <= a; h += pas)
        v.push_back(h);
}

std::vector<int> plages(std::initializer_list<std::array<int, 3>> p)
{
    std::vector<int> v;
    for (const auto& x : p)
        vPlage(v, x[0], x[1], x[2]);
    return v;
}

bool bUtf8(const std::string& s)
{
    static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    return utf8 && std::mbstowcs(nullptr, s.c_str(), 0) != size_t(-1);
}

const ValiditeProposee* pValidite(const std::vector<ValiditeProposee>& v, int validite)
{
    for (const ValiditeProposee& b : v)
        if (b.validite == validite)
            return &b;
    return nullptr;
}

}  // namespace

// Model 8 is of group 1, Monde (1) of group 3, Mercator (10) of group 8,
// Vostel (43) of group 4.
TEST(Echeances, TheRunFollowsTheHourAndModel10TheWeekday)
{
    const struct {
        int code, heure, jour, run;
        std::vector<int> echeances;
    } cas[] = {
        {8, 10, 1, 0, plages({{0, 12, 1}, {15, 54, 3}})},
        {8, 3, 1, -6, plages({{0, 12, 1}, {15, 36, 3}})},
        {8, 23, 1, 18, plages({{0, 12, 1}, {15, 36, 3}})},
        {8, 12, 1, 6, plages({{0, 12, 1}, {15, 48, 3}})},
        {8, 15, 1, 12, plages({{0, 12, 1}, {15, 42, 3}})},
        {1, 8, 1, -12, plages({{0, 120, 3}, {126, 240, 6}})},
        {1, 21, 1, 12, plages({{0, 120, 3}, {126, 240, 6}})},
        {43, 10, 1, 0, plages({{0, 54, 3}, {60, 102, 6}})},
        {43, 11, 1, 6, plages({{0, 54, 3}, {60, 72, 6}})},
        {10, 12, 3, -168, plages({{24, 240, 24}})},  // a Wednesday
        {10, 12, 4, -24, plages({{24, 240, 24}})},   // a Thursday
        {10, 12, 0, -96, plages({{24, 240, 24}})},   // a Sunday
    };
    for (const auto& c : cas) {
        const ChoixReseau r = choixReseau(c.code, c.heure, c.jour);
        EXPECT_TRUE(r.trouve) << c.code << " " << c.heure;
        EXPECT_EQ(r.run, c.run) << c.code << " " << c.heure;
        EXPECT_EQ(r.echeances, c.echeances) << c.code << " " << c.heure;
    }
    EXPECT_FALSE(choixReseau(999, 10, 1).trouve);
    EXPECT_TRUE(choixReseau(999, 10, 1).echeances.empty());
    // Model 10 on a Wednesday offers only the times of today and later.
    EXPECT_EQ(echeancesProposees(choixReseau(10, 12, 3), 10),
              (std::vector<int>{168, 192, 216, 240}));
    EXPECT_EQ(echeancesProposees(choixReseau(1, 10, 3), 1).size(), 61u);
}

TEST(Echeances, EveryListIsRisingAndEndsInItsRoom)
{
    for (int g = 0; g < NOMBRE_RESEAUX; ++g) {
        const TYPEDEF_RESEAU& r = ECHEANCES_RESEAU[g];
        EXPECT_TRUE(r.nombre == 1 || r.nombre == 2 || r.nombre == 4) << g;
        for (int k = 0; k < RESEAU_RUNS; ++k) {
            int n = 0;
            while (n < RESEAU_ECHEANCES && r.echeances[k][n] >= 0)
                ++n;
            ASSERT_LT(n, RESEAU_ECHEANCES) << g << " " << k;
            EXPECT_EQ(r.echeances[k][n], -1);
            for (int i = 1; i < n; ++i)
                EXPECT_LT(r.echeances[k][i - 1], r.echeances[k][i]) << g << " " << k;
            // The previous day's last run and each run of the day have a
            // list; a model run once a day has one.
            EXPECT_EQ(n > 0, k <= (r.nombre == 1 ? 0 : r.nombre)) << g << " " << k;
        }
    }
    EXPECT_EQ(ECHEANCES_RESEAU[10].echeances[2][64], 192);  // 0 to 192 by 3
}

TEST(Echeances, ValiditiesStartARowEachDayAndDisableTodaysPastHours)
{
    // Model 8 at 03 h: the run of 18 h the day before, R = -6.
    const ChoixReseau r = choixReseau(8, 3, 1);
    const std::vector<ValiditeProposee> v = validitesProposees(r, 8, 3);
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v.front().validite, 0);  // forecast time 6
    EXPECT_EQ(v.front().numero, 0);
    EXPECT_TRUE(v.front().ligne);
    EXPECT_EQ(v.front().jour, 0);
    const ValiditeProposee* demain = pValidite(v, 24);  // forecast time 30
    ASSERT_NE(demain, nullptr);
    EXPECT_TRUE(demain->ligne);
    EXPECT_EQ(demain->jour, 1);
    EXPECT_EQ(demain->heure, 0);
    int lignes = 0;
    for (const ValiditeProposee& b : v)
        lignes += b.ligne;
    EXPECT_EQ(lignes, 2);  // validities 0 to 30
    EXPECT_EQ(sLibelleJour("Jour", 0), " Jour ");
    EXPECT_EQ(sLibelleJour("Jour", demain->jour), "Jour+1");

    // Monde at 10 h (R = 0): an hour before 10 is disabled while the next
    // time of the list is before 10 as well.
    const std::vector<ValiditeProposee> m = validitesProposees(choixReseau(1, 10, 1), 1, 10);
    for (const auto& [heure, inactive] : std::vector<std::pair<int, bool>>{
             {0, true}, {3, true}, {6, true}, {9, false}, {12, false}, {24, false}})
        EXPECT_EQ(pValidite(m, heure)->inactive, inactive) << heure;
    // The end of a list counts as -1.
    ChoixReseau court;
    court.trouve = true;
    court.echeances = {0, 5};
    const std::vector<ValiditeProposee> c = validitesProposees(court, 43, 10);
    EXPECT_TRUE(c[0].inactive);
    EXPECT_TRUE(c[1].inactive);
    // Model 10 carries its forecast times, not its validities.
    const std::vector<ValiditeProposee> w = validitesProposees(choixReseau(10, 12, 3), 10, 12);
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[0].numero, 168);
    EXPECT_EQ(w[0].validite, 0);
    EXPECT_EQ(w[3].numero, 240);
    EXPECT_EQ(w[3].jour, 3);
}

TEST(Echeances, StepsPressTheirMultiplesAndRazNone)
{
    std::vector<int> presses;
    for (int t = 0; t <= 12; ++t)
        if (bPresseParPas(t, 6, true))
            presses.push_back(t);
    EXPECT_EQ(presses, (std::vector<int>{0, 6, 12}));
    const struct {
        int numero, pas;
        bool actif, presse;
    } cas[] = {
        {9, 3, true, true},   {9, 6, true, false}, {24, 12, true, true}, {7, -1, true, true},
        {7, -1, false, false}, {12, 3, false, false}, {0, 0, true, false}, {6, 0, true, false},
    };
    for (const auto& c : cas)
        EXPECT_EQ(bPresseParPas(c.numero, c.pas, c.actif), c.presse) << c.numero << " " << c.pas;
}

TEST(Echeances, DayLabelsHoldInTheirRoomWhateverTheTranslation)
{
    EXPECT_EQ(sLibelleJour("Tag", 3), "Tag+3");
    EXPECT_EQ(sLibelleJour("D\xC3\xAD" "a", 0), " D\xC3\xAD" "a ");
    // 40 bytes of two-byte letters: cut between two letters, the day kept.
    std::string long_;
    for (int i = 0; i < 20; ++i)
        long_ += "\xC3\xA9";
    for (int jour : {0, 1, 10}) {
        const std::string l = sLibelleJour(long_.c_str(), jour);
        EXPECT_LT(l.size(), size_t(LIBELLE_JOUR)) << jour;
        EXPECT_TRUE(bUtf8(l)) << jour;
        if (jour) {
            EXPECT_EQ(l.substr(l.find('+')), "+" + std::to_string(jour));
        }
    }
    EXPECT_EQ(sLibelleJour(long_.c_str(), 1), "\xC3\xA9\xC3\xA9+1");
    EXPECT_EQ(sLibelleJour(nullptr, 2), "+2");
}

TEST(Echeances, TheRequestsTimesAreReadAsWholeNumbers)
{
    ListeCodes l;
    l.bAjouter("12");
    l.bAjouter("030");
    l.bAjouter("x");
    EXPECT_TRUE(bTempsDemande(l, 12));
    EXPECT_TRUE(bTempsDemande(l, 30));
    EXPECT_FALSE(bTempsDemande(l, 0));
    EXPECT_FALSE(bTempsDemande(ListeCodes(), 0));
}

TEST(Parametres, TheModelsNamesCarryTheirGribNumbers)
{
    const struct {
        const char* nom;
        int numero;
    } cas[] = {{"Vent", 33},     {"Pmer", 2},         {"Tmer", 11},   {"Pluie", 61},
               {"Mer totale", 200}, {"Mer du vent", 101}, {"Houle", 104}, {"Houle1", 107},
               {"Houle2", 109},  {"Courant", 49},     {"Tprof", 80},  {"PMER", 2},
               {"Brouillard", 0}, {nullptr, 0}};
    for (const auto& c : cas)
        EXPECT_EQ(iNumeroParametre(c.nom), c.numero) << (c.nom ? c.nom : "null");
}

TEST(Deplacement, TypedCourseAndSpeedAreKeptInTheFieldsRanges)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // The course held before is 45.
    const struct {
        double cap, vitesse, capRetenu, vitesseRetenue;
        bool mobile;
    } cas[] = {
        {270.9, 12.3, 270, 12.3, true},     {0, 5, 0, 5, true},          {45, 0, 45, 0, true},
        {0, 0, 0, 0, false},                {nan, nan, 0, 0, false},     {inf, -inf, 0, 0, false},
        {-10, -3, 0, 0, false},             {-45, 0.04, 0, 0, false},    {400, 250, 45, 99.9, true},
        {359.99, 0.05, 359, 0.1, true},     {360, 99.9, 45, 99.9, true}, {720.5, 100, 45, 99.9, true},
        {1e300, 12.25, 45, 12.2, true},
    };
    for (const auto& c : cas) {
        const CapVitesse r = capVitesseRetenus(c.cap, c.vitesse, 45);
        EXPECT_NEAR(r.cap, c.capRetenu, 1e-9) << c.cap;
        EXPECT_DOUBLE_EQ(r.vitesse, c.vitesseRetenue) << c.vitesse;
        EXPECT_EQ(r.bMobile(), c.mobile) << c.cap << " " << c.vitesse;
    }
}
