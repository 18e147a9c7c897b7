// Receiving answers from the stand-in service over loopback
// (tests/support/service_factice.py): one 50 MB answer, and 32 answers of
// 2 MB at once through the transfer threads and their slots, with the peak
// memory of the process while they arrive, over the data received. The
// answers are filed into lockdir/ of --data.
#include "bench/banc.h"

#include "transport/canaux.h"
#include "transport/http.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"

#include "tests/outils/service_factice.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

ServiceFactice* service = nullptr;
const char* const TEXTE = "@mto@reqt@grib@\nA 1\ns x\n@mto@reqt@fin@\n";

// A field of /proc/self/status, in kB.
long lStatut(const char* champ)
{
    std::ifstream f("/proc/self/status");
    for (std::string ligne; std::getline(f, ligne);)
        if (ligne.rfind(champ, 0) == 0)
            return std::atol(ligne.c_str() + std::strlen(champ));
    return 0;
}

// The peak resident size starts again from the current one.
void vRemettrePic()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_UneReponse(benchmark::State& etat, int octets)
{
    service->bVariante("taille:" + std::to_string(octets));
    const std::string port = service->sPort();
    char* query = formatRequeteHttp(TEXTE, "banc@exemple.org", "secret-du-bord");
    long recus = 0;
    for (auto _ : etat) {
        int longueur = 0;
        char* r = httpgrib("127.0.0.1", port.c_str(), "cgi-bin/requete.cgi?", query, longueur, 1);
        recus = longueur;
        std::free(r);
    }
    delete[] query;
    etat.counters["Mo"] = double(recus) / 1e6;
}

void BM_Simultanees(benchmark::State& etat, int nombre, int octets)
{
    service->bVariante("taille:" + std::to_string(octets));
    double pire = 0;
    for (auto _ : etat) {
        vInitialiserCanaux();
        vRemettrePic();
        const long avant = lStatut("VmRSS:");
        for (int i = 0; i < nombre; ++i) {
            auto* s = new InstantaneHttp;
            s->texte = TEXTE;
            s->email = "banc@exemple.org";
            s->avecMotDePasse = true;
            s->motDePasse = "secret-du-bord";
            s->lien = lienCanal(iReserverCanal());
            if (!bLancerTransfert(vHttpGribTimeout, s))
                delete s;
        }
        while (iTransfertsEnCours() > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const double pic = double(lStatut("VmHWM:") - avant) * 1024.0;
        pire = std::max(pire, pic / (double(nombre) * octets));
    }
    etat.counters["pic/donnees"] = pire;
}

void enregistrer(const std::string& dossier)
{
    std::filesystem::create_directories(dossier + "/http/lockdir");
    std::filesystem::create_directories(dossier + "/http/etc");
    if (chdir((dossier + "/http").c_str()) != 0)
        return;
    service = new ServiceFactice();
    setenv("QUENBREL2_SERVICE_HOTE", "127.0.0.1", 1);
    setenv("QUENBREL2_SERVICE_PORT", service->sPort().c_str(), 1);
    benchmark::RegisterBenchmark("httpgrib/one_answer/50MB", BM_UneReponse, 50000000)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(1)->UseRealTime();
    benchmark::RegisterBenchmark("transfer_threads/32_answers/2MB", BM_Simultanees, 32, 2000000)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(1)->UseRealTime();
}

}  // namespace

int main(int argc, char** argv)
{
    const int statut = executerBanc(argc, argv, enregistrer);
    delete service;
    return statut;
}
