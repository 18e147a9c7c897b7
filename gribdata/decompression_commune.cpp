#include "gribdata/decompression_commune.h"

#include "gribdata/decompression_limites.h"
#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"

#include <cstdio>
#include <new>
#include <sys/stat.h>

namespace {

const char* const TAG = "<DECOMPRESSION>";

bool refus(const char* prefixe, const char* file, const char* raison)
{
    vJournal(TAG, "%s %s : %s\n", prefixe, file, raison);
    return false;
}

}  // namespace

bool lireCompresse(const char* file, unsigned int n, const char* prefixe, FichierCompresse& f)
{
    const char* nom = file ? file : "(null)";
    bool refuse = false;
    FILE* flux = file ? pfOuvrirFichierOrdinaire(file, "rb", refuse) : nullptr;
    struct stat st;
    if (!flux || fstat(fileno(flux), &st) != 0 || !S_ISREG(st.st_mode)) {
        if (flux)
            std::fclose(flux);
        return refus(prefixe, nom, "fichier absent ou illisible");
    }
    const char* raison = nullptr;
    f.taille = size_t(st.st_size);
    if (f.taille == 0)
        raison = "fichier vide";
    else if (n > FACTEUR_TAILLE_MAX)
        raison = "facteur de taille refusé (99 au plus)";
    else if (!(f.octets.reset(new (std::nothrow) unsigned char[f.taille]), f.octets))
        raison = "mémoire insuffisante";
    else if (std::fread(f.octets.get(), 1, f.taille, flux) != f.taille)
        raison = "erreur de lecture du fichier";
    std::fclose(flux);
    return raison ? refus(prefixe, nom, raison) : true;
}

char* conclure(const char* file, const char* prefixe, const TamponCroissant& tampon, FinFlux fin,
               const char* ligneFin, unsigned int& n)
{
    const long long taille = (long long)tampon.taille();
    if (fin.issue == TamponCroissant::TropGrand) {
        vJournal(TAG, "%s %s : données décompressées plus grandes que 99 fois le fichier ou "
                      "que 4 Gio\n", prefixe, file);
        return nullptr;
    }
    if (fin.issue == TamponCroissant::MemoireInsuffisante) {
        vJournal(TAG, "%s %s : mémoire insuffisante\n", prefixe, file);
        return nullptr;
    }
    if (fin.dommage) {
        // A partial download still holds its complete messages.
        vJournal(TAG, "%s %s : fichier %s à %lld octets décompressés\n", prefixe, file,
                 fin.dommage, taille);
        if (taille == 0)
            return nullptr;
    }
    char* resultat = tampon.copieExacte();
    if (!resultat) {
        vJournal(TAG, "%s %s : mémoire insuffisante\n", prefixe, file);
        return nullptr;
    }
    vJournal(TAG, ligneFin, taille);
    n = unsigned(taille);
    return resultat;
}
