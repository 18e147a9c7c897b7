#include "ui/ouvertures.h"

#include "ui/editeur.h"
#include "ui/gestion_interfaces.h"
#include "ui/palette.h"
#include "ui/visualisateur.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>

namespace {

// A window made while a group is open would land inside it.
struct HorsGroupe {
    Fl_Group* courant = Fl_Group::current();
    HorsGroupe() { Fl_Group::current(nullptr); }
    ~HorsGroupe() { Fl_Group::current(courant); }
};

// A picture window the registry could not hold (full, or the program
// ending) is in no menu and no one would delete it: closed, it goes at
// the next turn of the event loop, and its share of the pictures' budget
// with it.
void vFermerHorsRegistre(Fl_Widget* fenetre, void*)
{
    Fl::delete_widget(fenetre);
}

}  // namespace

visualisateur* pOuvrirImage(const char* chemin, int droite, int haut)
{
    HorsGroupe hors;
    visualisateur* fenetre = new visualisateur(chemin, droite, haut, "Visualisateur");
    if (!fenetre->iCharge()) {
        delete fenetre;
        return nullptr;
    }
    if (!gestion_interfaces::add(fenetre))
        fenetre->callback(vFermerHorsRegistre);
    return fenetre;
}

editeur* pOuvrirTexte(const char* chemin, int x, int y, int w, int h, int mode)
{
    HorsGroupe hors;
    editeur* fenetre = new editeur(chemin, 0, x, y, w, h, mode, COLOR_FOND, "Editeur");
    gestion_interfaces::add(fenetre);
    return fenetre;
}
