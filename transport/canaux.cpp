#include "transport/canaux.h"

#include "transport/service_http.h"

TYPEDEF_HTTP structHTTP[HTTP_CANAUX];

namespace {

// Never freed: a transfer thread that outlives the main window may still
// read its slot.
int handles[HTTP_CANAUX];

unsigned generation(unsigned lien)
{
    return lien >> 2;
}

unsigned lien(unsigned generation, unsigned etat)
{
    return generation << 2 | etat;
}

}  // namespace

void vInitialiserCanaux()
{
    ARRET_TRANSFERTS = 0;
    for (int i = 0; i < HTTP_CANAUX; ++i) {
        handles[i] = i;
        structHTTP[i].etat = 0;
        structHTTP[i].handle = &handles[i];
        structHTTP[i].popup = nullptr;
        structHTTP[i].bouton = nullptr;
    }
}

int iReserverCanal()
{
    for (int i = 0; i < HTTP_CANAUX; ++i) {
        TYPEDEF_HTTP& c = structHTTP[i];
        if (c.etat.load() != 0)
            continue;
        c.attente = c.connexionAffichee = c.fin = 0;
        c.phase = PHASE_RIEN;
        c.pourcent = c.attendu = c.recus = 0;
        c.debit = c.duree = 0.0;
        c.ligne[0] = c.hote[0] = 0;
        c.lien = lien(generation(c.lien.load()) + 1, LIEN_ATTENTE);
        c.etat = 1;
        return i;
    }
    return -1;
}

LienCanal lienCanal(int index)
{
    if (index < 0 || index >= HTTP_CANAUX)
        return {};
    return {index, generation(structHTTP[index].lien.load())};
}

bool bLierCanal(LienCanal l)
{
    if (l.index < 0 || l.index >= HTTP_CANAUX)
        return false;
    unsigned attendu = lien(l.generation, LIEN_ATTENTE);
    return structHTTP[l.index].lien.compare_exchange_strong(attendu,
                                                            lien(l.generation, LIEN_LIE));
}

int iLierCanalLibre()
{
    for (int i = 0; i < HTTP_CANAUX; ++i) {
        TYPEDEF_HTTP& c = structHTTP[i];
        unsigned vu = c.lien.load();
        if (c.etat.load() == 1 && (vu & 3) == LIEN_ATTENTE &&
            c.lien.compare_exchange_strong(vu, lien(generation(vu), LIEN_LIE)))
            return i;
    }
    return -1;
}

bool bCanalLie(int index)
{
    return (structHTTP[index].lien.load() & 3) == LIEN_LIE;
}

void vFinirCanal(LienCanal l, int phase)
{
    if (l.index >= 0 && l.index < HTTP_CANAUX)
        structHTTP[l.index].phase.store(phase);
}

bool bAbandonnerCanal(int index)
{
    unsigned vu = structHTTP[index].lien.load();
    if ((vu & 3) != LIEN_ATTENTE)
        return false;
    return structHTTP[index].lien.compare_exchange_strong(vu, lien(generation(vu), LIEN_ABANDON));
}

void vLibererCanal(int index)
{
    structHTTP[index].etat = 0;
}
