// What a map asks of the pages that hold the maps and of the main window
// with its title bar, which sit above it. The pages and the shell install
// their parts at start-up; an entry left null answers 0 and does nothing.
#ifndef MAP_HOTE_CARTE_H
#define MAP_HOTE_CARTE_H

#include <functional>

class fdc;

// The pages: the request page and nine viewers.
constexpr int HOTE_PAGES = 10;

// The request page's sub-pages.
enum { SOUS_PAGE_AUCUNE = 0, SOUS_PAGE_GRIB, SOUS_PAGE_BULLETINS, SOUS_PAGE_IMAGES };

// The moves of the request zone: one side by one mesh, or the whole zone
// one mesh larger or smaller.
enum { ZONE_OUEST, ZONE_NORD, ZONE_EST, ZONE_SUD, ZONE_PLUS, ZONE_MOINS };

struct HoteCarte {
    // ---- The pages.
    // The map of a page (0 to 9); null when the page does not exist.
    fdc* (*carte)(int page);
    // The page is showing, with all its parents.
    int (*pageMontree)(int page);
    // The request page's sub-page showing (SOUS_PAGE_*): none unless the
    // request page itself is showing.
    int (*sousPage)();
    // The request page has a request zone; it shows a predefined package.
    int (*zoneRequete)();
    int (*forfait)();
    // Copies the request text of the sub-page showing.
    void (*copierRequete)();
    // A viewer page's previous (0) or next (1) validity.
    void (*echeance)(int page, int suivante);
    // Moves or resizes the request zone (ZONE_*).
    void (*zone)(int mouvement);

    // ---- The main window and its title bar.
    // The title bar's map tools show the map's state: base map, Metarea
    // zones, auto-repeat zoom.
    void (*titre)(fdc* carte);
    // Shows the base-map buttons whose picture is loaded.
    void (*fondsDisponibles)(int satellite, int hd);
    // Activates the main window once the loaders are done.
    void (*activer)();
};

extern HoteCarte hoteCarte;

// The calls above, or their "nothing" when not installed.
fdc* pCartePage(int page);
int iHote(int (*question)());
// Each page's map with its page index, in page order while the page exists.
void vCartes(const std::function<void(fdc& carte, int page)>& action);

#endif
