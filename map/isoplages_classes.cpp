// Steps, references and class counts of the colour bands.
#include "map/isoplages.h"

#include "map/classes_bandes.h"

#include "gribdata/globales.h"

#include <cstdint>

namespace {

int iBorne(int64_t v)
{
    return v > ISOPLAGES_MAXIMUM ? ISOPLAGES_MAXIMUM : v < -ISOPLAGES_MAXIMUM ? -ISOPLAGES_MAXIMUM : int(v);
}

// Classes between the reference and a value on one side of it, the class
// of the reference included.
int iClasses(int64_t depuis, int64_t jusque, int pas)
{
    return iBorne((jusque - depuis) / pas + 1);
}

// Many classes share the widest span; a side of fewer than two classes
// keeps its span and counts one.
void vEtendue(int& nombre, int& etendue, int beaucoup, int ordinaire)
{
    if (nombre >= beaucoup)
        etendue = 252;
    else if (nombre < 2)
        nombre = 1;
    else
        etendue = ordinaire;
}

bool bAutomatique(isoplages::Famille f)
{
    return f == isoplages::COUCHE || f == isoplages::AUTRE;
}

}  // namespace

void isoplages::vPasReference(int& pas, int& reference) const
{
    switch (famille(parametre)) {
    case PRESSION: pas = pressionPas, reference = pressionReference; break;
    case TEMPERATURE: pas = temperaturePas, reference = temperatureReference; break;
    case VENT: pas = ventPas, reference = ventReference; break;
    case COURANT: pas = courantPas, reference = courantReference; break;
    case HUMIDITE: pas = humiditePas, reference = humiditeReference; break;
    case PLUIE: pas = pluiePas, reference = pluieReference; break;
    case COUCHE: pas = couchePas, reference = coucheReference; break;
    case VAGUE: pas = vaguePas, reference = vagueReference; break;
    case PERIODE: pas = periodePas, reference = periodeReference; break;
    case AUTRE: pas = autoPas, reference = autoReference; break;
    }
}

bool isoplages::bClassesBeaufort() const
{
    return famille(parametre) == VENT && ventPas == ISOPLAGES_CLASSES;
}

bool isoplages::bClassesMer() const
{
    return famille(parametre) == VAGUE && vaguePas == ISOPLAGES_CLASSES;
}

// A step of 0 or less would divide by zero in every class computation: such
// a field gets no bands and no labels, and one log line until it changes.
bool isoplages::bPasUtilisables()
{
    int pas, reference;
    vPasReference(pas, reference);
    bool bon = bClassesBeaufort() || bClassesMer() || pas > 0;
    if (famille(parametre) == COUCHE)
        bon = bon && autoPas > 0;
    if (!bon && !pasSignale_)
        vJournal("<FDCGRIB>", "isoplages : pas %d du parametre %d, pas de plages\n",
                 famille(parametre) == COUCHE && pas > 0 ? autoPas : pas, parametre);
    pasSignale_ = !bon;
    return bon;
}

// The automatic reference and step, chosen from the first view of the
// field and kept: half the range and a twentieth of it (for the solar flux
// a multiple of 100000).
void isoplages::vNombresAutomatiques(int minimum, int maximum)
{
    const int64_t etendue = int64_t(maximum) - minimum;
    autoReference = int(etendue / 2);
    autoPas = int(etendue / 20);
    if (parametre == 176)
        autoPas = autoPas / 100000 * 100000;
}

void isoplages::vNombresDeClasses(int minimum, int maximum)
{
    const Famille f = famille(parametre);
    int pas, reference;
    vPasReference(pas, reference);
    if (bAutomatique(f)) {
        nombreChaud = iClasses(autoReference, maximum, autoPas);
        nombreFroid = iClasses(minimum, autoReference, autoPas);
    } else if (bClassesBeaufort() || bClassesMer()) {
        const bool vent = f == VENT;
        const int r = vent ? ventForceReference : vagueClasseReference;
        const float mn = float(minimum * facteurAffichage), mx = float(maximum * facteurAffichage);
        nombreChaud = (vent ? iForceBeaufort(mx) : iClasseMer(mx)) - r + 1;
        nombreFroid = r - (vent ? iForceBeaufort(mn) : iClasseMer(mn)) + 1;
    } else {
        const int dessous = iClasses(minimum, reference, pas);
        const int dessus = iClasses(reference, maximum, pas);
        nombreChaud = f == PRESSION ? dessous : dessus;
        nombreFroid = f == PRESSION ? dessus : dessous;
    }
    vEtendues();
}

void isoplages::vEtendues()
{
    vEtendue(nombreChaud, etendueChaude, 165, 164);
    vEtendue(nombreFroid, etendueFroide, 129, 128);
}
