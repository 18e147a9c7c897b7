// A drawing seam that hands every call to the toolkit: the benchmarks
// derive from it to count or time some of the calls.
#ifndef BENCH_MAP_TRACE_RELAIS_H
#define BENCH_MAP_TRACE_RELAIS_H

#include "map/trace_glyphes.h"

class TraceRelais : public TraceGlyphes {
public:
    void couleur(const unsigned char* c) override { f_.couleur(c); }
    void epaisseur(int p) override { f_.epaisseur(p); }
    void trait(int a, int b, int c, int d) override { f_.trait(a, b, c, d); }
    void cercle(int x, int y, int r) override { f_.cercle(x, y, r); }
    void triangle(int a, int b, int c, int d, int e, int f) override { f_.triangle(a, b, c, d, e, f); }
    void decoupe(int x, int y, int l, int h) override { f_.decoupe(x, y, l, h); }
    void finDecoupe() override { f_.finDecoupe(); }
    void police(int n, int t) override { f_.police(n, t); }
    int largeur(const char* t) override { return f_.largeur(t); }
    void texte(const char* t, int x, int y) override { f_.texte(t, x, y); }
    void texteCentre(const char* t, int x, int y) override { f_.texteCentre(t, x, y); }
    void image(const unsigned char* p, int li, int hi, int x, int y, int l, int h, int cx, int cy) override
    {
        f_.image(p, li, hi, x, y, l, h, cx, cy);
    }

private:
    TraceGlyphes& f_ = traceFltk();
};

#endif
