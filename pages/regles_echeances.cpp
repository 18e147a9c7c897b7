#include "pages/regles_echeances.h"

#include "transport/liste_codes.h"
#include "ui/local.h"

#include <cstdio>
#include <cstring>

std::vector<int> echeancesProposees(const ChoixReseau& choix, int code)
{
    std::vector<int> v;
    for (int t : choix.echeances)
        if (code != 10 || t + choix.run >= 0)
            v.push_back(t);
    return v;
}

std::vector<ValiditeProposee> validitesProposees(const ChoixReseau& choix, int code,
                                                 int heureCourante)
{
    std::vector<ValiditeProposee> v;
    const std::vector<int>& liste = choix.echeances;
    for (size_t i = 0; i < liste.size(); ++i) {
        ValiditeProposee b;
        b.validite = liste[i] + choix.run;
        if (b.validite < 0)
            continue;
        b.numero = code == 10 ? liste[i] : b.validite;
        b.jour = b.validite / 24;
        b.heure = b.validite % 24;
        b.ligne = v.empty() || b.validite % 24 == 0;
        const int suivante = i + 1 < liste.size() ? liste[i + 1] : -1;
        b.inactive = b.jour == 0 && b.heure < heureCourante && suivante < 24 &&
                     suivante < heureCourante;
        v.push_back(b);
    }
    return v;
}

std::string sLibelleJour(const char* jour, int numero)
{
    char suffixe[16] = "";
    if (numero > 0)
        std::snprintf(suffixe, sizeof suffixe, "+%d", numero);
    const int blancs = numero > 0 ? 0 : 2;
    const int place = LIBELLE_JOUR - 1 - blancs - int(std::strlen(suffixe));
    const std::string mot = jour ? jour : "";
    const std::string coupe = place > 0 ? mot.substr(0, size_t(iCoupeUtf8(mot.c_str(), place)))
                                        : std::string();
    return numero > 0 ? coupe + suffixe : " " + coupe + " ";
}

bool bPresseParPas(int numero, int pas, bool actif)
{
    if (pas == 0 || !actif)
        return false;
    return pas == -1 || numero % pas == 0;
}

bool bTempsDemande(const ListeCodes& liste, int numero)
{
    for (int i = 0; i < ListeCodes::TAILLE; ++i) {
        int t = 0;
        if (!liste[i].empty() && std::sscanf(liste[i].c_str(), "%d", &t) == 1 && t == numero)
            return true;
    }
    return false;
}
