// A right click on a map with a route in edit mode rebuilds every row of
// the route: vRemoveAddPack on a route of 500 positions, in a route window
// shown under an X server (goal: 50 ms).
#include "bench/banc.h"

#include "routes/classe_route.h"
#include "routes/dru_routes.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A routes file of one route of 500 positions an hour apart.
void vEcrireRoutes()
{
    std::filesystem::create_directories("etc");
    FILE* f = std::fopen("etc/routes.txt", "w");
    std::fprintf(f, "@routes\nlongue\n1 0 0 49 0 0 0 0 0\n");
    for (int k = 0; k < 500; ++k)
        std::fprintf(f, "%ld 45.0 %.2f\n", 1700000000L + 3600L * k, -40.0 + 0.1 * k);
    std::fprintf(f, "@fin\n@end\n");
    std::fclose(f);
}

void BM_RemoveAddPack(benchmark::State& etat)
{
    Fl_Double_Window fenetre(260, 700);
    Dru_Routes = new DRU_Routes(0, 20, 240, 660);
    fenetre.end();
    fenetre.show();
    Fl::check();
    classeRoute* r = Dru_Routes->routes->premier->route;
    for (auto _ : etat) {
        Dru_Routes->vRemoveAddPack(r, 99999);
        benchmark::DoNotOptimize(r->packPositions->children());
    }
    Fl::remove_timeout(routes_timeout);
    fenetre.hide();
}

void vEnregistrer(const std::string& dossier)
{
    std::filesystem::create_directories(dossier);
    std::filesystem::current_path(dossier);
    skins();
    vEcrireRoutes();
    if (!std::getenv("DISPLAY"))
        return;
    benchmark::RegisterBenchmark("BM_RemoveAddPack/500", BM_RemoveAddPack)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, vEnregistrer);
}
