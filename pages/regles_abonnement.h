// What the automation panel decides without a widget: the days the field
// holds, the automation line a choice writes and the title it shows.
#ifndef PAGES_REGLES_ABONNEMENT_H
#define PAGES_REGLES_ABONNEMENT_H

#include <string>

// The panel's full height, folded height and the days field's range.
constexpr int ABONNEMENT_HAUTEUR = 114;
constexpr int ABONNEMENT_PLIE = 28;
constexpr int ABONNEMENT_JOURS_MAX = 360;

// The days of the field's value: its whole part brought into 0 to 360; a
// value that is not a number counts as 0.
int iJoursAbonnement(double valeur);

// The choices of the panel.
enum ChoixAbonnement { ABONNEMENT_UNIQUE, ABONNEMENT_PENDANT, ABONNEMENT_PERMANENT,
                       ABONNEMENT_SUPPRIMER };

// The automation text after "A ": "1" for a single request (also for
// "Pendant" 0 days), the days for "Pendant", "X" every day, "0" to delete.
std::string texteAbonnement(ChoixAbonnement choix, int jours);

// The title says "Oui" unless the field is 0 and neither "Tous les
// jours" nor "Supprimer automatisations" is pressed.
bool bAbonnementActif(int jours, bool permanent, bool supprimer);

#endif
