// Coastline records to screen points: the map's rule, the cut seams left
// out of outlines, and nothing far outside the view handed to X11.
#include "map/trace_tdc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

const int W = 36000000, H = 25200000;

// A record of level-5 units (1/3000 degree) from its south-west corner.
struct Enregistrement {
    std::vector<short> lat, lon;
    TYPEDEF_TDC t;
    Enregistrement(short niveau, float sud, float ouest, std::vector<short> la, std::vector<short> lo)
        : lat(std::move(la)), lon(std::move(lo))
    {
        t = TYPEDEF_TDC{int(lat.size()), niveau, sud, ouest, 0, 0, lat.data(), lon.data(), nullptr};
    }
};

bool dansCadre(const PointPlan& p, const CadrePlan& c)
{
    return p.x >= c.x0 && p.x <= c.x1 && p.y >= c.y0 && p.y <= c.y1;
}

// The view of a 1024 x 600 map at (10, 20) centred on (lat, lon) at scale e.
ProjectionTdc vue(double lat, double lon, double e, double k = 180)
{
    const double ox = (lon + k) * W / 360.0 - 512 * e;
    const double oy = (90 - lat) * H / 180.0 - 300 * e;
    return projectionTdc(W, H, ox, oy, e, k, 10, 20, 1024, 600);
}

}  // namespace

TEST(ProjectionTdc, TheMapsGeographicToScreenRule)
{
    for (double k : {180.0, -180.0, 540.0}) {
        const double ox = 1234567.25, oy = 7654321.5, e = 3.7;
        const ProjectionTdc p = projectionTdc(W, H, ox, oy, e, k, 10, 20, 800, 500);
        for (double lon : {-179.5, -3.25, 0.0, 47.123, 200.0}) {
            const double x = std::rint((W / 360.0) * (lon + k) / e - ox / e) + 10;
            EXPECT_NEAR(std::rint(p.ax * lon + p.bx), x, 1e-6) << k << " " << lon;
        }
        for (double lat : {-89.0, -10.5, 0.0, 48.85}) {
            const double y = std::trunc((H / 180.0) * (90 - lat) / e - oy / e) + 20;
            EXPECT_NEAR(std::trunc(p.ay * lat + p.by) + p.y0, y, 1e-6) << lat;
        }
        EXPECT_EQ(p.cadre.x0, 6);
        EXPECT_EQ(p.cadre.y1, 524);
    }
}

// At the deepest zoom a ring of a few degrees spans millions of pixels:
// every point drawn stays within the view and its margin, and a view
// inside the land is filled whole.
TEST(TraceTdc, DeepZoomStaysInTheView)
{
    Enregistrement terre(1, 47, -5, {0, 0, 9000, 9000, 0}, {0, 9000, 9000, 0, 0});
    Enregistrement cote(1, 47, -5, {0, 3000, 6000, 0}, {0, 4500, 0, 0});
    const ProjectionTdc p = vue(48.0, -3.5, 4.0);
    TraceTdc trace;
    const auto& dedans = trace.surface(&terre.t, 0, 3000, 47, -5, p);
    ASSERT_FALSE(dedans.empty());
    double aire = 0;
    for (size_t i = 0; i + 1 < dedans.size(); ++i) {
        EXPECT_TRUE(dansCadre(dedans[i], p.cadre));
        aire += dedans[i].x * dedans[i + 1].y - dedans[i + 1].x * dedans[i].y;
    }
    EXPECT_DOUBLE_EQ(std::fabs(aire) / 2, (1024 + 8) * (600 + 8));
    // The diagonal shore of `cote` crosses the view: one run, in the frame.
    const ProjectionTdc surLaCote = vue(48.5, -4.25, 4.0);
    const TronconsVisibles& t = trace.contour(&cote.t, 0, 3000, 47, -5, surLaCote);
    ASSERT_EQ(t.debuts.size(), 1u);
    EXPECT_EQ(t.points.size(), 2u);
    for (const PointPlan& q : t.points)
        EXPECT_TRUE(dansCadre(q, surLaCote.cadre)) << q.x << " " << q.y;
    // Drawn one turn away, nothing is in view.
    EXPECT_TRUE(trace.surface(&terre.t, 360, 3000, 47, -5, p).empty());
    EXPECT_TRUE(trace.contour(&cote.t, -360, 3000, 47, -5, p).debuts.empty());
}

// A piece of land cut to the square 40..50 N, 0..10 W: its sides along
// 0 E and 50 N are cuts, its other sides shore.
TEST(TraceTdc, OutlinesLeaveOutTheCutsAlongTenDegreeLines)
{
    Enregistrement piece(1, 46, -10, {0, 12000, 12000, 6000, 0, 0}, {0, 0, 30000, 30000, 15000, 0});
    const ProjectionTdc monde = vue(45, -5, 4000);
    TraceTdc trace;
    const TronconsVisibles& t = trace.contour(&piece.t, 0, 3000, 46, -10, monde);
    // The sides along 10 W, 50 N and 0 E are cuts; the shore left runs
    // from 48 N 0 E by 46 N 5 W to 46 N 10 W.
    ASSERT_EQ(t.debuts.size(), 1u);
    EXPECT_EQ(t.points.size(), 3u);
    // A river is a line: the same points are all drawn.
    Enregistrement riviere(12, 46, -10, {0, 12000, 12000}, {0, 0, 30000});
    EXPECT_EQ(trace.contour(&riviere.t, 0, 3000, 46, -10, monde).points.size(), 3u);
}

TEST(TraceTdc, PointsOnOnePixelAreDrawnOnce)
{
    std::vector<short> lat, lon;
    for (int i = 0; i < 1000; ++i) {
        lat.push_back(short(i % 7));
        lon.push_back(short(i % 5));
    }
    lat.push_back(3000);
    lon.push_back(3000);
    Enregistrement dense(12, 47.3, -4.3, lat, lon);
    TraceTdc trace;
    const TronconsVisibles& t = trace.contour(&dense.t, 0, 3000, 47.3, -4.3, vue(0, 0, 60000));
    ASSERT_EQ(t.debuts.size(), 1u);
    EXPECT_TRUE(t.points.size() == 2u || t.points.size() == 3u) << t.points.size();
    // A one-point ring fills nothing but does not fail either.
    Enregistrement point(1, 47.5, -4.5, {0}, {0});
    EXPECT_LE(trace.surface(&point.t, 0, 3000, 47.5, -4.5, vue(47.5, -4.5, 60)).size(), 2u);
}
