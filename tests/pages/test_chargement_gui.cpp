// Saved requests loaded back into the request page: a GRIB request saved
// by the send log's writer comes back with the same text into a fresh
// page; a bulletin request presses the buttons of its codes; a file that
// cannot be loaded changes nothing.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/bulletins_test.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "pages/crochets_pages.h"
#include "pages/spinner_output.h"
#include "routes/spinner_position.h"
#include "tests/ui/harnais_gui.h"
#include "transport/regles_requete.h"
#include "transport/requete.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Text_Buffer.H>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

class Chargement : public BulletinsTest {
protected:
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
    // Runs `faire`, answering every message box it opens: their texts.
    static std::vector<std::string> boites(const std::function<void()>& faire)
    {
        std::vector<std::string> textes;
        std::function<void(Fl_Window*)> repondre = [&](Fl_Window* b) {
            textes.push_back(pTexteMessage()->label());
            harnais::vFermer(b);
            // Hidden now, not when its loop next turns: a late watcher
            // running again in the same turn must not take it for the next.
            b->hide();
            harnais::vRepondreBoite(repondre);
        };
        harnais::vRepondreBoite(repondre);
        faire();
        harnais::vOublierBoite();
        return textes;
    }
    static std::string sansA(std::string t)
    {
        const size_t a = t.find("\nA ");
        if (a != std::string::npos)
            t.erase(a, t.find('\n', a + 1) - a);
        return t;
    }

    HeureFixe heure;
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
    EXPECT_NE(texteBulletins().find("NAVTEX_4_NEW-ORLEANS_FORECAST\n"), std::string::npos);
    EXPECT_TRUE(page->boutonEnvoyer->active());
    EXPECT_TRUE(page->abonnementBulletins->active());
    // The next press keeps the pressed products and the unknown code; the
    // request is rebuilt from the buttons.
    presser(1007);
    EXPECT_NE(texteBulletins().find("NAVTEX_4_NEW-ORLEANS_FORECAST"), std::string::npos);
    EXPECT_NE(texteBulletins().find("SAT_EUROPE"), std::string::npos);
    EXPECT_NE(texteBulletins().find("INCONNU_1"), std::string::npos);
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
        int charge = 0;
        const std::vector<std::string> alertes =
            boites([&] { charge = page->iChargerRequete(chemin.c_str(), true); });
        ASSERT_EQ(charge, 1) << dimensions;
        // The line refused is told; a line of dimensions merely left out
        // is not.
        EXPECT_EQ(alertes.size(), std::string(dimensions).find("nan") != std::string::npos)
            << dimensions;
        const requete& r = *page->requeteGrib;
        EXPECT_NEAR(page->carte->centreLatitude, r.centreLatitude, 1e-9) << dimensions;
        EXPECT_NEAR(page->carte->centreLongitude, r.centreLongitude, 1e-9) << dimensions;
        EXPECT_GT(r.centreLatitude, 20) << dimensions;
    }
}

// The file is read as the page's kind of request wherever it lies: under
// a working folder whose path holds "grib", outside any "bull" folder, in
// etc/grib/.
TEST_F(Chargement, ABulletinRequestLoadsWhateverFolderItLiesIn)
{
    construire(1, 0);
    for (const std::string& f : {dossier / "gribouille/etc/bull/b.txt", dossier / "Documents/b.txt",
                                dossier / "etc/grib/b.txt"}) {
        vr::vBoutonRequeteurGmdssReinitialiseCallback(nullptr, page);
        std::filesystem::create_directories(std::filesystem::path(f).parent_path());
        ecrire(f, "SAT_EUROPE\n");
        int charge = 0;
        EXPECT_EQ(boites([&] { charge = page->iChargerRequete(f.c_str(), false); }),
                  std::vector<std::string>()) << f;
        EXPECT_EQ(charge, 1) << f;
        EXPECT_TRUE(bouton(1006)->value()) << f;
        EXPECT_EQ(texteBulletins(), "@mto@reqt@bull@\nSAT_EUROPE\n@mto@reqt@fin@\n") << f;
    }
}

// Each code presses its own button on whatever panel it lies; a code four
// coastal rows share presses none of them and is kept as loaded, to go
// with the next press. The request holds the file's codes, each counted
// once, in the page and in the send log.
TEST_F(Chargement, ALoadedBulletinRequestPressesTheOwnButtonOfEachCodeOnEveryPanel)
{
    construire(1, 0);
    const std::string codes = "GMDSS_METAREA2_INMARSAT\nSAT_EUROPE\nCOTE_MEDIT_CER-POR\n"
                              "BMS_COTE_MEDIT\nNAVTEX_4_NEW-ORLEANS_FORECAST\n"
                              "MANCHE_ET_SUD_DE_MER_DU_NORD\n";
    ecrire("etc/bull/b.txt", codes);
    ASSERT_EQ(page->iChargerRequete("etc/bull/b.txt", false), 1);
    for (int n : {2, 1006, 4550, 5241, 4020})
        EXPECT_TRUE(bouton(n)->value()) << n;
    for (int n : {4551, 4561, 4571, 4581, 4021, 5242}) {
        ASSERT_NE(bouton(n), nullptr) << n;
        EXPECT_FALSE(bouton(n)->value()) << n;
    }
    EXPECT_EQ(texteBulletins(), "@mto@reqt@bull@\n" + codes + "@mto@reqt@fin@\n");
    // The Metarea 5 Ko, the picture 30, each bulletin 5.
    EXPECT_STREQ(page->volumeBulletins->value(), "55.000");
    ASSERT_EQ(page->requeteBulletins->vEnregistre(), 0);
    EXPECT_NE(lireFichier("etc/envois.txt").find("SIZE: 55.000 Ko\n"), std::string::npos);
    presser(1007);
    for (const char* c : {"COTE_MEDIT_CER-POR\n", "BMS_COTE_MEDIT\n", "SAT_FRANCE\n",
                          "NAVTEX_4_NEW-ORLEANS_FORECAST\n", "MANCHE_ET_SUD_DE_MER_DU_NORD\n"})
        EXPECT_NE(texteBulletins().find(c), std::string::npos) << c << texteBulletins();
}

// Codes no button alone stands for are a selection as a button down is:
// the automation panel stays usable whatever asks again.
TEST_F(Chargement, LoadedCodesWithoutAButtonKeepTheAutomationPanel)
{
    construire(1, 0);
    ecrire("etc/bull/b.txt", "BMS_COTE_MEDIT\n");
    ASSERT_EQ(page->iChargerRequete("etc/bull/b.txt", false), 1);
    vConnecterPage(nullptr, page);
    EXPECT_TRUE(page->abonnementBulletins->active());
    EXPECT_TRUE(page->boutonEnvoyer->active());
}

// Lines of a hand-made file that would reach the service as lines of the
// protocol are dropped, logged and told in one message with their count;
// what goes is the request of the codes kept. A file of nothing else is
// not loaded.
TEST_F(Chargement, LinesOfABulletinFileThatAreNoCodeAreRefused)
{
    construire(1, 0);
    const std::string chemin = "etc/bull/b.txt";
    ecrire(chemin, "@mto@reqt@fin@\nSAT_EUROPE\nA X\n\n \t\nA\nDEUX MOTS\n@mto@reqt@grib@\n"
                   "x;rm\n" + std::string(48, 'X') + "\n\x01" "CODE\n"
                   " NAVTEX_4_NEW-ORLEANS_FORECAST \r\n");
    int charge = 0;
    EXPECT_EQ(boites([&] { charge = page->iChargerRequete(chemin.c_str(), false); }),
              std::vector<std::string>({"Lignes ignorees dans la requete : 10\n" + chemin}));
    EXPECT_EQ(charge, 1);
    EXPECT_EQ(page->requeteBulletins->instantane().texte,
              "@mto@reqt@bull@\nSAT_EUROPE\nNAVTEX_4_NEW-ORLEANS_FORECAST\n@mto@reqt@fin@\n");
    const std::string log = journal.contenu();
    for (const char* l : {"ligne 1 refusee dans la requete de bulletins: @mto@reqt@fin@\n",
                          "ligne 3 refusee dans la requete de bulletins: A X\n",
                          "ligne 11 refusee dans la requete de bulletins: (octet de controle)\n"})
        EXPECT_NE(log.find(l), std::string::npos) << l << log;

    ecrire(chemin, "A 3\n\n@mto@reqt@fin@\n");
    EXPECT_EQ(boites([&] { charge = page->iChargerRequete(chemin.c_str(), false); }),
              std::vector<std::string>({"Requete illisible\n" + chemin}));
    EXPECT_EQ(charge, 0);
}

// A GRIB request without a model is not loaded: the page keeps its own
// request, its figures and its send button.
TEST_F(Chargement, ALoadedGribRequestWithoutAModelCannotBeSent)
{
    for (const char* domaine : {"", "domaine D\n", "domaine D nulle_part\n"}) {
        modele("Monde");
        ASSERT_TRUE(page->boutonEnvoyer->active());
        const std::string cout = page->coutGrib->value(), avant = etatPage();
        ASSERT_NE(cout, "Interdit");
        ecrire("etc/grib/r.txt", domaine + std::string("zone 50 40 -10 0\nparametres vent\n"
                                                       "validites 18\n"));
        int charge = -1;
        EXPECT_EQ(boites([&] { charge = page->iChargerRequete("etc/grib/r.txt", true); }),
                  std::vector<std::string>({"Requete illisible\netc/grib/r.txt"}))
            << domaine;
        EXPECT_EQ(charge, 0) << domaine;
        EXPECT_EQ(page->requeteGrib->modele, 1) << domaine;
        EXPECT_EQ(etatPage(), avant) << domaine;
        EXPECT_EQ(page->coutGrib->value(), cout) << domaine;
        EXPECT_TRUE(page->boutonEnvoyer->active()) << domaine;
    }
}

// What a load takes of a hand-made file: no automation line (the panel's
// is sent, whatever the file says), no model the page does not offer, no
// file past 1 MB, a course of 360 as north, each code once and those past
// the 128 slots counted in the message; the log keeps to a few lines
// whatever the file holds.
TEST_F(Chargement, TheLoadRules)
{
    modele("Monde");
    ASSERT_EQ(page->requeteGrib->vEnregistre_Requete(), 0);
    std::string sauvee;
    for (const auto& f : std::filesystem::directory_iterator("etc/grib"))
        sauvee = lireFichier(f.path().string());
    std::string inconnu = sauvee, automatisations, codes;
    inconnu.replace(inconnu.find("domaine D monde\n"), 16, "domaine D 77\n");
    for (int i = 0; i < 50000; ++i)
        automatisations += i % 2 ? "automatisation 0\n" : "automatisation X\n";
    for (int i = 0; i < 130; ++i)
        codes += "CODE_" + std::to_string(i) + (i < 3 ? "\nCODE_0\n" : "\n");
    const std::string ignorees = "Lignes ignorees dans la requete : ";
    const struct Cas {
        bool grib;
        std::string fichier;
        int charge;
        std::string alerte;
        std::vector<std::string> presentes, absentes;
    } cas[] = {
        {true, sauvee + automatisations, 1, ignorees + "50000", {"A 1"}, {"A 0", "A X"}},
        {true, inconnu, 0, "Requete illisible", {}, {}},
        {true, sauvee + std::string(TAILLE_REQUETE_MAX, '#'), 0, "Requete illisible", {}, {}},
        {true, sauvee + "capvitesse V 360 7.5\n", 1, "", {"V 0 7.5"}, {}},
        {false, codes, 1, ignorees + "2", {"CODE_0", "CODE_127"}, {"CODE_128", "CODE_129"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fichier.substr(0, 300));
        construire(c.grib ? 0 : 1, 0);
        if (c.grib) {
            modele("Europe");
            page->champCap->value(90);  // a course the file's replaces
        }
        Fl_Text_Buffer* tampon = c.grib ? page->tamponGrib : page->tamponBulletins;
        const std::string avant = texte(tampon), chemin = c.grib ? "etc/grib/r.txt" : "etc/bull/r.txt";
        ecrire(chemin, c.fichier);
        const size_t journalAvant = journal.contenu().size();
        int charge = -1;
        const std::vector<std::string> alertes =
            boites([&] { charge = page->iChargerRequete(chemin.c_str(), c.grib); });
        EXPECT_EQ(charge, c.charge);
        EXPECT_EQ(alertes, c.alerte.empty() ? std::vector<std::string>()
                                            : std::vector<std::string>({c.alerte + "\n" + chemin}));
        const std::string apres = texte(tampon);
        EXPECT_TRUE(c.charge || apres == avant);
        for (const std::string& l : c.presentes)
            EXPECT_NE(apres.find("\n" + l + "\n"), std::string::npos) << l << "\n" << apres;
        for (const std::string& l : c.absentes)
            EXPECT_EQ(apres.find("\n" + l + "\n"), std::string::npos) << l << "\n" << apres;
        // At most a line per code kept, and a few more.
        const std::string ajout = journal.contenu().substr(journalAvant);
        EXPECT_LT(std::count(ajout.begin(), ajout.end(), '\n'), 160) << ajout.substr(0, 2000);
    }
    EXPECT_EQ(page->requeteBulletins->objets.iNombre(), 128);
    EXPECT_NE(journal.contenu().find("requete refusee, plus de 1048576 octets: etc/grib/r.txt"),
              std::string::npos);
}

// A saved GRIB request goes whole or not at all: without its own zone or
// a model the page offers, it is refused and the page keeps its request,
// its figures and its send button; a request that loads tells every line
// it left out.
TEST_F(Chargement, AGribRequestWithoutItsZoneOrModelIsRefusedWhole)
{
    using namespace std::string_literals;
    const std::string zone = "zone 48.000000 43.000000 -8.000000 -1.000000\n";
    const std::string sauvee = "dimensions 45.500000 -4.500000 10.000000\n" + zone +
                               "domaine D monde\nmaille M 0.25\nparametres vent\n"
                               "validites 18 24\ncompression C bzip2\n";
    const auto sans = [&](const std::string& ligne, const std::string& par) {
        std::string f = sauvee;
        return f.replace(f.find(ligne), ligne.size(), par);
    };
    const std::string illisible = "Requete illisible";
    const std::string ignorees = "Lignes ignorees dans la requete : ";
    const struct Cas {
        std::string fichier, alerte;
    } cas[] = {
        {sans(zone, "zone 48.000000 43.0\0 -8.000000 -1.000000\n"s), illisible},
        {sans(zone, "zone 48 43 -8 -1\0\n"s), illisible},
        {sans(zone, "zone 95 43 -8 -1\n"), illisible},
        {sans(zone, "zone 48 43 -8 600\n"), illisible},
        {sans(zone, "zone 43 48 -8 -1\n"), illisible},
        {sans(zone, "zone 48,5 43 -8 -1\n"), illisible},
        {sans(zone, "zone 48 43 -8\n"), illisible},
        {sans(zone, "zone 48 43 -8 -1 -1\n"), illisible},
        {sans(zone, "zoen 48 43 -8 -1\n"), illisible},
        {sans(zone, ""), illisible},
        {sans("domaine D monde\n", "domaine D inconnu\n"), illisible},
        {sans("domaine D monde\n", "domaine D monde\0x\n"s), illisible},
        {sauvee + "dimensions nan 0 1\n", ignorees + "1"},
        {sauvee + "zone 95 43 -8 -1\n", ignorees + "1"},
        {sauvee + "domaine D inconnu\n", ignorees + "1"},
        {sauvee + "maille M abc\n", ignorees + "1"},
        {sauvee + "compression C lzma\n", ignorees + "1"},
        {sauvee + "capvitesse V 400 5.0\n", ignorees + "1"},
        {sauvee + "terremer F 2\n", ignorees + "1"},
        {sauvee + "parametres vent zorglub pm\1er\n", ignorees + "2"},
        {sauvee + "compression C gzip\0\n"s, ignorees + "1"},
        {sauvee + "zorglub 3\n\n", ignorees + "1"},
        {sauvee + "terremer F 2\ncompression C lzma\ndomaine D inconnu\n", ignorees + "3"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fichier);
        modele("Monde");
        choisirModele("Europe");
        ASSERT_TRUE(page->boutonEnvoyer->active());
        const std::string avant = etatPage(), cout = page->coutGrib->value();
        const int modeleAvant = page->requeteGrib->modele;
        ecrire("etc/grib/r.txt", c.fichier);
        int charge = -1;
        EXPECT_EQ(boites([&] { charge = page->iChargerRequete("etc/grib/r.txt", true); }),
                  std::vector<std::string>({c.alerte + "\netc/grib/r.txt"}));
        const requete& r = *page->requeteGrib;
        if (c.alerte == illisible) {
            EXPECT_EQ(charge, 0);
            EXPECT_EQ(etatPage(), avant);
            EXPECT_EQ(page->coutGrib->value(), cout);
            EXPECT_EQ(r.modele, modeleAvant);
        } else {
            EXPECT_EQ(charge, 1);
            EXPECT_EQ(r.modele, 1);
            EXPECT_EQ(r.dGetZone('n'), 48);
            EXPECT_EQ(r.dGetZone('w'), -8);
        }
        EXPECT_TRUE(page->boutonEnvoyer->active());
    }
}
