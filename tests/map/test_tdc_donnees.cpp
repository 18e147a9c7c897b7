// The committed coastline levels, read by the store: well-known places
// fall on land, sea or lake at every level, and the filed levels keep each
// record inside its ten-degree square.
#include "tdc_test.h"

#include <cmath>
#include <filesystem>

namespace {

class DonneesReelles : public DossierTdc {
protected:
    void SetUp() override
    {
        donneesReelles();
        if (!std::filesystem::exists("img/data3.dat.gz"))
            GTEST_SKIP() << "no coastline data in data/img";
        t = std::make_unique<tdc>();
        for (int n = 1; n <= 3; ++n)
            t->load_file(n);
    }
    std::unique_ptr<tdc> t;
};

}  // namespace

TEST_F(DonneesReelles, LevelsZeroToThreeLoadWhole)
{
    for (int n = 0; n <= 3; ++n) {
        EXPECT_EQ(t->charge[n], 1) << n;
        EXPECT_GT(listeChaine(t->chaines[n]).size(), 100u) << n;
    }
    EXPECT_EQ(journal().find("illisible"), std::string::npos);
    EXPECT_EQ(journal().find("ERROR marsden"), std::string::npos);
    EXPECT_EQ(journal().find("ATTENTION"), std::string::npos);
}

TEST_F(DonneesReelles, KnownPlacesFallOnLandSeaOrLake)
{
    const struct {
        const char* nom;
        double lat, lon;
        int surface;
        int depuis;  // first level that shows it
    } lieux[] = {
        {"Paris", 48.85, 2.35, 1, 0},
        {"Atlantic", 45, -30, 0, 0},
        {"Pacific at the dateline", 0, 180, 0, 0},
        {"Chukotka across the dateline", 66, -175, 1, 0},
        {"Fiji's Viti Levu", -17.8, 178.0, 1, 1},
        {"South pole", -89.9, 45, 1, 0},
        {"Lake Superior", 47.7, -87.5, 2, 1},
        {"Caspian Sea", 42, 51, 2, 1},
        {"Isle Royale in Lake Superior", 48.0, -88.9, 3, 2},
        {"Belle-Ile", 47.33, -3.18, 1, 2},
        {"Bay of Quiberon", 47.52, -3.05, 0, 3},
    };
    for (const auto& l : lieux)
        for (int n = l.depuis; n <= 3; ++n)
            EXPECT_EQ(iSurfaceTdc(t->chaines[n], n, l.lat, l.lon), n == 0 ? l.surface != 0 : l.surface)
                << l.nom << " at level " << n;
}

TEST_F(DonneesReelles, FiledRecordsStayInTheirSquare)
{
    for (int n = 2; n <= 3; ++n) {
        int deposes = 0;
        for (int c = 0; c < TDC_CARRES; ++c)
            for (const TYPEDEF_TDC* r : listeCarre(t->carres[n][c])) {
                ++deposes;
                const double x0 = std::floor(r->ouest / 10 + 1e-6) * 10;
                ASSERT_LE(r->est, x0 + 10 + 1e-4) << n << " " << r->ouest << " " << r->est;
                ASSERT_EQ(iMarsden(r->sud, r->ouest), c);
                ASSERT_GE(r->ouest, -180);
                ASSERT_LT(r->ouest, 180);
            }
        EXPECT_EQ(deposes, int(listeChaine(t->chaines[n]).size())) << n;
    }
}
