#include "tools/gribtool_codec.h"

#include "codes/grib_get.h"
#include "codes/ibfile.h"
#include "tools/gribtool_grilles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void vValeur(float v)
{
    if (v == CLASS_GRIB_BASE::f_valeur_absente)
        std::printf(" missing");
    else
        std::printf(" %.9g", (double)v);
}

int iAfficher(const CLASS_GRIB_GET& g)
{
    const std::vector<PointGrille> points = vPointsGrille(g);
    const bool matrices = g.ppf_stg_matrices != nullptr;
    // One line a grid point; without a grid, one a value; never more
    // lines than values decoded.
    const unsigned long valeurs = matrices ? g.ui_mv_nombre_matrices : g.ui_s4_valeurs_decodees;
    const unsigned long n =
        std::min<unsigned long>(g.ui_nombre_points ? g.ui_nombre_points : valeurs, valeurs);
    if (n == 0) {
        std::fprintf(stderr, "gribtool: no value decoded\n");
        return 3;
    }
    const unsigned long taille = (unsigned long)g.ui_mv_nr * g.ui_mv_nc;
    for (unsigned long k = 0; k < n; ++k) {
        if (k < points.size())
            std::printf("%.3f %.3f", points[k].lat, points[k].lon);
        else
            std::printf("- -");
        if (!matrices)
            vValeur(g.pf_stg_valeurs[k]);
        else if (!g.ppf_stg_matrices[k])
            std::printf(" missing");
        else
            for (unsigned long v = 0; v < taille; ++v)
                vValeur(g.ppf_stg_matrices[k][v]);
        std::printf("\n");
    }
    return 0;
}

// The largest present value, or "missing": the decoder keeps the largest
// code it took, whose value is the field's maximum.
void vMaximum(const CLASS_GRIB_GET& g)
{
    const unsigned long n = g.ui_s4_valeurs_decodees;
    bool present = false;
    for (unsigned long k = 0; g.pf_stg_valeurs && k < n && !present; ++k)
        present = g.pf_stg_valeurs[k] != CLASS_GRIB_BASE::f_valeur_absente;
    if (present)
        std::printf("%.9g\n", (double)(float)g.d_stg_maximum);
    else
        std::printf("missing\n");
}

bool bDecoder(CLASS_CODES_IBFILE& f, CLASS_GRIB_GET& g, int n)
{
    const unsigned long longueur = f.ulGet(n);
    if (longueur == 0)
        return false;
    g.vMessage(f.puc_message, (unsigned int)longueur);
    return g.iGet(0) == 0;
}

}  // namespace

int iCommandeIndex(const char* nom)
{
    CLASS_CODES_IBFILE f;
    if (f.iOpen(nom, 0) < 0)
        return 1;
    for (int k = 1; k <= f.i_nombre; ++k) {
        STRUCT_FILE_MESSAGE d;
        f.iGetDescription(d, k);
        std::printf("%lu %lu\n", (unsigned long)d.ulOffset(), (unsigned long)d.ulLongueur());
    }
    return 0;
}

int iCommandeDecode(const char* nom, const char* numero)
{
    CLASS_CODES_IBFILE f;
    f.vProjeter(true);
    if (f.iOpen(nom, 0) != 0)
        return 1;
    CLASS_GRIB_GET g;
    if (!numero) {
        int refus = 0;
        for (int k = 1; k <= f.i_nombre; ++k)
            if (bDecoder(f, g, k)) {
                vMaximum(g);
            } else {
                std::printf("refused\n");
                refus = 3;
            }
        return refus;
    }
    char* fin = nullptr;
    const long n = std::strtol(numero, &fin, 10);
    if (*fin != '\0' || n < 1 || n > f.i_nombre) {
        std::fprintf(stderr, "gribtool: %s holds no message %s\n", nom, numero);
        return 1;
    }
    if (!bDecoder(f, g, (int)n)) {
        std::fprintf(stderr, "gribtool: message %ld refused\n", n);
        return 3;
    }
    return iAfficher(g);
}
