#include "transport/service_http.h"

#include "gribdata/decode.h"

#include <cstdlib>
#include <memory>

namespace {

const char* const HOTE_STOCKE = "6C626771675664276E6A606C55715E69236076546C69695A";
const char* const PORT_STOCKE = "312D";
const char* const CHEMIN_STOCKE = "5C645E28605C6D286F5A6C7358735E2B58626732";
const char* const CHEMIN_ENVOI_STOCKE = "5C645E28605C6D286263716D5C2D5C645E3A";
const char* const EMAIL_STOCKE = "5B7261676367686770356C73586D5B6F5A672C58775A6A656763";

std::string valeur(const char* variable, const char* stockee)
{
    if (const char* v = std::getenv(variable))
        return v;
    std::unique_ptr<char[]> clair(decode(stockee));
    return clair.get();
}

}  // namespace

DelaisHttp DELAIS_HTTP;
DelaisHttp DELAIS_SYSTEME{{10000}, {30000}, {30000}, {int64_t(1) << 20}, {30000}};
std::atomic<int> ARRET_TRANSFERTS{0};

const ServiceHttp& serviceHttp()
{
    static const ServiceHttp service{
        valeur("QUENBREL2_SERVICE_HOTE", HOTE_STOCKE),
        valeur("QUENBREL2_SERVICE_PORT", PORT_STOCKE),
        valeur("QUENBREL2_SERVICE_CHEMIN", CHEMIN_STOCKE),
        valeur("QUENBREL2_SERVICE_CHEMIN_ENVOI", CHEMIN_ENVOI_STOCKE),
        valeur("QUENBREL2_SERVICE_EMAIL", EMAIL_STOCKE)};
    return service;
}
