#include "gribdata/age_reseau.h"

int iAgeReseau(int modele, int heureUtc)
{
    const int H = heureUtc;
    if (modele == 1)
        return H <= 8 ? H + 12 : H;
    if (H <= 5)
        return H + 6;
    if (H <= 11)
        return H;
    return H <= 17 ? H - 6 : H - 12;
}

int iAvanceEcheance(int echeance, int age)
{
    return echeance > age ? echeance - age : 0;
}
