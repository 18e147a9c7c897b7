#include "pages/regles_forfaits.h"

const char* const LISTE_FORFAITS[] = {nullptr, "1", "2", "3", "4", "5", "6", nullptr};
int NOMBRE_FORFAITS = 6;

namespace {

struct LigneForfait {
    const char* nom;
    FormeForfait formes[3];  // first, second and third press
};

const LigneForfait FORFAITS[] = {
    {"2x2 Vent", {{2, 2}, {4, 1}, {1, 4}}},
    {"2x2 Complet", {{2, 2}, {4, 1}, {1, 4}}},
    {"5x5 Vent", {{5, 5}, {4, 6}, {6, 4}}},
    {"5x5 Complet", {{5, 5}, {4, 6}, {6, 4}}},
    {"15x15 Vent", {{10, 10}, {8, 12}, {7, 14}}},
    {"15x15 Complet", {{10, 10}, {8, 12}, {7, 14}}},
};
const int LIGNES = int(sizeof FORFAITS / sizeof FORFAITS[0]);

// The row and the press (0 to 2) of a state; false for none.
bool bEtat(int etat, int& ligne, int& forme)
{
    for (forme = 0; forme < 3 && etat > 0; ++forme, etat /= 10) {
        if (etat >= 1 && etat <= LIGNES) {
            ligne = etat;
            return true;
        }
        if (etat % 10 != 0)
            return false;
    }
    return false;
}

}  // namespace

int iLignesForfaits()
{
    int n = 0;
    while (LISTE_FORFAITS[n + 1])
        ++n;
    return n;
}

const char* pcNomForfait(int n)
{
    return n >= 1 && n <= LIGNES ? FORFAITS[n - 1].nom : nullptr;
}

int iLigneForfait(int etat)
{
    int ligne = 0, forme = 0;
    return bEtat(etat, ligne, forme) ? ligne : 0;
}

int iEtatSuivant(int etat)
{
    return etat <= 99 ? etat * 10 : etat / 100;
}

FormeForfait formeForfait(int etat)
{
    int ligne = 0, forme = 0;
    if (!bEtat(etat, ligne, forme))
        return {0, 0};
    return FORFAITS[ligne - 1].formes[forme];
}

CadreZone cadreForfait(int etat, double latitude, double longitude)
{
    if (longitude < -180)
        longitude += 360;
    else if (longitude > 180)
        longitude -= 360;
    const FormeForfait f = formeForfait(etat);
    return {latitude + f.latitude / 2, latitude - f.latitude / 2, longitude - f.longitude / 2,
            longitude + f.longitude / 2};
}
