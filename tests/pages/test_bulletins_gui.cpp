// The bulletin page outside connected mode: its sections and buttons from
// the tables and the Metarea tree, presses that rebuild the request from
// the buttons down (codes and volume), the send window, the French
// sections in French only, the help pane's place, too many products told
// once, and the reset.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/bulletins_test.h"

#include "pages/abonnement.h"

#include "tests/ui/harnais_gui.h"
#include "transport/requete.h"
#include "transport/windows_send.h"
#include "ui/aide.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Pack.H>
#include <memory>

namespace {

int iOccurrences(const std::string& texte, const std::string& mot)
{
    int n = 0;
    for (size_t i = texte.find(mot); i != std::string::npos; i = texte.find(mot, i + 1))
        ++n;
    return n;
}

int iBoutons(classeBoutonImage** t)
{
    int n = 0;
    for (; t && *t; ++t)
        ++n;
    return n;
}

class Bulletins : public BulletinsTest {
protected:
    ~Bulletins() override
    {
        delete fenetreEnvoi;
        fenetreEnvoi = nullptr;
    }
};

}  // namespace

TEST_F(Bulletins, ThePressesRebuildTheRequestFromTheButtonsDown)
{
    construire(1, 0);
    presser(5241);
    EXPECT_EQ(texteBulletins(), "@mto@reqt@bull@\nNAVTEX_4_NEW-ORLEANS_FORECAST\n@mto@reqt@fin@\n");
    EXPECT_STREQ(page->volumeBulletins->value(), "5.000");
    EXPECT_TRUE(page->boutonEnvoyer->active());
    // Two coastal buttons of one safety bulletin: it enters once, and the
    // volume is that of the selection, not the sum of every press.
    presser(4521);
    presser(4531);
    EXPECT_EQ(iOccurrences(texteBulletins(), "BMS_COTE_MANCHE_HAG-AIG\n"), 1) << texteBulletins();
    EXPECT_STREQ(page->volumeBulletins->value(), "15.000");
    // "Envoyer" hands the text to a new send window.
    const std::string texte = texteBulletins();
    cliquer(page->boutonEnvoyer);
    ASSERT_NE(fenetreEnvoi, nullptr);
    EXPECT_EQ(std::string(fenetreEnvoi->texte), texte);
    EXPECT_STREQ(fenetreEnvoi->sortieVolume->value(), " 15.000");
    cliquer(fenetreEnvoi->boutonFermer);
    ASSERT_FALSE(fenetreEnvoi->shown());
    // Every button released: nothing to send.
    for (int n : {5241, 4521, 4531})
        presser(n);
    EXPECT_FALSE(page->boutonEnvoyer->active());
    EXPECT_FALSE(page->abonnementBulletins->active());
    EXPECT_EQ(texteBulletins(), "");
    EXPECT_STREQ(page->volumeBulletins->value(), "0.000");
}

TEST_F(Bulletins, MetareaButtonsComeFromTheTree)
{
    construire(1, 0);
    ASSERT_EQ(iBoutons(page->boutonsGmdss), 4);
    const struct {
        const char* nom;
        int numero;
        bool actif;
    } attendus[] = {{"I", 1, true}, {"II", 2, true}, {"XIX", 20, false}, {"XXI", 22, false}};
    for (int i = 0; i < 4; ++i) {
        classeBoutonImage* b = page->boutonsGmdss[i];
        EXPECT_STREQ(b->label(), attendus[i].nom);
        EXPECT_EQ(b->shortcut(), attendus[i].numero);
        EXPECT_EQ(b->active() != 0, attendus[i].actif) << attendus[i].nom;
        EXPECT_EQ(b->type(), FL_TOGGLE_BUTTON);
        EXPECT_EQ(b->w(), 40);
    }
    EXPECT_EQ(page->boutonsGmdss[1]->x(), page->boutonsGmdss[0]->x() + 41);
    // A click on I puts its two identifiers in the request.
    cliquer(page->boutonsGmdss[0]);
    EXPECT_EQ(page->boutonsGmdss[0]->value(), 1);
    EXPECT_EQ(texteBulletins(),
              "@mto@reqt@bull@\nGMDSS_METAREA1_INMARSAT\nGMDSS_METAREA1_OFFSHORE\n@mto@reqt@fin@\n");
    EXPECT_STREQ(page->volumeBulletins->value(), "5.000");
}

// Rows of the tables: a regular and a special bulletin, a chart on five
// offshore rows and one coastal row; labels are no product buttons.
TEST_F(Bulletins, OneRowPerTableRow)
{
    construire(1, 0);
    EXPECT_EQ(iBoutons(page->boutonsNavtex), 27 + 23);
    EXPECT_EQ(iBoutons(page->boutonsLarge), 25);
    EXPECT_EQ(iBoutons(page->boutonsCotes), 25);
    const int droite = page->packBulletins->x() + page->packBulletins->w();
    const struct {
        int numero;
        int x;
        const char* bulle;
    } cas[] = {{4009, droite - 62, "Carte des zones"},
               {4000, droite - 41, "Bulletin regulier"},
               {4490, droite - 20, "Avis de cyclone sur tout le globe"},
               {4021, droite - 20, "Bulletin Meteorologique Special"},
               {4509, droite - 62, "Carte des zones"},
               {4501, droite - 20, "Bulletin Meteorologique de securite"},
               {6102, droite - 20, "Bulletin Meteorologique de securite"},
               {6271, droite - 41, "Bulletin regulier"}};
    for (const auto& c : cas) {
        classeBoutonImage* b = bouton(c.numero);
        ASSERT_NE(b, nullptr) << c.numero;
        EXPECT_EQ(b->x(), c.x) << c.numero;
        EXPECT_EQ(b->w(), 20);
        EXPECT_EQ(b->h(), 16);
        EXPECT_STREQ(b->tooltip(), c.bulle) << c.numero;
    }
    for (int n : {0, 4052, 4062, 6103, 4029})
        EXPECT_EQ(bouton(n), nullptr) << n;
    // Rows 17 px apart; sections folded but GMDSS.
    EXPECT_EQ(bouton(5006)->y(), bouton(5001)->y() + 17);
    EXPECT_TRUE(page->sectionsBulletins[SECTION_GMDSS].contenu->visible());
    for (int s : {SECTION_NAVTEX, SECTION_LARGE, SECTION_COTES})
        EXPECT_FALSE(page->sectionsBulletins[s].contenu->visible()) << s;
}

TEST_F(Bulletins, InEnglishTheFrenchSectionsAreAbsent)
{
    langage = new local("en");
    construire(1, 0);
    for (int s : {SECTION_LARGE, SECTION_COTES}) {
        EXPECT_FALSE(page->sectionsBulletins[s].titre->visible()) << s;
        EXPECT_FALSE(page->sectionsBulletins[s].contenu->visible()) << s;
    }
    EXPECT_TRUE(page->sectionsBulletins[SECTION_NAVTEX].titre->visible());
    EXPECT_STREQ(page->sectionsBulletins[SECTION_NAVTEX].titre->child(0)->label(), "NAVTEX");
    poste.reset();
    page = pages[0] = nullptr;
    delete langage;
    langage = nullptr;
}

TEST_F(Bulletins, FoldsAndTheHelpPane)
{
    construire(1, 0);
    Fl_Pack* pack = page->packBulletins;
    EXPECT_EQ(pack->find(page->voletAideBulletins), 0);
    SectionGrib& navtex = page->sectionsBulletins[SECTION_NAVTEX];
    cliquer(navtex.deplier);
    EXPECT_TRUE(navtex.contenu->visible());
    EXPECT_STREQ(navtex.deplier->label(), "@+22>");
    EXPECT_EQ(pack->find(page->voletAideBulletins), 0) << "a fold only restacks";
    page->vGroupRequeteurBulletinsArrange(22);
    EXPECT_EQ(pack->find(page->voletAideBulletins), 2);
    EXPECT_EQ(page->aideBulletins, 22);
    page->vGroupRequeteurBulletinsArrange(10000);
    EXPECT_EQ(pack->find(page->voletAideBulletins), 2);
    EXPECT_EQ(page->aideBulletins, 22);
    page->vGroupRequeteurBulletinsArrange(24);
    EXPECT_EQ(pack->find(page->voletAideBulletins), 6);
    // The pane has moved the section down: its switch is turned as a
    // click would.
    navtex.deplier->value(0);
    navtex.deplier->do_callback();
    EXPECT_FALSE(navtex.contenu->visible());
    EXPECT_STREQ(navtex.deplier->label(), "@+2>");
}

// More than 128 codes: the request keeps 128, the user is told once, and
// each code left out is in the log.
TEST_F(Bulletins, TooManyProductsAreToldOnce)
{
    construire(1, 0);
    const int n = 35;
    std::vector<std::unique_ptr<classeBoutonImage>> satellites;
    Fl_Group::current(nullptr);
    delete[] page->boutonsSatellites;
    page->boutonsSatellites = new classeBoutonImage*[n + 1];
    for (int i = 0; i < n; ++i) {
        satellites.emplace_back(new classeBoutonImage(0, 0, 10, 10));
        satellites.back()->shortcut(1012);
        satellites.back()->value(1);
        page->boutonsSatellites[i] = satellites.back().get();
    }
    page->boutonsSatellites[n] = nullptr;
    // Metareas I and II (3 codes), the 35 pictures, then every bulletin but
    // the charts: 55 NAVTEX, 20 offshore and 20 coastal codes, the last 5
    // coastal ones past the 128th.
    for (classeBoutonImage** t : {page->boutonsNavtex, page->boutonsLarge, page->boutonsCotes})
        for (; *t; ++t)
            (*t)->value((*t)->shortcut() % 10 != 9);
    page->boutonsGmdss[0]->value(1);
    std::string alerte;
    int alertes = 0;
    harnais::vRepondreBoite([&](Fl_Window* b) {
        alerte = pTexteMessage()->label();
        ++alertes;
        harnais::vFermer(b);
    });
    presser(2);
    harnais::vOublierBoite();
    EXPECT_EQ(alertes, 1);
    EXPECT_EQ(alerte, "Trop de produits choisis : les derniers ne seront pas demandes");
    EXPECT_EQ(page->requeteBulletins->objets.iNombre(), 128);
    EXPECT_EQ(page->requeteBulletins->objetsPerdus, 5);
    const std::string log = journal.contenu();
    EXPECT_EQ(iOccurrences(log, "code ignore, plus de 128: "), 5) << log;
    for (const char* c : {"BMS_MARTINIQUE_COTES", "GUADELOUPE_COTES", "BMS_GUYANE_COTES"})
        EXPECT_NE(log.find(std::string("code ignore, plus de 128: ") + c + "\n"), std::string::npos)
            << c;
    // Every press counted: 2 Metareas, 35 pictures, 94 bulletins.
    EXPECT_EQ(page->requeteBulletins->volumeBulletins, 2 * 5 + 35 * 30 + 94 * 5);
    // Without the pictures nothing is lost, and nothing is said.
    for (auto& b : satellites)
        b->value(0);
    harnais::vRepondreBoite([&](Fl_Window* b) {
        ++alertes;
        harnais::vFermer(b);
    });
    presser(5241);
    harnais::vOublierBoite();
    EXPECT_EQ(alertes, 1);
    EXPECT_EQ(page->requeteBulletins->objetsPerdus, 0);
    EXPECT_EQ(page->requeteBulletins->objets.iNombre(), 97);
    delete[] page->boutonsSatellites;
    page->boutonsSatellites = nullptr;
}

TEST_F(Bulletins, TheResetReleasesEveryButton)
{
    construire(1, 0);
    for (int n : {1, 5241, 4500, 4000})
        presser(n);
    vr::vBoutonRequeteurGmdssReinitialiseCallback(nullptr, page);
    for (int n : {1, 5241, 4500, 4000})
        EXPECT_EQ(bouton(n)->value(), 0) << n;
    EXPECT_EQ(texteBulletins(), "@mto@reqt@bull@\n@mto@reqt@fin@\n");
    EXPECT_STREQ(page->volumeBulletins->value(), "0.000");
    EXPECT_FALSE(page->boutonEnvoyer->active());
}

// The request frame marks the Metareas whose box it meets: I and not II
// for a frame over the North Sea; XIX's key is past those marked.
TEST_F(Bulletins, TheFrameMarksTheMetareasItMeets)
{
    construire(1, 0);
    ASSERT_NE(page->CadreModele(60, 55, 0, 8), 0);
    EXPECT_EQ(page->boutonsGmdss[0]->couleurHaut, int(FL_BLACK));
    EXPECT_NE(page->boutonsGmdss[1]->couleurHaut, int(FL_BLACK));
    EXPECT_NE(page->boutonsGmdss[2]->couleurHaut, int(FL_BLACK));
    ASSERT_NE(page->CadreModele(40, 30, -20, -10), 0);
    EXPECT_NE(page->boutonsGmdss[0]->couleurHaut, int(FL_BLACK));
    EXPECT_EQ(page->boutonsGmdss[1]->couleurHaut, int(FL_BLACK));
}
