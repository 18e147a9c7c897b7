// What the tests of the displayed fields share: a drawing seam that records
// each call with the colour, width and text size in force, without a display,
// and pressed buttons carrying numbers as a page hands them to the map.
#ifndef TESTS_MAP_TRACE_TEST_H
#define TESTS_MAP_TRACE_TEST_H

#include "map/trace_glyphes.h"
#include "ui/boutons.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TraceTest : public TraceGlyphes {
public:
    using Rvb = std::array<int, 3>;
    struct Appel {
        char genre;  // 't' line, 'c' circle, 'f' filled triangle
        std::array<int, 6> v;
        Rvb rvb;
        int epaisseur;
    };
    std::vector<Appel> appels;
    struct Texte {
        std::string texte;
        int x, y, taille;
        Rvb rvb;
    };
    std::vector<Texte> textes;
    // Pictures: their size, then x, y, width, height, offset x and y.
    std::vector<std::array<int, 8>> images;

    void couleur(const unsigned char* c) override { rvb_ = {c[0], c[1], c[2]}; }
    void epaisseur(int p) override { epaisseur_ = p; }
    void trait(int a, int b, int c, int d) override { noter('t', {a, b, c, d}); }
    void cercle(int x, int y, int r) override { noter('c', {x, y, r}); }
    void triangle(int a, int b, int c, int d, int e, int f) override { noter('f', {a, b, c, d, e, f}); }
    void decoupe(int, int, int, int) override {}
    void finDecoupe() override {}
    void police(int, int taille) override { taille_ = taille; }
    int largeur(const char* t) override { return 8 * int(std::string(t).size()); }  // 8 per character
    void texte(const char* t, int x, int y) override { textes.push_back({t, x, y, taille_, rvb_}); }
    void image(const unsigned char*, int li, int hi, int x, int y, int l, int h, int cx, int cy) override
    {
        images.push_back({li, hi, x, y, l, h, cx, cy});
    }
    // The white texts (the outline's are dark) of that size.
    std::vector<Texte> blancs(int taille) const
    {
        std::vector<Texte> v;
        for (const Texte& t : textes)
            if (t.taille == taille && t.rvb == Rvb{255, 255, 255})
                v.push_back(t);
        return v;
    }
    long nombre(char g) const
    {
        return std::count_if(appels.begin(), appels.end(), [g](const Appel& a) { return a.genre == g; });
    }

private:
    void noter(char g, std::array<int, 6> v) { appels.push_back({g, v, rvb_, epaisseur_}); }
    Rvb rvb_{};
    int epaisseur_ = 0;
    int taille_ = 0;
};

// Null-terminated, each pressed, its user data the number.
class BoutonsPresses {
public:
    explicit BoutonsPresses(const std::vector<long>& nombres)
    {
        for (long n : nombres) {
            boutons_.emplace_back(new classeBoutonImage(0, 0, 1, 1));
            boutons_.back()->user_data(reinterpret_cast<void*>(intptr_t(n)));
            boutons_.back()->value(1);
            tableau_.push_back(boutons_.back().get());
        }
        tableau_.push_back(nullptr);
    }
    classeBoutonImage** data() { return tableau_.data(); }

private:
    std::vector<std::unique_ptr<classeBoutonImage>> boutons_;
    std::vector<classeBoutonImage*> tableau_;
};

#endif
