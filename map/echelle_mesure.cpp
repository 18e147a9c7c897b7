#include "map/echelle_mesure.h"

#include "routes/orthodromie.h"

MesureEchelle mesureEchelle(const BoiteVue& b)
{
    // Exactly symmetric about the equator, the width is taken just north
    // of it.
    const double milieu = b.haut + b.bas == 0 ? 0.05 : (b.haut + b.bas) / 2;
    MesureEchelle m;
    m.largeur = orthodromie2(milieu, b.gauche, milieu, b.droite);
    // The great circle between points half a world apart or more runs the
    // other way round.
    if (b.droite - b.gauche >= 180)
        m.largeur = 21638.76889848812 - m.largeur;
    m.hauteur = orthodromie2(b.bas, b.gauche, b.haut, b.gauche);
    m.largeurVue = b.droite - b.gauche <= 360;
    m.format = m.hauteur > 100 ? "%.0lf" : "%.1f";
    return m;
}
