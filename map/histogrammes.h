// The window of the charts of one map point or one route: a title box over
// the charts stacked in a pack, each chart in a slot with its kind.
#ifndef MAP_HISTOGRAMMES_H
#define MAP_HISTOGRAMMES_H

#include <FL/Fl_Double_Window.H>

class Fl_Box;
class Fl_Pack;
class Histogramme;

// Slots 1 to 31 hold charts; slot 0 stays empty.
constexpr int HISTOGRAMMES_PLACES = 32;
// Height of the title box.
constexpr int HISTOGRAMMES_TITRE = 16;

// The width of a new window for n samples a chart: 20 pixels each, in
// whole samples when that passes the screen's width, at least 200; the
// given width when there is no sample.
int iLargeurHistogrammes(int n, int ecran, int largeur);

// The screen point of a widget's top-left corner: a map's chart windows
// open from there, on the map and clear of the main window's title bar.
void vCoinEcran(const Fl_Widget& w, int& x, int& y);

// Chart windows open in a cascade down and right from the point they are
// given, each at the first step that no living chart window holds: the
// windows of two pages, or of a page and a route, never stack into what
// reads as one. Past the last step the cascade starts over.
constexpr int HISTOGRAMMES_PAS = 24;
constexpr int HISTOGRAMMES_MARCHES = 12;

class Histogrammes : public Fl_Double_Window {
public:
    // Hidden, at its step of the cascade from (x, y); titled with the
    // program's name and "Histogramme", with the page number for a page of
    // 1 or more.
    Histogrammes(int page, int x, int y, int w, int h);
    ~Histogrammes() override;
    Histogrammes(const Histogrammes&) = delete;
    Histogrammes& operator=(const Histogrammes&) = delete;

    // The chart of that kind and series: the one in its slot, else a new
    // one in the first free slot (with axes or without), titled, at the
    // foot of the pack; null when every slot is taken or the kind charts
    // nothing. A kind's series are told apart by their level
    // (gribdata/serie_grib.h; -1 for a kind's only series), whose name,
    // when there is one, follows the kind's title.
    Histogramme* pHistogramme(int genre, int axes, int niveau = -1,
                              const char* nomNiveau = nullptr);
    // The most samples a chart of that kind holds.
    int iEchantillons(int genre) const;
    // Every chart emptied for another point or another build.
    void vVider();
    // The title box's text (plain, no symbol marks), drawn in a size that
    // fits the window's width.
    void vTitre(const char* texte);
    // A new window's size: as high as its charts, as wide as n samples
    // (iLargeurHistogrammes) and as the charts' titles at their smallest,
    // within the screen; never narrower.
    void vDimensionner(int n);
    // Every chart redrawn.
    void vRedessiner();

    Fl_Pack* pack;
    Histogramme* histogrammes[HISTOGRAMMES_PLACES] = {};
    Fl_Box* titre;
    int genres[HISTOGRAMMES_PLACES] = {};
    int niveaux[HISTOGRAMMES_PLACES] = {};
    int hauteurTotale = HISTOGRAMMES_TITRE;
    // Its step in the cascade, 0 to HISTOGRAMMES_MARCHES - 1.
    int marche;
};

#endif
