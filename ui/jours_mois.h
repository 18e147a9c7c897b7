// French day and month names, the catalogue keys of the dates the clock and
// the map's labels write; each is shown through its translation.
#ifndef UI_JOURS_MOIS_H
#define UI_JOURS_MOIS_H

// Indexed by the day of the week, 0 = Sunday.
extern const char* const pc_Fr_Jours[7];
// Indexed by the month, 0 = January; written without accents.
extern const char* const pc_Fr_Mois[12];

#endif
