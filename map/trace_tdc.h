// How a map turns coastline records into screen points: the map's
// geographic-to-screen rule, then clipping to the view grown by a small
// margin, so that nothing far outside reaches X11's 16-bit coordinates.
#ifndef MAP_TRACE_TDC_H
#define MAP_TRACE_TDC_H

#include "map/decoupage.h"
#include "map/tdc.h"

#include <vector>

// Screen x = rint(ax * longitude + bx), y = trunc(ay * latitude + by) + y0,
// in window pixels; `cadre` is the view in window pixels with its margin.
struct ProjectionTdc {
    double ax, bx, ay, by;
    int y0;
    CadrePlan cadre;
};

// The rule of a view: a raster of W x H pixels, the view's offsets and
// scale, `k` the longitude shift of its dateline regime (180, -180 or
// 540), and the map's rectangle in the window.
ProjectionTdc projectionTdc(int W, int H, double ox, double oy, double echelle, double k, int x,
                            int y, int w, int h);

// Scratch space of the drawing, kept from one record to the next.
class TraceTdc {
public:
    // The visible runs of the record's line (shifted by `decalage` degrees
    // of longitude; `echelle` units per degree from the edges `sud`,
    // `ouest`). A ring's stretches along ten-degree meridians and parallels
    // are where the store cut it into squares, not shore: they are left out.
    const TronconsVisibles& contour(const TYPEDEF_TDC* t, double decalage, double echelle,
                                    double sud, double ouest, const ProjectionTdc& p);
    // The record's ring clipped to the view, closed on its first point;
    // empty when nothing of it is in view.
    const std::vector<PointPlan>& surface(const TYPEDEF_TDC* t, double decalage, double echelle,
                                          double sud, double ouest, const ProjectionTdc& p);

private:
    void vProjeter(const TYPEDEF_TDC* t, double decalage, double echelle, double sud,
                   double ouest, const ProjectionTdc& p);
    std::vector<PointPlan> points_, travail_, sortie_;
    std::vector<bool> couture_;  // segment i..i+1 is a cut
    TronconsVisibles troncons_;
};

#endif
