// The interpolation's input: a working copy of the opened file, which the
// viewer may delete meanwhile, decompressed when it is a ".bz2" or ".gz".
#include "gribdata/interpolation.h"

#include "codes/logerr.h"
#include "gribdata/decompression.h"
#include "gribdata/fichiers.h"
#include "gribdata/globales.h"

#include <climits>
#include <memory>
#include <string>
#include <strings.h>
#include <unistd.h>

namespace {

const char* const TAG = "<GINTERTIME>";
const char PREFIXE_COPIE[] = "tempo";

bool bTermine(const std::string& nom, const char* extension)
{
    const size_t n = std::char_traits<char>::length(extension);
    return nom.size() > n && strcasecmp(nom.c_str() + nom.size() - n, extension) == 0;
}

int iRefus(const std::string& nom, const char* raison)
{
    vJournal(TAG, "Entree refusee %s : %s\n", nom.c_str(), raison);
    return 1;
}

// Decompresses `nom` into the working copy `copie`.
int iDecompresser(const std::string& nom, bool bz2, const std::string& copie)
{
    unsigned int n = 0;
    std::unique_ptr<char[]> octets(bz2 ? bzip2(nom.c_str(), n) : gzip(nom.c_str(), n));
    if (!octets)
        return iRefus(nom, "decompression impossible");
    // writebinaryfile writes a text up to its zero for a length of 0.
    if (n == 0 || n > (unsigned int)INT_MAX)
        return iRefus(nom, "fichier vide ou trop grand");
    if (writebinaryfile(octets.get(), copie.c_str(), (int)n) != 0) {
        unlink(copie.c_str());
        return iRefus(copie, "ecriture impossible");
    }
    return 0;
}

}  // namespace

// Only GRIB copies: a user's own "tempo..." file in the folder stays.
bool bResteInterpolation(const char* nom)
{
    const std::string n = nom;
    return n.compare(0, sizeof PREFIXE_COPIE - 1, PREFIXE_COPIE) == 0 &&
           n.size() > sizeof PREFIXE_COPIE - 1 && bTermine(n, ".grb");
}

int iGribDecompression(const char* entree)
{
    CLASS_CODES_LOGERR contexte("gintertime -> iGribDecompression");
    if (!entree)
        return 1;
    // Copied before the globals, which may be the argument, are rewritten.
    const std::string nom(entree);
    if (nom.size() >= (size_t)GRIB_INTERPOLATION_TAILLE)
        return iRefus(nom, "nom trop long");
    std::string base = nom.substr(nom.find_last_of('/') + 1);
    const bool bz2 = bTermine(base, ".bz2"), gz = bTermine(base, ".gz");
    if (bz2 || gz)
        base.erase(base.rfind('.'));
    const std::string copie = PREFIXE_COPIE + base;
    // The scan of lockdir/ opens ".grb" files and deletes unknown kinds.
    const std::string sortie = "lockdir/inter" + base + (bTermine(base, ".grb") ? "" : ".grb");
    // The output is first written under its name plus ".tmp".
    if (base.empty() || copie.size() >= (size_t)GRIB_INTERPOLATION_TAILLE ||
        sortie.size() + 4 >= (size_t)GRIB_INTERPOLATION_TAILLE)
        return iRefus(nom, "nom incorrect");
    if (bz2 || gz) {
        if (iDecompresser(nom, bz2, copie) != 0)
            return 1;
    } else if (copyfile(nom.c_str(), copie.c_str()) != 0) {
        return iRefus(nom, "copie impossible");
    }
    snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "%s", copie.c_str());
    snprintf(GRIB_INTERPOLATION_SORTIE, sizeof GRIB_INTERPOLATION_SORTIE, "%s", sortie.c_str());
    return 0;
}
