// The working buffer of the decompressors: one pass over the stream into a
// buffer that grows up to a ceiling, instead of guessing a size and starting
// over when the guess was too small.
#ifndef GRIBDATA_TAMPON_CROISSANT_H
#define GRIBDATA_TAMPON_CROISSANT_H

#include <algorithm>
#include <cstdint>

class TamponCroissant {
public:
    enum Issue { Complet, ErreurLecture, TropGrand, MemoireInsuffisante };

    // The first allocation is `initiale` bytes (at least 1); the buffer never
    // grows past `maximale`.
    TamponCroissant(uint64_t initiale, uint64_t maximale);
    ~TamponCroissant();
    TamponCroissant(const TamponCroissant&) = delete;
    TamponCroissant& operator=(const TamponCroissant&) = delete;

    // Calls `lire(destination, length)` until it reports the end of the data.
    // `lire` answers the number of bytes it wrote (at most `length`, which is
    // never 0), 0 at the end of the data, or a negative value on an error.
    template <class Lecteur>
    Issue remplir(Lecteur lire);

    uint64_t taille() const { return taille_; }
    uint64_t capacite() const { return capacite_; }

    // An exact-size new[] copy of the bytes read; null when memory is short.
    char* copieExacte() const;

private:
    bool agrandir();

    char* donnees_ = nullptr;
    uint64_t taille_ = 0;
    uint64_t capacite_ = 0;
    uint64_t initiale_;
    uint64_t maximale_;
};

template <class Lecteur>
TamponCroissant::Issue TamponCroissant::remplir(Lecteur lire)
{
    // zlib and libbz2 take int-sized lengths.
    const uint64_t morceauMax = uint64_t(1) << 30;
    for (;;) {
        if (taille_ == capacite_) {
            if (capacite_ == maximale_) {
                // Full at the ceiling: acceptable only if nothing is left.
                char sonde;
                long lus = lire(&sonde, 1u);
                if (lus < 0)
                    return ErreurLecture;
                return lus == 0 ? Complet : TropGrand;
            }
            if (!agrandir())
                return MemoireInsuffisante;
        }
        const unsigned morceau = unsigned(std::min(capacite_ - taille_, morceauMax));
        long lus = lire(donnees_ + taille_, morceau);
        if (lus < 0)
            return ErreurLecture;
        if (lus == 0)
            return Complet;
        taille_ += uint64_t(lus);
    }
}

#endif
