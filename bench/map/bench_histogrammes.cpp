// The charts of a map point on a 200-message file (40 forecast times of
// pressure, wind u and v, rain and temperature on a 0.5-degree grid of
// 121 x 81 points), X server included:
//
//   premier   the first chart of the file: every record decoded, the
//             window built, filled, shown and drawn
//   nouveau   a rebuild for another grid point: the charts emptied,
//             refilled and drawn again
//
// One repetition is one chart, so the median and 95th percentile are over
// charts. Usage: bench_histogrammes [Google Benchmark flags], under an X
// server (bench/run.sh starts one).
#include "bench/banc.h"
#include "bench/map/carte_banc.h"

#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "map/histogrammes.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Pack.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <string>

namespace {

ChampEcrit champ(int parametre, int echeance, double (*valeur)(double, double, int))
{
    ChampEcrit c;
    c.parametre = parametre, c.p1 = 6 * echeance;
    c.ni = 121, c.nj = 81, c.la1 = 60000, c.lo1 = -40000, c.di = c.dj = 500;
    c.valeur = [valeur, echeance](double la, double lo) { return valeur(la, lo, echeance); };
    return c;
}

std::vector<ChampEcrit> champs()
{
    std::vector<ChampEcrit> v;
    for (int k = 0; k < 40; ++k) {
        v.push_back(champ(2, k, [](double la, double lo, int t) {
            return 101300 + 1500 * std::sin(la / 7 + t / 5.0) * std::cos(lo / 9);
        }));
        v.push_back(champ(11, k, [](double la, double lo, int t) { return 290 - la / 3 + std::sin(lo + t); }));
        v.push_back(champ(33, k, [](double la, double lo, int t) { return 12 * std::sin(la / 5 + t / 7.0) + lo / 20; }));
        v.push_back(champ(34, k, [](double la, double lo, int t) { return 9 * std::cos(lo / 6 - t / 9.0) + la / 30; }));
        v.push_back(champ(61, k, [](double la, double lo, int t) { return (1 + std::sin(la * lo)) * t; }));
    }
    return v;
}

CarteBanc carte;
std::string octets;
std::unique_ptr<File> fichier;

// The map given a file whose records are not decoded yet.
void vNouveauFichier()
{
    carte.carte->vFermerHistogrammes();
    fichier = std::make_unique<File>();
    fichier->set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size()));
    carte.carte->vGrib(fichier->list, carte.carte->gribParametres, carte.carte->gribValidites,
                       nullptr, nullptr, nullptr, nullptr);
    carte.carte->histogrammeEtat = 0;
}

// The window mapped (its first time) and drawn, the X server done.
void vDessiner()
{
    carte.carte->histogrammes->wait_for_expose();
    Fl::flush();
    XSync(fl_display, False);
}

void premier(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        vNouveauFichier();
        state.ResumeTiming();
        carte.carte->vFdcHistogramme(45, -10);
        vDessiner();
    }
    state.counters["charts"] = double(carte.carte->histogrammes->pack->children() - 1);
}

void nouveau(benchmark::State& state)
{
    static int n = 0;
    for (auto _ : state) {
        ++n;
        carte.carte->vFdcHistogramme(30 + n % 20, -30 + n % 50);
        vDessiner();
    }
}

void enregistrer(const std::string&)
{
    const std::vector<ChampEcrit> v = champs();
    octets = sMessagesGrib(v);
    carte = carteBanc(v, {2, 11, 33, 61});
    vEnregistrerTrames("histogrammes/premier_200_messages", premier, 20);
    vEnregistrerTrames("histogrammes/nouveau_point", nouveau, 200);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
