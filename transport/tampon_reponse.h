// The receive buffer of an answer: it grows as octets arrive, by half its
// size, or at once to the size the answer's header declares, never past
// one octet over the limit (which is how an answer too large shows), and
// is handed over shrunk to the octets received and a final zero, without
// a copy. malloc/realloc: a refused allocation fails this answer only.
#ifndef TRANSPORT_TAMPON_REPONSE_H
#define TRANSPORT_TAMPON_REPONSE_H

#include <cstddef>
#include <cstdint>

class TamponReponse {
public:
    explicit TamponReponse(int64_t maximum);
    ~TamponReponse();
    TamponReponse(const TamponReponse&) = delete;
    TamponReponse& operator=(const TamponReponse&) = delete;

    // Room for at least one more octet; false when the buffer may not or
    // cannot grow.
    bool bPlace();
    // Room for `total` octets at once (a declared size within the limit).
    bool bReserver(size_t total);
    char* fin() { return octets_ + taille_; }
    size_t libre() const { return capacite_ ? capacite_ - 1 - taille_ : 0; }
    void avancer(size_t n) { taille_ += n; }

    const char* octets() const { return octets_; }
    size_t taille() const { return taille_; }
    bool bTropGrand() const { return int64_t(taille_) > maximum_; }

    // The octets and a final zero, in a block of exactly that size, which
    // the caller frees with std::free; null when nothing was received.
    char* ceder();

private:
    bool bCapacite(size_t capacite);

    char* octets_ = nullptr;
    size_t taille_ = 0;
    size_t capacite_ = 0;  // the final zero's octet included
    int64_t maximum_;
};

#endif
