#include "map/zones.h"

#include "ui/local.h"

const TYPEDEF_ZONE ZONES[] = {
    {CLE_LOCAL("MONDE"), 0, 0, 180},
    {CLE_LOCAL("EUROPE"), 45, 15, 30},
    {CLE_LOCAL("FRANCE"), 46, 1.5, 12},
    {CLE_LOCAL("Cap Horn"), -57, -65, 15},
    {CLE_LOCAL("Bonne Espérance"), -35, 22, 10},
    {CLE_LOCAL("Cap Leeuwin"), -35, 118, 10},
    {CLE_LOCAL("Terre-Neuve"), 49, -55, 20},
    {CLE_LOCAL("Antilles"), 15, -65, 30},
    {CLE_LOCAL("POLYNESIE"), -17, -150.5, 3},
    {CLE_LOCAL("Hawaii"), 21, -157, 6},
    {CLE_LOCAL("CALEDONIE"), -21, 165, 15},
    {CLE_LOCAL("REUNION"), -21, 55.5, 4},
    {CLE_LOCAL("Seychelles"), -4.67, 55.47, 1.2},
    {CLE_LOCAL("Mayotte"), -12.77, 45.14, 1.2},
    {CLE_LOCAL("Maldives"), 4.19, 73.5, 4},
    {CLE_LOCAL("Kerguelen"), -49.3, 69.3, 5},
    {CLE_LOCAL("Ile Amsterdam"), -37.85, 77.54, 2},
    {CLE_LOCAL("Sainte-Hélène"), -16, -5.7, 1.8},
    {nullptr, 0, 0, 0},
};

int iNombreZones()
{
    int n = 0;
    while (ZONES[n].nom)
        ++n;
    return n;
}
