// The send window's journal as a send's report: a text buffer and its
// display. A send thread calls it under the toolkit's lock; the event loop
// draws what it wrote. Without a buffer (a window gone) it writes nothing;
// without a display nothing scrolls.
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
    // The display scrolled to the last line, to be drawn again.
    void afficher() override;

private:
    Fl_Text_Buffer* tampon_;
    Fl_Text_Display* vue_;
};

#endif
