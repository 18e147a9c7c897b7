#include "gribdata/parametres.h"

#include <strings.h>

namespace {

struct Nom {
    unsigned parametre;
    const char* libelle;
    const char* cle;
    const char* description;
};

constexpr Nom NOMS[] = {
    {2, "Pmer", "pmer", "Pression mer"},
    {11, "Tmer", "tmer", "Temperature de la mer ou du sol"},
    {33, "Vent", "vent", "Vent moyen 10 m"},
    {49, "Courant", "courant", "Courant marin"},
    {52, "Humidité", "humidite", "Humidite air"},
    {61, "Pluie", "pluie", "precipitations"},
    {67, "Epaisseur de la couche d'Ekman", "ekman", "Epaisseur de la couche d'Ekman (mètre)"},
    {80, "Tprof", "tprof", "t49"},
    {100, nullptr, nullptr, "Hauteur H1/3 mer totale"},
    {101, "Mer du vent", "merduvent", "Direction mer du vent"},
    {102, nullptr, nullptr, "Hauteur mer du vent"},
    {103, nullptr, nullptr, "Periode mer du vent"},
    {104, "Houle", "houles", "Direction houle"},
    {105, nullptr, nullptr, "Hauteur houle"},
    {106, nullptr, nullptr, "Periode houle"},
    {107, "Houle1", "houle1", "Direction houle 1"},
    {108, nullptr, nullptr, "Periode houle 1"},
    {109, "Houle2", "houle2", "Direction houle 2"},
    {110, nullptr, nullptr, "Periode houle 2"},
    {176, "Flux solaire integre", "fluxsol", "Flux solaire integre (KJ*m**-2)"},
    {200, "Mer totale", "mer", "Direction mer totale"},
    {201, nullptr, nullptr, "Periode mer totale"},
    {202, nullptr, nullptr, "Hauteur houle 1"},
    {203, nullptr, nullptr, "Hauteur houle 2"},
};

constexpr Nom COURANT_PROFOND = {49, "Courant sous la couche d'Ekman", "courant",
                                 "Courant sous la couche d'Ekman (noeud)"};

constexpr void nommer(TableParametres& table, const Nom& nom)
{
    TYPEDEF_PARAMETRE& ligne = table[nom.parametre];
    ligne.libelle = nom.libelle;
    ligne.cle = nom.cle;
    ligne.description = nom.description;
}

constexpr TableParametres construire(bool profond)
{
    TableParametres table{};
    for (unsigned i = 0; i < table.size(); ++i)
        table[i] = {i, nullptr, nullptr, nullptr};
    for (const Nom& nom : NOMS)
        nommer(table, nom);
    if (profond)
        nommer(table, COURANT_PROFOND);
    return table;
}

}  // namespace

const TableParametres ST_PARAMETRES = construire(false);
const TableParametres ST_PARAMETRES2 = construire(true);

const TYPEDEF_PARAMETRE* pLigneParametre(unsigned parametre, unsigned typeNiveau)
{
    const TableParametres& table = parametre == 49 && typeNiveau == 160 ? ST_PARAMETRES2
                                                                       : ST_PARAMETRES;
    return &table[parametre & 0xFF];
}

int iNumeroParametre(const char* libelle)
{
    if (!libelle)
        return 0;
    for (const TYPEDEF_PARAMETRE& p : ST_PARAMETRES)
        if (p.libelle && strcasecmp(p.libelle, libelle) == 0)
            return int(p.parametre);
    return 0;
}
