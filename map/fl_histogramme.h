// The chart widget: one forecast quantity as a row of entries (a value, a
// colour and a short label), drawn as bars, a line, a pie, wind flags or
// arrows by the widget's type. Its owner fills the entries and redraws.
#ifndef MAP_FL_HISTOGRAMME_H
#define MAP_FL_HISTOGRAMME_H

#include <FL/Fl_Widget.H>
#include <vector>

class TraceGlyphes;

// Characters of an entry's label; a longer one is cut.
constexpr int FL_CHART_LABEL_MAX = 18;

struct FL_CHART_ENTRY_PAT {
    float val;
    unsigned col;  // an Fl_Color, 0xRRGGBB00 for an RGB colour
    char str[FL_CHART_LABEL_MAX + 1];
};

// The widget's types.
enum {
    HISTO_BARRES = 0,
    HISTO_BARRES_HORIZONTALES = 1,
    HISTO_LIGNE = 2,
    HISTO_LIGNE_PLEINE = 3,
    HISTO_PICS = 4,
    HISTO_CAMEMBERT = 5,
    HISTO_CAMEMBERT_DETACHE = 6,
    HISTO_VENT = 7,        // wind flags, the label holding the direction
    HISTO_MER = 8,         // sea-state arrows with their class
    HISTO_MER_VALEUR = 9,  // sea-state arrows with their height
    HISTO_COURANT = 10,    // current arrows with their speed
};

class Fl_Histogramme : public Fl_Widget {
public:
    Fl_Histogramme(int x, int y, int w, int h, const char* label = nullptr);
    Fl_Histogramme(const Fl_Histogramme&) = delete;
    Fl_Histogramme& operator=(const Fl_Histogramme&) = delete;

    // None of these redraws. add widens min and max to the value; insert
    // and replace (index from 1) leave them, and ignore an index out of
    // range. clear keeps min. A negative maxsize is ignored; otherwise only
    // the last m entries stay.
    void add(double value, const char* label = nullptr, unsigned colour = 0);
    void insert(int index, double value, const char* label = nullptr, unsigned colour = 0);
    void replace(int index, double value, const char* label = nullptr, unsigned colour = 0);
    void clear();
    void bounds(double min, double max);
    void maxsize(int m);

    void draw() override;

    int numb = 0;
    // Most entries kept (0: no limit); with autosize off, the slots across.
    int maxnumb = 0;
    int sizenumb = 128;  // capacity; the array holds one entry more
    std::vector<FL_CHART_ENTRY_PAT> entries;
    double min = 0.0, max = 0.0;
    uchar autosize = 1;
    uchar textfont = 0;
    uchar textsize = 10;
    Fl_Color textcolor = FL_BLACK;
    // Where the wind flags and arrows are drawn: the toolkit unless a test
    // records them.
    TraceGlyphes* traceGlyphes;

private:
    void vAgrandir();
    void vPoser(int i, double value, const char* label, unsigned colour);
};

#endif
