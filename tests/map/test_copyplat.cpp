// The cut of the world pixmap that a view shows: one block, the wrap at the
// dateline, the world repeated when the view is wider, the cut kept at the
// image's resolution when zoomed in, and indexes kept inside the image.
#include "map/dru_pixmap.h"

#include "tests/map/outils_carte.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A 100 x 50 pixmap whose pixels hold their column, or their row.
class Decoupe : public ::testing::Test {
protected:
    Dru_Pixmap colonnes{lignesPixmap(100, 50, 3, [](int x, int) { return x; })};
    Dru_Pixmap rangees{lignesPixmap(100, 50, 3, [](int, int y) { return y; })};

    // One row of a cut and its size, then the cut is freed.
    std::vector<int> rangee(char** cut, int r, int* l = nullptr, int* h = nullptr)
    {
        int w = 0, ht = 0, nc = 0, cpp = 0;
        EXPECT_TRUE(iEntetePixmap(cut[0], w, ht, nc, cpp));
        if (l)
            *l = w;
        if (h)
            *h = ht;
        std::vector<int> v;
        if (r < ht)
            for (int i = 0; i < w; ++i)
                v.push_back((unsigned char)cut[r + 2][i]);
        Dru_Pixmap::free(cut);
        return v;
    }

    std::vector<int> colonnesDe(double x, int w, double scale)
    {
        return rangee(colonnes.copyplat(1.0, x, 0, w, 10, scale, nullptr), 0);
    }
};

std::vector<int> suite(int debut, int n, int pas = 1)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(debut + i * pas);
    return v;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(Decoupe, OneBlockInsideTheImage)
{
    int l = 0, h = 0;
    char** cut = colonnes.copyplat(1.4, 10, 0, 20, 30, 2.0, nullptr);
    EXPECT_EQ(std::strncmp(cut[0], "20 21 -3 1", 11), 0);
    EXPECT_EQ(std::memcmp(cut[1], colonnes.data[1], 12), 0);
    EXPECT_EQ(rangee(cut, 0, &l, &h), suite(10, 20, 2));
    EXPECT_EQ(l, 20);
    EXPECT_EQ(h, 21);  // trunc(30 / 1.4)
}

TEST_F(Decoupe, WestOfTheWestEdgeStartsWithTheEastEnd)
{
    EXPECT_EQ(colonnesDe(-10, 30, 1.0), suite(90, 10) + suite(0, 20));
    EXPECT_EQ(colonnesDe(-10, 20, 2.0), suite(90, 5, 2) + suite(0, 15, 2));
}

TEST_F(Decoupe, EastOfTheEastEdgeContinuesFromTheWestEnd)
{
    EXPECT_EQ(colonnesDe(90, 30, 1.0), suite(90, 10) + suite(0, 20));
    // Zoomed in: the cut stays at the image's resolution, w x scale wide.
    EXPECT_EQ(colonnesDe(95, 40, 0.5), suite(95, 5) + suite(0, 15));
}

TEST_F(Decoupe, AViewWiderThanTheWorldRepeatsIt)
{
    // 50 columns at scale 3 show 150 raster columns: runs of trunc(100 / 3).
    std::vector<int> attendu;
    for (int i = 0; i < 50; ++i)
        attendu.push_back(3 * (i % 33));
    EXPECT_EQ(colonnesDe(0, 50, 3.0), attendu);
    // Zoomed in on a 100-column image, a 300-pixel view at scale 0.5.
    EXPECT_EQ(colonnesDe(0, 300, 0.5), suite(0, 100) + suite(0, 50));
}

TEST_F(Decoupe, RowsFollowTheScaleAndStayInsideTheImage)
{
    int h = 0;
    EXPECT_EQ(rangee(rangees.copyplat(1.0, 0, 10, 5, 10, 2.0, nullptr), 3), suite(16, 5, 0));
    char** bas = rangees.copyplat(1.0, 0, 45, 5, 10, 2.0, nullptr);
    EXPECT_EQ(rangee(bas, 9, nullptr, &h), suite(49, 5, 0));
    EXPECT_EQ(h, 10);
    EXPECT_EQ(rangee(rangees.copyplat(1.0, 0, -30, 5, 10, 2.0, nullptr), 0), suite(0, 5, 0));
    // Far outside on either side: edge columns, never outside the image.
    for (double x : {-250.0, 250.0, 1e9})
        for (int c : colonnesDe(x, 30, 1.0))
            EXPECT_TRUE(c >= 0 && c < 100) << x;
}

TEST_F(Decoupe, AnEmptyPixmapAdoptsTheFallbackOrGivesNothing)
{
    Dru_Pixmap vide(static_cast<char**>(nullptr));
    EXPECT_EQ(vide.copyplat(1.4, 0, 0, 10, 10, 1.0, nullptr), nullptr);
    char** secours = lignesPixmap(100, 50, 3, [](int x, int) { return x; });
    EXPECT_EQ(rangee(vide.copyplat(1.0, 0, 0, 10, 10, 1.0, secours), 0), suite(0, 10));
    EXPECT_EQ(vide.data, secours);
    EXPECT_EQ(colonnes.copyplat(1.4, 0, 0, 10, 10, 0.0, nullptr), nullptr);
}
