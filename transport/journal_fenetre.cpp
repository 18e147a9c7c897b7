#include "transport/journal_fenetre.h"

#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

void JournalFenetre::ajouter(const char* texte)
{
    tampon_->append(texte);
}

void JournalFenetre::afficher()
{
    vue_->insert_position(tampon_->length());
    vue_->show_insert_position();
    vue_->redraw();
    Fl::flush();
}
