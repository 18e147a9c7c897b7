// The window registry without a display: slots, the menu's entries by the
// title rule, the close gate, a full registry, a window opened while the
// program ends.
#include "ui/crochets.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"

#include "tests/outils/outils_test.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Button.H>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A window whose destruction opens another one, as a question asked by a
// closing text window lets the incoming-folder scan run.
struct FenetreBavarde : Fl_Double_Window {
    FenetreBavarde() : Fl_Double_Window(10, 10) {}
    ~FenetreBavarde() override { gestion_interfaces::add(tardive = new Fl_Double_Window(10, 10)); }
    static Fl_Double_Window* tardive;
};
Fl_Double_Window* FenetreBavarde::tardive = nullptr;

class Registre : public ::testing::Test {
protected:
    Registre() : journal(dossier / "log.txt")
    {
        gestion_interfaces::menuFenetres = &menu;
        gestion_interfaces::fermeture = 0;
        LOAD_FDC = 1;
        gestion_interfaces::add(new Fl_Double_Window(10, 10, "principale"));
    }
    ~Registre() override
    {
        gestion_interfaces::delall();
        gestion_interfaces::fermeture = 0;
        crochetMenuGraphiques = nullptr;
        LOAD_FDC = 0;
    }
    Fl_Double_Window* fenetre(const char* titre)
    {
        Fl_Double_Window* f = new Fl_Double_Window(10, 10);
        f->copy_label(titre);
        gestion_interfaces::add(f);
        return f;
    }
    std::vector<std::string> entrees()
    {
        std::vector<std::string> textes;
        for (int i = 0; i + 1 < menu.size(); ++i)
            textes.push_back(menu.text(i));
        return textes;
    }
    DossierTemporaire dossier;
    JournalTemporaire journal;
    Fl_Menu_Button menu{0, 0, 10, 10};
};

}  // namespace

TEST(TitreMenu, TheNameFollowsTheFirstColonLessOneBlank)
{
    const struct {
        const char* titre;
        const char* entree;
    } cas[] = {{"Quenbrel 2, Editeur : x.txt", "x.txt"}, {"Editeur:x.txt", "x.txt"},
               {"a: b: c", "b: c"}, {"pas de deux-points", nullptr}, {"x:", nullptr},
               {"x: ", nullptr}, {"x:  y", " y"}, {nullptr, nullptr}};
    for (const auto& c : cas)
        EXPECT_STREQ(pcEntreeMenu(c.titre), c.entree) << (c.titre ? c.titre : "null");
}

TEST_F(Registre, ClosedSlotsAreReusedAndTheMenuFollows)
{
    EXPECT_EQ(entrees(), std::vector<std::string>{"..."});
    Fl_Double_Window* a = fenetre("Editeur : a.txt");
    Fl_Double_Window* b = fenetre("Editeur : b@2 & co/x.txt");  // shown as it stands
    fenetre("sans deux-points");
    EXPECT_EQ(GESTION_UI[1], a);
    EXPECT_EQ(entrees(), (std::vector<std::string>{"a.txt", "b@@2 && co/x.txt"}));
    // Closing does nothing until the loaders are done.
    LOAD_FDC = 0;
    a->do_callback();
    EXPECT_EQ(GESTION_UI[1], a);
    LOAD_FDC = 1;
    a->do_callback();
    EXPECT_EQ(GESTION_UI[1], nullptr);
    EXPECT_EQ(fenetre("Editeur : c.txt"), GESTION_UI[1]);
    crochetMenuGraphiques = [](Fl_Menu_* m) { return gestion_interfaces::iEntree(m, "route", nullptr); };
    gestion_interfaces::del(b);
    EXPECT_EQ(entrees(), (std::vector<std::string>{"c.txt", "route"}));
}

TEST_F(Registre, AFullRegistryLeavesTheWindowAsItIs)
{
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        fenetre("x");
    std::unique_ptr<Fl_Double_Window> derniere(new Fl_Double_Window(10, 10, "de trop"));
    gestion_interfaces::add(derniere.get());
    EXPECT_NE(derniere->callback(), gestion_interfaces_callback);
    EXPECT_NE(journal.contenu().find("registre plein, fenetre non enregistree: de trop"),
              std::string::npos);
}

TEST_F(Registre, NoWindowRegistersOnceTheEndHasStarted)
{
    fenetre("a: 1");
    gestion_interfaces::add(new FenetreBavarde());
    gestion_interfaces::delall();
    std::unique_ptr<Fl_Double_Window> tardive(FenetreBavarde::tardive);
    EXPECT_NE(tardive->callback(), gestion_interfaces_callback);
    for (Fl_Double_Window* place : GESTION_UI)
        EXPECT_EQ(place, nullptr);
    EXPECT_EQ(GUI, nullptr);
    EXPECT_EQ(gestion_interfaces::menuFenetres, nullptr);
}

// What the deletion sends back (a hide's move to the map) finds no window
// to delete again.
TEST(DetruireFenetre, TheOwnerLetsGoBeforeTheWindowGoes)
{
    struct Fenetre : Fl_Double_Window {
        Fenetre*& proprietaire;
        explicit Fenetre(Fenetre*& p) : Fl_Double_Window(10, 10), proprietaire(p) {}
        ~Fenetre() override { EXPECT_EQ(proprietaire, nullptr); }
    };
    Fenetre* fenetre = nullptr;
    fenetre = new Fenetre(fenetre);
    vDetruireFenetre(fenetre);
    vDetruireFenetre(fenetre);
}
