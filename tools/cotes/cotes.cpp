// cotes LEVEL OUTPUT: reads the segments `gmt coast -M` writes (shorelines,
// rivers, borders, one dump after the other) on standard input and writes
// the coastline file of LEVEL (0..5), uncompressed, to OUTPUT.
#include "tools/cotes/generation.h"
#include "tools/cotes/lecture_gmt.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    const int niveau = argc == 3 ? std::atoi(argv[1]) : -1;
    if (niveau < 0 || niveau >= TDC_NIVEAUX) {
        std::fprintf(stderr, "usage: cotes LEVEL(0..5) OUTPUT < gmt-coast-dump\n");
        return 2;
    }
    std::vector<Morceau> morceaux;
    std::string erreur;
    if (!bLireGmt(std::cin, morceaux, erreur)) {
        std::fprintf(stderr, "cotes: %s\n", erreur.c_str());
        return 1;
    }
    BilanGeneration b;
    const std::string octets = sGenererNiveau(niveau, morceaux, b);
    std::ofstream sortie(argv[2], std::ios::binary | std::ios::trunc);
    sortie.write(octets.data(), std::streamsize(octets.size()));
    sortie.close();
    if (!sortie) {
        std::fprintf(stderr, "cotes: cannot write %s\n", argv[2]);
        return 1;
    }
    std::fprintf(stderr,
                 "level %d: %zu pieces, %d rings (%d polar, %d left open), %d lines; "
                 "%d records, %ld points, %d parts dropped; %zu bytes\n",
                 niveau, morceaux.size(), b.assemblage.anneaux, b.assemblage.polaires,
                 b.assemblage.ouverts, b.assemblage.lignes, b.enregistrements, b.points,
                 b.rejetes, octets.size());
    return b.assemblage.ouverts ? 1 : 0;
}
