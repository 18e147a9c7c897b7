// The bulletin page in connected mode against the stand-in service, which
// answers only the codes of its own list: each press sends the selection
// at once, on a transfer thread with its progress popup, and the button
// comes back up; the service receives the text the page rendered and the
// answers reach lockdir/; a misspelt code ends in a red popup.
#include <gtest/gtest.h>

#include "tests/pages/bulletins_test.h"

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
    page->vSetCommandeBulletins(0, nullptr);
    const int canal = iCanal(nullptr);
    ASSERT_GE(canal, 0);
    EXPECT_EQ(fondFinal(canal), FOND_ECHEC_HTTP);
    EXPECT_EQ(texteRecu(), "@mto@reqt@bull@\nNAVTEX_4_NEW-ORLEANS_FORECSAT\n@mto@reqt@fin@\n");
    EXPECT_TRUE(harnais::bAttendre([] { return std::filesystem::exists("lockdir/message.txt"); }));
}
