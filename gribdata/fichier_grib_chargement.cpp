// Reading a file whole into memory, decompressing it by its extension.
#include "gribdata/fichier_grib.h"

#include "gribdata/decompression.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <strings.h>
#include <sys/stat.h>

namespace {

// Larger files are not forecasts from the service.
const long long TAILLE_MAX = 2048000000LL;

// The extension of the last path component, from its last full stop.
const char* extension(const char* nom)
{
    const char* base = std::strrchr(nom, '/');
    const char* point = std::strrchr(base ? base : nom, '.');
    return point ? point : "";
}

unsigned char* lireEntier(const char* nom, unsigned int& longueur)
{
    struct stat st;
    if (stat(nom, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size >= TAILLE_MAX)
        return nullptr;
    FILE* f = std::fopen(nom, "rb");
    if (!f)
        return nullptr;
    const size_t taille = size_t(st.st_size);
    unsigned char* tampon = new (std::nothrow) unsigned char[taille ? taille : 1];
    if (tampon && std::fread(tampon, 1, taille, f) != taille) {
        delete[] tampon;
        tampon = nullptr;
    }
    std::fclose(f);
    if (tampon)
        longueur = (unsigned int)taille;
    return tampon;
}

}  // namespace

void File::charger()
{
    // Received files may carry their extension in capitals.
    const char* ext = extension(name);
    unsigned int n = 0;  // the decompressors' first guess: the file's own size
    if (strcasecmp(ext, ".bz2") == 0) {
        buffer = reinterpret_cast<unsigned char*>(bzip2(name, n));
    } else if (strcasecmp(ext, ".gz") == 0) {
        buffer = reinterpret_cast<unsigned char*>(gzip(name, n));
    } else {
        buffer = lireEntier(name, n);
    }
    length = buffer ? n : 0;
}
