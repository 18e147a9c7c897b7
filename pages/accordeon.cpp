#include "pages/accordeon.h"

#include "ui/aide.h"
#include "ui/configuration.h"
#include "ui/defilement.h"
#include "ui/defilement_molette.h"
#include "ui/globales_ui.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>

Fl_Scroll* pScrollAccordeon(int x, int y, int w, int h)
{
    Fl_Scroll* s = new DefilementMolette(x, y, w, h);
    s->type(Fl_Scroll::VERTICAL);
    s->box(FL_NO_BOX);
    s->scrollbar.align(FL_ALIGN_LEFT);
    return s;
}

void vDeplierContenu(Fl_Widget* bouton, Fl_Group* contenu)
{
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    b->label(b->value() ? "@+22>" : "@+2>");
    if (contenu)
        b->value() ? contenu->show() : contenu->hide();
}

bool bSujetAccordeon(int& topic, int& retenu)
{
    const bool restack = topic == 10000;
    if (topic >= 9999)
        topic = retenu;
    else
        retenu = topic;
    return restack;
}

void vArrangerAccordeon(Fl_Scroll* scroll, Fl_Pack* pack, AIDE* aide, int topic, bool restack,
                        int (*index)(int topic, int enfants))
{
    if (!scroll || !pack || !aide)
        return;
    const bool versAide = AFFICHE_AIDE && !restack;
    if (versAide) {
        pack->remove(aide);
        pack->insert(*aide, index(topic, pack->children()));
        int y = 0;
        for (int i = 0; i < pack->children() && pack->child(i) != aide; ++i) {
            Fl_Widget* w = pack->child(i);
            w->position(scroll->x() + SCROLL_DECALAGE, pack->y() + y);
            if (w->visible())
                y += w->h();
        }
        vDefilerVers(scroll, y);
    } else if (!AFFICHE_AIDE) {
        pack->remove(aide);
    }
    pack->resize(scroll->x() + SCROLL_DECALAGE, pack->y(), pack->w(), pack->h());
    if (!versAide)
        vBornerDefilement(scroll);
    scroll->redraw();
    if (AFFICHE_AIDE && topic != 0) {
        aide->name(topic);
        aide->redraw();
    }
}
