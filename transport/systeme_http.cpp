#include "transport/systeme_http.h"

#include "gribdata/globales.h"
#include "transport/http.h"
#include "transport/reponse.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"

#include <memory>

namespace {

const char* const THREADS = "<THREADS>";
const char* const TEXTE_SYSTEME = "@mto@reqt@sys@";

}  // namespace

void* vHttpSystemeTimeout(void* lien)
{
    std::unique_ptr<LienCanal> l(static_cast<LienCanal*>(lien));
    vJournal(THREADS, "----------> Execution du sous-thread HTTP (thread/systeme)\n");
    const ServiceHttp& service = serviceHttp();
    std::unique_ptr<char[]> query(formatRequeteHttp(TEXTE_SYSTEME, service.email.c_str(), nullptr));
    int longueur = 0;
    char* reponse = httpgrib(service.hote.c_str(), service.port.c_str(), service.chemin.c_str(),
                             query.get(), longueur, 0, *l, DELAIS_SYSTEME);
    int ok = 0;
    const int statut = iAnalyseRequeteHttp(reponse, longueur, ok);
    vJournal("<HTTPGRIB>", "requete systeme: statut %d, %d octets\n", statut, longueur);
    vJournal(THREADS, "----------> Fin execution du sous-thread HTTP...(thread/systeme) %d\n", ok);
    return nullptr;
}

bool bLancerSysteme(LienCanal lien)
{
    auto l = std::make_unique<LienCanal>(lien);
    if (!bLancerTransfert(vHttpSystemeTimeout, l.get())) {
        vJournal(THREADS, "ECHEC : sous-thread HTTP (systeme) non lance\n");
        return false;
    }
    l.release();
    return true;
}
