#include "gribdata/decompression.h"
#include "gribdata/decompression_limites.h"
#include "gribdata/globales.h"
#include "gribdata/tampon_croissant.h"

#include <bzlib.h>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

const char* const TAG = "<DECOMPRESSION>";

// Reads the streams of one file one after the other, as `bzip2 -dc` does:
// the bytes that libbz2 read past the end of a stream start the next one.
class LecteurBzip2 {
public:
    LecteurBzip2(FILE* fichier, const char* nom) : fichier_(fichier), nom_(nom) {}
    ~LecteurBzip2() { fermerFlux(); }
    LecteurBzip2(const LecteurBzip2&) = delete;
    LecteurBzip2& operator=(const LecteurBzip2&) = delete;

    bool ouvrirFlux(const char* avance, int longueur);
    // Bytes written, 0 once every stream is read, -1 on an error.
    long lire(char* destination, unsigned longueur);

    int code() const { return code_; }
    // Streams decoded, not counting the trailing garbage.
    int flux() const { return nombreFlux_ - (dechetsIgnores_ ? 1 : 0); }
    bool dechetsIgnores() const { return dechetsIgnores_; }

private:
    bool fluxSuivant();
    void fermerFlux();
    bool finFichier();

    FILE* fichier_;
    const char* nom_;
    BZFILE* flux_ = nullptr;
    int code_ = BZ_OK;
    int nombreFlux_ = 0;
    bool dechetsIgnores_ = false;
    bool finDuFlux_ = false;
    char reste_[BZ_MAX_UNUSED];
};

bool LecteurBzip2::ouvrirFlux(const char* avance, int longueur)
{
    flux_ = BZ2_bzReadOpen(&code_, fichier_, 0, 0, const_cast<char*>(avance), longueur);
    finDuFlux_ = false;
    ++nombreFlux_;
    // One line per stream would flood the log for pbzip2 files.
    if (nombreFlux_ == 1 || code_ != BZ_OK)
        vJournal(TAG, "Decompression Bzip2 : open: %s %d\n", nom_, code_);
    if (code_ != BZ_OK) {
        // libbz2 leaves nothing to close after a failed open.
        flux_ = nullptr;
        return false;
    }
    return true;
}

long LecteurBzip2::lire(char* destination, unsigned longueur)
{
    for (;;) {
        if (!flux_)
            return 0;
        // libbz2 cannot be read again once it has reported the stream end.
        if (finDuFlux_) {
            if (!fluxSuivant())
                return -1;
            continue;
        }
        int lus = BZ2_bzRead(&code_, flux_, destination, int(longueur));
        if (code_ == BZ_OK)
            return lus;
        if (code_ == BZ_STREAM_END) {
            finDuFlux_ = true;
            if (lus > 0)
                return lus;
            continue;
        }
        // A bad signature where a further stream would start is trailing
        // garbage, which bzip2 -dc ignores too; anywhere else it is corruption.
        if (code_ == BZ_DATA_ERROR_MAGIC && nombreFlux_ > 1) {
            dechetsIgnores_ = true;
            code_ = BZ_STREAM_END;
            fermerFlux();
            return 0;
        }
        return -1;
    }
}

bool LecteurBzip2::fluxSuivant()
{
    void* inutilises = nullptr;
    int nombre = 0;
    BZ2_bzReadGetUnused(&code_, flux_, &inutilises, &nombre);
    if (code_ != BZ_OK)
        return false;
    // The unused bytes live in the stream's own buffer, freed by the close.
    if (nombre > 0)
        std::memcpy(reste_, inutilises, size_t(nombre));
    fermerFlux();
    code_ = BZ_STREAM_END;
    if (nombre == 0 && finFichier())
        return true;
    return ouvrirFlux(reste_, nombre);
}

void LecteurBzip2::fermerFlux()
{
    if (flux_) {
        int code;
        BZ2_bzReadClose(&code, flux_);
        flux_ = nullptr;
    }
}

bool LecteurBzip2::finFichier()
{
    int c = std::fgetc(fichier_);
    if (c == EOF)
        return true;
    std::ungetc(c, fichier_);
    return false;
}

// The log line that says why, or null when it was no failure.
const char* raisonEchec(TamponCroissant::Issue issue, int code)
{
    switch (issue) {
    case TamponCroissant::TropGrand:
        return "données décompressées plus grandes que 99 fois le fichier ou que 4 Gio";
    case TamponCroissant::MemoireInsuffisante:
        return "mémoire insuffisante";
    case TamponCroissant::ErreurLecture:
        if (code == BZ_DATA_ERROR_MAGIC)
            return "ce n'est pas un fichier bzip2";
        if (code == BZ_UNEXPECTED_EOF)
            return "fichier tronqué";
        if (code == BZ_IO_ERROR)
            return "erreur de lecture du fichier";
        if (code == BZ_MEM_ERROR)
            return "mémoire insuffisante";
        return "fichier corrompu";
    case TamponCroissant::Complet:
        break;
    }
    return nullptr;
}

}  // namespace

char* bzip2(const char* file, unsigned int& n)
{
    const char* nom = file ? file : "(null)";
    vJournal(TAG, "Decompression Bzip2 : START : file: %s %u\n", nom, n);
    FILE* fichier = file ? std::fopen(file, "rb") : nullptr;
    struct stat st;
    if (!fichier || fstat(fileno(fichier), &st) != 0 || !S_ISREG(st.st_mode)) {
        vJournal(TAG, "Decompression Bzip2 : %s : fichier absent ou illisible\n", nom);
        if (fichier)
            std::fclose(fichier);
        return nullptr;
    }
    const long long S = st.st_size;
    const char* refus = nullptr;
    if (S == 0)
        refus = "fichier vide";
    else if (n > FACTEUR_TAILLE_MAX)
        refus = "facteur de taille refusé (99 au plus)";
    if (refus) {
        vJournal(TAG, "Decompression Bzip2 : %s : %s\n", nom, refus);
        std::fclose(fichier);
        return nullptr;
    }

    const LimitesDecompression limites = limitesDecompression(uint64_t(S), n);
    TamponCroissant tampon(limites.initiale, limites.maximale);
    TamponCroissant::Issue issue = TamponCroissant::ErreurLecture;
    int code = BZ_OK;
    {
        LecteurBzip2 lecteur(fichier, nom);
        if (lecteur.ouvrirFlux(nullptr, 0))
            issue = tampon.remplir([&lecteur](char* destination, unsigned longueur) {
                return lecteur.lire(destination, longueur);
            });
        code = lecteur.code();
        vJournal(TAG, "Decompression Bzip2 : %s %lld/%lld/%lld - %d\n", nom, S,
                 (long long)tampon.capacite(), (long long)tampon.taille(), code);
        if (lecteur.flux() > 1 || lecteur.dechetsIgnores())
            vJournal(TAG, "Decompression Bzip2 : %s : %d flux%s\n", nom, lecteur.flux(),
                     lecteur.dechetsIgnores() ? ", octets en trop ignorés" : "");
    }
    std::fclose(fichier);

    if (const char* raison = raisonEchec(issue, code)) {
        vJournal(TAG, "Decompression Bzip2 : %s : %s\n", nom, raison);
        return nullptr;
    }
    char* resultat = tampon.copieExacte();
    if (!resultat) {
        vJournal(TAG, "Decompression Bzip2 : %s : mémoire insuffisante\n", nom);
        return nullptr;
    }
    vJournal(TAG, "Décompression bip2 terminée : %lld\n", (long long)tampon.taille());
    n = unsigned(tampon.taille());
    return resultat;
}
