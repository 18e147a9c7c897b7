// The Metarea zones and the model domains drawn by a 1024 x 600 map in a
// window, over a plain dark sea: the pixels read back, and the texts,
// lines and rectangles recorded on their way to X11.

#include "tests/map/carte_fenetre.h"

#include "catalogue/metareas.h"
#include "catalogue/table_metareas.h"
#include "gribdata/modeles.h"
#include "map/zones.h"
#include "map/trace_metareas.h"
#include "ui/globales_ui.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixel = std::array<unsigned char, 3>;

Pixel rgb(Fl_Color c)
{
    if (c < 256) {
        unsigned char r, g, b;
        Fl::get_color(c, r, g, b);
        return {r, g, b};
    }
    return {(unsigned char)(c >> 24), (unsigned char)(c >> 16), (unsigned char)(c >> 8)};
}

const Fl_Color FOND = fl_rgb_color(0, 0, 96);

// The sea, then the overlays asked for.
class CarteZones : public fdc {
public:
    using fdc::fdc;
    void draw() override
    {
        fl_color(FOND);
        fl_rectf(x(), y(), w(), h());
        if (mode >= 0)
            bulletins(mode);
    }
    int mode = -1;
};

class Zones : public CarteFenetre {
protected:
    void SetUp() override
    {
        GMDSS = Metareas();
        CarteFenetre::SetUp();
    }
    void TearDown() override
    {
        vLibererMetareas(GMDSS);
        GMDSS = nullptr;
    }
    fdc* pNouvelleCarte() override { return new CarteZones(X, Y, L, HT); }

    // The window drawn again for a mode and a view.
    void montrer(int mode, double lat, double lon, double etendue)
    {
        static_cast<CarteZones*>(carte)->mode = mode;
        carte->zoom(lat, lon, etendue, 0);
        ASSERT_TRUE(harnais::bRedessiner(fenetre.get()));
    }
    std::unique_ptr<PiloteEnregistreur> zones(int mode, double lat, double lon, double etendue)
    {
        return dessiner(lat, lon, etendue, [&] { carte->bulletins(mode); });
    }
    // Window pixel of a point (the turn of the world nearest the view's
    // centre), and the pixel there.
    int px(double lon) const
    {
        const VueCarte v = carte->vueCarte();
        double meilleure = v.colonne(lon);
        for (double k : {-360.0, 360.0})
            if (std::fabs(v.colonne(lon + k) - L / 2) < std::fabs(meilleure - L / 2))
                meilleure = v.colonne(lon + k);
        return X + int(meilleure);
    }
    int py(double lat) const { return Y + int(carte->vueCarte().ligne(lat)); }
    Pixel pixel(int x, int y) const { return harnais::pixel(fenetre.get(), x, y); }
    // A view of `pixels` pixels per degree of longitude about a point
    // (the vector map's raster is 1.4 times taller than wide).
    double etendue(double pixels) const { return HT / (1.4 * pixels); }
    double pixelsParDegre() const
    {
        const VueCarte v = carte->vueCarte();
        return v.W / 360.0 / v.s;
    }
    // Some pixel of that colour within `r` of (x, y).
    bool bAutour(int x, int y, int r, Pixel c) const
    {
        const auto octets = harnais::lirePixels(fenetre.get(), x - r, y - r, 2 * r + 1, 2 * r + 1);
        for (size_t i = 0; i + 2 < octets.size(); i += 3)
            if (Pixel{octets[i], octets[i + 1], octets[i + 2]} == c)
                return true;
        return false;
    }

};

// Mode 0 on the bulletin page: the limits yellow under a black line and
// the area names in their colours; mode 1 all grey without names; mode 2
// red limits and white zones.
TEST_F(Zones, ColoursOfEachMode)
{
    montrer(0, 0, 0, 180);
    const int x = px(-35), y = py(30);
    EXPECT_EQ(pixel(x, y), rgb(56));
    EXPECT_EQ(pixel(x - 1, y), rgb(95));
    EXPECT_EQ(pixel(x + 1, y), rgb(95));
    // II's name, on its point out at sea.
    EXPECT_TRUE(bAutour(px(-22), py(40) - 6, 8, rgb(63)));

    montrer(1, 0, 0, 180);
    EXPECT_EQ(pixel(x, y), rgb(fl_rgb_color(160, 160, 160)));
    EXPECT_EQ(pixel(x + 1, y), rgb(FOND));
    EXPECT_FALSE(bAutour(px(-22), py(40) - 6, 8, rgb(63)));

    montrer(2, 0, 0, 180);
    EXPECT_EQ(pixel(x, y), rgb(fl_rgb_color(224, 64, 64)));
    EXPECT_FALSE(bAutour(px(-22), py(40) - 6, 8, rgb(63)));
    // Viking's four sides white once zoomed on it.
    montrer(2, 59.75, 2, etendue(40));
    for (auto [lat, lon] : {std::pair{58.5, 2.0}, {61.0, 2.0}, {59.75, 0.0}, {59.75, 4.0}})
        EXPECT_EQ(pixel(px(lon), py(lat)), rgb(FL_WHITE)) << lat << " " << lon;
}

// Area names stand in every turn of the world that shows them; the
// country under the numeral, from its left.
TEST_F(Zones, AreaNamesAcrossTheDateLine)
{
    // XIV at 170 W, and at 190 E brought in from the map's right side.
    const auto p = zones(0, 0, 0, 180);
    ASSERT_EQ(p->textes("XIV").size(), 6u);
    EXPECT_LE(p->textes("XIV")[5].x, X + int(carte->vueCarte().colonne(190))) << "moved in";
    const auto i = p->textes("I");
    ASSERT_FALSE(i.empty());
    const auto pays = p->textes("United Kingdom");
    ASSERT_EQ(pays.size(), i.size());
    EXPECT_EQ(i.back().couleur, Fl_Color(63));
    EXPECT_EQ(pays.back().x, i.back().x);
    EXPECT_EQ(pays.back().y, i.back().y + 16);
    // II on its point, out at sea; I moved off its own by less than its
    // country's width and two lines.
    ASSERT_FALSE(p->textes("France").empty());
    fl_font(DRU_FONT_BOLD, 14);
    EXPECT_EQ(p->textes("France").back().x, px(-22) - int(fl_width("II")) / 2);
    EXPECT_EQ(p->textes("France").back().y, py(40) + 16);
    fl_font(DRU_FONT_BOLD, 12);
    EXPECT_LE(std::abs(i.back().x - px(-2)), fl_width("United Kingdom"));
    EXPECT_LE(std::abs(i.back().y - py(52.5)), 32);
    // Modes 1 and 2 name no area.
    for (int mode : {1, 2}) {
        const auto q = zones(mode, 0, 0, 180);
        EXPECT_TRUE(q->textes("I").empty() && q->textes("France").empty()) << mode;
    }
    // A little further east, the second turn shows whole too.
    const auto xiv = zones(0, 0, 10, 180);
    EXPECT_EQ(xiv->textes("XIV").size(), 6u);
    EXPECT_EQ(xiv->textes("New Zealand").size(), 6u);
}

TEST_F(Zones, SubAreaLabelsFollowTheScale)
{
    EXPECT_TRUE(zones(0, 0, 0, 180)->textes("Viking").empty());
    const auto p = zones(0, 59.75, 2, etendue(40));
    const auto viking = p->textes("Viking");
    ASSERT_EQ(viking.size(), 3u);
    fl_font(DRU_FONT, 12);
    const int x = px(2) - int(fl_width("Viking")) / 2, y = py(59.75) + 6;
    // Its dark shadows one pixel either way, then the label in white.
    const Fl_Color ombre = fl_rgb_color(64, 64, 64);
    EXPECT_EQ(std::vector<int>({viking[0].x, viking[0].y, viking[1].x, viking[1].y, viking[2].x, viking[2].y}),
              std::vector<int>({x - 1, y - 1, x + 1, y + 1, x, y}));
    EXPECT_EQ(std::vector<Fl_Color>({viking[0].couleur, viking[1].couleur, viking[2].couleur}),
              std::vector<Fl_Color>({ombre, ombre, Fl_Color(255)}));

    // One degree of longitude must be wider than the wider line of
    // "Kafireas" / " Strait", blank included.
    fl_font(DRU_FONT, 12);
    const int large = std::max(int(fl_width("Kafireas")), int(fl_width(" Strait")));
    for (double facteur : {0.9, 1.1}) {
        carte->zoom(37.95, 24.7, etendue(large * facteur), 0);
        const bool place = pixelsParDegre() > large;
        ASSERT_EQ(place, facteur > 1);
        const auto q = zones(0, 37.95, 24.7, etendue(large * facteur));
        EXPECT_EQ(q->textes(" Strait").size(), place ? 3u : 0u) << facteur;
        EXPECT_EQ(q->textes("Kafireas").size(), place ? 3u : 0u) << facteur;
    }
}

// XVI's label, given at 260, and its segment, given at 120 W, show
// together over the eastern Pacific.
TEST_F(Zones, LabelEastOfTheDateLineBesideItsSegment)
{
    const auto p = zones(0, -10, -100, etendue(12));
    ASSERT_EQ(p->textes("Equator to 18 deg 30' South").size(), 3u);
    EXPECT_EQ(p->textes("East of 120 W").size(), 3u);
    const int y = py(0);
    EXPECT_TRUE(std::any_of(p->traits.begin(), p->traits.end(), [&](const auto& t) {
        return t.y0 == y && t.y1 == y && t.couleur == 49 && std::min(t.x0, t.x1) <= px(-100) &&
               std::max(t.x0, t.x1) >= px(-100);
    }));
}

// Only the lines of labelled rows with room, and the areas' names, are
// ever written: the rows not placed yet never show.
TEST_F(Zones, RowsWithoutRoomNeverDrawText)
{
    std::set<std::string> permis;
    for (TYPEDEF_MAILLON* c = GMDSS->premier; c; c = c->suivant) {
        const TYPEDEF_METAREA* m = pMetarea(c);
        for (const char* t : {m->nom, m->nom2, m->nom3})
            if (t)
                permis.insert(t);
        for (TYPEDEF_MAILLON* s = m->sous_zones_premier; s; s = s->suivant)
            if (s->element->largeur > 0)
                for (const char* t : {s->element->nom, s->element->nom2, s->element->nom3})
                    if (t)
                        permis.insert(t);
    }
    const struct {
        double lat, lon, pixels;
    } vues[] = {{0, 0, 2.4}, {0, 0, 200}, {56, 0, 40}, {38, 24, 60}, {-40, -150, 20}, {0, 170, 30}};
    for (const auto& v : vues) {
        const auto p = zones(0, v.lat, v.lon, etendue(v.pixels));
        for (const auto& t : p->ecrits)
            EXPECT_TRUE(permis.count(t.texte)) << t.texte << " at " << v.lat << " " << v.lon;
    }
}

// A side written east to west (Viking's north side) and a slanted limit
// (IX's to 23.5 N 68 E) keep their visible parts right up to the map's
// edge, as does Danemark Strait's side written south to north.
TEST_F(Zones, LinesCrossingTheEdgeAreDrawnUpToIt)
{
    montrer(2, 60.2, 4, etendue(200));
    ASSERT_LT(px(0), X);
    const int y = py(61);
    for (int x = X + 1; x <= px(4) - 2; x += 7)
        EXPECT_EQ(pixel(x, y), rgb(FL_WHITE)) << x;

    montrer(2, 21.5, 67.2, etendue(200));
    // Both ends of the limit lie beyond the map.
    ASSERT_LT(py(23.5), Y);
    ASSERT_GT(py(20), Y + HT);
    for (double lat : {21.5, 22.4, 20.6}) {
        const double lon = 66.48 + (lat - 20) / 3.5 * 1.52;
        EXPECT_TRUE(bAutour(px(lon), py(lat), 1, rgb(fl_rgb_color(224, 64, 64)))) << lat;
    }
    // Next to the top and bottom edges.
    for (int y : {Y + 1, Y + HT - 2}) {
        const double lon = 66.48 + (carte->dLatitude(y) - 20) / 3.5 * 1.52;
        EXPECT_TRUE(bAutour(px(lon), y, 1, rgb(fl_rgb_color(224, 64, 64)))) << y;
    }

    const auto p = zones(2, 65.5, -35, etendue(400));
    ASSERT_LT(py(66.275), Y);
    EXPECT_TRUE(std::any_of(p->traits.begin(), p->traits.end(), [&](const auto& t) {
        return t.couleur == FL_WHITE && t.x0 == px(-35) && t.x1 == t.x0 && t.y0 == Y + 1 &&
               t.y1 == py(65);
    }));
}

// ---- Labels whole and apart.

// The box of a text mode 0 wrote: an area's numeral in bold 14, its other
// lines in bold 12 (the areas' colours), a sub-area's lines in 12 (white).
struct Boite {
    int g, h, d, b;
    bool bCroise(const Boite& o) const { return g < o.d && o.g < d && h < o.b && o.h < b; }
};

bool bNumeral(const std::string& texte)
{
    for (TYPEDEF_MAILLON* c = GMDSS->premier; c; c = c->suivant)
        if (texte == pMetarea(c)->nom)
            return true;
    return false;
}

Boite boite(const PiloteEnregistreur::Texte& t, bool aire)
{
    fl_font(aire ? DRU_FONT_BOLD : DRU_FONT, aire && bNumeral(t.texte) ? 14 : 12);
    return {t.x, t.y - (fl_height() - fl_descent()), t.x + int(fl_width(t.texte.c_str())),
            t.y + fl_descent()};
}

// Every text of mode 0, shadows included, whole on the map, wherever the
// view puts the areas' labels: "Mediterranean" under III's numeral too.
TEST_F(Zones, EveryLabelStandsWholeOnTheMap)
{
    for (double etendue : {180.0, 90.0, 40.0})
        for (double lat : {0.0, 40.0})
            for (int lon = -180; lon < 180; lon += 3) {
                const auto p = zones(0, lat, lon, etendue);
                for (const auto& t : p->ecrits) {
                    if (t.texte.empty())
                        continue;
                    const Boite b = boite(t, t.couleur != 255 && t.couleur != fl_rgb_color(64, 64, 64));
                    EXPECT_TRUE(b.g >= X && b.d <= X + L && b.h >= Y && b.b <= Y + HT)
                        << t.texte << " at " << t.x << " " << t.y << ", view " << lat << " "
                        << lon << " " << etendue;
                }
            }
}

// A text mode 0 wrote, shadows left out: an area's line or a sub-area's
// label line, with its box and the label it belongs to (its rank among
// the labels drawn).
struct Ecrit {
    std::string texte;
    bool aire;
    Boite boite;
    int etiquette = 0;
};

// The label lines of every area and named sub-area, each with whether it
// is an area's.
std::vector<std::pair<bool, std::vector<std::string>>> etiquettes()
{
    std::vector<std::pair<bool, std::vector<std::string>>> v;
    auto ajouter = [&v](bool aire, const auto& r) {
        std::vector<std::string> lignes;
        for (const char* t : {r.nom, r.nom2, r.nom3})
            if (t)
                lignes.push_back(t);
        if (!lignes.empty())
            v.push_back({aire, lignes});
    };
    for (TYPEDEF_MAILLON* c = GMDSS->premier; c; c = c->suivant) {
        ajouter(true, *pMetarea(c));
        for (TYPEDEF_MAILLON* s = pMetarea(c)->sous_zones_premier; s; s = s->suivant)
            ajouter(false, *s->element);
    }
    return v;
}

// A label's lines are drawn one after the other, all or none: each run of
// texts that is the longest whole label there is one label.
void vEtiquetter(std::vector<Ecrit>& e)
{
    static const auto toutes = etiquettes();
    auto bEn = [&e](size_t i, bool aire, const std::vector<std::string>& lignes) {
        for (size_t j = 0; j < lignes.size(); ++j)
            if (i + j >= e.size() || e[i + j].aire != aire || e[i + j].texte != lignes[j])
                return false;
        return true;
    };
    int n = 0;
    for (size_t i = 0; i < e.size(); ++n) {
        size_t longueur = 1;
        for (const auto& [aire, lignes] : toutes)
            if (lignes.size() > longueur && bEn(i, aire, lignes))
                longueur = lignes.size();
        for (size_t fin = i + longueur; i < fin; ++i)
            e[i].etiquette = n;
    }
}

// The maps of the window sizes where IV's note shows, each at the world
// view about a centre and one and two steps closer.
class ZonesFenetres : public ::testing::Test {
protected:
    struct Vue {
        int l, h;
        double lat, lon;
        int pas;
    };
    using Centre = std::pair<double, double>;

    void SetUp() override
    {
        skins();
        GMDSS = Metareas();
    }
    void TearDown() override
    {
        vLibererMetareas(GMDSS);
        GMDSS = nullptr;
    }

    // Hands `f` each view with the texts mode 0 writes there.
    template <class F>
    void parcourir(const std::vector<Centre>& centres, F f)
    {
        for (auto [l, h] : {std::pair{860, 700}, {1040, 832}, {1040, 856}}) {
            Fl_Double_Window fenetre(l + 20, h + 20);
            CarteZones* carte = new CarteZones(10, 10, l, h);
            fenetre.end();
            carte->initialisation(FDC_VECTEUR, h, 1);
            carte->chargementAffiche = 0;
            ASSERT_TRUE(harnais::bMontrer(&fenetre));
            for (auto [lat, lon] : centres)
                for (int pas : {0, 1, 2}) {
                    carte->zoom(lat, lon, 180, 0);
                    for (int i = 0; i < pas; ++i)
                        carte->zoom(1.0);
                    fenetre.make_current();
                    PiloteEnregistreur p;
                    carte->bulletins(0);
                    f(Vue{l, h, lat, lon, pas}, ecrits(p));
                }
        }
    }

    static std::vector<Ecrit> ecrits(const PiloteEnregistreur& p)
    {
        std::vector<Ecrit> e;
        for (const auto& t : p.ecrits)
            if (!t.texte.empty() && t.couleur != fl_rgb_color(64, 64, 64)) {
                const bool aire = t.couleur != 255;
                e.push_back({t.texte, aire, boite(t, aire)});
            }
        vEtiquetter(e);
        return e;
    }

    static std::string sVue(const Vue& v)
    {
        char t[96];
        std::snprintf(t, sizeof t, "map %d x %d, centre %g %g, %d step", v.l, v.h, v.lat, v.lon,
                      v.pas);
        return t;
    }
};

// IV's note overprints no other text, IV's name beside it above all, at
// the world view and a few steps closer, on the maps of the window sizes
// where it shows.
TEST_F(ZonesFenetres, TheNoteOfIVOverprintsNoOtherText)
{
    const std::set<std::string> note = {"No predefined", "areas in", "Metarea"};
    parcourir({{0, 0}, {0, 180}}, [&](const Vue& v, const std::vector<Ecrit>& e) {
        std::vector<const Ecrit*> autres, lignes;
        for (const Ecrit& t : e)
            (!t.aire && note.count(t.texte) ? lignes : autres).push_back(&t);
        if (v.l == 1040 && v.pas < 2) {
            EXPECT_FALSE(lignes.empty()) << "a full screen shows the note " << v.h;
        }
        for (const Ecrit* a : autres)
            for (const Ecrit* z : lignes)
                EXPECT_FALSE(a->boite.bCroise(z->boite))
                    << a->texte << " under " << z->texte << ", " << sVue(v);
    });
}

// No area's numeral, name line, note or sub-area label overprints a text
// of another label, about the world's two halves and each area's own label
// point, one and two steps closer too.
TEST_F(ZonesFenetres, NoLabelOverprintsAnother)
{
    std::vector<Centre> centres = {{0, 0}, {0, 180}};
    for (TYPEDEF_MAILLON* c = GMDSS->premier; c; c = c->suivant)
        centres.push_back({pMetarea(c)->lat, pMetarea(c)->lon});
    ASSERT_EQ(centres.size(), 2u + NOMBRE_METAREAS);
    parcourir(centres, [&](const Vue& v, const std::vector<Ecrit>& e) {
        for (size_t i = 0; i < e.size(); ++i)
            for (size_t j = i + 1; j < e.size(); ++j)
                EXPECT_FALSE(e[i].etiquette != e[j].etiquette && e[i].boite.bCroise(e[j].boite))
                    << e[i].texte << " under " << e[j].texte << ", " << sVue(v);
    });
}

// Every map a main window can have, from 530 x 371 to 3600 x 1992: the
// corners, then each height with a width that walks over the whole range.
std::vector<std::pair<int, int>> cartesPossibles()
{
    std::vector<std::pair<int, int>> v = {{530, 371}, {530, 1992}, {3600, 371}, {3600, 1992}};
    for (int h = 371; h <= 1992; ++h)
        v.push_back({530 + int((h - 371) * 577L % 3071), h});
    return v;
}

// Whether a line drawn crosses a box.
bool bTraverse(const Boite& b, const std::vector<PiloteEnregistreur::Trait>& traits)
{
    return std::any_of(traits.begin(), traits.end(), [&b](const auto& s) {
        double x0 = s.x0 - b.g, y0 = s.y0 - b.h, x1 = s.x1 - b.g, y1 = s.y1 - b.h;
        return bCouperSegment(x0, y0, x1, y1, b.d - b.g - 1, b.b - b.h - 1);
    });
}

// At the settings' first view and the world about 0 and 180 (keys g and a)
// on every map, each other view of the title bar's zone menu on every fourth
// height; at the first view the names of I, II and III clear of every line.
// The sweep stops at the first map at fault.
TEST_F(ZonesFenetres, NoLabelOverprintsAnotherOnAnyMap)
{
    std::vector<std::array<double, 3>> vues = {{45, 0, 30}, {0, 0, 180}, {0, 180, 180}};
    for (int i = 0; ZONES[i].nom; ++i)
        if (ZONES[i].etendue != 180)
            vues.push_back({ZONES[i].latitude, ZONES[i].longitude, ZONES[i].etendue});
    const std::set<std::string> europe = {"I", "United Kingdom", "II", "France", "III",
                                          "Mediterranean", "Greece"};
    Fl_Double_Window fenetre(3620, 2012);
    CarteZones* carte = new CarteZones(10, 10, 530, 371);
    fenetre.end();
    carte->initialisation(FDC_VECTEUR, 371, 1);
    carte->chargementAffiche = 0;
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    for (auto [l, h] : cartesPossibles()) {
        carte->resize(10, 10, l, h);
        for (size_t k = 0; k < vues.size() && (k < 3 || h % 4 == 0); ++k) {
            const auto& v = vues[k];
            SCOPED_TRACE(testing::Message() << "map " << l << " x " << h << ", view " << v[0]
                                            << " " << v[1] << " " << v[2]);
            carte->zoom(v[0], v[1], v[2], 1);
            fenetre.make_current();
            PiloteEnregistreur p;
            carte->bulletins(0);
            const std::vector<Ecrit> e = ecrits(p);
            for (size_t i = 0; i < e.size(); ++i)
                for (size_t j = i + 1; j < e.size(); ++j)
                    EXPECT_FALSE(e[i].etiquette != e[j].etiquette && e[i].boite.bCroise(e[j].boite))
                        << e[i].texte << " under " << e[j].texte;
            EXPECT_FALSE(!p.traits.empty() && !p.ecrits.empty() &&
                         p.traits.back().rang > p.ecrits.front().rang) << "a line over a text";
            for (const Ecrit& t : e)
                EXPECT_FALSE(k == 0 && t.aire && europe.count(t.texte) &&
                             bTraverse(t.boite, p.traits)) << t.texte << " crossed by a line";
        }
        if (HasFailure())
            return;
    }
}

// ---- Model domains.

class Domaines : public Zones {
protected:
    std::unique_ptr<PiloteEnregistreur> domaines(double lat, double lon, double etendue)
    {
        return dessiner(lat, lon, etendue, [&] { carte->modeles(); });
    }
};

TEST_F(Domaines, EachOfferedDomainFramedInItsColourTheWorldOnce)
{
    const auto p = domaines(0, 0, 180);
    int mondes = 0;
    for (const auto& r : p->rectangles)
        mondes += r.x == X && r.y == Y && r.l == L - 1 && r.h == HT - 1 && r.couleur == 56;
    const auto offerts = modelesProposes();
    EXPECT_EQ(mondes, std::count_if(offerts.begin(), offerts.end(),
                                    [](const TYPEDEF_MODELE* m) { return m->nord == 90; }));
    std::set<std::string> libelles;
    for (const TYPEDEF_MODELE* m : offerts) {
        libelles.insert(m->libelleCourt);
        if (m->nord == 90)
            continue;
        const int x = px(m->ouest), y = py(m->nord);
        EXPECT_TRUE(std::any_of(p->rectangles.begin(), p->rectangles.end(), [&](const auto& r) {
            return r.x == x && r.y == y && r.couleur == 56;
        })) << m->libelleCourt;
        EXPECT_TRUE(std::any_of(p->rectangles.begin(), p->rectangles.end(), [&](const auto& r) {
            return r.x == x + 1 && r.y == y + 1 && r.l == px(m->est) - x && r.couleur == Fl_Color(m->masque);
        })) << m->libelleCourt;
    }
    // Rows of colour 0 are never drawn, whatever the view.
    for (double etendue : {180.0, 60.0, 20.0}) {
        const auto q = domaines(30, 20, etendue);
        for (const auto& t : q->ecrits)
            EXPECT_TRUE(libelles.count(t.texte)) << t.texte;
    }
}

// Europe's and Tisca's frames both begin at the top of a view over
// France: their labels are stacked 14 pixels apart.
TEST_F(Domaines, LabelsOfFramesWithOneTopAreStacked)
{
    const auto p = domaines(45, 2, 8);
    const auto europe = p->textes("Europe"), tisca = p->textes("Tisca");
    ASSERT_EQ(europe.size(), 1u);
    ASSERT_EQ(tisca.size(), 1u);
    EXPECT_EQ(tisca[0].y - europe[0].y, 14);
    EXPECT_EQ(tisca[0].couleur, Fl_Color(95));
}

}  // namespace
