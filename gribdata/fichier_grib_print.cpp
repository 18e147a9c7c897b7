#include "gribdata/fichier_grib.h"

#include <cstdio>

void File::print() const
{
    if (!list) {
        std::printf("Aucun message dans le fichier %s\n", name ? name : "memoire");
        return;
    }
    std::printf("type     pos    long v tbl ct mod 23 par tnv  n1/ n2 aaaammjjhh validite  "
                "p1/ p2 pro\n");
    for (const grib* g = list; g; g = g->suivant)
        printElement(g);
    std::printf("Nombre de messages dans le fichier %s : %d\n", name ? name : "memoire", count);
}

void File::printElement(const grib* g)
{
    std::printf("GRIB%8u%8u %1u %3u %2u %3u %1u%1u %3u %3u %3u/%3u %4u%2.2u%2.2u%2.2u %u %1u "
                "%3u/%3u %3u\n",
                g->position, g->longueur, unsigned(g->edition), unsigned(g->table),
                unsigned(g->centre), unsigned(g->process), unsigned(g->gds), unsigned(g->bms),
                unsigned(g->parametre), unsigned(g->typeNiveau), unsigned(g->niveau1),
                unsigned(g->niveau2), unsigned(g->annee), unsigned(g->mois), unsigned(g->jour),
                unsigned(g->heure), g->validite, unsigned(g->uniteTemps), unsigned(g->p1),
                unsigned(g->p2), unsigned(g->indicateur));
}
