// The send profiles without a display: the form's validation in both
// layouts, adding, changing, deleting and choosing, and the "@smtp" lines of
// the settings file rewritten at each change.
#include "transport/profils.h"

#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

const FormulaireProfil HTTP = {"bord", "moi@bord.example", "", "secret12", "25"};
const FormulaireProfil MAIL = {"bord", "moi@bord.example", "smtp.bord.example", "NULL", "587"};

FormulaireProfil avec(FormulaireProfil f, std::string FormulaireProfil::*champ, std::string v)
{
    f.*champ = std::move(v);
    return f;
}

class Profils : public ::testing::Test {
protected:
    std::string fichier() const { return dossier / "config.txt"; }
    // The lines between "@smtp" and its "@fin" in the file written.
    std::vector<std::string> lignesSmtp() const
    {
        std::istringstream f(lireFichier(fichier()));
        std::vector<std::string> lignes;
        bool dedans = false;
        for (std::string l; std::getline(f, l);) {
            if (l == "@smtp" || l == "@fin")
                dedans = l == "@smtp";
            else if (dedans)
                lignes.push_back(l);
        }
        return lignes;
    }
    std::vector<std::string> noms() const
    {
        std::vector<std::string> n;
        for (const TYPEDEF_PROFIL* p = config.profils; p; p = p->suivant)
            n.push_back(p->nom);
        return n;
    }
    DossierTemporaire dossier;
    JournalTemporaire log{dossier / "log.txt"};
    classeConfiguration config;
    ProfilsEnvoi http{config, true, fichier().c_str()};
    ProfilsEnvoi mail{config, false, fichier().c_str()};
};

}  // namespace

TEST(ValidationProfil, EachLayoutHasItsRulesAndEveryFieldItsBounds)
{
    using F = FormulaireProfil;
    struct Cas {
        FormulaireProfil f;
        bool http, invalide;
        const char* pourquoi;
    };
    const Cas cas[] = {
        {HTTP, true, false, "HTTP form"},
        {MAIL, false, false, "mail form"},
        {avec(HTTP, &F::nom, "ab"), true, true, "name under 3"},
        {avec(HTTP, &F::email, "a@b.fr"), true, true, "e-mail under 8"},
        {avec(HTTP, &F::password, "court"), true, true, "password under 8"},
        {avec(HTTP, &F::password, std::string(32, 'p')), true, false, "password of 32"},
        {avec(HTTP, &F::password, std::string(33, 'p')), true, true, "password of 33"},
        {avec(HTTP, &F::password, "secret12!"), true, true, "password with !"},
        {avec(HTTP, &F::password, "secret/12"), true, true, "password with /"},
        {avec(HTTP, &F::password, "NULL"), true, true, "no password in HTTP"},
        {avec(HTTP, &F::nom, "mon bord"), true, true, "blank in the name"},
        {avec(MAIL, &F::port, "7"), false, true, "port 7"},
        {avec(MAIL, &F::port, "0"), false, true, "port 0"},
        {avec(MAIL, &F::port, "65535"), false, false, "port 65535"},
        {avec(MAIL, &F::port, "65536"), false, true, "port 65536"},
        {avec(MAIL, &F::port, "25x"), false, true, "port not a number"},
        {avec(MAIL, &F::serveur, "smtp.fr"), false, true, "server under 8"},
        {avec(HTTP, &F::serveur, ""), true, false, "no server in HTTP"},
        {avec(MAIL, &F::password, "secret12!"), false, false, "mail: any password"},
        // The bounds of the fields the profile keeps them in.
        {avec(MAIL, &F::nom, std::string(63, 'n')), false, false, "name of 63"},
        {avec(MAIL, &F::nom, std::string(64, 'n')), false, true, "name of 64"},
        {avec(MAIL, &F::serveur, std::string(64, 's')), false, true, "server of 64"},
        {avec(HTTP, &F::serveur, std::string(64, 's')), true, true, "HTTP: server of 64"},
        {avec(MAIL, &F::email, std::string(119, 'e') + "@bord.fr"), false, false,
         "e-mail of 127"},
        {avec(MAIL, &F::email, std::string(120, 'e') + "@bord.fr"), false, true,
         "e-mail of 128"},
        {avec(MAIL, &F::email, std::string(118, 'e') + "@bord.fr"), false, false,
         "e-mail of 126"},
        // Pasted line ends and other control bytes, in every field.
        {avec(MAIL, &F::email, "moi@bord.example\r\nRCPT TO: x"), false, true, "CR LF e-mail"},
        {avec(MAIL, &F::nom, "bord\n"), false, true, "line feed in the name"},
        {avec(HTTP, &F::password, "secret12\r"), true, true, "CR in the password"},
        {avec(MAIL, &F::serveur, "smtp.bord\x7f"), false, true, "DEL in the server"},
        {avec(MAIL, &F::serveur, "smtp\tbord.fr"), false, true, "tab in the server"},
        {avec(MAIL, &F::port, "2\x01" "5"), false, true, "control byte in the port"},
        {avec(MAIL, &F::email, "<moi@bord.example>"), false, true, "brackets in the e-mail"},
        {avec(MAIL, &F::email, "moi&co@bord.example"), false, true, "& in the e-mail"},
        {avec(MAIL, &F::email, "moi#1@bord.example"), false, true, "# in the e-mail"},
        {avec(MAIL, &F::nom, "a/b&c_d|e"), false, false, "menu characters in a name"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(iEntreeInvalide(c.f, c.http), c.invalide) << c.pourquoi;
    // The HTTP layout has the same limit.
    EXPECT_TRUE(iEntreeInvalide(avec(HTTP, &F::email, std::string(120, 'e') + "@bord.fr"), true));
}

TEST_F(Profils, AddedProfilesGoToTheEndAndIntoTheSettingsFile)
{
    EXPECT_EQ(profilCourant(config), nullptr);
    EXPECT_EQ(http.ajouter(HTTP), PROFIL_OK);
    EXPECT_EQ(mail.ajouter(avec(MAIL, &FormulaireProfil::nom, "terre")), PROFIL_OK);
    EXPECT_EQ(http.ajouter(avec(HTTP, &FormulaireProfil::email, "autre@bord.example")),
              PROFIL_EXISTE);
    EXPECT_EQ(http.ajouter(avec(HTTP, &FormulaireProfil::password, "court")), PROFIL_INCORRECT);
    EXPECT_EQ(noms(), (std::vector<std::string>{"bord", "terre"}));
    // No profile selected: the first one is in use.
    EXPECT_EQ(profilCourant(config), config.profils);
    // An HTTP profile has no server: a placeholder keeps the line's fields.
    EXPECT_EQ(lignesSmtp(), (std::vector<std::string>{
                                "bord moi@bord.example smtpserveur 25 0 secret12",
                                "terre moi@bord.example smtp.bord.example 587 0 NULL"}));
    EXPECT_NE(log.contenu().find("<config> smtp_print: bord moi@bord.example smtpserveur 25 0\n"),
              std::string::npos);
    EXPECT_EQ(log.contenu().find("secret12"), std::string::npos);
}

TEST_F(Profils, ChangingOntoAnotherProfilesNameLosesNothing)
{
    ASSERT_EQ(mail.ajouter(MAIL), PROFIL_OK);
    ASSERT_EQ(mail.ajouter(avec(MAIL, &FormulaireProfil::nom, "terre")), PROFIL_OK);
    ASSERT_EQ(mail.ajouter(avec(MAIL, &FormulaireProfil::nom, "port")), PROFIL_OK);
    const std::vector<std::string> avant = lignesSmtp();
    EXPECT_EQ(mail.modifier("bord", avec(MAIL, &FormulaireProfil::nom, "terre")), PROFIL_EXISTE);
    EXPECT_EQ(lignesSmtp(), avant);
    EXPECT_EQ(noms(), (std::vector<std::string>{"bord", "terre", "port"}));
    // Changed in place, renamed, and in use.
    EXPECT_EQ(mail.modifier("bord", avec(MAIL, &FormulaireProfil::nom, "large")), PROFIL_OK);
    EXPECT_EQ(noms(), (std::vector<std::string>{"large", "terre", "port"}));
    EXPECT_STREQ(profilCourant(config)->nom, "large");
    // Its own name again is no clash.
    const FormulaireProfil large = avec(MAIL, &FormulaireProfil::nom, "large");
    EXPECT_EQ(mail.modifier("large", avec(large, &FormulaireProfil::port, "2525")), PROFIL_OK);
    EXPECT_EQ(lignesSmtp()[0], "large moi@bord.example smtp.bord.example 2525 1 NULL");
    EXPECT_EQ(mail.modifier("large", avec(large, &FormulaireProfil::port, "7")), PROFIL_INCORRECT);
    // Nothing being edited: the form becomes a new profile, in use.
    EXPECT_EQ(mail.modifier("", avec(MAIL, &FormulaireProfil::nom, "neuf")), PROFIL_OK);
    EXPECT_EQ(noms().back(), "neuf");
    EXPECT_STREQ(profilCourant(config)->nom, "neuf");
}

TEST_F(Profils, DeletingAndChoosing)
{
    for (const char* n : {"bord", "terre", "port"})
        ASSERT_EQ(mail.ajouter(avec(MAIL, &FormulaireProfil::nom, n)), PROFIL_OK);
    mail.selectionner("terre");
    EXPECT_STREQ(profilCourant(config)->nom, "terre");
    EXPECT_EQ(lignesSmtp()[1], "terre moi@bord.example smtp.bord.example 587 1 NULL");
    EXPECT_EQ(mail.supprimer(avec(MAIL, &FormulaireProfil::nom, "large")), PROFIL_ABSENT);
    EXPECT_EQ(mail.supprimer(avec(MAIL, &FormulaireProfil::port, "7")), PROFIL_INCORRECT);
    EXPECT_EQ(mail.supprimer(avec(MAIL, &FormulaireProfil::nom, "terre")), PROFIL_OK);
    EXPECT_EQ(noms(), (std::vector<std::string>{"bord", "port"}));
    EXPECT_EQ(lignesSmtp().size(), 2u);
    EXPECT_STREQ(profilCourant(config)->nom, "bord");
    EXPECT_EQ(profilNomme(config, "port"), config.profils->suivant);
    // A settings file that cannot be written: the list changes all the same,
    // and the answer says the file was not written.
    ProfilsEnvoi ailleurs(config, false, (dossier / "absent/config.txt").c_str());
    EXPECT_EQ(ailleurs.supprimer(avec(MAIL, &FormulaireProfil::nom, "port")), PROFIL_NON_ECRIT);
    EXPECT_EQ(noms(), std::vector<std::string>{"bord"});
    const FormulaireProfil f = formulaireDe(*config.profils);
    EXPECT_EQ(f.port, "587");
    EXPECT_EQ(f.password, "NULL");
}
