// The request page's frame under Xvfb: the product tabs and the product
// bar's first slot through a scripted sequence, the page shown at start
// from the settings, the GRIB accordion's help pane and section switches,
// the recapitulations fed by the request model, the compression, the
// history windows and the copy of the request text.
#include "tests/pages/requeteur_test.h"

#include "map/fdc.h"
#include "routes/dru_routes.h"
#include "tests/transport/composer_test.h"
#include "tests/ui/harnais_gui.h"
#include "transport/requete.h"
#include "ui/aide.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/editeur.h"
#include "ui/gestion_interfaces.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

// Counts its deletions.
struct GroupeCompte : Fl_Group {
    using Fl_Group::Fl_Group;
    ~GroupeCompte() override { ++detruits; }
    static int detruits;
};
int GroupeCompte::detruits = 0;

}  // namespace

TEST_F(RequeteurTest, TheProductBarAndTabsThroughAScriptedSequence)
{
    construire(0, 0);
    classeBouton** b = page->boutonsGBI;
    const struct {
        int bouton;
        std::function<void()> avant;
        const char* attendu;
    } pas[] = {
        {-1, nullptr, "grib grib [Grib* Bulletins Images] 00 0"},
        {GBI_GRIB, nullptr, "grib grib [Forfaits* Bulletins Images] 00 0"},
        {GBI_FORFAITS, [&] { page->requeteGrib->vSetTerreMer("0"); },
         "forfaits grib [Forfaits* Bulletins Images] 01 0"},
        {GBI_FORFAITS, nullptr, "forfaits grib [Grib* Bulletins Images] 01 0"},
        {GBI_BULLETINS, nullptr, "bulletins bulletins [Grib Bulletins* Images] 11 0"},
        {GBI_IMAGES, nullptr, "images bulletins [Grib Bulletins Images*] 21 0"},
        {GBI_IMAGES, nullptr, "images bulletins [Grib Bulletins Images*] 21 0"},
        {GBI_GRIB, [&] { page->requeteGrib->vSetTerreMer("0"); },
         "grib grib [Grib* Bulletins Images] 00 0"},
        {GBI_BULLETINS, nullptr, "bulletins bulletins [Grib Bulletins* Images] 10 0"},
        // A frame and a request that fits: the GRIB page sends it.
        {GBI_GRIB,
         [&] {
             page->zoneExiste = 1;
             vComposerGrib(*page->requeteGrib, 10, 0, 0, 10, "0.5", {"Pmer"}, {"6"});
         },
         "grib grib [Grib* Bulletins Images] 00 1"},
        {GBI_ROUTES, nullptr, "routes bulletins [Grib Bulletins Images] 30 0"},
    };
    int n = 0;
    for (const auto& p : pas) {
        const std::string terre = page->requeteGrib->ligneTerre;
        page->carte->overlay = 1;
        if (p.avant)
            p.avant();
        if (p.bouton >= 0)
            cliquer(b[p.bouton]);
        EXPECT_EQ(etat(), p.attendu) << "step " << n;
        // Leaving GRIB for the packages, and back, starts a new GRIB request.
        if (n == 2 || n == 7) {
            EXPECT_EQ(page->requeteGrib->ligneTerre, "F 1") << n;
            EXPECT_EQ(page->modeForfaits, n == 2);
        } else {
            EXPECT_EQ(page->requeteGrib->ligneTerre, terre) << n;
        }
        // The frame goes when the packages page opens.
        EXPECT_EQ(page->carte->overlay, n == 2 || n == 7 ? 0 : 1) << n;
        ++n;
    }
    // The route window is the last product tab, its button pressed.
    EXPECT_EQ(page->ongletsRequeteur->child(page->ongletsRequeteur->children() - 1), Dru_Routes);
    EXPECT_TRUE(b[GBI_ROUTES]->value());
}

TEST_F(RequeteurTest, TheSettingsChooseTheProductPageShownAtStart)
{
    const struct {
        int onglet, forfaits;
        const char* attendu;
        bool refus;
    } cas[] = {
        {0, 1, "forfaits grib [Forfaits* Bulletins Images] 01 0", false},
        {1, 0, "bulletins bulletins [Grib Bulletins* Images] 10 0", false},
        {2, 0, "images bulletins [Grib Bulletins Images*] 20 0", false},
        {7, 0, "grib grib [Grib* Bulletins Images] 00 0", true},
        {3, 0, "routes bulletins [Grib Bulletins Images] 30 0", false},
        {0, 5, "grib grib [Grib* Bulletins Images] 00 0", false},
    };
    for (const auto& c : cas) {
        const size_t avant = journal.contenu().size();
        construire(c.onglet, c.forfaits);
        EXPECT_EQ(etat(), c.attendu) << c.onglet << " " << c.forfaits;
        const std::string ligne = "<VR> onglets " + std::to_string(c.onglet) + " " +
                                  std::to_string(c.forfaits) + ": page GRIB";
        EXPECT_EQ(journal.contenu().find(ligne, avant) != std::string::npos, c.refus)
            << c.onglet;
    }
}

TEST_F(RequeteurTest, TheHelpPaneMovesToTheSectionOfItsTopic)
{
    construire(0, 0);
    AFFICHE_AIDE = 1;
    Fl_Pack* pack = page->packGrib;
    AIDE* volet = page->voletAideGrib;
    ASSERT_EQ(pack->find(volet), 0) << "topic 1 at start";
    // After the Zone section (112 high), boxes 30 high.
    ASSERT_EQ(pack->find(page->groupeZone), 1);
    pack->begin();
    for (int i = 0; i < 11; ++i)
        new Fl_Box(0, 0, 212, 30);
    pack->end();
    const struct {
        int n, index, dernier;
        const char* ancre;
    } cas[] = {
        {1, 0, 1, "1"},      {3, 4, 3, "3"},      {7, 10, 7, "7"},     {10000, 10, 7, "7"},
        {9999, 10, 7, "7"},  {10, 0, 10, "10"},   {-23, 4, -23, "23"}, {9, 12, 9, "9"},
        {0, 0, 0, "9"},
    };
    for (const auto& c : cas) {
        if (c.n == 10000) {
            // Only restacks: the pane stays where it is.
            pack->remove(volet);
            pack->insert(*volet, 10);
        }
        page->vGroupRequeteurGribArrange(c.n);
        EXPECT_EQ(pack->find(volet), c.index) << c.n;
        EXPECT_EQ(page->aideGrib, c.dernier) << c.n;
        EXPECT_STREQ(volet->texteSujet, c.ancre) << c.n;
        if (c.n < 9999) {
            EXPECT_EQ(page->scrollGrib->yposition(), c.index ? 112 + 30 * (c.index - 1) : 0)
                << c.n;
        }
    }
    AFFICHE_AIDE = 0;
    page->vGroupRequeteurGribArrange(9999);
    EXPECT_EQ(pack->find(volet), pack->children()) << "hidden panes leave the pack";
    // The send help button of the panel, through the help buttons' hook.
    Fl_Button aide(0, 0, 1, 1);
    aide.shortcut(-191);
    AIDE::vAideCallback(&aide, page);
    EXPECT_EQ(AFFICHE_AIDE, -191);
    EXPECT_EQ(pack->find(volet), 0);
    EXPECT_STREQ(volet->texteSujet, "191");
    AFFICHE_AIDE = 1;
}

TEST_F(RequeteurTest, SectionSwitchesFoldTheirSectionsAndTheOpenAllSwitchWaitsForModels)
{
    construire(0, 0);
    classeBouton tout(0, 0, 20, 20, "@+2>>");
    tout.type(FL_TOGGLE_BUTTON);
    tout.value(1);
    GRIB_DEPLIER = 0;
    vr::vBoutonRequeteurGribZoneContenuCallback(&tout, page);
    EXPECT_EQ(tout.value(), 0) << "no model section yet";
    EXPECT_EQ(GRIB_DEPLIER, 0);

    // Sections of the model choice, in the pack; the parameters are absent.
    Fl_Pack* pack = page->packGrib;
    pack->begin();
    const int sections[] = {SECTION_MODELES, SECTION_MAILLES, SECTION_ECHEANCES,
                            SECTION_DEPLACEMENT};
    for (int s : sections) {
        SectionGrib& g = page->sectionsGrib[s];
        g.titre = new Fl_Group(0, 0, 212, 24);
        g.deplier = new classeBouton(172, 0, 20, 20, "@+2>");
        g.deplier->type(FL_TOGGLE_BUTTON);
        g.titre->end();
        g.contenu = new GroupeCompte(0, 0, 212, 50);
        g.contenu->end();
        g.contenu->hide();
    }
    pack->end();
    classeBouton parametres(0, 0, 20, 20, "@+2>");
    parametres.value(1);
    vr::vBoutonRequeteurGribParametresContenuCallback(&parametres, page);
    EXPECT_STREQ(parametres.label(), "@+22>");

    SectionGrib& mailles = page->sectionsGrib[SECTION_MAILLES];
    mailles.deplier->value(1);
    vr::vBoutonRequeteurGribMaillesContenuCallback(mailles.deplier, page);
    EXPECT_TRUE(mailles.contenu->visible());
    mailles.deplier->value(0);
    vr::vBoutonRequeteurGribMaillesContenuCallback(mailles.deplier, page);
    EXPECT_FALSE(mailles.contenu->visible());
    EXPECT_STREQ(mailles.deplier->label(), "@+2>");

    tout.value(1);
    vr::vBoutonRequeteurGribZoneContenuCallback(&tout, page);
    EXPECT_EQ(GRIB_DEPLIER, 1);
    EXPECT_STREQ(tout.label(), "@+22>>");
    for (int s : sections) {
        EXPECT_TRUE(page->sectionsGrib[s].contenu->visible()) << s;
        EXPECT_STREQ(page->sectionsGrib[s].deplier->label(), "@+22>") << s;
    }
    tout.value(0);
    vr::vBoutonRequeteurGribZoneContenuCallback(&tout, page);
    for (int s : sections)
        EXPECT_FALSE(page->sectionsGrib[s].contenu->visible()) << s;
    GRIB_DEPLIER = 0;

    // A new model takes the later sections out, and deletes them once the
    // event under way (perhaps a button of theirs) is over; the moving
    // zone's section only leaves the accordion, to come back as it was.
    page->deplacement = 1;
    GroupeCompte::detruits = 0;
    page->vRequeteurGribEffacerGroupes();
    EXPECT_EQ(page->deplacement, 0);
    EXPECT_NE(page->sectionsGrib[SECTION_MODELES].titre->parent(), nullptr);
    for (int s : {SECTION_MAILLES, SECTION_ECHEANCES})
        EXPECT_EQ(page->sectionsGrib[s].contenu, nullptr) << s;
    ASSERT_NE(page->sectionsGrib[SECTION_DEPLACEMENT].contenu, nullptr);
    EXPECT_EQ(page->sectionsGrib[SECTION_DEPLACEMENT].contenu->parent(), nullptr);
    EXPECT_EQ(GroupeCompte::detruits, 0);
    Fl::do_widget_deletion();
    EXPECT_EQ(GroupeCompte::detruits, 2);
}

TEST_F(RequeteurTest, TheRecapitulationShowsTheRequestModelsFigures)
{
    construire(0, 0);
    // A frame is drawn: the send button follows the request's figures.
    page->zoneExiste = 1;
    requete& grib = *page->requeteGrib;
    auto composer = [&](const char* maille, const std::vector<const char*>& params,
                        const std::vector<std::string>& temps, double n, double s, double w,
                        double e) {
        vComposerGrib(grib, n, s, w, e, maille, params, temps);
        grib.vSetTerreMer("0");
    };
    composer("0.5", {"Pmer"}, {"6"}, 10, 0, 0, 10);
    EXPECT_STREQ(page->volumeGrib->value(), "0.524");
    EXPECT_STREQ(page->coutGrib->value(), "0.21");
    EXPECT_TRUE(page->boutonEnvoyer->active());
    EXPECT_EQ(texte(page->editeurGrib->buffer()), texte(page->tamponGrib));

    composer("0.125", {"Vent", "Courant", "Mer totale", "Houle", "Pluie"}, heuresTrihoraires(37),
             90, -90, -180, 180);
    EXPECT_STREQ(page->coutGrib->value(), "Interdit");
    EXPECT_FALSE(page->boutonEnvoyer->active());

    // The bulletin request writes its own recapitulation.
    page->requeteBulletins->volumeBulletins = 3;
    page->requeteBulletins->vEcrire(0);
    EXPECT_STREQ(page->volumeBulletins->value(), "3.000");
    EXPECT_STREQ(page->coutBulletins->value(), "0");
    EXPECT_STREQ(page->coutGrib->value(), "Interdit");

    // The compression choice, clicked, in the request text.
    composer("0.5", {"Pmer"}, {"6"}, 10, 0, 0, 10);
    EXPECT_EQ(page->boutonsCompression[2]->value(), 1) << "Bzip2 at start";
    const char* const lignes[] = {"", "C gzip\n", "C bzip2\n"};
    for (int i : {0, 1, 2, 0}) {
        cliquer(page->boutonsCompression[i]);
        const std::string t = texte(page->tamponGrib);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(page->boutonsCompression[j]->value(), i == j) << i << j;
        if (i == 0)
            EXPECT_EQ(t.find("\nC "), std::string::npos) << t;
        else
            EXPECT_NE(t.find(std::string("\n") + lignes[i]), std::string::npos) << t;
    }
}

// Both request editors run to 2 pixels short of the strip's end, whether
// the window was built that wide or widened to it; the recapitulation
// keeps its place.
TEST_F(RequeteurTest, TheRequestEditorsSpanTheStripAtEveryWidth)
{
    auto vBord = [this](const char* quoi) {
        const fdc* c = page->carte;
        for (Fl_Group* g : {page->editionGrib, page->editionBulletins})
            EXPECT_EQ(g->x() + g->w(), c->x() + c->w() - 2) << quoi << " " << c->w();
        EXPECT_EQ(page->editeurGrib->x() + page->editeurGrib->w(), c->x() + c->w() - 7) << quoi;
        EXPECT_EQ(page->recapGrib->x(), 245) << quoi;
        EXPECT_EQ(page->recapGrib->w(), 240) << quoi;
    };
    for (int largeur : {1100, 1280}) {
        construire(0, 0, largeur);
        vBord("built");
        construire(0, 0);
        vBord("narrower");
        poste->fenetre.resizable(poste->onglets);
        poste->fenetre.size(largeur, poste->fenetre.h());
        vBord("widened");
    }
}

TEST_F(RequeteurTest, TheHistoryOpensTheLogOfTheModeAndKeyCCopiesTheTextShown)
{
    construire(0, 0);
    Fl_Menu_Button menu(0, 0, 10, 10);
    gestion_interfaces::menuFenetres = &menu;
    ecrireFichier("etc/envois.txt", "ENVOIS\n");
    ecrireFichier("etc/messages.txt", "MESSAGES\n");
    Fl_Widget* historique = page->recapGrib->child(0);
    const struct {
        int connecte;
        const char* texte;
    } cas[] = {{0, "ENVOIS\n"}, {1, "MESSAGES\n"}};
    int slot = 1;
    for (const auto& c : cas) {
        MODE_CONNECTE = c.connecte;
        cliquer(historique);
        editeur* e = dynamic_cast<editeur*>(GESTION_UI[slot]);
        ASSERT_NE(e, nullptr) << c.connecte;
        EXPECT_EQ(texte(e->textbuf), c.texte);
        EXPECT_EQ(menu.find_item(pcEntreeMenu(e->label())) != nullptr, true) << e->label();
        ++slot;
    }
    // No history yet: the text window says so.
    std::filesystem::remove("etc/messages.txt");
    std::string boite;
    harnais::vRepondreBoite([&boite](Fl_Window* b) {
        boite = pTexteMessage()->label();
        harnais::vFermer(b);
    });
    cliquer(historique);
    EXPECT_NE(boite.find("etc/messages.txt"), std::string::npos) << boite;
    gestion_interfaces::menuFenetres = nullptr;
    MODE_CONNECTE = 1;

    // Key c over the map: the text of the editor shown.
    page->tamponGrib->text("GRIB\n");
    page->tamponBulletins->text("BULLETINS\n");
    fdc* carte = page->carte;
    auto copier = [&] {
        harnais::vSurvoler(&poste->fenetre, carte->x() + 50, carte->y() + 50);
        harnais::vTouche(&poste->fenetre, 'c', "c");
        return presse();
    };
    EXPECT_EQ(copier(), "GRIB\n");
    cliquer(page->boutonsGBI[GBI_BULLETINS]);
    EXPECT_EQ(copier(), "BULLETINS\n");
    cliquer(page->boutonsGBI[GBI_IMAGES]);
    page->tamponBulletins->text("IMAGES\n");
    EXPECT_EQ(copier(), "IMAGES\n");
    cliquer(page->boutonsGBI[GBI_GRIB]);
    EXPECT_EQ(copier(), "GRIB\n");
}
