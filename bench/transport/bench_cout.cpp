// The volume and cost of a request, computed after every click of the
// request page: a whole-world request of model 1 at 0.125 degree with 37
// forecast times and land left out, its zone moving (each time then counts
// the land of a box of its own; goal 2 ms) beside its anchor, the same
// zone fixed (one box). The masks are the shipped data/img/*.msk, read
// through a working folder of its own; --data is unused.
#include "bench/banc.h"

#include "map/masque.h"
#include "map/masques.h"
#include "transport/requete.h"
#include "ui/horloge.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void composer(requete& r, bool mobile)
{
    r.vSetDomaine(1);
    r.iSetZone(90, -90, -180, 180);
    r.vSetMaille("0.125");
    for (const char* p : {"Vent", "Pmer", "Mer totale", "Houle"})
        r.vSetParametre(p);
    std::vector<std::string> heures;
    for (int h = 0; h < 37; ++h)
        heures.push_back(std::to_string(3 * h));
    std::vector<const char*> temps;
    for (const std::string& h : heures)
        temps.push_back(h.c_str());
    temps.push_back(nullptr);
    r.modeValidites = 0;
    r.vSetEcheances(temps.data());
    if (mobile)
        r.vSetCapVitesse(45, 12.0);
    else
        r.vUnsetCapVitesse();
}

void BM_vCout(benchmark::State& etat, bool mobile)
{
    requete r(nullptr, 0);
    composer(r, mobile);
    for (auto _ : etat)
        r.vCout();
    etat.SetLabel(r.texteVolume + " Ko, " + r.texteCout + " euros");
}

void BM_iGetPoints(benchmark::State& etat)
{
    Masque* monde = MASQUES[1].masque;
    int n = 0;
    for (auto _ : etat)
        benchmark::DoNotOptimize(n = monde->iGetPoints(90, -90, -180, 180, 0.125));
    etat.SetLabel(std::to_string(n) + " land points");
}

void enregistrer(const std::string&)
{
    if (!bDossierDeTravail())
        return;
    load_masques();
    heurecourante = 12;
    // One call a repetition, for the median and the 95th percentile.
    for (bool mobile : {true, false}) {
        const char* nom = mobile ? "vCout/world_0.125/37_times/moving" : "vCout/world_0.125/37_times/fixed";
        pParRepetitions(benchmark::RegisterBenchmark(nom, BM_vCout, mobile), 200);
    }
    benchmark::RegisterBenchmark("iGetPoints/world_0.125", BM_iGetPoints)
        ->Unit(benchmark::kMillisecond)->Repetitions(5);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
