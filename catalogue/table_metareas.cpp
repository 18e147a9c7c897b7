// The 23 areas in list order, with their own outlines: the Metarea limits
// the map draws after each area's sub-areas.
#include "catalogue/table_metareas.h"

#include "catalogue/metareas.h"

namespace {

template <int N>
constexpr TraceMetarea trace(const SegmentMetarea (&s)[N])
{
    return {s, N};
}

constexpr SegmentMetarea C_I[] = {{71, -21.6127, 71, 20}, {66.275, -35, 48.45, -35}};
constexpr SegmentMetarea C_II[] = {{48.45, -35, 48.45, -4.7825},
                                   {48.45, -35, 7, -35},
                                   {7, -35, 7, -20},
                                   {7, -20, -6, -20},
                                   {-6, -20, -6, 12.3942}};
constexpr SegmentMetarea C_IV[] = {{67, -81.4652, 67, -72.8244},
                                   {67, -61.78, 67, -53.5},
                                   {7, -58.4085, 7, -35}};
constexpr SegmentMetarea C_V[] = {{-6, -20, -35.8333, -20},
                                  {-35.8333, -48, -35.8333, -20},
                                  {-33.8467, -53.4297, -35.8333, -48}};
constexpr SegmentMetarea C_VI[] = {{-36, -20, -73.4245, -20},
                                   {-55.9789, -67.2666, -66.7996, -67.2666}};
constexpr SegmentMetarea C_VII[] = {{-10.5, 40.5237, -10.5, 55},
                                    {-10.5, 55, -30, 55},
                                    {-30, 55, -30, 80},
                                    {-30, 80, -66.43, 80}};
constexpr SegmentMetarea C_VIII_N[] = {{0, 42.8946, 0, 95}, {5.78, 95, 7.8, 98.35}};
constexpr SegmentMetarea C_VIII_S[] = {{5.78, 95, -30, 95}, {-30, 80, -30, 95}};
constexpr SegmentMetarea C_IX[] = {{12, 50.75, 12, 63}, {12, 63, 20, 66.48}, {20, 66.48, 23.5, 68}};
constexpr SegmentMetarea C_X[] = {{0, 170, -29, 170}, {-45, 160, -29, 170}, {-45, 160, -69.3, 160}};
constexpr SegmentMetarea C_XI[] = {{45, 180, 0, 180},      {0, 141, 0, 180},      {0, 141, -2.5, 141},
                                   {-9.2, 141, -10, 141},  {-10, 127, -10, 141},  {-10, 127, -12, 127},
                                   {-12, 95, -12, 127}};
constexpr SegmentMetarea C_XII[] = {{0, 180, 0, 240}, {0, 240, -3.4, 240}, {-3.4, 240, -3.4, 279.692}};
constexpr SegmentMetarea C_XIII[] = {{67, 191.1, 53, 172},         {53, 172, 50, 180},
                                     {50, 180, 45, 180},           {45, 148.5, 45, 180},
                                     {45, 148.5, 43.42, 146.15},   {43.42, 146.15, 46.48, 140.29},
                                     {46.48, 140.29, 42.28, 135},  {42.28, 135, 42.28, 130.38}};
constexpr SegmentMetarea C_XIV[] = {{0, 240, -73.7814, 240}};
constexpr SegmentMetarea C_XV[] = {{-18.35, 240, -18.35, 289.55}};
constexpr SegmentMetarea C_XVII[] = {{90, -168.966, 67, -168.966}, {90, -120, 77, -120}};
constexpr SegmentMetarea C_XVIII[] = {{90, -35, 83.6144, -35}};
constexpr SegmentMetarea C_XX[] = {{90, 125, 73.66, 125}};

const unsigned VERT = 63, JAUNE = 95, CYAN = 223;

// nom, nom2, nom3, colour, key, identifiers, label point, box (north,
// south, west, east), outline, sub-areas. XIV's box reaches 240, where
// X's outline and its own meet, and holds its label (-170 is 190).
constexpr LigneMetarea TABLE[] = {
    {"I", "United Kingdom", nullptr, VERT, 1, {"GMDSS_METAREA1_INMARSAT", "GMDSS_METAREA1_OFFSHORE"},
     52.5, -2, 71, 48.45, -35, 30, trace(C_I), 37},
    {"II", "France", nullptr, VERT, 2, {"GMDSS_METAREA2_INMARSAT"},
     40, -22, 48.45, -6, -35, 10, trace(C_II), 38},
    {"III", "Mediterranean", "Greece", JAUNE, 3, {"GMDSS_METAREA3-W_INMARSAT", "GMDSS_METAREA3-E_INMARSAT"},
     40, 21, 43, 30, -6, 42, {}, 55},
    {"IV", "USA", nullptr, CYAN, 4, {"GMDSS_METAREA4_INMARSAT"},
     37, -66, 67, 7, -100, -35, trace(C_IV), 3},
    {"V", "Brazil", nullptr, JAUNE, 5, {"GMDSS_METAREA5_INMARSAT"},
     -20, -32, 7, -35, -58, -20, trace(C_V), 10},
    {"VI", "Argentina", nullptr, JAUNE, 6, {"GMDSS_METAREA6_N-60_INMARSAT", "GMDSS_METAREA6_S-60_INMARSAT"},
     -50, -40, -35, -80, -68, -20, trace(C_VI), 17},
    {"VII", "South Africa", nullptr, VERT, 7, {"GMDSS_METAREA7_INMARSAT"},
     -26, 24, -6, -80, -20, 80, trace(C_VII), 19},
    {"VIII(N)", "India", nullptr, CYAN, 8, {"GMDSS_METAREA8-N_INMARSAT"},
     17, 77, 21, 6, 55, 99, trace(C_VIII_N), 4},
    {"VIII(S)", "Mauritius", "La Reunion", CYAN, 9, {"GMDSS_METAREA8-S_INMARSAT"},
     -8, 75, 6, -30, 45, 95, trace(C_VIII_S), 7},
    {"IX", "Pakistan", nullptr, CYAN, 10, {"GMDSS_METAREA9_INMARSAT"},
     21, 50, 30, 12, 31, 63, trace(C_IX), 4},
    {"X", "Australia", nullptr, JAUNE, 11,
     {"GMDSS_METAREA10-NE_INMARSAT", "GMDSS_METAREA10-N_INMARSAT", "GMDSS_METAREA10-W_INMARSAT",
      "GMDSS_METAREA10-SE_INMARSAT"},
     -25, 134, 0, -80, 80, 190, trace(C_X), 8},
    {"XI", "Japan", nullptr, VERT, 12,
     {"GMDSS_METAREA11-IOR_INMARSAT", "GMDSS_METAREA11-POR_INMARSAT",
      "GMDSS_METAREA11-S-EQUATOR_INMARSAT"},
     30, 160, 45, 9, 95, 180, trace(C_XI), 26},
    {"XI", "China", nullptr, JAUNE, 0, {}, 20, 117, 45, 9, 95, 180, {}, 0},
    {"XII", "USA", nullptr, CYAN, 13, {"GMDSS_METAREA12_INMARSAT"},
     28, 215, 70, 0, -179.9, -90, trace(C_XII), 1},
    {"XIII", "Russian Federation", nullptr, JAUNE, 14, {"GMDSS_METAREA13_INMARSAT"},
     54, 158, 80, 45, 115, 180, trace(C_XIII), 4},
    {"XIV", "New Zealand", nullptr, VERT, 15, {"GMDSS_METAREA14-SOUTH_INMARSAT", "GMDSS_METAREA14-TROPICS_INMARSAT"},
     -35, -170, 0, -80, 160, 240, trace(C_XIV), 26},
    {"XV", "Chile", nullptr, JAUNE, 16, {"GMDSS_METAREA15_INMARSAT"},
     -45, -100, -18, -80, -120, -66.75, trace(C_XV), 17},
    {"XVI", "USA", nullptr, CYAN, 17, {"GMDSS_METAREA16_INMARSAT"},
     -8, 260, -3.4, -18.35, -120, -70, {}, 1},
    {"XVII", "Canada", nullptr, JAUNE, 18, {"GMDSS_METAREA17_INMARSAT"},
     80, -140, 90, 67, -168, -120, trace(C_XVII), 0},
    {"XVIII", "Canada", nullptr, VERT, 19, {"GMDSS_METAREA18_INMARSAT"},
     80, -70, 90, 67, -120, -35, trace(C_XVIII), 0},
    {"XIX", "Norway", nullptr, CYAN, 20, {"GMDSS_METAREA19_INMARSAT"},
     80, 12, 90, 65, -20, 30, {}, 0},
    {"XX", "Russian Federation", nullptr, JAUNE, 21, {"GMDSS_METAREA20_INMARSAT"},
     80, 80, 90, 65, 30, 125, trace(C_XX), 0},
    {"XXI", "Russian Federation", nullptr, VERT, 22, {"GMDSS_METAREA21_INMARSAT"},
     80, 157, 90, 65, 125, 165, {}, 0},
};

static_assert(sizeof TABLE / sizeof TABLE[0] == NOMBRE_METAREAS, "area rows missing");

constexpr int iLongueur(const char* s)
{
    int n = 0;
    while (s[n])
        ++n;
    return n;
}

// Each identifier fits the request model's buffer; the last slot of each
// array stays null.
constexpr bool bIdentifiantsCourts()
{
    for (const LigneMetarea& m : TABLE) {
        if (m.bulletins[METAREA_BULLETINS - 1])
            return false;
        for (const char* b : m.bulletins)
            if (b && iLongueur(b) > METAREA_IDENTIFIANT_MAX)
                return false;
    }
    return true;
}
static_assert(bIdentifiantsCourts(), "a bulletin identifier is longer than 47 characters");

constexpr int iSousZones()
{
    int n = 0;
    for (const LigneMetarea& m : TABLE)
        n += m.sousZones;
    return n;
}
static_assert(iSousZones() == NOMBRE_SOUS_ZONES, "the areas do not hold every sub-area row");

}  // namespace

const LigneMetarea* const METAREAS = TABLE;
