// When the request page's send button may be active: one rule, taken from
// what the page shows each time it is asked, whatever changed last.
#ifndef PAGES_REGLES_ENVOI_H
#define PAGES_REGLES_ENVOI_H

// Which request the send button sends: the GRIB page's, the packages
// page's (a GRIB request too), or the bulletin request (the bulletin,
// image and route pages).
enum GenreEnvoi { ENVOI_GRIB, ENVOI_FORFAIT, ENVOI_BULLETINS };

struct EtatEnvoi {
    GenreEnvoi genre = ENVOI_GRIB;
    bool zone = false;              // a request frame is drawn
    int modele = 0;                 // the GRIB request's model; 0 none
    bool dansLimites = false;       // its estimate neither empty nor too large
    bool deplacementRefuse = false; // a moving zone its model refused
    bool forfait = false;           // a package button is down
    bool produits = false;          // the bulletin request holds chosen or loaded codes
};

// GRIB page: a frame, a model, an estimate within the limits and no moving
// zone the model refused. Packages page: a package chosen, with its model.
// Bulletin request: codes to ask for.
bool bEnvoiPermis(const EtatEnvoi& etat);

#endif
