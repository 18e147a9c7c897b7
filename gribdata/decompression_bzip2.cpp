// bzip2: the streams of the file one after the other, as `bzip2 -dc` reads
// them, decoded from the file held in memory. Damage stops the data at the
// last block decoded before it.
#include "gribdata/decompression.h"
#include "gribdata/decompression_commune.h"
#include "gribdata/decompression_limites.h"
#include "gribdata/globales.h"

#include <algorithm>
#include <bzlib.h>
#include <climits>

namespace {

const char* const TAG = "<DECOMPRESSION>";

class LecteurBzip2 {
public:
    LecteurBzip2(const unsigned char* octets, size_t taille, const char* nom)
        : reste_(octets), taille_(taille), nom_(nom)
    {
        ouvrirFlux();
    }
    ~LecteurBzip2() { fermerFlux(); }
    LecteurBzip2(const LecteurBzip2&) = delete;
    LecteurBzip2& operator=(const LecteurBzip2&) = delete;

    long lire(char* destination, unsigned longueur);
    const char* dommage() const { return dommage_; }
    int code() const { return code_; }
    int flux() const { return nombreFlux_ - (dechetsIgnores_ ? 1 : 0); }
    bool dechetsIgnores() const { return dechetsIgnores_; }

private:
    void ouvrirFlux();
    void fermerFlux();
    void alimenter();
    void finDeFlux();

    bz_stream z_{};
    const unsigned char* reste_;
    size_t taille_;
    const char* nom_;
    bool ouvert_ = false;
    bool fini_ = false;
    bool dechetsIgnores_ = false;
    int nombreFlux_ = 0;
    int code_ = BZ_OK;
    const char* dommage_ = nullptr;
};

void LecteurBzip2::ouvrirFlux()
{
    code_ = BZ2_bzDecompressInit(&z_, 0, 0);
    ouvert_ = code_ == BZ_OK;
    ++nombreFlux_;
    // One line per stream would flood the log for pbzip2 files.
    if (nombreFlux_ == 1 || !ouvert_)
        vJournal(TAG, "Decompression Bzip2 : open: %s %d\n", nom_, code_);
    if (!ouvert_)
        dommage_ = "illisible (mémoire)";
}

void LecteurBzip2::fermerFlux()
{
    if (ouvert_)
        BZ2_bzDecompressEnd(&z_);
    ouvert_ = false;
}

void LecteurBzip2::alimenter()
{
    if (z_.avail_in == 0 && taille_ > 0) {
        z_.next_in = const_cast<char*>(reinterpret_cast<const char*>(reste_));
        z_.avail_in = unsigned(std::min<size_t>(taille_, UINT_MAX));
        reste_ += z_.avail_in;
        taille_ -= z_.avail_in;
    }
}

// The next stream starts with the bytes left after this one.
void LecteurBzip2::finDeFlux()
{
    alimenter();
    const char* suite = z_.next_in;
    const unsigned dispo = z_.avail_in;
    char* sortie = z_.next_out;
    const unsigned place = z_.avail_out;
    fermerFlux();
    if (dispo == 0) {
        fini_ = true;
        return;
    }
    z_ = bz_stream{};
    ouvrirFlux();
    z_.next_in = const_cast<char*>(suite);
    z_.avail_in = dispo;
    z_.next_out = sortie;
    z_.avail_out = place;
}

long LecteurBzip2::lire(char* destination, unsigned longueur)
{
    if (dommage_)
        return -1;
    z_.next_out = destination;
    z_.avail_out = longueur;
    while (!fini_ && !dommage_ && z_.avail_out > 0) {
        alimenter();
        code_ = BZ2_bzDecompress(&z_);
        if (code_ == BZ_STREAM_END) {
            finDeFlux();
        } else if (code_ == BZ_DATA_ERROR_MAGIC && nombreFlux_ > 1) {
            // Not a stream where a further one would start: trailing garbage,
            // which bzip2 -dc ignores too.
            dechetsIgnores_ = true;
            fini_ = true;
            code_ = BZ_STREAM_END;
        } else if (code_ != BZ_OK) {
            dommage_ = code_ == BZ_DATA_ERROR_MAGIC ? "non bzip2" : "corrompu";
        } else if (z_.avail_in == 0 && taille_ == 0 && z_.avail_out > 0) {
            // All input taken, room left, and the stream not ended.
            dommage_ = "tronqué";
            code_ = BZ_UNEXPECTED_EOF;
        }
    }
    const long ecrits = long(longueur - z_.avail_out);
    return ecrits > 0 ? ecrits : dommage_ ? -1 : 0;
}

}  // namespace

char* bzip2(const char* file, unsigned int& n)
{
    const char* nom = file ? file : "(null)";
    vJournal(TAG, "Decompression Bzip2 : START : file: %s %u\n", nom, n);
    FichierCompresse f;
    if (!lireCompresse(file, n, "Decompression Bzip2 :", f))
        return nullptr;
    const LimitesDecompression limites = limitesDecompression(f.taille, n);
    TamponCroissant tampon(limites.initiale, limites.maximale);
    FinFlux fin{TamponCroissant::Complet, nullptr};
    {
        LecteurBzip2 lecteur(f.octets.get(), f.taille, nom);
        fin.issue = tampon.remplir([&lecteur](char* destination, unsigned longueur) {
            return lecteur.lire(destination, longueur);
        });
        fin.dommage = lecteur.dommage();
        vJournal(TAG, "Decompression Bzip2 : %s %lld/%lld/%lld - %d\n", nom,
                 (long long)f.taille, (long long)tampon.capacite(), (long long)tampon.taille(),
                 lecteur.code());
        if (lecteur.flux() > 1 || lecteur.dechetsIgnores())
            vJournal(TAG, "Decompression Bzip2 : %s : %d flux%s\n", nom, lecteur.flux(),
                     lecteur.dechetsIgnores() ? ", octets en trop ignorés" : "");
    }
    // A file that is not bzip2 at all holds nothing to keep.
    if (fin.dommage && tampon.taille() == 0 && f.taille >= 3 &&
        !(f.octets[0] == 'B' && f.octets[1] == 'Z' && f.octets[2] == 'h'))
        fin.dommage = "non bzip2";
    return conclure(nom, "Decompression Bzip2 :", tampon, fin,
                    "Décompression bip2 terminée : %lld\n", n);
}
