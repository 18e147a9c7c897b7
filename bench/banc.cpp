#include "bench/banc.h"

#include "gribdata/globales.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

std::string dossierDeTravail;

void vEffacerDossierDeTravail()
{
    std::error_code e;
    // The links go, not what they lead to.
    std::filesystem::remove_all(dossierDeTravail, e);
}

}  // namespace

int executerBanc(int argc, char** argv, void (*enregistrer)(const std::string& dossier))
{
    std::string dossier = ".";
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--data=", 7) == 0)
            dossier = argv[i] + 7;
        else
            arguments.push_back(argv[i]);
    }
    pfRemplacerJournal(std::fopen("/dev/null", "w"));
    enregistrer(dossier);

    int nombre = int(arguments.size());
    benchmark::Initialize(&nombre, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(nombre, arguments.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

double dCentile95(const std::vector<double>& v)
{
    if (v.empty())
        return 0;
    std::vector<double> t(v);
    std::sort(t.begin(), t.end());
    return t[size_t(0.95 * double(t.size() - 1))];
}

benchmark::internal::Benchmark* pParRepetitions(benchmark::internal::Benchmark* b, int repetitions)
{
    return b->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->ComputeStatistics("p95", dCentile95)
        ->ReportAggregatesOnly(true);
}

bool bDossierDeTravail()
{
    std::error_code e;
    std::string modele = (std::filesystem::temp_directory_path(e) / "quenbrel-banc-XXXXXX").string();
    if (e || !mkdtemp(modele.data()))
        return false;
    dossierDeTravail = modele;
    std::atexit(vEffacerDossierDeTravail);
    for (const char* d : {"img", "loc", "grib"}) {
        std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/" + d,
                                                  dossierDeTravail + "/" + d, e);
        if (e)
            return false;
    }
    return chdir(dossierDeTravail.c_str()) == 0;
}
