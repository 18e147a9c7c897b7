#include "outils_isoplages.h"

ChampCharge::ChampCharge(const ChampEcrit& c, int optimisation, void (*retouche)(float*, int))
    : octets(sMessageGrib(c)),
      code(g.set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size())))
{
    if (retouche && g.valeurs)
        retouche(g.valeurs, g.ni * g.nj);
    OPTIMISATION = optimisation;
    iso.set(&g, 0);
}

bool ChampCharge::calcul(const VueCarte& vue)
{
    double n, s, o, e;
    iso.vue = vue;
    iso.calcul(n, s, o, e, 0);
    return !iso.image.empty();
}

VueCarte vueCentree(double latitude, double longitude, double etendue, int largeur, int hauteur)
{
    VueCarte v;
    v.W = 36000000, v.H = 25200000, v.largeur = largeur, v.hauteur = hauteur;
    v.s = etendue * (double(v.H) / hauteur) / 180.0;
    v.ox = (v.W / 360.0) * (longitude + 180.0) - largeur * v.s / 2;
    v.oy = (90.0 - latitude) * v.H / 180.0 - (v.H / 180.0) * etendue / 2;
    return v;
}
