// The settings file etc/config.txt: defaults, reading rules, profiles,
// writing through a temporary file.
#include "ui/configuration.h"

#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

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

// Each test starts from the globals' defaults and a log of its own.
class Configuration : public ::testing::Test {
protected:
    Configuration() : journal(dossier / "log.txt")
    {
        AFFICHE_AIDE = 1;
        GRIB_DEPLIER = 0;
        MODE_CONNECTE = 1;
    }

    // Reads `contenu` as a settings file.
    void lire(const std::string& contenu)
    {
        ecrireFichier(chemin(), contenu);
        config.lecture(chemin().c_str());
    }
    std::string chemin() const { return dossier / "config.txt"; }
    std::string ecrit()
    {
        EXPECT_EQ(config.ecriture(chemin().c_str()), 0);
        return lireFichier(chemin());
    }

    DossierTemporaire dossier;
    JournalTemporaire journal;
    classeConfiguration config;
};

void attendreDefauts(const classeConfiguration& c)
{
    const TYPEDEF_PREFERENCES& p = *c.preferences;
    EXPECT_STREQ(p.langage, "fr");
    EXPECT_EQ(p.x, 26);
    EXPECT_EQ(p.y, 26);
    EXPECT_EQ(p.w, 770);
    EXPECT_EQ(p.h, 539);
    EXPECT_EQ(p.onglets[0], 1);
    EXPECT_EQ(p.onglets[1], 0);
    for (const TYPEDEF_VUE& v : p.vues) {
        EXPECT_EQ(v.fond, 1);
        EXPECT_EQ(v.latitude, 45.0);
        EXPECT_EQ(v.longitude, 0.0);
        EXPECT_EQ(v.etendue, 30.0);
    }
    EXPECT_EQ(AFFICHE_AIDE, 1);
    EXPECT_EQ(GRIB_DEPLIER, 0);
    EXPECT_EQ(MODE_CONNECTE, 1);
    EXPECT_EQ(c.profils, nullptr);
}

}  // namespace

TEST_F(Configuration, DefaultsAreWrittenAsTheTwentyOneLineFile)
{
    EXPECT_EQ(ecrit(), FICHIER_DEFAUT);
    EXPECT_FALSE(existe(chemin() + ".tmp"));
}

TEST_F(Configuration, MissingEmptyOrEndOnlyFilesGiveTheDefaults)
{
    config.lecture((dossier / "absent.txt").c_str());
    attendreDefauts(config);
    lire("");
    attendreDefauts(config);
    lire("@end\n");
    attendreDefauts(config);
    EXPECT_EQ(journal.contenu(), "");
}

TEST_F(Configuration, KeysAreFoundAnywhereInCrLfLines)
{
    lire("@main\r\n"
         "  langage en\r\n"
         "\tonglets 2 1\r\r\n"
         "aide 12\r\n"
         "deplier 1\r\n"
         "connect 0\r\n"
         "   fdcposition 3 0 -12.5 170.25 8\r\n"
         "dimensions 5 6 1024 768\r\n"
         "@fin\r\n"
         "@end\r\n");
    const TYPEDEF_PREFERENCES& p = *config.preferences;
    EXPECT_STREQ(p.langage, "en");
    EXPECT_EQ(p.onglets[0], 2);
    EXPECT_EQ(p.onglets[1], 1);
    EXPECT_EQ(AFFICHE_AIDE, 12);
    EXPECT_EQ(GRIB_DEPLIER, 1);
    EXPECT_EQ(MODE_CONNECTE, 0);
    EXPECT_EQ(p.vues[3].fond, 0);
    EXPECT_EQ(p.vues[3].latitude, -12.5);
    EXPECT_EQ(p.vues[3].longitude, 170.25);
    EXPECT_EQ(p.vues[3].etendue, 8.0);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 6);
    EXPECT_EQ(p.w, 1024);
    EXPECT_EQ(p.h, 768);
}

TEST_F(Configuration, WindowIsNeverSmallerThanTheMinimum)
{
    lire("@main\ndimensions 10 20 300 200\n@fin\n@end\n");
    const TYPEDEF_PREFERENCES& p = *config.preferences;
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    EXPECT_EQ(p.w, 770);
    EXPECT_EQ(p.h, 539);
}

TEST_F(Configuration, ViewIndexOutOfRangeIsIgnored)
{
    lire("@main\n"
         "fdcposition 12 0 1 2 3\n"
         "fdcposition -1 0 1 2 3\n"
         "fdcposition 10 0 1 2 3\n"
         "fdcposition 3 0 10 20 5\n"
         "@fin\n@end\n");
    for (int i = 0; i < CONFIGURATION_VUES; ++i) {
        const TYPEDEF_VUE& v = config.preferences->vues[i];
        if (i == 3) {
            EXPECT_EQ(v.fond, 0);
            EXPECT_EQ(v.latitude, 10.0);
            EXPECT_EQ(v.longitude, 20.0);
            EXPECT_EQ(v.etendue, 5.0);
        } else {
            EXPECT_EQ(v.fond, 1) << i;
            EXPECT_EQ(v.latitude, 45.0) << i;
        }
    }
}

TEST_F(Configuration, MalformedValuesKeepWhatCouldNotBeRead)
{
    lire("@main\n"
         "aide x\n"
         "onglets 4\n"
         "dimensions 1 2\n"
         "fdcposition 2 0 7.5\n"
         "random line\n"
         "@fin\n@end\n");
    const TYPEDEF_PREFERENCES& p = *config.preferences;
    EXPECT_EQ(AFFICHE_AIDE, 1);
    EXPECT_EQ(p.onglets[0], 4);
    EXPECT_EQ(p.onglets[1], 0);
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 2);
    EXPECT_EQ(p.w, 770);
    EXPECT_EQ(p.vues[2].fond, 0);
    EXPECT_EQ(p.vues[2].latitude, 7.5);
    EXPECT_EQ(p.vues[2].longitude, 0.0);
}

TEST_F(Configuration, SectionsEndAtTheirMarkersOrAtTheEndOfTheFile)
{
    // Keys outside "@main" and lines after "@end" are not read; a file cut
    // before "@fin" keeps what it had.
    lire("aide 5\n@main\naide 6\n@fin\naide 7\n@end\n@main\naide 8\n@fin\n");
    EXPECT_EQ(AFFICHE_AIDE, 6);
    lire("@main\ndeplier 1\n");
    EXPECT_EQ(GRIB_DEPLIER, 1);
}

TEST_F(Configuration, LongLinesAreReadInPiecesOfTheBuffer)
{
    const std::string bourrage(511, 'x');
    lire("@main\n" + bourrage + "aide 9\n@fin\n@end\n");
    EXPECT_EQ(AFFICHE_AIDE, 9);
}

TEST_F(Configuration, OnlyKnownLanguagesAreKept)
{
    for (const char* code : {"fr", "en", "de", "sp"}) {
        lire(std::string("@main\nlangage ") + code + "\n@fin\n@end\n");
        EXPECT_STREQ(config.preferences->langage, code);
    }
    for (const char* code : {"xx", "../../etc", "english", "e", "EN"}) {
        lire("@main\nlangage en\n@fin\n@end\n");
        lire(std::string("@main\nlangage ") + code + "\n@fin\n@end\n");
        EXPECT_STREQ(config.preferences->langage, "fr") << code;
    }
}

TEST_F(Configuration, ProfilesWithFiveValuesGetThePasswordNull)
{
    lire("@smtp\n"
         "bord moi@bateau.fr smtp.bateau.fr 25 1 secret\n"
         "terre moi@port.fr mail.port.fr 587 0\n"
         "@fin\n@end\n");
    ASSERT_EQ(config.iNombreProfils(), 2);
    const TYPEDEF_PROFIL* a = config.profils;
    EXPECT_STREQ(a->nom, "bord");
    EXPECT_STREQ(a->email, "moi@bateau.fr");
    EXPECT_STREQ(a->serveur, "smtp.bateau.fr");
    EXPECT_EQ(a->port, 25);
    EXPECT_EQ(a->selection, 1);
    EXPECT_STREQ(a->password, "secret");
    EXPECT_STREQ(a->suivant->password, "NULL");
    EXPECT_NE(ecrit().find("\nterre moi@port.fr mail.port.fr 587 0 NULL\n@fin\n@end\n"),
              std::string::npos);
}

TEST_F(Configuration, ProfileLinesWithFewerThanFiveValuesAreSkipped)
{
    lire("@smtp\n"
         "seul\n"
         "deux moi@x.fr serveur.x.fr 25\n"
         "\n"
         "bon moi@x.fr serveur.x.fr 25 0 mdp\n"
         "@fin\n@end\n");
    ASSERT_EQ(config.iNombreProfils(), 1);
    EXPECT_STREQ(config.profils->nom, "bon");
    EXPECT_NE(journal.contenu().find("ligne ignoree (4 valeurs)"), std::string::npos);
}

TEST_F(Configuration, ASecondSmtpSectionReplacesTheList)
{
    lire("@smtp\na a@x a.x.fr 25 0 p\nb b@x b.x.fr 25 0 p\n@fin\n"
         "@smtp\nc c@x c.x.fr 25 1 p\n@fin\n@end\n");
    ASSERT_EQ(config.iNombreProfils(), 1);
    EXPECT_STREQ(config.profils->nom, "c");
}

TEST_F(Configuration, PasswordsAreMaskedInTheLog)
{
    lire("@smtp\nbord moi@bateau.fr smtp.bateau.fr 25 1 motdepasse\n@fin\n@end\n");
    const std::string log = journal.contenu();
    EXPECT_NE(log.find("<config> SMTP: bord moi@bateau.fr smtp.bateau.fr 25 1 ********\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("motdepasse"), std::string::npos);
}

TEST_F(Configuration, OverlongWordsAreCutToTheirFields)
{
    const std::string nom(100, 'n'), email(200, 'e');
    lire("@smtp\n" + nom + " " + email + " s.x.fr 25 0 p\n@fin\n@end\n");
    ASSERT_EQ(config.iNombreProfils(), 1);
    EXPECT_EQ(std::string(config.profils->nom), nom.substr(0, 63));
    EXPECT_EQ(std::string(config.profils->email), email.substr(0, 127));
    EXPECT_STREQ(config.profils->serveur, "s.x.fr");
    EXPECT_EQ(config.profils->port, 25);
}

TEST_F(Configuration, OnlyAnEmptyServerIsReplaced)
{
    lire("@smtp\ncourt a@x 1.2.3.4 25 0 p\n@fin\n@end\n");
    TYPEDEF_PROFIL* vide = new TYPEDEF_PROFIL{};
    std::strcpy(vide->nom, "vide");
    std::strcpy(vide->email, "v@x");
    std::strcpy(vide->password, "NULL");
    vide->port = 25;
    config.vAjouterProfil(vide);
    const std::string texte = ecrit();
    EXPECT_NE(texte.find("\ncourt a@x 1.2.3.4 25 0 p\n"), std::string::npos);
    EXPECT_NE(texte.find("\nvide v@x smtpserveur 25 0 NULL\n"), std::string::npos);
    EXPECT_STREQ(vide->serveur, "smtpserveur");
}

TEST_F(Configuration, WrittenSettingsReadBackTheSame)
{
    lire("@main\nlangage de\nonglets 0 1\naide 0\ndeplier 1\nconnect 0\n"
         "fdcposition 9 3 -33.1234567 -71.6 12.25\ndimensions 0 0 800 600\n@fin\n"
         "@smtp\nbord moi@bateau.fr smtp.bateau.fr 25 1 secret\n@fin\n@end\n");
    const std::string premier = ecrit();
    classeConfiguration relu;
    relu.lecture(chemin().c_str());
    EXPECT_STREQ(relu.preferences->langage, "de");
    EXPECT_EQ(relu.preferences->vues[9].fond, 3);
    EXPECT_EQ(relu.preferences->vues[9].latitude, -33.123457);
    EXPECT_EQ(relu.preferences->vues[9].longitude, -71.6);
    EXPECT_EQ(relu.preferences->w, 800);
    ASSERT_EQ(relu.iNombreProfils(), 1);
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
}

TEST_F(Configuration, AFullDiskIsAFailedWrite)
{
    // /dev/full takes the name of the temporary file through a link.
    if (symlink("/dev/full", (chemin() + ".tmp").c_str()) != 0)
        GTEST_SKIP() << "no /dev/full";
    ecrireFichier(chemin(), FICHIER_DEFAUT);
    config.preferences->x = 99;
    EXPECT_EQ(config.ecriture(chemin().c_str()), -1);
    EXPECT_EQ(lireFichier(chemin()), FICHIER_DEFAUT);
    EXPECT_NE(journal.contenu().find("No space left on device"), std::string::npos)
        << journal.contenu();
}
