#include "catalogue/objets_produits.h"

#include "catalogue/metareas.h"
#include "catalogue/bulletins.h"
#include "catalogue/images_produits.h"

#include <cstring>

namespace {

void vMetarea(int numero, ObjetsProduit& o)
{
    const TYPEDEF_METAREA* m = pMetareaNumero(GMDSS, numero);
    if (m && m->bulletins)
        for (char** b = m->bulletins; *b; ++b)
            o.codes.push_back(*b);
}

template <typename Ligne>
void vImage(const Ligne* table, int numero, ObjetsProduit& o)
{
    for (const Ligne* l = table; l->libelle; ++l)
        if (l->numero == numero && l->code)
            o.codes.push_back(l->code);
}

// Every pair of every row that carries the number; with `suite`, the
// second pair of a row brings the row's third along.
template <typename Ligne>
void vPaires(const Ligne* table, int numero, bool suite, ObjetsProduit& o)
{
    const int n = int(sizeof table->paires / sizeof table->paires[0]);
    for (const Ligne* l = table; l->libelle; ++l)
        for (int i = 0; i < n; ++i) {
            const TYPEDEF_PAIRE_BULLETIN& p = l->paires[i];
            if (p.numero != numero || !p.code)
                continue;
            o.codes.push_back(p.code);
            if (suite && i == 1 && n > 2 && l->paires[2].numero != 0 && l->paires[2].code)
                o.codes.push_back(l->paires[2].code);
        }
}

}  // namespace

ObjetsProduit objetsProduit(int numero)
{
    ObjetsProduit o;
    if (numero <= 999)
        vMetarea(numero, o);
    else if (numero <= 1999)
        o.volume = 30, vImage(SATELLITES, numero, o);
    else if (numero <= 2999)
        o.volume = 60, vImage(PREISOS, numero, o);
    else if (numero <= 3999)
        ;
    else if (numero <= 4499)
        vPaires(BULLETINS_LARGE, numero, false, o);
    else if (numero <= 4999)
        o.unique = true, vPaires(BULLETINS_COTES, numero, false, o);
    else if (numero <= 6999)
        vPaires(BULLETINS_NAVTEX, numero, true, o);
    return o;
}

ProduitCode produitCode(const char* code)
{
    ProduitCode p;
    if (!code)
        return p;
    for (const TYPEDEF_SATELLITE* l = SATELLITES; l->libelle; ++l)
        if (l->code && std::strcmp(l->code, code) == 0)
            return p.volume = 30, p;
    for (const TYPEDEF_PREISO* l = PREISOS; l->libelle; ++l)
        if (l->code && std::strcmp(l->code, code) == 0)
            return p.volume = 60, p;
    for (const TYPEDEF_MAILLON* c = GMDSS ? GMDSS->premier : nullptr; c; c = c->suivant) {
        const TYPEDEF_METAREA* m = pMetarea(c);
        for (char** b = m && m->numero ? m->bulletins : nullptr; b && *b; ++b)
            if (std::strcmp(*b, code) == 0)
                return p.metarea = m->numero, p;
    }
    return p;
}

const char* pcFichierCarteZones(unsigned numero)
{
    if (numero % 10 != 9)
        return nullptr;
    if (numero >= 4000 && numero <= 4499) {
        for (const TYPEDEF_BULLETIN_LARGE* l = BULLETINS_LARGE; l->libelle; ++l)
            if (l->fichier && unsigned(l->numeroCarte) == numero)
                return l->fichier;
    } else if (numero >= 4500 && numero <= 4999) {
        for (const TYPEDEF_BULLETIN_COTE* l = BULLETINS_COTES; l->libelle; ++l)
            if (l->fichier && unsigned(l->numeroCarte) == numero)
                return l->fichier;
    }
    return nullptr;
}
