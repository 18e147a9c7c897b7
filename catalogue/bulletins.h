// The bulletin tables of the request page: offshore bulletins of France
// and its overseas territories, French coastal bulletins and NAVTEX
// stations. Each row carries its label, its zone chart (the compiled-in
// picture of its button, by name, and the chart file under img/, with the
// chart button's number) and pairs {object code, button number}; a null
// label ends each table. Button numbers: offshore 4000 to 4499, coastal
// 4500 to 4999, NAVTEX 5000 to 6999; a zone chart button carries the
// number of its row's first bulletin + 9.
#ifndef CATALOGUE_BULLETINS_H
#define CATALOGUE_BULLETINS_H

struct TYPEDEF_PAIRE_BULLETIN {
    const char* code;  // null: none
    int numero;        // 0 with a null code
};

struct TYPEDEF_BULLETIN_LARGE {
    const char* libelle;
    int groupe;  // 0 mainland and Atlantic, 1 Indian Ocean and New Caledonia, 2 Polynesia
    const char* image;    // compiled-in picture of the chart button, or null
    const char* fichier;  // chart file under img/, or null
    int numeroCarte;      // the chart button's number, 0 without a chart
    TYPEDEF_PAIRE_BULLETIN paires[3];  // regular, special, English
};

struct TYPEDEF_BULLETIN_COTE {
    const char* libelle;
    const char* image;
    const char* fichier;
    int numeroCarte;
    TYPEDEF_PAIRE_BULLETIN paires[2];  // regular, safety bulletin
};

// A NAVTEX row: the label holds the NAVAREA right-aligned in two
// characters, a blank, the country code, a blank and the station; no
// station has a chart. The pairs: the forecast, the warning (an important
// warning in NAVAREA 11), the vital warning (sent with the second).
struct TYPEDEF_BULLETIN_NAVTEX {
    const char* libelle;
    const char* image;
    const char* fichier;
    int numeroCarte;
    TYPEDEF_PAIRE_BULLETIN paires[3];
};

extern const TYPEDEF_BULLETIN_LARGE BULLETINS_LARGE[];
extern const TYPEDEF_BULLETIN_COTE BULLETINS_COTES[];
extern const TYPEDEF_BULLETIN_NAVTEX BULLETINS_NAVTEX[];

#endif
