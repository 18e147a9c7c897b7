// Where the wind flags and arrows are drawn: the few drawing calls they
// make, so that the map and the charts draw them with the toolkit and the
// tests record them without a display.
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
};

// The toolkit's current drawing context.
TraceGlyphes& traceFltk();

#endif
