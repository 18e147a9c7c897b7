#include "ui/remplacants_ui.h"

#include "ui/editeur.h"
#include "ui/globales_ui.h"

#include <FL/Fl.H>

Fl_Double_Window* GESTION_UI[GESTION_UI_TAILLE] = {};
int DateFormatChange = 0;

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
    // Slot 0 holds the main window, registered first at start-up. Once it
    // is gone no window is shown and the event loop returns.
    Fl_Double_Window* principale = GESTION_UI[0];
    GESTION_UI[0] = nullptr;
    GUI = nullptr;
    delete principale;
}

void gestion_interfaces_callback(Fl_Widget*, void* fenetre)
{
    if (!LOAD_FDC)
        return;
    // A text window with unsaved changes may keep itself, or the program.
    if (fenetre && fenetre == GESTION_UI[0]) {
        if (bFermeturesAccordees())
            gestion_interfaces::delall();
        return;
    }
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        if (GESTION_UI[i] == fenetre) {
            if (!bFermetureAccordee(GESTION_UI[i]))
                return;
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
