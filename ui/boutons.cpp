#include "ui/boutons.h"

#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

int TOOLTIP = 1;
int NombreDeBoutons = 0;

int iBasculerTooltips()
{
    if (Fl::event_key() != 't')
        return 0;
    TOOLTIP = !TOOLTIP;
    if (TOOLTIP)
        Fl_Tooltip::enable();
    else
        Fl_Tooltip::disable();
    // The toolkit keeps the last key until another key or a mouse button:
    // forgetting it keeps the next pointer move from flipping again.
    Fl::e_keysym = 0;
    return 1;
}

void vCurseurBouton(Fl_Widget* bouton, int event)
{
    Fl_Window* fenetre = bouton->top_window();
    if (!fenetre)
        return;
    if (event == FL_ENTER)
        fenetre->cursor(FL_CURSOR_HAND, FL_BLACK, FL_WHITE);
    else if (event == FL_LEAVE)
        fenetre->cursor(FL_CURSOR_DEFAULT);
}

classeBouton::classeBouton(int x, int y, int w, int h, const char* label)
    : Fl_Button(x, y, w, h, label), couleurHaut(COLOR_BOUTONS_TEXTE)
{
    labelfont(DRU_FONT);
    labelsize(12);
    color(COLOR_BOUTONS_MOYEN);
    selection_color(COLOR_FOND);
    labelcolor(COLOR_BOUTONS_TEXTE);
    box(FL_GTK_THIN_UP_BOX);
    down_box(FL_GTK_THIN_UP_BOX);
    ++NombreDeBoutons;
}

int classeBouton::handle(int event)
{
    if (iBasculerTooltips())
        return 1;
    switch (event) {
    case FL_ENTER:
    case FL_LEAVE:
        vCurseurBouton(this, event);
        return 1;
    case FL_PUSH:
    case FL_RELEASE:
        return Fl_Button::handle(event);
    // The keyboard belongs to the window (F1, the map's keys), and the
    // number in the shortcut field is no key.
    case FL_FOCUS:
    case FL_UNFOCUS:
    case FL_KEYDOWN:
    case FL_KEYUP:
    case FL_SHORTCUT:
        return 0;
    // A button has no use for the wheel: the panel under it scrolls.
    case FL_MOUSEWHEEL:
        return 0;
    default:
        return 1;
    }
}

void classeBouton::draw()
{
    if (type() == FL_HIDDEN_BUTTON)
        return;
    if (value())
        draw_box(down_box() ? down_box() : fl_down(box()), selection_color());
    else
        draw_box(box(), color());
    const Fl_Color garde = labelcolor();
    const bool texte = labeltype() == FL_NORMAL_LABEL && label();
    labelcolor(value() && texte ? COLOR_BOUTON_ACTIVE : Fl_Color(couleurHaut));
    draw_label();
    labelcolor(garde);
    if (Fl::focus() == this)
        draw_focus();
}

classeRoundBouton::classeRoundBouton(int x, int y, int w, int h, const char* label)
    : Fl_Round_Button(x, y, w, h, label)
{
    ++NombreDeBoutons;
}

int classeRoundBouton::handle(int event)
{
    vCurseurBouton(this, event);
    iBasculerTooltips();
    if (event == FL_SHORTCUT)
        return 0;
    return Fl_Round_Button::handle(event);
}

classeBoutonImage::classeBoutonImage(int x, int y, int w, int h, const char* label)
    : classeBouton(x, y, w, h, label)
{
}

void classeBoutonImage::draw()
{
    if (type() == FL_HIDDEN_BUTTON)
        return;
    Fl_Image* fond = value() ? image_bon : image_boff;
    image(fond);
    fl_push_clip(x(), y(), w(), h());
    const int ix = w() > fond->w() ? x() + (w() - fond->w()) / 2 : x();
    const int iy = h() > fond->h() ? y() + (h() - fond->h()) / 2 : y();
    fond->draw(ix, iy);
    if (label()) {
        Fl_Color c = Fl_Color(couleurHaut);
        if (value())
            c = COLOR_BOUTON_ACTIVE;
        else if (!active_r())
            c = COLOR_MOYEN;
        fl_font(labelfont(), labelsize());
        fl_color(c);
        fl_draw(label(), x(), y(), w(), h(), align());
    }
    fl_pop_clip();
}
