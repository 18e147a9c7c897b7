// The request page's send button along every way that refreshes it: each
// leaves it as the one rule says for the page's state, whether the GRIB
// request fits the limits or not, and the send window refuses a request
// the rule refuses, whatever turned the button on.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/requeteur_test.h"

#include "pages/abonnement.h"
#include "tests/ui/harnais_gui.h"
#include "transport/lien_mail.h"
#include "transport/requete.h"
#include "transport/windows_send.h"
#include "ui/boutons.h"
#include "ui/configuration.h"

#include <FL/Fl.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Text_Buffer.H>
#include <functional>

namespace {

int liens = 0;

int iOuvrirTest(const char*, char*, int)
{
    ++liens;
    return 1;
}

class BoutonEnvoi : public RequeteurTest {
protected:
    BoutonEnvoi()
    {
        vInstallerCrochetsEnvoi();
        MODE_CONNECTE = 0;
        liens = 0;
        ouvrirUri = iOuvrirTest;
    }
    ~BoutonEnvoi() override
    {
        delete fenetreEnvoi;
        fenetreEnvoi = nullptr;
        MODE_CONNECTE = 1;
    }
    // The world model over the Atlantic; `interdit`: at its finest mesh,
    // every forecast time, past the largest answer.
    void composer(bool interdit)
    {
        modele("Monde");
        if (interdit) {
            basculer(bouton(page->boutonsMailles, "0.125"));
            page->vRequeteurGribEcheancesPas(-1);
        }
        ASSERT_EQ(std::string(page->coutGrib->value()) == "Interdit", interdit)
            << page->coutGrib->value();
    }
    // The send window the page opened, closed by its button.
    void fermerFenetre()
    {
        ASSERT_NE(fenetreEnvoi, nullptr);
        ASSERT_TRUE(harnais::bMontrer(fenetreEnvoi));
        cliquer(fenetreEnvoi->boutonFermer);
        ASSERT_FALSE(fenetreEnvoi->shown());
    }
    void produit(int gbi) { cliquer(page->boutonsGBI[gbi]); }
};

}  // namespace

TEST_F(BoutonEnvoi, EveryPathLeavesTheSendButtonAsTheRuleSays)
{
    harnais::ChienDeGarde garde(240);
    const struct {
        const char* nom;
        std::function<void()> faire;
    } chemins[] = {
        {"Bulletins then Grib", [this] { produit(GBI_BULLETINS), produit(GBI_GRIB); }},
        {"Images then Grib", [this] { produit(GBI_IMAGES), produit(GBI_GRIB); }},
        {"routes then Grib", [this] { produit(GBI_ROUTES), produit(GBI_GRIB); }},
        {"closing the system request's window",
         [this] {
             cliquer(page->boutonSysteme);
             fermerFenetre();
         }},
        {"closing the deletion of automations' window",
         [this] {
             Abonnement::vBoutonSupprimerCallback(page->abonnementGrib->boutonSupprimer,
                                                  page->abonnementGrib);
             fermerFenetre();
         }},
    };
    for (const bool interdit : {true, false})
        for (const auto& c : chemins) {
            composer(interdit);
            ASSERT_EQ(page->boutonEnvoyer->active(), !interdit) << c.nom;
            c.faire();
            EXPECT_EQ(page->etatEnvoi().genre, ENVOI_GRIB) << c.nom;
            EXPECT_EQ(page->boutonEnvoyer->active(), !interdit)
                << c.nom << (interdit ? ": a request over the limits" : ": a request that fits");
        }
}

// The button forced on over a request past the limits: the window shows
// it, but none of its ways sends or records it.
TEST_F(BoutonEnvoi, TheSendWindowRefusesWhatTheRuleRefuses)
{
    composer(true);
    page->boutonEnvoyer->activate();
    cliquer(page->boutonEnvoyer);
    ASSERT_NE(fenetreEnvoi, nullptr);
    ASSERT_TRUE(harnais::bMontrer(fenetreEnvoi));
    for (classeBouton* b : {fenetreEnvoi->boutonEnvoiDirect, fenetreEnvoi->boutonEnvoiHttp,
                            fenetreEnvoi->boutonEnvoiMail}) {
        b->activate();
        b->do_callback();
        char* t = fenetreEnvoi->tamponJournal->text();
        EXPECT_STREQ(t, "Requete interdite : elle n'est pas envoyee") << b->label();
        std::free(t);
        fenetreEnvoi->tamponJournal->text("");
    }
    EXPECT_FALSE(fenetreEnvoi->boutonEnvoiMail->active());
    EXPECT_EQ(liens, 0);
    EXPECT_FALSE(existe("etc/envois.txt"));
    fermerFenetre();
    EXPECT_FALSE(page->boutonEnvoyer->active());
}
