// The vectorised loops of simple packing against the plain formulas, bit
// for bit, on lengths around their blocks, with absent and extreme values.
#include "codes/paquets_simples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

const float ABSENT = 1.0e-37f;
const size_t LONGUEURS[] = {0, 1, 63, 64, 65, 200, 4099};

uint32_t bits(float f)
{
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

// Floats around [-500, 500], a tenth of them absent.
std::vector<float> valeurs(size_t n, unsigned graine)
{
    std::mt19937 alea(graine);
    std::uniform_real_distribution<float> uniforme(-500, 500);
    std::vector<float> v(n);
    for (float& x : v)
        x = alea() % 10 == 0 ? ABSENT : uniforme(alea);
    return v;
}

}  // namespace

TEST(PaquetsSimples, UnpackedAsTheFormulaGivesThem)
{
    // Scales that float arithmetic follows exactly, and others (a decimal
    // scale, a reference with more than a float's digits) that it does not.
    const struct {
        int e;
        double r;
        int d;
    } echelles[] = {{0, 0, 0},      {-3, -16, 0},      {4, 95000, 0},  {1, 270.125, 0},
                    {-7, 1e-10, 0}, {-3, -30.7, 1},    {6, 101325, -2}, {-20, 0.1, 0},
                    {30, -2.5e9, 0}};
    std::mt19937 alea(7);
    for (const auto& s : echelles)
        for (size_t n : LONGUEURS)
            for (unsigned largeur : {8u, 16u}) {
                std::vector<unsigned char> octets(n * largeur / 8);
                for (unsigned char& o : octets)
                    o = (unsigned char)alea();
                const double e = std::ldexp(1.0, s.e), d = std::pow(10.0, -s.d);
                std::vector<float> v(n + 1, -1);
                const uint32_t max = largeur == 8 ? uiDeballer8(octets.data(), n, e, s.r, d, v.data())
                                                  : uiDeballer16(octets.data(), n, e, s.r, d, v.data());
                uint32_t attendu = 0;
                for (size_t k = 0; k < n; ++k) {
                    const uint32_t code = largeur == 8 ? octets[k]
                                                       : uint32_t(octets[2 * k]) << 8 | octets[2 * k + 1];
                    attendu = std::max(attendu, code);
                    ASSERT_EQ(bits(v[k]), bits((float)(((double)code * e + s.r) * d)))
                        << s.e << " " << s.r << " " << s.d << " n " << n << " k " << k;
                }
                EXPECT_EQ(max, attendu);
                EXPECT_EQ(v[n], -1);  // nothing past the end
            }
}

TEST(PaquetsSimples, ExtentOfThePresentValues)
{
    const float infini = std::numeric_limits<float>::infinity();
    for (size_t n : LONGUEURS)
        for (int cas = 0; cas < 6; ++cas) {
            std::vector<float> v = valeurs(n, unsigned(n + cas));
            if (n && cas == 1)
                v[n - 1] = infini;
            if (n && cas == 2)
                v[n / 2] = std::nanf("");
            if (cas == 3)  // all above the starting minimum, which then stands
                for (float& x : v)
                    x = x == ABSENT ? x : 2e37f + std::fabs(x) * 1e34f;
            if (cas == 4)
                std::fill(v.begin(), v.end(), ABSENT);
            if (n && cas == 5)
                v[0] = -infini;
            float min = 1.0e37f, max = -1.0e37f;
            uint64_t presents = 0;
            bool finies = true;
            for (float x : v)
                if (x != ABSENT) {
                    ++presents;
                    finies &= x - x == 0;
                    min = std::min(min, x);
                    max = std::max(max, x);
                }
            const EtendueValeurs t = etendueValeurs(v.data(), n, ABSENT);
            EXPECT_EQ(t.presents, presents) << n << " " << cas;
            EXPECT_EQ(t.finies, finies) << n << " " << cas;
            if (finies) {
                EXPECT_EQ(t.min, min) << n << " " << cas;
                EXPECT_EQ(t.max, max) << n << " " << cas;
            }
        }
}

TEST(PaquetsSimples, EightBitCodesAsTheFormulaGivesThem)
{
    // Values a little outside R .. R + 255 x 2^E too: their codes are held
    // at 0 and 255.
    const struct {
        double r;
        int e;
    } echelles[] = {{-510, 2}, {-17.25, -1}, {0, -10}, {95000, 5}};
    for (const auto& s : echelles)
        for (size_t n : LONGUEURS) {
            std::vector<float> v = valeurs(n, unsigned(n));
            const double pas = std::ldexp(1.0, s.e);
            for (float& x : v)
                if (x != ABSENT)
                    x = float(s.r + (x + 520) / 1000 * 275 * pas - 10 * pas);
            std::vector<unsigned char> codes(n + 1, 7);
            const double inverse = std::ldexp(1.0, -s.e);
            vEmballer8(v.data(), n, ABSENT, s.r, inverse, 255, 255, codes.data());
            for (size_t k = 0; k < n; ++k) {
                const double c = ((double)v[k] - s.r) * inverse + 0.5;
                const unsigned attendu =
                    v[k] == ABSENT ? 255 : (uint32_t)std::min(std::max(c, 0.0), 255.0);
                ASSERT_EQ(codes[k], attendu) << s.r << " n " << n << " k " << k;
            }
            EXPECT_EQ(codes[n], 7);
        }
}
