// The whole program, out of process under the caller's X server: a GRIB
// file of pressure and wind given at launch opens in page 1 with its bands
// over the map, a file dropped into lockdir/ opens in page 2, and a second
// launch hands its file over and exits 0.
#include "ecriture_grib_test.h"
#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "map/isoplages.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"
#include "ui/palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A low of 990 hPa at 40 N 40 W on a grid from 70 W to 10 W and 60 N to
// 20 N, absent east of 25 W; a uniform wind.
std::string sBasseEtVent()
{
    ChampEcrit p;
    p.ni = 61, p.nj = 41, p.la1 = 60000, p.lo1 = -70000;
    p.valeur = [](double lat, double lon) {
        const double d2 = (lat - 40) * (lat - 40) + (lon + 40) * (lon + 40);
        return lon > -25 ? NAN : 99000 + 10 * d2;
    };
    ChampEcrit u = p, v = p;
    u.parametre = 33, v.parametre = 34;
    u.valeur = v.valeur = [](double, double) { return 5.0; };
    return sMessagesGrib({p, u, v});
}

// The low's band colour and alpha, as the map makes them for the whole
// field in view (as on the whole world).
std::array<int, 4> couleurBasse(const std::string& fichier)
{
    File f(fichier.c_str());
    fdc carte(0, 0, 800, 600);
    carte.load_image(nullptr, nullptr);
    TraceTest trace;
    carte.traceGlyphes = &trace;
    BoutonsPresses parametres({2}), validites({long(f.list->validite)});
    carte.vGrib(f.list, parametres.data(), validites.data(), nullptr, nullptr, nullptr, nullptr);
    carte.draw_isoplages(carte.champs);
    const isoplages& o = *carte.champs->isoplagesChamp;
    const unsigned char* c = &o.image[4 * (size_t(o.lignes / 2) * o.colonnes + o.colonnes / 2)];
    return {c[0], c[1], c[2], c[3]};
}

using Rvb = std::array<int, 3>;

// How far a pixel is from a colour of that alpha over the sea.
int ecart(Rvb pixel, std::array<int, 4> dessus)
{
    int e = 0;
    for (int i = 0; i < 3; ++i) {
        const int mer = int(FL_MER >> (24 - 8 * i) & 255);
        const int attendu = (dessus[i] * dessus[3] + mer * (255 - dessus[3])) / 255;
        e = std::max(e, std::abs(pixel[i] - attendu));
    }
    return e;
}

// The window as ImageMagick's import sees it, from its binary PPM, with
// its page's map locked on the field's grid: 48 degrees of latitude high,
// centred on the low; a degree of longitude is 1.4 times narrower.
struct Capture {
    int w = 0, h = 0, lu = 0, cx = 0, cy = 0;
    double parDegre = 0;
    std::string ppm;
    Capture(const std::string& fenetre, const std::string& fichier)
    {
        if (commande("import -window " + fenetre + " -depth 8 ppm:" + sh(fichier)))
            ppm = lireFichier(fichier);
        std::sscanf(ppm.c_str(), "P6 %d %d %*d%n", &w, &h, &lu);
        cx = 240 + (w - 240) / 2, cy = 99 + (h - 168) / 2, parDegre = (h - 168) / 48.0;
    }
    // The pixel (dx, dy) from the map's centre.
    Rvb pixel(int dx, int dy) const
    {
        const size_t i = size_t(lu) + 1 + 3 * (size_t(cy + dy) * w + cx + dx);
        return i + 3 <= ppm.size() ? Rvb{uint8_t(ppm[i]), uint8_t(ppm[i + 1]), uint8_t(ppm[i + 2])}
                                   : Rvb{-99, -99, -99};
    }
};

bool bAttendre(const std::function<bool()>& condition)
{
    for (int i = 0; i < 300; ++i, usleep(100000))
        if (condition())
            return true;
    return false;
}

class Reception : public ::testing::Test {
protected:
    void SetUp() override { mkdir(app.c_str(), 0700); }
    void TearDown() override
    {
        if (pid > 0 && kill(pid, SIGTERM) == 0)
            waitpid(pid, nullptr, 0);
    }
    // The program in its working folder, with one file as argument.
    pid_t lancer(const std::string& fichier)
    {
        const pid_t p = fork();
        if (p == 0) {
            setenv("HOME", d.chemin().c_str(), 1);
            setenv("QUENBREL2_HOME", app.c_str(), 1);
            if (chdir(app.c_str()) == 0 && freopen("/dev/null", "w", stdout))
                execl(PROGRAMME, PROGRAMME, fichier.c_str(), nullptr);
            _exit(127);
        }
        return p;
    }
    bool bJournal(const std::string& ligne)
    {
        return bAttendre(
            [&] { return lireFichier(app + "/log.txt").find(ligne) != std::string::npos; });
    }

    DossierTemporaire d;
    const std::string app = d / "app";
    pid_t pid = 0;
};

}  // namespace

TEST_F(Reception, AFileGivenAtLaunchDroppedOrHandedOverOpensInTheNextFreePage)
{
    ecrireFichier(d / "carte.grb", sBasseEtVent());
    pid = lancer(d / "carte.grb");
    ASSERT_TRUE(bJournal("<VISUALISATEUR> page 1 : carte.grb"));
    const std::string id = sortie("timeout 30 xdotool search --sync --onlyvisible --pid " +
                                  std::to_string(pid) + " --name 'Quenbrel 2' | head -n 1" +
                                  " | tr -d '\\n'").value_or("");
    ASSERT_FALSE(id.empty());
    ecrireFichier(app + "/lockdir/.deux.tmp", sBasseEtVent());
    ASSERT_EQ(rename((app + "/lockdir/.deux.tmp").c_str(), (app + "/lockdir/deux.grb").c_str()), 0);
    EXPECT_TRUE(bJournal("<VISUALISATEUR> page 2 : deux.grb"));
    ecrireFichier(d / "trois.20240315.grb", sBasseEtVent());
    EXPECT_TRUE(commande("cd " + sh(d.chemin()) + " && HOME=" + sh(d.chemin()) +
                         " QUENBREL2_HOME=" + sh(app) + " " + PROGRAMME + " trois.20240315.grb"));
    EXPECT_TRUE(bJournal("<VISUALISATEUR> page 3 : 20240315.grb"));

    // Each page shows the same field; the low's colour is awaited, the
    // page being drawn once the loaders are done.
    skins();
    const std::array<int, 4> basse = couleurBasse(d / "carte.grb");
    Capture c(id, d / "page.ppm");
    bAttendre([&] { return ecart((c = Capture(id, d / "page.ppm")).pixel(7, 50), basse) <= 2; });
    EXPECT_LE(ecart(c.pixel(7, 50), basse), 2) << "the low";
    const int est = int(17.5 * c.parDegre / 1.4), nord = int(22 * c.parDegre);
    EXPECT_LE(ecart(c.pixel(est, -30), {0, 0, 0, 128}), 2) << "absent points";
    EXPECT_LE(ecart(c.pixel(int(9 * c.parDegre / 1.4), -nord), {0, 0, 0, 0}), 2)
        << "outside the field";
}
