// Clipping of polylines and polygons to an axis-aligned frame. The map
// clips in screen pixels before drawing: X11 takes 16-bit coordinates and
// the toolkit does not clip, so a point far outside the view would wrap
// around and draw across it. The coastline tool clips in degrees to cut
// rings into ten-degree squares.
#ifndef MAP_DECOUPAGE_H
#define MAP_DECOUPAGE_H

#include <cstddef>
#include <vector>

struct PointPlan {
    double x, y;
};

// x0 <= x1 and y0 <= y1; the sides belong to the frame.
struct CadrePlan {
    double x0, y0, x1, y1;
};

// The polygon cut to the frame (Sutherland-Hodgman). Parts of a concave
// polygon stay one polygon, joined by edges along the frame's sides, which
// enclose nothing: fills are unchanged. `sortie` is emptied when nothing
// lies inside; `travail` is scratch space kept by the caller.
void vDecouperPolygone(const std::vector<PointPlan>& polygone, const CadrePlan& cadre,
                       std::vector<PointPlan>& sortie, std::vector<PointPlan>& travail);

// The visible runs of an open line: run k is points[debuts[k]] up to
// points[debuts[k + 1]] (or the end); every run has at least two points.
struct TronconsVisibles {
    std::vector<PointPlan> points;
    std::vector<size_t> debuts;
    void vVider()
    {
        points.clear();
        debuts.clear();
    }
    size_t iFin(size_t k) const { return k + 1 < debuts.size() ? debuts[k + 1] : points.size(); }
};

// Appends the visible runs of the line p[0..n-1] to `t`.
void vDecouperPolyligne(const PointPlan* p, size_t n, const CadrePlan& cadre,
                        TronconsVisibles& t);

#endif
