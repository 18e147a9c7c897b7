#include "tests/map/outils_carte.h"

#include "gribdata/decompression.h"
#include "map/dru_pixmap.h"

#include <cstdio>
#include <cstring>

char** lignesPixmap(int w, int h, int ncolors,
                    const std::function<unsigned char(int, int)>& octet)
{
    char** lignes = new char*[size_t(h) + 2];
    lignes[0] = new char[PIXMAP_ENTETE + 1]();
    std::snprintf(lignes[0], PIXMAP_ENTETE, "%d %d %d %d", w, h, -ncolors, 1);
    lignes[1] = new char[size_t(ncolors) * 4];
    for (int i = 0; i < ncolors; ++i) {
        lignes[1][4 * i] = char('a' + i);
        lignes[1][4 * i + 1] = char(10 * i);
        lignes[1][4 * i + 2] = char(20 * i);
        lignes[1][4 * i + 3] = char(30 * i);
    }
    for (int y = 0; y < h; ++y) {
        lignes[y + 2] = new char[size_t(w)];
        for (int x = 0; x < w; ++x)
            lignes[y + 2][x] = char(octet(x, y));
    }
    return lignes;
}

std::string fichierPixmap(int w, int h, int ncolors,
                          const std::function<unsigned char(int, int)>& octet)
{
    char** lignes = lignesPixmap(w, h, ncolors, octet);
    std::string fichier(lignes[0], PIXMAP_ENTETE);
    fichier.append(lignes[1], size_t(ncolors) * 4);
    for (int y = 0; y < h; ++y)
        fichier.append(lignes[y + 2], size_t(w));
    Dru_Pixmap::free(lignes);
    return fichier;
}

std::string donneeTest(const std::string& nom)
{
    return std::string(QUENBREL_SOURCE_DIR) + "/tests/data/carte/" + nom;
}

Dru_Pixmap* pixmapMonde()
{
    unsigned int n = 3;
    char* tampon = gzip(donneeTest("globe1.pl.gz").c_str(), n);
    if (!tampon)
        return nullptr;
    Dru_Pixmap* carte = new Dru_Pixmap(tampon, n);
    delete[] tampon;
    return carte;
}
