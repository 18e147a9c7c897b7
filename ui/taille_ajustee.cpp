#include "ui/taille_ajustee.h"

#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>
#include <cstring>
#include <string>

namespace {

int iLargeur(const char* texte)
{
    int l = 0, h = 0;
    fl_measure(texte, l, h, 0);
    return l;
}

bool bEgaux(const char* a, const char* b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

}  // namespace

int iTailleTenant(int taille, int plancher, int largeur, const MesureTexte& mesure)
{
    for (; taille > plancher && mesure(taille) > largeur; --taille) {
    }
    return taille;
}

int iTailleAjustee(const char* texte, int fonte, int taille, int largeur, int plancher)
{
    if (!texte)
        return taille;
    return iTailleTenant(taille, plancher, largeur, [texte, fonte](int t) {
        fl_font(fonte, t);
        return iLargeur(texte);
    });
}

void vBulleEntiere(Fl_Widget* w, bool coupe, bool seule)
{
    const char* bulle = w->tooltip();
    const char* texte = w->label() ? w->label() : "";
    // Set only when it changes: a tooltip shown keeps pointing at its text.
    if (seule) {
        if (!bEgaux(bulle, coupe ? texte : nullptr))
            w->copy_tooltip(coupe ? texte : nullptr);
    } else if (!coupe) {
        if (bEgaux(bulle, texte))
            w->copy_tooltip(nullptr);
    } else if (!bulle) {
        w->copy_tooltip(texte);
    } else if (!std::strstr(bulle, texte)) {
        w->copy_tooltip((std::string(texte) + "\n" + bulle).c_str());
    }
}

bool bAjusterTaille(Fl_Widget* w, int taille, int largeur, int plancher, bool seule)
{
    const char* texte = w->label() ? w->label() : "";
    w->labelsize(iTailleAjustee(texte, w->labelfont(), taille, largeur, plancher));
    fl_font(w->labelfont(), w->labelsize());
    const bool entier = iLargeur(texte) <= largeur;
    vBulleEntiere(w, !entier, seule);
    return entier;
}
