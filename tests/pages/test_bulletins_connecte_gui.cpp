// The bulletin page in connected mode against the stand-in service, which
// answers only the codes of its own list: each press sends the selection
// at once, on a transfer thread with its progress popup, and the button
// comes back up; the service receives the text the page rendered and the
// answers reach lockdir/; a misspelt code ends in a red popup.
#include <gtest/gtest.h>

#include "tests/pages/bulletins_test.h"

#include "pages/abonnement.h"
#include "tests/outils/service_factice.h"
#include "tests/ui/harnais_gui.h"
#include "transport/canaux.h"
#include "transport/popup_http.h"
#include "transport/requete.h"
#include "transport/threads_http.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/editeur.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <filesystem>
#include <string>
#include <vector>

namespace {

ServiceFactice& service()
{
    return ServiceFactice::partage();
}

class BulletinsConnecte : public BulletinsTest {
protected:
    BulletinsConnecte()
    {
        // A transfer thread that ends takes the toolkit's lock: the test
        // holds it as the event loop does, and lets it go while it waits.
        Fl::lock();
        vInitialiserCanaux();
        MODE_CONNECTE = 1;
        MODE_BULL_HTTP = 1;
    }
    ~BulletinsConnecte() override
    {
        EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
        vDetruirePopupsHttp("<TEST>");
        for (int i = 0; i < HTTP_CANAUX; ++i)
            vLibererCanal(i);
        EXPECT_TRUE(service().bVariante("normale"));
        Fl::unlock();
    }
    // The slot whose popup shows the transfer started by `b` (null: the
    // last one claimed without a button).
    static int iCanal(classeBouton* b)
    {
        for (int i = HTTP_CANAUX; i--;)
            if (structHTTP[i].etat.load() == 1 && structHTTP[i].bouton == b)
                return i;
        return -1;
    }
    // Waits for the popup of slot `canal` to show how the transfer ended.
    static Fl_Color fondFinal(int canal)
    {
        const bool fini = harnais::bAttendre(
            [canal] { return structHTTP[canal].phase.load() == PHASE_AFFICHEE; }, 60);
        EXPECT_TRUE(fini);
        return structHTTP[canal].popup ? structHTTP[canal].popup->affichage.fond : 0;
    }
    std::string texteRecu() const { return service().connexions().back().at("texte"); }
};

}  // namespace

TEST_F(BulletinsConnecte, EachPressSendsTheSelectionAtOnce)
{
    harnais::ChienDeGarde garde(180);
    ASSERT_GT(service().port(), 0);
    ASSERT_TRUE(service().bVariante("catalogue"));
    construire(1, 0);
    classeBoutonImage* metarea = bouton(1);
    cliquer(metarea);
    const int canal = iCanal(metarea);
    ASSERT_GE(canal, 0);
    EXPECT_EQ(metarea->value(), 0) << "the button comes back up";
    const std::string premier = texteBulletins();
    EXPECT_EQ(premier,
              "@mto@reqt@bull@\nGMDSS_METAREA1_INMARSAT\nGMDSS_METAREA1_OFFSHORE\n@mto@reqt@fin@\n");
    EXPECT_EQ(fondFinal(canal), 63);
    EXPECT_EQ(texteRecu(), premier);
    EXPECT_TRUE(harnais::bAttendre([] {
        return std::filesystem::exists("lockdir/GMDSS_METAREA1_INMARSAT.txt") &&
               std::filesystem::exists("lockdir/GMDSS_METAREA1_OFFSHORE.txt");
    }));
    EXPECT_FALSE(page->boutonEnvoyer->active()) << "nothing waits for the send window";

    // The next press sends its own selection only.
    presser(5241);
    const int second = iCanal(bouton(5241));
    ASSERT_GE(second, 0);
    EXPECT_EQ(bouton(5241)->value(), 0);
    EXPECT_EQ(texteBulletins(), "@mto@reqt@bull@\nNAVTEX_4_NEW-ORLEANS_FORECAST\n@mto@reqt@fin@\n");
    EXPECT_EQ(fondFinal(second), 63);
    EXPECT_EQ(texteRecu(), texteBulletins());
    const std::string nom = "lockdir/bulletins_" + std::to_string(service().connexions().size()) + ".txt";
    ASSERT_TRUE(harnais::bAttendre([&nom] { return std::filesystem::exists(nom); })) << nom;
    // In ISO 8859-1, as the service sends them: the text window, which reads
    // a received bulletin so, shows its accented letters.
    std::filesystem::create_directories("dat/bulletin");
    std::filesystem::copy_file(nom, "dat/bulletin/recu.txt");
    editeur fenetre("dat/bulletin/recu.txt", 0, 0, 0, 600, 400, 1, COLOR_FOND, "Editeur");
    EXPECT_NE(texte(fenetre.textbuf).find("(donn\u00e9es factices)"), std::string::npos)
        << texte(fenetre.textbuf);
}

// A code the service does not know, as a saved request may hold: sent as
// it is, refused, red.
TEST_F(BulletinsConnecte, AMisspeltCodeEndsRed)
{
    harnais::ChienDeGarde garde(120);
    ASSERT_TRUE(service().bVariante("catalogue"));
    construire(1, 0);
    page->requeteBulletins->vSetObjet("NAVTEX_4_NEW-ORLEANS_FORECSAT");
    page->vSetCommandeBulletins(0);
    const int canal = iCanal(nullptr);
    ASSERT_GE(canal, 0);
    EXPECT_EQ(fondFinal(canal), FOND_ECHEC_HTTP);
    EXPECT_EQ(texteRecu(), "@mto@reqt@bull@\nNAVTEX_4_NEW-ORLEANS_FORECSAT\n@mto@reqt@fin@\n");
    EXPECT_TRUE(harnais::bAttendre([] { return std::filesystem::exists("lockdir/message.txt"); }));
}

namespace {

// A loaded request, then two presses and the send button, on the page
// whose buttons the file's codes press.
struct CasCharge {
    const char* nom;
    bool images;              // the image tab shown
    const char* fichier;      // the saved request loaded
    int charge;               // the button it presses
    int premier, second;      // pressed in turn
    const char* codesCharge;  // what the loaded button orders
    const char* codesPremier, *codesSecond;
};

}  // namespace

// What goes is what was pressed, once: each press its own product (the
// first one with the loaded code no button stands for), the loaded
// button with the send button, and every button that went comes back up.
TEST_F(BulletinsConnecte, ALoadedRequestGoesOnceAndEachPressSendsItsProductAlone)
{
    harnais::ChienDeGarde garde(240);
    ASSERT_TRUE(service().bVariante("normale"));
    const CasCharge cas[] = {
        {"bulletins", false, "GMDSS_METAREA2_INMARSAT\nINCONNU_1\n", 2, 1, 5241,
         "GMDSS_METAREA2_INMARSAT\n", "GMDSS_METAREA1_INMARSAT\nGMDSS_METAREA1_OFFSHORE\n",
         "NAVTEX_4_NEW-ORLEANS_FORECAST\n"},
        {"images", true, "SAT_EUROPE\nINCONNU_1\n", 1006, 1007, 0, "SAT_EUROPE\n",
         "SAT_FRANCE\n", nullptr},
        {"navtex", false, "NAVTEX_2_CROSS_CORSEN_FORECAST\nINCONNU_1\n", 5021, 1, 0,
         "NAVTEX_2_CROSS_CORSEN_FORECAST\n", "GMDSS_METAREA1_INMARSAT\nGMDSS_METAREA1_OFFSHORE\n",
         nullptr},
        {"large", false, "MANCHE_ET_SUD_DE_MER_DU_NORD\nINCONNU_1\n", 4020, 5241, 0,
         "MANCHE_ET_SUD_DE_MER_DU_NORD\n", "NAVTEX_4_NEW-ORLEANS_FORECAST\n", nullptr},
        {"cotes", false, "COTE_MEDIT_CER-POR\nINCONNU_1\n", 4550, 5241, 0,
         "COTE_MEDIT_CER-POR\n", "NAVTEX_4_NEW-ORLEANS_FORECAST\n", nullptr},
    };
    for (const CasCharge& c : cas) {
        SCOPED_TRACE(c.nom);
        construire(1, 0);
        if (c.images)
            page->boutonsGBI[GBI_IMAGES]->do_callback();
        std::filesystem::remove_all("etc/bull");
        std::filesystem::create_directories("etc/bull");
        std::filesystem::remove("etc/envois.txt");
        ecrireFichier("etc/bull/charge.txt", c.fichier);
        ASSERT_EQ(page->iChargerRequete("etc/bull/charge.txt", false), 1);
        std::filesystem::remove("etc/bull/charge.txt");
        ASSERT_TRUE(bouton(c.charge)->value());
        ASSERT_TRUE(page->boutonEnvoyer->active());
        size_t n = service().connexions().size();
        const auto recu = [&n] {
            // The stand-in notes a connection field by field: its text is
            // waited for, not only the connection.
            EXPECT_TRUE(harnais::bAttendre(
                [n] {
                    const auto c = service().connexions();
                    return c.size() > n && c.back().count("texte");
                },
                60));
            n = service().connexions().size();
            return service().connexions().back().at("texte");
        };
        const auto texte = [](const std::string& codes) {
            return "@mto@reqt@bull@\n" + codes + "@mto@reqt@fin@\n";
        };
        presser(c.premier);
        EXPECT_EQ(recu(), texte(std::string(c.codesPremier) + "INCONNU_1\n"));
        EXPECT_FALSE(bouton(c.premier)->value());
        EXPECT_TRUE(bouton(c.charge)->value()) << "the loaded product has not gone";
        EXPECT_EQ(texteBulletins(), texte(c.codesCharge)) << "the send button sends what is left";
        EXPECT_TRUE(page->boutonEnvoyer->active());
        int envois = 1;
        if (c.codesSecond) {
            presser(c.second);
            EXPECT_EQ(recu(), texte(c.codesSecond));
            EXPECT_FALSE(bouton(c.second)->value());
            ++envois;
        }
        cliquer(page->boutonEnvoyer);
        EXPECT_EQ(recu(), texte(c.codesCharge));
        EXPECT_FALSE(bouton(c.charge)->value());
        EXPECT_FALSE(page->boutonEnvoyer->active()) << "nothing is left to send";
        ++envois;
        // Each send recorded once, as it went.
        ASSERT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/bull"), {}), envois);
        vDetruirePopupsHttp("<TEST>");
        for (int i = 0; i < HTTP_CANAUX; ++i)
            vLibererCanal(i);
    }
}

// After a press, the deletion of automations goes as "A 0" alone and is
// recorded so: its own figures, and no saved request that would order
// the last press's products when loaded again.
TEST_F(BulletinsConnecte, TheDeletionOfAutomationsIsRecordedAsItWent)
{
    harnais::ChienDeGarde garde(120);
    ASSERT_TRUE(service().bVariante("normale"));
    construire(1, 0);
    std::filesystem::remove("etc/envois.txt");
    presser(1);
    ASSERT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
    const size_t n = service().connexions().size();
    Abonnement::vBoutonSupprimerCallback(nullptr, page->abonnementBulletins);
    ASSERT_TRUE(harnais::bAttendre(
        [n] { return service().connexions().size() > n && iTransfertsEnCours() == 0; }, 60));
    const std::string suppression = "@mto@reqt@bull@\nA 0\n@mto@reqt@fin@\n";
    EXPECT_EQ(texteRecu(), suppression);
    const std::string envois = lireFichier("etc/envois.txt");
    EXPECT_NE(envois.find("SIZE: 0.5 Ko\nCOST: 0.0 Euros\n\n" + suppression), std::string::npos)
        << envois;
    std::vector<std::string> sauvees;
    for (const auto& f : std::filesystem::directory_iterator("etc/bull"))
        sauvees.push_back(lireFichier(f.path().string()));
    const std::string premier = "GMDSS_METAREA1_INMARSAT\nGMDSS_METAREA1_OFFSHORE\n";
    EXPECT_EQ(sauvees, std::vector<std::string>{premier});
}
