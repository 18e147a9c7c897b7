#include "pages/choix_modele.h"

#include "gribdata/modeles.h"

#include <cstddef>

double dDecalageCadre(const CadreZone& c)
{
    if (c.ouest < -180)
        return -360;
    return c.est >= 180 ? 360 : 0;
}

bool bDomaineContient(const TYPEDEF_MODELE& m, const CadreZone& c, double s)
{
    if (m.nord == 90)
        return true;
    return c.nord <= m.nord && c.sud >= m.sud && c.ouest >= m.ouest + s && c.est <= m.est + s;
}

ChoixModele choixModele(const CadreZone& cadre, const std::vector<const TYPEDEF_MODELE*>& lignes,
                        const std::vector<bool>& enfonces, bool deplacement)
{
    ChoixModele choix;
    const double s = dDecalageCadre(cadre);
    bool active = false;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        int effet = BOUTON_INCHANGE;
        if (bDomaineContient(*lignes[i], cadre, s)) {
            effet = BOUTON_ACTIVE;
            choix.candidat = lignes[i]->code;
            active = true;
        } else {
            if (i < enfonces.size() && enfonces[i])
                choix.abandonne = true;
            if (!deplacement)
                effet = BOUTON_DESACTIVE;
        }
        choix.boutons.push_back(effet);
    }
    if (!active)
        return choix;
    choix.horsLimites = choix.abandonne && deplacement;
    choix.resultat = choix.horsLimites ? 0 : choix.candidat;
    return choix;
}

int iModeleForfait(const CadreZone& cadre, int chiffre)
{
    const double s = dDecalageCadre(cadre);
    int resultat = 1;
    for (const TYPEDEF_MODELE* m = MODELES; m->libelleCourt; ++m)
        if ((m->code == 1 || m->code == 51 || m->code == 8) && bDomaineContient(*m, cadre, s))
            resultat = chiffre < 3 ? m->code : 1;
    return resultat;
}

bool bZoneTouche(const CadreZone& z, const CadreZone& c)
{
    if (!(z.nord > c.sud && z.sud < c.nord))
        return false;
    for (double k : {-360.0, 0.0, 360.0})
        if (z.ouest + k < c.est && z.est + k > c.ouest)
            return true;
    return false;
}
