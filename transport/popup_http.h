// The progress popup of a transfer slot and its poll: the GUI thread
// claims a slot with popupHttp, a transfer thread binds it, and TimeoutHttp
// writes the slot's progress into the popup every 0.1 s until the popup
// has shown how the transfer ended for ten seconds.
#ifndef TRANSPORT_POPUP_HTTP_H
#define TRANSPORT_POPUP_HTTP_H

#include "transport/canaux.h"

#include <FL/Fl_Double_Window.H>
#include <cstddef>
#include <string>

class Fl_Help_View;
class classeBouton;

// The background of a popup whose transfer failed: a light red, under
// which its dark red title and its black lines stay readable.
const Fl_Color FOND_ECHEC_HTTP = 0xFFB0B000;

// The popup's text as the poll builds it, apart from the window.
struct AffichageCanal {
    std::string html;
    size_t progression = 0;  // where the progress lines begin
    Fl_Color fond = 95;      // yellow; green 63 once received, FOND_ECHEC_HTTP on failure
};

// A borderless popup with a help view; it takes no input.
class PopupWindow : public Fl_Double_Window {
public:
    PopupWindow(int w, int h);
    // Hides itself when its owner window exists and is hidden; every
    // event counts as used.
    int handle(int event) override;
    // Shows the text: sized to its content, placed at (x, y) of the main
    // window plus the offset when `placer` is set.
    void vMontrer(bool placer, int decalage);

    Fl_Help_View* aide = nullptr;
    int largeur = 232;
    int hauteur = 150;
    int positionX = -1, positionY = -1;
    AffichageCanal affichage;
    char travail[256] = "";
    Fl_Window* proprietaire = nullptr;
};

// What one poll does after its step.
enum ActionCanal {
    CANAL_ATTENDRE,        // again in 0.1 s
    CANAL_MONTRER,         // show the text, again in 0.1 s
    CANAL_MONTRER_FIN,     // show the final text, again in 1 s
    CANAL_ATTENDRE_FIN,    // again in 1 s
    CANAL_FERMER,          // the slot is free: hide, give the button back, stop
    CANAL_ARRETER          // an unknown phase: stop (logged)
};

// One step of the poll on slot `index` and its text; the slot's phase
// and counters move as the step says. GUI thread.
ActionCanal pasCanal(int index, AffichageCanal& a);

// Claims a slot, shows its popup and arms its poll; `button` (may be
// null) stays inactive until the popup closes. Answers the slot, or -1
// when all 32 are claimed (nothing shown).
int popupHttp(classeBouton* button);

// The poll (toolkit timeout; data: the slot's handle).
void TimeoutHttp(void* handle);

// Shutdown: removes the polls and destroys the popups still there
// ("Fenetre orpheline" in the log, tagged `tag`).
void vDetruirePopupsHttp(const char* tag);

#endif
