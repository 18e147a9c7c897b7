#include "tests/outils/outils_test.h"

#include "gribdata/globales.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

DossierTemporaire::DossierTemporaire()
{
    char modele[] = "tmp-XXXXXX";
    if (!mkdtemp(modele))
        throw std::runtime_error("mkdtemp");
    chemin_ = std::filesystem::absolute(modele).string();
}

DossierTemporaire::~DossierTemporaire()
{
    std::error_code ignore;
    std::filesystem::remove_all(chemin_, ignore);
}

DossierCourant::DossierCourant(const std::string& dossier)
{
    char tampon[4096];
    if (!getcwd(tampon, sizeof tampon) || chdir(dossier.c_str()) != 0)
        throw std::runtime_error("chdir " + dossier);
    ancien_ = tampon;
}

DossierCourant::~DossierCourant()
{
    if (chdir(ancien_.c_str()) != 0)
        ADD_FAILURE() << "chdir back to " << ancien_;
}

DossierCatalogues::DossierCatalogues() : ici_(dossier_.chemin())
{
    std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                              dossier_ / "loc");
}

JournalTemporaire::JournalTemporaire(const std::string& chemin)
    : chemin_(chemin)
{
    FILE* f = std::fopen(chemin.c_str(), "w");
    if (!f)
        throw std::runtime_error("log " + chemin);
    ancien_ = pfRemplacerJournal(f);
}

JournalTemporaire::~JournalTemporaire()
{
    // Closed already when a test shut the log.
    FILE* f = pfRemplacerJournal(ancien_);
    if (f != stdout && f != stderr)
        std::fclose(f);
}

std::string JournalTemporaire::contenu() const
{
    return lireFichier(chemin_);
}

std::string lireFichier(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void ecrireFichier(const std::string& chemin, const std::string& octets)
{
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), std::streamsize(octets.size()));
    if (!f)
        throw std::runtime_error("write " + chemin);
}

bool existe(const std::string& chemin)
{
    struct stat st;
    return lstat(chemin.c_str(), &st) == 0;
}

::testing::AssertionResult memesOctets(const std::optional<std::string>& obtenu,
                                       const std::optional<std::string>& attendu)
{
    if (obtenu == attendu)
        return ::testing::AssertionSuccess();
    auto taille = [](const std::optional<std::string>& o) {
        return o ? std::to_string(o->size()) + " bytes" : std::string("null");
    };
    size_t i = 0;
    while (obtenu && attendu && i < obtenu->size() && i < attendu->size() && (*obtenu)[i] == (*attendu)[i])
        ++i;
    return ::testing::AssertionFailure() << "got " << taille(obtenu) << ", expected "
                                         << taille(attendu) << ", first difference at " << i;
}

bool commande(const std::string& ligne)
{
    return std::system(ligne.c_str()) == 0;
}

std::optional<std::string> sortie(const std::string& ligne)
{
    FILE* f = popen(ligne.c_str(), "r");
    if (!f)
        return std::nullopt;
    std::string texte;
    char tampon[65536];
    size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        texte.append(tampon, n);
    if (pclose(f) != 0)
        return std::nullopt;
    return texte;
}

std::string sh(const std::string& chemin)
{
    std::string cite = "'";
    for (char c : chemin)
        cite += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return cite + "'";
}

int iOuvertures(const std::string& chemin, const std::function<void()>& faire)
{
    const int in = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // The kernel merges an event with the one before it when they are the
    // same: the closes keep the opens of one file after another apart.
    int n = in >= 0 && inotify_add_watch(in, chemin.c_str(), IN_OPEN | IN_CLOSE) >= 0 ? 0 : -1;
    if (n == 0)
        faire();
    // The events of a watched file come without a name.
    alignas(inotify_event) char tampon[4096];
    for (ssize_t k; n >= 0 && (k = read(in, tampon, sizeof tampon)) > 0;)
        for (ssize_t i = 0; i < k; i += sizeof(inotify_event))
            n += (reinterpret_cast<const inotify_event*>(tampon + i)->mask & IN_OPEN) != 0;
    if (in >= 0)
        close(in);
    return n;
}

namespace {

// xorshift32: the same sequence everywhere, unlike <random>'s distributions.
struct Alea {
    uint32_t etat;
    explicit Alea(unsigned graine) : etat(graine * 2654435761u + 1u) {}
    uint32_t operator()()
    {
        etat ^= etat << 13;
        etat ^= etat >> 17;
        etat ^= etat << 5;
        return etat;
    }
};

}  // namespace

std::string texteTest(size_t taille, unsigned graine)
{
    static const char* const mots[] = {"vent", "houle", "pression", "nord", "sud",
                                       "rafale", "grain", "mer", "force", "est",
                                       "ouest", "temps", "nuage", "pluie", "calme"};
    Alea alea(graine);
    std::string texte;
    while (texte.size() < taille) {
        texte += mots[alea() % 15];
        uint32_t r = alea();
        texte += r % 11 == 0 ? "\n" : r % 7 == 0 ? std::to_string(r % 1000) + " " : " ";
    }
    texte.resize(taille);
    return texte;
}

std::string bruitTest(size_t taille, unsigned graine)
{
    Alea alea(graine);
    std::string octets(taille, '\0');
    for (char& c : octets)
        c = char(alea() >> 24);
    return octets;
}

std::string fixtureGrib(const std::string& nom)
{
    return std::string(QUENBREL_SOURCE_DIR) + "/tests/data/grib1/" + nom;
}

bool eccodesPresent()
{
    return commande("command -v grib_ls >/dev/null 2>&1 && command -v grib_get_data "
                    ">/dev/null 2>&1");
}

namespace {

// The key names of a listing's header line.
std::vector<std::string> clesLs(std::istream& flux)
{
    std::string ligne, cle;
    std::getline(flux, ligne);  // the file name
    std::getline(flux, ligne);
    std::istringstream entete(ligne);
    std::vector<std::string> cles;
    while (entete >> cle)
        cles.push_back(cle);
    return cles;
}

}  // namespace

std::vector<LigneLs> lireLs(const std::string& texte)
{
    std::istringstream flux(texte);
    const std::vector<std::string> cles = clesLs(flux);
    std::vector<LigneLs> lignes;
    std::string ligne;
    while (std::getline(flux, ligne) && !ligne.empty() && ligne.find(" of ") == std::string::npos) {
        std::istringstream rangee(ligne);
        LigneLs l;
        for (const std::string& c : cles)
            rangee >> l[c];
        lignes.push_back(l);
    }
    return lignes;
}

std::optional<std::string> lsDirect(const std::string& fixture)
{
    std::istringstream flux(lireFichier(fixtureGrib(fixture + ".ls")));
    std::string cles;
    for (const std::string& c : clesLs(flux))
        cles += (cles.empty() ? "" : ",") + c + ":i";
    return sortie("cd " + sh(fixtureGrib("")) + " && grib_ls -p " + cles + " " + sh(fixture) +
                  " 2>/dev/null");
}

namespace {

bool lirePoint(const std::string& ligne, Point& p)
{
    char valeur[64];
    if (std::sscanf(ligne.c_str(), "%lf %lf %63s", &p.lat, &p.lon, valeur) != 3)
        return false;
    p.absent = std::strcmp(valeur, "missing") == 0;
    p.valeur = p.absent ? 0 : std::strtod(valeur, nullptr);
    return true;
}

}  // namespace

std::vector<std::vector<Point>> lireData(const std::string& texte)
{
    std::vector<std::vector<Point>> messages(1);
    std::istringstream flux(texte);
    std::string ligne;
    Point p;
    while (std::getline(flux, ligne))
        if (ligne.rfind("Latitude", 0) == 0)
            messages.emplace_back();
        else if (lirePoint(ligne, p))
            messages.back().push_back(p);
    if (messages.front().empty())
        messages.erase(messages.begin());
    return messages;
}

std::vector<ValeurNiveau> valeursParNiveau(const std::string& fichier, int parametre, double lat,
                                           double lon)
{
    std::ostringstream c;
    c.precision(12);
    c << "grib_ls -F %.10g -l " << lat << "," << lon << ",1 -w indicatorOfParameter="
      << parametre << " -p indicatorOfTypeOfLevel:i,level " << sh(fichier);
    std::vector<ValeurNiveau> v;
    std::istringstream lignes(sortie(c.str()).value_or(""));
    for (std::string ligne; std::getline(lignes, ligne);) {
        std::istringstream l(ligne);
        ValeurNiveau n;
        if (l >> n.type >> n.niveau >> n.valeur)
            v.push_back(n);
    }
    return v;
}

int64_t ecartUlp(float obtenu, double attendu)
{
    const float reference = float(attendu);
    int64_t pas = 0;
    for (float x = reference; x != obtenu && pas < 1000; ++pas)
        x = std::nextafter(x, obtenu);
    return pas;
}
