// A route: a name, display attributes and a doubly linked list of dated
// positions joined by rhumb-line and great-circle legs, with the companion
// routes drawn or charted in its place. Operations report through their
// result only; a refused edit leaves the route as it was.
//
// The cursor `courant` is shared by every walk over the positions; the
// operations that add a position leave it on the new cell, and the two
// set(...) below act on the position under it: append, then set.
#ifndef ROUTES_CLASSE_ROUTE_H
#define ROUTES_CLASSE_ROUTE_H

#include "routes/classe_position.h"

#include <ctime>

class Fl_Double_Window;
class Fl_Pack;
class Fl_Scroll;
struct grib;

// Chart kinds counted for the charts along a route.
const int ROUTE_COMPTEURS = 32;
// The longest name in bytes, with its terminating zero.
const int ROUTE_NOM_TAILLE = 128;
// The default line colour, a toolkit colour index.
const int ROUTE_COULEUR_DEFAUT = 49;
// Leg speeds above this are refused by the changes of date and place.
const double ROUTE_VITESSE_MAX = 99.9;
// Dates from 2038-01-01 00:00 UTC on are refused by change(i, date).
const long ROUTE_DATE_LIMITE = 2145916800L;

class classeRoute {
public:
    // The defaults, no position. A name longer than 127 bytes is cut at a
    // character boundary; a null name is empty. The second names the
    // route "<nom> <n>".
    classeRoute();
    explicit classeRoute(const char* nom);
    classeRoute(const char* nom, int n);
    // A route with one position placed and dated so, with that speed and
    // course.
    classeRoute(const char* nom, long date, double latitude, double longitude, double vitesse,
                double cap);
    ~classeRoute();
    classeRoute(const classeRoute&) = delete;
    classeRoute& operator=(const classeRoute&) = delete;

    void initialisation();
    // The first cell of an empty route, under the cursor, without its
    // position yet.
    structurePosition* nouvelle_structure();
    // Lengths of the leg on `arrivee`, its course on `depart`, both added
    // to the totals.
    void distances(classePosition* depart, classePosition* arrivee);
    // Distance run up to position `numero` (-1: the last).
    double cumulOrtho(int numero);
    double cumulLoxo(int numero);

    // The position under the cursor placed and dated, its longitude within
    // 180 degrees of the previous position's; a date not after the
    // previous position's becomes one hour after it, then later by whole
    // hours until the leg is slower than 100 knots.
    void set(long date, double latitude, double longitude);
    // The position under the cursor placed and dated from the previous
    // position's speed (10 knots when it has none); `mesurer` not 0 also
    // measures the leg, else the stored `loxo` is used.
    void set(double latitude, double longitude, int mesurer);
    // Renumbers, unwraps the longitudes, measures every leg, and derives
    // the speeds from the dates, or the dates from the speeds when `force`
    // is not 0 or the speed is fixed.
    void recalcul(int force);
    // Position i re-dated or moved, unless a neighbouring leg would then go
    // faster than 99.9 knots; refused edits change nothing.
    void change(int i, long date);
    void change(int i, double latitude, double longitude);
    // Frees the positions, the companions and the chart window.
    void clear();
    // The chart window deleted with its charts, and the window menu made
    // again without its entry (not while the program closes).
    void vSupprimerHistogrammes();
    void print();
    void printecheances();

    // ---- Editing
    // A default position after the last, under the cursor.
    void append();
    void append(long date, double latitude, double longitude);
    void append(double latitude, double longitude);
    // The same, then recomputed: a point added on the map.
    void appendfdc(long date, double latitude, double longitude);
    void appendfdc(double latitude, double longitude);
    // A position after i, at the middle of the leg or at the given place;
    // 1 inserted, 0 refused (the new date 59 seconds or less after i's).
    int insert(int i);
    int insert(int i, double latitude, double longitude, int type);
    // Position i removed; the last one left is re-dated to now instead.
    int del(int i);
    // The speed of position i (knots, rounded to a tenth, 0 becomes 0.1),
    // then dates from speeds; speeds below 0 or above 99.9 are ignored.
    void change(int i, double vitesse);
    // A new route with the same positions, all entered by the user; null
    // for a route without position. The caller owns it.
    classeRoute* copy();
    // The steps of the hourly companion: `to` (position i) measured and
    // dated from `from` (`dernier` 1: the route's last, without course and
    // speed), and the point one hour of run after `from`.
    void set(classePosition* from, classePosition* to, int i, int dernier);
    void set(classePosition* from, long date);
    // Rebuilds `routeComplete` when the route changed or has none.
    void setComplete();
    // Lists `routeComplete` on standard output; nothing without one.
    void printall();

    // ---- Against time
    // 1 when date[0] < t < date[last].
    int incluDateCourante(long t);
    // 1 when the route's span meets that of the records' validities, 0 when
    // not; -1 no position, -2 no records, -3 none charted, -4 charts off.
    int incluEcheances(grib* g);
    // The position at the current time inserted into the route and
    // marked; its 1-based row, 1 for a one-position route re-dated, 0 when
    // now is outside the route.
    int classeRouteInsertionDateCourante();
    // `routeCourante` rebuilt with a marker at the current time, and also
    // at `dateEcheance` for the second; null when neither falls inside.
    classeRoute* classeRouteRecalculAvecDateCourante();
    classeRoute* classeRouteRecalculAvecDateEcheanceCourante();

    // ---- The forecast along the route
    // `routeEcheances` rebuilt: a copy with a position at every validity of
    // the records that falls inside a leg (type 3 at `dateEcheance`, 4 at
    // the others; a validity shown on a position's date gets a type 3 point
    // 10 seconds after it, the position keeps its type), then the charts
    // asked for; null (charts untouched) when
    // incluEcheances(premier) is not 1. While the route (`modifiee` 0),
    // the records and the validity shown stay the same, the companion
    // made last is kept: its charts are unchanged too, its active position
    // and look are the route's.
    classeRoute* classeRouteRecalculAvecToutesLesEcheances(grib* premier);
    // The charts of the records along the companion, through
    // crochetRouteHistogramme; nothing while no chart side is installed.
    void vRouteHistogramme(grib* premier, classeRoute* compagnon);

    // Position `index` counted from 0; null outside the route. The cursor
    // stays where it is.
    classePosition* position(int index);

    char nom[ROUTE_NOM_TAILLE];
    int visible;
    // +(n + 1): edit mode on with position n marked; -(n + 1): edit mode
    // off, position n remembered; 0: none.
    int actif;
    int symbole;
    int style;
    int taille;
    int texte;
    int vitesseFixe;
    int histogramme;
    int couleur;  // a colour index, or 0xRRGGBB00
    classeRoute* routeEcheances;  // owned companions
    classeRoute* routeComplete;
    classeRoute* routeCourante;
    // 1 changed since its companions and charts were built, 0 not; 2
    // changed, and found outside every grid of the file charted last (that
    // was logged once).
    int modifiee;
    time_t dateEcheance;  // validity shown on the map, 0 for none
    int compteurs[ROUTE_COMPTEURS];
    Fl_Double_Window* histogrammes;  // the chart window, owned
    Fl_Pack* packPositions;          // the route tab's widgets, not owned
    Fl_Scroll* scrollOnglet;
    double totalOrtho;
    double totalLoxo;
    int dernierNumero;
    structurePosition* courant;
    structurePosition* premier;

private:
    // The records `routeEcheances` was made for: the first, their number
    // and a digest of their file, runs, parameters, sizes and validities.
    const grib* grilleCompagnon_;
    int enregistrementsCompagnon_;
    unsigned long long validitesCompagnon_;
    bool bCompagnonAJour(const grib* premierGrib) const;
    void vNommer(const char* texte);
    // Position i's cell (clamped to the route), under the cursor.
    structurePosition* trouver(int i);
    // The last cell, kept by every operation that links or unlinks one,
    // so that appending does not walk the list.
    structurePosition* derniere_;
    // A new cell with a default position linked after `cellule`.
    structurePosition* inserer(structurePosition* cellule);
    void vLibererCompagnon(classeRoute*& compagnon);
    // How the route is drawn given to a copy or a companion.
    void vDonnerAspect(classeRoute& r) const;
    // Inserts the position the route holds at `t`, found by the leg rule of
    // `type`; answers the leg's end k (0: no leg) and whether it went in.
    int iPlacer(long& t, int type, bool& insere);
    // The point of the leg that ends at cell `c` (position k) reached `e`
    // seconds after the leg's start, inserted before c with that type, then
    // dated t (refused when closer than 60 s to a neighbour); false when the
    // insertion was refused.
    bool bInsererSurLeg(const structurePosition* c, int k, long e, long t, int type);
    // A position at each validity of the records inside each leg; the last
    // position is never compared.
    void vPlacerEcheances(const grib* premierGrib);
    // d is the validity shown (as given, or as moved by its marker).
    bool bEcheanceMontree(time_t d) const;
    // The marker of the validity shown 10 seconds into the leg that ends at
    // cell `c` (its start is position k); false when it did not go in.
    bool bMarquerDebutLeg(const structurePosition* c, int k);
    // The active position a copy takes: clamped to the positions.
    int iActifCopie() const;
};

// The chart side's builder of a route's chart window (installed at start-up
// above the route model; null: no charts).
extern void (*crochetRouteHistogramme)(classeRoute& route, grib* premier, classeRoute& compagnon);

// How many times a route was recomputed whole (recalcul), since start.
extern long NombreDeRecalculs;

// Cells stepped over, since start, by the walks that look for a cell by
// its place (a position by its index, a route's last position, the last
// route of the list): the price of a load of the routes file, counted.
extern long PasDeListes;

// The route edited on the map: the first visible route of the route
// window whose active position is above 0; null when there is none.
classeRoute* pRouteEditee();

#endif
