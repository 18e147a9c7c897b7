#include "transport/journal_fenetre.h"

#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

void JournalFenetre::ajouter(const char* texte)
{
    if (tampon_)
        tampon_->append(texte);
}

void JournalFenetre::afficher()
{
    if (!tampon_ || !vue_)
        return;
    vue_->insert_position(tampon_->length());
    vue_->show_insert_position();
    vue_->redraw();
}
