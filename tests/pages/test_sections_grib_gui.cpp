// The GRIB request page's sections after the mesh under Xvfb: the
// parameter buttons and the request they write, the forecast times and
// validities of the run offered at a fixed hour and weekday with their
// step selectors, the land switch, the moving zone and its fields, the
// open-all switch and the help pane over the real sections.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/requeteur_test.h"

#include "map/fdc.h"
#include "pages/spinner_output.h"
#include "routes/spinner_position.h"
#include "tests/map/pilote_enregistreur.h"
#include "tests/ui/harnais_gui.h"
#include "transport/requete.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/fl_draw.H>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

class Sections : public RequeteurTest {
protected:
    ~Sections() override
    {
        langage = nullptr;
        GRIB_DEPLIER = 0;
        AFFICHE_AIDE = 1;
    }
    static std::vector<std::string> libelles(classeBoutonImage** boutons, bool presses = false)
    {
        std::vector<std::string> v;
        for (; boutons && *boutons; ++boutons)
            if (!presses || (*boutons)->value())
                v.push_back((*boutons)->label());
        return v;
    }
    void pas(const char* libelle)
    {
        Fl_Group* contenu = page->sectionsGrib[SECTION_ECHEANCES].contenu;
        for (int i = 0; i < contenu->children(); ++i)
            if (Fl_Button* b = dynamic_cast<Fl_Button*>(contenu->child(i)))
                if (b->label() && std::string(b->label()) == pcTraduire(libelle)) {
                    b->do_callback();
                    return;
                }
        ADD_FAILURE() << "no step button " << libelle;
    }
    // The course and speed typed and entered: the field's text, as the
    // field reads it.
    static void taper(spinnerPosition* champ, const char* texte)
    {
        champ->input.value(texte);
        champ->input.do_callback();
    }
    void capVitesse(double cap, double vitesse)
    {
        page->champCap->value(cap);
        page->champVitesse->value(vitesse);
        page->champVitesse->do_callback();
    }
    std::string titreDeplacement() const { return page->titreDeplacement->label(); }

    HeureFixe heure;
};

}  // namespace

TEST_F(Sections, EachModelOffersItsParametersWithTheirGribNumbers)
{
    modele("Vostel");
    const struct {
        const char* modele;
        std::vector<std::pair<std::string, int>> parametres;
    } cas[] = {
        {"Monde", {{"Vent", 33}, {"Pmer", 2}, {"Tmer", 11}, {"Pluie", 61}, {"Mer totale", 200},
                   {"Mer du vent", 101}, {"Houle", 104}}},
        {"Vostel", {{"Vent", 33}, {"Pmer", 2}, {"Tmer", 11}, {"Pluie", 61}, {"Mer totale", 200},
                    {"Mer du vent", 101}, {"Houle", 104}, {"Houle1", 107}, {"Houle2", 109}}},
        {"Mercator", {{"Courant", 49}, {"Tprof", 80}}},
    };
    for (const auto& c : cas) {
        basculer(bouton(page->boutonsModeles, c.modele));
        std::vector<std::pair<std::string, int>> v;
        for (classeBoutonImage** b = page->boutonsParametresGrib; *b; ++b)
            v.emplace_back((*b)->label(), (*b)->shortcut());
        std::vector<std::pair<std::string, int>> attendu;
        for (const auto& p : c.parametres)
            attendu.emplace_back(pcTraduire(p.first.c_str()), p.second);
        EXPECT_EQ(v, attendu) << c.modele;
    }
    // The model's default parameter is pressed: Mercator's current.
    EXPECT_EQ(libelles(page->boutonsParametresGrib, true),
              std::vector<std::string>{pcTraduire("Courant")});
}

TEST_F(Sections, AParameterToggledShowsAtOnceAndASavedOneComesBackPressed)
{
    modele("Monde");
    classeBoutonImage* pmer = bouton(page->boutonsParametresGrib, pcTraduire("Pmer"));
    ASSERT_NE(pmer, nullptr);
    EXPECT_FALSE(pmer->value());
    EXPECT_TRUE(bLigne("P vent"));
    const std::string volume = page->volumeGrib->value(), cout = page->coutGrib->value();
    basculer(pmer);
    EXPECT_TRUE(bLigne("P vent pmer")) << texte(page->tamponGrib);
    EXPECT_EQ(texte(page->editeurGrib->buffer()), texte(page->tamponGrib));
    EXPECT_GT(std::stod(page->volumeGrib->value()), std::stod(volume));
    EXPECT_GT(std::stod(page->coutGrib->value()), std::stod(cout));
    EXPECT_EQ(page->requeteGrib->texteRequete(), texte(page->tamponGrib));
    basculer(pmer);
    EXPECT_TRUE(bLigne("P vent"));
    EXPECT_EQ(page->volumeGrib->value(), volume);
    EXPECT_EQ(page->coutGrib->value(), cout);

    // A saved request holding "pmer" (its own case) while it is loaded.
    page->chargementRequete = 1;
    page->requeteGrib->parametres.vVider();
    page->requeteGrib->parametres.bAjouter("PMER");
    basculer(bouton(page->boutonsModeles, "Monde"));
    page->chargementRequete = 0;
    EXPECT_EQ(libelles(page->boutonsParametresGrib, true),
              std::vector<std::string>{pcTraduire("Pmer")});
}

// A translation of any length: a parameter's button grows with it, a day
// label keeps to its room and stays whole characters.
TEST_F(Sections, LongTranslationsOnlyWidenTheirLabels)
{
    DossierTemporaire autre;
    std::filesystem::create_directory(autre / "loc");
    std::string jour;
    for (int i = 0; i < 20; ++i)
        jour += "\xC3\xA9";
    const std::string pmer = "Pression au niveau moyen de la mer sans fin";
    ecrireFichier(autre / "loc/messages.en.mac",
                  "# test\n@Jour\n" + jour + "\n\n@Pmer\n" + pmer + "\n");
    std::unique_ptr<local> catalogue;
    {
        DossierCourant la(autre.chemin());
        catalogue = std::make_unique<local>("en");
    }
    langage = catalogue.get();
    modele("Monde");
    classeBoutonImage* b = bouton(page->boutonsParametresGrib, pmer);
    ASSERT_NE(b, nullptr);
    fl_font(DRU_FONT, 12);
    EXPECT_EQ(b->w(), int(fl_width(pmer.c_str())) + 8);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    int n = 0;
    for (Fl_Box** j = page->boitesJoursGrib; *j; ++j, ++n) {
        const std::string l = (*j)->label();
        EXPECT_LT(l.size(), 8u) << n;
        EXPECT_NE(std::mbstowcs(nullptr, l.c_str(), 0), size_t(-1)) << n;
        if (n > 0) {
            EXPECT_EQ(l.substr(l.find('+')), "+" + std::to_string(n));
        }
    }
    EXPECT_EQ(n, 11);
    langage = nullptr;
}

TEST_F(Sections, TheRunOfTheHourAsValiditiesOrForecastTimesWithItsSteps)
{
    modele("Monde");  // 10 h: the run of 0 h, 0 to 120 by 3 and 126 to 240 by 6
    ASSERT_EQ(page->requeteGrib->modeValidites, 1);
    EXPECT_TRUE(page->groupeValiditesGrib->visible());
    EXPECT_FALSE(page->groupeEcheancesGrib->visible());
    EXPECT_TRUE(page->titreValidites->visible());
    EXPECT_FALSE(page->titreEcheances->visible());
    EXPECT_EQ(libelles(page->boutonsValiditesGrib, true),
              (std::vector<std::string>{"18", "0", "6", "12"}));
    // Today's hours gone by while the next time is gone too.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(page->boutonsValiditesGrib[i]->active(), i == 3) << i;
    std::vector<std::string> jours;
    for (Fl_Box** j = page->boitesJoursGrib; *j; ++j)
        jours.push_back((*j)->label());
    ASSERT_EQ(jours.size(), 11u);  // days 0 to 10
    EXPECT_EQ(jours[0], std::string(" ") + pcTraduire("Jour") + " ");
    EXPECT_EQ(jours[3], std::string(pcTraduire("Jour")) + "+3");
    EXPECT_TRUE(bLigne("G 18 24 30 36"));

    // "Tous" among validities leaves the disabled ones.
    pas("Tous");
    int presses = 0;
    for (classeBoutonImage** b = page->boutonsValiditesGrib; *b; ++b)
        presses += (*b)->value();
    EXPECT_EQ(presses, 61 - 3);
    EXPECT_EQ(page->requeteGrib->validites.iNombre(), 58);
    pas("Raz");
    EXPECT_TRUE(bLigne("G"));
    EXPECT_TRUE(libelles(page->boutonsValiditesGrib, true).empty());

    // The forecast times: the "Validites" title turns to them.
    page->titreValidites->do_callback();
    EXPECT_EQ(page->requeteGrib->modeValidites, 0);
    EXPECT_TRUE(page->groupeEcheancesGrib->visible());
    EXPECT_FALSE(page->groupeValiditesGrib->visible());
    EXPECT_TRUE(page->titreEcheances->visible());
    EXPECT_TRUE(bLigne("E 6 12 18 24")) << texte(page->tamponGrib);
    EXPECT_EQ(libelles(page->boutonsEcheances, true),
              (std::vector<std::string>{"6", "12", "18", "24"}));
    pas("12");
    EXPECT_EQ(page->requeteGrib->echeances.iNombre(), 21);  // 0 to 240
    EXPECT_TRUE(bLigne("E 0 12 24 36 48 60 72 84 96 108 120 132 144 156 168 180 192 204 216 "
                       "228 240"));
    pas("Raz");
    EXPECT_TRUE(bLigne("E"));
    basculer(bouton(page->boutonsEcheances, "3"));
    EXPECT_TRUE(bLigne("E 3"));
    // Back to the validities, which kept their own choice.
    page->titreEcheances->do_callback();
    EXPECT_TRUE(bLigne("G"));
}

TEST_F(Sections, RestoringTheTimesPressesTheFirstOnlyWhenThereIsOne)
{
    modele("Monde");
    // A request that asks for no time the run has gets the first one.
    page->chargementRequete = 1;
    page->requeteGrib->vSetEcheances(std::vector<const char*>{"7", nullptr}.data());
    basculer(bouton(page->boutonsModeles, "Monde"));
    page->chargementRequete = 0;
    EXPECT_EQ(libelles(page->boutonsEcheances, true), std::vector<std::string>{"0"});
    EXPECT_EQ(page->requeteGrib->echeances[0], "0");
    // A model without a run offers nothing and presses nothing.
    page->vSupprimerSection(SECTION_ECHEANCES);
    page->requeteGrib->vSetEcheances(std::vector<const char*>{"7", nullptr}.data());
    page->vRequeteurGribEcheances(999);
    EXPECT_EQ(page->boutonsEcheances[0], nullptr);
    EXPECT_EQ(page->boutonsValiditesGrib[0], nullptr);
    EXPECT_EQ(page->requeteGrib->echeances[0], "7");
}

TEST_F(Sections, Model10CountsItsWeekFromWednesday)
{
    jourcourant = 3;
    modele("Mercator");
    EXPECT_EQ(libelles(page->boutonsEcheances),
              (std::vector<std::string>{"168", "192", "216", "240"}));
    std::vector<int> numeros;
    for (classeBoutonImage** b = page->boutonsValiditesGrib; *b; ++b) {
        numeros.push_back((*b)->shortcut());
        EXPECT_STREQ((*b)->label(), "0");
    }
    EXPECT_EQ(numeros, (std::vector<int>{168, 192, 216, 240}));
    jourcourant = 4;
    basculer(bouton(page->boutonsModeles, "Mercator"));
    EXPECT_EQ(libelles(page->boutonsEcheances).size(), 10u);  // 24 to 240
    EXPECT_EQ(page->boutonsValiditesGrib[0]->shortcut(), 24);
}

TEST_F(Sections, TheLandSwitchWritesItsLineAndARebuiltOneShowsIt)
{
    modele("Monde");
    classeBouton* terre = page->boutonTerre;
    ASSERT_NE(terre, nullptr);
    EXPECT_TRUE(terre->value());
    EXPECT_STREQ(terre->label(), pcTraduire("Donnees sur terre : Non"));
    EXPECT_EQ(texte(page->tamponGrib).find("\nF "), std::string::npos);
    cliquer(terre);
    EXPECT_FALSE(terre->value());
    EXPECT_STREQ(terre->label(), pcTraduire("Donnees sur terre : Oui"));
    EXPECT_TRUE(bLigne("F 0"));
    // Another model keeps the request's land line, and so does its switch.
    basculer(bouton(page->boutonsModeles, "Vostel"));
    ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
    EXPECT_TRUE(bLigne("F 0"));
    EXPECT_FALSE(page->boutonTerre->value());
    EXPECT_STREQ(page->boutonTerre->label(), pcTraduire("Donnees sur terre : Oui"));
    cliquer(page->boutonTerre);
    EXPECT_EQ(texte(page->tamponGrib).find("\nF "), std::string::npos);
}

TEST_F(Sections, CourseAndSpeedMakeTheVLineWhileATimeIsPressed)
{
    modele("Monde");  // the validities 18 to 36 pressed
    ASSERT_NE(page->champCap, nullptr);
    capVitesse(270.9, 12.3);
    EXPECT_TRUE(bLigne("V 270 12.3")) << texte(page->tamponGrib);
    EXPECT_EQ(page->deplacement, 1);
    EXPECT_EQ(titreDeplacement(), pcTraduire("Deplacement : Oui"));
    EXPECT_EQ(page->titreDeplacement->labelcolor(), COLOR_BOUTON_ACTIVE);
    capVitesse(0, 5);
    EXPECT_TRUE(bLigne("V 0 5.0"));
    capVitesse(45, 0);
    EXPECT_TRUE(bLigne("V 45 0.0"));
    capVitesse(0, 0);
    EXPECT_EQ(texte(page->tamponGrib).find("\nV"), std::string::npos);
    EXPECT_EQ(page->deplacement, 0);
    EXPECT_EQ(titreDeplacement(), pcTraduire("Deplacement : Non"));
    EXPECT_EQ(page->titreDeplacement->labelcolor(), COLOR_ORANGE_TEXTE);

    // No time pressed: the frame's check drops the zone.
    pas("Raz");
    capVitesse(90, 10);
    EXPECT_EQ(page->deplacement, 0);
    EXPECT_EQ(texte(page->tamponGrib).find("\nV"), std::string::npos);
    EXPECT_EQ(titreDeplacement(), pcTraduire("Deplacement : Oui"));
    EXPECT_EQ(page->titreDeplacement->labelcolor(), COLOR_ORANGE_TEXTE);
    // A time pressed brings it back at once.
    page->titreValidites->do_callback();
    pas("Raz");
    basculer(bouton(page->boutonsEcheances, "12"));
    EXPECT_EQ(page->deplacement, 1);
    EXPECT_TRUE(bLigne("V 90 10.0"));
    EXPECT_TRUE(bLigne("E 12"));
    EXPECT_EQ(page->titreDeplacement->labelcolor(), COLOR_BOUTON_ACTIVE);

    // Another model puts the section back with its values, and the request
    // keeps them.
    Fl_Group* contenu = page->sectionsGrib[SECTION_DEPLACEMENT].contenu;
    basculer(bouton(page->boutonsModeles, "Vostel"));
    EXPECT_EQ(page->sectionsGrib[SECTION_DEPLACEMENT].contenu, contenu);
    EXPECT_EQ(contenu->parent(), page->packGrib);
    EXPECT_DOUBLE_EQ(page->champCap->value(), 90);
    EXPECT_DOUBLE_EQ(page->champVitesse->value(), 10);
    EXPECT_TRUE(bLigne("V 90 10.0")) << texte(page->tamponGrib);
}

TEST_F(Sections, TypedCourseAndSpeedStayInTheFieldsRanges)
{
    modele("Monde");
    const struct {
        const char *cap, *vitesse, *ligne;
        double capMontre, vitesseMontree;
    } cas[] = {
        {"400", "250", "V 0 99.9", 0, 99.9},
        {"725", "12.5", "V 0 12.5", 0, 12.5},
        {"-30", "-4", "", 0, 0},
        {"90", "nan", "V 90 0.0", 90, 0},
        {"90", "inf", "V 90 0.0", 90, 0},
        {"90", "1e300", "V 90 99.9", 90, 99.9},
        {"10", "-inf", "V 10 0.0", 10, 0},
        {"1e300", "5", "V 10 5.0", 10, 5},  // a course past 359 keeps the one before
    };
    for (const auto& c : cas) {
        taper(page->champCap, c.cap);
        taper(page->champVitesse, c.vitesse);
        const std::string t = texte(page->tamponGrib);
        if (*c.ligne)
            EXPECT_TRUE(bLigne(c.ligne)) << c.cap << " " << c.vitesse << "\n" << t;
        else
            EXPECT_EQ(t.find("\nV"), std::string::npos) << c.cap << " " << c.vitesse;
        EXPECT_DOUBLE_EQ(page->champCap->value(), c.capMontre) << c.cap;
        EXPECT_DOUBLE_EQ(page->champVitesse->value(), c.vitesseMontree) << c.vitesse;
        EXPECT_EQ(std::stod(page->champVitesse->input.value()), c.vitesseMontree) << c.vitesse;
    }
}

TEST_F(Sections, AMovingZoneLeavingItsModelSaysSoAndKeepsTheButtons)
{
    construireVue();
    page->carte->zoom(48, 8, 30, 1);
    cliquer(page->boutonZone);
    ASSERT_STREQ(bouton(page->boutonsModeles, "Europe")->label(), "Europe");
    ASSERT_TRUE(bouton(page->boutonsModeles, "Europe")->value());
    std::vector<std::pair<int, int>> avant;
    for (classeBoutonImage** b = page->boutonsModeles; *b; ++b)
        avant.emplace_back((*b)->value(), (*b)->active());
    // Three days west at 99.9 knots leave Europe far behind.
    pas("Tous");
    capVitesse(270, 99.9);
    EXPECT_EQ(page->carte->chargementAffiche, 1);
    EXPECT_STREQ(page->carte->chargement, pcTraduire("Deplacement hors des limites du modele"));
    std::vector<std::pair<int, int>> apres;
    for (classeBoutonImage** b = page->boutonsModeles; *b; ++b)
        apres.emplace_back((*b)->value(), (*b)->active());
    EXPECT_EQ(apres, avant);
    EXPECT_TRUE(bLigne("D eurat"));
}

TEST_F(Sections, TheOpenAllSwitchAndTheHelpPaneOverTheRealSections)
{
    GRIB_DEPLIER = 0;
    construireVue();
    classeBouton* tout = page->boutonDeplierTout;
    cliquer(tout);
    EXPECT_EQ(tout->value(), 0) << "before any model";
    EXPECT_EQ(GRIB_DEPLIER, 0);
    cliquer(page->boutonZone);
    ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
    const int pliables[] = {SECTION_MODELES, SECTION_MAILLES, SECTION_PARAMETRES,
                            SECTION_ECHEANCES, SECTION_DEPLACEMENT};
    for (int s : pliables)
        EXPECT_FALSE(page->sectionsGrib[s].contenu->visible()) << s;
    cliquer(tout);
    EXPECT_EQ(GRIB_DEPLIER, 1);
    for (int s : pliables) {
        EXPECT_TRUE(page->sectionsGrib[s].contenu->visible()) << s;
        EXPECT_STREQ(page->sectionsGrib[s].deplier->label(), "@+22>") << s;
    }
    EXPECT_EQ(page->titreValidites->couleurHaut, int(COLOR_BOUTON_ACTIVE));
    cliquer(tout);
    EXPECT_EQ(GRIB_DEPLIER, 0);
    for (int s : pliables)
        EXPECT_FALSE(page->sectionsGrib[s].contenu->visible()) << s;

    // Each section's help button brings the pane under its title.
    AFFICHE_AIDE = 1;
    Fl_Pack* pack = page->packGrib;
    const struct {
        int section, sujet;
    } aides[] = {{SECTION_MODELES, 2},    {SECTION_MAILLES, 3}, {SECTION_PARAMETRES, 4},
                 {SECTION_ECHEANCES, 5},  {SECTION_TERRE, 6},   {SECTION_DEPLACEMENT, 8}};
    for (const auto& a : aides) {
        Fl_Group* titre = page->sectionsGrib[a.section].titre;
        Fl_Button* aide = nullptr;
        for (int i = 0; i < titre->children(); ++i)
            if (auto* b = dynamic_cast<Fl_Button*>(titre->child(i)); b && b->shortcut() == a.sujet)
                aide = b;
        ASSERT_NE(aide, nullptr) << a.sujet;
        aide->do_callback();
        EXPECT_EQ(pack->find(page->voletAideGrib), pack->find(titre) + 1) << a.sujet;
        EXPECT_STREQ(page->voletAideGrib->texteSujet, std::to_string(a.sujet).c_str());
    }
    // The compression's help (7) goes under the land title.
    page->vGroupRequeteurGribArrange(7);
    EXPECT_EQ(pack->find(page->voletAideGrib),
              pack->find(page->sectionsGrib[SECTION_TERRE].titre) + 1);
}

// Course 90 at 10 knots, forecast times 12 and 24 from a run 6 hours old:
// two track segments due east, 60 and 180 miles from the frame's centre,
// that is d / (60 cos latitude) degrees of longitude.
TEST_F(Sections, TheMovingFramesTrackOnTheMap)
{
    heurecourante = 6;
    construire(0, 0);
    fdc* c = page->carte;
    c->chargementAffiche = 0;
    c->zoom(40, -20, 10, 1);
    cliquer(page->boutonZone);
    ASSERT_TRUE(bouton(page->boutonsModeles, "Europe")->value());
    const double bornes[4] = {42, 38, -22, -18};
    for (int i = 0; i < 4; ++i)
        page->champsZone[i]->value(bornes[i]);
    c->overlay_output(2);
    page->titreValidites->do_callback();
    pas("Raz");
    basculer(bouton(page->boutonsEcheances, "12"));
    basculer(bouton(page->boutonsEcheances, "24"));
    capVitesse(90, 10);
    ASSERT_TRUE(bLigne("V 90 10.0")) << texte(page->tamponGrib);

    const double degre = 1.0 / std::cos(40 * M_PI / 180);  // 60 miles at 40 N
    const int y = c->y() + int(c->dLigne(40));
    const int x0 = c->x() + c->iColonne(-20);
    const int x1 = c->x() + c->iColonne(-20 + degre);
    const int x2 = c->x() + c->iColonne(-20 + 3 * degre);
    poste->fenetre.make_current();
    std::vector<PiloteEnregistreur::Trait> rouges;
    {
        PiloteEnregistreur p;
        c->draw();
        for (const auto& t : p.traits)
            if (t.couleur == FL_RED)
                rouges.push_back(t);
    }
    ASSERT_EQ(rouges.size(), 2u);
    EXPECT_EQ(rouges[0].x0, x0);
    EXPECT_NEAR(rouges[0].x1, x1, 1);
    EXPECT_NEAR(rouges[1].x1, x2, 1);
    for (const auto& t : rouges) {
        EXPECT_EQ(t.y0, y);
        EXPECT_EQ(t.y1, y);
    }
    // The red line on the screen, between the boats at its ends.
    ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
    unsigned char r, g, b;
    Fl::get_color(FL_RED, r, g, b);
    ASSERT_GT(x1 - x0, 30);
    const std::vector<unsigned char> pixels =
        harnais::lirePixels(&poste->fenetre, x0 + 10, y, x1 - x0 - 20, 1);
    for (size_t i = 0; i + 2 < pixels.size(); i += 3)
        EXPECT_TRUE(pixels[i] == r && pixels[i + 1] == g && pixels[i + 2] == b)
            << "column " << x0 + 10 + int(i / 3) << ": " << int(pixels[i]) << " "
            << int(pixels[i + 1]) << " " << int(pixels[i + 2]);
}
