#include "map/zones.h"

const TYPEDEF_ZONE ZONES[] = {
    {"MONDE", 0, 0, 180},
    {"EUROPE", 45, 15, 30},
    {"FRANCE", 46, 1.5, 12},
    {"Cap Horn", -57, -65, 15},
    {"Bonne Espérance", -35, 22, 10},
    {"Cap Leeuwin", -35, 118, 10},
    {"Terre-Neuve", 49, -55, 20},
    {"Antilles", 15, -65, 30},
    {"POLYNESIE", -17, -150.5, 3},
    {"Hawaii", 21, -157, 6},
    {"CALEDONIE", -21, 165, 15},
    {"REUNION", -21, 55.5, 4},
    {"Seychelles", -4.67, 55.47, 1.2},
    {"Mayotte", -12.77, 45.14, 1.2},
    {"Maldives", 4.19, 73.5, 4},
    {"Kerguelen", -49.3, 69.3, 5},
    {"Ile Amsterdam", -37.85, 77.54, 2},
    {"Sainte-Hélène", -16, -5.7, 1.8},
    {nullptr, 0, 0, 0},
};

int iNombreZones()
{
    int n = 0;
    while (ZONES[n].nom)
        ++n;
    return n;
}
