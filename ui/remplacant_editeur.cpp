#include "ui/remplacant_editeur.h"

#include "gribdata/decode.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/filename.H>
#include <cstdio>

editeur::editeur(char* file, int, int x, int y, int w, int h, int, Fl_Color, const char*)
    : Fl_Double_Window(x, y, w, h)
{
    char* programme = decode(TITRE_STOCKE);
    std::snprintf(titre, sizeof titre, "%s, %s : %s", programme, pcTraduire("Editeur"),
                  file ? fl_filename_name(file) : "");
    delete[] programme;
    label(titre);
    color(COLOR_FOND);
    end();
    show();
}
