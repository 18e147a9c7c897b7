// Stand-ins for the request panels' operations that the map calls, until
// the panels are built.
#include "pages/vr.h"

void vr::setCoordonneesGauche() {}
void vr::setCoordonneesHaut() {}
void vr::setCoordonneesDroit() {}
void vr::setCoordonneesBas() {}
void vr::setCoordonneesPlus() {}
void vr::setCoordonneesMoins() {}
void vr::vRequeteurCopyRequete() {}
