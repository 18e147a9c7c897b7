// Stand-ins for the shell's own parts that are not built yet: the message
// catalogue, the palette, the main window, the window registry, the clock
// and the file chooser. Same names and signatures as the real ones; each
// goes when its own part is built.
#ifndef SHELL_REMPLACANTS_SHELL_H
#define SHELL_REMPLACANTS_SHELL_H

#include <FL/Fl_Double_Window.H>

// The message catalogue: for now every text is its own translation.
class local {
public:
    explicit local(const char* code) : langue(code ? code : "fr") {}
    const char* get(const char* texte) const { return texte; }
    const char* langue;
};

// Sets the palette.
void skins();

// The main window: a plain window of the saved size.
class gui : public Fl_Double_Window {
public:
    gui();
    ~gui() override;
    // Builds the pages, the hover popup and the transfer slots.
    void gshow() {}
};

// The window registry: slot 0 is the main window.
#define GESTION_UI_TAILLE 128
extern Fl_Double_Window* GESTION_UI[GESTION_UI_TAILLE];

class gestion_interfaces {
public:
    static void add(Fl_Double_Window* fenetre);
    static void delall();
    static void menu() {}
};

// Close callback of every registered window; does nothing until the
// loaders are done.
void gestion_interfaces_callback(Fl_Widget* widget, void* fenetre);

// The clock's one-second tick.
void clock_Date(void* fenetre);

// The shared file chooser.
class DRU_Fl_File_Chooser {
public:
    enum { SINGLE = 0, MULTI = 1, CREATE = 2, DIRECTORY = 4 };
    DRU_Fl_File_Chooser(const char*, const char*, int, const char*) {}
};

#endif
