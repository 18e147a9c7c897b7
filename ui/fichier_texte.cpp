#include "ui/fichier_texte.h"

#include "ui/fichier_ordinaire.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace {

struct Fermeture {
    void operator()(FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<FILE, Fermeture>;

int iErreur()
{
    return errno ? errno : EIO;
}

}  // namespace

int iLireFichierTexte(const char* chemin, std::string& octets)
{
    octets.clear();
    errno = 0;
    // A folder, a FIFO or a device is refused without blocking.
    bool refuse = false;
    Fichier f(pfOuvrirFichierOrdinaire(chemin, "rb", refuse));
    struct stat s;
    if (!f || fstat(fileno(f.get()), &s) != 0)
        return iErreur();
    if (size_t(s.st_size) > TAILLE_TEXTE_MAX)
        return EFBIG;
    octets.reserve(size_t(s.st_size));
    // The file may grow while it is read: the bound holds all the same.
    char bloc[1 << 16];
    for (size_t n; (n = std::fread(bloc, 1, sizeof bloc, f.get())) > 0;) {
        if (octets.size() + n > TAILLE_TEXTE_MAX)
            return octets.clear(), EFBIG;
        octets.append(bloc, n);
    }
    if (std::ferror(f.get()))
        return octets.clear(), iErreur();
    if (octets.find('\0') != std::string::npos)
        return octets.clear(), EILSEQ;
    return 0;
}

int iEcrireFichierTexte(const char* chemin, const char* octets, size_t n)
{
    const std::string temporaire = std::string(chemin) + ".tmp";
    errno = 0;
    FILE* f = std::fopen(temporaire.c_str(), "wb");
    if (!f)
        return iErreur();
    int erreur = std::fwrite(octets, 1, n, f) == n ? 0 : iErreur();
    // A full disk often shows only when the buffered end is written.
    if (std::fclose(f) != 0 && !erreur)
        erreur = iErreur();
    if (!erreur && std::rename(temporaire.c_str(), chemin) != 0)
        erreur = iErreur();
    if (erreur)
        std::remove(temporaire.c_str());
    return erreur;
}
