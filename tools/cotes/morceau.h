// A piece of shoreline, river or border in degrees (x longitude, y
// latitude), with its record level: 1 land, 2 lake, 3 island in a lake,
// 4 pond (closed rings once assembled); 10 + class for rivers and canals
// (GMT's classes 0 to 10), 20 + class for borders (open lines).
#ifndef TOOLS_COTES_MORCEAU_H
#define TOOLS_COTES_MORCEAU_H

#include "map/decoupage.h"

#include <cmath>
#include <vector>

struct Morceau {
    short type = 1;
    std::vector<PointPlan> points;
    bool anneau() const { return type < 10; }
};

// The whole turns of longitude that bring `ouest` into [-180, 180).
inline double decalageVersOuest(double ouest)
{
    return -360 * std::floor((ouest + 180) / 360);
}

#endif
