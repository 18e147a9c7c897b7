// Test harness for the program's windows, in process under an X server:
// pump the event loop with a deadline, send mouse and key events, close
// windows the way the window manager does, and read pixels back.
#ifndef TESTS_UI_HARNAIS_GUI_H
#define TESTS_UI_HARNAIS_GUI_H

#include <array>
#include <functional>
#include <unistd.h>
#include <vector>

class Fl_Window;

namespace harnais {

// Pumps the event loop until `condition` holds; false when it still does
// not after `secondes` (a bound against hanging, not a speed check).
bool bAttendre(const std::function<bool()>& condition, double secondes = 20.0);

// Shows the window and waits until it is mapped and drawn.
bool bMontrer(Fl_Window* fenetre);
// Asks the window to draw itself again and waits until it has.
bool bRedessiner(Fl_Window* fenetre);

// The pointer moves over (x, y) of the window.
void vSurvoler(Fl_Window* fenetre, int x, int y);

// A press and release of a mouse button at (x, y) inside the window;
// `clics` 1 makes it the second click of a double click.
void vCliquer(Fl_Window* fenetre, int x, int y, int bouton = 1, int clics = 0);

// A drag of the left button: a press at (x0, y0), drag events there and
// at `pas` steps on the way to (x1, y1), a release there.
void vGlisser(Fl_Window* fenetre, int x0, int y0, int x1, int y1, int pas = 4);

// A key press and release sent to the window; `texte` is what the key
// types (empty for keys that type nothing).
void vTouche(Fl_Window* fenetre, int touche, const char* texte = "");

// What the window manager's close button does: the window's callback.
void vFermer(Fl_Window* fenetre);

// Answers the next message box of the program once it is up and holds
// the keyboard focus (in its field, when it has one), from a timeout, with
// `action` (clicks or keys on the box): the call that opened the box is
// blocked in it meanwhile. A box still open after a while is closed with
// its button 0, so a broken test fails instead of hanging.
void vRepondreBoite(std::function<void(Fl_Window*)> action);
// Stops waiting for a box.
void vOublierBoite();

// Ends the test process (SIGALRM) when its scope lasts more than
// `secondes`: a bound on a test that could spin or hang, not a measure.
struct ChienDeGarde {
    explicit ChienDeGarde(unsigned secondes) { alarm(secondes); }
    ~ChienDeGarde() { alarm(0); }
};

// The RGB bytes of a rectangle of the window, as the window draws itself.
std::vector<unsigned char> lirePixels(Fl_Window* fenetre, int x, int y, int l, int h);
std::array<unsigned char, 3> pixel(Fl_Window* fenetre, int x, int y);
// The RGB bytes of a rectangle of a double-buffered window as its partial
// redraws left it: its back buffer, which other windows never cover.
// Empty for a window without one (not drawn yet).
std::vector<unsigned char> lireTampon(Fl_Window* fenetre, int x, int y, int l, int h);

}  // namespace harnais

#endif
