// Clipping of lines and polygons to a frame, against areas and lengths
// computed independently.
#include "map/decoupage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const CadrePlan CADRE{0, 0, 100, 50};

double aire(const std::vector<PointPlan>& p)
{
    double a = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const PointPlan& u = p[i];
        const PointPlan& v = p[(i + 1) % p.size()];
        a += u.x * v.y - v.x * u.y;
    }
    return std::fabs(a) / 2;
}

bool dedans(const PointPlan& p, const CadrePlan& c)
{
    const double e = 1e-9;
    return p.x >= c.x0 - e && p.x <= c.x1 + e && p.y >= c.y0 - e && p.y <= c.y1 + e;
}

std::vector<PointPlan> decoupe(const std::vector<PointPlan>& p, const CadrePlan& c = CADRE)
{
    std::vector<PointPlan> sortie, travail;
    vDecouperPolygone(p, c, sortie, travail);
    return sortie;
}

// The even-odd inside test, for the area of a clipped polygon by sampling.
bool interieur(const std::vector<PointPlan>& p, double x, double y)
{
    bool in = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
        if ((p[i].y > y) != (p[j].y > y) &&
            x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            in = !in;
    return in;
}

// Points of a half-unit grid over the frame where the clipped polygon and
// the original disagree.
int ecarts(const std::vector<PointPlan>& decoupe, const std::vector<PointPlan>& original,
           const CadrePlan& c)
{
    int n = 0;
    for (double x = c.x0 + 0.25; x < c.x1; x += 0.5)
        for (double y = c.y0 + 0.25; y < c.y1; y += 0.5)
            n += interieur(decoupe, x, y) != interieur(original, x, y);
    return n;
}

}  // namespace

TEST(DecoupagePolygone, InsideOutsideAndAround)
{
    const std::vector<PointPlan> triangle{{10, 10}, {90, 10}, {50, 40}};
    EXPECT_EQ(decoupe(triangle).size(), 3u);
    EXPECT_DOUBLE_EQ(aire(decoupe(triangle)), aire(triangle));
    EXPECT_TRUE(decoupe({{200, 10}, {300, 10}, {250, 40}}).empty());
    EXPECT_TRUE(decoupe({}).empty());
    // A polygon around the whole frame becomes the frame.
    const auto tout = decoupe({{-1e7, -1e7}, {1e7, -1e7}, {1e7, 1e7}, {-1e7, 1e7}});
    EXPECT_DOUBLE_EQ(aire(tout), 100 * 50);
    for (const PointPlan& p : tout)
        EXPECT_TRUE(dedans(p, CADRE));
    // Half in: a square straddling the right side keeps its inner half.
    EXPECT_DOUBLE_EQ(aire(decoupe({{80, 10}, {120, 10}, {120, 30}, {80, 30}})), 20 * 20);
    // A slanted band across the left and right sides keeps its height of 20
    // over the frame's width, with its edges where they cross the sides.
    const std::vector<PointPlan> bande{{-20, 5}, {120, 25}, {120, 45}, {-20, 25}};
    const auto b = decoupe(bande);
    EXPECT_NEAR(aire(b), 20 * 100, 1e-9);
    EXPECT_EQ(ecarts(b, bande, CADRE), 0);
    for (const PointPlan& p : b)
        EXPECT_TRUE(dedans(p, CADRE));
}

// A concave comb whose teeth leave the frame: one polygon comes back, its
// parts joined along the frame's side, and it covers exactly the parts of
// the comb that lie inside (checked by sampling the even-odd rule).
TEST(DecoupagePolygone, ConcaveShapesKeepTheirFill)
{
    std::vector<PointPlan> peigne{{5, -30}, {95, -30}, {95, 45}};
    for (int dent = 4; dent >= 0; --dent) {
        peigne.push_back({10.0 + 20 * dent + 10, 45});
        peigne.push_back({10.0 + 20 * dent + 10, 20});
        peigne.push_back({10.0 + 20 * dent, 20});
        peigne.push_back({10.0 + 20 * dent, 45});
    }
    peigne.push_back({5, 45});
    const CadrePlan bas{0, 0, 100, 25};
    const auto p = decoupe(peigne, bas);
    for (const PointPlan& q : p)
        EXPECT_TRUE(dedans(q, bas));
    EXPECT_EQ(ecarts(p, peigne, bas), 0);
}

TEST(DecoupagePolyligne, RunsInsideTheFrame)
{
    TronconsVisibles t;
    const PointPlan traverse[] = {{-50, 25}, {150, 25}};
    vDecouperPolyligne(traverse, 2, CADRE, t);
    ASSERT_EQ(t.debuts.size(), 1u);
    EXPECT_EQ(t.points.size(), 2u);
    EXPECT_DOUBLE_EQ(t.points[0].x, 0);
    EXPECT_DOUBLE_EQ(t.points[1].x, 100);

    // Out, in, out and in again: two runs; the inner points are kept as
    // they are.
    t.vVider();
    const PointPlan zigzag[] = {{-10, 10}, {20, 10}, {30, 20}, {30, 80}, {40, 80}, {40, 20}, {50, 30}};
    vDecouperPolyligne(zigzag, 7, CADRE, t);
    ASSERT_EQ(t.debuts.size(), 2u);
    EXPECT_EQ(t.iFin(0) - t.debuts[0], 4u);
    EXPECT_DOUBLE_EQ(t.points[1].x, 20);
    EXPECT_DOUBLE_EQ(t.points[3].y, 50);
    EXPECT_EQ(t.iFin(1) - t.debuts[1], 3u);
    EXPECT_DOUBLE_EQ(t.points[t.debuts[1]].y, 50);
    EXPECT_DOUBLE_EQ(t.points.back().x, 50);

    t.vVider();
    const PointPlan dehors[] = {{-10, -10}, {-10, 60}, {110, 60}, {110, -10}};
    vDecouperPolyligne(dehors, 4, CADRE, t);
    EXPECT_TRUE(t.debuts.empty());
    vDecouperPolyligne(dehors, 1, CADRE, t);
    EXPECT_TRUE(t.points.empty());
}

// Lines with points millions of pixels away, as a deep zoom gives them:
// everything handed back lies in the frame and the visible length is the
// one of the exact intersection.
TEST(DecoupagePolyligne, FarPointsNeverLeaveTheFrame)
{
    std::mt19937 alea(3);
    std::uniform_real_distribution<double> loin(-3e7, 3e7);
    for (int essai = 0; essai < 2000; ++essai) {
        const PointPlan seg[] = {{loin(alea), loin(alea)}, {50 + loin(alea) * 1e-6, 25}};
        TronconsVisibles t;
        vDecouperPolyligne(seg, 2, CADRE, t);
        ASSERT_EQ(t.debuts.size(), 1u);
        for (const PointPlan& p : t.points)
            ASSERT_TRUE(dedans(p, CADRE)) << p.x << " " << p.y;
        // The clipped run lies on the original segment.
        const double dx = seg[1].x - seg[0].x, dy = seg[1].y - seg[0].y;
        const double croix = (t.points[0].x - seg[0].x) * dy - (t.points[0].y - seg[0].y) * dx;
        EXPECT_NEAR(croix / std::hypot(dx, dy), 0, 1e-6);
    }
}
