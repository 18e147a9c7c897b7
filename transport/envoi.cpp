#include "transport/envoi.h"

#include "gribdata/globales.h"
#include "transport/envoi_texte.h"
#include "gribdata/remplacement.h"
#include "transport/depot.h"
#include "transport/reponse.h"
#include "transport/service_http.h"
#include "ui/local.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char* const TAG = "<requete>";
const char* const JOURNAL_ENVOIS = "etc/envois.txt";

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

// The saved request is given whole under a name of its own: two saves in
// the same second get "_2", "_3", ... before ".txt"; a disk that fills
// leaves no empty or cut file.
int iEcrireRequete(const EnvoiRequete& e, time_t quand)
{
    // A deletion of automations orders nothing to load again.
    if (bSuppressionAutomatisations(e.texte))
        return 0;
    struct tm l {};
    localtime_r(&quand, &l);
    char nom[64];
    std::snprintf(nom, sizeof nom, "%d%2.2d%2.2d_%2.2d%2.2d%2.2d.txt", l.tm_year + 1900,
                  l.tm_mon + 1, l.tm_mday, l.tm_hour, l.tm_min, l.tm_sec);
    const char* dossier = e.type == 0 ? "etc/grib" : "etc/bull";
    if (iDeposerAPart(dossier, nom, e.corps.data(), e.corps.size()) == 0)
        return 0;
    vJournal(TAG, "ECHEC : requete non enregistree dans %s\n", dossier);
    return -1;
}

// The block is appended whole or not at all.
int iAjouterBloc(const EnvoiRequete& e, time_t quand)
{
    const std::string bloc = blocEnvoi(e, quand);
    const int erreur = iAjouterEnEntier(JOURNAL_ENVOIS, bloc.data(), bloc.size());
    if (erreur)
        vJournal(TAG, "ECHEC : %s: envoi non note (%s)\n", JOURNAL_ENVOIS, std::strerror(erreur));
    return erreur ? -1 : 0;
}

}  // namespace

const char* const ENVOI_NON_ENREGISTRE =
    CLE_LOCAL("Envoi non enregistre : ecriture impossible dans etc/");

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
    // The saved request is written even when the log could not be.
    const int bloc = iAjouterBloc(e, quand);
    return iEcrireRequete(e, quand) == 0 && bloc == 0 ? 0 : -1;
}

bool bEnregistrerReussite(bool enregistrer, const EnvoiRequete& e, bool historique)
{
    const bool enregistre = !enregistrer || iEnregistrerEnvoi(e, std::time(nullptr)) == 0;
    return enregistre && historique;
}

bool bEnregistrerReponse(const AnalyseReponse& reponse, bool enregistrer, const EnvoiRequete& e)
{
    return !reponse.acceptee || bEnregistrerReussite(enregistrer, e, reponse.historique);
}

int iEnregistrerRequete(const EnvoiRequete& e, time_t quand)
{
    std::lock_guard<std::mutex> garde(verrouTransport());
    if (ARRET_TRANSFERTS.load())
        return -1;
    return iEcrireRequete(e, quand);
}
