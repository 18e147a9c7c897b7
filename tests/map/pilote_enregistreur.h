// A drawing driver that records what the map asks X11 to draw (texts with
// their place and colour, lines, rectangle outlines, the points of
// polylines and polygons) and draws it as usual. Texts, lines and
// rectangles carry their rank among everything recorded, so that the
// order of layers can be read across kinds.
#ifndef TESTS_MAP_PILOTE_ENREGISTREUR_H
#define TESTS_MAP_PILOTE_ENREGISTREUR_H

#include <FL/Fl_Device.H>
#include <string>
#include <vector>

class PiloteEnregistreur : public Fl_Xlib_Graphics_Driver {
public:
    struct Texte {
        std::string texte;
        int x, y;
        Fl_Color couleur;
        long rang = 0;
    };
    struct Trait {
        int x0, y0, x1, y1;
        Fl_Color couleur;
        long rang = 0;
    };
    // A rectangle's outline: its place and size.
    struct Rectangle {
        int x, y, l, h;
        Fl_Color couleur;
        long rang = 0;
    };
    struct Point {
        double x, y;
    };
    // A picture drawn: its place and size, its depth (0 for a one-bit
    // picture, drawn in the current colour).
    struct Image {
        int x, y, l, h, profondeur;
        Fl_Color couleur;
    };

    // Records while alive: the program draws through it.
    PiloteEnregistreur();
    ~PiloteEnregistreur() override;

    // The texts whose string is `s`.
    std::vector<Texte> textes(const std::string& s) const;
    // How many texts were not empty (symbols draw empty ones).
    size_t nonVides() const;
    // A mark of the test's own among the texts, at no place.
    void vMarquer(const std::string& marque);

    std::vector<Texte> ecrits;
    std::vector<Trait> traits;
    std::vector<Rectangle> rectangles;
    std::vector<Point> sommets;
    std::vector<Image> images;

    void draw(const char* str, int n, int x, int y) override;
    void vertex(double x, double y) override;
    void draw(Fl_RGB_Image* image, int x, int y, int l, int h, int cx, int cy) override;
    void draw(Fl_Bitmap* image, int x, int y, int l, int h, int cx, int cy) override;

protected:
    void line(int x, int y, int x1, int y1) override;
    // Horizontal and vertical lines are recorded as lines.
    void xyline(int x, int y, int x1) override;
    void yxline(int x, int y, int y1) override;
    void rect(int x, int y, int l, int h) override;

private:
    long rang_ = 0;
    Fl_Graphics_Driver* ancien_;
    Fl_Graphics_Driver* ecran_;
};

#endif
