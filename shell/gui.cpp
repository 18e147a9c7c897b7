#include "shell/gui.h"

#include "codes/logerr.h"
#include "map/popup_overlay.h"
#include "routes/dru_routes.h"
#include "shell/titre.h"
#include "ui/globales_ui.h"
#include "ui/ombre.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Tabs.H>

gui::gui()
    : Fl_Double_Window(INTERFACE_LARGEUR, INTERFACE_HAUTEUR), hauteurOnglets(h() - 99),
      hauteurColonne(h() - 119), hautColonne(119), boutonsAide(), largeurConnue(w()),
      hauteurConnue(h()), positionX(0), positionY(0)
{
    CLASS_CODES_LOGERR contexte("gui");
    const int W = w(), H = h();
    Fl::scrollbar_size(12);
    box(FL_NO_BOX);
    color(COLOR_FOND);
    labelfont(1);
    labelsize(12);
    user_data(this);
    titre = new classGroupeTitre(0, 0, W, 99);
    onglets = new Fl_Tabs(0, 99, W, H - 99);
    onglets->box(FL_NO_BOX);
    onglets->callback(cb_Onglets);
    accueil = new Fl_Group(0, 99, W, H - 99);
    vColonne(H);
    vColonnesOmbre(99, H - 99);
    groupeAide = new Fl_Group(240, 99, W - 240, H - 99);
    vueAide = new Fl_Help_View(240, 99, W - 240, H - 99);
    vueAide->textfont(DRU_FONT);
    vueAide->textsize(12);
    vueAide->link(htmlCallback);
    load_aide(vueAide, "presentation", nullptr);
    groupeAide->resizable(vueAide);
    groupeAide->end();
    accueil->resizable(groupeAide);
    accueil->end();
    onglets->end();
    resizable(onglets);
    size_range(770, 539);
    end();
}

int gui::handle(int event)
{
    if (event == FL_KEYDOWN && Fl::event_key() == FL_F + 1) {
        classGroupeTitre::vBoutonAide(nullptr, nullptr);
        return 1;
    }
    if (w() != largeurConnue || h() != hauteurConnue) {
        largeurConnue = w();
        hauteurConnue = h();
        titre->changeTaille(w(), h(), 0);
        if (Dru_Routes && Dru_Routes->visible())
            Dru_Routes->vGroupArrange(9999);
    }
    return Fl_Double_Window::handle(event);
}

void gui::resize(int X, int Y, int W, int H)
{
    const bool change = X != x() || Y != y() || W != w() || H != h();
    Fl_Double_Window::resize(X, Y, W, H);
    if (change)
        vCacherPopupOverlay();
}

void gui::cb_Onglets(Fl_Widget*, void*)
{
    if (popupOverlay)
        popupOverlay->hide();
}
