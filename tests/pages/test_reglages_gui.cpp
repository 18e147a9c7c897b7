// The settings rows of a viewer page in a window: the display options and
// the iso menus, the validity steps and the animation, the time
// interpolation with a worker of the test's, and the cursor read-out popup.
#include "pages/vr.h"

#include "gribdata/enregistrement_grib.h"
#include "gribdata/interpolation.h"
#include "map/fdc.h"
#include "map/fl_histogramme.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "map/popup_overlay.h"
#include "pages/reglages_visualisateur.h"
#include "tests/pages/page_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/images/images.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Slider.H>
#include <atomic>
#include <chrono>
#include <functional>
#include <set>
#include <tuple>

namespace {

// Six validities, 6 hours apart, of pressure and wind; the pressure of
// each is its own.
std::vector<MessagePage> sixEcheances()
{
    std::vector<MessagePage> m;
    for (int i = 0; i < 6; ++i) {
        const int jour = 15 + i / 4, heure = 6 * (i % 4);
        m.push_back({2, jour, heure, 100000.0 + 100 * i});
        m.push_back({33, jour, heure, 3});
        m.push_back({34, jour, heure, 4});
    }
    return m;
}

std::atomic<int> travaux{0};
void* travailFactice(void*)
{
    ++travaux;
    return nullptr;
}

class Reglages : public PageVisualisateur {
protected:
    void SetUp() override
    {
        PageVisualisateur::SetUp();
        ASSERT_TRUE(recevoir("six.grb", sFichierPage(sixEcheances())));
    }
    void TearDown() override
    {
        // A test that stopped early leaves its popup gone.
        popupOverlay = nullptr;
        harnais::vOublierBoite();
        travailleurInterpolation = gintertime;
        GRIB_INTERPOLATION_START = 0;
        PageVisualisateur::TearDown();
    }
    // The map unlocked and centred on the file's grid, about 18 pixels a
    // degree across.
    fdc& carteSurLaGrille()
    {
        fdc& carte = *page->carte;
        carte.verrou = 0;
        carte.zoom(47.5, -7, 20, 1);
        return carte;
    }
    // Counts the validity steps while pumping the loop, until `assez` of them.
    bool compterPas(int assez, int& pas)
    {
        int dernier = iValiditePressee();
        return harnais::bAttendre([&] {
            const int i = iValiditePressee();
            pas += (i - dernier + 6) % 6;
            dernier = i;
            return pas >= assez;
        });
    }
    void cliquer(classeBouton* b)
    {
        if (b->type() == FL_TOGGLE_BUTTON)
            b->value(!b->value());
        else if (b->type() == FL_RADIO_BUTTON)
            b->setonly();
        b->do_callback();
    }
    int boites = 0;
    std::string texteBoite;
    int etatPendantLaBoite = -1;  // the interpolation's, when the box showed
    void repondre()
    {
        harnais::vRepondreBoite([this](Fl_Window* b) {
            ++boites;
            texteBoite = pTexteMessage()->label();
            etatPendantLaBoite = GRIB_INTERPOLATION_START.load();
            harnais::vFermer(b);
        });
    }
    // The interpolation started on a worker that only counts itself, once
    // that ran: its button, or null.
    classeBouton* interpolationFactice()
    {
        travailleurInterpolation = travailFactice;
        travaux = 0;
        if (!harnais::bMontrer(&fenetre))
            return nullptr;
        cliquer(page->boutonInterpolation);
        return harnais::bAttendre([] { return travaux == 1; }) ? page->boutonInterpolation
                                                               : nullptr;
    }
};

}  // namespace

TEST_F(Reglages, DisplayOptionsWriteTheMapsSettings)
{
    fdc& carte = *page->carte;
    EXPECT_EQ(page->boutonIsolignes->value(), 1);
    EXPECT_EQ(page->boutonIsolignes->image(), image_isolignes_bleu);
    EXPECT_EQ(page->boutonIsotaches->image(), image_isotaches_orange);
    EXPECT_EQ(page->boutonSuperposition->value(), 0);
    EXPECT_EQ(page->sliderTransparence->value(), 129);

    cliquer(page->boutonIsolignes);
    cliquer(page->boutonIsotaches);
    EXPECT_EQ(std::make_pair(carte.isolignes, carte.isotaches), std::make_pair(0, 1));
    EXPECT_EQ(page->boutonIsolignes->image(), image_isolignes_orange);
    EXPECT_EQ(page->boutonIsotaches->image(), image_isotaches_bleu);
    page->sliderTransparence->value(128);
    page->sliderTransparence->do_callback();
    EXPECT_EQ(carte.opacite, 127);

    // Superposition: wind joins pressure; off again, pressure alone.
    cliquer(page->boutonSuperposition);
    EXPECT_EQ(page->boutonsParametres[1]->type(), FL_TOGGLE_BUTTON);
    page->boutonsParametres[1]->value(1);
    page->boutonsParametres[1]->do_callback();
    EXPECT_EQ(carte.champs->suivant->parametre, 33);
    cliquer(page->boutonSuperposition);
    EXPECT_EQ(page->boutonsParametres[1]->type(), FL_RADIO_BUTTON);
    EXPECT_EQ(std::make_pair(page->boutonsParametres[0]->value(),
                             page->boutonsParametres[1]->value()),
              std::make_pair(char(1), char(0)));
    EXPECT_EQ(carte.champs->suivant, nullptr);
    EXPECT_EQ(page->boutonSuperposition->image(), image_superposer_orange);

    // An iso menu's choice, kept through a rebuild of the sections.
    Fl_Menu_Bar* menu = page->menuIso;
    const Fl_Menu_Item* trois = menu->find_item("P/3");
    ASSERT_NE(trois, nullptr);
    menu->picked(trois);
    EXPECT_EQ(std::make_pair(carte.isobareIntervalle, carte.isobareReference),
              std::make_pair(3, 1014));
    ASSERT_TRUE(recevoir("six2.grb", sFichierPage(sixEcheances())));
    EXPECT_NE(page->menuIso, nullptr);
    EXPECT_TRUE(page->menuIso->find_item("P/3")->value());
    EXPECT_EQ(page->boutonIsotaches->value(), 1) << "pressed as the map's flag stands";
    const Fl_Menu_Item* beaufort = page->menuIso->find_item("F/Beaufort");
    ASSERT_NE(beaufort, nullptr);
    page->menuIso->picked(beaufort);
    EXPECT_EQ(carte.beaufort, 1);
    page->menuIso->picked(page->menuIso->find_item("F/5"));
    EXPECT_EQ(std::make_pair(carte.beaufort, carte.ventIntervalle), std::make_pair(0, 5.0));
}

// "!" and '"' typed over the page, on the map or beside it, are no keys of
// the iso menus, which draw no shortcut beside any item; the classes items
// still choose the classes.
TEST_F(Reglages, TheIsoMenusTakeNoTypedCharacter)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    fdc& carte = *page->carte;
    Fl_Menu_Bar* menu = page->menuIso;
    menu->picked(menu->find_item("F/5"));
    menu->picked(menu->find_item("H/1"));
    const auto reglages = [&] {
        return std::make_tuple(carte.beaufort, carte.ventIntervalle, carte.merClasses,
                               carte.vaguesIntervalle);
    };
    const auto choisis = std::make_tuple(0, 5.0, 0, 1.0);
    ASSERT_EQ(reglages(), choisis);
    const std::pair<int, int> places[] = {{carte.x() + carte.w() / 2, carte.y() + carte.h() / 2},
                                          {100, 400}};
    for (auto [x, y] : places)
        for (const char* touche : {"!", "\""}) {
            harnais::vSurvoler(&fenetre, x, y);
            harnais::vTouche(&fenetre, touche[0], touche);
            EXPECT_EQ(reglages(), choisis) << touche << " at " << x << "," << y;
        }
    for (Fl_Menu_Bar* barre : {page->menuIso, page->menuCache})
        for (int i = 0; i < barre->size(); ++i)
            EXPECT_EQ(barre->menu()[i].shortcut(), 0) << i;
    // Shown as the catalogue names them.
    for (const char* classes : {"F/Beaufort", "H/Etat de la mer"}) {
        ASSERT_NE(menu->find_item(classes), nullptr) << classes;
        menu->picked(menu->find_item(classes));
    }
    EXPECT_EQ(std::make_pair(carte.beaufort, carte.merClasses), std::make_pair(1, 1));
}

TEST_F(Reglages, NextAndPreviousWrapAndCloseTheChartWindow)
{
    fdc& carte = *page->carte;
    const int dernier = 5;
    page->boutonsValidites[0]->value(0);
    page->boutonsValidites[dernier]->value(1);
    for (auto [suivant, attendu] : {std::pair{true, 0}, {false, dernier}, {false, dernier - 1}}) {
        carte.histogrammes = new Histogrammes(1, 0, 0, 10, 10);
        if (suivant)
            vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, page);
        else
            vr::vBoutonVisualisateurEcheancesPreviousCallback(nullptr, page);
        EXPECT_EQ(iValiditePressee(), attendu);
        EXPECT_EQ(carte.histogrammes, nullptr);
        EXPECT_EQ(long(carte.champs->validite), page->boutonsValidites[attendu]->shortcut());
    }
    // No pressed validity: nothing moves.
    page->boutonsValidites[dernier - 1]->value(0);
    vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, page);
    EXPECT_EQ(iValiditePressee(), -1);
}

TEST_F(Reglages, AnimationStepsInOneChainAndStops)
{
    harnais::ChienDeGarde chien(120);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    fdc& carte = *page->carte;
    page->sliderVitesse->value(0.1);
    page->sliderVitesse->do_callback();
    EXPECT_FLOAT_EQ(page->periodeAnimation, 0.1f);
    EXPECT_EQ(page->boutonPause->value(), 1);

    cliquer(page->boutonAnime);
    EXPECT_EQ(std::make_tuple(page->animationAvant, page->animationArriere, carte.animation),
              std::make_tuple(1, 0, 1));
    int pas = 0;
    ASSERT_TRUE(compterPas(3, pas));
    cliquer(page->boutonPause);
    EXPECT_FALSE(Fl::has_timeout(vEcheanceSuivante, page)) << "nothing left to step";
    EXPECT_EQ(std::make_tuple(page->animationAvant, carte.animation), std::make_tuple(0, 0));

    // Forward, pause and forward again at once: one chain of steps. Steps
    // never come before their time, so one chain makes at most one step
    // per period after the first quarter second, however loaded the
    // machine; two chains would make twice as many.
    cliquer(page->boutonAnime);
    cliquer(page->boutonPause);
    const auto debut = std::chrono::steady_clock::now();
    cliquer(page->boutonAnime);
    pas = 0;
    ASSERT_TRUE(compterPas(12, pas));
    const double duree =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    EXPECT_LE(pas, duree / 0.1 + 2) << pas << " steps in " << duree << " s";

    // Forward again stops; backward runs, its own button stops it.
    cliquer(page->boutonAnime);
    EXPECT_EQ(std::make_tuple(page->animationAvant, carte.animation, page->boutonPause->value()),
              std::make_tuple(0, 0, char(1)));
    EXPECT_FALSE(Fl::has_timeout(vEcheanceSuivante, page));
    const int avant = iValiditePressee();
    cliquer(page->boutonAnimeArriere);
    ASSERT_TRUE(harnais::bAttendre([&] { return iValiditePressee() == (avant + 5) % 6; }));
    cliquer(page->boutonAnimeArriere);
    EXPECT_EQ(std::make_tuple(page->animationArriere, carte.animation), std::make_tuple(0, 0));
    EXPECT_FALSE(Fl::has_timeout(vEcheancePrecedente, page));
    // A forward press without a widget (the keyboard's way) does nothing.
    vr::vBoutonVisualisateurEcheancesAnimeCallback(nullptr, page);
    EXPECT_EQ(page->animationAvant, 0);

    // "Fermer" stops a running animation.
    cliquer(page->boutonAnime);
    vr::vBoutonVisualisateurFermerCallback(page->boutonFermer, page);
    EXPECT_FALSE(Fl::has_timeout(vEcheanceSuivante, page));
    EXPECT_EQ(std::make_tuple(page->animationAvant, carte.animation, page->boutonPause),
              std::make_tuple(0, 0, static_cast<classeBouton*>(nullptr)));
}

TEST_F(Reglages, InterpolationTurnsWhileTheWorkerRunsThenTellsItsEnd)
{
    harnais::ChienDeGarde chien(120);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    travailleurInterpolation = travailFactice;
    travaux = 0;
    classeBouton* b = page->boutonInterpolation;
    EXPECT_STREQ(b->label(), INTERPOLATION_REPOS);
    cliquer(b);
    EXPECT_EQ(GRIB_INTERPOLATION_START.load(), 1);
    EXPECT_STREQ(GRIB_INTERPOLATION_ENTREE, "dat/six.grb");
    EXPECT_TRUE(b->value() && !b->active());
    ASSERT_TRUE(harnais::bAttendre([] { return travaux == 1; }));
    // A second press while it runs starts nothing.
    vr::vBoutonVisualisateurInterpolationCallback(b, page);
    std::set<std::string> formes;
    ASSERT_TRUE(harnais::bAttendre([&] {
        formes.insert(b->label());
        return formes.size() == 10;
    }));
    EXPECT_EQ(travaux, 1);
    EXPECT_TRUE(formes.count("@-19refresh"));

    // The worker fails: one alert, then the button comes back.
    repondre();
    GRIB_INTERPOLATION_START = 2;
    ASSERT_TRUE(harnais::bAttendre([&] { return b->active(); }));
    EXPECT_EQ(boites, 1);
    EXPECT_EQ(texteBoite, "Erreur interpolation");
    EXPECT_EQ(GRIB_INTERPOLATION_START.load(), 0);
    EXPECT_EQ(b->value(), 0);
    EXPECT_STREQ(b->label(), INTERPOLATION_REPOS);
    EXPECT_FALSE(Fl::has_timeout(vInterpolationTimeout, page));
    const std::string fin =
        "<THREADS> ----------> Fin execution du sous-thread INTERPOLATION...(timeout)\n";
    EXPECT_NE(journal.contenu().find(fin), std::string::npos);

    // A worker that succeeds: released at the next poll, without a box.
    cliquer(b);
    ASSERT_TRUE(harnais::bAttendre([] { return travaux == 2; }));
    GRIB_INTERPOLATION_START = 0;
    ASSERT_TRUE(harnais::bAttendre([&] { return b->active(); }));
    EXPECT_EQ(boites, 1);
    const std::string log = journal.contenu();
    size_t fins = 0;
    for (size_t i = log.find(fin); i != std::string::npos; i = log.find(fin, i + 1))
        ++fins;
    EXPECT_EQ(fins, 2u);
}

// A worker that wrote its output but not every hour: the output is let
// through at once (the scan waits for state 0), the notice follows.
TEST_F(Reglages, AnIncompleteInterpolationIsToldWithoutHoldingItsOutput)
{
    harnais::ChienDeGarde chien(120);
    classeBouton* b = interpolationFactice();
    ASSERT_NE(b, nullptr);
    repondre();
    GRIB_INTERPOLATION_START = 3;
    ASSERT_TRUE(harnais::bAttendre([&] { return boites == 1 && b->active(); }));
    EXPECT_EQ(texteBoite, "Interpolation incomplete : voir log.txt");
    EXPECT_EQ(etatPendantLaBoite, 0);
    EXPECT_EQ(b->value(), 0);
    EXPECT_STREQ(b->label(), INTERPOLATION_REPOS);
}

TEST_F(Reglages, AFilePathTooLongForTheWorkerIsRefused)
{
    harnais::ChienDeGarde chien(120);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    travailleurInterpolation = travailFactice;
    travaux = 0;
    const std::string nom = std::string(130, 'n') + ".grb";
    ASSERT_TRUE(recevoir(nom, sFichierPage(sixEcheances())));
    std::snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "avant");
    repondre();
    cliquer(page->boutonInterpolation);
    EXPECT_EQ(boites, 1);
    EXPECT_EQ(texteBoite, "Chemin du fichier trop long pour l'interpolation");
    EXPECT_STREQ(GRIB_INTERPOLATION_ENTREE, "avant") << "never cut";
    EXPECT_EQ(GRIB_INTERPOLATION_START.load(), 0);
    EXPECT_EQ(page->boutonInterpolation->value(), 0);
    EXPECT_NE(journal.contenu().find("<INTERPOLATION> chemin de 138 caracteres, 127 au plus"),
              std::string::npos);
    EXPECT_EQ(travaux, 0);
}

TEST_F(Reglages, RightClickShowsTheReadOutAtTheMainWindowsRightEdge)
{
    harnais::ChienDeGarde chien(120);
    PopupOverlay popup(&fenetre);
    popupOverlay = &popup;
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    fdc& carte = carteSurLaGrille();
    const int x = carte.x() + carte.w() / 2, y = carte.y() + carte.h() / 2;
    harnais::vSurvoler(&fenetre, x, y);
    harnais::vCliquer(&fenetre, x, y, 3);
    ASSERT_TRUE(harnais::bAttendre([&] { return popup.shown() && popup.visible(); }));
    EXPECT_EQ(carte.lecture, 1);
    EXPECT_EQ(std::make_pair(popup.x(), popup.y()),
              std::make_pair(fenetre.x() + fenetre.w() - 212, fenetre.y() + 101));
    EXPECT_EQ(popup.w(), 210);
    EXPECT_EQ(popup.h(), popup.aide->size() + 4);
    EXPECT_GT(popup.h(), 20);
    const std::string premier = popup.texte;
    EXPECT_NE(premier.find("Pression"), std::string::npos) << premier;

    // With the animation running, each drawing of the map reads again at
    // the new validity. Another test's window mapped over this one on the
    // shared display moves the real pointer over the map or out of it,
    // which moves the read-out's place or turns it off: both are put back
    // meanwhile.
    page->sliderVitesse->value(0.1);
    page->sliderVitesse->do_callback();
    cliquer(page->boutonAnime);
    ASSERT_TRUE(harnais::bAttendre([&] {
        carte.lecture = 1;
        carte.curseurX = x - carte.carteX;
        carte.curseurY = y - carte.carteY;
        return popup.visible() && popup.texte != premier;
    }));
    cliquer(page->boutonPause);

    // A second right click hides it; so does leaving the map.
    harnais::vCliquer(&fenetre, x, y, 3);
    EXPECT_FALSE(popup.visible());
    EXPECT_EQ(carte.lecture, 0);
    EXPECT_STREQ(popup.texte, "");
    harnais::vCliquer(&fenetre, x, y, 3);
    ASSERT_TRUE(popup.visible());
    harnais::vSurvoler(&fenetre, 100, 300);
    EXPECT_FALSE(popup.visible());
    EXPECT_EQ(carte.lecture, 0);

    // Outside the file's grid: hidden, and the read-out is off.
    harnais::vSurvoler(&fenetre, x, y);
    harnais::vCliquer(&fenetre, x, y, 3);
    ASSERT_TRUE(popup.visible());
    harnais::vSurvoler(&fenetre, carte.x() + 5, carte.y() + 5);
    EXPECT_FALSE(popup.visible());
    EXPECT_EQ(carte.lecture, 0);

    // Without a text it stays hidden; it goes with the main window.
    popup.show();
    EXPECT_FALSE(popup.visible());
    harnais::vSurvoler(&fenetre, x, y);
    harnais::vCliquer(&fenetre, x, y, 3);
    ASSERT_TRUE(popup.visible());
    fenetre.hide();
    EXPECT_EQ(popup.handle(FL_MOVE), 1);
    EXPECT_FALSE(popup.visible());
    popupOverlay = nullptr;
}

// An animation step to a validity without the parameter shown has nothing
// to read: the popup goes, the read-out stays on and comes back with the
// next validity that has the field.
TEST_F(Reglages, AValidityWithoutTheFieldHidesTheReadOut)
{
    harnais::ChienDeGarde chien(120);
    PopupOverlay popup(&fenetre);
    popupOverlay = &popup;
    ASSERT_TRUE(recevoir("trou.grb", sFichierPage({{2, 15, 0}, {33, 15, 0}, {34, 15, 0},
                                                   {2, 15, 6}})));
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    fdc& carte = carteSurLaGrille();
    page->boutonsParametres[1]->setonly();
    page->boutonsParametres[1]->do_callback();
    ASSERT_EQ(carte.champs->parametre, 33);
    carte.animation = 1;
    // Another test's window on the shared display may take the pointer
    // away from the map, which turns the read-out off: it is put back.
    const auto lireAuCentre = [&] {
        carte.lecture = 1;
        carte.curseurX = carte.w() / 2;
        carte.curseurY = carte.h() / 2;
        carte.redraw();
    };
    ASSERT_TRUE(harnais::bAttendre([&] {
        lireAuCentre();
        return popup.visible() && std::string(popup.texte).find("Vent") != std::string::npos;
    }));
    vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, page);
    ASSERT_EQ(carte.champs, nullptr);
    ASSERT_TRUE(harnais::bRedessiner(&fenetre));
    EXPECT_FALSE(popup.visible());
    EXPECT_STREQ(popup.texte, "");
    vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, page);
    EXPECT_TRUE(harnais::bAttendre([&] {
        lireAuCentre();
        return popup.visible();
    }));
    carte.animation = 0;
    // So with the step buttons, the pointer over the map: a move reads
    // nothing at a time without the field, the field back reads again.
    harnais::vSurvoler(&fenetre, carte.x() + carte.w() / 2, carte.y() + carte.h() / 2);
    ASSERT_TRUE(harnais::bAttendre([&] { return lireAuCentre(), popup.visible(); }));
    vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, page);
    EXPECT_FALSE(popup.visible());
    harnais::vSurvoler(&fenetre, carte.x() + carte.w() / 2 + 3, carte.y() + carte.h() / 2);
    EXPECT_FALSE(popup.visible());
    vr::vBoutonVisualisateurEcheancesPreviousCallback(nullptr, page);
    EXPECT_TRUE(popup.visible());
    popupOverlay = nullptr;
}

// With the chart button down the read-out charts the point under the
// cursor: a window at the first point, rebuilt when the cursor reaches
// another grid point, left alone while the page animates; the chart button
// released destroys it. Another test's window on the shared display may
// take the pointer away from the map (the read-out goes off, and the next
// move only enters the map): each move is made again, with the read-out on,
// until the map has it.
TEST_F(Reglages, TheReadOutChartsThePointUnderTheCursor)
{
    harnais::ChienDeGarde chien(120);
    PopupOverlay popup(&fenetre);
    popupOverlay = &popup;
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    fdc& carte = carteSurLaGrille();
    page->boutonHistogrammes->do_callback();
    const int x = carte.x() + carte.w() / 2, y = carte.y() + carte.h() / 2;
    auto survoler = [&](int dx, const std::function<bool()>& fait) {
        return harnais::bAttendre([&] {
            carte.lecture = 1;
            harnais::vSurvoler(&fenetre, x + dx, y);
            return carte.curseurX == x + dx - carte.carteX && fait();
        });
    };
    ASSERT_TRUE(survoler(0, [&] { return carte.histogrammes && carte.histogrammes->shown(); }));
    Histogrammes* h = carte.histogrammes;
    Fl_Histogramme* pression = h->histogrammes[1]->histogramme;
    EXPECT_EQ(h->genres[1], 7);
    EXPECT_EQ(pression->numb, 6);
    const std::string titre = h->titre->label();
    EXPECT_EQ(titre.rfind("Position  Nord", 0), 0u) << titre;

    pression->add(1);  // a mark, which only a rebuild takes away
    ASSERT_TRUE(survoler(2, [] { return true; }));
    EXPECT_EQ(pression->numb, 7) << "the same grid point";
    // About 18 pixels a degree across: the next column of the grid.
    carte.animation = 1;
    ASSERT_TRUE(survoler(12, [] { return true; }));
    EXPECT_EQ(pression->numb, 7) << "animating";
    carte.animation = 0;
    EXPECT_TRUE(survoler(13, [&] { return pression->numb == 6; }));
    EXPECT_NE(h->titre->label(), titre);

    page->boutonHistogrammes->do_callback();
    EXPECT_EQ(carte.histogrammes, nullptr);
    popupOverlay = nullptr;
}
