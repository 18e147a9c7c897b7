// The progress popups of the transfer slots, on the GUI thread.
#include "transport/popup_http.h"

#include "gribdata/globales.h"
#include "ui/boutons.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Help_View.H>

namespace {

const char* const TAG = "<HTTPGRIB>";
const Fl_Color JAUNE = 95;
const Fl_Color BLEU_GRIS = fl_rgb_color(164, 184, 197);

Fl_Window* principale()
{
    return GESTION_UI[0];
}

PopupWindow* pCreerPopup(int index)
{
    Fl_Group::current(nullptr);
    PopupWindow* p = new PopupWindow(176, 150);
    p->size(p->largeur, p->hauteur);
    p->box(FL_FLAT_BOX);
    p->color(COLOR_FOND);
    p->aide = new Fl_Help_View(2, 2, 228, 146);
    p->aide->box(FL_ENGRAVED_BOX);
    p->aide->textsize(12);
    p->aide->textfont(DRU_FONT);
    p->aide->textcolor(FL_BLACK);
    p->aide->color(p->proprietaire ? BLEU_GRIS : JAUNE);
    p->end();
    p->border(0);
    p->hide();
    structHTTP[index].decalage = 20 * index;
    return p;
}

void vFocusPrincipale()
{
    if (principale())
        Fl::focus(principale());
}

// The popup closes; its slot is free already.
void vFermer(TYPEDEF_HTTP& c)
{
    c.popup->hide();
    vFocusPrincipale();
    c.popup->affichage = AffichageCanal();
    if (c.bouton)
        c.bouton->activate();
    c.bouton = nullptr;
}

}  // namespace

PopupWindow::PopupWindow(int w, int h) : Fl_Double_Window(w, h) {}

int PopupWindow::handle(int event)
{
    if (proprietaire && !proprietaire->shown())
        hide();
    Fl_Double_Window::handle(event);
    return 1;
}

void PopupWindow::vMontrer(bool placer, int decalage)
{
    std::string texte = affichage.html;
    if (texte.size() > 10 && texte.compare(texte.size() - 4, 4, "<br>") == 0)
        texte.resize(texte.size() - 4);
    aide->color(affichage.fond);
    aide->value(texte.c_str());
    if (aide->size() + 12 != hauteur) {
        hauteur = aide->size() + 12;
        size(largeur, hauteur);
        aide->resize(3, 3, w() - 6, h() - 6);
    }
    if (placer) {
        const Fl_Window* m = principale();
        const int x = m ? m->x() : 0, y = m ? m->y() : 0;
        if (proprietaire)
            position(x + 240, y + 99);
        else
            position(x + decalage, y + decalage);
    }
    redraw();
    aide->redraw();
    show();
}

int popupHttp(classeBouton* button)
{
    vJournal(TAG, "<popupHttp> START\n");
    const int index = iReserverCanal();
    if (index < 0) {
        vJournal(TAG, "<popupHttp> ECHEC : les %d canaux sont pris\n", HTTP_CANAUX);
        return -1;
    }
    vJournal(TAG, "<popupHttp>>>>>>>>>>>>>>>>>> ASSOCIATION LANCEE : handle: %d\n", index);
    TYPEDEF_HTTP& c = structHTTP[index];
    *c.handle = index;
    if (!c.popup)
        c.popup = pCreerPopup(index);
    c.popup->hide();
    vFocusPrincipale();
    c.popup->affichage = AffichageCanal();
    c.popup->affichage.html = std::string("<font color=\"#880000\"><b>") +
                              pcTraduire("Requete HTTP") + "</b></font>:<br> ";
    c.popup->vMontrer(true, c.decalage);
    c.fin = 0;
    c.bouton = button;
    if (button)
        button->deactivate();
    Fl::add_timeout(0.1, TimeoutHttp, c.handle);
    return index;
}

void TimeoutHttp(void* handle)
{
    const int index = *static_cast<int*>(handle);
    TYPEDEF_HTTP& c = structHTTP[index];
    if (!c.popup)
        return;
    switch (pasCanal(index, c.popup->affichage)) {
    case CANAL_ATTENDRE: Fl::repeat_timeout(0.1, TimeoutHttp, handle); break;
    case CANAL_MONTRER:
        c.popup->vMontrer(false, c.decalage);
        Fl::repeat_timeout(0.1, TimeoutHttp, handle);
        break;
    case CANAL_MONTRER_FIN:
        c.popup->vMontrer(false, c.decalage);
        Fl::repeat_timeout(1.0, TimeoutHttp, handle);
        break;
    case CANAL_ATTENDRE_FIN: Fl::repeat_timeout(1.0, TimeoutHttp, handle); break;
    case CANAL_FERMER: vFermer(c); break;
    case CANAL_ARRETER: break;
    }
}

void vDetruirePopupsHttp(const char* tag)
{
    for (int i = 0; i < HTTP_CANAUX; ++i) {
        TYPEDEF_HTTP& c = structHTTP[i];
        if (c.handle)
            Fl::remove_timeout(TimeoutHttp, c.handle);
        c.bouton = nullptr;
        if (!c.popup)
            continue;
        delete c.popup;
        c.popup = nullptr;
        vJournal(tag, "Fenetre orpheline: %d\n", i);
    }
}
