// Saved requests loaded back into the request page: a GRIB request saved
// by the send log's writer comes back with the same text into a fresh
// page; a bulletin request presses the buttons of its codes; a file that
// cannot be loaded changes nothing.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/bulletins_test.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "pages/spinner_output.h"
#include "routes/spinner_position.h"
#include "tests/ui/harnais_gui.h"
#include "transport/requete.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/horloge.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Text_Buffer.H>
#include <filesystem>
#include <fstream>

namespace {

class Chargement : public BulletinsTest {
protected:
    Chargement()
    {
        heurecourante = 10;
        jourcourant = 1;
    }
    ~Chargement() override { heurecourante = jourcourant = 0; }
    void modele(const char* nom)
    {
        construireVue();
        cliquer(page->boutonZone);
        classeBoutonImage* b = RequeteurTest::bouton(page->boutonsModeles, nom);
        ASSERT_NE(b, nullptr);
        b->value(1);
        b->do_callback();
        ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
    }
    static void ecrire(const std::string& chemin, const std::string& texte)
    {
        std::ofstream(chemin) << texte;
    }
    // The page's state a failed load must leave alone.
    std::string etatPage() const
    {
        std::string e = texte(page->tamponGrib) + "|" + texte(page->tamponBulletins) + "|";
        for (spinnerOutput* c : page->champsZone)
            e += std::to_string(c->value()) + " ";
        return e + std::to_string(page->carte->centreLatitude) + " " +
               std::to_string(page->carte->etendue);
    }
    static std::string sansA(std::string t)
    {
        const size_t a = t.find("\nA ");
        if (a != std::string::npos)
            t.erase(a, t.find('\n', a + 1) - a);
        return t;
    }
};

}  // namespace

TEST_F(Chargement, ASavedGribRequestComesBackWithTheSameText)
{
    modele("Monde");
    page->champCap->value(0);
    page->champVitesse->value(5);
    page->champVitesse->do_callback();
    page->boutonsCompression[1]->do_callback();
    page->boutonTerre->value(0);
    page->boutonTerre->do_callback();
    const std::string avant = texte(page->tamponGrib);
    ASSERT_NE(avant.find("\nV 0 5.0\n"), std::string::npos) << avant;
    ASSERT_NE(avant.find("\nC gzip\n"), std::string::npos) << avant;
    ASSERT_NE(avant.find("\nF 0\n"), std::string::npos) << avant;
    ASSERT_EQ(page->requeteGrib->vEnregistre_Requete(), 0);
    std::string chemin;
    for (const auto& f : std::filesystem::directory_iterator("etc/grib"))
        chemin = f.path().string();
    ASSERT_FALSE(chemin.empty());

    construireVue();
    ASSERT_EQ(page->iChargerRequete(chemin.c_str(), true), 1);
    ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
    EXPECT_EQ(sansA(texte(page->tamponGrib)), sansA(avant));
    EXPECT_TRUE(page->boutonsCompression[1]->value());
    EXPECT_FALSE(page->boutonsCompression[0]->value());
    EXPECT_FALSE(page->boutonsCompression[2]->value());
    ASSERT_NE(page->champVitesse, nullptr);
    EXPECT_EQ(page->champVitesse->value(), 5);
    EXPECT_TRUE(page->boutonZone->value());
    EXPECT_TRUE(page->boutonEnvoyer->active());
}

TEST_F(Chargement, ASavedBulletinRequestPressesTheButtonsOfItsCodes)
{
    construire(1, 0);
    ecrire("etc/bull/b.txt",
           "GMDSS_METAREA2_INMARSAT\nSAT_EUROPE\nNAVTEX_4_NEW-ORLEANS_FORECAST\nINCONNU_1\n");
    ASSERT_EQ(page->iChargerRequete("etc/bull/b.txt", false), 1);
    EXPECT_TRUE(bouton(2)->value());
    EXPECT_TRUE(bouton(1006)->value());
    EXPECT_TRUE(bouton(5241)->value());
    EXPECT_FALSE(bouton(1)->value());
    EXPECT_FALSE(bouton(1007)->value());
    // The unknown code is kept.
    EXPECT_NE(texteBulletins().find("INCONNU_1\n"), std::string::npos);
    EXPECT_TRUE(page->boutonEnvoyer->active());
    EXPECT_TRUE(page->abonnementBulletins->active());
    // The next press keeps what was loaded.
    presser(1007);
    EXPECT_NE(texteBulletins().find("NAVTEX_4_NEW-ORLEANS_FORECAST"), std::string::npos);
    EXPECT_NE(texteBulletins().find("SAT_EUROPE"), std::string::npos);
}

TEST_F(Chargement, AFileThatCannotBeLoadedChangesNothing)
{
    construire(0, 0);
    page->carte->chargementAffiche = 0;
    page->carte->zoom(50, -20, 60, 1);
    cliquer(page->boutonZone);
    ecrire("etc/bull/b.txt", "SAT_EUROPE\n");
    ecrire("etc/grib/nan.txt", "dimensions nan 0 1\n");
    ecrire("etc/grib/vide.txt", "");
    const std::string avant = etatPage();
    for (const char* f : {"etc/grib/absent.txt", "etc/bull/b.txt", "etc/grib/nan.txt",
                          "etc/grib/vide.txt"}) {
        std::string alerte;
        harnais::vRepondreBoite([&](Fl_Window* b) {
            alerte = pTexteMessage()->label();
            harnais::vFermer(b);
        });
        EXPECT_EQ(page->iChargerRequete(f, true), 0) << f;
        harnais::vOublierBoite();
        EXPECT_EQ(etatPage(), avant) << f;
        EXPECT_NE(alerte.find(f), std::string::npos) << f << ": " << alerte;
        EXPECT_NE(journal.contenu().find(std::string("requete non chargee: ") + f), std::string::npos) << f;
    }
}

// A loaded request counts what a press of the same buttons counts, each
// code without a button 5 Ko more; those codes stay through later presses
// until the selection is emptied.
TEST_F(Chargement, ALoadedBulletinRequestIsRebuiltAsAPressWouldAndKeepsItsUnknownCodes)
{
    construire(1, 0);
    presser(1006);
    const int presse = page->requeteBulletins->volumeBulletins;
    ASSERT_EQ(presse, 30);
    struct Cas {
        const char* fichier;
        int volume;
    };
    for (const Cas& c : {Cas{"SAT_EUROPE\n", 30}, Cas{"SAT_EUROPE\nINCONNU_1\n", 35}}) {
        vr::vBoutonRequeteurGmdssReinitialiseCallback(nullptr, page);
        ecrire("etc/bull/b.txt", c.fichier);
        ASSERT_EQ(page->iChargerRequete("etc/bull/b.txt", false), 1);
        EXPECT_TRUE(bouton(1006)->value()) << c.fichier;
        EXPECT_EQ(page->requeteBulletins->volumeBulletins, c.volume) << c.fichier;
    }
    EXPECT_NE(journal.contenu().find("code sans bouton garde: INCONNU_1"), std::string::npos);
    presser(1007);
    EXPECT_NE(texteBulletins().find("INCONNU_1\n"), std::string::npos) << texteBulletins();
    EXPECT_EQ(page->requeteBulletins->volumeBulletins, 65);
    presser(1006);
    EXPECT_NE(texteBulletins().find("INCONNU_1\n"), std::string::npos) << texteBulletins();
    // The last product released: nothing is left to order.
    presser(1007);
    EXPECT_EQ(texteBulletins(), "");
    presser(1007);
    EXPECT_EQ(texteBulletins().find("INCONNU_1"), std::string::npos) << texteBulletins();
}

// A Metarea button is known by its number, not its label: two areas may
// share one.
TEST_F(Chargement, AMetareaIsLoadedByItsNumberWhenTwoShareALabel)
{
    construire(1, 0);
    ASSERT_NE(bouton(20), nullptr);
    ASSERT_NE(bouton(22), nullptr);
    bouton(22)->copy_label(bouton(20)->label());
    ecrire("etc/bull/b.txt", "GMDSS_METAREA21_INMARSAT\n");
    ASSERT_EQ(page->iChargerRequete("etc/bull/b.txt", false), 1);
    EXPECT_TRUE(bouton(22)->value());
    EXPECT_FALSE(bouton(20)->value());
    EXPECT_EQ(journal.contenu().find("code sans bouton garde"), std::string::npos);
}

// The map goes to the zone the loaded request holds, whatever the file's
// "dimensions" line says.
TEST_F(Chargement, TheMapIsZoomedOnTheLoadedZone)
{
    modele("Monde");
    ASSERT_EQ(page->requeteGrib->vEnregistre_Requete(), 0);
    std::string chemin;
    for (const auto& f : std::filesystem::directory_iterator("etc/grib"))
        chemin = f.path().string();
    ASSERT_FALSE(chemin.empty());
    std::string lignes, l;
    for (std::ifstream f(chemin); std::getline(f, l);)
        if (l.rfind("dimensions ", 0) != 0)
            lignes += l + "\n";
    for (const char* dimensions : {"", "dimensions nan 0 1\n", "dimensions 10 100 5\n"}) {
        ecrire(chemin, dimensions + lignes);
        construireVue();
        page->carte->zoom(0, 100, 30, 1);
        ASSERT_EQ(page->iChargerRequete(chemin.c_str(), true), 1) << dimensions;
        const requete& r = *page->requeteGrib;
        EXPECT_NEAR(page->carte->centreLatitude, r.centreLatitude, 1e-9) << dimensions;
        EXPECT_NEAR(page->carte->centreLongitude, r.centreLongitude, 1e-9) << dimensions;
        EXPECT_GT(r.centreLatitude, 20) << dimensions;
    }
}
