// The catalogue of the forecast models the service offers: their codes in
// requests and files, domains, grid steps and the parameters that can be
// asked of each. Read by the map's labels, the request model and the
// request pages.
#ifndef GRIBDATA_MODELES_H
#define GRIBDATA_MODELES_H

#include <array>
#include <cstdint>
#include <vector>

// Grid steps a model offers.
constexpr int MAILLES = 6;
// Room for the parameter names of a model, the null that ends them included.
constexpr int MODELE_PARAMETRES = 16;

struct TYPEDEF_MODELE {
    int32_t groupe;             // forecast-time record + 1; 0: none
    const char* libelleCourt;   // button label; null ends the table
    const char* libelleLong;
    int32_t centre;             // GRIB originating centre
    int32_t code;               // GRIB process number of the model
    // Flag mask, also read as the button colour: 0 not offered as a
    // button; 223 gives a green label.
    uint32_t masque;
    float nord, sud, ouest, est;  // domain, degrees; nord 90: global
    std::array<float, MAILLES> mailles;  // degrees, 0 where none
    std::array<const char*, MODELE_PARAMETRES> parametres;  // null-ended
};

// Row 0 is the "null" placeholder, never offered; an all-zero row ends it.
constexpr int NOMBRE_MODELES = 26;
extern const TYPEDEF_MODELE MODELES[NOMBRE_MODELES];

// The first and the last row (placeholder left out) whose code is `code`;
// null when none. Labels name a file's model by the first; requests take
// the last.
const TYPEDEF_MODELE* pPremierModele(int code);
const TYPEDEF_MODELE* pDernierModele(int code);

// The rows offered as buttons, in table order.
std::vector<const TYPEDEF_MODELE*> modelesProposes();

#endif
