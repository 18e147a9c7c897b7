#include "ui/boites_message.h"

#include "gribdata/globales.h"
#include "ui/boucles_imbriquees.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/texte_brut.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

Fl_Font fl_message_font_ = FL_HELVETICA;
Fl_Fontsize fl_message_size_ = 14;
const char* fl_close = "Close";
const char* fl_cancel = "Cancel";
const char* fl_ok = "OK";
const char* fl_yes = "Yes";
const char* fl_no = "No";
int NombreDeBips = 0;

namespace {

struct Boite {
    Fl_Window* message_form = nullptr;
    Fl_Box* message = nullptr;
    Fl_Input* input = nullptr;
    Fl_Box* icon = nullptr;
    Fl_Button* button[3] = {};
    int resultat = -1;
    const char* iconeAvant = nullptr;  // the icon's own label, during a call
    unsigned long numero = 0;          // of the call, among all calls
};

// The box of every call; a call made while it is up (from a timeout, say)
// gets a box of its own, so the waiting caller keeps its box as it was.
Boite* principale = nullptr;
std::vector<Boite*> ouvertes;
unsigned long appels = 0;

void vBoutonCallback(Fl_Widget* w, void*)
{
    Boite* b = static_cast<Boite*>(w->window()->user_data());
    for (int i = 0; i < 3; ++i)
        if (b->button[i] == w)
            b->resultat = i;
}

void vFenetreCallback(Fl_Widget* w, void*)
{
    static_cast<Boite*>(w->user_data())->resultat = 0;
}

Fl_Button* pBouton(Fl_Button* b)
{
    b->box(FL_GTK_THIN_UP_BOX);
    b->color(COLOR_BLEU_GTK_TITRE);
    b->selection_color(COLOR_ORANGE_GTK_TITRE);
    b->labelcolor(COLOR_BOUTONS_TEXTE);
    b->labelsize(12);
    b->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    b->callback(vBoutonCallback);
    return b;
}

void makeform(Boite& b)
{
    if (b.message_form) {
        b.message_form->size(410, 103);
        return;
    }
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_Window* w = b.message_form = new Fl_Window(410, 103, "");
    w->user_data(&b);
    w->callback(vFenetreCallback, &b);
    b.message = new Fl_Box(60, 25, 340, 20);
    b.message->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    b.message->labelcolor(COLOR_ORANGE_TEXTE);
    b.message->color(COLOR_ORANGE_GTK_TITRE);
    b.input = new Fl_Input(60, 37, 340, 23);
    b.input->hide();
    b.input->textsize(12);
    b.input->textcolor(COLOR_ORANGE_TEXTE);
    b.icon = new Fl_Box(10, 10, 50, 50);
    b.icon->box(FL_THIN_UP_BOX);
    b.icon->color(FL_WHITE);
    b.icon->labelfont(FL_TIMES_BOLD);
    b.icon->labelsize(34);
    b.icon->labelcolor(FL_BLUE);
    b.button[0] = pBouton(new Fl_Button(310, 70, 90, 23));
    b.button[0]->shortcut(FL_Escape);
    b.button[1] = pBouton(new Fl_Return_Button(210, 70, 90, 23));
    b.button[2] = pBouton(new Fl_Button(110, 70, 90, 23));
    w->resizable(new Fl_Box(60, 10, 50, 27));
    w->end();
    w->set_modal();
    Fl_Group::current(courant);
}

// The message's size: its lines as they stand, or wrapped to fit the
// screen (a long line would make a box wider than the screen); the box
// never grows past the screen, a text still too large is cut.
void vMesurerMessage(const char* texte, int& mw, int& mh)
{
    const int largeurMax = std::max(340, Fl::w() - 100);
    const int hauteurMax = std::max(30, Fl::h() - 150);
    fl_font(fl_message_font_, fl_message_size_);
    mw = mh = 0;
    fl_measure(texte, mw, mh);
    if (mw + 10 > largeurMax) {
        mw = largeurMax - 16;  // the label is drawn 3 pixels in from each side
        fl_measure(texte, mw, mh);
    }
    mw = std::min(std::max(mw + 10, 340), largeurMax);
    mh = std::min(std::max(mh + 10, 30), hauteurMax);
}

void resizeform(Boite& b)
{
    int mw, mh;
    vMesurerMessage(b.message->label(), mw, mh);

    fl_font(b.button[0]->labelfont(), b.button[0]->labelsize());
    int bw[3] = {}, bh = 25;
    for (int i = 0; i < 3; ++i) {
        if (!b.button[i]->visible())
            continue;
        int l = 0, h = 0;
        fl_measure(b.button[i]->label(), l, h);
        bw[i] = l + (i == 1 ? 20 : 0) + 30;
        bh = std::max(bh, h + 10);
    }
    const int t = mh + (b.input->visible() ? 25 : 0);
    const int iw = std::max(mw + 60, bw[0] + bw[1] + bw[2] - 10);
    const int W = iw + 20, H = bh + 30 + t;
    b.message_form->size(W, H);
    b.message_form->size_range(W, H, W, H);
    b.message->resize(70, 10, iw - 60, mh);
    b.icon->resize(10, 10, 50, 50);
    b.icon->labelsize(40);
    b.input->resize(70, 10 + mh, iw - 60, 25);
    int x = W;
    for (int i = 0; i < 3; ++i)
        if (bw[i] > 0) {
            x -= bw[i];
            b.button[i]->resize(x, H - 10 - bh, bw[i] - 10, bh);
        }
}

Boite* pPrendreBoite()
{
    if (ouvertes.empty()) {
        if (!principale)
            principale = new Boite;
        makeform(*principale);
        return principale;
    }
    Boite* b = new Boite;
    makeform(*b);
    if (principale) {
        const bool attend =
            std::find(ouvertes.begin(), ouvertes.end(), principale) != ouvertes.end();
        b->icon->label(attend ? principale->iconeAvant : principale->icon->label());
        b->icon->image(principale->icon->image());
    }
    return b;
}

void vRendreBoite(Boite* b)
{
    if (b == principale)
        return;
    delete b->message_form;
    delete b;
}

// The toolkit's default labels stay as they are; the box shows them in the
// running language, by the catalogue's French words for them.
const char* pcLibelle(const char* texte)
{
    const struct {
        const char* const* defaut;
        const char* cle;
    } DEFAUTS[] = {{&fl_close, CLE_LOCAL("Fermer")},
                   {&fl_cancel, CLE_LOCAL("Annuler")},
                   {&fl_yes, CLE_LOCAL("Oui")},
                   {&fl_no, CLE_LOCAL("Non")}};
    for (const auto& d : DEFAUTS)
        if (texte && texte == *d.defaut)
            return pcTraduire(d.cle);
    return texte;
}

void vBouton(Fl_Button* b, const char* texte)
{
    texte = pcLibelle(texte);
    if (texte) {
        b->copy_label(texte);
        b->show();
    } else {
        b->hide();
    }
}

// Shows the box and runs the event loop until one of its buttons is
// pressed or it is closed.
// `iconlabel` is the icon's letter for this call when the icon has no label
// of its own.
int innards(Boite& b, const char* fmt, va_list ap, const char* b0, const char* b1,
            const char* b2, const char* iconlabel)
{
    // The messages are plain text, often holding a name from outside: an
    // "@" in it is shown, not taken for a symbol.
    if (std::strcmp(fmt, "%s") == 0) {
        const char* texte = va_arg(ap, const char*);
        b.message->copy_label(sLibelleBrut(texte).c_str());
    } else {
        char tampon[1024];
        std::vsnprintf(tampon, sizeof tampon, fmt, ap);
        b.message->copy_label(sLibelleBrut(tampon).c_str());
    }
    b.message->labelfont(fl_message_font_);
    b.message->labelsize(fl_message_size_);
    vBouton(b.button[0], b0);
    b.button[1]->position(b0 ? 210 : 310, 70);
    vBouton(b.button[1], b1);
    vBouton(b.button[2], b2);
    const char* ancienne = b.iconeAvant = b.icon->label();
    if (!ancienne)
        b.icon->label(iconlabel);
    resizeform(b);
    if (b.button[1]->visible() && !b.input->visible())
        b.button[1]->take_focus();
    b.message_form->hotspot(b.button[0]);
    b.button[0]->shortcut(b0 && std::strchr(b0, '&') ? 0 : FL_Escape);
    b.message_form->color(COLOR_ORANGE_GTK_TITRE);
    b.message_form->show();
    Fl_Window* saisie = Fl::grab();
    if (saisie)
        Fl::grab(b.message_form);
    ouvertes.push_back(&b);
    b.numero = ++appels;
    b.resultat = -1;
    {
        // The end of the program closes the box as its window's close does.
        BoucleImbriquee boucle([&b] { b.resultat = 0; });
        while (b.resultat < 0 && b.message_form->shown())
            Fl::wait();
    }
    ouvertes.pop_back();
    if (saisie)
        Fl::grab(saisie);
    b.message_form->hide();
    b.icon->label(ancienne);
    return std::max(b.resultat, 0);
}

// While the program ends no box opens: its loop would run under widgets
// about to go. The message goes to the log; the caller gets a cancel.
bool bRefusee(const char* fmt, va_list ap)
{
    if (bBoitesPermises())
        return false;
    char tampon[1024];
    va_list copie;
    va_copy(copie, ap);
    std::vsnprintf(tampon, sizeof tampon, fmt, copie);
    va_end(copie);
    vJournal("<BOITE>", "fin du programme, boite non ouverte: %s\n", tampon);
    return true;
}

int iBoite(const char* fmt, va_list ap, const char* b0, const char* b1, const char* b2,
           const char* lettre = "?")
{
    if (bRefusee(fmt, ap))
        return 0;
    Boite* b = pPrendreBoite();
    const int r = innards(*b, fmt, ap, b0, b1, b2, lettre);
    vRendreBoite(b);
    return r;
}

const char* input_innards(const char* fmt, va_list ap, const char* defaut, uchar type)
{
    static std::string resultat;
    if (bRefusee(fmt, ap))
        return nullptr;
    Boite* b = pPrendreBoite();
    b->message->position(60, 10);
    b->input->type(type);
    b->input->show();
    b->input->value(defaut);
    b->input->take_focus();
    const int r = innards(*b, fmt, ap, fl_cancel, fl_ok, nullptr, "?");
    b->input->hide();
    b->message->position(60, 25);
    if (r)
        resultat = b->input->value();
    vRendreBoite(b);
    return r ? resultat.c_str() : nullptr;
}

}  // namespace

void fl_beep(int type)
{
    if (type != FL_BEEP_DEFAULT && type != FL_BEEP_ERROR)
        return;
    ++NombreDeBips;
    if (fl_display)
        XBell(fl_display, 100);
}

void fl_message(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    iBoite(fmt, ap, fl_close, nullptr, nullptr, "i");
    va_end(ap);
}

void fl_alert(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    fl_beep(FL_BEEP_ERROR);
    iBoite(fmt, ap, fl_close, nullptr, nullptr, "!");
    va_end(ap);
}

int fl_ask(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    const int r = iBoite(fmt, ap, fl_no, fl_yes, nullptr);
    va_end(ap);
    return r;
}

int fl_choice(const char* fmt, const char* b0, const char* b1, const char* b2, ...)
{
    va_list ap;
    va_start(ap, b2);
    const int r = iBoite(fmt, ap, b0, b1, b2);
    va_end(ap);
    return r;
}

const char* fl_input(const char* fmt, const char* defaut, ...)
{
    va_list ap;
    va_start(ap, defaut);
    const char* r = input_innards(fmt, ap, defaut, FL_NORMAL_INPUT);
    va_end(ap);
    return r;
}

const char* fl_password(const char* fmt, const char* defaut, ...)
{
    va_list ap;
    va_start(ap, defaut);
    const char* r = input_innards(fmt, ap, defaut, FL_SECRET_INPUT);
    va_end(ap);
    return r;
}

Fl_Widget* fl_message_icon()
{
    if (!principale)
        principale = new Boite;
    makeform(*principale);
    return principale->icon;
}

Fl_Window* pBoiteMessage()
{
    return ouvertes.empty() ? nullptr : ouvertes.back()->message_form;
}

Fl_Button* pBoutonMessage(int i)
{
    return ouvertes.empty() || i < 0 || i > 2 ? nullptr : ouvertes.back()->button[i];
}

Fl_Box* pTexteMessage()
{
    return ouvertes.empty() ? nullptr : ouvertes.back()->message;
}

Fl_Input* pSaisieMessage()
{
    return ouvertes.empty() ? nullptr : ouvertes.back()->input;
}

unsigned long ulNumeroBoite()
{
    return ouvertes.empty() ? 0 : ouvertes.back()->numero;
}
