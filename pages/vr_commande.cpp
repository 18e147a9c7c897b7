// Handing a request over: the send button, and the send window opened on
// the GRIB or the bulletin request's text, which goes to the clipboard too.
// In connected mode a bulletin request goes at once on a transfer thread.
#include "pages/vr.h"

#include "transport/requete.h"
#include "transport/threads_http.h"
#include "transport/windows_send.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/saisie_en_cours.h"

#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Text_Buffer.H>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The text handed to the window, which owns it.
char* pTexte(Fl_Text_Buffer* tampon)
{
    char* t = tampon->text();
    char* copie = new char[std::strlen(t) + 1];
    std::strcpy(copie, t);
    std::free(t);
    return copie;
}

}  // namespace

void vr::vBoutonRequeteurEnvoyerCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    // A course, a speed or a number of days being typed goes with the
    // request (the send window's rule then judges the request as taken).
    if (!bValiderAvantPression(bouton))
        return;
    // Held back until a change of the request or the page, or the send
    // window's close, asks the rule again.
    bouton->deactivate();
    if (page->bEnvoiBulletins())
        page->vSetCommandeBulletins(0);
    else
        page->vSetCommande(0);
}

void vr::vSetCommande(int systeme)
{
    vCopierTexte(editeurGrib, tamponGrib);
    vFenetreEnvoi(systeme ? "0.5" : volumeGrib->value(), systeme ? "0.0" : coutGrib->value(),
                  tamponGrib, !systeme);
}

void vr::vSetCommandeBulletins(int automationDelete)
{
    if (MODE_CONNECTE && MODE_BULL_HTTP) {
        // The deletion orders no product: its text goes as it stands.
        if (automationDelete)
            iEnvoyerBulletins(*requeteBulletins, nullptr);
        else
            vEnvoyerBulletinsConnecte(nullptr);
        return;
    }
    vCopierTexte(editeurBulletins, tamponBulletins);
    vFenetreEnvoi(automationDelete ? "0.5" : volumeBulletins->value(),
                  automationDelete ? "0.0" : coutBulletins->value(), tamponBulletins,
                  !automationDelete);
}

// The open send window goes first (its direct send, if one runs, carries
// on without it), then a new one stands at the bottom left of the map. A
// request the page sends as it stands (`regle`) goes only while the send
// button's rule permits it; the system request and the deletion of
// automations go whatever the request.
void vr::vFenetreEnvoi(const char* volume, const char* cout, Fl_Text_Buffer* tampon, bool regle)
{
    const std::string v = volume, c = cout;
    delete fenetreEnvoi;
    fenetreEnvoi = nullptr;
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    const int x = fenetre ? fenetre->x() + 240 : 240;
    const int y = fenetre ? fenetre->y() + fenetre->h() - 440 : 0;
    fenetreEnvoi = new WindowsSend(v.c_str(), c.c_str(), pTexte(tampon), x, y, 360, 440, "Mail");
    if (regle)
        fenetreEnvoi->regle = [this] { return bEnvoiPermis(); };
    Fl_Group::current(courant);
}

// Outside connected mode the system request is the bulletin request's
// system text in the send window; another widget than the button asks
// through the GRIB request.
void vr::vSystemeParCourrier(Fl_Widget* bouton)
{
    if (bouton == boutonSysteme) {
        requeteBulletins->vEcrire(2);
        vSetCommandeBulletins(1);
    } else {
        requeteGrib->vEcrire(2);
        vSetCommande(1);
    }
}
