// Writes a land mask file from the land classes of its grid's nodes:
//     masque_grille NAME NORTH SOUTH WEST EAST STEP CLASSES FOLDER
// CLASSES holds one byte per node (0 water, 1 land), rows from the north,
// west to east, as `gmt grd2xyz -ZTLc` writes a gridline-registered grid;
// FOLDER/img/NAME.msk receives the seven-value header and the packed bits,
// then is read back as the program reads it and its land counted again.
#include "gribdata/bit.h"
#include "map/masque.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

unsigned long milliemes(double degres, double decale)
{
    return (unsigned long)std::llround((degres + decale) * 1000);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 9) {
        std::cerr << "usage: masque_grille NAME NORTH SOUTH WEST EAST STEP CLASSES FOLDER\n";
        return 2;
    }
    const std::string nom = argv[1];
    const double n = std::atof(argv[2]), s = std::atof(argv[3]), w = std::atof(argv[4]),
                 e = std::atof(argv[5]), pas = std::atof(argv[6]);
    const unsigned long ncols = std::lround((e - w) / pas) + 1, nrows = std::lround((n - s) / pas) + 1;
    std::ifstream f(argv[7], std::ios::binary);
    const std::vector<char> classes{std::istreambuf_iterator<char>(f), {}};
    if (classes.size() != ncols * nrows) {
        std::cerr << argv[7] << ": " << classes.size() << " nodes, " << ncols * nrows
                  << " expected\n";
        return 1;
    }
    Bit b(0, nullptr);
    for (unsigned long v : {milliemes(n, 90), milliemes(w, 180), milliemes(pas, 0),
                            milliemes(pas, 0), 0ul, ncols, nrows})
        b.write(v, 32);
    int terre = 0;
    for (char c : classes) {
        b.write(c == 1, 1);
        terre += c == 1;
    }
    const std::string chemin = std::string(argv[8]) + "/img/" + nom + ".msk";
    std::ofstream(chemin, std::ios::binary)
        .write((const char*)b.tostring(), std::streamsize((b.tellmax() + 7) / 8));

    if (chdir(argv[8]) != 0)
        return 1;
    Masque m(nom.c_str());
    const int relu = m.iGetPoints(n, s, w, e, pas);
    std::cout << chemin << ": " << ncols << " x " << nrows << ", " << terre << " land nodes, "
              << relu << " read back\n";
    return m.ouverture == 0 && relu == terre ? 0 : 1;
}
