// Debugging listings of a decoded field.
#include "gribdata/champ_grib.h"

#include <cstdio>

namespace {

// 83 millidegrees is how a 1/12 degree mesh is written.
double degres(int millidegres)
{
    return millidegres == 83 ? 1.0 / 12 : millidegres / 1000.0;
}

}  // namespace

void Grib::print1()
{
    std::printf("   long tbl  ct mod 3 par tnv niv aammjjhhmn t ech pro\n");
}

void Grib::print() const
{
    std::printf("%7u %3d %3d %3d %1d %3d %3d %3d %2.2d%2.2d%2.2d%2.2d%2.2d %1d %3d %3d "
                "%d %d %d %d %d %d %g\n",
                longueurMessage, table, centre, process, bitmap, parametre, typeNiveau, niveau,
                anneeSiecle % 100, mois, jour, heure, minute, uniteTemps, echeance, indicateur,
                ni, nj, la1, lo1, la2, lo2, reference);
}

void Grib::printdcmp() const
{
    print1();
    print();
    std::printf("Ni %d Nj %d La1 %.3f Lo1 %.3f La2 %.3f Lo2 %.3f Di %.4f Dj %.4f bits %u\n", ni,
                nj, la1 / 1000.0, lo1 / 1000.0, la2 / 1000.0, lo2 / 1000.0, degres(di),
                degres(dj), unsigned(bitsParValeur));
    if (!valeurs)
        return;
    for (long k = 0; k < long(ni) * nj; ++k)
        std::printf("%g%c", double(valeurs[k]), (k + 1) % ni == 0 ? '\n' : ' ');
}
