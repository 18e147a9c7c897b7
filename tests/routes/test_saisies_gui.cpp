// Texts typed in a route tab, its name or a position, and not entered:
// the buttons that store or use the route take them first, Escape puts
// back what the field showed, and nothing takes a cancelled text later.
#include "tests/routes/fenetre_test.h"

#include "routes/classe_route.h"
#include "tests/ui/harnais_gui.h"
#include "ui/langage.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <functional>

namespace {

class Saisies : public FenetreRoutes {
protected:
    // Route A of 4 positions on 45 N, in edit mode on its third row.
    void construireA()
    {
        ecrireRoutes({{"A", 1, 0, 4}});
        construire();
        for (Fl_Button* b : {bouton(0, ROUTE_ONGLET_ACTIF), boutonRangee(0, 2, RANGEE_MARQUE)}) {
            b->value(1);
            b->do_callback();
        }
        ASSERT_EQ(route(0)->actif, 3);
    }
    void cliquer(Fl_Widget* w)
    {
        harnais::vCliquer(fenetre.get(), w->x() + w->w() / 2, w->y() + w->h() / 2);
    }
    // The name typed after a click in its field, or the third row's
    // latitude typed in its field.
    Fl_Input_* taper(bool nom, const char* texte)
    {
        Fl_Input_* champ = nom ? static_cast<Fl_Input_*>(enfant(0, ROUTE_ONGLET_NOM))
                               : &this->champ(0, 2, RANGEE_LATITUDE)->input;
        if (nom)
            cliquer(champ);
        else
            champ->take_focus();
        EXPECT_EQ(Fl::focus(), champ);
        champ->position(0, champ->size());
        for (const char* t = texte; *t; ++t) {
            const char lettre[2] = {*t, 0};
            harnais::vTouche(fenetre.get(), *t, lettre);
        }
        EXPECT_STREQ(champ->value(), texte);
        return champ;
    }
};

}  // namespace

// Typed without Enter, then a button pressed: the store holds the text.
TEST_F(Saisies, TheButtonsThatStoreOrUseTheRouteTakeTheTextFirst)
{
    const struct {
        const char* bouton;
        bool nom;
        const char* texte;
        const char* dansFichier;
    } cas[] = {
        {"save", true, "Cap Horn", "Cap Horn\n"},
        {"save", false, "44", " 44.000000 -8.000000\n"},
        // The copy is named after the name taken.
        {"copy", true, "Cap Horn", "\nCap Horn 1\n"},
        // The rows rebuilt after the insertion: the typed latitude is the
        // third position's, which goes down one row.
        {"insert", false, "44", "\n1700043200 44.000000 -8.000000\n"},
        // The flags: the switch stores the routes, then reads them back.
        {"language", true, "Cap Horn", "\nCap Horn\n"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.bouton) + " " + c.texte);
        construireA();
        taper(c.nom, c.texte);
        const std::string b = c.bouton;
        if (b == "save") {
            cliquer(routes->boutonEnregistrer);
        } else if (b == "copy") {
            choisir(0, ROUTE_ONGLET_OUTILS, 3);
        } else if (b == "language") {
            change_langage("en");
        } else {
            cliquer(boutonRangee(0, 0, RANGEE_INSERER));
            ASSERT_EQ(route(0)->dernierNumero, 4);
            routes->boutonEnregistrer->do_callback();
        }
        EXPECT_NE(fichier().find(c.dansFichier), std::string::npos) << fichier();
    }
}

// Escape puts back what the field showed; leaving it or a store then takes
// nothing.
TEST_F(Saisies, EscapePutsBackWhatTheFieldShowed)
{
    for (const bool nom : {true, false}) {
        SCOPED_TRACE(nom);
        construireA();
        Fl_Input_* saisi = taper(nom, nom ? "Cap Horn" : "44");
        harnais::vTouche(fenetre.get(), FL_Escape);
        EXPECT_STREQ(saisi->value(), nom ? "A" : "45");
        EXPECT_EQ(Fl::focus(), saisi);
        // Left for the other field, then stored.
        (nom ? static_cast<Fl_Widget*>(&champ(0, 2, RANGEE_LONGITUDE)->input)
             : enfant(0, ROUTE_ONGLET_NOM))
            ->take_focus();
        cliquer(routes->boutonEnregistrer);
        EXPECT_STREQ(route(0)->nom, "A");
        EXPECT_EQ(route(0)->position(2)->latitude, 45);
        EXPECT_EQ(fichier().rfind("@routes\nA\n", 0), 0u) << fichier();
        EXPECT_NE(fichier().find("\n1700043200 45.000000 -8.000000\n"), std::string::npos);
    }
}
