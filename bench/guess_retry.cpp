#include "guess_retry.h"

#include <algorithm>
#include <bzlib.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <zlib.h>

namespace {

const uint64_t MORCEAU = uint64_t(1) << 30;

char* copieExacte(const char* tampon, uint64_t taille, unsigned int& n)
{
    char* copie = new char[taille];
    std::memcpy(copie, tampon, taille);
    n = unsigned(taille);
    return copie;
}

}  // namespace

char* gzipParEssais(const char* file, unsigned int& n)
{
    struct stat st;
    if (stat(file, &st) != 0)
        return nullptr;
    const uint64_t S = uint64_t(st.st_size);
    for (uint64_t k = n;; ++k) {
        if (k >= 100)
            return nullptr;
        const uint64_t capacite = k * S;
        char* tampon = new char[capacite];
        gzFile g = gzopen(file, "rb");
        if (!g) {
            delete[] tampon;
            return nullptr;
        }
        // The same input buffer as gzip(), so only the retries differ.
        gzbuffer(g, 128 * 1024);
        uint64_t lus = 0;
        int r = 0;
        while (lus < capacite &&
               (r = gzread(g, tampon + lus, unsigned(std::min(capacite - lus, MORCEAU)))) > 0)
            lus += uint64_t(r);
        const bool fin = gzeof(g);
        gzclose(g);
        if (fin) {
            char* resultat = copieExacte(tampon, lus, n);
            delete[] tampon;
            return resultat;
        }
        delete[] tampon;
    }
}

char* bzip2ParEssais(const char* file, unsigned int& n)
{
    FILE* f = std::fopen(file, "rb");
    if (!f)
        return nullptr;
    struct stat st;
    fstat(fileno(f), &st);
    const uint64_t S = uint64_t(st.st_size);
    for (uint64_t k = n;; ++k) {
        if (k >= 100) {
            std::fclose(f);
            return nullptr;
        }
        const uint64_t capacite = k * S;
        char* tampon = new char[capacite];
        int code = BZ_OK;
        BZFILE* b = BZ2_bzReadOpen(&code, f, 0, 0, nullptr, 0);
        if (code != BZ_OK) {
            delete[] tampon;
            std::fclose(f);
            return nullptr;
        }
        uint64_t lus = 0;
        while (code == BZ_OK && lus < capacite) {
            int r = BZ2_bzRead(&code, b, tampon + lus, int(std::min(capacite - lus, MORCEAU)));
            lus += uint64_t(std::max(r, 0));
        }
        int fermeture;
        BZ2_bzReadClose(&fermeture, b);
        if (code == BZ_STREAM_END) {
            std::fclose(f);
            char* resultat = copieExacte(tampon, lus, n);
            delete[] tampon;
            return resultat;
        }
        std::rewind(f);
        delete[] tampon;
    }
}
