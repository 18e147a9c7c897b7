#include "ui/gestion_interfaces.h"

#include "ui/editeur.h"

#include "gribdata/globales.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"
#include "ui/saisie_en_cours.h"
#include "ui/texte_brut.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_.H>
#include <cstring>
#include <vector>

Fl_Double_Window* GESTION_UI[GESTION_UI_TAILLE] = {};
Fl_Menu_* gestion_interfaces::menuFenetres = nullptr;
int gestion_interfaces::fermeture = 0;

namespace {

const char* const ETIQUETTE = "<GESTION UI>";

const char* pcTitre(const Fl_Double_Window* fenetre)
{
    return fenetre->label() ? fenetre->label() : "";
}

// A window the registry does not hold would keep the event loop running
// after the main window is gone, however many there are (received files
// open one each). Each pass hides every window shown at its start; it
// stops when a pass hides none, so that a window that refuses to hide
// cannot hold the end of the program in this loop.
void vCacherRestantes()
{
    std::vector<Fl_Window*> montrees;
    for (Fl_Window* f = Fl::first_window(); f; f = Fl::first_window()) {
        montrees.clear();
        for (; f; f = Fl::next_window(f))
            montrees.push_back(f);
        for (Fl_Window* fenetre : montrees) {
            vJournal(ETIQUETTE, "fenetre hors registre cachee: %s\n",
                     fenetre->label() ? fenetre->label() : "");
            fenetre->hide();
        }
        int restantes = 0;
        for (Fl_Window* g = Fl::first_window(); g; g = Fl::next_window(g))
            ++restantes;
        if (restantes >= int(montrees.size())) {
            vJournal(ETIQUETTE, "%d fenetres refusent d'etre cachees\n", restantes);
            return;
        }
    }
}

// Escape reaches a window's callback when no widget of it took the key.
bool bEchap()
{
    return Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape;
}

}  // namespace

const char* pcEntreeMenu(const char* titre)
{
    const char* deuxPoints = titre ? std::strchr(titre, ':') : nullptr;
    if (!deuxPoints)
        return nullptr;
    const char* nom = deuxPoints + 1;
    if (*nom == ' ')
        ++nom;
    return *nom ? nom : nullptr;
}

bool gestion_interfaces::add(Fl_Double_Window* fenetre)
{
    if (!fenetre)
        return false;
    if (fermeture) {
        vJournal(ETIQUETTE, "fin du programme, fenetre non enregistree: %s\n", pcTitre(fenetre));
        return false;
    }
    for (Fl_Double_Window*& place : GESTION_UI)
        if (!place) {
            place = fenetre;
            fenetre->callback(gestion_interfaces_callback, fenetre);
            menu();
            return true;
        }
    vJournal(ETIQUETTE, "registre plein, fenetre non enregistree: %s\n", pcTitre(fenetre));
    return false;
}

bool gestion_interfaces::bPlein()
{
    for (const Fl_Double_Window* place : GESTION_UI)
        if (!place)
            return false;
    return true;
}

void gestion_interfaces::del(Fl_Double_Window* fenetre)
{
    if (!fenetre)
        return;
    if (fenetre == GESTION_UI[0]) {
        delall();
        return;
    }
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        if (GESTION_UI[i] == fenetre) {
            // The slot is free before the window goes: its destructor may
            // run a loop in which another window registers.
            GESTION_UI[i] = nullptr;
            delete fenetre;
            menu();
            return;
        }
}

void gestion_interfaces::delall()
{
    fermeture = 1;
    // The windows go before the field is left, and what they write at
    // their end (the routes) is written before.
    vValiderSaisieEnCours();
    for (int i = 1; i < GESTION_UI_TAILLE; ++i) {
        Fl_Double_Window* fenetre = GESTION_UI[i];
        GESTION_UI[i] = nullptr;
        delete fenetre;
    }
    // The menu belongs to the main window's title bar.
    menuFenetres = nullptr;
    delete GESTION_UI[0];
    GESTION_UI[0] = nullptr;
    GUI = nullptr;
    vCacherRestantes();
}

int gestion_interfaces::iEntree(Fl_Menu_* menu, const char* texte, Fl_Double_Window* fenetre)
{
    if (!texte || !*texte)
        return 0;
    // A title holds a file name: shown as it stands.
    menu->add(sAjoutMenuBrut(texte).c_str(), 0, vMenuFenetresCallback, fenetre);
    return 1;
}

void gestion_interfaces::menu()
{
    Fl_Menu_* m = menuFenetres;
    if (!m)
        return;
    m->clear();
    int entrees = 0;
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        if (GESTION_UI[i])
            entrees += iEntree(m, pcEntreeMenu(GESTION_UI[i]->label()), GESTION_UI[i]);
    if (crochetMenuGraphiques)
        entrees += crochetMenuGraphiques(m);
    if (entrees == 0)
        m->add("...", 0, nullptr);
}

void gestion_interfaces::vMenuFenetresCallback(Fl_Widget*, void* fenetre)
{
    Fl_Double_Window* f = static_cast<Fl_Double_Window*>(fenetre);
    f->hide();
    f->show();
}

void gestion_interfaces::printall()
{
    vJournal(ETIQUETTE, "<gestion_interfaces_callback><printall> affichage des fenetres ...\n");
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        if (GESTION_UI[i])
            vJournal(ETIQUETTE, "fenetre UI: %s\n", pcTitre(GESTION_UI[i]));
}

void gestion_interfaces_callback(Fl_Widget*, void* fenetre)
{
    if (!LOAD_FDC)
        return;
    // Escape closes a secondary window; typed to cancel a text in the main
    // window, it must not end the program, which has its close button.
    Fl_Double_Window* f = static_cast<Fl_Double_Window*>(fenetre);
    if (f && f == GESTION_UI[0] && bEchap())
        return;
    // A text window with unsaved changes may keep itself, or the program.
    const bool accordee = f && f == GESTION_UI[0] ? bFermeturesAccordees() : bFermetureAccordee(f);
    if (accordee)
        gestion_interfaces::del(f);
}
