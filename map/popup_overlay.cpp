#include "map/popup_overlay.h"

#include "ui/globales_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_Help_View.H>

PopupOverlay* popupOverlay = nullptr;

void vCacherPopupOverlay()
{
    if (popupOverlay && popupOverlay->visible())
        popupOverlay->hide();
}

PopupOverlay::PopupOverlay(Fl_Window* p)
    : Fl_Double_Window(150, 150), aide(nullptr), largeur(210), hauteur(150), principaleX(0),
      principaleY(0), principaleLargeur(0), texte(""), proprietaire(p)
{
    box(FL_BORDER_FRAME);
    color(FL_BLACK);
    size(largeur, hauteur);
    aide = new Fl_Help_View(1, 1, largeur - 2, hauteur - 2);
    aide->box(FL_FLAT_BOX);
    aide->textsize(12);
    aide->textcolor(FL_BLACK);
    aide->color(fl_rgb_color(164, 184, 197));
    aide->textfont(DRU_FONT);
    end();
    hide();
    border(0);
    vAfficherTexte();
}

int PopupOverlay::handle(int)
{
    if (proprietaire && !proprietaire->visible())
        hide();
    return 1;
}

void PopupOverlay::show()
{
    if (proprietaire) {
        principaleX = proprietaire->x();
        principaleY = proprietaire->y();
        principaleLargeur = proprietaire->w();
    }
    if (!texte[0] || !proprietaire)
        return;
    position(principaleX + principaleLargeur - largeur - 2, principaleY + 101);
    Fl_Double_Window::show();
}

void PopupOverlay::hide()
{
    Fl_Double_Window::hide();
    if (proprietaire)
        Fl::focus(proprietaire);
    texte[0] = 0;
}

void PopupOverlay::set(const char* piece, int style)
{
    vAjouterLecture(texte, piece, style);
}

void PopupOverlay::vAfficherTexte()
{
    aide->value(texte);
    redraw();
    const int h = aide->size() + 4;
    if (h == hauteur)
        return;
    hauteur = h;
    resize(x(), y(), largeur, hauteur);
    aide->resize(1, 1, largeur - 2, hauteur - 2);
}
