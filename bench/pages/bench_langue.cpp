// A language switch of the running program with its ten pages built: the
// catalogue reloaded and every page relabelled (switch_ms), then the main
// window drawn again (draw_ms). Each viewer page shows a file of pressure
// and wind at 13 times on a 1-degree grid of 61 x 41 points, so that each
// one writes the texts under its map again. Alternates English and
// French. Needs an X server.
//
// Usage: bench_langue [Google Benchmark flags]
#include "bench/banc.h"

#include "pages/vr.h"
#include "shell/gui.h"
#include "ui/globales_ui.h"
#include "ui/langage.h"

#include "ecriture_grib_test.h"
#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"

#include <FL/Fl.H>
#include <FL/Fl_Tabs.H>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <memory>

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::time_point a, Horloge::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

std::unique_ptr<DossierTemporaire> dossier;
std::unique_ptr<ProgrammeEnProcessus> programme;

std::string sFichier()
{
    std::vector<ChampEcrit> champs;
    for (int heures = 0; heures <= 72; heures += 6)
        for (auto [parametre, valeur] : {std::pair{2, 101000.0}, {33, 5.0}, {34, -3.0}}) {
            ChampEcrit c = champUniforme(parametre, valeur + heures, heures);
            c.ni = 61, c.nj = 41, c.la1 = 60000, c.lo1 = -40000;
            champs.push_back(c);
        }
    return sMessagesGrib(champs);
}

bool bDemarrer()
{
    dossier = std::make_unique<DossierTemporaire>();
    std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                              *dossier / "loc");
    programme = std::make_unique<ProgrammeEnProcessus>(dossier->chemin());
    if (!programme->bAttendreChargement() || ngvr != VR_PAGES)
        return false;
    std::filesystem::create_directories(*dossier / "dat");
    const std::filesystem::path fichier = *dossier / "dat/banc.grb";
    ecrireFichier(fichier, sFichier());
    for (int i = 1; i < VR_PAGES; ++i)
        if (gvr[i]->grib(fichier.c_str(), 0) != 1)
            return false;
    GUI->onglets->value(gvr[0]);
    Fl::flush();
    return true;
}

void BM_Langue(benchmark::State& etat)
{
    static const bool pret = bDemarrer();
    if (!pret) {
        etat.SkipWithError("the program did not start with its ten pages and their files");
        return;
    }
    bool anglais = true;
    double relabel = 0, dessin = 0;
    for (auto _ : etat) {
        const auto t0 = Horloge::now();
        change_langage(anglais ? "en" : "fr");
        const auto t1 = Horloge::now();
        Fl::flush();
        const auto t2 = Horloge::now();
        relabel += ms(t0, t1);
        dessin += ms(t1, t2);
        etat.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
        anglais = !anglais;
    }
    const double n = double(etat.iterations());
    etat.counters["switch_ms"] = relabel / n;
    etat.counters["draw_ms"] = dessin / n;
}
BENCHMARK(BM_Langue)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)
    ->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    const int r = executerBanc(argc, argv, [](const std::string&) {});
    if (programme)
        programme->vArreter();
    programme.reset();
    dossier.reset();
    return r;
}
