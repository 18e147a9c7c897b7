#include "gribdata/echeances_reseau.h"

#include "gribdata/modeles.h"

#include <initializer_list>

namespace {

// Hours from `de` to `a` by `pas`.
struct Plage {
    int de, a, pas;
};
using Liste = std::initializer_list<Plage>;

void vRemplir(int32_t (&liste)[RESEAU_ECHEANCES], Liste plages)
{
    int n = 0;
    for (const Plage& p : plages)
        for (int h = p.de; h <= p.a && n < RESEAU_ECHEANCES - 1; h += p.pas)
            liste[n++] = h;
    liste[n] = -1;
}

// One record; a list given as empty stays empty.
TYPEDEF_RESEAU reseau(int nombre, std::initializer_list<int> heures,
                      std::initializer_list<int> disponibilites,
                      std::initializer_list<Liste> listes)
{
    TYPEDEF_RESEAU r{};
    r.nombre = nombre;
    int i = 0;
    for (int h : heures)
        r.heures[i++] = h;
    i = 0;
    for (int d : disponibilites)
        r.disponibilites[i++] = d;
    i = 0;
    for (Liste l : listes)
        vRemplir(r.echeances[i++], l);
    for (; i < RESEAU_RUNS; ++i)
        vRemplir(r.echeances[i], {});
    return r;
}

// A record of two runs a day whose three lists are the same.
TYPEDEF_RESEAU deuxRuns(int dispo0, int dispo1, Liste liste)
{
    return reseau(2, {-12, 0, 12, 0, 0}, {dispo0, dispo1, 0, 0}, {liste, liste, liste, {}, {}});
}

// A record of four runs a day.
TYPEDEF_RESEAU quatreRuns(std::initializer_list<int> dispo, std::initializer_list<Liste> listes)
{
    return reseau(4, {-6, 0, 6, 12, 18}, dispo, listes);
}

}  // namespace

const TYPEDEF_RESEAU ECHEANCES_RESEAU[NOMBRE_RESEAUX] = {
    quatreRuns({4, 11, 15, 23}, {{{0, 12, 1}, {15, 36, 3}},
                                 {{0, 12, 1}, {15, 54, 3}},
                                 {{0, 12, 1}, {15, 48, 3}},
                                 {{0, 12, 1}, {15, 42, 3}},
                                 {{0, 12, 1}, {15, 36, 3}}}),
    quatreRuns({3, 11, 16, 23}, {{{0, 30, 1}}, {{0, 30, 1}}, {{0, 30, 1}}, {{0, 30, 1}},
                                 {{0, 30, 1}}}),
    deuxRuns(9, 21, {{0, 120, 3}, {126, 240, 6}}),
    quatreRuns({4, 11, 15, 22}, {{{0, 54, 3}, {60, 60, 1}},
                                 {{0, 54, 3}, {60, 102, 6}},
                                 {{0, 54, 3}, {60, 72, 6}},
                                 {{0, 54, 3}, {60, 84, 6}},
                                 {{0, 54, 3}, {60, 60, 1}}}),
    deuxRuns(7, 18, {{0, 24, 3}, {30, 84, 6}}),
    deuxRuns(4, 15, {{0, 48, 3}}),
    deuxRuns(5, 17, {{0, 48, 3}, {54, 72, 6}}),
    reseau(1, {0, 0, 0, 0, 0}, {24, 0, 0, 0}, {{{24, 240, 24}}}),
    deuxRuns(4, 16, {{6, 72, 6}}),
    deuxRuns(7, 19, {{0, 120, 3}, {126, 240, 6}}),
    quatreRuns({5, 11, 17, 22}, {{{0, 192, 3}}, {{0, 192, 3}}, {{0, 192, 3}}, {{0, 192, 3}},
                                 {{0, 192, 3}}}),
    quatreRuns({4, 11, 15, 22}, {{{0, 12, 1}, {15, 54, 3}, {60, 60, 1}},
                                 {{0, 12, 1}, {15, 54, 3}, {60, 102, 6}},
                                 {{0, 12, 1}, {15, 54, 3}, {60, 72, 6}},
                                 {{0, 12, 1}, {15, 54, 3}, {60, 84, 6}},
                                 {{0, 12, 1}, {15, 54, 3}, {60, 60, 1}}}),
    deuxRuns(5, 18, {{0, 54, 1}}),
};

ChoixReseau choixReseau(int code, int heure, int jour)
{
    ChoixReseau choix;
    const TYPEDEF_RESEAU* r = nullptr;
    for (const TYPEDEF_MODELE* m = MODELES; m->libelleCourt; ++m)
        if (m->code == code && m->groupe >= 1 && m->groupe <= NOMBRE_RESEAUX)
            r = &ECHEANCES_RESEAU[m->groupe - 1];
    if (!r)
        return choix;
    int k = 0;
    if (heure >= r->disponibilites[0])
        for (k = 1; k < r->nombre && k < RESEAU_DISPONIBILITES && r->disponibilites[k] <= heure;)
            ++k;
    choix.trouve = true;
    choix.run = r->heures[k];
    for (const int32_t* t = r->echeances[k]; *t >= 0; ++t)
        choix.echeances.push_back(*t);
    if (code == 10)
        choix.run = jour > 3 ? (3 - jour) * 24 : (-4 - jour) * 24;
    return choix;
}
