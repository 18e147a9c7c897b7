// The message catalogue: the file format, its line ends, the look-ups and
// what a missing or refused file leaves; the data folders found missing.
#include "ui/local.h"

#include "tests/outils/disque_plein.h"
#include "tests/outils/outils_test.h"
#include "ui/donnees_absentes.h"

#include "gribdata/fichiers.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A working folder holding loc/messages.<code>.mac files.
class Catalogue : public ::testing::Test {
protected:
    Catalogue() : ici(dossier.chemin())
    {
        std::filesystem::create_directory(dossier / "loc");
    }
    void ecrire(const char* code, const std::string& contenu)
    {
        ecrireFichier(dossier / (std::string("loc/messages.") + code + ".mac"), contenu);
    }
    DossierTemporaire dossier;
    DossierCourant ici;
};

const char* const EXEMPLE =
    "@premiere ligne, jamais une entree\n"
    "@Oui\n"
    "Yes\n"
    "# un commentaire\n"
    "@Sans texte\n"
    "@Deux lignes\n"
    "first line\n"
    "second line\n"
    "\n"
    "texte hors de toute entree\n"
    "@Commentaire avant le texte\n"
    "# rien\n"
    "\n"
    "after a comment\n"
    "@Fin\n"
    "last";

// The same catalogue with other line ends.
std::string avecFins(const std::string& texte, const std::string& fin)
{
    std::string s;
    for (char c : texte)
        s += c == '\n' ? fin : std::string(1, c);
    return s;
}

void verifierExemple(local& l)
{
    EXPECT_EQ(l.nombre(), 4);
    EXPECT_STREQ(l.get("Oui"), "Yes");
    EXPECT_STREQ(l.get("Deux lignes"), "first line\nsecond line");
    EXPECT_STREQ(l.get("Commentaire avant le texte"), "after a comment");
    EXPECT_STREQ(l.get("Fin"), "last");
    EXPECT_EQ(l.get("premiere ligne, jamais une entree"),
              std::string("premiere ligne, jamais une entree"));
    EXPECT_STREQ(l.get("Sans texte"), "Sans texte");
}

}  // namespace

TEST_F(Catalogue, EntriesFollowTheFileRulesWhateverTheLineEnds)
{
    for (const char* fin : {"\n", "\r", "\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(fin)));
        ecrire("en", avecFins(EXEMPLE, fin));
        local l("en");
        verifierExemple(l);
    }
    // Mixed line ends and a trailing line end keep every text.
    ecrire("en", "x\r\n@Deux\r\nun\rdeux\ntrois\r\n\r\n@Dernier\r\nfin\r\n");
    local l("en");
    EXPECT_STREQ(l.get("Deux"), "un\ndeux\ntrois");
    EXPECT_STREQ(l.get("Dernier"), "fin");
    EXPECT_EQ(iNormaliserFinsDeLigne(l.texte, l.taille), l.taille);
}

TEST_F(Catalogue, LookUpsLeaveTheCursorAndGiveBackTheArgumentOnAMiss)
{
    ecrire("de", "# de\n@Oui\nJa\n@Non\nNein\n@Encore\nJa\n");
    local l("de");
    EXPECT_STREQ(l.get("Non"), "Nein");
    ASSERT_NE(l.courant, nullptr);
    EXPECT_STREQ(l.courant->identificateur, "Non");
    const char* absent = "Absent du catalogue";
    EXPECT_EQ(l.get(absent), absent);
    EXPECT_EQ(l.courant, nullptr);
    EXPECT_STREQ(l.get("oui"), "oui");  // exact case
    EXPECT_STREQ(l.id("Ja"), "Oui");    // the first entry with that text
    const char* inconnu = "Unbekannt";
    EXPECT_EQ(l.id(inconnu), inconnu);
}

TEST_F(Catalogue, EntriesKeepTheOrderOfTheFile)
{
    ecrire("sp", "#\n@B\nb\n@A\na\n@B\nsecond\n@\nvide\n");
    local l("sp");
    ASSERT_EQ(l.nombre(), 4);
    EXPECT_STREQ(l.premier->suivant->identificateur, "A");
    EXPECT_STREQ(l.get("B"), "b");
    EXPECT_STREQ(l.get(""), "vide");  // an empty key is an entry like any other
}

TEST_F(Catalogue, DegenerateFilesGiveNoEntryAndNoFault)
{
    for (const std::string& contenu : {std::string(), std::string("@Seul"), std::string("\n\n\n"),
                                      std::string("x\n@A\n@B\n#\n"), std::string("\r\r\r"),
                                      std::string("x\n@\n\0binaire\n", 12)}) {
        ecrire("fr", contenu);
        local l(nullptr);
        EXPECT_STREQ(l.langue, "fr");
        EXPECT_EQ(l.nombre(), 0) << testing::PrintToString(contenu);
        EXPECT_STREQ(l.get("A"), "A");
    }
}

TEST_F(Catalogue, AMissingFileKeepsTheEntriesButTakesTheNewCode)
{
    ecrire("en", "#\n@Oui\nYes\n");
    JournalTemporaire journal(dossier / "log.txt");
    local l("en");
    EXPECT_EQ(l.set("de"), 0);
    EXPECT_STREQ(l.langue, "de");
    EXPECT_STREQ(l.get("Oui"), "Yes");
    EXPECT_NE(journal.contenu().find("<LANGAGE> catalogue absent: loc/messages.de.mac\n"),
              std::string::npos);
    EXPECT_EQ(l.set(nullptr), 0);
    EXPECT_STREQ(l.langue, "de");
    ecrire("de", "#\n@Oui\nJa\n");
    EXPECT_EQ(l.set(), 1);
    EXPECT_STREQ(l.get("Oui"), "Ja");
}

TEST_F(Catalogue, ACodeThatIsNoPlainWordNeverReachesThePath)
{
    ecrireFichier(dossier / "messages.x.mac", "#\n@Oui\nPIEGE\n");
    std::filesystem::create_directory(dossier / "loc/..x");
    JournalTemporaire journal(dossier / "log.txt");
    for (const char* code : {"../x", "..", "", "fr/../../x", "FR", "abcdefgh"}) {
        local l(code);
        EXPECT_EQ(l.nombre(), 0) << code;
        EXPECT_EQ(l.chargement(), 0) << code;
    }
    EXPECT_NE(journal.contenu().find("<LANGAGE> code de langage refuse\n"), std::string::npos);
    // A folder in place of the file is a missing file.
    std::filesystem::create_directory(dossier / "loc/messages.en.mac");
    local l("en");
    EXPECT_EQ(l.texte, nullptr);
}

// The notice's lines (their keys: no catalogue is loaded here) and a log
// line for what the working folder misses.
TEST(DonneesAbsentes, EachMissingFolderOrCatalogueIsSaid)
{
    const struct {
        bool img, loc, catalogue;
        std::vector<std::string> avis;
    } cas[] = {
        {true, true, true, {}},
        {false, true, true,
         {"Dossier img/ absent", "ni carte dessin\u00e9e, ni traits de c\u00f4te, ni masques"}},
        {true, false, false, {"Dossier loc/ absent", "ni traductions, ni aide"}},
        {true, true, false,
         {"Catalogue de messages absent loc/messages.de.mac", "textes non traduits"}},
    };
    for (const auto& c : cas) {
        DossierTemporaire d;
        DossierCourant ici(d.chemin());
        JournalTemporaire journal(d / "log.txt");
        if (c.img)
            std::filesystem::create_directory(d / "img");
        if (c.loc)
            std::filesystem::create_directory(d / "loc");
        if (c.catalogue)
            ecrireFichier(d / "loc/messages.de.mac", "#\n");
        EXPECT_EQ(iVerifierDonnees("de"), int(c.avis.size() / 2));
        EXPECT_EQ(avisDonneesAbsentes(), c.avis);
        EXPECT_EQ(journal.contenu().find("<DONNEES> absent de " + d.chemin()) != std::string::npos,
                  !c.avis.empty());
    }
}

// A working folder the run cannot write into is said once at start with
// what goes without it, the first of each tree only: one that is a file,
// one missing, or a disk so full no file can take an octet.
TEST(DonneesAbsentes, EachUnusableWorkingFolderIsSaid)
{
    namespace fs = std::filesystem;
    const std::string etc = "Dossier de travail inutilisable etc/",
                      sansEtc = "ni reglages, ni routes, ni requetes enregistres",
                      dat = "Dossier de travail inutilisable dat/",
                      sansDat = "les fichiers recus restent dans lockdir/",
                      lockdir = "Dossier de travail inutilisable lockdir/",
                      sansLockdir = "rien ne peut etre recu";
    const struct {
        std::function<void()> abimer;
        rlim_t libre;
        std::vector<std::string> avis;
    } cas[] = {
        {[] {}, RLIM_INFINITY, {}},
        {[] { fs::remove_all("etc"), ecrireFichier("etc", ""); }, RLIM_INFINITY,
         {etc, sansEtc}},
        {[] { fs::remove_all("dat/image"); }, RLIM_INFINITY,
         {"Dossier de travail inutilisable dat/image/", sansDat}},
        {[] { fs::remove_all("lockdir"); }, RLIM_INFINITY, {lockdir, sansLockdir}},
        {[] {}, 0, {dat, sansDat, etc, sansEtc, lockdir, sansLockdir}},
    };
    for (const auto& c : cas) {
        DossierTemporaire d;
        DossierCourant ici(d.chemin());
        for (const char* dossier : {"img", "loc"})
            fs::create_directory(dossier);
        ecrireFichier("loc/messages.fr.mac", "#\n");
        ASSERT_EQ(iVerifierDonnees("fr"), 0);
        creationRepertoires();
        c.abimer();
        int n = 0;
        {
            DisquePlein plein(c.libre);
            n = iVerifierDossiers();
        }
        EXPECT_EQ(n, int(c.avis.size() / 2));
        EXPECT_EQ(avisDonneesAbsentes(), c.avis);
        EXPECT_FALSE(existe("dat/.essai" + std::to_string(getpid()))) << "the probe goes";
    }
}
