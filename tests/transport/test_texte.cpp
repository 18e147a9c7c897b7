// The request text byte for byte, and the zone and domain rules behind it.
#include "tests/transport/requete_test.h"

#include "transport/http.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const std::string GRIB = "@mto@reqt@grib@\nA 1\nZ 0.000 0.000 2.000 2.000\nM 0.25\nD monde\n"
                         "P vent \nG 18 24 30 36 \n";
const std::string FIN = "s qb2cl\n@mto@reqt@fin@\n";

struct Rendu {
    const char* nom;
    std::function<void(requete& g, requete& b)> faire;
    bool bulletin;
    std::string attendu;
};

}  // namespace

TEST_F(RequeteTest, RendersTheTextTheServiceReads)
{
    auto monde = [](requete& g) { g.vSetDomaine(1); };
    const Rendu cas[] = {
        {"fresh", [](requete&, requete&) {}, false, ""},
        {"domain", [&](requete& g, requete&) { monde(g); }, false, GRIB + "C bzip2\n" + FIN},
        {"land", [&](requete& g, requete&) { monde(g), g.vSetTerreMer("0"); }, false,
         GRIB + "C bzip2\nF 0\n" + FIN},
        {"no compression", [&](requete& g, requete&) { monde(g), g.vUnsetCompression(); }, false,
         GRIB + FIN},
        {"times", [&](requete& g, requete&) {
             monde(g), g.modeValidites = 0, g.vSetCapVitesse(270, 12.34), g.vSetCompression("gzip");
         }, false, GRIB.substr(0, GRIB.find("G ")) + "E 6 12 18 24 \nV 270 12.3\nC gzip\n" + FIN},
        {"A 0", [&](requete& g, requete&) { monde(g), g.vSetAutomatisation("0"); }, false,
         "@mto@reqt@grib@\nA 0\n" + FIN},
        {"package", [&](requete& g, requete&) { monde(g), g.vSetAbonnement(4500); }, false,
         "@mto@reqt@forfait@\nA 1\nZ 0.000 0.000 2.000 2.000\nF 4\nD monde\n" + FIN},
        {"bulletin", [](requete&, requete& b) { b.vSetObjet("GMDSS_METAREA1"), b.vSetObjet("SAT"); },
         true, "@mto@reqt@bull@\nGMDSS_METAREA1\nSAT\n@mto@reqt@fin@\n"},
        {"bulletin A 3", [](requete&, requete& b) { b.vSetObjet("X"), b.vSetAutomatisation("3"); },
         true, "@mto@reqt@bull@\nA 3\nX\n@mto@reqt@fin@\n"},
        {"system", [](requete& g, requete&) { g.vSetSysteme(); }, false, "@mto@reqt@sys@infos"},
    };
    for (const Rendu& c : cas) {
        Fl_Text_Buffer tg, tb;
        requete g(&tg, 0), b(&tb, 1);
        c.faire(g, b);
        EXPECT_EQ(texte(c.bulletin ? tb : tg), c.attendu) << c.nom;
    }
}

// "A 0" and the modes that are no request leave the recapitulation alone;
// a bulletin request shows its Ko and no cost.
TEST_F(RequeteTest, OnlyARenderedRequestRefreshesTheRecapitulation)
{
    grib.vSetAutomatisation("0");
    grib.vSetDomaine(1);
    grib.vSetSysteme();
    EXPECT_EQ(recapGrib.appels, 0);
    bulletin.vSetObjet("A");
    bulletin.vSetObjet("B");
    EXPECT_EQ(recapBulletin.volume + " " + recapBulletin.cout, "10.000 0");
    bulletin.vFreeObjets();
    bulletin.vEcrire(0);
    EXPECT_EQ(texte(tamponBulletin), "@mto@reqt@bull@\n@mto@reqt@fin@\n");
    EXPECT_EQ(recapBulletin.volume, "0.000");
}

TEST_F(RequeteTest, ZonesSnapToTheModelGrid)
{
    grib.iSetZone(10, 0, 170, 200);
    EXPECT_EQ(grib.ligneZone, "Z -175.000 5.000 30.000 10.000");

    grib.vSetDomaine(43);  // mesh 0.5, domain north 90
    struct {
        double n, s, w, e, N, S, W, E;
    } cas[] = {
        {10.3, 0.1, 0.2, 10.1, 10.5, 0.5, 0, 10},
        {10.3, 10.2, 3.1, 3.2, 10.5, 10, 3, 3.5},  // thinner than half a mesh: one mesh
    };
    for (auto c : cas) {
        grib.vZone(c.n, c.s, c.w, c.e);
        EXPECT_EQ(std::vector<double>({c.n, c.s, c.w, c.e}),
                  std::vector<double>({c.N, c.S, c.W, c.E}));
        EXPECT_EQ(grib.dGetZone('n') + grib.dGetZone('s') + grib.dGetZone('x'), c.N + c.S);
    }
}

TEST_F(RequeteTest, DomainsByNameOrNumber)
{
    Fl_Text_Buffer t;
    requete par43(&t, 0);
    par43.vSetDomaine(43);
    grib.vSetDomaine("vostel");
    EXPECT_EQ(texte(tamponGrib), texte(t));
    grib.vSetDomaine("77");
    EXPECT_EQ(grib.ligneDomaine + " " + grib.ligneMaille, "D 77 M 0.5");

    // The world at 0.125 is the high-resolution world, only for "monde".
    const std::pair<int, const char*> cas[] = {{1, "D mondehr"}, {5, "D europe"}};
    for (auto [id, attendu] : cas) {
        grib.vSetDomaine(id);
        grib.vSetMaille("0.125");
        EXPECT_EQ(grib.ligneDomaine, attendu);
    }
    grib.vSetMaille("0.25");
    grib.vSetDomaine(1);
    grib.vSetMaille("0.25");
    EXPECT_EQ(grib.ligneDomaine, "D monde");

    grib.vSetAbonnement(4500);
    EXPECT_EQ(grib.ligneForfait + grib.parametres.texte(" ", "") + grib.echeances.texte(" ", "") +
                  " " + grib.ligneTerre,
              "F 4 pmer 3 F 0");
    EXPECT_EQ(grib.maille, 0.25);
}

// A mesh that is not a number or not above 0 changes nothing (it divided
// by zero); a list past 128 keeps its first 128 and the program goes on.
TEST_F(RequeteTest, BadMeshesAndLongListsAreRefused)
{
    grib.vSetDomaine(1);
    const std::string avant = texte(tamponGrib);
    for (const char* m : {"abc", "0", "-1", "inf", "nan", "0.5x", "0.00000000001", ""})
        grib.vSetMaille(m);
    grib.vSetMaille(0.0);
    EXPECT_EQ(texte(tamponGrib), avant);
    EXPECT_EQ(grib.maille, 0.25);
    EXPECT_NE(journal().find("<requete> maille refusee: abc"), std::string::npos);

    std::vector<std::string> mots(200, "6");
    std::vector<const char*> liste;
    for (const std::string& m : mots)
        liste.push_back(m.c_str());
    liste.push_back(nullptr);
    grib.vSetEcheances(liste.data());
    EXPECT_EQ(grib.echeances.iNombre(), 128);
    EXPECT_NE(journal().find("<requete> FATAL: Nombre d'\xC3\xA9" "cheances > 128"), std::string::npos);
}

// A centre a hair either side of zero, as a snapped zone leaves it, is
// written "0.000" in the text, the query and the saved request.
TEST_F(RequeteTest, ACentreThatRoundsToZeroHasNoSign)
{
    const double e = 1e-12;
    struct {
        double n, s, w, ouest;
        const char* zone;
        const char* dimensions;
    } cas[] = {
        {46, 44, -10 - e, 10, "Z 0.000 45.000 20.000 2.000", "dimensions 45.000000 0.000000"},
        {46, 44, -10 + e, 10, "Z 0.000 45.000 20.000 2.000", "dimensions 45.000000 0.000000"},
        {1, -1 - e, 20, 30, "Z 25.000 0.000 10.000 2.000", "dimensions 0.000000 25.000000"},
        {1 + e, -1, 20, 30, "Z 25.000 0.000 10.000 2.000", "dimensions 0.000000 25.000000"},
        {1, -1 - e, -2 * e, e, "Z 0.000 0.000 0.000 2.000", "dimensions 0.000000 0.000000"},
    };
    for (const auto& c : cas) {
        Fl_Text_Buffer t;
        requete r(&t, 0);
        r.vSetDomaine(1);
        ASSERT_EQ(r.iSetZone(c.n, c.s, c.w, c.ouest), 0);
        const std::string z = std::string(c.zone) + "\n";
        EXPECT_NE(texte(t).find("\n" + z), std::string::npos) << texte(t);
        std::unique_ptr<char[]> q(formatRequeteHttp(texte(t).c_str(), "a@b.c", nullptr));
        std::string tilde = c.zone;
        std::replace(tilde.begin(), tilde.end(), ' ', '~');
        EXPECT_NE(std::string(q.get()).find("!" + tilde + "!"), std::string::npos) << q.get();
        const std::string corps = r.instantane().corps;
        EXPECT_EQ(corps.rfind(c.dimensions, 0), 0u) << corps;
        EXPECT_EQ(corps.find("-0.000"), std::string::npos) << corps;
    }
}
