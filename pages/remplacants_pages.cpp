// Stand-ins for the zone panel's and the viewer's operations that the map
// calls, until those panels are built.
#include "pages/vr.h"

void vr::setCoordonneesGauche() {}
void vr::setCoordonneesHaut() {}
void vr::setCoordonneesDroit() {}
void vr::setCoordonneesBas() {}
void vr::setCoordonneesPlus() {}
void vr::setCoordonneesMoins() {}
