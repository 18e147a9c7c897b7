// Decompression of a ~100 MB GRIB-like file, .gz and .bz2: gzip() and
// bzip2() against the old size-guessing scheme and against the system tools.
//
// Usage: bench_decompression --data=DIR [Google Benchmark flags]
// DIR holds grib_like.grb.gz and grib_like.grb.bz2 (bench/run.sh makes them).
#include "guess_retry.h"

#include "bench/banc.h"

#include "gribdata/decompression.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

using Decompresseur = char* (*)(const char*, unsigned int&);

void mesurer(benchmark::State& state, Decompresseur decompresser, const std::string& fichier)
{
    uint64_t octets = 0;
    for (auto _ : state) {
        // 0, as the GRIB loader passes.
        unsigned int n = 0;
        char* tampon = decompresser(fichier.c_str(), n);
        if (!tampon) {
            state.SkipWithError(("cannot decompress " + fichier).c_str());
            return;
        }
        benchmark::DoNotOptimize(tampon);
        delete[] tampon;
        octets += n;
    }
    state.SetBytesProcessed(int64_t(octets));
}

void outilSysteme(benchmark::State& state, const std::string& ligne)
{
    for (auto _ : state)
        if (std::system(ligne.c_str()) != 0) {
            state.SkipWithError(("failed: " + ligne).c_str());
            return;
        }
}

void enregistrer(const std::string& format, const std::string& fichier, Decompresseur unePasse,
                 Decompresseur parEssais, const std::string& outil, int iterations)
{
    auto regler = [iterations](benchmark::internal::Benchmark* b) {
        b->Iterations(iterations)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    regler(benchmark::RegisterBenchmark((format + "/one_pass").c_str(), mesurer, unePasse,
                                        fichier));
    regler(benchmark::RegisterBenchmark((format + "/guess_retry").c_str(), mesurer, parEssais,
                                        fichier));
    regler(benchmark::RegisterBenchmark((format + "/system_tool").c_str(), outilSysteme,
                                        outil + " '" + fichier + "' > /dev/null"));
}

void enregistrerTout(const std::string& dossier)
{
    const std::string base = dossier + "/grib_like.grb";
    enregistrer("gzip", base + ".gz", gzip, gzipParEssais, "gzip -dc", 5);
    enregistrer("bzip2", base + ".bz2", bzip2, bzip2ParEssais, "bzip2 -dc", 2);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrerTout);
}
