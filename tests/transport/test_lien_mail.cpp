// The mail link handed to the user's mail client, and which request
// records a text that went out.
#include "transport/crochets_envoi.h"
#include "transport/lien_mail.h"
#include "transport/service_mail.h"

#include "tests/transport/requete_test.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

TEST(LienMail, LineEndsAreEscapedOncePerRunAndUnsafeBytesEncoded)
{
    struct Cas {
        const char* texte;
        const char* lien;
    };
    const Cas cas[] = {
        {"a\r\n\r\nb", "a%0d%0a%0d%0ab"},
        {"a\n\n\nb", "a%0ab"},
        {"\nx\n", "x%0a"},
        {"\r\r\nx", "%0ax"},
        {"Z 1.0", "Z%201.0"},
        {"@mto@reqt@grib@", "@mto@reqt@grib@"},
        {"100% & #1 ?", "100%25%20%26%20%231%20%3f"},
        {"\xc3\xa9t\xc3\xa9", "%c3%a9t%c3%a9"},
        {"", ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(convertMail(c.texte), c.lien) << c.texte;
    EXPECT_EQ(lienMail("x"), prefixeLienMail() + "x");
    EXPECT_EQ(prefixeLienMail(), "mailto:" + adresseServiceMail() + "?body=");
}

TEST(LienMail, ALongRequestReachesTheLinkWhole)
{
    DossierTemporaire dossier;
    std::string texte = "@mto@reqt@bull@\n";
    for (int i = 0; texte.size() < 3000; ++i)
        texte += "GMDSS_METAREA" + std::to_string(i % 21 + 1) + "_OFFSHORE\n";
    texte += "@mto@reqt@fin@\n";
    const std::string lien = lienMail(texte.c_str());
    ASSERT_EQ(lien.compare(0, prefixeLienMail().size(), prefixeLienMail()), 0);
    ecrireFichier(dossier / "corps", lien.substr(prefixeLienMail().size()));
    // An independent decoder reads the body back.
    const auto decode = sortie(std::string(QUENBREL_PYTHON3) +
                               " -c 'import sys,urllib.parse;"
                               "sys.stdout.write(urllib.parse.unquote(open(sys.argv[1]).read()))' " +
                               sh(dossier / "corps"));
    ASSERT_TRUE(decode);
    EXPECT_EQ(*decode, texte);
}

TEST(GenreEnvoi, TheFirstLineNamesTheRequestThatRecords)
{
    struct Cas {
        const char* texte;
        int genre;
    };
    const Cas cas[] = {
        {"@mto@reqt@grib@\nA 1\n@mto@reqt@fin@\n", 0},
        {"@mto@reqt@forfait@\nA 1\n", 0},
        {"@mto@reqt@bull@\nGMDSS_METAREA1_OFFSHORE\n", 1},
        {"@mto@reqt@bull@\r\nX\r\n", 1},
        {"@mto@reqt@sys@infos", -1},
        {"@mto@reqt@bull@x\n@mto@reqt@grib@\n", -1},  // a later line names nothing
        {"texte libre @mto@reqt@grib@\n", -1},
        {"", -1},
        {nullptr, -1},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(iGenreEnvoi(c.texte), c.genre) << (c.texte ? c.texte : "(null)");
}

namespace {

requete* requetesTest[2];
requete* requetePage(int type)
{
    return requetesTest[type];
}

}  // namespace

TEST_F(RequeteTest, ASentTextIsRecordedByItsFirstLineWithTheTextAsSent)
{
    requetesTest[0] = &grib;
    requetesTest[1] = &bulletin;
    crochetsEnvoi.requetePage = requetePage;
    grib.vSetDomaine(1);
    bulletin.vSetObjet("GMDSS_METAREA2_OFFSHORE");
    // A package shown by the GRIB request, sent with its own text.
    const std::string forfait = "@mto@reqt@forfait@\nA 1\nF 3\n@mto@reqt@fin@\n";
    EXPECT_EQ(iEnregistrerTexteEnvoye(forfait.c_str()), 0);
    EXPECT_EQ(iEnregistrerTexteEnvoye("@mto@reqt@sys@infos"), 1);
    const std::string envois = lireFichier("etc/envois.txt");
    EXPECT_NE(envois.find("\n\n" + forfait + "\n"), std::string::npos) << envois;
    EXPECT_EQ(envois.find("@mto@reqt@sys@"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/grib"), {}), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/bull"), {}), 0);
    const std::string bull = "@mto@reqt@bull@\nGMDSS_METAREA2_OFFSHORE\n@mto@reqt@fin@\n";
    EXPECT_EQ(iEnregistrerTexteEnvoye(bull.c_str()), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/bull"), {}), 1);
    // Without a request page nothing is recorded, and the log says so.
    crochetsEnvoi.requetePage = nullptr;
    EXPECT_EQ(iEnregistrerTexteEnvoye(bull.c_str()), 1);
    EXPECT_NE(journal().find("envoi non enregistre"), std::string::npos);
}

// What a sent text records is told by the text itself, whatever the page's
// request holds by then: a deletion of automations its own figures and no
// saved request, a bulletin text the codes it carried.
namespace {

// The two requests as the page's, for the test's length.
class TexteEnvoye : public RequeteTest {
protected:
    TexteEnvoye()
    {
        requetesTest[0] = &grib;
        requetesTest[1] = &bulletin;
        crochetsEnvoi.requetePage = requetePage;
    }
    ~TexteEnvoye() override { crochetsEnvoi.requetePage = nullptr; }
};

}  // namespace

TEST_F(TexteEnvoye, ASentTextIsRecordedAsItWent)
{
    grib.vSetDomaine(1);
    bulletin.vSetObjet("NAVTEX_A");
    const struct {
        const char* texte;
        const char* chiffres;  // the figures the send log gives
        const char* dossier;
        std::optional<std::string> sauvee;  // the saved request, if any
    } cas[] = {
        {"@mto@reqt@grib@\nA 0\ns\n@mto@reqt@fin@\n", "SIZE: 0.5 Ko\nCOST: 0.0 Euros\n", "etc/grib",
         std::nullopt},
        {"@mto@reqt@bull@\nA 0\n@mto@reqt@fin@\n", "SIZE: 0.5 Ko\nCOST: 0.0 Euros\n", "etc/bull",
         std::nullopt},
        {"@mto@reqt@bull@\r\nA 3\r\nGMDSS_METAREA2_OFFSHORE\r\n@mto@reqt@fin@\r\n",
         "SIZE: 5.000 Ko\nCOST: 0 Euros\n", "etc/bull", "GMDSS_METAREA2_OFFSHORE\n"},
        {"@mto@reqt@grib@\nA 1\nD 1\n@mto@reqt@fin@\n", "SIZE: 5.000 Ko\nCOST: 0 Euros\n",
         "etc/grib", grib.instantane().corps},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        for (const char* d : {"etc/grib", "etc/bull"}) {
            std::filesystem::remove_all(d);
            std::filesystem::create_directories(d);
        }
        std::filesystem::remove("etc/envois.txt");
        EXPECT_EQ(iEnregistrerTexteEnvoye(c.texte, "5.000", "0"), 0);
        EXPECT_NE(lireFichier("etc/envois.txt").find(c.chiffres + std::string("\n") + c.texte),
                  std::string::npos)
            << lireFichier("etc/envois.txt");
        std::vector<std::string> sauvees;
        for (const auto& f : std::filesystem::directory_iterator(c.dossier))
            sauvees.push_back(lireFichier(f.path().string()));
        EXPECT_EQ(sauvees, c.sauvee ? std::vector<std::string>{*c.sauvee}
                                    : std::vector<std::string>());
    }
}

// The page set to delete its automations, the window's text an order: the
// order's saved request is the page's, not the deletion's nothing.
TEST_F(TexteEnvoye, AnOrderSentFromADeletingPageSavesThePagesRequest)
{
    grib.vSetDomaine(1);
    const std::string corps = grib.instantane().corps;
    grib.vSetAutomatisation("0");
    std::filesystem::remove_all("etc/grib");
    std::filesystem::create_directories("etc/grib");
    EXPECT_EQ(iEnregistrerTexteEnvoye("@mto@reqt@grib@\nA 1\nD 1\n@mto@reqt@fin@\n"), 0);
    std::vector<std::string> sauvees;
    for (const auto& f : std::filesystem::directory_iterator("etc/grib"))
        sauvees.push_back(lireFichier(f.path().string()));
    EXPECT_EQ(sauvees, std::vector<std::string>{corps});
}
