// The settings file etc/config.txt: defaults, reading rules, profiles,
// writing through a temporary file.
#include "ui/configuration.h"

#include "tests/outils/disque_plein.h"
#include "tests/outils/outils_test.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const FICHIER_DEFAUT =
    "@main\n"
    "langage fr\n"
    "onglets 1 0\n"
    "aide 1\n"
    "deplier 0\n"
    "connect 1\n"
    "fdcposition 0 1 45.000000 0.000000 30.000000\n"
    "fdcposition 1 1 45.000000 0.000000 30.000000\n"
    "fdcposition 2 1 45.000000 0.000000 30.000000\n"
    "fdcposition 3 1 45.000000 0.000000 30.000000\n"
    "fdcposition 4 1 45.000000 0.000000 30.000000\n"
    "fdcposition 5 1 45.000000 0.000000 30.000000\n"
    "fdcposition 6 1 45.000000 0.000000 30.000000\n"
    "fdcposition 7 1 45.000000 0.000000 30.000000\n"
    "fdcposition 8 1 45.000000 0.000000 30.000000\n"
    "fdcposition 9 1 45.000000 0.000000 30.000000\n"
    "dimensions 26 26 770 539\n"
    "@fin\n"
    "@smtp\n"
    "@fin\n"
    "@end\n";

// Each test starts from the globals' defaults and a log of its own; what
// was read is seen in what is written back.
class Configuration : public ::testing::Test {
protected:
    Configuration() : journal(dossier / "log.txt") { vDefauts(); }
    static void vDefauts()
    {
        AFFICHE_AIDE = 1;
        GRIB_DEPLIER = 0;
        MODE_CONNECTE = 1;
    }
    std::string chemin() const { return dossier / "config.txt"; }
    // Reads `contenu` as a settings file into a fresh object and writes it
    // back.
    std::string relu(const std::string& contenu)
    {
        ecrireFichier(chemin(), contenu);
        config.lecture(chemin().c_str());
        return ecrit();
    }
    std::string ecrit()
    {
        EXPECT_EQ(config.ecriture(chemin().c_str()), 0);
        return lireFichier(chemin());
    }

    DossierTemporaire dossier;
    JournalTemporaire journal;
    classeConfiguration config;
};

}  // namespace

TEST_F(Configuration, DefaultsAreTheTwentyOneLineFile)
{
    EXPECT_EQ(ecrit(), FICHIER_DEFAUT);
    EXPECT_FALSE(existe(chemin() + ".tmp"));
    config.lecture((dossier / "absent.txt").c_str());
    EXPECT_EQ(ecrit(), FICHIER_DEFAUT);
    for (const char* contenu : {"", "@end\n"})
        EXPECT_EQ(relu(contenu), FICHIER_DEFAUT) << contenu;
    EXPECT_EQ(journal.contenu(), "");
}

TEST_F(Configuration, ReadingRules)
{
    const struct {
        std::string contenu;
        std::vector<const char*> lignes;  // in the file written back
    } cas[] = {
        // Keys anywhere in CR LF lines.
        {"@main\r\n  langage en\r\n\tonglets 2 1\r\r\naide 12\r\ndeplier 1\r\nconnect 0\r\n"
         "   fdcposition 3 0 -12.5 170.25 8\r\ndimensions 5 6 1024 768\r\n@fin\r\n@end\r\n",
         {"\nlangage en\nonglets 2 1\naide 12\ndeplier 1\nconnect 0\n",
          "\nfdcposition 3 0 -12.500000 170.250000 8.000000\n", "\ndimensions 5 6 1024 768\n"}},
        // The window is never smaller than the minimum.
        {"@main\ndimensions 10 20 300 200\n@fin\n@end\n", {"\ndimensions 10 20 770 539\n"}},
        // View indexes out of range are ignored.
        {"@main\nfdcposition 12 0 1 2 3\nfdcposition -1 0 1 2 3\nfdcposition 10 0 1 2 3\n"
         "fdcposition 3 0 10 20 5\n@fin\n@end\n",
         {"\nfdcposition 2 1 45.000000 0.000000 30.000000\nfdcposition 3 0 10.000000 20.000000 "
          "5.000000\nfdcposition 4 1 45.000000 0.000000 30.000000\n"}},
        // A line whose values do not all read is skipped whole.
        {"@main\naide x\nonglets 4\ndimensions 1 2\nfdcposition 2 0 7.5\nrandom line\n@fin\n@end\n",
         {"\nonglets 1 0\naide 1\n", "\nfdcposition 2 1 45.000000 0.000000 30.000000\n",
          "\ndimensions 26 26 770 539\n"}},
        // Keys outside "@main" and lines after "@end" are not read.
        {"aide 5\n@main\naide 6\n@fin\naide 7\n@end\n@main\naide 8\n@fin\n", {"\naide 6\n"}},
        // A file cut before "@fin" keeps what it had.
        {"@main\ndeplier 1\n", {"\ndeplier 1\n"}},
        // Long lines are read in pieces of the buffer.
        {"@main\n" + std::string(511, 'x') + "aide 9\n@fin\n@end\n", {"\naide 9\n"}},
        // Only the program's languages are kept.
        {"@main\nlangage sp\n@fin\n@end\n", {"\nlangage sp\n"}},
    };
    for (const auto& c : cas) {
        vDefauts();
        classeConfiguration neuve;
        ecrireFichier(chemin(), c.contenu);
        neuve.lecture(chemin().c_str());
        ASSERT_EQ(neuve.ecriture(chemin().c_str()), 0);
        const std::string texte = lireFichier(chemin());
        for (const char* ligne : c.lignes)
            EXPECT_NE(texte.find(ligne), std::string::npos) << c.contenu << "\n---\n" << texte;
    }
    for (const char* code : {"xx", "../../etc", "english", "e", "EN"}) {
        relu("@main\nlangage en\n@fin\n@end\n");
        relu(std::string("@main\nlangage ") + code + "\n@fin\n@end\n");
        EXPECT_STREQ(config.preferences->langage, "fr") << code;
    }
}

TEST_F(Configuration, MailProfiles)
{
    const std::string nom(100, 'n'), email(200, 'e');
    const std::string texte =
        relu("@smtp\nvieux v@x v.x.fr 25 0 p\n@fin\n"  // a second section replaces the list
             "@smtp\nbord moi@bateau.fr smtp.bateau.fr 25 1 motdepasse\n"
             "terre moi@port.fr mail.port.fr 587 0\n"  // five values: the password is "NULL"
             "seul\ndeux moi@x.fr serveur.x.fr 25\n\n"  // fewer: skipped
             + nom + " " + email + " 1.2.3.4 25 0 p\n@fin\n@end\n");
    ASSERT_EQ(config.iNombreProfils(), 3);
    EXPECT_STREQ(config.profils->nom, "bord");
    EXPECT_EQ(config.profils->port, 25);
    EXPECT_EQ(config.profils->selection, 1);
    EXPECT_NE(texte.find("\n@smtp\nbord moi@bateau.fr smtp.bateau.fr 25 1 motdepasse\n"
                         "terre moi@port.fr mail.port.fr 587 0 NULL\n" +
                         nom.substr(0, 63) + " " + email.substr(0, 127) + " 1.2.3.4 25 0 p\n@fin\n"),
              std::string::npos)
        << texte;
    const std::string log = journal.contenu();
    EXPECT_NE(log.find("ligne 8 endommagee"), std::string::npos) << log;
    EXPECT_NE(log.find("<config> SMTP: bord moi@bateau.fr smtp.bateau.fr 25 1 ********\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("motdepasse"), std::string::npos);
    // Only an empty server is replaced.
    config.vAjouterProfil(new TYPEDEF_PROFIL{"vide", "v@x", "", "NULL", 25, 0, nullptr});
    EXPECT_NE(ecrit().find("\nvide v@x smtpserveur 25 0 NULL\n"), std::string::npos);
}

TEST_F(Configuration, WrittenSettingsReadBackTheSame)
{
    const std::string premier =
        relu("@main\nlangage de\nonglets 0 1\naide 0\ndeplier 1\nconnect 0\n"
             "fdcposition 9 3 -33.1234567 -71.6 12.25\ndimensions 0 0 800 600\n@fin\n"
             "@smtp\nbord moi@bateau.fr smtp.bateau.fr 25 1 secret\n@fin\n@end\n");
    EXPECT_NE(premier.find("\nfdcposition 9 3 -33.123457 -71.600000 12.250000\n"),
              std::string::npos);
    classeConfiguration relu;
    relu.lecture(chemin().c_str());
    EXPECT_EQ(relu.ecriture(chemin().c_str()), 0);
    EXPECT_EQ(lireFichier(chemin()), premier);
}

TEST_F(Configuration, AFailedWriteKeepsThePreviousFileAndSaysWhy)
{
    // The temporary file cannot be made: no folder.
    EXPECT_EQ(config.ecriture((dossier / "absent/config.txt").c_str()), -1);
    EXPECT_NE(journal.contenu().find("ecriture impossible de " + dossier / "absent/config.txt.tmp" +
                                     ": No such file or directory"),
              std::string::npos)
        << journal.contenu();

    // The rename fails: the target is a folder that holds a file.
    const std::string cible = dossier / "occupe";
    ASSERT_EQ(mkdir(cible.c_str(), 0700), 0);
    ecrireFichier(cible + "/garde", "x");
    EXPECT_EQ(config.ecriture(cible.c_str()), -1);
    EXPECT_FALSE(existe(cible + ".tmp"));
    EXPECT_EQ(lireFichier(cible + "/garde"), "x");
    EXPECT_NE(journal.contenu().find("ecriture impossible de " + cible + ": Is a directory"),
              std::string::npos)
        << journal.contenu();

    // A full disk: the settings do not fit (the log still does). A stale
    // temporary name, even a link to a device, is the writer's own.
    ASSERT_EQ(symlink("/dev/null", (chemin() + ".tmp").c_str()), 0);
    ecrireFichier(chemin(), FICHIER_DEFAUT);
    config.preferences->x = 99;
    const size_t taille = std::strlen(FICHIER_DEFAUT);
    ASSERT_LT(journal.contenu().size() + 200, taille);
    {
        DisquePlein plein(taille - 1);
        EXPECT_EQ(config.ecriture(chemin().c_str()), -1);
    }
    EXPECT_EQ(lireFichier(chemin()), FICHIER_DEFAUT);
    EXPECT_FALSE(existe(chemin() + ".tmp"));
    EXPECT_NE(journal.contenu().find("File too large"), std::string::npos) << journal.contenu();
}

// Each damaged file read is kept before it is replaced, none over another:
// the second goes beside the copy of the first.
TEST_F(Configuration, ASecondDamagedFileKeepsTheCopyOfTheFirst)
{
    const std::string abimes[] = {"@main\nlangage en\nd\xE9g\xE2t\n@fin\n@end\n",
                                  "@main\naide 3\n\x01\x02\n@fin\n@end\n",
                                  "@main\nonglets 1 0\n\xFF\n@fin\n@end\n"};
    for (const std::string& abime : abimes) {
        ecrireFichier(chemin(), abime);
        classeConfiguration lue;
        lue.lecture(chemin().c_str());
        ASSERT_EQ(lue.ecriture(chemin().c_str()), 0);
    }
    EXPECT_EQ(lireFichier(chemin() + ".bak"), abimes[0]);
    EXPECT_EQ(lireFichier(chemin() + ".bak1"), abimes[1]);
    EXPECT_EQ(lireFichier(chemin() + ".bak2"), abimes[2]);
}

// Hostile files cost no setting: what reads is kept, a damaged line alone
// is skipped, and a file not read whole and clean is kept as ".bak" before
// the first write replaces it. Nothing blocks on a FIFO or a device.
TEST_F(Configuration, HostileFilesCostNoSetting)
{
    enum Genre { TEXTE, FIFO, LIEN, LIEN_ZERO };
    const std::string profil = "@smtp\nbord moi@bateau.fr smtp.bateau.fr 25 1 secret\n@fin\n";
    const std::string bon = "@main\nlangage en\naide 7\n@fin\n" + profil + "@end\n";
    const char* const gardes[] = {"\nlangage en\n", "\naide 7\n", "\nbord moi@bateau.fr "};
    const struct {
        Genre genre;
        std::string contenu;
        int nombreGardes;  // how many of `gardes` are written back; -1: the defaults
        bool copie;
    } cas[] = {
        {TEXTE, "\xEF\xBB\xBF" + bon, 3, false},
        {TEXTE, "@main\nlangage en\nd\xE9g\xE2t\naide 7\n@fi\n" + profil + "@end\n", 3, true},
        {TEXTE, bon.substr(0, bon.find(" 25 1")), 2, true},
        {TEXTE, "@main\ndimensions 0 0 100000 99999999999\nfdcposition 2 1 nan inf -5\n"
                "fdcposition 3 7 95 0 30\naide 99999\nonglets 1 2\n@fin\n@end\n", -1, true},
        {FIFO, "", -1, true},
        {LIEN, bon, 3, false},
        {LIEN_ZERO, "", -1, true},
    };
    const std::string cible = dossier / "vrai.txt", copie = chemin() + ".bak";
    for (const auto& c : cas) {
        vDefauts();
        for (const std::string& f : {chemin(), cible, copie})
            unlink(f.c_str());
        if (c.genre == FIFO)
            ASSERT_EQ(mkfifo(chemin().c_str(), 0600), 0);
        else if (c.genre == TEXTE)
            ecrireFichier(chemin(), c.contenu);
        else
            ASSERT_EQ(symlink(c.genre == LIEN ? cible.c_str() : "/dev/zero", chemin().c_str()), 0);
        if (c.genre == LIEN)
            ecrireFichier(cible, c.contenu);
        classeConfiguration neuve;
        neuve.lecture(chemin().c_str());
        ASSERT_EQ(neuve.ecriture(chemin().c_str()), 0);
        const std::string texte = lireFichier(chemin());
        EXPECT_TRUE(c.nombreGardes >= 0 || texte == FICHIER_DEFAUT) << c.contenu << texte;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(texte.find(gardes[i]) != std::string::npos, i < c.nombreGardes) << texte;
        struct stat st;
        EXPECT_EQ(lstat(copie.c_str(), &st) == 0, c.copie);
        EXPECT_TRUE(c.genre != TEXTE || !c.copie || lireFichier(copie) == c.contenu);
        // A link to a file stays a link to its updated file.
        EXPECT_EQ(lstat(chemin().c_str(), &st) == 0 && S_ISLNK(st.st_mode), c.genre == LIEN);
    }
    // The window is brought inside the screen, never below its minimum.
    TYPEDEF_PREFERENCES& p = *config.preferences;
    p.x = 5000, p.y = -300, p.w = 3000, p.h = 400;
    vContenirFenetre(p, 0, 0, 1280, 1024);
    EXPECT_EQ(std::vector<int>({p.x, p.y, p.w, p.h}), std::vector<int>({0, 0, 1280, 539}));
}
