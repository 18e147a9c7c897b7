#include "ui/jours_mois.h"

#include "ui/local.h"

const char* const pc_Fr_Jours[7] = {
    CLE_LOCAL("Dimanche"), CLE_LOCAL("Lundi"),    CLE_LOCAL("Mardi"),  CLE_LOCAL("Mercredi"),
    CLE_LOCAL("Jeudi"),    CLE_LOCAL("Vendredi"), CLE_LOCAL("Samedi"),
};

const char* const pc_Fr_Mois[12] = {
    CLE_LOCAL("Janvier"), CLE_LOCAL("Fevrier"),   CLE_LOCAL("Mars"),    CLE_LOCAL("Avril"),
    CLE_LOCAL("Mai"),     CLE_LOCAL("Juin"),      CLE_LOCAL("Juillet"), CLE_LOCAL("Aout"),
    CLE_LOCAL("Septembre"), CLE_LOCAL("Octobre"), CLE_LOCAL("Novembre"), CLE_LOCAL("Decembre"),
};
