// Decoding a whole list and linking wave heights to their companions.
#include "grib_test.h"

#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

MessageTest vague(int parametre, int p1)
{
    MessageTest m;
    m.parametre = parametre;
    m.p1 = p1;
    return m;
}

using Liste = ListeTest;

}  // namespace

TEST(DecodeGribAll, LinksEachWaveHeightToItsValidity)
{
    Liste l({vague(200, 6), vague(100, 0), vague(201, 0), vague(200, 0), vague(105, 0),
             vague(104, 0), vague(106, 6), vague(102, 0)});
    ASSERT_EQ(iDecodeGribAll(l.f.list), 0);
    for (grib* g = l.f.list; g; g = g->suivant)
        EXPECT_NE(g->champ, nullptr);
    // The swell's period is of another validity.
    const std::vector<grib*> liens = {l.trouve(100, 0)->direction, l.trouve(100, 0)->periode,
                                      l.trouve(105, 0)->direction, l.trouve(105, 0)->periode,
                                      l.trouve(102, 0)->direction, l.trouve(200, 6)->direction};
    EXPECT_EQ(liens, (std::vector<grib*>{l.trouve(200, 0), l.trouve(201, 0), l.trouve(104, 0),
                                         nullptr, nullptr, nullptr}));
}

// Two wave models in one file: each height takes its own model's
// direction and period, whichever the file lists last.
TEST(DecodeGribAll, LinksEachWaveHeightToItsOwnModel)
{
    auto de = [](int parametre, int process) {
        MessageTest m = vague(parametre, 0);
        m.process = process;
        return m;
    };
    Liste l({de(100, 78), de(100, 8), de(200, 78), de(200, 8), de(201, 8), de(201, 78)});
    ASSERT_EQ(iDecodeGribAll(l.f.list), 0);
    for (grib* h = l.f.list; h; h = h->suivant) {
        if (h->parametre != 100)
            continue;
        ASSERT_NE(h->direction, nullptr);
        ASSERT_NE(h->periode, nullptr);
        EXPECT_EQ(h->direction->process, h->process);
        EXPECT_EQ(h->periode->process, h->process);
    }
}

TEST(DecodeGribAll, StopsAtTheFirstRefusal)
{
    MessageTest refuse = vague(11, 3);
    refuse.bits = 12;
    Liste l({vague(2, 0), refuse, vague(33, 6)});
    EXPECT_EQ(iDecodeGribAll(l.f.list), 1);
    EXPECT_NE(l.trouve(2, 0)->champ, nullptr);
    EXPECT_EQ(l.trouve(11, 3)->champ, nullptr);
    EXPECT_EQ(l.trouve(33, 6)->champ, nullptr);
    EXPECT_EQ(iDecodeGribAll(nullptr), 0);
}
