// The routes of a viewer map showing a 240-validity file (pressure and wind
// every hour on a one-degree grid of 41 x 31 points), with three visible
// charted routes of 200 positions across it, X server included:
//
//   redessin  one drawRoutes with the charts unchanged: each route brought
//             to the validity shown, its companion rebuilt (a copy, one
//             point per validity), then drawn
//   premier   the same with every chart window built anew (sampled,
//             filled, sized and shown)
//
// One repetition is one drawing. Usage: bench_routes [Google Benchmark
// flags], under an X server (bench/run.sh starts one).
#include "bench/banc.h"
#include "bench/map/carte_banc.h"

#include "map/fdc.h"
#include "map/routes_carte.h"
#include "routes/classe_route.h"
#include "routes/routes.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const long T0 = 1796558400;  // 6 December 2026, 12 UTC: the file's run

std::vector<ChampEcrit> champs()
{
    std::vector<ChampEcrit> v;
    for (int k = 0; k < 240; ++k)
        for (int p : {2, 33, 34}) {
            ChampEcrit c;
            c.parametre = p, c.p1 = k;
            c.ni = 41, c.nj = 31, c.la1 = 60000, c.lo1 = -40000, c.di = c.dj = 1000;
            c.valeur = [p, k](double la, double lo) {
                return p == 2 ? 101300 + 1500 * std::sin(la / 7 + k / 50.0) : std::cos(lo / 5 + k);
            };
            v.push_back(c);
        }
    return v;
}

CarteBanc carte;
Routes routes;

void vRoutes()
{
    for (int n = 0; n < 3; ++n) {
        classeRoute* r = new classeRoute("route", n);
        for (int i = 0; i < 200; ++i)
            r->append(long(T0 - 3600 + i * 4320), 55 - n * 5 - i * 0.05, -38 + i * 0.18);
        r->recalcul(0);
        r->visible = r->histogramme = 1;
        routes.append(r);
    }
    routesSansFenetre = &routes;
    vInstallerHistogrammesRoutes();
}

void vDessiner()
{
    carte.fenetre->make_current();
    carte.carte->drawRoutes();
    XSync(fl_display, False);
}

void redessin(benchmark::State& state)
{
    vDessiner();
    for (auto _ : state)
        vDessiner();
}

void premier(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        for (structureRoute* c = routes.premier; c; c = c->suivant) {
            delete c->route->histogrammes;
            c->route->histogrammes = nullptr;
            c->route->modifiee = 1;
        }
        state.ResumeTiming();
        vDessiner();
    }
}

void enregistrer(const std::string&)
{
    carte = carteBanc(champs(), {2, 33});
    vRoutes();
    vEnregistrerTrames("routes/redessin_3_routes_240_validites", redessin, 50);
    vEnregistrerTrames("routes/premier_3_fenetres", premier, 10);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
