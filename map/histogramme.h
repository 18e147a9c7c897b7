// One chart of one forecast quantity over the forecast times: a title, the
// main chart and, with axes, a row of hours and a row of days under it.
// Its kind (1 to 23), set once, chooses the title, the drawing and each
// entry's value, label and colour. The charts of a map point and of a
// route are made of these.
#ifndef MAP_HISTOGRAMME_H
#define MAP_HISTOGRAMME_H

#include <FL/Fl_Group.H>

class Fl_Histogramme;
class TitreAjuste;

// Heights of a chart with and without axes.
constexpr int HISTOGRAMME_HAUTEUR_AXES = 90;
constexpr int HISTOGRAMME_HAUTEUR = 62;
constexpr int HISTOGRAMME_LARGEUR = 200;
// Kinds 1 to 23; 0 and above 23 chart nothing.
constexpr int HISTOGRAMME_GENRES = 24;

class Histogramme : public Fl_Group {
public:
    Histogramme(int x, int y, int w, int h, int withAxes);

    // The title and, for most kinds, the chart's type; kind 0 or above 23
    // is only stored.
    void setTitre(int kind);
    // The title followed by " (" `precision` ")": the chart's series among
    // others of its kind.
    void vPreciserTitre(const char* precision);
    // One entry by the kind's rule: `second` is the direction of the wind,
    // current and wave kinds.
    void add_chart(double value, double second);
    // One hour and one day on the axes (nothing without axes): the hour row
    // changes colour when the hours start again, the day row labels the
    // first entry of each day.
    void add_heures(int hour);
    void add_dates(int day);
    // Every entry removed and the axes as built, for another point.
    void vVider();

    Fl_Color couleurHeures, couleurDates;
    Fl_Histogramme* histogramme;
    Fl_Histogramme* heures = nullptr;  // null without axes
    Fl_Histogramme* dates = nullptr;
    // Drawn smaller, down to 9, where the chart is too narrow for it.
    TitreAjuste* titre;
    int derniereHeure = 24;
    int dernierJour = 0;
    int genre = 0;
    int axes;

private:
    char texteTitre[128] = "";
};

#endif
