#include "catalogue/images_produits.h"

TYPEDEF_SATELLITE SATELLITES[] = {
    {"MONDE", "SAT_GLOBE2", nullptr, 1012, 216, 80, 0, 90, -90, -180, 360},
    {"EUROPE", "SAT_EUROPE", nullptr, 1006, 95, 62, -8, 60, 30, -25, 30},
    {"FRANCE", "SAT_FRANCE", nullptr, 1007, 223, 50, 6, 53, 36, -12, 20},
    {"AFRIQUE", "SAT_AFRIQUE", nullptr, 1001, 63, 10, 20, 30, -35, -30, 75},
    {"CALEDONIE", "SAT_CALEDONIE", nullptr, 1004, 223, -20, 162, 0, -40, 140, 210},
    {"OCEANIE", "SAT_OCEANIE", nullptr, 1008, 95, -10, 130, 20, -50, 80, 170},
    {"AMERIQUE_DU_NORD", "SAT_AMERIQUE_NORD", nullptr, 1002, 223, 50, -80, 70, 10, -130, -35},
    {"CARAIBES", "SAT_CARAIBES", nullptr, 1005, 248, 23, -60, 30, 5, -90, -30},
    {"AMERIQUE_DU_SUD", "SAT_AMERIQUE_SUD", nullptr, 1003, 95, -30, -60, 10, -70, -120, -20},
    {"ASIE", "SAT_ASIE", nullptr, 1013, 248, 15, 80, 30, -20, 30, 120},
    {"POLYNESIE", "SAT_POLYNESIE", nullptr, 1010, 63, -12, -150, 0, -40, -180, -120},
    {"REUNION", "SAT_REUNION", nullptr, 1011, 223, -18, 55, -5, -40, 30, 80},
    {nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0},
};

TYPEDEF_PREISO PREISOS[] = {
    {"Isofront", "ISOFRONT", nullptr, 255, 2001, 35, -25, 70, 20, -80, 40},
    {"Preiso12", "PREISO12", nullptr, 255, 2002, 35, -70, 70, 20, -80, 40},
    {"Preiso24", "PREISO24", nullptr, 255, 2003, 30, -70, 70, 20, -80, 40},
    {"Preiso36", "PREISO36", nullptr, 255, 2004, 40, -30, 70, 20, -80, 40},
    {"Preiso48", "PREISO48", nullptr, 255, 2005, 35, -30, 70, 20, -80, 40},
    {nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0},
};
