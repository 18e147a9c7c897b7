#include "transport/envoi.h"

#include "gribdata/globales.h"
#include "transport/envoi_texte.h"
#include "transport/service_http.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const TAG = "<requete>";
const char* const JOURNAL_ENVOIS = "etc/envois.txt";
// Names tried for saves within one second.
const int ESSAIS_NOM = 1000;

std::string ligneHeure(const char* nom, const struct tm& t, const EnvoiRequete& e)
{
    char chiffres[64];
    std::snprintf(chiffres, sizeof chiffres, " - %2.2d:%2.2d:%2.2d\n", t.tm_hour, t.tm_min,
                  t.tm_sec);
    const std::string& jour = e.jours[size_t(t.tm_wday) % e.jours.size()];
    const std::string& mois = e.mois[size_t(t.tm_mon) % e.mois.size()];
    return std::string(nom) + " : " + jour + " " + std::to_string(t.tm_mday) + " " + mois + " " +
           std::to_string(t.tm_year + 1900) + chiffres;
}

// A new file for the saved request, never one that exists: two saves in
// the same second get "_2", "_3", ... before ".txt".
FILE* pfNouveauFichier(const EnvoiRequete& e, time_t quand, std::string& chemin)
{
    struct tm l {};
    localtime_r(&quand, &l);
    char base[128];
    std::snprintf(base, sizeof base, "etc%s%s%s%d%2.2d%2.2d_%2.2d%2.2d%2.2d", "/",
                  e.type == 0 ? "grib" : "bull", "/", l.tm_year + 1900, l.tm_mon + 1, l.tm_mday,
                  l.tm_hour, l.tm_min, l.tm_sec);
    for (int k = 1; k <= ESSAIS_NOM; ++k) {
        chemin = std::string(base) + (k > 1 ? "_" + std::to_string(k) : "") + ".txt";
        const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0)
            return fdopen(fd, "w");
        if (errno != EEXIST)
            break;
    }
    vJournal(TAG, "%s: %s\n", chemin.c_str(), std::strerror(errno));
    return nullptr;
}

int iEcrireRequete(const EnvoiRequete& e, time_t quand)
{
    // A deletion of automations orders nothing to load again.
    if (bSuppressionAutomatisations(e.texte))
        return 0;
    std::string chemin;
    FILE* f = pfNouveauFichier(e, quand, chemin);
    if (!f)
        return -1;
    std::fwrite(e.corps.data(), 1, e.corps.size(), f);
    return std::fclose(f);
}

}  // namespace

std::mutex& verrouTransport()
{
    static std::mutex verrou;
    return verrou;
}

std::string blocEnvoi(const EnvoiRequete& e, time_t quand)
{
    struct tm u {}, l {};
    gmtime_r(&quand, &u);
    localtime_r(&quand, &l);
    return "SEND" + std::string(63, '=') + "SEND\n" + ligneHeure("HUTC", u, e) +
           ligneHeure("HLOC", l, e) + "SIZE: " + e.volume + " Ko\n" + "COST: " + e.cout +
           " Euros\n" + "\n" + e.texte + "\n";
}

int iEnregistrerEnvoi(const EnvoiRequete& e, time_t quand)
{
    std::lock_guard<std::mutex> garde(verrouTransport());
    if (ARRET_TRANSFERTS.load())
        return -1;
    if (FILE* f = std::fopen(JOURNAL_ENVOIS, "a")) {
        const std::string bloc = blocEnvoi(e, quand);
        std::fwrite(bloc.data(), 1, bloc.size(), f);
        if (std::fclose(f) != 0)
            vJournal(TAG, "%s: %s\n", JOURNAL_ENVOIS, std::strerror(errno));
    } else {
        vJournal(TAG, "%s: %s\n", JOURNAL_ENVOIS, std::strerror(errno));
    }
    return iEcrireRequete(e, quand);
}

int iEnregistrerRequete(const EnvoiRequete& e, time_t quand)
{
    std::lock_guard<std::mutex> garde(verrouTransport());
    if (ARRET_TRANSFERTS.load())
        return -1;
    return iEcrireRequete(e, quand);
}
