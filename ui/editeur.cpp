// The text window: its layout, its life and the closing of it.
#include "ui/editeur.h"

#include "gribdata/decode.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/selecteur.h"
#include "ui/selecteur.h"
#include "ui/styletable.h"
#include "ui/texte_brut.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/filename.H>
#include <algorithm>
#include <cstdio>
#include <string>

Fl_Text_Display::Style_Table_Entry styletable[14] = {
    {FL_BLACK, FL_COURIER, 12, 0},       {FL_BLACK, FL_COURIER_BOLD, 12, 0},
    {FL_DARK_BLUE, FL_COURIER, 12, 0},   {FL_DARK_BLUE, FL_COURIER_BOLD, 12, 0},
    {FL_DARK_RED, FL_COURIER, 12, 0},    {FL_DARK_RED, FL_COURIER_BOLD, 12, 0},
    {FL_GREEN, FL_COURIER, 12, 0},       {FL_DARK_CYAN, FL_COURIER_BOLD, 12, 0},
    {FL_BLACK, FL_COURIER_ITALIC, 12, 0}, {FL_BLACK, FL_COURIER_BOLD_ITALIC, 12, 0},
    {FL_BLACK, FL_COURIER_BOLD, 16, 0},  {FL_DARK_MAGENTA, FL_COURIER_BOLD, 11, 0},
    {FL_DARK_GREEN, FL_COURIER_BOLD, 12, 0}, {FL_DARK_GREEN, FL_COURIER, 12, 0}};

namespace {

Fl_Menu_Button* pMenu(int x, int w, const char* etiquette)
{
    Fl_Menu_Button* m = new Fl_Menu_Button(x, 0, w, 20, etiquette);
    m->box(FL_GTK_THIN_UP_BOX);
    m->color(COLOR_FOND);
    m->labelcolor(COLOR_WHITE_GTK_TITRE);
    m->textcolor(COLOR_WHITE_GTK_TITRE);
    m->labelsize(12);
    m->textsize(12);
    m->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
    return m;
}

// The registry's close, once the menu that asked for it has returned.
void vFermerPlusTard(void* e)
{
    gestion_interfaces_callback(static_cast<editeur*>(e), e);
}

}  // namespace

editeur::editeur(const char* fichierInitial, int option_, int X, int Y, int W, int H, int mode,
                 Fl_Color, const char*)
    : Fl_Double_Window(X, Y, W, H), titre{}, gmdss(0), alerte(0), bulletin(0), option(option_),
      stylebuf(new Fl_Text_Buffer()), nonSuivi(0), choixNatif(nullptr), repertoire{}, fichier{},
      textbuf(new Fl_Text_Buffer()), modifie(0), chargement(0), texteStatut{}, texteCompte{},
      fermetureAccordee(0)
{
    box(FL_GTK_THIN_UP_BOX);
    color(COLOR_FOND);
    vMenus(mode);
    // Before the display's own, so that the styles follow the text first.
    textbuf->add_modify_callback(modifieEditeurCallback, this);
    editor = new Fl_Text_Editor(0, 20, W, H - 20);
    editor->box(FL_GTK_THIN_UP_BOX);
    editor->textfont(FL_COURIER);
    editor->textsize(12);
    editor->color(COLOR_WHITE_GTK_TITRE);
    editor->buffer(textbuf);
    editor->highlight_data(stylebuf, styletable, 14, 'A', style_unfinished_cb, nullptr);
    resizable(editor);
    end();
    vDialogueRemplacer();
    vDialogueRechercher();
    if (option == -1) {
        set_modal();
        option = 0;
    }
    if (fichierInitial) {
        chargement_fichier(fichierInitial);
    } else {
        nouveauEditeurCallback(nullptr, this);
        vStatut(pcTraduire("Vide"), COLOR_WHITE_GTK_TITRE);
    }
    vTitre();
    show();
}

editeur::~editeur()
{
    Fl::remove_timeout(vFermerPlusTard, this);
    // Too late to keep the window: the answer only decides the save.
    if (!fermetureAccordee)
        iQuestionModifie();
    if (navigateur && navigateur->user_data() == this)
        navigateur->callback(nullptr, nullptr);
    // The display leaves the buffers before they go.
    delete editor;
    delete textbuf;
    delete stylebuf;
    delete dialogueRemplacer;
    delete dialogueRechercher;
    delete[] choixNatif;
}

void editeur::vMenus(int mode)
{
    Fl_Group* barre = new Fl_Group(0, 0, w(), 20);
    Fl_Menu_Button* f = pMenu(0, 74, pcTraduire("Fichier"));
    const int d = FL_MENU_DIVIDER;
    if (mode == 0) {
        f->add(pcTraduire("Nouveau"), FL_CTRL + 'n', nouveauEditeurCallback, this);
        f->add(pcTraduire("Ouvrir"), FL_CTRL + 'o', ouvrirEditeurCallback, this, d);
        f->add(pcTraduire("Enregistrer"), FL_CTRL + 's', enregistrerEditeurCallback, this);
        f->add(pcTraduire("Enregistrer sous"), FL_CTRL + 'a', enregistrer_sousEditeurCallback,
               this, d);
        f->add(pcTraduire("Fermer"), FL_CTRL + 'w', fermerEditeurCallback, this);
        Fl_Menu_Button* e = pMenu(75, 70, pcTraduire("Edition"));
        e->add(pcTraduire("Copier"), FL_CTRL + 'c', copierEditeurCallback, this);
        e->add(pcTraduire("Couper"), FL_CTRL + 'x', couperEditeurCallback, this);
        e->add(pcTraduire("Coller"), FL_CTRL + 'v', collerEditeurCallback, this);
        e->add(pcTraduire("Supprimer"), FL_CTRL + 'u', supprimerEditeurCallback, this, d);
        e->add(pcTraduire("Rechercher"), FL_CTRL + 'f', rechercherEditeurCallback, this);
        e->add(pcTraduire("Remplacer"), FL_CTRL + 'r', remplacerEditeurCallback, this);
    } else {
        f->add(pcTraduire("Ouvrir"), FL_CTRL + 'o', ouvrirEditeurCallback, this, d);
        f->add(pcTraduire("Copier"), FL_CTRL + 'c', copierEditeurCallback, this);
        f->add(pcTraduire("Rechercher"), FL_CTRL + 'f', rechercherEditeurCallback, this, d);
        f->add(pcTraduire("Fermer"), FL_CTRL + 'w', fermerEditeurCallback, this);
    }
    const int x = mode == 0 ? 150 : 75;
    statut = new Fl_Box(x, 0, w() - x, 20);
    statut->box(FL_NO_BOX);
    statut->labelsize(10);
    statut->align(FL_ALIGN_INSIDE | FL_ALIGN_RIGHT);
    statut->labelcolor(COLOR_WHITE_GTK_TITRE);
    barre->resizable(statut);
    barre->end();
}

void editeur::vStatut(const char* texte, Fl_Color couleur)
{
    // Mostly the file's name, shown as it stands.
    statut->copy_label(sLibelleBrut(texte).c_str());
    statut->labelcolor(couleur);
    statut->redraw();
}

void editeur::vTitre()
{
    char* programme = decode(TITRE_STOCKE);
    std::snprintf(titre, sizeof titre, "%s, %s : %s", programme, pcTraduire("Editeur"),
                  fl_filename_name(fichier));
    delete[] programme;
    label(titre);
}

void editeur::style_unfinished_cb(int, void*) {}

void modifieEditeurCallback(int pos, int inserted, int deleted, int, const char*, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    // The style buffer keeps one letter per byte: what replaced text keeps
    // its letters, new text is "A".
    const int garde = std::min(inserted, deleted);
    if (deleted > garde)
        e->stylebuf->remove(pos + garde, pos + deleted);
    if (inserted > garde)
        e->stylebuf->insert(pos + garde, std::string(size_t(inserted - garde), 'A').c_str());
    if (e->nonSuivi || e->chargement) {
        e->modifie = 0;
    } else if (inserted || deleted) {
        e->modifie = 1;
        e->fermetureAccordee = 0;
        std::snprintf(e->texteStatut, sizeof e->texteStatut, "%s (*)", e->fichier);
        e->vStatut(e->texteStatut, COLOR_ORANGE_TEXTE);
    }
    if (e->chargement)
        e->editor->show_insert_position();
}

bool editeur::bFermetureAccordee()
{
    if (!fermetureAccordee)
        fermetureAccordee = iQuestionModifie();
    return fermetureAccordee;
}

bool bFermetureAccordee(Fl_Widget* fenetre)
{
    editeur* e = dynamic_cast<editeur*>(fenetre);
    return !e || e->bFermetureAccordee();
}

bool bFermeturesAccordees()
{
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        if (!bFermetureAccordee(GESTION_UI[i])) {
            // The program goes on: the windows already answered ask again
            // next time.
            for (int j = 1; j < i; ++j)
                if (editeur* e = dynamic_cast<editeur*>(GESTION_UI[j]))
                    e->fermetureAccordee = 0;
            return false;
        }
    return true;
}

void fermerEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    if (!LOAD_FDC || !e->bFermetureAccordee())
        return;
    Fl::add_timeout(0.0, vFermerPlusTard, e);
}
