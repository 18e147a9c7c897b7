#include "ui/donnees_absentes.h"

#include "gribdata/globales.h"
#include "ui/local.h"

#include <cstdlib>
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

void vNoter(const Absence& a)
{
    char* ici = getcwd(nullptr, 0);
    vJournal("<DONNEES>", "absent de %s: %s%s (%s)\n", ici ? ici : "?", a.nom,
             a.chemin.empty() ? "" : (" " + a.chemin).c_str(), a.suite);
    std::free(ici);
    absences.push_back(a);
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

std::vector<std::string> avisDonneesAbsentes()
{
    std::vector<std::string> v;
    for (const Absence& a : absences) {
        v.push_back(std::string(pcTraduire(a.nom)) + (a.chemin.empty() ? "" : " " + a.chemin));
        v.push_back(pcTraduire(a.suite));
    }
    return v;
}
