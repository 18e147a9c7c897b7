// Stand-ins for the request and viewer panels' operations that the map
// calls, until the panels are built.
#include "pages/vr.h"

void vr::setCoordonneesGauche() {}
void vr::setCoordonneesHaut() {}
void vr::setCoordonneesDroit() {}
void vr::setCoordonneesBas() {}
void vr::setCoordonneesPlus() {}
void vr::setCoordonneesMoins() {}
void vr::vRequeteurCopyRequete() {}
void vr::vBoutonVisualisateurEcheancesNextCallback(Fl_Widget*, void*) {}
void vr::vBoutonVisualisateurEcheancesPreviousCallback(Fl_Widget*, void*) {}
