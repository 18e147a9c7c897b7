#include "ui/donnees_absentes.h"

#include "gribdata/fichiers.h"
#include "gribdata/globales.h"
#include "ui/local.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What misses: the text's key with what goes without it.
struct Absence {
    const char* nom;
    const char* suite;
    std::string chemin;  // the catalogue's name, for its line
};

std::vector<Absence> absences;
// The working folders, checked once at start: a language switch checks
// the data again, not them.
std::vector<Absence> dossiers;

bool bDossier(const std::string& chemin)
{
    struct stat s;
    return stat(chemin.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

bool bFichier(const std::string& chemin)
{
    struct stat s;
    return stat(chemin.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

void vNoter(const Absence& a, std::vector<Absence>& liste = absences)
{
    char* ici = getcwd(nullptr, 0);
    vJournal("<DONNEES>", "absent de %s: %s%s (%s)\n", ici ? ici : "?", a.nom,
             a.chemin.empty() ? "" : (" " + a.chemin).c_str(), a.suite);
    std::free(ici);
    liste.push_back(a);
}

// What goes without a working folder, by its tree.
const char* pcSansDossier(const std::string& dossier)
{
    if (dossier.compare(0, 3, "dat") == 0)
        return CLE_LOCAL("les fichiers recus restent dans lockdir/");
    if (dossier.compare(0, 3, "etc") == 0)
        return CLE_LOCAL("ni reglages, ni routes, ni requetes enregistres");
    return CLE_LOCAL("rien ne peut etre recu");
}

}  // namespace

int iVerifierDonnees(const char* langue)
{
    absences.clear();
    if (!bDossier("img"))
        vNoter({CLE_LOCAL("Dossier img/ absent"),
                CLE_LOCAL("ni carte dessinée, ni traits de côte, ni masques"), ""});
    const std::string catalogue = std::string("loc/messages.") + (langue ? langue : "fr") + ".mac";
    if (!bDossier("loc"))
        vNoter({CLE_LOCAL("Dossier loc/ absent"), CLE_LOCAL("ni traductions, ni aide"), ""});
    else if (!bFichier(catalogue))
        vNoter({CLE_LOCAL("Catalogue de messages absent"), CLE_LOCAL("textes non traduits"),
                catalogue});
    return int(absences.size());
}

int iVerifierDossiers(bool autreInstance)
{
    dossiers.clear();
    // Said where the missing data are, rather than in a box: a box would
    // hold a run that is asked to end before anyone answers it.
    if (autreInstance) {
        vJournal("<DONNEES>", "une autre instance tient le dossier de travail\n");
        dossiers.push_back({CLE_LOCAL("Dossier de travail tenu par une autre instance"),
                            CLE_LOCAL("ni reglages ni routes enregistres en quittant"), ""});
    }
    for (const char* dossier : DOSSIERS_TRAVAIL) {
        const std::string arbre = std::string(dossier).substr(0, 3);
        bool dejaDit = false;
        for (const Absence& a : dossiers)
            dejaDit = dejaDit || a.chemin.compare(0, 3, arbre) == 0;
        const int erreur = dejaDit ? 0 : iDossierInscriptible(dossier);
        if (erreur) {
            vJournal("<DONNEES>", "%s: %s\n", dossier, std::strerror(erreur));
            vNoter({CLE_LOCAL("Dossier de travail inutilisable"), pcSansDossier(dossier),
                    std::string(dossier) + "/"},
                   dossiers);
        }
    }
    return int(dossiers.size());
}

std::vector<std::string> avisDonneesAbsentes()
{
    std::vector<std::string> v;
    std::vector<Absence> toutes = absences;
    toutes.insert(toutes.end(), dossiers.begin(), dossiers.end());
    for (const Absence& a : toutes) {
        v.push_back(std::string(pcTraduire(a.nom)) + (a.chemin.empty() ? "" : " " + a.chemin));
        v.push_back(pcTraduire(a.suite));
    }
    return v;
}
