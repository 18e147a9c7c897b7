#include "tests/outils/service_factice.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string journalUnique()
{
    // Outside the test's scratch folders, which go before the stand-in.
    // A test program whose stand-in lives until the end leaves its journal
    // behind: a later process with the same number starts it afresh.
    static int compteur = 0;
    const std::string nom = std::filesystem::temp_directory_path().string() +
                            "/service_factice." + std::to_string(getpid()) + "." +
                            std::to_string(++compteur) + ".journal";
    unlink(nom.c_str());
    return nom;
}

std::string hexVersOctets(const std::string& hex)
{
    std::string o;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        o += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return o;
}

std::vector<std::string> avecJournal(const std::string& journal, std::vector<std::string> o)
{
    o.insert(o.begin(), {"--journal", journal});
    return o;
}

}  // namespace

ServiceFactice::ServiceFactice(const std::vector<std::string>& options)
    : journal_(journalUnique()), script_("service_factice.py", avecJournal(journal_, options))
{
}

ServiceFactice& ServiceFactice::partage()
{
    static ServiceFactice* s = [] {
        auto* nouveau = new ServiceFactice();
        setenv("QUENBREL2_SERVICE_HOTE", "127.0.0.1", 1);
        setenv("QUENBREL2_SERVICE_PORT", nouveau->sPort().c_str(), 1);
        return nouveau;
    }();
    return *s;
}

ServiceFactice::~ServiceFactice()
{
    unlink(journal_.c_str());
}

bool ServiceFactice::bVariante(const std::string& variante)
{
    return script_.bEcrire("variante " + variante) &&
           script_.ligneSortie() == "variante " + variante;
}

std::vector<ServiceFactice::Connexion> ServiceFactice::connexions() const
{
    std::vector<Connexion> liste;
    std::ifstream f(journal_);
    for (std::string ligne; std::getline(f, ligne);) {
        std::istringstream champs(ligne);
        size_t numero = 0;
        std::string cle, hex;
        if (!(champs >> numero >> cle) || numero == 0)
            continue;
        champs >> hex;
        if (liste.size() < numero)
            liste.resize(numero);
        liste[numero - 1][cle] = hexVersOctets(hex);
    }
    return liste;
}
