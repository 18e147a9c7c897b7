// A drawing seam that keeps the calls made through it, to draw them again
// as they were through another seam, as often as asked: the isoline labels
// are written once for a picture and drawn again at each frame.
#ifndef MAP_TRACE_ENREGISTREE_H
#define MAP_TRACE_ENREGISTREE_H

#include "map/trace_glyphes.h"

#include <array>
#include <string>
#include <vector>

class TraceEnregistree : public TraceGlyphes {
public:
    // Forgets the calls kept; texts are measured by `mesure` from now on.
    void vRecommencer(TraceGlyphes& mesure);
    // The seam that measures, null before the first vRecommencer.
    const TraceGlyphes* mesure() const { return mesure_; }
    // The calls kept, in their order, through `t`.
    void vRejouer(TraceGlyphes& t) const;

    void couleur(const unsigned char* rvb) override;
    void epaisseur(int pixels) override { noter(EPAISSEUR, {pixels}); }
    void trait(int x0, int y0, int x1, int y1) override { noter(TRAIT, {x0, y0, x1, y1}); }
    void cercle(int x, int y, int r) override { noter(CERCLE, {x, y, r}); }
    void triangle(int x0, int y0, int x1, int y1, int x2, int y2) override
    {
        noter(TRIANGLE, {x0, y0, x1, y1, x2, y2});
    }
    void decoupe(int x, int y, int l, int h) override { noter(DECOUPE, {x, y, l, h}); }
    void finDecoupe() override { noter(FIN_DECOUPE, {}); }
    // The font is set on the measuring seam too, for the widths it answers
    // (0 before vRecommencer).
    void police(int numero, int taille) override;
    int largeur(const char* t) override { return mesure_ ? mesure_->largeur(t) : 0; }
    void texte(const char* t, int x, int y) override { noter(TEXTE, {x, y}, t); }
    void texteCentre(const char* t, int x, int y) override { noter(TEXTE_CENTRE, {x, y}, t); }
    // The pixels are copied: the caller's may change before they are drawn.
    void image(const unsigned char* rvba, int li, int hi, int x, int y, int l, int h, int cx,
               int cy) override;

private:
    enum Genre { COULEUR, EPAISSEUR, TRAIT, CERCLE, TRIANGLE, DECOUPE, FIN_DECOUPE, POLICE, TEXTE,
                 TEXTE_CENTRE, IMAGE };
    struct Appel {
        Genre genre;
        std::array<int, 8> v;
        std::string texte;  // a text, or the bytes of a picture
    };
    void noter(Genre g, std::array<int, 8> v, std::string texte = {});

    TraceGlyphes* mesure_ = nullptr;
    std::vector<Appel> appels_;
};

#endif
