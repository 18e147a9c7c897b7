// Lists and decodes GRIB files the way the viewer does, for the tests and
// the benchmarks:
//
//   gribtool list FILE     one line per record, in list order
//   gribtool data FILE N   "lat lon value" for each point of record N (1-based)
//   gribtool max FILE      the largest value of each record, decoding them all
//   gribtool index FILE    "offset length" of every message (GRIB, BUFR, QX1)
//   gribtool decode FILE N "lat lon value" for each point of message N (file
//                          order, through the codes library's decoder);
//                          without N, the largest value of every message
//   gribtool repack IN OUT every message of IN decoded and written again to
//                          OUT by the codes library's encoder
//   gribtool interp FILE   the time interpolation of FILE into lockdir/ of
//                          the current folder; the output's path comes last
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/globales.h"
#include "gribdata/projections.h"
#include "tools/gribtool_codec.h"
#include "tools/gribtool_ecriture.h"
#include "tools/gribtool_texte.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: gribtool list FILE | data FILE N | max FILE | index FILE | "
                         "decode FILE [N] | repack IN OUT | interp FILE\n");
    return 2;
}

bool ouvrir(File& f, const char* nom)
{
    f.set(nom);
    if (!f.buffer) {
        std::fprintf(stderr, "gribtool: cannot read %s\n", nom);
        return false;
    }
    return true;
}

int lister(const char* nom)
{
    File f;
    if (!ouvrir(f, nom))
        return 1;
    for (const grib* g = f.list; g; g = g->suivant)
        std::printf("%u %u %u %u %u %u %d %u %u %u %u %u\n", g->position, g->longueur,
                    unsigned(g->centre), unsigned(g->process), unsigned(g->parametre),
                    unsigned(g->typeNiveau), File::iGetNiveau(g), unsigned(g->uniteTemps),
                    unsigned(g->p1), unsigned(g->p2), unsigned(g->indicateur), g->validite);
    return 0;
}

// Degrees of point k along an axis from its first to its last point.
double coordonnee(int premier, int dernier, int n, int k)
{
    return n > 1 ? (premier + double(dernier - premier) * k / (n - 1)) / 1000.0
                 : premier / 1000.0;
}

// "%.3f " of every point of an axis, each written once for all the lines
// that show it.
std::vector<std::string> textesAxe(int premier, int dernier, int n)
{
    std::vector<std::string> textes(size_t(n > 0 ? n : 0));
    char texte[64];
    for (int k = 0; k < n; ++k) {
        std::snprintf(texte, sizeof texte, "%.3f ", coordonnee(premier, dernier, n, k));
        textes[size_t(k)] = texte;
    }
    return textes;
}

int afficherPoints(const Grib& champ)
{
    const std::vector<std::string> lats = textesAxe(champ.la1, champ.la2, champ.nj);
    const std::vector<std::string> lons = textesAxe(champ.lo1, champ.lo2, champ.ni);
    SortieTexte sortie(stdout);
    for (int j = 0; j < champ.nj; ++j) {
        for (int i = 0; i < champ.ni; ++i) {
            sortie.vTexte(lats[size_t(j)]);
            sortie.vTexte(lons[size_t(i)]);
            const float v = champ.valeurs[size_t(j) * size_t(champ.ni) + size_t(i)];
            if (v == GRIB_ABSENT) {
                sortie.vTexte("missing\n", 8);
            } else {
                sortie.vReel9(double(v));
                sortie.vTexte("\n", 1);
            }
        }
    }
    return 0;
}

int donnees(const char* nom, const char* numero)
{
    File f;
    if (!ouvrir(f, nom))
        return 1;
    char* fin = nullptr;
    const long n = std::strtol(numero, &fin, 10);
    const grib* g = f.list;
    for (long k = 1; g && k < n; ++k)
        g = g->suivant;
    if (*fin != '\0' || n < 1 || !g) {
        std::fprintf(stderr, "gribtool: %s holds no record %s\n", nom, numero);
        return 1;
    }
    Grib champ;
    if (int code = iDecoderEnregistrement(champ, *g)) {
        std::fprintf(stderr, "gribtool: record %ld refused, code %d\n", n, code);
        return 3;
    }
    return afficherPoints(champ);
}

int maxima(const char* nom)
{
    File f;
    if (!ouvrir(f, nom))
        return 1;
    int refus = 0;
    Grib champ;
    for (const grib* g = f.list; g; g = g->suivant) {
        if (int code = iDecoderEnregistrement(champ, *g)) {
            std::printf("refused %d\n", code);
            refus = 3;
            continue;
        }
        // A new maximum is rare: test it first, the absent value after.
        const float moinsInfini = -std::numeric_limits<float>::infinity();
        float max = moinsInfini;
        const long n = long(champ.ni) * champ.nj;
        for (long k = 0; k < n; ++k) {
            const float v = champ.valeurs[k];
            if (v > max && v != GRIB_ABSENT)
                max = v;
        }
        if (max == moinsInfini)
            std::printf("missing\n");
        else
            std::printf("%.9g\n", double(max));
    }
    return refus;
}

}  // namespace

int main(int argc, char** argv)
{
    // The decompressors' activity lines must not mix with the output.
    pfRemplacerJournal(stderr);
    if (argc == 3 && std::strcmp(argv[1], "list") == 0)
        return lister(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "data") == 0)
        return donnees(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "max") == 0)
        return maxima(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "index") == 0)
        return iCommandeIndex(argv[2]);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "decode") == 0)
        return iCommandeDecode(argv[2], argc == 4 ? argv[3] : nullptr);
    if (argc == 4 && std::strcmp(argv[1], "repack") == 0)
        return iCommandeRepack(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "interp") == 0)
        return iCommandeInterp(argv[2]);
    return usage();
}
