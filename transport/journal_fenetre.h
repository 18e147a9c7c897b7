// The send window's journal as a send's report: a text buffer and its
// display, drawn again after each line while the send blocks the GUI
// thread.
#ifndef TRANSPORT_JOURNAL_FENETRE_H
#define TRANSPORT_JOURNAL_FENETRE_H

#include "transport/journal_envoi.h"

class Fl_Text_Buffer;
class Fl_Text_Display;

class JournalFenetre : public JournalEnvoi {
public:
    JournalFenetre(Fl_Text_Buffer* tampon = nullptr, Fl_Text_Display* vue = nullptr)
        : tampon_(tampon), vue_(vue)
    {
    }
    void ajouter(const char* texte) override;
    // The display scrolled to the last line and the window flushed.
    void afficher() override;

private:
    Fl_Text_Buffer* tampon_;
    Fl_Text_Display* vue_;
};

#endif
