// gzip: every member of the file, inflated from the file held in memory; a
// file that is not gzip passes through unchanged, as zlib's reader gives it.
#include "gribdata/decompression.h"
#include "gribdata/decompression_commune.h"
#include "gribdata/decompression_limites.h"
#include "gribdata/globales.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <zlib.h>

namespace {

const char* const TAG = "<DECOMPRESSION>";

class LecteurGzip {
public:
    LecteurGzip(const unsigned char* octets, size_t taille) : reste_(octets), taille_(taille)
    {
        ouvert_ = inflateInit2(&z_, 16 + MAX_WBITS) == Z_OK;
        if (!ouvert_)
            dommage_ = "illisible (mémoire)";
    }
    ~LecteurGzip()
    {
        if (ouvert_)
            inflateEnd(&z_);
    }
    LecteurGzip(const LecteurGzip&) = delete;
    LecteurGzip& operator=(const LecteurGzip&) = delete;

    long lire(char* destination, unsigned longueur);
    const char* dommage() const { return dommage_; }

private:
    void alimenter();

    z_stream z_{};
    const unsigned char* reste_;
    size_t taille_;
    bool ouvert_ = false;
    bool fini_ = false;
    const char* dommage_ = nullptr;
};

void LecteurGzip::alimenter()
{
    if (z_.avail_in == 0 && taille_ > 0) {
        z_.next_in = const_cast<unsigned char*>(reste_);
        z_.avail_in = unsigned(std::min<size_t>(taille_, UINT_MAX));
        reste_ += z_.avail_in;
        taille_ -= z_.avail_in;
    }
}

long LecteurGzip::lire(char* destination, unsigned longueur)
{
    if (dommage_)
        return -1;
    z_.next_out = reinterpret_cast<unsigned char*>(destination);
    z_.avail_out = longueur;
    while (!fini_ && z_.avail_out > 0) {
        alimenter();
        const int code = inflate(&z_, Z_NO_FLUSH);
        if (code == Z_STREAM_END) {
            alimenter();
            // Another member follows; anything else after a member is
            // ignored, as zlib's reader does.
            if (z_.avail_in >= 2 && z_.next_in[0] == 0x1f && z_.next_in[1] == 0x8b)
                inflateReset(&z_);
            else
                fini_ = true;
        } else if (code == Z_BUF_ERROR ||
                   (code == Z_OK && z_.avail_in == 0 && taille_ == 0 && z_.avail_out > 0)) {
            dommage_ = "tronqué";
        } else if (code != Z_OK) {
            dommage_ = "corrompu";
        }
        if (dommage_)
            break;
    }
    const long ecrits = long(longueur - z_.avail_out);
    return ecrits > 0 ? ecrits : dommage_ ? -1 : 0;
}

}  // namespace

char* gzip(const char* file, unsigned int& n)
{
    FichierCompresse f;
    if (!lireCompresse(file, n, "Gzip", f))
        return nullptr;
    vJournal(TAG, "Gzip %s %lld\n", file, (long long)f.taille);
    const LimitesDecompression limites = limitesDecompression(f.taille, n);
    TamponCroissant tampon(limites.initiale, limites.maximale);
    FinFlux fin{TamponCroissant::Complet, nullptr};
    if (f.taille < 2 || f.octets[0] != 0x1f || f.octets[1] != 0x8b) {
        // Not gzip: the bytes themselves.
        size_t lu = 0;
        fin.issue = tampon.remplir([&](char* destination, unsigned longueur) {
            const size_t k = std::min<size_t>(longueur, f.taille - lu);
            std::memcpy(destination, f.octets.get() + lu, k);
            lu += k;
            return long(k);
        });
    } else {
        LecteurGzip lecteur(f.octets.get(), f.taille);
        fin.issue = tampon.remplir([&lecteur](char* destination, unsigned longueur) {
            return lecteur.lire(destination, longueur);
        });
        fin.dommage = lecteur.dommage();
    }
    vJournal(TAG, "Decompression gzip : %lld/%lld/%lld\n", (long long)f.taille,
             (long long)tampon.capacite(), (long long)tampon.taille());
    vJournal(TAG, "Fermeture du fichier gzip: %d \n", fin.dommage ? -3 : 0);
    return conclure(file, "Gzip", tampon, fin, "Décompression gzip terminée : %lld\n", n);
}
