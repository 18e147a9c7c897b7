// The recapitulations' history button: the message history of the
// service's answers in connected mode, the send log otherwise, in a text
// window of the window menu.
#include "pages/vr.h"

#include "ui/configuration.h"
#include "ui/editeur.h"
#include "ui/gestion_interfaces.h"
#include "ui/ouvertures.h"
#include "ui/palette.h"

#include <FL/Fl_Double_Window.H>
#include <cstdio>

void vr::vBoutonRequeteurRecapitulatifHistoriqueCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    std::snprintf(page->cheminHistorique, sizeof page->cheminHistorique,
                  MODE_CONNECTE ? "etc%smessages.txt" : "etc%senvois.txt", "/");
    Fl_Window* principale = page->fenetre;
    const int x = principale ? principale->x() : 0, y = principale ? principale->y() : 0;
    const int w = principale ? principale->w() : 770, h = principale ? principale->h() : 539;
    // A window made while a group is open would land inside it.
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    editeur* fenetre = new editeur(page->cheminHistorique, 1, x + OUVERTURE_GAUCHE,
                                   y + OUVERTURE_HAUT, w - OUVERTURE_GAUCHE,
                                   h - OUVERTURE_HAUT, 0, COLOR_FOND, "Editeur");
    Fl_Group::current(courant);
    gestion_interfaces::add(fenetre);
}
