#include "ui/fichier_texte.h"

#include "gribdata/ouverture_ordinaire.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

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

int iLireFichierBorne(const char* chemin, std::string& octets, size_t maximum)
{
    octets.clear();
    errno = 0;
    // A folder, a FIFO or a device is refused without blocking.
    bool refuse = false;
    Fichier f(pfOuvrirFichierOrdinaire(chemin, "rb", refuse));
    struct stat s;
    if (!f || fstat(fileno(f.get()), &s) != 0)
        return iErreur();
    if (size_t(s.st_size) > maximum)
        return EFBIG;
    octets.reserve(size_t(s.st_size));
    // The file may grow while it is read: the bound holds all the same.
    char bloc[1 << 16];
    for (size_t n; (n = std::fread(bloc, 1, sizeof bloc, f.get())) > 0;) {
        if (octets.size() + n > maximum)
            return octets.clear(), EFBIG;
        octets.append(bloc, n);
    }
    if (std::ferror(f.get()))
        return octets.clear(), iErreur();
    return 0;
}

int iLireFichierTexte(const char* chemin, std::string& octets)
{
    if (const int erreur = iLireFichierBorne(chemin, octets, TAILLE_TEXTE_MAX))
        return erreur;
    if (octets.find('\0') != std::string::npos)
        return octets.clear(), EILSEQ;
    return 0;
}

namespace {

// The file a path names: through its symbolic links (a dangling one
// included), so that saving writes beside the file and not over the link.
std::string sCible(const char* chemin)
{
    std::string cible = chemin;
    for (int lien = 0; lien < 40; ++lien) {
        char lu[PATH_MAX];
        const ssize_t n = readlink(cible.c_str(), lu, sizeof lu - 1);
        if (n < 0)
            break;
        lu[n] = 0;
        const size_t barre = cible.rfind('/');
        cible = lu[0] == '/' || barre == std::string::npos ? std::string(lu)
                                                           : cible.substr(0, barre + 1) + lu;
    }
    return cible;
}

}  // namespace

int iEcrireFichierTexte(const char* chemin, const char* octets, size_t n, std::string* echec)
{
    const std::string cible = sCible(chemin);
    const std::string temporaire = cible + ".tmp";
    struct stat ancien;
    const bool existe = stat(cible.c_str(), &ancien) == 0;
    errno = 0;
    FILE* f = std::fopen(temporaire.c_str(), "wb");
    if (!f) {
        if (echec)
            *echec = temporaire;
        return iErreur();
    }
    int erreur = std::fwrite(octets, 1, n, f) == n ? 0 : iErreur();
    // The saved file keeps the mode the old one had.
    if (!erreur && existe && fchmod(fileno(f), ancien.st_mode & 07777) != 0)
        erreur = iErreur();
    // A full disk often shows only when the buffered end is written.
    if (std::fclose(f) != 0 && !erreur)
        erreur = iErreur();
    const std::string* enCause = &temporaire;
    if (!erreur && std::rename(temporaire.c_str(), cible.c_str()) != 0) {
        erreur = iErreur();
        enCause = &cible;
    }
    if (erreur) {
        std::remove(temporaire.c_str());
        if (echec)
            *echec = *enCause;
    }
    return erreur;
}
