// Bringing a file into memory: mapped when plain, decompressed by its
// extension, read whole when it cannot be mapped.
#include "gribdata/fichier_grib.h"

#include "gribdata/decompression.h"
#include "gribdata/ouverture_ordinaire.h"
#include "gribdata/projections.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <strings.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The extension of the last path component, from its last full stop.
const char* extension(const char* nom)
{
    const char* base = std::strrchr(nom, '/');
    const char* point = std::strrchr(base ? base : nom, '.');
    return point ? point : "";
}

unsigned char* lireEntier(const char* nom, unsigned int& longueur)
{
    bool refuse = false;
    FILE* f = pfOuvrirFichierOrdinaire(nom, "rb", refuse);
    struct stat st;
    if (!f)
        return nullptr;
    if (fstat(fileno(f), &st) != 0 || st.st_size >= TAILLE_GRIB_MAX) {
        std::fclose(f);
        return nullptr;
    }
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

// The file mapped read-only: only the pages the scan touches are read; the
// mapping is recorded with the open file (gribdata/projections.h). Null
// when it cannot be mapped (the caller reads it instead).
const unsigned char* projeter(const char* nom, unsigned int& longueur, size_t& projection)
{
    bool refuse = false;
    const int fd = iOuvrirOrdinaire(nom, refuse);
    if (fd < 0)
        return nullptr;
    struct stat st;
    void* p = MAP_FAILED;
    if (fstat(fd, &st) == 0 && st.st_size > 0 && st.st_size < TAILLE_GRIB_MAX)
        p = mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    Projection inscrite;
    inscrite.debut = static_cast<const unsigned char*>(p);
    inscrite.taille = size_t(st.st_size);
    inscrite.fd = fd;
    inscrite.octets = st.st_size;
    inscrite.modification = st.st_mtim;
    vInscrireProjection(inscrite);
    projection = size_t(st.st_size);
    longueur = (unsigned int)st.st_size;
    return static_cast<const unsigned char*>(p);
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
    } else if (!(buffer = projeter(name, n, projection_))) {
        buffer = lireEntier(name, n);
    }
    length = buffer ? n : 0;
}
