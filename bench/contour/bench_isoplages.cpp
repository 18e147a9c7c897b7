// Contouring a 0.25-degree world field (1440 x 721) without a display:
// `set` plus one whole-world `calcul` at 1024 x 600 in refinement modes 0
// and 2 (goals: 10 ms and 40 ms), one run a repetition for the median and
// the 95th percentile, beside their anchor, one plain pass that scales the
// field's values into a grid of its size; then `set` alone in each
// refinement mode, and `calcul` of a whole-world and of a 10-degree view.
// The field, written as GRIB by the tests' writer: lows and highs at
// places drawn with a fixed seed, and for the masked variant round islands
// where points are absent, as land in a sea field.
#include "bench/banc.h"
#include "bench/map/champs_monde.h"

#include "outils_isoplages.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

// The decoded field of each variant, made once.
Grib* champ(bool masque)
{
    static std::string messages[2];
    static Grib champs[2];
    std::string& m = messages[masque];
    if (m.empty()) {
        m = sMessageGrib(champPression(250, masque));
        champs[masque].set(reinterpret_cast<const unsigned char*>(m.data()), unsigned(m.size()));
    }
    return &champs[masque];
}

void regler(isoplages& iso, const VueCarte& vue)
{
    iso.pressionPas = 50000, iso.pressionReference = 10150000;
    iso.opacite = 129, iso.isolignesActives = 1;
    iso.vue = vue;
}

// Arguments: refinement mode, masked field.
void BM_set_calcul(benchmark::State& etat)
{
    double n, s, o, e;
    for (auto _ : etat) {
        OPTIMISATION = int(etat.range(0));
        auto iso = std::make_unique<isoplages>();
        iso->set(champ(etat.range(1)), 0);
        regler(*iso, vueCentree(0, 0, 180));
        iso->calcul(n, s, o, e, 0);
        benchmark::DoNotOptimize(iso->image.data());
    }
}

// The anchor, to tell how fast the machine ran beside the figures above:
// as many values scaled to integers as the field holds, the least any
// contouring does with each, in slices that stay in the cache so that
// where the memory lies does not count.
void BM_ancre(benchmark::State& etat)
{
    const Grib* g = champ(false);
    const size_t tranche = 16384, n = size_t(g->ni) * g->nj;
    std::vector<int> grille(tranche);
    for (auto _ : etat) {
        for (size_t debut = 0; debut + tranche <= n; debut += tranche) {
            const float* v = g->valeurs + (debut / tranche % 4) * tranche;
            for (size_t i = 0; i < tranche; ++i)
                grille[i] = int(v[i] * 100.0f);
            benchmark::ClobberMemory();
        }
        benchmark::DoNotOptimize(grille.data());
    }
}

// Arguments: refinement mode, masked field.
void BM_set(benchmark::State& etat)
{
    int lignes = 0;
    for (auto _ : etat) {
        OPTIMISATION = int(etat.range(0));
        isoplages iso;
        iso.set(champ(etat.range(1)), 0);
        lignes = iso.lignesGrille;
    }
    etat.SetLabel(std::to_string(lignes) + " rows");
}

// Argument: view span in degrees of latitude, about 0 N 0 E for the whole
// world, else about 45 N 20 W.
void BM_calcul(benchmark::State& etat)
{
    const double etendue = double(etat.range(0));
    OPTIMISATION = 0;
    isoplages iso;
    iso.set(champ(false), 0);
    regler(iso, etendue == 180 ? vueCentree(0, 0, 180) : vueCentree(45, -20, etendue));
    double n, s, o, e;
    for (auto _ : etat)
        iso.calcul(n, s, o, e, 0);
    etat.SetLabel(std::to_string(iso.colonnes) + " x " + std::to_string(iso.lignes) + " px from " +
                  std::to_string(iso.colonnesLabels) + " x " + std::to_string(iso.lignesLabels));
}

void enregistrer(const std::string&)
{
    champ(false), champ(true);  // made before any timing
    pParRepetitions(benchmark::RegisterBenchmark("set+calcul/monde", BM_set_calcul)->Args({0, 0}), 100);
    pParRepetitions(
        benchmark::RegisterBenchmark("set+calcul/monde", BM_set_calcul)->Args({2, 0})->Args({2, 1}), 40);
    pParRepetitions(benchmark::RegisterBenchmark("ancre/copie_du_champ", BM_ancre), 100);
    auto regle = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
    };
    regle(benchmark::RegisterBenchmark("set", BM_set)
              ->Args({0, 0})->Args({1, 0})->Args({2, 0})->Args({2, 1}));
    regle(benchmark::RegisterBenchmark("calcul", BM_calcul)->Arg(180)->Arg(10));
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
