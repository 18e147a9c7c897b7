// The routes file etc/routes.txt in a scratch working folder: its grammar,
// damaged and hostile files, and saves that never lose the file.
#include "routes/classe_route.h"
#include "routes/duree.h"
#include "routes/route_exemple.h"
#include "routes/routes.h"

#include "tests/outils/outils_test.h"
#include "tests/routes/outils_routes.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string EXEMPLE = "@routes\n"
                            "Traversee\n"
                            "1 -2 3 4278190080 1 2 1 0 1\n"
                            "1700000000 48.750000 -64.120000\n"
                            "1700172800 44.000000 -52.000000\n"
                            "1700777600 49.500000 -5.000000\n"
                            "@fin\n"
                            "@fin\n"
                            "0 0 0 49 2 3 0 1 0\n"
                            "1700000000 -33.900000 151.200000\n"
                            "@fin\n"
                            "@end\n";

class FichierRoutes : public ::testing::Test {
protected:
    FichierRoutes() : ici(dossier.chemin()), journal(dossier.chemin() + "/journal.txt")
    {
        mkdir("etc", 0700);
    }

    // The routes' names, one per line.
    std::string noms()
    {
        std::string s;
        for (routes.courant = routes.premier; routes.courant;
             routes.courant = routes.courant->suivant)
            s += std::string(routes.courant->route->nom) + "\n";
        return s;
    }

    int lire(const std::string& contenu)
    {
        ecrireFichier("etc/routes.txt", contenu);
        return routes.load();
    }

    DossierTemporaire dossier;
    DossierCourant ici;
    JournalTemporaire journal;
    Routes routes;
};

}  // namespace

TEST_F(FichierRoutes, TheExampleReadsAndRewritesByteForByte)
{
    for (const std::string fins : {"\n", "\r\n", "\r\r\n"}) {
        std::string texte = EXEMPLE;
        for (size_t i = 0; (i = texte.find('\n', i)) != std::string::npos; i += fins.size())
            texte.replace(i, 1, fins);
        ASSERT_EQ(lire(texte), 1) << journal.contenu();
        EXPECT_EQ(noms(), "Traversee\n@fin\n");
        EXPECT_EQ(routes.save(), 1);
        EXPECT_TRUE(memesOctets(lireFichier("etc/routes.txt"), EXEMPLE));
    }
    const classeRoute* r = routes.premier->route;
    EXPECT_EQ(r->actif, -2);
    EXPECT_EQ(unsigned(r->couleur), 4278190080u);
    EXPECT_EQ(r->dernierNumero, 2);
    EXPECT_EQ(routes.premier->suivant->route->style, 2);
    EXPECT_EQ(routes.premier->suivant->route->taille, 3);
    EXPECT_FALSE(existe("etc/routes.txt.tmp"));
    EXPECT_FALSE(existe("etc/routes.txt.bak"));
}

TEST_F(FichierRoutes, ReadingRules)
{
    const std::string nom127(127, 'n'), nom128(128, 'n'), tete = "@routes\nA\n1 0 0 49 0 0\n";
    const struct {
        std::string contenu;
        int lu;
        std::string noms;
        int positions;  // of the last route
    } cas[] = {
        {"", 1, "", 0},
        {"@routes\n@end\n", 1, "", 0},
        {"@routes \n@end\n", 0, "", 0},
        {tete + "@fin\n@end\n", 1, "A\n", 0},
        {"@routes\nA\n1 3 0 49 0\n1700000000 1 1\n@fin\n@end\n", 0, "A\n", 0},
        {"@routes\n" + nom127 + "\n0 0 0 49 0 0\n@fin\n@end\n", 1, nom127 + "\n", 0},
        {"@routes\n" + nom128 + "\n0 0 0 49 0 0\n@fin\n@end\n", 0, "", 0},
        {tete + "1700000000 1 1\n1700086400 2\n@fin\n@end\n", 0, "A\n", 1},
        {tete + "1700000000 nan 1\n@fin\n@end\n", 0, "A\n", 0},
        {tete + "1700000000 1 inf\n@fin\n@end\n", 0, "A\n", 0},
        {tete + "1700000000 95 1\n@fin\n@end\n", 0, "A\n", 0},
        {tete + "1700000000 1 1\n" + std::string(600, '1') + "\n@fin\n@end\n", 0, "A\n", 1},
        {tete + std::string("1700000000 1 1\x00", 15) + "\n@fin\n@end\n", 0, "A\n", 0},
        {tete + "@fin\nB\n0 0 0 49 0 0\n@fin\n", 0, "A\nB\n", 0},
        {tete + "@fin\n@end\nB\n0 0 0 49 0 0\n@fin\n@end\n", 1, "A\n", 0},
        {tete + "1700000000 1 1\n", 0, "A\n", 1},
        // Legs of absurd length are dated at once, however far.
        {tete + "0 1 1\n0 1 -649120000\n0 1 1e300\n0 -1 -1e300\n@fin\n@end\n", 1, "A\n", 4},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(lire(c.contenu), c.lu) << c.contenu.substr(0, 80);
        EXPECT_EQ(noms(), c.noms) << c.contenu.substr(0, 80);
        if (routes.premier) {
            classeRoute* r = routes.premier->route;
            const structureRoute* derniere = routes.premier;
            while (derniere->suivant)
                derniere = derniere->suivant;
            const classeRoute* d = derniere->route;
            EXPECT_EQ(d->premier ? d->dernierNumero + 1 : 0, c.positions)
                << c.contenu.substr(0, 80);
            if (c.contenu == tete + "@fin\n@end\n") {
                EXPECT_TRUE(r->texte == 0 && r->vitesseFixe == 1 && r->histogramme == 0);
            }
            if (c.contenu.find("\n1 3 0 49 0\n") != std::string::npos) {  // five numbers
                EXPECT_TRUE(r->visible == 0 && r->actif == 0 && r->couleur == 49);
            }
        }
    }
    // One line per failed read, with its number and reason.
    EXPECT_NE(journal.contenu().find("<ROUTE> etc/routes.txt ligne 5: ligne de plus de 511"),
              std::string::npos)
        << journal.contenu();
    EXPECT_NE(journal.contenu().find("ligne 8: fin de fichier inattendue"), std::string::npos);
}

namespace {

size_t lignesJournal(const std::string& journal, const std::string& texte)
{
    size_t n = 0;
    for (size_t i = 0; (i = journal.find(texte, i)) != std::string::npos; i += texte.size())
        ++n;
    return n;
}

}  // namespace

// Attributes no route window gives are brought within what it offers, one
// log line per value; the routes around them are read as they stand.
TEST_F(FichierRoutes, AttributesOutOfRangeAreClampedAndLogged)
{
    const struct {
        std::string ligne;
        int attendus[9];  // visible, actif, symbole, couleur, style, taille, texte, fixe, hist.
        int changes;
    } cas[] = {
        {"1 0 0 49 0 1000000 0 0 0", {1, 0, 0, 49, 0, 3, 0, 0, 0}, 1},
        {"-4 0 -1 49 7 -3 2 5 -9", {0, 0, 0, 49, 2, 0, 1, 1, 0}, 7},
        {"1 -2147483648 40 49 0 0 1 1 1", {1, -2, 12, 49, 0, 0, 1, 1, 1}, 2},
        {"1 99 0 49 0 0", {1, -2, 0, 49, 0, 0, 0, 1, 0}, 1},
        {"1 0 0 4294967295 0 0 0 0 0", {1, 0, 0, int(0xFFFFFF00u), 0, 0, 0, 0, 0}, 1},
        {"1 2 12 56 2 3 1 1 1", {1, -2, 12, 56, 2, 3, 1, 1, 1}, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        const std::string avant = journal.contenu();
        ASSERT_EQ(lire("@routes\nA\n1 0 0 49 0 0\n@fin\nB\n" + c.ligne +
                       "\n1700000000 45 -10\n1700003600 45 -9\n@fin\n"
                       "C\n0 0 0 49 1 2\n@fin\n@end\n"),
                  1);
        ASSERT_EQ(noms(), "A\nB\nC\n");
        const classeRoute* b = routes.premier->suivant->route;
        const int lus[9] = {b->visible, b->actif, b->symbole, b->couleur, b->style,
                            b->taille, b->texte, b->vitesseFixe, b->histogramme};
        EXPECT_EQ(std::vector<int>(lus, lus + 9), std::vector<int>(c.attendus, c.attendus + 9));
        EXPECT_EQ(b->dernierNumero, 1);
        const std::string lignes = journal.contenu().substr(avant.size());
        EXPECT_EQ(lignesJournal(lignes, "<ROUTE> etc/routes.txt ligne 6, route B: "),
                  size_t(c.changes))
            << lignes;
        EXPECT_EQ(routes.premier->suivant->suivant->route->taille, 2);
        // Written back, it reads without a change.
        ASSERT_EQ(routes.save(), 1);
        ASSERT_EQ(routes.load(), 1);
        EXPECT_EQ(journal.contenu().size(), avant.size() + lignes.size());
    }
    EXPECT_NE(journal.contenu().find("route B: taille 1000000 devient 3\n"), std::string::npos);
    EXPECT_NE(journal.contenu().find("route B: couleur 4294967295 devient 4294967040\n"),
              std::string::npos);
    // A name reaches the log escaped, and the route keeps it as written.
    const std::string nom = "Cap\x1B[2J \xE9t\xC3\xA9 \\";
    ASSERT_EQ(lire("@routes\n" + nom + "\n0 0 0 49 0 9\n@fin\n@end\n"), 1);
    EXPECT_EQ(routes.premier->route->nom, nom);
    EXPECT_NE(journal.contenu().find("route Cap\\x1B[2J \\xE9t\xC3\xA9 \\x5C: taille 9 devient"),
              std::string::npos);
}

// Dates past 2106, near it, and moved past it by the one-hour rule come
// back where they were; dates before 1970 or past the model's last one are
// brought within them, logged.
TEST_F(FichierRoutes, DatesPast2106AreWrittenWholeAndReadBack)
{
    const struct {
        std::string positions;
        std::vector<long> dates;
        std::string journal;
    } cas[] = {
        {"4294970895 45 -10\n", {4294970895L}, ""},
        {"4294967000 45 -10\n4294967000 45 -9\n", {4294967000L, 4294970600L}, ""},
        {"4294967295 45 -10\n4294967296 45 -9\n", {4294967295L, 4294970896L}, ""},
        {"1700000000 45 -10\n", {1700000000L}, ""},
        {"-5 45 -10\n", {0}, "ligne 4: date -5 devient 0\n"},
        {"99999999999999999999 45 -10\n", {DATE_ROUTE_MAX},
         "ligne 4: date 99999999999999999999 devient 32000000000000\n"},
        {"32000000000000 45 -10\n0 45 100\n", {DATE_ROUTE_MAX, DATE_ROUTE_MAX + 3600}, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.positions);
        ASSERT_EQ(lire("@routes\nA\n1 0 0 49 0 0\n" + c.positions + "@fin\n@end\n"), 1);
        std::vector<long> lues;
        for (const structurePosition* p = routes.premier->route->premier; p; p = p->suivant)
            lues.push_back(long(p->position->date));
        EXPECT_EQ(lues, c.dates);
        if (!c.journal.empty()) {
            EXPECT_NE(journal.contenu().find(c.journal), std::string::npos) << journal.contenu();
        }
        ASSERT_EQ(routes.save(), 1);
        EXPECT_NE(lireFichier("etc/routes.txt").find(std::to_string(c.dates.back()) + " 45.0"),
                  std::string::npos);
        ASSERT_EQ(routes.load(), 1);
        std::vector<long> relues;
        for (const structurePosition* p = routes.premier->route->premier; p; p = p->suivant)
            relues.push_back(long(p->position->date));
        EXPECT_EQ(relues, c.dates);
    }
}

// Every truncation and every single changed byte of the example reads
// without a fault (the suite runs under AddressSanitizer too), and what is
// read is written back readable.
TEST_F(FichierRoutes, DamagedExamplesReadSafely)
{
    for (size_t n = 0; n <= EXEMPLE.size(); ++n)
        lire(EXEMPLE.substr(0, n));
    for (size_t i = 0; i < EXEMPLE.size(); ++i)
        for (char octet : {'\0', '\n', '\r', '-', '9', 'x', '@', '\xff'}) {
            std::string texte = EXEMPLE;
            texte[i] = octet;
            lire(texte);
        }
    lire(EXEMPLE.substr(0, 60));
    ASSERT_EQ(routes.save(), 1);
    EXPECT_EQ(routes.load(), 1);
}

TEST_F(FichierRoutes, AFailedReadIsKeptBeforeTheNextSaveReplacesIt)
{
    const std::string abime = EXEMPLE.substr(0, 90), autre = "@routes\nZ\n";
    EXPECT_EQ(lire(abime), 0);
    EXPECT_EQ(routes.save(), 1);
    EXPECT_EQ(lireFichier("etc/routes.txt.bak"), abime);
    EXPECT_NE(journal.contenu().find("garde sous etc/routes.txt.bak\n"), std::string::npos);
    EXPECT_EQ(routes.load(), 1);  // what was read is written whole
    EXPECT_EQ(noms(), "Traversee\n");
    EXPECT_EQ(routes.save(), 1);
    EXPECT_FALSE(existe("etc/routes.txt.bak1"));  // nothing failed since

    EXPECT_EQ(lire(autre), 0);
    EXPECT_EQ(routes.save(), 1);
    EXPECT_EQ(lireFichier("etc/routes.txt.bak"), abime);
    EXPECT_EQ(lireFichier("etc/routes.txt.bak1"), autre);

    // A link stays a link: its target is replaced, and kept when bad.
    ecrireFichier("vrai.txt", "@routes\nY\n");
    ASSERT_EQ(unlink("etc/routes.txt"), 0);
    ASSERT_EQ(symlink("../vrai.txt", "etc/routes.txt"), 0);
    EXPECT_EQ(routes.load(), 0);
    EXPECT_EQ(routes.save(), 1);
    struct stat st;
    ASSERT_EQ(lstat("etc/routes.txt", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(lireFichier("vrai.txt"), "@routes\nY\n0 0 0 49 0 0 0 0 0\n@fin\n@end\n");
    EXPECT_EQ(lireFichier("etc/routes.txt.bak2"), "@routes\nY\n");
}

TEST_F(FichierRoutes, FailedSavesLeaveTheFileAsItWas)
{
    ASSERT_EQ(lire(EXEMPLE), 1);
    for (int i = 0; i < 400; ++i)
        routes.premier->route->append(long(1700800000 + i * 86400), 49.5, -5.0 + i * 0.01);

    // The disk fills midway: a child process with a small file size limit.
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit limite{4096, 4096};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limite);
        _exit(10 + routes.save());
    }
    int etat = 0;
    ASSERT_EQ(waitpid(pid, &etat, 0), pid);
    ASSERT_TRUE(WIFEXITED(etat));
    EXPECT_EQ(WEXITSTATUS(etat), 10);

    // A folder in the way of the temporary file.
    ASSERT_EQ(mkdir("etc/routes.txt.tmp", 0700), 0);
    EXPECT_EQ(routes.save(), 0);
    EXPECT_NE(journal.contenu().find("<ROUTE> ecriture impossible de etc/routes.txt.tmp"),
              std::string::npos)
        << journal.contenu();
    ASSERT_EQ(rmdir("etc/routes.txt.tmp"), 0);
    EXPECT_TRUE(memesOctets(lireFichier("etc/routes.txt"), EXEMPLE));
    EXPECT_FALSE(existe("etc/routes.txt.tmp"));

    // No etc/ at all: nothing written, the routes unharmed.
    ASSERT_EQ(std::system("rm -r etc"), 0);
    EXPECT_EQ(routes.save(), 0);
    EXPECT_EQ(routes.premier->route->dernierNumero, 402);
    EXPECT_EQ(routes.load(), 0);
    EXPECT_EQ(noms(), "Traversee\n@fin\n");
}

TEST_F(FichierRoutes, TheSampleRouteAndComputedPositions)
{
    routes.append(pRouteExemple());
    classeRoute* r = routes.premier->route;
    r->actif = 2;
    r->append(long(r->position(3)->date + 3600), 48.6, -1.7);
    r->position(4)->type = 0;
    ASSERT_EQ(routes.save(), 1);
    ASSERT_EQ(routes.load(), 1);
    r = routes.premier->route;
    EXPECT_STREQ(r->nom, "Nom du bateau ou du phenomene");
    EXPECT_EQ(r->dernierNumero, 3);
    EXPECT_EQ(r->actif, -2);
    EXPECT_EQ(r->texte, 1);
    EXPECT_EQ(r->position(3)->latitude, 48.62);
}

// Legs written 170 to -170 (by hand, by another tool) are the short ones,
// their dates as written; saves write the longitudes unwrapped.
TEST_F(FichierRoutes, LegsWrittenAcrossTheDateLineAreTheShortOnes)
{
    const std::pair<std::string, double> legs[] = {{"60 170\n1700086400 60 -170", 190},
                                                   {"50 175\n1700086400 55 -175", 185},
                                                   {"-10 -175\n1700086400 -12 178", -182}};
    std::string fichier = "@routes\n";
    for (const auto& [leg, deroulee] : legs)
        fichier += "R\n0 0 0 49 0 0\n1700000000 " + leg + "\n@fin\n";
    ASSERT_EQ(lire(fichier + "@end\n"), 1);
    const structureRoute* c = routes.premier;
    for (const auto& [leg, deroulee] : legs) {
        const std::vector<classePosition> v = positions(*c->route);
        EXPECT_EQ(v[1].longitude, deroulee) << leg;
        EXPECT_EQ(v[1].date, 1700086400) << leg;
        c = c->suivant;
    }
    // 20 degrees of longitude at 60 N.
    EXPECT_NEAR(positions(*routes.premier->route)[1].loxo, 600, 1e-6);
    ASSERT_EQ(routes.save(), 1);
    const std::string ecrit = lireFichier("etc/routes.txt");
    EXPECT_NE(ecrit.find("1700086400 60.000000 190.000000\n"), std::string::npos) << ecrit;
    ASSERT_EQ(routes.load(), 1);
    ASSERT_EQ(routes.save(), 1);
    EXPECT_EQ(lireFichier("etc/routes.txt"), ecrit);
}

TEST_F(FichierRoutes, ALargeFileReadsWithoutWalkingItsListsOver)
{
    const int n = 20000;
    std::string f = "@routes\nLongue\n0 0 0 49 0 0\n";
    for (int i = 0; i < n; ++i)
        f += std::to_string(1700000000L + 3600L * i) + " 45 " + (i % 2 ? "0.01\n" : "0\n");
    const long avant = PasDeListes;
    ASSERT_EQ(lire(f + "@fin\n@end\n"), 1);
    EXPECT_LT(PasDeListes - avant, n);
    EXPECT_EQ(routes.premier->route->position(n - 1)->date, 1700000000L + 3600L * (n - 1));
}
