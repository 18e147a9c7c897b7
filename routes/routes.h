// The user's routes, kept in etc/routes.txt: a list of routes in file
// order. Reads and writes walk the one cursor `courant` and leave it where
// they end.
#ifndef ROUTES_ROUTES_H
#define ROUTES_ROUTES_H

#include <cstdio>

class classeRoute;

struct structureRoute {
    structureRoute* precedent;
    classeRoute* route;  // owned through the cell
    structureRoute* suivant;
};

// The longest line of the routes file, with its terminating zero.
const int ROUTES_LIGNE_TAILLE = 512;

class Routes {
public:
    Routes();
    ~Routes();
    Routes(const Routes&) = delete;
    Routes& operator=(const Routes&) = delete;

    // Replaces the list with the routes of etc/routes.txt. Answers 1 when
    // the file was read to its "@end" line or is empty, else 0; the routes
    // read up to a fault stay, and a file that exists but could not be read
    // whole is kept aside before the next save replaces it. Each failure
    // logs its line and reason.
    int load();
    // Rewrites etc/routes.txt from the list, through a temporary file
    // renamed over it once complete. Answers 1 when written; 0 (logged)
    // leaves the old file and the list as they were.
    int save();
    // `route` (owned from now on) added at the end of the list.
    void append(classeRoute* route);
    // `route`'s cell unlinked, and both destroyed; the cursor goes to the
    // first cell. A route not in the list is left alone.
    void retirer(classeRoute* route);
    // Every route cleared and destroyed.
    void vider();

    char ligne[ROUTES_LIGNE_TAILLE];
    FILE* fichier;
    structureRoute* courant;
    structureRoute* premier;

private:
    bool bEcrire(FILE* f);
    // The last cell, kept by append, retirer and vider.
    structureRoute* derniere_;
    // The file as it stood at a failed read is kept before it is replaced.
    bool garderAvantEcriture_;
};

#endif
