// Opening, listing and decoding GRIB files as the viewer does.
//
//   open_list/F     File on the ~120 MB file, plain, .gz and .bz2
//   decode_all      iDecodeGribAll on its 1,000 records (the list made first, untimed)
//   freeze/F        what the user waits for: opening a ~10 MB .gz (or its .bz2)
//                   and decoding the ten fields of its first validity
//
// Usage: bench_grib --data=DIR [Google Benchmark flags]; bench/grib/run.sh makes DIR.
#include "bench/banc.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void ouvrir(benchmark::State& state, const std::string& nom)
{
    uint64_t octets = 0;
    for (auto _ : state) {
        File f(nom.c_str());
        if (f.count == 0) {
            state.SkipWithError(("no record in " + nom).c_str());
            return;
        }
        benchmark::DoNotOptimize(f.list);
        octets += f.length;
    }
    state.SetBytesProcessed(int64_t(octets));
}

void toutDecoder(benchmark::State& state, const std::string& nom)
{
    File source(nom.c_str());
    File f;
    uint64_t octets = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.set(source.buffer, source.length);  // a fresh list, fields released
        state.ResumeTiming();
        if (iDecodeGribAll(f.list) != 0) {
            state.SkipWithError(("a field of " + nom + " was refused").c_str());
            return;
        }
        octets += f.length;
    }
    state.SetBytesProcessed(int64_t(octets));
}

void attente(benchmark::State& state, const std::string& nom)
{
    int champs = 0;
    for (auto _ : state) {
        File f(nom.c_str());
        champs = 0;
        for (grib* g = f.list; g && g->validite == f.list->validite; g = g->suivant, ++champs) {
            g->champ = new Grib();
            if (g->champ->set(g->message, g->longueur) != 0) {
                state.SkipWithError(("a field of " + nom + " was refused").c_str());
                return;
            }
        }
    }
    state.counters["fields"] = champs;
}

void regler(benchmark::internal::Benchmark* b, int iterations)
{
    b->Iterations(iterations)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void enregistrer(const std::string& dossier)
{
    const std::string gros = dossier + "/grib_service.grb";
    const std::string typique = dossier + "/grib_typique.grb";
    regler(benchmark::RegisterBenchmark("open_list/plain", ouvrir, gros), 10);
    regler(benchmark::RegisterBenchmark("open_list/gz", ouvrir, gros + ".gz"), 3);
    regler(benchmark::RegisterBenchmark("open_list/bz2", ouvrir, gros + ".bz2"), 2);
    regler(benchmark::RegisterBenchmark("decode_all", toutDecoder, gros), 5);
    regler(benchmark::RegisterBenchmark("freeze/gz", attente, typique + ".gz"), 5);
    regler(benchmark::RegisterBenchmark("freeze/bz2", attente, typique + ".bz2"), 3);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
