#include "gribdata/decompression.h"
#include "gribdata/decompression_limites.h"
#include "gribdata/globales.h"
#include "gribdata/tampon_croissant.h"

#include <string>
#include <sys/stat.h>
#include <zlib.h>

namespace {

const char* const TAG = "<DECOMPRESSION>";

// zlib's default 8 KiB input buffer costs a read() per 8 KiB.
const unsigned TAMPON_ZLIB = 128 * 1024;

}  // namespace

char* gzip(const char* file, unsigned int& n)
{
    struct stat st;
    if (!file || stat(file, &st) != 0 || !S_ISREG(st.st_mode)) {
        vJournal(TAG, "Gzip %s : fichier absent ou illisible\n", file ? file : "(null)");
        return nullptr;
    }
    const long long S = st.st_size;
    vJournal(TAG, "Gzip %s %lld\n", file, S);
    if (S == 0) {
        vJournal(TAG, "Gzip %s : fichier vide\n", file);
        return nullptr;
    }
    if (n > FACTEUR_TAILLE_MAX) {
        vJournal(TAG, "Gzip %s : facteur de taille %u refusé (%u au plus)\n", file, n,
                 FACTEUR_TAILLE_MAX);
        return nullptr;
    }

    gzFile g = gzopen(file, "rb");
    if (!g) {
        vJournal(TAG, "Gzip %s : ouverture impossible\n", file);
        return nullptr;
    }
    gzbuffer(g, TAMPON_ZLIB);
    // Without a gzip header zlib would copy the file through unchanged.
    if (gzdirect(g)) {
        gzclose(g);
        vJournal(TAG, "Gzip %s : ce n'est pas un fichier gzip\n", file);
        return nullptr;
    }

    const LimitesDecompression limites = limitesDecompression(uint64_t(S), n);
    TamponCroissant tampon(limites.initiale, limites.maximale);
    TamponCroissant::Issue issue = tampon.remplir([g](char* destination, unsigned longueur) {
        return long(gzread(g, destination, longueur));
    });
    // A truncated member is not a read error for gzread, only for gzerror.
    int codeZlib = Z_OK;
    const std::string erreurZlib = gzerror(g, &codeZlib);
    const int fermeture = gzclose(g);
    vJournal(TAG, "Decompression gzip : %lld/%lld/%lld\n", S, (long long)tampon.capacite(),
             (long long)tampon.taille());
    vJournal(TAG, "Fermeture du fichier gzip: %d \n", fermeture);

    if (issue == TamponCroissant::TropGrand) {
        vJournal(TAG, "Gzip %s : données décompressées plus grandes que %lld octets\n", file,
                 (long long)limites.maximale);
        return nullptr;
    }
    if (issue == TamponCroissant::MemoireInsuffisante) {
        vJournal(TAG, "Gzip %s : mémoire insuffisante\n", file);
        return nullptr;
    }
    if (issue == TamponCroissant::ErreurLecture || codeZlib != Z_OK || fermeture != Z_OK) {
        vJournal(TAG, "Gzip %s : fichier corrompu ou tronqué (%s)\n", file,
                 codeZlib != Z_OK ? erreurZlib.c_str() : "erreur à la fermeture");
        return nullptr;
    }

    char* resultat = tampon.copieExacte();
    if (!resultat) {
        vJournal(TAG, "Gzip %s : mémoire insuffisante\n", file);
        return nullptr;
    }
    vJournal(TAG, "Décompression gzip terminée : %lld\n", (long long)tampon.taille());
    n = unsigned(tampon.taille());
    return resultat;
}
