// The program's message boxes, answered from a timeout as a user would:
// clicks and keys on the box that the call keeps open.
#include "ui/boites_message.h"
#include "ui/palette.h"

#include "ui/globales_ui.h"
#include "ui/local.h"

#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>
#include <dlfcn.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // fl_ask is part of the set

namespace {

void vRepondre(std::function<void(Fl_Window*)> action)
{
    harnais::vRepondreBoite(std::move(action));
}

void vCliquerBouton(int i)
{
    vRepondre([i](Fl_Window* boite) {
        Fl_Button* b = pBoutonMessage(i);
        harnais::vCliquer(boite, b->x() + b->w() / 2, b->y() + b->h() / 2);
    });
}

void vTaper(int touche, const char* texte = "")
{
    vRepondre([touche, texte](Fl_Window* boite) { harnais::vTouche(boite, touche, texte); });
}

class BoitesMessage : public ::testing::Test {
protected:
    void SetUp() override
    {
        skins();
        fl_message_icon()->label(nullptr);
    }
    void TearDown() override { harnais::vOublierBoite(); }
};

}  // namespace

TEST_F(BoitesMessage, ChoiceButtonsRunFromRightToLeftAndAnswerTheirNumber)
{
    for (int i = 0; i < 3; ++i) {
        std::string ordre;
        vRepondre([&ordre, i](Fl_Window* boite) {
            Fl_Button *b0 = pBoutonMessage(0), *b1 = pBoutonMessage(1), *b2 = pBoutonMessage(2);
            ordre = std::string(b0->label()) + "," + b1->label() + "," + b2->label();
            EXPECT_GT(b0->x(), b1->x() + b1->w());
            EXPECT_GT(b1->x(), b2->x() + b2->w());
            EXPECT_EQ(b0->x() + b0->w(), boite->w() - 10);
            harnais::vCliquer(boite, pBoutonMessage(i)->x() + 5, pBoutonMessage(i)->y() + 5);
        });
        EXPECT_EQ(fl_choice("Envoyer ?", "Annuler", "Oui", "Non"), i);
        EXPECT_EQ(ordre, "Annuler,Oui,Non");
    }
    vRepondre([](Fl_Window* boite) { harnais::vFermer(boite); });
    EXPECT_EQ(fl_choice("Envoyer ?", "Annuler", "Oui", "Non"), 0);
}

TEST_F(BoitesMessage, KeysAndMissingLabels)
{
    // Escape gives button 0, Enter the return button.
    const struct {
        int touche;
        int (*boite)();
        int attendu;
    } cas[] = {
        {FL_Escape, [] { return fl_choice("Q", "Annuler", "Oui", "Non"); }, 0},
        {FL_Enter, [] { return fl_choice("Q", "Annuler", "Oui", "Non"); }, 1},
        {FL_Enter, [] { return fl_ask("Q"); }, 1},
        {FL_Escape, [] { return fl_ask("Q"); }, 0},
    };
    for (const auto& c : cas) {
        vTaper(c.touche, c.touche == FL_Enter ? "\r" : "");
        EXPECT_EQ(c.boite(), c.attendu) << c.touche;
    }
    // A first label with a shortcut of its own leaves Escape to the window.
    for (const char* b0 : {"&Annuler", "Annuler"}) {
        vRepondre([b0](Fl_Window*) {
            EXPECT_EQ(pBoutonMessage(0)->shortcut(), b0[0] == '&' ? 0 : FL_Escape);
            pBoutonMessage(2)->do_callback();
        });
        EXPECT_EQ(fl_choice("Q", b0, "Oui", "Non"), 2);
    }
    vRepondre([](Fl_Window* boite) {
        EXPECT_FALSE(pBoutonMessage(0)->visible());
        EXPECT_FALSE(pBoutonMessage(2)->visible());
        EXPECT_EQ(pBoutonMessage(1)->x() + pBoutonMessage(1)->w(), boite->w() - 10);
        harnais::vFermer(boite);
    });
    EXPECT_EQ(fl_choice("Q", nullptr, "Oui", nullptr), 0);
}

TEST_F(BoitesMessage, MessageTextsAreBoundedExceptThePlainArgument)
{
    std::string texte;
    auto lire = [&texte](Fl_Window* boite) {
        texte = pTexteMessage()->label();
        harnais::vFermer(boite);
    };
    vRepondre(lire);
    fl_alert("%s", "100 % sur %d");
    EXPECT_EQ(texte, "100 % sur %d");
    const std::string long_(2000, 'x');
    vRepondre(lire);
    fl_message("%s%s", long_.c_str(), "");
    EXPECT_EQ(texte.size(), 1023u);
    vRepondre(lire);
    fl_message("%s", long_.c_str());
    EXPECT_EQ(texte.size(), 2000u);
    vRepondre(lire);
    fl_message("%d bulletins pour %s", 3, "Metarea II");
    EXPECT_EQ(texte, "3 bulletins pour Metarea II");
}

// A catalogue text of 300,000 bytes is cut on a character boundary and
// its tooltip shows; a box of that long line stays within the screen.
TEST_F(BoitesMessage, LongTextsFitTheScreen)
{
    harnais::ChienDeGarde garde(60);
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    std::string texte;
    for (int i = 0; i < 100000; ++i)
        texte += "\xC3\xA9 ";  // byte 4096 is inside an "é"
    std::filesystem::create_directory("loc");
    ecrireFichier("loc/messages.fr.mac", "@\n@Long\n" + texte + "\n");
    local catalogue("fr");
    const char* lu = catalogue.get("Long");
    EXPECT_EQ(lu, texte.substr(0, TEXTE_LOCAL_MAX - 1));
    Fl_Window fenetre(200, 100);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    Fl_Tooltip::delay(0);
    Fl_Tooltip::enter_area(&fenetre, 0, 0, 100, 30, lu);
    EXPECT_TRUE(harnais::bAttendre([&fenetre] { return Fl::first_window() != &fenetre; }));
    Fl_Tooltip::exit(&fenetre);
    vRepondre([](Fl_Window* boite) {
        EXPECT_LE(boite->w(), Fl::w());
        harnais::vFermer(boite);
    });
    fl_message("%s", lu);
}

// The icon tells the kind of box and keeps a label given to it; only the
// alert rings.
TEST_F(BoitesMessage, IconAndBell)
{
    std::string lettres;
    const int avant = NombreDeBips;
    auto lire = [&lettres](Fl_Window* boite) {
        lettres += boite->child(2)->label() ? boite->child(2)->label() : "(none)";
        harnais::vFermer(boite);
    };
    const std::function<void()> boites[] = {[] { fl_message("m"); }, [] { fl_alert("a"); },
                                            [] { fl_choice("c", "Non", "Oui", nullptr); }};
    for (const auto& boite : boites) {
        vRepondre(lire);
        boite();
    }
    EXPECT_EQ(lettres, "i!?");
    EXPECT_EQ(NombreDeBips, avant + 1);
    EXPECT_EQ(fl_message_icon()->label(), nullptr);
    fl_message_icon()->label("Q");
    for (int i = 0; i < 2; ++i) {
        vRepondre(lire);
        fl_alert("a");
    }
    EXPECT_EQ(lettres, "i!?QQ");
    for (int type : {FL_BEEP_DEFAULT, FL_BEEP_ERROR, FL_BEEP_MESSAGE, FL_BEEP_QUESTION,
                     FL_BEEP_PASSWORD, FL_BEEP_NOTIFICATION})
        fl_beep(type);
    EXPECT_EQ(NombreDeBips, avant + 5);
}

TEST_F(BoitesMessage, InputTellsCancelFromAnEmptyAnswer)
{
    vCliquerBouton(0);
    EXPECT_EQ(fl_input("Nom du dossier", "nouveau"), nullptr);
    vRepondre([](Fl_Window* boite) { harnais::vFermer(boite); });
    EXPECT_EQ(fl_input("Nom du dossier", "nouveau"), nullptr);
    vRepondre([](Fl_Window* boite) {
        EXPECT_TRUE(pSaisieMessage()->visible());
        EXPECT_EQ(Fl::focus(), pSaisieMessage());
        pSaisieMessage()->value("");
        harnais::vTouche(boite, FL_Enter, "\r");
    });
    const char* vide = fl_input("Nom du dossier", "nouveau");
    ASSERT_NE(vide, nullptr);
    EXPECT_STREQ(vide, "");
    vCliquerBouton(1);
    EXPECT_STREQ(fl_input("Nom du dossier %d", "nouveau", 2), "nouveau");
    vRepondre([](Fl_Window* boite) {
        EXPECT_EQ(pSaisieMessage()->input_type(), FL_SECRET_INPUT);
        harnais::vTouche(boite, 'x', "x");
        harnais::vTouche(boite, FL_Enter, "\r");
    });
    EXPECT_STREQ(fl_password("Mot de passe", "ab"), "abx");
    // The field is hidden again for the next box.
    vRepondre([](Fl_Window* boite) {
        EXPECT_FALSE(pSaisieMessage()->visible());
        harnais::vFermer(boite);
    });
    fl_message("m");
}

TEST_F(BoitesMessage, ABoxOpenedWhileAnotherWaitsHasItsOwnWindow)
{
    Fl_Window* exterieure = nullptr;
    int interieur = -1;
    std::string texteExterieur;
    vRepondre([&](Fl_Window* boite) {
        exterieure = boite;
        // What a timeout of the program would do while the question is up.
        vRepondre([&](Fl_Window* b) {
            EXPECT_NE(b, exterieure);
            EXPECT_TRUE(exterieure->shown());
            texteExterieur = exterieure->child(0)->label();
            harnais::vCliquer(b, pBoutonMessage(0)->x() + 5, pBoutonMessage(0)->y() + 5);
        });
        interieur = fl_choice("Erreur interpolation", "Oui", nullptr, nullptr);
        EXPECT_EQ(pBoiteMessage(), exterieure);
        EXPECT_TRUE(exterieure->shown());
        EXPECT_STREQ(pBoutonMessage(1)->label(), "Oui");
        pBoutonMessage(2)->do_callback();
    });
    EXPECT_EQ(fl_choice("Recevoir le bulletin ?", "Annuler", "Oui", "Non"), 2);
    EXPECT_EQ(interieur, 0);
    EXPECT_EQ(texteExterieur, "Recevoir le bulletin ?");
    EXPECT_EQ(pBoiteMessage(), nullptr);
}

// The toolkit's default labels read in the running language, whatever the
// language of the message.
TEST_F(BoitesMessage, DefaultButtonsSpeakTheRunningLanguage)
{
    DossierCatalogues catalogues;
    // Language, then its words for Close, Yes and No.
    const std::vector<std::vector<std::string>> cas = {{"fr", "Fermer", "Oui", "Non"},
                                                       {"de", "Schließen", "Ja", "Nein"}};
    for (const auto& c : cas) {
        local catalogue(c[0].c_str());
        langage = &catalogue;
        for (void (*boite)(const char*, ...) : {&fl_message, &fl_alert}) {
            std::string libelle;
            vRepondre([&libelle](Fl_Window* f) {
                libelle = pBoutonMessage(0)->label();
                harnais::vFermer(f);
            });
            boite("Fichier Grib incompatible");
            EXPECT_EQ(libelle, c[1]) << c[0];
        }
        std::string libelles;
        vRepondre([&libelles](Fl_Window* f) {
            libelles = std::string(pBoutonMessage(1)->label()) + "," + pBoutonMessage(0)->label();
            harnais::vFermer(f);
        });
        fl_ask("Continuer ?");
        EXPECT_EQ(libelles, c[2] + "," + c[3]) << c[0];
        langage = nullptr;
    }
}

TEST(BoitesMessageLien, TheProgramsDefinitionsAreTheOnesTheToolkitCalls)
{
    // What the toolkit's own dialogs reach through the dynamic linker.
    using Choix = int (*)(const char*, const char*, const char*, const char*, ...);
    using Saisie = const char* (*)(const char*, const char*, ...);
    EXPECT_EQ(reinterpret_cast<Choix>(dlsym(RTLD_DEFAULT, "_Z9fl_choicePKcS0_S0_S0_z")),
              &fl_choice);
    EXPECT_EQ(reinterpret_cast<Saisie>(dlsym(RTLD_DEFAULT, "_Z8fl_inputPKcS0_z")), &fl_input);
    EXPECT_EQ(reinterpret_cast<void (*)(int)>(dlsym(RTLD_DEFAULT, "_Z7fl_beepi")), &fl_beep);
}
