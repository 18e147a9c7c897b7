// What a position row's fields and buttons do to the route: a date, a
// place or a speed typed or stepped, a position inserted after the row,
// the row's position deleted, the row marked. Typed values are checked
// before they reach the route: nothing typed may put a NaN or an absurd
// value into a route, or make the date arithmetic run for ever.
#include "routes/dru_routes.h"

#include "routes/classe_route.h"
#include "routes/regles_fenetre.h"
#include "routes/spinner_position.h"
#include "ui/saisie_en_cours.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <algorithm>
#include <cmath>

namespace {

const int ANNEE_MIN = 1970;
const int ANNEE_MAX = 2031;

double dChamp(const Fl_Group* rangee, int i)
{
    return static_cast<const spinnerPosition*>(rangee->child(i))->value();
}

// The coordinate of fields i (degrees), i + 1 and i + 2; false when a
// field is refused or a latitude is beyond a pole.
bool bCoordonnee(const Fl_Group* rangee, int i, double actuelle, bool latitude, double& valeur)
{
    if (!bCoordonneeRangee(dChamp(rangee, i), dChamp(rangee, i + 1), dChamp(rangee, i + 2),
                           actuelle, valeur))
        return false;
    return !latitude || std::fabs(valeur) <= 90;
}

// The change a field asks of position k; false when the year field holds
// a year the rows do not take (nothing is refreshed then).
bool bChanger(classeRoute* route, const Fl_Group* rangee, int i, int k)
{
    if (i == RANGEE_ANNEE) {
        const double annee = dChamp(rangee, RANGEE_ANNEE);
        if (!bSaisieValide(annee) || annee < ANNEE_MIN || annee >= ANNEE_MAX + 1)
            return false;
    }
    if (i <= RANGEE_SECONDE) {
        double champs[6];
        for (int j = 0; j < 6; ++j)
            champs[j] = dChamp(rangee, j);
        long date;
        if (bDateRangee(champs, date))
            route->change(k, date);
        return true;
    }
    const classePosition* p = route->position(k);
    if (!p)
        return true;
    if (i <= RANGEE_LONGITUDE_SECONDES) {
        double latitude, longitude;
        if (bCoordonnee(rangee, RANGEE_LATITUDE, p->latitude, true, latitude) &&
            bCoordonnee(rangee, RANGEE_LONGITUDE, p->longitude, false, longitude))
            route->change(k, latitude, longitude);
        return true;
    }
    const double vitesse = dChamp(rangee, RANGEE_VITESSE);
    if (bSaisieValide(vitesse) && vitesse >= 0 && vitesse <= ROUTE_VITESSE_MAX)
        route->change(k, vitesse);
    return true;
}

}  // namespace

void DRU_Routes::vSpinnerRoutePositionCallback(Fl_Widget* champ, void* donnees)
{
    classeRoute* route = static_cast<classeRoute*>(donnees);
    Fl_Group* rangee = champ->parent();
    Fl_Group* pack = rangee ? rangee->parent() : nullptr;
    if (!route || !pack || rangee->children() < RANGEE_ENFANTS)
        return;
    const int i = rangee->find(champ);
    const int k = pack->find(rangee);
    if (!bChanger(route, rangee, i, k))
        return;
    DRU_Routes* fenetre = pFenetre(pack);
    if (fenetre) {
        fenetre->vRemplirRangees(route);
        fenetre->vRedessinerCarte();
    }
}

void DRU_Routes::vBoutonRoutePositionCallback(Fl_Widget* bouton, void* donnees)
{
    if (!bValiderAvantPression(bouton))
        return;
    classeRoute* route = static_cast<classeRoute*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    Fl_Group* rangee = b->parent();
    Fl_Group* pack = rangee ? rangee->parent() : nullptr;
    if (!route || !pack || !route->visible || route->actif <= 0) {
        b->value(0);
        return;
    }
    DRU_Routes* fenetre = pFenetre(pack);
    const int k = pack->find(rangee);
    switch (rangee->find(b)) {
    case RANGEE_SUPPRIMER:
        if (route->del(k) && fenetre) {
            route->actif = std::min(k + 1, route->dernierNumero + 1);
            fenetre->vRemoveAddPack(route, 0);
        }
        break;
    case RANGEE_INSERER:
        if (route->insert(k) && fenetre) {
            route->actif = std::min(k + 2, route->dernierNumero + 1);
            fenetre->vRemoveAddPack(route, 0);
        }
        break;
    case RANGEE_MARQUE:
        route->actif = std::min(k + 1, route->dernierNumero + 1);
        for (int j = 0; j < pack->children(); ++j) {
            changeGroupeRoutePosition(static_cast<Fl_Group*>(pack->child(j)), j == k);
            pack->child(j)->redraw();
        }
        route->modifiee = 1;
        break;
    default:
        break;
    }
    if (fenetre)
        fenetre->vRedessinerCarte();
}
