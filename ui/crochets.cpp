#include "ui/crochets.h"

void (*crochetBasculePage)(Fl_Widget*, void*) = nullptr;
int (*crochetMenuGraphiques)(Fl_Menu_*) = nullptr;
void (*crochetAideArrange)(void*, int) = nullptr;

TYPEDEF_CROCHETS_LANGAGE crochetsLangage = {};

void vBasculePage(Fl_Widget* bouton, void* groupe)
{
    if (crochetBasculePage)
        crochetBasculePage(bouton, groupe);
}
