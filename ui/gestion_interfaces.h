// The registry of the program's top-level windows: the main window in slot
// 0, each secondary window in the first free slot after it. Every
// registered window closes through one callback, which does nothing until
// the start-up loaders are done, destroys a secondary window and turns the
// close of the main window into the end of the program; Escape closes a
// secondary window only. The registry also fills the title bar's window
// menu.
#ifndef UI_GESTION_INTERFACES_H
#define UI_GESTION_INTERFACES_H

class Fl_Double_Window;
class Fl_Menu_;
class Fl_Widget;

#define GESTION_UI_TAILLE 128
extern Fl_Double_Window* GESTION_UI[GESTION_UI_TAILLE];

class gestion_interfaces {
public:
    // Registers the window in the first free slot, gives it the common
    // close callback and rebuilds the menu. A full registry, or one whose
    // program is ending, leaves the window as it is, with a log line.
    // Answers whether the registry now holds it.
    static bool add(Fl_Double_Window* fenetre);
    // True when a window would find no free slot: what opens windows
    // unasked (received files) opens none then.
    static bool bPlein();
    // The close of a registered window, whether the loaders are done or not.
    static void del(Fl_Double_Window* fenetre);
    // Takes the text of a field being edited, destroys the secondary
    // windows, then the main window; then hides every window still shown,
    // so that the event loop returns.
    static void delall();
    // Rebuilds the window menu: one entry per secondary window whose title
    // names it, then the chart windows (crochetMenuGraphiques), else "...".
    static void menu();
    // Adds an entry for `fenetre` under `texte`; answers 1, or 0 when the
    // text is null or empty.
    static int iEntree(Fl_Menu_* menu, const char* texte, Fl_Double_Window* fenetre);
    // An entry's callback: brings its window to the front.
    static void vMenuFenetresCallback(Fl_Widget* menu, void* fenetre);
    // Lists the secondary windows in log.txt.
    static void printall();

    // The title bar's window menu; while null, menu() does nothing.
    static Fl_Menu_* menuFenetres;
    // 1 once delall has started: the program is ending and no window
    // registers any more (its nested loops may run timeouts that open one).
    static int fermeture;
};

// The close callback of every registered window (data: the window).
void gestion_interfaces_callback(Fl_Widget* widget, void* fenetre);

// The name a window title gives in the menu: what follows its first ":",
// less one blank when there is one; null when there is no ":" or nothing
// after it.
const char* pcEntreeMenu(const char* titre);

// Deletes a window its owner holds through `fenetre`, which is null before
// the window goes: deleting a shown window hides it, and the toolkit
// answers a hide with a move sent to the widget under the pointer, which
// may reach the owner again before the delete returns.
template <class Fenetre>
void vDetruireFenetre(Fenetre*& fenetre)
{
    Fenetre* f = fenetre;
    fenetre = nullptr;
    delete f;
}

#endif
