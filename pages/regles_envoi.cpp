#include "pages/regles_envoi.h"

bool bEnvoiPermis(const EtatEnvoi& e)
{
    switch (e.genre) {
    case ENVOI_GRIB:
        return e.zone && e.modele != 0 && e.dansLimites && !e.deplacementRefuse;
    case ENVOI_FORFAIT:
        return e.forfait && e.modele != 0 && e.dansLimites;
    case ENVOI_BULLETINS:
        return e.produits;
    }
    return false;
}
