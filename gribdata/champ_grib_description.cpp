// The French name of each product the service sends, with the offset and
// factor the map applies to show it in its own units.
#include "gribdata/champ_grib.h"

#include <cstdio>

namespace {

const int TOUT = -1;  // any parameter

struct Produit {
    int typeNiveau;
    int parametre;
    const char* description;  // may hold one %d (level) or %.1f (isotherm)
    float decalage;
    float facteur;
};

const Produit PRODUITS[] = {
    {102, 2, "Pression réduite au niveau de la mer (hectopascal)", 0, 0.01f},
    {102, 11, "Température de la mer en surface (degré Celsius)", 273.15f, 1},
    {102, 82, "Ecart du niveau de la mer par rapport à la moyenne (mètre)", 0, 1},
    {102, 100, "Hauteur significative des vagues de la mer du vent et de la houle (mètre)", 0, 1},
    {102, 101, "Direction des vagues de la mer du vent (degré)", 0, 1},
    {102, 102, "Hauteur significative des vagues de la mer du vent (mètre)", 0, 1},
    {102, 103, "Periode moyenne des vagues de la mer du vent (seconde)", 0, 1},
    {102, 104, "Direction des vagues de la houle (degré)", 0, 1},
    {102, 105, "Hauteur significative des vagues de la houle (mètre)", 0, 1},
    {102, 106, "Periode moyenne des vagues de la houle (seconde)", 0, 1},
    {102, 107, "Direction de la vague primaire (degré)", 0, 1},
    {102, 108, "Periode moyenne de la vague primaire (seconde)", 0, 1},
    {102, 109, "Direction de la vague secondaire (degré)", 0, 1},
    {102, 110, "Periode moyenne de la vague secondaire (seconde)", 0, 1},
    {102, 111, "Flux solaire integré (J*m**-2)", 0, 1},
    {102, 130, "Composante zonale (U) de la tension sol integrée (N*m**-2*s)", 0, 1},
    {102, 131, "Composante méridienne (V) de la tension sol integrée (N*m**-2*s)", 0, 1},
    {102, 151, "Bilan hydrique (kg/m**2)", 0, 1},
    {102, 200, "Direction moyenne des vagues (degré)", 0, 1},
    {102, 201, "Periode moyenne des vagues (seconde)", 0, 1},
    {102, 202, "Hauteur significative de la vague primaire (mètre)", 0, 1},
    {102, 203, "Hauteur significative de la vague secondaire (mètre)", 0, 1},
    {102, TOUT, "Inconnu 102", 0, 1},
    {1, 111, "Flux solaire integré (J*m**-2)", 0, 1},
    {1, 130, "Composante zonale (U) de la tension sol integrée (N*m**-2*s)", 0, 1},
    {1, 131, "Composante méridienne (V) de la tension sol integrée (N*m**-2*s)", 0, 1},
    {1, TOUT, "Inconnu 1", 0, 1},
    {8, 221, "Profondeur de l'isotherme %.1f degrés (mètre)", 0, 1},
    {8, TOUT, "Inconnu 8", 0, 1},
    {105, 31, "Direction du vent (degré)", 0, 1},
    {105, 32, "Vitesse du vent (noeud)", 0, 1.852f},
    {105, 33, "Composante zonale (U) du vent à 10 mètres (noeud)", 0, 1.852f},
    {105, 34, "Composante meridienne (V) du vent à 10 mètres (noeud)", 0, 1.852f},
    {105, TOUT, "Inconnu 105", 0, 1},
    {160, 11, "Température de l'eau à %d mètres (degré Celsius)", 273.15f, 1},
    {160, 40, "Vitesse verticale à %d mètres (centimètre par seconde)", 0, 0.01f},
    {160, 49, "Composante zonale (U) du courant à %d mètres (centimètre par seconde)", 0, 0.01f},
    {160, 50, "Composante meridienne (V) du courant à %d mètres (centimètre par seconde)", 0,
     0.01f},
    {160, 88, "Salinité à %d mètres (Kg par Kg)", 0, 1},
    {160, TOUT, "Inconnu 160", 0, 1},
};

const Produit INCONNU = {TOUT, TOUT, "Inconnu", 0, 1};

const Produit& produit(int typeNiveau, int parametre)
{
    for (const Produit& p : PRODUITS)
        if (p.typeNiveau == typeNiveau && (p.parametre == parametre || p.parametre == TOUT))
            return p;
    return INCONNU;
}

}  // namespace

void Grib::initProduitDescription()
{
    const Produit& p = produit(typeNiveau, parametre);
    // Every text fits with any 16-bit level: the largest takes 79 bytes.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    if (typeNiveau == 8 && parametre == 221)
        std::snprintf(description, sizeof description, p.description, (niveau - 27315) / 100.0);
    else
        std::snprintf(description, sizeof description, p.description, niveau);
#pragma GCC diagnostic pop
    decalageAffichage = p.decalage;
    facteurAffichage = p.facteur;
}
