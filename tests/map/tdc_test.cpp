#include "tdc_test.h"

#include <filesystem>
#include <stdexcept>
#include <unistd.h>

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

DossierTdc::DossierTdc() : ancien_(std::filesystem::current_path().string())
{
    if (chdir(dossier_.chemin().c_str()) != 0)
        throw std::runtime_error("chdir");
    std::filesystem::create_directory("img");
}

DossierTdc::~DossierTdc()
{
    if (chdir(ancien_.c_str()) != 0)
        ADD_FAILURE() << "chdir back";
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
