// Without a display: what the viewer's display controls write into the
// map's settings, the kind of the parameter buttons under superposition,
// the validity steps, the interpolation label and the iso menus' callbacks.
#include "pages/reglages_visualisateur.h"
#include "pages/vr.h"

#include "map/fdc.h"
#include "ui/boutons.h"

#include <FL/Fl_Menu_Item.H>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

namespace {

const double AUCUN = double(1.0e-37f);

}  // namespace

TEST(Reglages, IsoMenusIntoTheMapsSettings)
{
    fdc carte(0, 0, 100, 100);
    const struct {
        const char* texte;
        int intervalle, reference;
    } isobares[] = {{"1", 1, 1015}, {"2", 2, 1016}, {"3", 3, 1014},
                    {"4", 4, 1016}, {"5", 5, 1015}, {"10", 10, 1010}};
    for (const auto& c : isobares) {
        EXPECT_EQ(iChoisirIntervalle(carte, "P", c.texte, 0), 1);
        EXPECT_EQ(std::make_pair(carte.isobareIntervalle, carte.isobareReference),
                  std::make_pair(c.intervalle, c.reference))
            << c.texte;
    }
    iChoisirIntervalle(carte, "F", "beaufort", CODE_BEAUFORT);
    EXPECT_EQ(carte.ventIntervalle, AUCUN);
    EXPECT_EQ(carte.beaufort, 1);
    iChoisirIntervalle(carte, "F", "5", 0);
    EXPECT_EQ(std::make_pair(carte.ventIntervalle, carte.beaufort), std::make_pair(5.0, 0));
    iChoisirIntervalle(carte, "H", "etat de la mer", CODE_ETAT_MER);
    EXPECT_EQ(std::make_pair(carte.vaguesIntervalle, carte.merClasses), std::make_pair(AUCUN, 1));
    iChoisirIntervalle(carte, "H", "0.0", 0);
    EXPECT_EQ(std::make_pair(carte.vaguesIntervalle, carte.merClasses), std::make_pair(0.0, 0));
    // A translated label keeps its meaning through its code.
    iChoisirIntervalle(carte, "H", "sea state", CODE_ETAT_MER);
    EXPECT_EQ(carte.merClasses, 1);
    iChoisirIntervalle(carte, "T", "0.5", 0);
    iChoisirIntervalle(carte, "C", "0.025", 0);
    iChoisirIntervalle(carte, "s", "0.25", 0);
    iChoisirIntervalle(carte, "%", "15", 0);
    iChoisirIntervalle(carte, "m", "0.75", 0);
    EXPECT_EQ(carte.isothermeIntervalle, 0.5);
    EXPECT_EQ(carte.courantIntervalle, 0.025);
    EXPECT_EQ(carte.periodeIntervalle, 0.25);
    EXPECT_EQ(carte.humiditeIntervalle, 15);
    EXPECT_EQ(carte.pluieIntervalle, 0.75);
    for (const char* inconnu : {"X", "", "PP"})
        EXPECT_EQ(iChoisirIntervalle(carte, inconnu, "1", 0), 0) << inconnu;
    EXPECT_EQ(iChoisirIntervalle(carte, nullptr, "1", 0), 0);
    EXPECT_EQ(carte.isobareIntervalle, 10);
}

// Every value item of a submenu calls its family's callback; no other
// item calls anything.
TEST(Reglages, EachSubmenusItemsCallTheirFamily)
{
    const std::pair<const char*, Fl_Callback*> familles[] = {
        {"P", vr::vMenuButtonVisualisateurParametresIsobaresCallback},
        {"T", vr::vMenuButtonVisualisateurParametresIsothermesCallback},
        {"F", vr::vMenuButtonVisualisateurParametresIsotachesCallback},
        {"H", vr::vMenuButtonVisualisateurParametresIsohauteurCallback},
        {"C", vr::vMenuButtonVisualisateurParametresIsocourantCallback},
        {"s", vr::vMenuButtonVisualisateurParametresIsoperiodeCallback},
        {"%", vr::vMenuButtonVisualisateurParametresIsohumiditeCallback},
        {"m", vr::vMenuButtonVisualisateurParametresIsoprecipitationsCallback}};
    const Fl_Menu_Item* m = vr::MenuTable;
    for (const auto& [titre, rappel] : familles) {
        ASSERT_STREQ(m->label(), titre);
        EXPECT_EQ(m->callback(), nullptr);
        int items = 0;
        for (++m; m->label(); ++m) {
            const bool radio = m->flags & FL_MENU_RADIO;
            EXPECT_EQ(m->callback(), radio ? rappel : nullptr) << titre << " " << m->label();
            items += radio;
        }
        EXPECT_GE(items, 6) << titre;
        ++m;  // the submenu's end
    }
    EXPECT_EQ(m->label(), nullptr);
}

TEST(Reglages, OpacityOfTheTransparencySlider)
{
    const std::pair<double, int> cas[] = {{128, 127}, {127, 127}, {129, 129}, {254, 254},
                                          {1, 1},     {200.9, 200}, {128.5, 127}};
    for (auto [valeur, opacite] : cas)
        EXPECT_EQ(int(ucOpacite(valeur)), opacite) << valeur;
}

TEST(Reglages, SuperpositionMakesTogglesItsEndKeepsTheFirstPressed)
{
    std::vector<std::unique_ptr<classeBoutonImage>> boutons;
    std::vector<classeBoutonImage*> tableau;
    for (int presse : {0, 1, 0, 1}) {
        boutons.emplace_back(new classeBoutonImage(0, 0, 1, 1));
        boutons.back()->type(FL_RADIO_BUTTON);
        boutons.back()->value(presse);
        tableau.push_back(boutons.back().get());
    }
    tableau.push_back(nullptr);
    auto etat = [&] {
        std::string s;
        for (auto& b : boutons)
            s += std::to_string(b->value()) + (b->type() == FL_TOGGLE_BUTTON ? "t" : "r");
        return s;
    };
    vTypeParametres(tableau.data(), 1);
    EXPECT_EQ(etat(), "0t1t0t1t");
    boutons[0]->value(1);
    vTypeParametres(tableau.data(), 0);
    EXPECT_EQ(etat(), "1r0r0r0r");
    vTypeParametres(nullptr, 0);
}

TEST(Reglages, ValiditySteps)
{
    EXPECT_EQ(iEcheanceVoisine(2, 3, +1), 0);
    EXPECT_EQ(iEcheanceVoisine(0, 3, -1), 2);
    EXPECT_EQ(iEcheanceVoisine(1, 3, +1), 2);
    EXPECT_EQ(iEcheanceVoisine(1, 3, -1), 0);
    EXPECT_EQ(iEcheanceVoisine(0, 1, +1), 0);
    EXPECT_EQ(iEcheanceVoisine(0, 0, +1), 0);
}

TEST(Reglages, TheInterpolationLabelTurnsThroughTenForms)
{
    std::set<std::string> vues;
    const char* e = INTERPOLATION_REPOS;
    for (int i = 0; i < 10; ++i) {
        vues.insert(e);
        e = pcInterpolationSuivante(e);
    }
    EXPECT_EQ(vues.size(), 10u);
    EXPECT_STREQ(e, INTERPOLATION_REPOS);
    EXPECT_TRUE(vues.count("@-15refresh"));
    const char* autre = "@refresh";
    EXPECT_EQ(pcInterpolationSuivante(autre), autre);
    EXPECT_EQ(pcInterpolationSuivante(nullptr), nullptr);
}
