// gribtool's text output: lines gathered in a buffer and written in large
// blocks, numbers formatted without printf (which costs far more than the
// decoding of what it prints).
#ifndef TOOLS_GRIBTOOL_TEXTE_H
#define TOOLS_GRIBTOOL_TEXTE_H

#include <cstddef>
#include <cstdio>
#include <string>

class SortieTexte {
public:
    explicit SortieTexte(FILE* flux) : flux_(flux) {}
    ~SortieTexte() { vVider(); }
    SortieTexte(const SortieTexte&) = delete;
    SortieTexte& operator=(const SortieTexte&) = delete;

    void vTexte(const char* texte, size_t n);
    void vTexte(const std::string& texte) { vTexte(texte.data(), texte.size()); }
    // v as printf's "%.9g" writes it: the same characters, by std::to_chars.
    void vReel9(double v);
    void vVider();

private:
    static constexpr size_t TAILLE = 1 << 16;
    FILE* flux_;
    size_t n_ = 0;
    char tampon_[TAILLE];
};

#endif
