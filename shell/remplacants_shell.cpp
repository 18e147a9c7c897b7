#include "shell/remplacants_shell.h"

#include "shell/boutons_rva.h"
#include "shell/globales_shell.h"
#include "shell/palette.h"
#include "shell/remplacants.h"

#include <FL/Fl.H>

Fl_Double_Window* GESTION_UI[GESTION_UI_TAILLE] = {};
int DateFormatChange = 0;

gui::gui() : Fl_Double_Window(INTERFACE_LARGEUR, INTERFACE_HAUTEUR)
{
    color(COLOR_FOND);
    boutonsRVA = new BoutonsRVA(0, 99, 230, 50, 10);
    size_range(770, 539);
    end();
}

void vBoutonRequeteurVisualisateurAideCallback(Fl_Widget*, void*) {}

void vLangageTitre(const char*) {}

gui::~gui()
{
    Fl::remove_timeout(clock_Date, this);
    Fl::remove_timeout(scan_newfiles, this);
}

void gestion_interfaces::add(Fl_Double_Window* fenetre)
{
    for (Fl_Double_Window*& place : GESTION_UI)
        if (!place) {
            place = fenetre;
            fenetre->callback(gestion_interfaces_callback, fenetre);
            menu();
            return;
        }
}

void gestion_interfaces::delall()
{
    for (int i = 1; i < GESTION_UI_TAILLE; ++i) {
        delete GESTION_UI[i];
        GESTION_UI[i] = nullptr;
    }
    // Once the main window is gone no window is shown and the event loop
    // returns.
    if (GESTION_UI[0] == GUI)
        GESTION_UI[0] = nullptr;
    delete GUI;
    GUI = nullptr;
}

void gestion_interfaces_callback(Fl_Widget*, void* fenetre)
{
    if (!LOAD_FDC)
        return;
    if (fenetre && fenetre == GESTION_UI[0]) {
        gestion_interfaces::delall();
        return;
    }
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        if (GESTION_UI[i] == fenetre) {
            delete GESTION_UI[i];
            GESTION_UI[i] = nullptr;
            gestion_interfaces::menu();
            return;
        }
}

void clock_Date(void* fenetre)
{
    Fl::repeat_timeout(1.0, clock_Date, fenetre);
}
