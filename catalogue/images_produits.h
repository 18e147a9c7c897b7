// The picture products of a bulletin request: satellite pictures by region
// (button numbers 1001 to 1013) and pre-isobar and front charts (2001 to
// 2005). Each row: the label (a catalogue key), the object code, the
// product's button once the image page has built it, the button number and
// the frame colour (in the other order for the charts), the label point
// and the area the map frames. A null label ends each table.
#ifndef CATALOGUE_IMAGES_PRODUITS_H
#define CATALOGUE_IMAGES_PRODUITS_H

class classeBoutonImage;

struct TYPEDEF_SATELLITE {
    const char* libelle;
    const char* code;
    classeBoutonImage* bouton;  // set at run time
    int numero;
    int couleur;  // toolkit colour index
    double lat, lon;
    double nord, sud, ouest, est;
};

struct TYPEDEF_PREISO {
    const char* libelle;
    const char* code;
    classeBoutonImage* bouton;
    int couleur;
    int numero;
    double lat, lon;
    double nord, sud, ouest, est;
};

extern TYPEDEF_SATELLITE SATELLITES[];
extern TYPEDEF_PREISO PREISOS[];

#endif
