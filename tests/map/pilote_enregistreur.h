// A drawing driver that records what the map asks X11 to draw (texts with
// their place and colour, lines, the points of polylines and polygons)
// and draws it as usual.
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
    };
    struct Trait {
        int x0, y0, x1, y1;
        Fl_Color couleur;
    };
    struct Point {
        double x, y;
    };

    // Records while alive: the program draws through it.
    PiloteEnregistreur();
    ~PiloteEnregistreur() override;

    // The texts whose string is `s`.
    std::vector<Texte> textes(const std::string& s) const;
    // How many texts were not empty (symbols draw empty ones).
    size_t nonVides() const;

    std::vector<Texte> ecrits;
    std::vector<Trait> traits;
    std::vector<Point> sommets;

    void draw(const char* str, int n, int x, int y) override;
    void vertex(double x, double y) override;

protected:
    void line(int x, int y, int x1, int y1) override;

private:
    Fl_Graphics_Driver* ancien_;
    Fl_Graphics_Driver* ecran_;
};

#endif
