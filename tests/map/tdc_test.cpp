#include "tdc_test.h"

#include <filesystem>

EnregistrementTdc enregistrement(short type, int sud, int ouest, std::vector<int16_t> lat,
                                 std::vector<int16_t> lon)
{
    EnregistrementTdc e;
    e.niveau = type;
    e.sud = sud;
    e.ouest = ouest;
    e.nord = sud;
    e.est = ouest;
    for (int16_t v : lat)
        e.nord = std::max(e.nord, sud + v);
    for (int16_t v : lon)
        e.est = std::max(e.est, ouest + v);
    e.latitudes = std::move(lat);
    e.longitudes = std::move(lon);
    return e;
}

std::string octetsNiveau(int niveau, const std::vector<EnregistrementTdc>& e)
{
    std::string s;
    for (const EnregistrementTdc& r : e)
        niveau == 0 ? vEcrireTdc0(r, s) : vEcrireTdc(r, s);
    return s;
}

std::vector<const TYPEDEF_TDC*> listeChaine(const TYPEDEF_TDC* premier)
{
    std::vector<const TYPEDEF_TDC*> v;
    for (; premier; premier = premier->suivant)
        v.push_back(premier);
    return v;
}

std::vector<const TYPEDEF_TDC*> listeCarre(const TYPEDEF_TDC_CASE* premier)
{
    std::vector<const TYPEDEF_TDC*> v;
    for (; premier; premier = premier->suivant)
        if (premier->tdc)
            v.push_back(premier->tdc);
    return v;
}

double latitudeTdc(const TYPEDEF_TDC* t, int niveau, int i)
{
    return t->sud + t->latitudes[i] / double(TDC_ECHELLES[niveau]);
}

double longitudeTdc(const TYPEDEF_TDC* t, int niveau, int i)
{
    return t->ouest + t->longitudes[i] / double(TDC_ECHELLES[niveau]);
}

bool bDansTdc(const TYPEDEF_TDC* t, int niveau, double lat, double lon)
{
    for (double l : {lon, lon - 360, lon + 360}) {
        bool dedans = false;
        for (int i = 0, j = t->nombre - 1; i < t->nombre; j = i++) {
            const double yi = latitudeTdc(t, niveau, i), yj = latitudeTdc(t, niveau, j);
            const double xi = longitudeTdc(t, niveau, i), xj = longitudeTdc(t, niveau, j);
            if ((yi > lat) != (yj > lat) && l < (xj - xi) * (lat - yi) / (yj - yi) + xi)
                dedans = !dedans;
        }
        if (dedans)
            return true;
    }
    return false;
}

int iSurfaceTdc(const TYPEDEF_TDC* premier, int niveau, double lat, double lon)
{
    int type = 0;
    for (const TYPEDEF_TDC* t = premier; t; t = t->suivant)
        if (t->niveau < 10 && t->niveau > type && bDansTdc(t, niveau, lat, lon))
            type = t->niveau;
    return type;
}

DossierTdc::DossierTdc()
{
    std::filesystem::create_directory("img");
}

DossierTdc::~DossierTdc() = default;

void DossierTdc::donneesReelles()
{
    std::filesystem::remove("img");
    std::filesystem::create_directory_symlink(QUENBREL_SOURCE_DIR "/data/img", "img");
}

void DossierTdc::ecrire(int niveau, const std::string& octets, const std::string& extension)
{
    const std::string base = "img/data" + std::to_string(niveau) + ".dat";
    if (extension.empty()) {
        ecrireFichier(base + ".gz", octets);
        return;
    }
    ecrireFichier(base, octets);
    const std::string outil = extension == "gz" ? "gzip" : "bzip2";
    if (!commande(outil + " -f " + sh(base)))
        throw std::runtime_error("compression " + base);
}
