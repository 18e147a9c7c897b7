// The text window on real files under an X server: a Latin-1 bulletin,
// typing, replace-all, the question before closing, a failed save, files
// it cannot show, long names and paths too long to write.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "ui/boites_message.h"
#include "ui/editeur.h"
#include "ui/globales_ui.h"
#include "ui/palette.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/selecteur.h"

#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

std::string texte(Fl_Text_Buffer* b)
{
    char* t = b->text();
    std::string s = t;
    std::free(t);
    return s;
}

class Editeur : public ::testing::Test {
protected:
    Editeur() : ici(dossier.chemin()), journal(dossier / "log.txt")
    {
        principale.end();
        skins();
        std::filesystem::create_directories("dat/bulletin");
        gestion_interfaces::add(&principale);
        LOAD_FDC = 1;
    }
    ~Editeur() override
    {
        harnais::vOublierBoite();
        for (Fl_Double_Window*& f : GESTION_UI)
            f = nullptr;
        LOAD_FDC = 0;
    }
    // Opens a window on the file; `boite` gets the text of the box it
    // shows, if any.
    editeur* ouvrir(const char* chemin, int mode = 0)
    {
        harnais::vRepondreBoite([this](Fl_Window* b) {
            boite = pTexteMessage()->label();
            harnais::vFermer(b);
        });
        editeur* e = new editeur(chemin, 0, 0, 0, 600, 400, mode, 0, nullptr);
        harnais::vOublierBoite();
        gestion_interfaces::add(e);
        return e;
    }
    void repondre(int bouton)
    {
        harnais::vRepondreBoite([this, bouton](Fl_Window* b) {
            boite = pTexteMessage()->label();
            harnais::vCliquer(b, pBoutonMessage(bouton)->x() + 5, pBoutonMessage(bouton)->y() + 5);
        });
    }
    DossierTemporaire dossier;
    DossierCourant ici;
    JournalTemporaire journal;
    Fl_Double_Window principale{100, 100};
    std::string boite;
};

}  // namespace

TEST_F(Editeur, ALatin1BulletinIsReflowedColouredAndNeverModified)
{
    ecrireFichier("dat/bulletin/GMDSS_2.txt",
                  "GMDSS\r\nhead\r\n====\r\nWONT41 m\xe9t\xe9o\r\n" + std::string(80, 'y'));
    editeur* e = ouvrir("dat/bulletin/GMDSS_2.txt", 1);
    EXPECT_EQ(boite, "");
    EXPECT_EQ(e->nonSuivi, 1);
    const std::string t = texte(e->textbuf);
    EXPECT_NE(t.find("WONT41 m\u00e9t\u00e9o\n"), std::string::npos);
    EXPECT_EQ(e->stylebuf->byte_at(int(t.find("WONT"))), 'F');
    ASSERT_TRUE(harnais::bMontrer(e));
    e->editor->insert_position(3);
    Fl::focus(e->editor);
    for (const char* c : {"a", "b"})
        harnais::vTouche(e, c[0], c);
    e->editor->insert_position(0);
    harnais::vTouche(e, FL_Delete);
    EXPECT_EQ(e->stylebuf->length(), e->textbuf->length());
    EXPECT_EQ(e->textbuf->length(), int(t.size()) + 1);
    EXPECT_EQ(e->modifie, 0);
    harnais::vFermer(e);
    EXPECT_EQ(GESTION_UI[1], nullptr);
}

TEST_F(Editeur, ReplaceAllAndTheQuestionBeforeClosing)
{
    ecrireFichier("a.txt", "x1x2x3");
    editeur* e = ouvrir("a.txt");
    e->remplacerCherche->value("x");
    e->remplacerPar->value("xx");
    e->remplacerTout->do_callback();
    EXPECT_EQ(texte(e->textbuf), "xx1xx2xx3");
    EXPECT_EQ(e->stylebuf->length(), e->textbuf->length());
    EXPECT_STREQ(e->remplacerMessage->label(), "3 remplacements effectu\u00e9s");
    EXPECT_EQ(e->modifie, 1);
    // "Annuler" keeps the window and the changes; "Oui" saves, then closes.
    repondre(0);
    harnais::vFermer(e);
    EXPECT_EQ(boite, "message modifie");
    ASSERT_EQ(GESTION_UI[1], e);
    // "Remplacer suivant" from the very start.
    e->editor->insert_position(0);
    e->remplacerCherche->value("xx1");
    e->remplacerPar->value("y");
    e->remplacerSuivant->do_callback();
    repondre(1);
    harnais::vFermer(e);
    EXPECT_EQ(GESTION_UI[1], nullptr);
    EXPECT_EQ(lireFichier("a.txt"), "yxx2xx3");
}

TEST_F(Editeur, AFailedSaveKeepsTheOldFileAndTheChanges)
{
    ecrireFichier("a.txt", "ancien");
    editeur* e = ouvrir("a.txt");
    e->textbuf->append(" texte");
    std::filesystem::create_directory("a.txt.tmp");
    repondre(0);
    enregistrerEditeurCallback(nullptr, e);
    EXPECT_EQ(boite, "Erreur en ecriture sur 'a.txt.tmp':\nIs a directory.");
    EXPECT_EQ(lireFichier("a.txt"), "ancien");
    EXPECT_EQ(e->modifie, 1);
    // At the end of the program the question comes first; "Annuler" stays.
    repondre(0);
    harnais::vFermer(&principale);
    EXPECT_EQ(GESTION_UI[1], e);
    e->modifie = 0;
    delete e;
}

TEST_F(Editeur, FilesItCannotShowGiveAnAlertAndAnEmptyDocument)
{
    ecrireFichier("nul.txt", std::string("a\0b", 3));
    ecrireFichier("latin1.txt", "caf\xe9");
    const std::string long_(300, 'n');
    const struct {
        std::string chemin, boite;
    } cas[] = {{"absent.txt", "Erreur en lecture de 'absent.txt':\nNo such file or directory."},
               {"nul.txt", "Erreur en lecture de 'nul.txt':\nInvalid or incomplete multibyte or "
                           "wide character."},
               {long_, "Erreur en lecture de '" + long_ + "':\nFile name too long."},
               {"latin1.txt", ""}};
    for (const auto& c : cas) {
        boite.clear();
        std::unique_ptr<editeur> e(ouvrir(c.chemin.c_str()));
        GESTION_UI[1] = nullptr;
        EXPECT_EQ(boite, c.boite);
        EXPECT_EQ(texte(e->textbuf), c.boite.empty() ? "caf\xe9" : "");
        EXPECT_STREQ(e->fichier, c.boite.empty() ? "latin1.txt" : "");
    }
    EXPECT_NE(journal.contenu().find("pas en UTF-8, lu tel quel: latin1.txt"), std::string::npos);
}

// A name of 250 characters: the title is cut to its field, the status
// holds it whole. A path longer than the document's field, into folders
// that exist, is refused before anything is written.
TEST_F(Editeur, LongNamesInBoundedTextsAndAWriteTooLongRefused)
{
    const std::string nom = std::string(246, 'n') + ".txt";
    ecrireFichier(nom, "x");
    editeur* e = ouvrir(nom.c_str());
    EXPECT_EQ(std::string(e->label()),
              ("Quenbrel 2, Editeur : " + nom).substr(0, sizeof e->titre - 1));
    e->textbuf->append("y");
    EXPECT_EQ(std::string(e->statut->label()), nom + " (*)");

    std::string loin = std::string(60, 'd');
    while (loin.size() < 300)
        loin += "/" + std::string(60, 'd');
    std::filesystem::create_directories(loin);
    loin += "/a.txt";
    repondre(0);
    EXPECT_EQ(e->iEcrire(loin.c_str()), ENAMETOOLONG);
    EXPECT_EQ(boite, "Erreur en ecriture sur '" + loin + "':\nFile name too long.");
    EXPECT_FALSE(existe(loin));
    EXPECT_STREQ(e->fichier, nom.c_str());
    EXPECT_EQ(e->modifie, 1);
    EXPECT_EQ(lireFichier(nom), "x");
    e->modifie = 0;
    delete e;
}

// "Enregistrer sous" with the program's chooser proposes the window's own
// file whatever the chooser showed last; writing over another file asks,
// and "Non" leaves that file as it was.
TEST_F(Editeur, SaveAsProposesItsOwnFileAndAsksBeforeReplacingAnother)
{
    const int natif = WINDOWS_NATIVE;
    WINDOWS_NATIVE = 0;
    std::unique_ptr<DRU_Fl_File_Chooser> selecteur(
        new DRU_Fl_File_Chooser(".", "*", DRU_Fl_File_Chooser::CREATE, ""));
    navigateur = selecteur.get();
    std::filesystem::create_directories("notes");
    std::filesystem::create_directories("dat");
    ecrireFichier("dat/x.grb", "GRIB");
    ecrireFichier("notes/a.txt", "route");
    navigateur->value("dat/x.grb");
    editeur* e = ouvrir("notes/a.txt");
    e->textbuf->append(" au 270");

    enregistrer_sousEditeurCallback(nullptr, e);
    ASSERT_TRUE(harnais::bAttendre([] { return navigateur->shown() != 0; }));
    EXPECT_EQ(std::string(navigateur->value()), (dossier / "notes/a.txt"));
    EXPECT_TRUE(navigateur->okButton->active());
    // Its own file is written without a question.
    navigateur->okButton->do_callback();
    EXPECT_EQ(boite, "");
    EXPECT_EQ(lireFichier("notes/a.txt"), "route au 270");

    e->textbuf->append(" puis 180");
    for (int bouton : {0, 1}) {
        enregistrer_sousEditeurCallback(nullptr, e);
        ASSERT_TRUE(harnais::bAttendre([] { return navigateur->shown() != 0; }));
        navigateur->value((dossier / "dat/x.grb").c_str());
        repondre(bouton);
        navigateur->okButton->do_callback();
        EXPECT_EQ(boite, "Le fichier existe deja. Le remplacer ?\n'" + (dossier / "dat/x.grb") +
                             "'");
        EXPECT_EQ(lireFichier("dat/x.grb"), bouton ? "route au 270 puis 180" : "GRIB");
        boite.clear();
    }
    // A new document: no name proposed, OK waits for one.
    std::unique_ptr<editeur> nouveau(new editeur(nullptr, 0, 0, 0, 600, 400, 0, 0, nullptr));
    enregistrer_sousEditeurCallback(nullptr, nouveau.get());
    ASSERT_TRUE(harnais::bAttendre([] { return navigateur->shown() != 0; }));
    EXPECT_FALSE(navigateur->okButton->active());
    navigateur->hide();
    navigateur = nullptr;
    WINDOWS_NATIVE = natif;
    e->modifie = 0;
}
