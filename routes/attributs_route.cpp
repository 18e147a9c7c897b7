#include "routes/attributs_route.h"

#include "routes/classe_route.h"

#include "codes/texte_journal.h"
#include "gribdata/globales.h"

#include <algorithm>

namespace {

struct Borne {
    const char* nom;
    int classeRoute::*champ;
    int max;
};

const Borne BORNES[] = {
    {"visible", &classeRoute::visible, 1},
    {"symbole", &classeRoute::symbole, ROUTE_SYMBOLES - 1},
    {"style", &classeRoute::style, ROUTE_STYLES - 1},
    {"taille", &classeRoute::taille, ROUTE_TAILLES - 1},
    {"texte", &classeRoute::texte, 1},
    {"vitesseFixe", &classeRoute::vitesseFixe, 1},
    {"histogramme", &classeRoute::histogramme, 1},
};

int iRamener(const classeRoute& r, const char* origine, const char* nom, int& champ, int min,
             int max)
{
    const int v = std::clamp(champ, min, max);
    if (v == champ)
        return 0;
    vJournal("<ROUTE>", "%s, route %s: %s %d devient %d\n", origine, sTexteJournal(r.nom).c_str(),
             nom, champ, v);
    champ = v;
    return 1;
}

}  // namespace

int iBornerAttributs(classeRoute& r, const char* origine)
{
    int n = 0;
    for (const Borne& b : BORNES)
        n += iRamener(r, origine, b.nom, r.*b.champ, 0, b.max);
    const int positions = r.premier ? r.dernierNumero + 1 : 0;
    n += iRamener(r, origine, "actif", r.actif, -positions, positions);
    const unsigned couleur = unsigned(r.couleur);
    if (couleur > 0xFF && (couleur & 0xFF)) {
        r.couleur = int(couleur & ~0xFFu);
        vJournal("<ROUTE>", "%s, route %s: couleur %u devient %u\n", origine,
                 sTexteJournal(r.nom).c_str(), couleur,
                 unsigned(r.couleur));
        ++n;
    }
    return n;
}
