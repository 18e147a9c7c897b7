#include "shell/remplacants_shell.h"

#include "shell/globales_shell.h"
#include "shell/remplacants.h"
#include "ui/boutons_rva.h"
#include "ui/palette.h"
#include "ui/remplacants_ui.h"

#include <FL/Fl.H>

gui::gui() : Fl_Double_Window(INTERFACE_LARGEUR, INTERFACE_HAUTEUR)
{
    color(COLOR_FOND);
    boutonsRVA = new BoutonsRVA(0, 99, 230, 50, 10);
    size_range(770, 539);
    end();
}

void vBoutonRequeteurVisualisateurAideCallback(Fl_Widget*, void*) {}

void vLangageTitre(const char*) {}

gui::~gui()
{
    Fl::remove_timeout(clock_Date, this);
    Fl::remove_timeout(scan_newfiles, this);
}
