// The forecast times the service offers for each group of models: the run
// hours of a day, the hour from which each run can be asked for, and the
// forecast times of each run. A model's row in MODELES names its group.
#ifndef GRIBDATA_ECHEANCES_RESEAU_H
#define GRIBDATA_ECHEANCES_RESEAU_H

#include <cstdint>
#include <vector>

// Runs and time lists of one record.
constexpr int RESEAU_RUNS = 5;
constexpr int RESEAU_DISPONIBILITES = 4;
// Room for the times of one list, the -1 that ends it included.
constexpr int RESEAU_ECHEANCES = 128;

struct TYPEDEF_RESEAU {
    int32_t nombre;  // runs a day: 1, 2 or 4
    // List k belongs to the run at hour heures[k] (UTC, from today's 0 h;
    // a negative hour is the previous day's last run).
    int32_t heures[RESEAU_RUNS];
    // Run k + 1 is offered from hour disponibilites[k] (UTC) of the day.
    int32_t disponibilites[RESEAU_DISPONIBILITES];
    // Forecast times in hours, each list ended by -1.
    int32_t echeances[RESEAU_RUNS][RESEAU_ECHEANCES];
};

// Record g - 1 belongs to model group g.
constexpr int NOMBRE_RESEAUX = 13;
extern const TYPEDEF_RESEAU ECHEANCES_RESEAU[NOMBRE_RESEAUX];

// The run offered now for a model: its forecast times and its hour R
// (UTC, from today's 0 h), which turns a forecast time t into the validity
// t + R hours from today's 0 h.
struct ChoixReseau {
    bool trouve = false;  // the model has a record
    std::vector<int> echeances;
    int run = 0;
};

// The run of model `code` at UTC hour `heure` on UTC weekday `jour`
// (0 Sunday): the last catalogue row of the model that names a group
// chooses the record; the latest run already offered at that hour gives the
// list. Model 10 is published once a week: its R counts back to the
// Wednesday of the current week (from Thursday on) or of the week before.
ChoixReseau choixReseau(int code, int heure, int jour);

#endif
