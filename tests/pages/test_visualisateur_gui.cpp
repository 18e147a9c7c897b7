// A viewer page in a window, given written GRIB files: its lists, buttons
// and iso menus and their caps, a file it cannot draw and why, "Fermer",
// and what "Ouvrir" and a received file do with other kinds of
// files and with folders.
#include "pages/vr.h"

#include "grib_test.h"
#include "tests/pages/page_test.h"
#include "gribdata/parametres.h"
#include "map/fdc.h"
#include "map/fl_histogramme.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"
#include "tests/ui/textes_entiers.h"
#include "transport/scan.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/boutons_rva.h"
#include "ui/crochets.h"
#include "ui/editeur.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/selecteur.h"
#include "ui/visualisateur.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Tooltip.H>
#include <FL/filename.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <array>
#include <filesystem>
#include <tuple>
#include <ctime>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string sFichier(const std::vector<MessagePage>& messages)
{
    return sFichierPage(messages);
}

const std::vector<MessagePage> PRESSION_VENT = {{2, 15, 0}, {33, 15, 0}, {34, 15, 0},
                                                {2, 15, 6}, {33, 15, 6}, {34, 15, 6},
                                                {2, 16, 0}};

class Visualisateur : public PageVisualisateur {
protected:
    bool menuActif(const char* titre)
    {
        const Fl_Menu_* m = page->pMenuIso();
        return m->menu()[m->find_index(titre)].active();
    }
    std::string etiquettes(classeBoutonImage** b)
    {
        return b && *b ? std::string((*b)->label()) + " " + etiquettes(b + 1) : "";
    }
};

// The page switch's presses: the number of each button that called it.
std::vector<int> basculements;
void vNoterBascule(Fl_Widget* bouton, void*)
{
    basculements.push_back(static_cast<Fl_Button*>(bouton)->shortcut());
}

}  // namespace

// At the smallest main window and at a large one, the panel keeps its rows
// where they stand at the page's top; only the accordion takes the height
// gained or lost. A click on the switch pair reaches it, and one on a page
// button that button.
TEST_F(Visualisateur, ThePanelKeepsItsRowsAtEveryWindowHeight)
{
    ASSERT_TRUE(recevoir("pv.grb", sFichier(PRESSION_VENT)));
    // As the main window lays its pages out.
    fenetre.resizable(onglets);
    onglets->resizable(page);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    crochetBasculePage = vNoterBascule;
    const int x = page->x(), y = page->y();
    const struct {
        Fl_Widget* widget;
        int dx, dy, h;  // h 0: down to the window's bottom
    } rangees[] = {
        {page->boutonsRVA, 0, 0, 50},          {page->boutonsRVA->requeteur, 27, 9, 34},
        {page->boutonsPages[1], 27, 50, 20},   {page->titreVisualisateur, 18, 74, 20},
        {page->boutonOuvrir, 18, 98, 20},      {page->scrollVisualisateur, 0, 122, 0},
    };
    const struct {
        int dx, dy, page;
    } clics[] = {{70, 30, 0}, {161, 30, 1}, {37, 60, 2}, {177, 60, 9}};
    for (auto [l, h] : {std::pair{770, 539}, {1280, 1000}, {1000, 700}}) {
        fenetre.size(l, h);
        ASSERT_TRUE(harnais::bRedessiner(&fenetre));
        for (const auto& r : rangees) {
            const int hauteur = r.h ? r.h : h - (y + r.dy);
            EXPECT_EQ(std::make_tuple(r.widget->x(), r.widget->y(), r.widget->h()),
                      std::make_tuple(x + r.dx, y + r.dy, hauteur))
                << "window " << l << "x" << h << ", row at " << r.dy;
        }
        for (const auto& c : clics) {
            basculements.clear();
            harnais::vCliquer(&fenetre, x + c.dx, y + c.dy);
            EXPECT_EQ(basculements, std::vector<int>{c.page})
                << "window " << l << "x" << h << ", click at " << c.dx << "," << c.dy;
        }
    }
    crochetBasculePage = nullptr;
}

// On a file with long names ("Vostel Vagues Europe", a Wednesday of
// September), each box holds its text between the strip's ends, and in
// the last row's pixels no ink lies over the ends nor between the texts.
TEST_F(Visualisateur, TheTextsUnderTheMapShowWholeAndApartAtEveryWidth)
{
    std::filesystem::create_directory_symlink(QUENBREL_SOURCE_DIR "/data/loc", "loc");
    MessageTest m;
    m.process = 52, m.annee = 2026, m.mois = 9, m.jour = 30, m.heure = 18;
    ASSERT_TRUE(recevoir("long.grb", m.octets()));
    fenetre.resizable(onglets);
    onglets->resizable(page);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    // The strip alone is read: the map need not be drawn at each width.
    page->carte->hide();
    local* ancien = langage;
    const Fl_Box *gauche = page->boiteGauche, *droite = page->boiteDroite;
    Fl_Box* boites[4] = {page->boiteTitre, page->boiteSecond, page->boiteGauche, page->boiteDroite};
    for (const char* langue : {"fr", "en", "de", "sp"}) {
        langage = new local(langue);
        page->carte->vGrib(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(std::string(droite->label()).find("Vostel Vagues Europe"), std::string::npos);
        for (int l = 770; l <= 2560; l += 10) {
            fenetre.size(l, 700);
            Fl::flush();
            const int x0 = page->boiteTitre->parent()->x(), w = page->boiteTitre->parent()->w();
            for (Fl_Box* b : boites) {
                fl_font(b->labelfont(), b->labelsize());
                EXPECT_TRUE(b->labelsize() >= 9 && fl_width(b->label()) <= b->w() &&
                            b->x() >= x0 + 5 && b->x() + b->w() <= x0 + w - 5)
                    << langue << " " << l << ": " << b->label() << " " << b->labelsize();
            }
            const int fin = gauche->x() + gauche->w() - x0, debut = droite->x() - x0;
            EXPECT_GE(debut - fin, 12) << langue << " " << l;
            const auto octets = harnais::lireTampon(&fenetre, x0, gauche->y(), w, gauche->h());
            ASSERT_FALSE(octets.empty());
            // Ink: unlike the band behind it, the same all along its row.
            int encre = 0;
            for (int x = 6; x < w - 6; ++x)
                if (x < 8 || x > w - 9 || (x > fin + 1 && x < debut - 1))
                    for (int y = 0; y < gauche->h(); ++y) {
                        const unsigned char* rangee = octets.data() + size_t(y * w) * 3;
                        encre += !std::equal(rangee + 18, rangee + 21, rangee + 3 * x);
                    }
            EXPECT_EQ(encre, 0) << langue << " " << l;
        }
        delete langage;
    }
    langage = ancien;
}

TEST_F(Visualisateur, ListsButtonsAndMenusOfAFile)
{
    AAAAMMJJ = 20240316;
    ASSERT_TRUE(recevoir("pv.grb", sFichier(PRESSION_VENT)));
    EXPECT_EQ(std::vector<int>(page->validites, page->validites + 4),
              (std::vector<int>{2024031500, 2024031506, 2024031600, -1}));
    EXPECT_EQ(std::vector<const TYPEDEF_PARAMETRE*>(page->parametres, page->parametres + 3),
              (std::vector<const TYPEDEF_PARAMETRE*>{&ST_PARAMETRES[2], &ST_PARAMETRES[33],
                                                     nullptr}));
    EXPECT_EQ(etiquettes(page->boutonsParametres), "Pmer Vent ");
    EXPECT_EQ(page->boutonsParametres[0]->value(), 1);
    EXPECT_EQ(etiquettes(page->boutonsValidites), "00 06 00 ");
    classeBoutonImage** v = page->boutonsValidites;
    EXPECT_EQ(std::make_pair(v[1]->y(), v[2]->y()), std::make_pair(v[0]->y(), v[0]->y() + 21));
    Fl_Box** j = page->boitesJours;
    ASSERT_TRUE(j[0] && j[1] && !j[2]);
    EXPECT_EQ(std::string(j[0]->label()) + j[1]->label(), "2024031520240316");
    EXPECT_EQ(std::make_pair(j[0]->labelcolor(), j[1]->labelcolor()),
              std::make_pair(Fl_Color(255), COLOR_ORANGE_TEXTE)) << "today in orange";
    EXPECT_TRUE(menuActif("P") && !menuActif("F"));
    EXPECT_EQ(page->carte->verrou, 1);
    // Wind pressed instead: its validities only, and its menu.
    page->boutonsParametres[1]->setonly();
    page->boutonsParametres[1]->do_callback();
    EXPECT_FALSE(v[2]->active());
    EXPECT_TRUE(menuActif("F") && !menuActif("P"));
    // Toggles, as in superposition: the last one released is pressed again.
    page->boutonsParametres[1]->type(FL_TOGGLE_BUTTON);
    page->boutonsParametres[1]->value(0);
    page->boutonsParametres[1]->do_callback();
    EXPECT_EQ(page->boutonsParametres[1]->value(), 1);
    for (int p : {101, 104, 107, 109, 200}) {
        ASSERT_TRUE(recevoir("vagues.grb", sFichier({{p, 15, 0}}))) << p;
        EXPECT_TRUE(menuActif("H") && menuActif("s") && !menuActif("P")) << p;
    }
}

// The reasons in the catalogue's keys (none is loaded), their numbers
// those of eccodes' listings in tests/data/grib1; a polar stereographic
// grid is listed, as its parameter is. Then "Fermer" empties the page.
TEST_F(Visualisateur, AnUndrawableFileTakesThePageAndSaysWhy)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    ASSERT_TRUE(recevoir("pv.grb", sFichier(PRESSION_VENT)));
    const std::string un = sFichier({{2, 15, 0}});
    const std::tuple<std::string, std::string, std::string, bool> cas[] = {
        {"autres.grb", sFichier({{34, 15, 0}, {100, 15, 0}}),
         "aucun parametre que le visualisateur affiche (parametre 34)", false},
        {"coupe.grb", un.substr(0, un.size() - 5),
         "fichier tronque : son dernier message est incomplet", false},
        {"texte.grb", "pas un GRIB", "aucun message GRIB edition 1 dans ce fichier", false},
        {"texte.bz2", "pas du bzip2", "fichier illisible ou mal compresse", false},
        {"t2m.grb", lireFichier(fixtureGrib("ecmwf_t2m.grib1")),
         "produit d'un autre centre ou modele que ceux du service (centre 98, modele 130, "
         "table 128)",
         false},
        {"stereo.grb", lireFichier(fixtureGrib("stereo_85.grb")),
         "grille que le visualisateur ne dessine pas (stereographique polaire)", true},
    };
    for (const auto& [nom, octets, raison, liste] : cas) {
        SCOPED_TRACE(nom);
        ASSERT_TRUE(recevoir(nom, octets));
        EXPECT_STREQ(page->titreVisualisateur->label(), nom.c_str());
        EXPECT_STREQ(page->boiteTitre->label(), "ERREUR: fichier Grib incompatible...");
        EXPECT_EQ(page->boiteTitre->labelcolor(), FL_RED);
        EXPECT_STREQ(page->boiteSecond->label(), raison.c_str());
        EXPECT_EQ(page->groupeParametres != nullptr, liste);
        EXPECT_TRUE(page->boutonFermer->active());
        ASSERT_TRUE(page->carte->champs == nullptr || page->carte->champs->champ == nullptr);
    }
    // What the map shows again relabels the reason; a folder opens nothing.
    page->carte->vGrib(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    recevoir("", "");
    EXPECT_STREQ(page->titreVisualisateur->label(), "stereo.grb");
    ASSERT_TRUE(recevoir("t2m.grb", lireFichier(fixtureGrib("ecmwf_t2m.grib1"))));
    page->carte->lecture = 1;
    harnais::vSurvoler(&fenetre, 600, 300);
    page->vAfficherEncore();
    EXPECT_STREQ(page->boiteSecond->label(), std::get<2>(cas[4]).c_str());
    EXPECT_TRUE(harnais::bRedessiner(&fenetre));

    vr::vBoutonVisualisateurFermerCallback(page->boutonFermer, page);
    harnais::vSurvoler(&fenetre, 610, 310);
    EXPECT_TRUE(harnais::bRedessiner(&fenetre));
    EXPECT_EQ(page->groupeParametres || page->groupeValidites || page->fichiers[0], false);
    EXPECT_EQ(page->packVisualisateur->children(), 1) << "the help pane alone";
    for (Fl_Box* b : {page->boiteTitre, page->boiteSecond, page->boiteGauche, page->boiteDroite})
        EXPECT_STREQ(b->label(), " ");
    page->vAfficherEncore();
    EXPECT_STREQ(page->boiteSecond->label(), " ");
    EXPECT_EQ(page->boutonCadenas->value() + page->carte->verrou, 0);
    EXPECT_EQ(page->carte->champs || page->carte->gribListe || page->boutonFermer->active(), false);
}

// At the smallest main window, in German, a reason too long for the strip
// even at its floor shows its start with the whole text in its tooltip;
// the short reason of the next file shows whole, without one.
TEST_F(Visualisateur, AReasonTooLongForTheStripIsWholeInItsTooltip)
{
    std::filesystem::create_directory_symlink(QUENBREL_SOURCE_DIR "/data/loc", "loc");
    local* ancien = langage;
    langage = new local("de");
    fenetre.resizable(onglets);
    onglets->resizable(page);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    fenetre.size(770, 539);
    const std::tuple<std::string, std::string, const char*, bool> cas[] = {
        {"t2m.grb", lireFichier(fixtureGrib("ecmwf_t2m.grib1")), "Modell 130, Tabelle 128)", true},
        {"texte.grb", "pas un GRIB", "GRIB", false},
    };
    Fl_Box* b = page->boiteSecond;
    for (const auto& [nom, octets, fin, coupe] : cas) {
        ASSERT_TRUE(recevoir(nom, octets));
        ASSERT_NE(std::string(b->label()).find(fin), std::string::npos) << b->label();
        ASSERT_TRUE(harnais::bRedessiner(&fenetre));
        fl_font(b->labelfont(), b->labelsize());
        EXPECT_EQ(fl_width(b->label()) > b->w(), coupe) << b->label();
        EXPECT_EQ(std::string(b->tooltip() ? b->tooltip() : ""), coupe ? b->label() : "");
        EXPECT_EQ(harnais::textesCoupes(b->parent()), std::vector<std::string>());
        harnais::vSurvoler(&fenetre, b->x() + 20, b->y() + b->h() / 2);
        EXPECT_TRUE(!coupe || Fl_Tooltip::current() == b) << "the pointer over it brings it";
    }
    delete langage;
    langage = ancien;
}

// A file cut inside its last message shows the messages before it, and
// says after the parameters under the map that it is cut; a whole file
// that takes the page after it says nothing of it.
TEST_F(Visualisateur, ACutFileSaysSoUnderTheMap)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    const std::string pv = sFichier(PRESSION_VENT), un = sFichier({{2, 16, 6}});
    const std::string coupe = " - fichier tronque : son dernier message est incomplet";
    const std::tuple<const char*, std::string, bool> cas[] = {
        {"coupe.grb", pv + un.substr(0, un.size() - 5), true},
        {"court.grb", pv + un.substr(0, 60), true},
        {"entier.grb", pv, false},
    };
    for (const auto& [nom, octets, tronque] : cas) {
        SCOPED_TRACE(nom);
        ASSERT_TRUE(recevoir(nom, octets));
        EXPECT_EQ(etiquettes(page->boutonsValidites), "00 06 00 ");
        EXPECT_EQ(page->boiteTitre->labelcolor(), COLOR_ORANGE_GTK_TITRE);
        const std::string ligne = page->boiteSecond->label();
        EXPECT_EQ(ligne.size() > coupe.size() &&
                      ligne.substr(ligne.size() - coupe.size()) == coupe,
                  tronque)
            << ligne;
    }
}

// Drawn, then closed, then with its help pane moved twice: the accordion
// stays where it was built, 18 px in from the scroll's left edge.
TEST_F(Visualisateur, TheAccordionKeepsItsPlace)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    ASSERT_TRUE(recevoir("pv.grb", sFichier(PRESSION_VENT)));
    const int x = page->scrollVisualisateur->x() + 18;
    EXPECT_EQ(page->packVisualisateur->x(), x);
    ASSERT_TRUE(harnais::bRedessiner(&fenetre));
    vr::vBoutonVisualisateurFermerCallback(page->boutonFermer, page);
    ASSERT_TRUE(harnais::bRedessiner(&fenetre));
    EXPECT_EQ(page->packVisualisateur->x(), x);
    const int affiche = AFFICHE_AIDE;
    AFFICHE_AIDE = 1;
    for (int fois = 0; fois < 2; ++fois) {
        page->vGroupVisualisateurArrange(41);
        ASSERT_TRUE(harnais::bRedessiner(&fenetre));
        EXPECT_EQ(page->packVisualisateur->x(), x) << fois;
    }
    AFFICHE_AIDE = affiche;
}

// Texts open a text window and leave the page; an unknown kind opens
// nothing; the interpolation's output is deleted only when received.
TEST_F(Visualisateur, OtherKindsAndTheInterpolationOutput)
{
    ecrireFichier("dat/note.txt", "bonjour\n");
    EXPECT_EQ(page->iBoutonVisualisateurBrowser2("dat/note.doc"), 1);
    EXPECT_EQ(dynamic_cast<editeur*>(Fl::first_window()), nullptr);
    EXPECT_EQ(page->iBoutonVisualisateurBrowser2("dat/note.txt"), 1);
    editeur* e = dynamic_cast<editeur*>(Fl::first_window());
    ASSERT_NE(e, nullptr);
    gestion_interfaces::del(e);

    ecrireFichier("dat/interieur.grb", sFichier(PRESSION_VENT));
    EXPECT_EQ(page->grib("dat/interieur.grb", 0), 1);
    EXPECT_TRUE(existe("dat/interieur.grb")) << "a user's file";
    ASSERT_TRUE(recevoir("inter24.grb", sFichier(PRESSION_VENT)));
    EXPECT_FALSE(existe("dat/inter24.grb"));
    EXPECT_NE(page->carte->champs, nullptr) << "shown from memory";
    nomRecu.assign(2000, 'a');
    OPEN_GRIB_FILE = nomRecu.data();
    vr::vBoutonVisualisateurBrowser2Callback(nullptr, page);
    EXPECT_STREQ(page->titreVisualisateur->label(), "inter24.grb");
}

// The map's chart window: listed in the window menu under its title, and
// closed by the validity and parameter buttons, by the chart button
// released and by another file.
TEST_F(Visualisateur, TheButtonsThatCloseTheChartWindow)
{
    ASSERT_TRUE(recevoir("pv.grb", sFichier(PRESSION_VENT)));
    Fl_Menu_Button menu(0, 0, 10, 10);
    gestion_interfaces::menuFenetres = &menu;
    crochetMenuGraphiques = iMenuGraphiques;
    vr* pages[VR_PAGES] = {nullptr, page};
    gvr = pages;
    fdc& carte = *page->carte;
    auto ouvrir = [&] {
        carte.vFdcHistogramme(48, -8);
        return carte.histogrammes != nullptr;
    };
    auto listee = [&] { return menu.find_index("Histogramme 1") >= 0; };
    page->boutonHistogrammes->do_callback();
    EXPECT_EQ(carte.histogrammeMode, 1);
    ASSERT_TRUE(ouvrir());
    EXPECT_TRUE(listee());
    page->boutonsValidites[1]->do_callback();
    EXPECT_FALSE(carte.histogrammes || listee());
    ASSERT_TRUE(ouvrir());
    page->boutonsParametres[0]->do_callback();
    EXPECT_EQ(carte.histogrammes, nullptr);
    ASSERT_TRUE(ouvrir());
    page->boutonHistogrammes->do_callback();
    EXPECT_EQ(carte.histogrammeMode, 0);
    EXPECT_FALSE(carte.histogrammes || listee());
    // Another file: its records are prepared again and the old charts go.
    ASSERT_TRUE(ouvrir());
    carte.histogrammes->copy_label("ancienne");
    ASSERT_TRUE(recevoir("p.grb", sFichier({{2, 15, 0}})));
    EXPECT_EQ(carte.histogrammeEtat, 0);
    ASSERT_TRUE(ouvrir());
    EXPECT_STRNE(carte.histogrammes->label(), "ancienne");
    gvr = nullptr;
    crochetMenuGraphiques = nullptr;
    gestion_interfaces::menuFenetres = nullptr;
}

// A wind charted at a point (four charts), closed by another validity,
// then the pointer within the same cell and on to another: the window
// comes back whole, sized to its charts, on the map below the title bar's
// strip.
TEST_F(Visualisateur, AChartWindowClosedByAValidityComesBackWhole)
{
    std::vector<MessagePage> vent;
    for (int heure : {0, 6, 12})
        vent.insert(vent.end(), {{2, 15, heure}, {33, 15, heure, 5}, {34, 15, heure, -3}});
    ASSERT_TRUE(recevoir("vent.grb", sFichier(vent)));
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    page->boutonsParametres[0]->value(0);
    page->boutonsParametres[1]->value(1);
    page->boutonsParametres[1]->do_callback();
    page->boutonHistogrammes->do_callback();
    fdc& carte = *page->carte;
    auto entier = [&](const char* quand) {
        Histogrammes* h = carte.histogrammes;
        ASSERT_NE(h, nullptr) << quand;
        ASSERT_TRUE(harnais::bAttendre([h] { return h->shown() && h->visible(); })) << quand;
        EXPECT_EQ((std::array<int, 4>{h->x(), h->y(), h->w(), h->h()}),
                  (std::array<int, 4>{fenetre.x() + carte.x(), fenetre.y() + carte.y(), 200,
                                      16 + 90 + 62 + 90 + 62}))
            << quand;
        EXPECT_GE(h->y(), fenetre.y() + 99) << quand;
        for (int place = 1; place <= 4; ++place) {
            ASSERT_NE(h->histogrammes[place], nullptr) << quand << " " << place;
            EXPECT_EQ(h->histogrammes[place]->histogramme->numb, 3) << quand << " " << place;
        }
    };
    carte.vFdcHistogramme(48, -8);
    entier("first point");
    page->boutonsValidites[1]->do_callback();
    EXPECT_EQ(carte.histogrammes, nullptr);
    carte.vFdcHistogramme(48.2, -7.9);
    entier("same cell");
    carte.vFdcHistogramme(47, -7);
    entier("another cell");
    EXPECT_STREQ(carte.histogrammes->titre->label(), "Position  Nord47.000  Ouest7.000");
}

// One record an hour from 1 January 2024 for 4,097 hours (171 days): the
// first 4,096 validities listed, buttons for the first 63 days, a log line
// for each cap.
TEST_F(Visualisateur, ValiditiesAndDayRowsStopAtTheirCaps)
{
    std::string octets;
    for (int h = 0; h <= VR_VALIDITES; ++h) {
        const time_t t = 1704067200 + 3600 * time_t(h);
        struct tm d;
        gmtime_r(&t, &d);
        MessageTest m;
        m.annee = d.tm_year + 1900, m.mois = d.tm_mon + 1, m.jour = d.tm_mday, m.heure = d.tm_hour;
        octets += m.octets();
    }
    ASSERT_TRUE(recevoir("long.grb", octets));
    EXPECT_EQ(page->validites[VR_VALIDITES - 1], 2024061915);
    auto compter = [](auto** t) {
        int n = 0;
        while (t[n])
            ++n;
        return n;
    };
    EXPECT_EQ(compter(page->boitesJours), VR_JOURS);
    EXPECT_STREQ(page->boitesJours[VR_JOURS - 1]->label(), "20240303");
    EXPECT_EQ(compter(page->boutonsValidites), VR_JOURS * 24);
    const std::string texte = journal.contenu();
    for (const char* ligne : {"plus de 4096 validites : les suivantes sont ignorees\n",
                              "plus de 63 jours : validites suivantes non montrees\n"})
        EXPECT_NE(texte.find(ligne), std::string::npos) << ligne;
}

// A folder chosen in "Ouvrir", whatever its name: nothing opens, the file
// shown stays.
TEST_F(Visualisateur, AFolderChosenInOuvrirDoesNothing)
{
    ASSERT_TRUE(recevoir("pv.grb", sFichier(PRESSION_VENT)));
    const File* montre = page->fichiers[0];
    DRU_Fl_File_Chooser choix("dat", "*", DRU_Fl_File_Chooser::SINGLE, "");
    std::string boite;
    harnais::vRepondreBoite([&boite](Fl_Window* b) {
        boite = "une boite";
        harnais::vFermer(b);
    });
    for (const char* nom : {"dat/dossier.grb", "dat/dossier.txt", "dat/dossier.png"}) {
        mkdir(nom, 0700);
        const size_t avant = journal.contenu().size();
        choix.fileName->value(nom);
        vr::vBoutonVisualisateurBrowser2Callback(&choix, page);
        EXPECT_EQ(journal.contenu().size(), avant) << nom;
        EXPECT_EQ(page->fichiers[0], montre);
        EXPECT_STREQ(page->titreVisualisateur->label(), "pv.grb");
        EXPECT_EQ(Fl::first_window(), nullptr);
    }
    harnais::vOublierBoite();
    EXPECT_EQ(boite, "");
}

// The shown file rewritten in place by another program with one message:
// pressing the third validity shows the error text and logs, and the page
// goes on; reopened, the file is the new one.
TEST_F(Visualisateur, AShownFileThatShrinksOnDiskIsAnErrorNotACrash)
{
    ASSERT_TRUE(recevoir("pv.grb", sFichier({{2, 15, 0}, {2, 15, 6}, {2, 16, 0}})));
    ecrireFichier("dat/pv.grb", sFichier({{2, 15, 0}}));
    page->boutonsValidites[2]->setonly();
    page->boutonsValidites[2]->do_callback();
    EXPECT_STREQ(page->carte->boiteTitre->label(), "ERREUR: fichier Grib incompatible...");
    EXPECT_NE(journal.contenu().find("pv.grb a change depuis son ouverture"), std::string::npos);
    ASSERT_TRUE(recevoir("pv.grb", sFichier({{2, 15, 0}})));
    EXPECT_EQ(page->boutonsValidites[1], nullptr);
    EXPECT_NE(page->carte->champs, nullptr);
    ASSERT_NE(page->carte->champs->champ, nullptr);
}

// "Ouvrir" offers and opens what the scan files, by the same rule of
// names in any case; a name of no kind it opens is refused with its
// reason, in a box and in the log.
TEST_F(Visualisateur, OuvrirOpensWhatTheScanFilesAndSaysWhyItRefusesTheRest)
{
    enum Ouvre { IMAGE, TEXTE, GRIB, REFUS };
    const struct Cas {
        const char* nom;
        Ouvre ouvre;
    } cas[] = {{"photo.jpeg", IMAGE}, {"CARTE.JPG", IMAGE}, {"vue.Png", IMAGE},
               {"note.TXT", TEXTE},   {"pv.GRB", GRIB},     {"note.doc", REFUS},
               {"reste.tmp", REFUS},  {"sans_extension", REFUS}};
    DRU_Fl_File_Chooser choix("dat", "*", DRU_Fl_File_Chooser::SINGLE, "");
    navigateur = &choix;
    const int natif = WINDOWS_NATIVE;
    WINDOWS_NATIVE = 0;
    vr::vBoutonVisualisateurBrowserCallback(nullptr, page);
    WINDOWS_NATIVE = natif;
    const std::string filtre = choix.filter();
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string chemin = std::string("dat/") + c.nom;
        if (c.ouvre == IMAGE)
            ASSERT_TRUE(commande("convert -size 8x8 xc:red " + chemin));
        else
            ecrireFichier(chemin, c.ouvre == GRIB ? sFichier(PRESSION_VENT) : "bonjour\n");
        EXPECT_EQ(fl_filename_match(c.nom, filtre.c_str()) != 0, c.ouvre != REFUS) << filtre;
        std::string boite;
        harnais::vRepondreBoite([&boite](Fl_Window* b) {
            boite = pTexteMessage()->label();
            harnais::vFermer(b);
        });
        choix.fileName->value(chemin.c_str());
        vr::vBoutonVisualisateurBrowser2Callback(&choix, page);
        if (c.ouvre == REFUS) {
            EXPECT_TRUE(harnais::bAttendre([&boite] { return !boite.empty(); }));
            EXPECT_EQ(boite, chemin + "\nCe genre de fichier ne s'ouvre pas ; extensions lues : "
                                      ".jpg .jpeg .png .gif .txt .grb .bz2 .gz");
            EXPECT_NE(journal.contenu().find("fichier non ouvert, genre inconnu: " + chemin),
                      std::string::npos);
        }
        harnais::vOublierBoite();
        Fl_Window* ouverte = nullptr;
        for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
            if (dynamic_cast<visualisateur*>(w) || dynamic_cast<editeur*>(w))
                ouverte = w;
        EXPECT_EQ(ouverte && dynamic_cast<visualisateur*>(ouverte), c.ouvre == IMAGE);
        EXPECT_EQ(ouverte && dynamic_cast<editeur*>(ouverte), c.ouvre == TEXTE);
        EXPECT_EQ(std::string(page->titreVisualisateur->label()) == c.nom, c.ouvre == GRIB);
        if (ouverte)
            gestion_interfaces::del(static_cast<Fl_Double_Window*>(ouverte));
    }
    navigateur = nullptr;
}
