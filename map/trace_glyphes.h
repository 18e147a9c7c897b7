// Where the field layers draw: the few drawing calls of the wind flags and
// arrows, of the band pictures and of the isoline labels, so that the map
// and the charts draw them with the toolkit and the tests record them
// without a display.
#ifndef MAP_TRACE_GLYPHES_H
#define MAP_TRACE_GLYPHES_H

class TraceGlyphes {
public:
    virtual ~TraceGlyphes() = default;
    // Red, green, blue; null leaves the colour as it is.
    virtual void couleur(const unsigned char* rvb) = 0;
    // Solid lines of that width in pixels.
    virtual void epaisseur(int pixels) = 0;
    virtual void trait(int x0, int y0, int x1, int y1) = 0;
    virtual void cercle(int x, int y, int rayon) = 0;  // outline
    virtual void triangle(int x0, int y0, int x1, int y1, int x2, int y2) = 0;  // filled
    // Nothing is drawn outside the rectangle until finDecoupe.
    virtual void decoupe(int x, int y, int largeur, int hauteur) = 0;
    virtual void finDecoupe() = 0;
    // Texts: the toolkit's font number and size, the width in pixels of a
    // text in it, and a text whose baseline starts at (x, y).
    virtual void police(int numero, int taille) = 0;
    virtual int largeur(const char* texte) = 0;
    virtual void texte(const char* texte, int x, int y) = 0;
    // A text centred on (x, y); by default centred across only, on its
    // baseline.
    virtual void texteCentre(const char* t, int x, int y) { texte(t, x - largeur(t) / 2, y); }
    // The part (cx, cy, l, h) of a picture of `li` x `hi` pixels of red,
    // green, blue and alpha, blended in at (x, y).
    virtual void image(const unsigned char* rvba, int li, int hi, int x, int y, int l, int h, int cx,
                       int cy) = 0;
};

// The toolkit's current drawing context.
TraceGlyphes& traceFltk();

#endif
