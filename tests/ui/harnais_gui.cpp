// The back buffer of a double-buffered window is the toolkit's internal.
#define FL_INTERNALS
#include "tests/ui/harnais_gui.h"

#include "ui/boites_message.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Image_Surface.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace harnais {

namespace {

using Horloge = std::chrono::steady_clock;

Horloge::time_point echeance(double secondes)
{
    return Horloge::now() + std::chrono::duration_cast<Horloge::duration>(
                                std::chrono::duration<double>(secondes));
}

// Places the pointer at window coordinates for the next event.
void vPointer(Fl_Window* fenetre, int x, int y)
{
    Fl::e_x = x;
    Fl::e_y = y;
    Fl::e_x_root = fenetre->x_root() + x;
    Fl::e_y_root = fenetre->y_root() + y;
}

std::function<void(Fl_Window*)> reponse;
int tours = 0;
// The box last answered, not to be taken for the next one while it closes.
unsigned long repondue = 0;

// Keys reach the widget that has the focus when they are sent. Tests run
// side by side on one display where, with no window manager, the window
// under the pointer takes the keyboard: a window of another test can take
// it from the box and the toolkit then drops its focus until it comes back.
bool bFocusPret()
{
    Fl_Input* saisie = pSaisieMessage();
    return !saisie->visible() || Fl::focus() == saisie;
}

void vDemanderFocus(Fl_Window* fenetre)
{
    XWindowAttributes a;
    if (XGetWindowAttributes(fl_display, fl_xid(fenetre), &a) && a.map_state == IsViewable)
        XSetInputFocus(fl_display, fl_xid(fenetre), RevertToPointerRoot, CurrentTime);
}

// Answers the box once it is ready, then watches it until it closes: a
// box the answer left open (or that never got ready) is closed with its
// button 0 after a while, so the test fails instead of hanging.
void vSurveiller(void*)
{
    Fl_Window* boite = pBoiteMessage();
    const bool montree = boite && boite->shown() && ulNumeroBoite() != repondue;
    if (!boite && !reponse)
        return;
    if (montree && reponse && bFocusPret()) {
        auto action = std::move(reponse);
        reponse = nullptr;
        tours = 0;
        repondue = ulNumeroBoite();
        action(boite);
    } else if (boite && ++tours > 500) {
        std::fprintf(stderr, "harnais: message box left open, closed\n");
        reponse = nullptr;
        tours = 0;
        pBoutonMessage(0)->do_callback();
    } else if (montree && reponse) {
        vDemanderFocus(boite);
    }
    // Each turn also wakes the box's loop up, as the X event of a real
    // click would.
    if (!Fl::has_timeout(vSurveiller))
        Fl::repeat_timeout(0.02, vSurveiller);
}

}  // namespace

void vRepondreBoite(std::function<void(Fl_Window*)> action)
{
    reponse = std::move(action);
    tours = 0;
    Fl::remove_timeout(vSurveiller);
    Fl::add_timeout(0.02, vSurveiller);
}

void vOublierBoite()
{
    reponse = nullptr;
    Fl::remove_timeout(vSurveiller);
}

bool bAttendre(const std::function<bool()>& condition, double secondes)
{
    const auto fin = echeance(secondes);
    while (!condition()) {
        if (Horloge::now() > fin)
            return false;
        Fl::wait(0.02);
    }
    return true;
}

bool bMontrer(Fl_Window* fenetre)
{
    fenetre->show();
    return bAttendre([fenetre] { return fenetre->shown() && fenetre->visible(); }) &&
           bRedessiner(fenetre);
}

bool bRedessiner(Fl_Window* fenetre)
{
    fenetre->redraw();
    return bAttendre([fenetre] { return !fenetre->damage(); });
}

void vSurvoler(Fl_Window* fenetre, int x, int y)
{
    vPointer(fenetre, x, y);
    Fl::handle(FL_MOVE, fenetre);
}

void vCliquer(Fl_Window* fenetre, int x, int y, int bouton, int clics)
{
    vPointer(fenetre, x, y);
    Fl::e_keysym = FL_Button + bouton;
    Fl::e_state = FL_BUTTON(bouton);
    Fl::e_clicks = clics;
    Fl::e_is_click = 1;
    Fl::handle(FL_MOVE, fenetre);
    Fl::handle(FL_PUSH, fenetre);
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, fenetre);
    Fl::flush();
}

void vGlisser(Fl_Window* fenetre, int x0, int y0, int x1, int y1, int pas)
{
    vPointer(fenetre, x0, y0);
    Fl::e_keysym = FL_Button + 1;
    Fl::e_clicks = 0;
    Fl::e_is_click = 0;
    Fl::e_state = 0;
    Fl::handle(FL_MOVE, fenetre);
    Fl::e_state = FL_BUTTON1;
    Fl::handle(FL_PUSH, fenetre);
    for (int i = 0; i <= pas; ++i) {
        vPointer(fenetre, x0 + (x1 - x0) * i / (pas > 0 ? pas : 1),
                 y0 + (y1 - y0) * i / (pas > 0 ? pas : 1));
        Fl::handle(FL_DRAG, fenetre);
    }
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, fenetre);
    Fl::flush();
}

void vTouche(Fl_Window* fenetre, int touche, const char* texte)
{
    static char tampon[32];
    std::strncpy(tampon, texte, sizeof tampon - 1);
    Fl::e_keysym = touche;
    Fl::e_text = tampon;
    Fl::e_length = int(std::strlen(tampon));
    Fl::handle(FL_KEYDOWN, fenetre);
    Fl::handle(FL_KEYUP, fenetre);
    Fl::e_length = 0;
    Fl::flush();
}

void vFermer(Fl_Window* fenetre)
{
    fenetre->do_callback();
}

std::vector<unsigned char> lirePixels(Fl_Window* fenetre, int x, int y, int l, int h)
{
    // The window is drawn into an image of its own rather than read from the
    // screen, where other windows of the shared X server may cover it.
    Fl::flush();
    Fl_Image_Surface surface(fenetre->w(), fenetre->h());
    surface.set_current();
    surface.draw(fenetre);
    unsigned char* octets = fl_read_image(nullptr, x, y, l, h);
    Fl_Display_Device::display_device()->set_current();
    std::vector<unsigned char> pixels;
    if (octets)
        pixels.assign(octets, octets + size_t(l) * size_t(h) * 3);
    delete[] octets;
    return pixels;
}

std::vector<unsigned char> lireTampon(Fl_Window* fenetre, int x, int y, int l, int h)
{
    Fl::flush();
    Fl_X* i = Fl_X::i(fenetre);
    std::vector<unsigned char> pixels;
    if (!i || !i->other_xid)
        return pixels;
    fenetre->make_current();
    const Window ecran = fl_window;
    fl_window = i->other_xid;
    unsigned char* octets = fl_read_image(nullptr, x, y, l, h);
    fl_window = ecran;
    if (octets)
        pixels.assign(octets, octets + size_t(l) * size_t(h) * 3);
    delete[] octets;
    return pixels;
}

std::array<unsigned char, 3> pixel(Fl_Window* fenetre, int x, int y)
{
    std::vector<unsigned char> p = lirePixels(fenetre, x, y, 1, 1);
    if (p.size() < 3)
        return {0, 0, 0};
    return {p[0], p[1], p[2]};
}

}  // namespace harnais
