// The read-out popup: one small borderless window at the right edge of the
// main window, showing the values under the map's cursor as a styled HTML
// text. There is one for the whole program, made with the main window.
#ifndef MAP_POPUP_OVERLAY_H
#define MAP_POPUP_OVERLAY_H

#include "map/lecture_texte.h"

#include <FL/Fl_Double_Window.H>

class Fl_Help_View;

class PopupOverlay : public Fl_Double_Window {
public:
    // Hidden, 210 pixels wide, with an empty text, for the main window
    // `proprietaire` (which may be null: the popup then never shows).
    explicit PopupOverlay(Fl_Window* proprietaire);
    ~PopupOverlay() override = default;
    PopupOverlay(const PopupOverlay&) = delete;
    PopupOverlay& operator=(const PopupOverlay&) = delete;

    // Every event stops here; the popup goes once the main window is hidden.
    int handle(int event) override;
    // Notes where the main window is; with a text, goes to its right edge,
    // 101 pixels under its top, and shows.
    void show() override;
    // Hides, gives the keyboard back to the main window and forgets the text.
    void hide() override;

    // Appends one styled piece to the text (LECTURE_* styles).
    void set(const char* piece, int style);
    // Shows the text in the help view, redraws, and fits the height to it.
    void vAfficherTexte();

    Fl_Help_View* aide;
    int largeur;
    int hauteur;
    int principaleX, principaleY, principaleLargeur;
    char texte[LECTURE_TAILLE];
    Fl_Window* proprietaire;
};

// The one read-out popup; null until the main window makes it.
extern PopupOverlay* popupOverlay;

// Hides the one popup when it shows: its values no longer stand.
void vCacherPopupOverlay();

#endif
