#include "map/tdc.h"

#include "gribdata/globales.h"

tdc* tdc1 = nullptr;
int ZOOMTDC = 1;

tdc::tdc()
{
    for (int n = 0; n < TDC_NIVEAUX; ++n) {
        chaines[n] = nullptr;
        charge[n] = 0;
        echelles[n] = TDC_ECHELLES[n];
        for (TYPEDEF_TDC_CASE*& c : carres[n])
            c = nullptr;
    }
    vChargerNiveau0();
    for (int n = 1; n < TDC_NIVEAUX; ++n)
        chaines[n] = chaines[0];
    charge[0] = 1;
}

tdc::~tdc()
{
    vJournal("<TDC>", "Destructeur\n");
    // A level that never loaded shares an earlier level's chain.
    for (int n = 0; n < TDC_NIVEAUX; ++n)
        if (charge[n])
            del(chaines[n]);
    for (int n = 0; n < TDC_NIVEAUX; ++n)
        vLibererCarres(n);
}

int tdc::del(TYPEDEF_TDC* premier)
{
    while (premier) {
        TYPEDEF_TDC* suivant = premier->suivant;
        delete[] premier->latitudes;
        delete[] premier->longitudes;
        delete premier;
        premier = suivant;
    }
    return 0;
}

int tdc::load()
{
    for (int n = 1; n < TDC_NIVEAUX; ++n)
        load_file(n);
    return 0;
}

void tdc::vLibererCarres(int niveau)
{
    for (TYPEDEF_TDC_CASE*& tete : carres[niveau]) {
        while (tete) {
            TYPEDEF_TDC_CASE* suivant = tete->suivant;
            delete tete;
            tete = suivant;
        }
    }
}
