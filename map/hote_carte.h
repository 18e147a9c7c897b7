// What a map asks of the pages that hold the maps and of the main window
// with its title bar, which sit above it. The pages and the shell install
// their parts at start-up; an entry left null answers 0 and does nothing.
#ifndef MAP_HOTE_CARTE_H
#define MAP_HOTE_CARTE_H

#include <functional>
#include <vector>

class classeBoutonImage;
class fdc;

// The pages: the request page and nine viewers.
constexpr int HOTE_PAGES = 10;

// The request page's sub-pages.
enum { SOUS_PAGE_AUCUNE = 0, SOUS_PAGE_GRIB, SOUS_PAGE_BULLETINS, SOUS_PAGE_IMAGES };

// The moves of the request zone: one side by one mesh, or the whole zone
// one mesh larger or smaller.
enum { ZONE_OUEST, ZONE_NORD, ZONE_EST, ZONE_SUD, ZONE_PLUS, ZONE_MOINS };

// The request's moving zone as the frame follows it: course and speed,
// and the time buttons of the request (its validities in validity mode,
// else its forecast times), each pressed or not, with the number it
// carries and its label read as a number.
struct TempsZone {
    int presse;
    int numero;
    double libelle;
};
struct ZoneMobile {
    float cap = 0, vitesse = 0;
    int validites = 0;
    std::vector<TempsZone> temps;
    // Asked by the frame's check, which also tries again a moving zone
    // the model refused; the drawing asks only for the zone that is on.
    int essai = 0;
};

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
    // The request page's null-terminated product buttons of the image
    // page: 0 the satellite pictures, 1 the charts; null when none.
    classeBoutonImage** (*boutonsImages)(int genre);

    // ---- The request page's zone and GRIB request, for the request
    // frame on its map.
    // Snaps a frame to the mesh, at least one mesh high and wide, shows it
    // in the zone fields and writes the snapped bounds back.
    void (*setgetCoordonnees)(double& nord, double& sud, double& ouest, double& est);
    // Snaps and shows a frame in the zone fields.
    void (*setCoordonnees)(double nord, double sud, double ouest, double est);
    // The four zone fields; 0 when there are none.
    int (*getCoordonnees)(double& nord, double& sud, double& ouest, double& est);
    // Snaps a frame to the model's grid through the GRIB request, which
    // rewrites its zone line and text, and writes it back.
    void (*vZone)(double& nord, double& sud, double& ouest, double& est);
    // The GRIB request's mesh (degrees) and the page's model code.
    double (*maille)();
    int (*modele)();
    // Enables the models whose domain holds the frame; the code of the
    // model that fits it (0: none).
    int (*cadreModele)(double nord, double sud, double ouest, double est);
    // The moving zone; 0 when it is off.
    int (*zoneMobile)(ZoneMobile& zone);
    // The zone section redraws its fields.
    void (*redessinerZone)();

    // ---- The main window and its title bar.
    // The title bar's map tools show the map's state: base map, Metarea
    // zones, auto-repeat zoom.
    void (*titre)(fdc* carte);
    // Shows the base-map buttons whose picture is loaded.
    void (*fondsDisponibles)(int satellite, int hd);
    // Activates the main window once the loaders are done, the keyboard
    // with it.
    void (*activer)();
    // Where a route's new chart window opens, as the map that last drew
    // the routes noted it (its top-left corner on the screen, clear of the
    // title bar), and read back (0, 0 before any).
    void (*noterPrincipale)(int x, int y);
    void (*principaleNotee)(int& x, int& y);
};

extern HoteCarte hoteCarte;

// The calls above, or their "nothing" when not installed.
fdc* pCartePage(int page);
int iHote(int (*question)());
// Each page's map with its page index, in page order while the page exists.
void vCartes(const std::function<void(fdc& carte, int page)>& action);

#endif
