#include "pages/regles_abonnement.h"

#include <cmath>

int iJoursAbonnement(double valeur)
{
    if (!std::isfinite(valeur) || valeur < 0)
        return 0;
    if (valeur > ABONNEMENT_JOURS_MAX)
        return ABONNEMENT_JOURS_MAX;
    return int(valeur);
}

std::string texteAbonnement(ChoixAbonnement choix, int jours)
{
    switch (choix) {
    case ABONNEMENT_PENDANT:
        return jours > 0 ? std::to_string(jours) : "1";
    case ABONNEMENT_PERMANENT:
        return "X";
    case ABONNEMENT_SUPPRIMER:
        return "0";
    default:
        return "1";
    }
}

bool bAbonnementActif(int jours, bool permanent, bool supprimer)
{
    return jours != 0 || permanent || supprimer;
}
