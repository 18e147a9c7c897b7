// What the tests of the displayed fields share: a glyph drawing seam that
// records each call with the colour and width in force, without a display,
// and pressed buttons carrying numbers as a page hands them to the map.
#ifndef TESTS_MAP_TRACE_TEST_H
#define TESTS_MAP_TRACE_TEST_H

#include "map/trace_glyphes.h"
#include "ui/boutons.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
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

    void couleur(const unsigned char* c) override { rvb_ = {c[0], c[1], c[2]}; }
    void epaisseur(int p) override { epaisseur_ = p; }
    void trait(int a, int b, int c, int d) override { noter('t', {a, b, c, d}); }
    void cercle(int x, int y, int r) override { noter('c', {x, y, r}); }
    void triangle(int a, int b, int c, int d, int e, int f) override { noter('f', {a, b, c, d, e, f}); }
    void decoupe(int, int, int, int) override {}
    void finDecoupe() override {}
    long nombre(char g) const
    {
        return std::count_if(appels.begin(), appels.end(), [g](const Appel& a) { return a.genre == g; });
    }

private:
    void noter(char g, std::array<int, 6> v) { appels.push_back({g, v, rvb_, epaisseur_}); }
    Rvb rvb_{};
    int epaisseur_ = 0;
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
