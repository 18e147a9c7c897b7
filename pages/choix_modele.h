// Which models of the catalogue hold the request frame, without a
// display: the model buttons to enable or disable, the model to switch to
// when the chosen one no longer holds the frame, the model of a
// predefined package, and whether a product's area meets the frame.
#ifndef PAGES_CHOIX_MODELE_H
#define PAGES_CHOIX_MODELE_H

#include "pages/regles_zone.h"

#include <vector>

struct TYPEDEF_MODELE;

// What the frame does to one model button.
enum { BOUTON_INCHANGE, BOUTON_ACTIVE, BOUTON_DESACTIVE };

struct ChoixModele {
    std::vector<int> boutons;  // per offered row: BOUTON_*
    int candidat = 0;          // the last row that holds the frame; 0: none
    bool abandonne = false;    // the pressed model does not hold it
    // The pressed model was left while a moving zone is on: the map says
    // so and nothing is switched.
    bool horsLimites = false;
    // The code the frame fits (0: none, or left with a moving zone).
    int resultat = 0;
};

// The longitude shift the domains are compared with: -360 for a frame
// west of -180, +360 for one reaching 180 or beyond, else 0.
double dDecalageCadre(const CadreZone& cadre);

// The model's domain is global or holds the frame, its west and east
// shifted by `decalage`.
bool bDomaineContient(const TYPEDEF_MODELE& modele, const CadreZone& cadre, double decalage);

// The offered rows against the frame: `enfonces` tells which of their
// buttons are down; `deplacement` that a moving zone is on, which leaves
// the buttons that do not fit as they are.
ChoixModele choixModele(const CadreZone& cadre, const std::vector<const TYPEDEF_MODELE*>& lignes,
                        const std::vector<bool>& enfonces, bool deplacement);

// Packages: of the models 1, 51 and 8 that hold the frame, the last in
// the catalogue's order; its code with a package digit below 3, else 1;
// 1 when none holds it.
int iModeleForfait(const CadreZone& cadre, int chiffre);

// A product's area strictly overlaps the frame, the area tried as it is
// and 360 degrees either way (a frame and an area on two sides of the
// antimeridian still meet).
bool bZoneTouche(const CadreZone& zone, const CadreZone& cadre);

#endif
