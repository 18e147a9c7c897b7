#include "shell/remplacants_shell.h"

#include "shell/gui.h"
#include "ui/globales_ui.h"
#include "ui/palette.h"

#include <FL/Fl_Button.H>

classGroupeTitre::classGroupeTitre(int x, int y, int w, int h, const char* label)
    : Fl_Group(x, y, w, h, label), iBoutonsFdc(0)
{
    box(FL_FLAT_BOX);
    color(COLOR_FOND);
    end();
}

void classGroupeTitre::vBoutonAide(Fl_Widget*, void*)
{
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_Button page(0, 0, 10, 10);
    Fl_Group::current(courant);
    page.hide();
    page.shortcut(10);
    vBoutonRequeteurVisualisateurAideCallback(&page, nullptr);
}

void vLangageTitre(const char* code)
{
    if (GUI && GUI->titre)
        GUI->titre->setLangage(code);
}
