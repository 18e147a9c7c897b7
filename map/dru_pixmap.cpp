#include "map/dru_pixmap.h"

#include "gribdata/globales.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

const char* const TAG = "<PIXMAP>";

// Bounds of a sane pixmap: the drawn world map is 10,800 x 5,400.
const int COTE_MAX = 65536;
const long long PIXELS_MAX = 1LL << 31;

char* nouvelleLigne(size_t n)
{
    char* ligne = new char[n ? n : 1];
    return ligne;
}

// A line array of h rows of w bytes with the given header and colours.
char** nouvellesLignes(const char* entete, const char* couleurs, int ncolors, int h)
{
    char** lignes = new char*[size_t(h) + 2];
    lignes[0] = nouvelleLigne(PIXMAP_ENTETE + 1);
    std::memcpy(lignes[0], entete, PIXMAP_ENTETE);
    lignes[0][PIXMAP_ENTETE] = 0;
    lignes[1] = nouvelleLigne(size_t(-ncolors) * 4);
    std::memcpy(lignes[1], couleurs, size_t(-ncolors) * 4);
    for (int i = 0; i < h; ++i)
        lignes[i + 2] = nullptr;
    return lignes;
}

long long tailleAttendue(int w, int h, int ncolors)
{
    return PIXMAP_ENTETE + 4LL * -ncolors + (long long)w * h;
}

}  // namespace

int iEntetePixmap(const char* entete, int& w, int& h, int& ncolors, int& cpp)
{
    w = h = ncolors = cpp = 0;
    if (!entete)
        return 0;
    char texte[PIXMAP_ENTETE + 1];
    std::memcpy(texte, entete, PIXMAP_ENTETE);
    texte[PIXMAP_ENTETE] = 0;
    if (std::sscanf(texte, "%d%d%d%d", &w, &h, &ncolors, &cpp) != 4)
        return 0;
    return w > 0 && h > 0 && w <= COTE_MAX && h <= COTE_MAX &&
           (long long)w * h <= PIXELS_MAX && ncolors < 0 && ncolors >= -256 && cpp == 1;
}

Dru_Pixmap::Dru_Pixmap(char** lignes) : data(lignes)
{
    if (data)
        infos();
}

Dru_Pixmap::Dru_Pixmap(const char* image, size_t longueur)
{
    if (!image)
        return;
    int w, h, nc, cpp;
    const bool entete = longueur >= size_t(PIXMAP_ENTETE) && iEntetePixmap(image, w, h, nc, cpp);
    if (!entete || (long long)longueur < tailleAttendue(w, h, nc)) {
        vJournal(TAG, "<dru_pixmap> *ERREUR* W:%d H:%d col:%d pixel:%d octets:%zu\n",
                 entete ? w : 0, entete ? h : 0, entete ? nc : 0, entete ? cpp : 0, longueur);
        return;
    }
    data = nouvellesLignes(image, image + PIXMAP_ENTETE, nc, h);
    const char* rangee = image + PIXMAP_ENTETE + 4 * size_t(-nc);
    for (int i = 0; i < h; ++i, rangee += w) {
        data[i + 2] = nouvelleLigne(size_t(w));
        std::memcpy(data[i + 2], rangee, size_t(w));
    }
    infos();
}

Dru_Pixmap::~Dru_Pixmap()
{
    free();
}

void Dru_Pixmap::infos()
{
    const int sain = data ? iEntetePixmap(data[0], W, H, NCOLORS, CPP) : 0;
    if (sain) {
        vJournal(TAG, "<dru_pixmap::infos> W:%d H:%d col:%d pixel:%d\n", W, H, NCOLORS, CPP);
        return;
    }
    vJournal(TAG, "<dru_pixmap::infos> *ERREUR* W:%d H:%d col:%d pixel:%d\n", W, H, NCOLORS,
             CPP);
    data = nullptr;
    W = H = NCOLORS = CPP = 0;
}

void Dru_Pixmap::free()
{
    if (data) {
        for (int i = 0; i < H + 2; ++i)
            delete[] data[i];
        delete[] data;
    }
    data = nullptr;
    W = H = NCOLORS = CPP = 0;
}

void Dru_Pixmap::free(char** lignes)
{
    if (!lignes)
        return;
    int w = 0, h = 0;
    if (lignes[0]) {
        char texte[PIXMAP_ENTETE + 1];
        std::memcpy(texte, lignes[0], PIXMAP_ENTETE);
        texte[PIXMAP_ENTETE] = 0;
        if (std::sscanf(texte, "%d%d", &w, &h) != 2 || h < 0)
            h = 0;
    }
    for (int i = 0; i < h + 2; ++i)
        delete[] lignes[i];
    delete[] lignes;
}

char** Dru_Pixmap::read(const char* chemin)
{
    FILE* f = chemin ? std::fopen(chemin, "rb") : nullptr;
    if (!f)
        return nullptr;
    struct stat st;
    char entete[PIXMAP_ENTETE];
    int w, h, nc, cpp;
    const bool lu = fstat(fileno(f), &st) == 0 &&
                    std::fread(entete, 1, PIXMAP_ENTETE, f) == size_t(PIXMAP_ENTETE);
    if (!lu || !iEntetePixmap(entete, w, h, nc, cpp) || st.st_size < tailleAttendue(w, h, nc)) {
        vJournal(TAG, "<dru_pixmap::read> *ERREUR* %s\n", chemin);
        std::fclose(f);
        return nullptr;
    }
    char couleurs[256 * 4];
    bool complet = std::fread(couleurs, 4, size_t(-nc), f) == size_t(-nc);
    char** lignes = nouvellesLignes(entete, couleurs, nc, h);
    for (int i = 0; i < h && complet; ++i) {
        lignes[i + 2] = nouvelleLigne(size_t(w));
        complet = std::fread(lignes[i + 2], 1, size_t(w), f) == size_t(w);
    }
    std::fclose(f);
    if (!complet) {
        // The lines not read are still null, which free() skips.
        vJournal(TAG, "<dru_pixmap::read> *ERREUR* %s tronque\n", chemin);
        free(lignes);
        return nullptr;
    }
    return lignes;
}

int Dru_Pixmap::write(char** lignes, const char* chemin)
{
    int w, h, nc, cpp;
    if (!lignes || !iEntetePixmap(lignes[0], w, h, nc, cpp))
        return -1;
    FILE* f = chemin ? std::fopen(chemin, "wb") : nullptr;
    if (!f)
        return -1;
    bool ok = std::fwrite(lignes[0], 1, PIXMAP_ENTETE, f) == size_t(PIXMAP_ENTETE) &&
              std::fwrite(lignes[1], 4, size_t(-nc), f) == size_t(-nc);
    for (int i = 0; i < h && ok; ++i)
        ok = std::fwrite(lignes[i + 2], 1, size_t(w), f) == size_t(w);
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        vJournal(TAG, "<dru_pixmap::write> *ERREUR* %s\n", chemin);
    return ok ? 0 : -1;
}
