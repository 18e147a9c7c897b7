// What the map edits of a route: its positions, the active one, and the
// operations that insert, move, append and delete them. The route model is
// not built yet: its operations are stand-ins and no route exists while
// Dru_Routes is null.
#ifndef ROUTES_CLASSE_ROUTE_H
#define ROUTES_CLASSE_ROUTE_H

#include <ctime>

class classePosition {
public:
    time_t date = 0;
    double latitude = 0.0, longitude = 0.0;
    // 0 computed, 1 entered by the user, 2 and 3 added by the route model.
    int type = 0;
};

class classeRoute {
public:
    // A position after `index`, then the one at `index` deleted; non-zero
    // on success.
    int insert(int index);
    int del(int index);
    // A new last position, then placed and dated from the previous point's
    // speed (`legs`), or placed at a date.
    void append();
    void set(double latitude, double longitude, int legs);
    void set(long date, double latitude, double longitude);
    void recalcul(int from);
    void change(int index, double latitude, double longitude);
    // The dead-reckoned position at the current time; its number, 0 when
    // nothing was inserted.
    int classeRouteInsertionDateCourante();
    // Position `index` counted from 0; null outside the route.
    classePosition* position(int index);

    int visible = 0;
    // The position edited on the map, counted from 1; 0 or below when the
    // route is not edited.
    int actif = 0;
    int dernier = -1;  // index of the last position
};

// The route edited on the map: the first visible route of the route
// window whose active position is above 0; null when there is none.
classeRoute* pRouteEditee();

#endif
