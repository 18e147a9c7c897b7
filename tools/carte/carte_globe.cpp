// Makes the drawn world map img/globe.pl.gz from a land/water class grid
// (one byte per pixel, northern row first, from 180 W: 0 sea, 1 land,
// 2 lake, 3 island in a lake, 4 pond on such an island), as GMT's
// grdlandmask writes it from GSHHG (see fabriquer_globe.sh).
//
// The sea and the lakes darken with the distance to their shore: open
// water then holds a few hundred kilobytes of detail, which keeps the
// file's compression ratio well under what the program's decompressor
// accepts. Water within a few pixels of a shore, and all land, keep the
// palette's own colours.
//
//     carte_globe <classes.raw> <width> <height> <globe.pl.gz> [preview.ppm]
//
// The preview is the map at one pixel in 10, for the splash image.
#include "gribdata/decompression.h"
#include "map/dru_pixmap.h"
#include "ui/palette.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <zlib.h>

namespace {

const int CLASSES = 5;
const int BANDES = 8;
// Distance to the shore, in pixels x 3, at which each darker band begins.
const int SEUILS[BANDES - 1] = {4 * 3, 12 * 3, 30 * 3, 60 * 3, 120 * 3, 200 * 3, 320 * 3};
const double ASSOMBRISSEMENT = 0.055;
const unsigned FACTEUR_LIMITE = 99;

struct Grille {
    int w, h;
    std::vector<unsigned char> v;
    unsigned char& at(int x, int y) { return v[size_t(y) * size_t(w) + size_t(x)]; }
};

// Two-pass chamfer distance (3 straight, 4 diagonal) to the nearest pixel
// of another class; the grid wraps east-west, so the passes run twice to
// carry distances across the seam.
std::vector<int> distances(Grille& g)
{
    const int INF = 1 << 29;
    std::vector<int> d(g.v.size(), INF);
    auto D = [&](int x, int y) -> int& {
        return d[size_t(y) * size_t(g.w) + size_t((x + g.w) % g.w)];
    };
    for (int y = 0; y < g.h; ++y)
        for (int x = 0; x < g.w; ++x) {
            const unsigned char c = g.at(x, y);
            if (g.at((x + 1) % g.w, y) != c || g.at((x + g.w - 1) % g.w, y) != c ||
                (y > 0 && g.at(x, y - 1) != c) || (y + 1 < g.h && g.at(x, y + 1) != c))
                D(x, y) = 0;
        }
    for (int tour = 0; tour < 2; ++tour) {
        for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x) {
                int& c = D(x, y);
                c = std::min(c, D(x - 1, y) + 3);
                if (y > 0)
                    c = std::min({c, D(x, y - 1) + 3, D(x - 1, y - 1) + 4, D(x + 1, y - 1) + 4});
            }
        for (int y = g.h - 1; y >= 0; --y)
            for (int x = g.w - 1; x >= 0; --x) {
                int& c = D(x, y);
                c = std::min(c, D(x + 1, y) + 3);
                if (y + 1 < g.h)
                    c = std::min({c, D(x, y + 1) + 3, D(x + 1, y + 1) + 4, D(x - 1, y + 1) + 4});
            }
    }
    return d;
}

int bande(int distance)
{
    return int(std::upper_bound(SEUILS, SEUILS + BANDES - 1, distance) - SEUILS);
}

char caractere(int classe, int b)
{
    return char('A' + classe * BANDES + b);
}

// The binary colour table: every class in every band, water darkened.
std::string tableCouleurs()
{
    skins();
    const Fl_Color bases[CLASSES] = {FL_MER, FL_TERRE, FL_LAC, FL_ILE, FL_ETANG};
    std::string table;
    for (int c = 0; c < CLASSES; ++c)
        for (int b = 0; b < BANDES; ++b) {
            const bool eau = c == 0 || c == 2;
            const double f = 1.0 - (eau ? ASSOMBRISSEMENT * b : 0.0);
            table += caractere(c, b);
            for (int decalage : {24, 16, 8})
                table += char(int(((bases[c] >> decalage) & 0xFF) * f + 0.5));
        }
    return table;
}

bool ecrireGz(const std::string& chemin, const std::string& entete, const std::string& couleurs,
              const std::vector<char>& pixels)
{
    gzFile f = gzopen(chemin.c_str(), "wb9");
    if (!f)
        return false;
    bool ok = gzwrite(f, entete.data(), unsigned(entete.size())) == int(entete.size()) &&
              gzwrite(f, couleurs.data(), unsigned(couleurs.size())) == int(couleurs.size());
    const size_t bloc = 1 << 20;
    for (size_t i = 0; ok && i < pixels.size(); i += bloc) {
        const unsigned n = unsigned(std::min(bloc, pixels.size() - i));
        ok = gzwrite(f, pixels.data() + i, n) == int(n);
    }
    return gzclose(f) == Z_OK && ok;
}

// The file must load as the program loads it.
bool verifier(const std::string& chemin, int w, int h)
{
    unsigned int n = 3;
    char* tampon = gzip(chemin.c_str(), n);
    if (!tampon)
        return false;
    Dru_Pixmap carte(tampon, n);
    delete[] tampon;
    return carte.data && carte.W == w && carte.H == h;
}

// One pixel in `pas` of the map, as a binary PPM.
bool apercu(const std::string& chemin, const Grille& g, const std::vector<char>& pixels,
            const std::string& couleurs, int pas)
{
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f, "P6 %d %d 255\n", g.w / pas, g.h / pas);
    for (int y = 0; y < g.h / pas; ++y)
        for (int x = 0; x < g.w / pas; ++x) {
            const char c = pixels[size_t(y * pas) * size_t(g.w) + size_t(x * pas)];
            std::fwrite(&couleurs[size_t(c - 'A') * 4 + 1], 1, 3, f);
        }
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s classes.raw largeur hauteur globe.pl.gz [apercu.ppm]\n",
                     argv[0]);
        return 2;
    }
    Grille g{std::atoi(argv[2]), std::atoi(argv[3]), {}};
    std::ifstream entree(argv[1], std::ios::binary);
    g.v.assign(std::istreambuf_iterator<char>(entree), {});
    if (g.w <= 0 || g.h <= 0 || g.v.size() != size_t(g.w) * size_t(g.h)) {
        std::fprintf(stderr, "%s: %zu octets pour %d x %d\n", argv[1], g.v.size(), g.w, g.h);
        return 1;
    }
    const std::vector<int> d = distances(g);
    std::vector<char> pixels(g.v.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int c = std::min<int>(g.v[i], CLASSES - 1);
        pixels[i] = caractere(c, (c == 0 || c == 2) ? bande(d[i]) : 0);
    }
    std::string entete(PIXMAP_ENTETE, '\0');
    std::snprintf(&entete[0], PIXMAP_ENTETE, "%d %d %d %d", g.w, g.h, -CLASSES * BANDES, 1);
    const std::string couleurs = tableCouleurs();
    if (!ecrireGz(argv[4], entete, couleurs, pixels) || !verifier(argv[4], g.w, g.h)) {
        std::fprintf(stderr, "%s: écriture ou relecture impossible\n", argv[4]);
        return 1;
    }
    if (argc == 6 && !apercu(argv[5], g, pixels, couleurs, 10)) {
        std::fprintf(stderr, "%s: écriture impossible\n", argv[5]);
        return 1;
    }
    std::FILE* f = std::fopen(argv[4], "rb");
    std::fseek(f, 0, SEEK_END);
    const long taille = std::ftell(f);
    std::fclose(f);
    const double rapport = double(PIXMAP_ENTETE + CLASSES * BANDES * 4 + pixels.size()) / taille;
    std::printf("%s: %ld octets, rapport %.1f (limite %u)\n", argv[4], taille, rapport,
                FACTEUR_LIMITE);
    return rapport < FACTEUR_LIMITE ? 0 : 1;
}
