// The text window's editing: cut, copy, paste, and the find and replace
// dialogs.
#include "ui/editeur.h"

#include "ui/local.h"
#include "ui/palette.h"
#include "ui/recherche_texte.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/Fl_Window.H>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

editeur* ed(void* v)
{
    return static_cast<editeur*>(v);
}

Fl_Window* pDialogue(int w, int h, const char* titre)
{
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_Window* d = new Fl_Window(w, h, titre);
    Fl_Group::current(courant);
    d->begin();
    Fl_Box* fond = new Fl_Box(0, 0, w, h);
    fond->box(FL_GTK_THIN_UP_BOX);
    fond->color(COLOR_FOND);
    return d;
}

Fl_Input* pSaisie(int x, int y, int w, int h, const char* etiquette)
{
    Fl_Input* s = new Fl_Input(x, y, w, h, etiquette);
    s->labelsize(12);
    s->textsize(12);
    return s;
}

template <class B>
B* pBouton(int x, int y, int w, int h, const char* etiquette, Fl_Color c, Fl_Callback* f,
           void* e)
{
    B* b = new B(x, y, w, h, etiquette);
    b->box(FL_GTK_THIN_UP_BOX);
    b->labelsize(12);
    b->color(c);
    b->callback(f, e);
    return b;
}

Fl_Box* pMessage(int y)
{
    Fl_Box* m = new Fl_Box(10, y, 320, 20);
    m->box(FL_NO_BOX);
    m->labelsize(12);
    m->labelcolor(COLOR_ORANGE_TEXTE);
    return m;
}

// Shows a dialog just under the window, with the selection as its search.
void vMontrer(editeur* e, Fl_Window* d, Fl_Input* cherche)
{
    d->set_non_modal();
    d->position(e->x() + 220, e->y() + e->h());
    d->show();
    if (char* selection = e->textbuf->selected() ? e->textbuf->selection_text() : nullptr) {
        cherche->value(selection);
        std::free(selection);
    }
}

// Selects what was put at `p` and brings it into view.
void vMontrerRemplacement(editeur* e, int p, const char* texte, Fl_Box* message)
{
    const int fin = p + int(std::strlen(texte));
    message->label("");
    e->textbuf->select(p, fin);
    e->editor->insert_position(fin);
    e->editor->show_insert_position();
}

void vPasTrouve(Fl_Box* message)
{
    message->label(pcTraduire("Pas ou plus d'occurence..."));
    message->labelcolor(COLOR_ORANGE_TEXTE);
    message->redraw();
}

// Puts `par` in place of the next match from `depuis`, selected.
void vSuivant(editeur* e, const char* cherche, const char* par, int depuis, Fl_Box* message)
{
    if (!*cherche)
        return;
    const int p = iRemplacerSuivant(e->textbuf, depuis, cherche, par);
    if (p < 0)
        vPasTrouve(message);
    else
        vMontrerRemplacement(e, p, par, message);
}

}  // namespace

void editeur::vDialogueRemplacer()
{
    dialogueRemplacer = pDialogue(340, 110, pcTraduire("Remplacer"));
    remplacerCherche = pSaisie(100, 5, 210, 20, pcTraduire("Rechercher"));
    remplacerPar = pSaisie(100, 30, 210, 20, pcTraduire("Remplacer par"));
    remplacerTout = pBouton<Fl_Button>(10, 55, 100, 20, pcTraduire("Remplacer tout"),
                                       COLOR_WHITE_GTK_TITRE, remplacertoutEditeurCallback, this);
    remplacerSuivant =
        pBouton<Fl_Return_Button>(115, 55, 140, 20, pcTraduire("Remplacer suivant"),
                                  COLOR_WHITE_GTK_TITRE, remplacersuivantEditeurCallback, this);
    remplacerFermer = pBouton<Fl_Button>(260, 55, 60, 20, pcTraduire("Fermer"),
                                         COLOR_ORANGE_TEXTE, remplacercancelEditeurCallback, this);
    remplacerMessage = pMessage(85);
    dialogueRemplacer->end();
}

void editeur::vDialogueRechercher()
{
    dialogueRechercher = pDialogue(340, 105, pcTraduire("Rechercher"));
    rechercherCherche = pSaisie(80, 10, 230, 25, pcTraduire("Rechercher"));
    rechercherSuivant =
        pBouton<Fl_Return_Button>(120, 45, 100, 25, pcTraduire("Suivant"), COLOR_WHITE_GTK_TITRE,
                                  recherchersuivantEditeurCallback, this);
    rechercherFermer = pBouton<Fl_Button>(230, 45, 60, 25, pcTraduire("Fermer"),
                                          COLOR_ORANGE_TEXTE, rechercherfermerEditeurCallback, this);
    rechercherMessage = pMessage(80);
    dialogueRechercher->end();
}

void copierEditeurCallback(Fl_Widget*, void* v)
{
    Fl_Text_Editor::kf_copy(0, ed(v)->editor);
}

void couperEditeurCallback(Fl_Widget*, void* v)
{
    Fl_Text_Editor::kf_cut(0, ed(v)->editor);
}

void collerEditeurCallback(Fl_Widget*, void* v)
{
    Fl_Text_Editor::kf_paste(0, ed(v)->editor);
}

void supprimerEditeurCallback(Fl_Widget*, void* v)
{
    ed(v)->textbuf->remove_selection();
}

void rechercherEditeurCallback(Fl_Widget*, void* v)
{
    vMontrer(ed(v), ed(v)->dialogueRechercher, ed(v)->rechercherCherche);
}

void remplacerEditeurCallback(Fl_Widget*, void* v)
{
    vMontrer(ed(v), ed(v)->dialogueRemplacer, ed(v)->remplacerCherche);
}

void rechercherfermerEditeurCallback(Fl_Widget*, void* v)
{
    ed(v)->dialogueRechercher->hide();
}

void remplacercancelEditeurCallback(Fl_Widget*, void* v)
{
    ed(v)->dialogueRemplacer->hide();
}

void recherchersuivantEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = ed(v);
    const char* cherche = e->rechercherCherche->value();
    // The match takes the letter case typed in the dialog.
    vSuivant(e, cherche, cherche, e->editor->insert_position(), e->rechercherMessage);
}

void remplacersuivantEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = ed(v);
    const char* cherche = e->remplacerCherche->value();
    // Back over the search's length, so that the match just before the
    // cursor (the one last found) is found again; never before the start.
    const int depuis = e->editor->insert_position() - int(std::strlen(cherche));
    vSuivant(e, cherche, e->remplacerPar->value(), depuis < 0 ? 0 : depuis, e->remplacerMessage);
}

void remplacertoutEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = ed(v);
    const char* cherche = e->remplacerCherche->value();
    if (!*cherche)
        return;
    int fin = 0;
    const int n = iRemplacerTout(e->textbuf, cherche, e->remplacerPar->value(), fin);
    e->editor->insert_position(fin);
    e->editor->show_insert_position();
    if (n == 0) {
        vPasTrouve(e->remplacerMessage);
        return;
    }
    if (n == 1)
        std::snprintf(e->texteCompte, sizeof e->texteCompte, "1 %s",
                      pcTraduire("remplacement effectué"));
    else
        std::snprintf(e->texteCompte, sizeof e->texteCompte, "%d %s", n,
                      pcTraduire("remplacements effectués"));
    e->remplacerMessage->label(e->texteCompte);
    e->remplacerMessage->labelcolor(COLOR_ORANGE_TEXTE);
    e->remplacerMessage->redraw();
}
