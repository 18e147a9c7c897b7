#include "transport/echec_transfert.h"

#include "transport/canaux.h"
#include "transport/envoi.h"
#include "transport/reponse.h"
#include "ui/local.h"

const char* pcRaisonEchec(int phase)
{
    switch (phase) {
    case PHASE_ECHEC: return CLE_LOCAL("Pas de reponse du service");
    case PHASE_CONNEXION: return CLE_LOCAL("Connexion impossible");
    case PHASE_INCOMPLETE: return CLE_LOCAL("Reponse incomplete");
    case PHASE_REFUSEE: return CLE_LOCAL("Requete refusee par le service");
    case PHASE_ILLISIBLE: return CLE_LOCAL("Reponse inattendue du serveur");
    case PHASE_NON_CLASSEE: return CLE_LOCAL("Fichier recu non classe");
    case PHASE_NON_ENREGISTREE: return ENVOI_NON_ENREGISTRE;
    case PHASE_INTROUVABLE: return CLE_LOCAL("Hote introuvable :");
    case PHASE_DELAI: return CLE_LOCAL("Delai depasse");
    case PHASE_TROP_GRANDE: return CLE_LOCAL("Reponse trop grande");
    case PHASE_SANS_DONNEES: return CLE_LOCAL("Aucune donnee recue");
    default: return nullptr;
    }
}

std::string sRaisonEchec(int phase, const char* hote)
{
    const char* cle = pcRaisonEchec(phase);
    if (!cle)
        return "";
    std::string texte = pcTraduire(cle);
    if (phase == PHASE_INTROUVABLE)
        texte += std::string(" ") + (hote ? hote : "");
    return texte;
}

int iPhaseFinale(IssueReponse issue)
{
    switch (issue) {
    case ISSUE_CLASSEE: return PHASE_RECUE;
    case ISSUE_REFUSEE: return PHASE_REFUSEE;
    case ISSUE_TRONQUEE: return PHASE_INCOMPLETE;
    case ISSUE_SANS_MARQUEUR:
    case ISSUE_ILLISIBLE: return PHASE_ILLISIBLE;
    case ISSUE_NON_CLASSEE: return PHASE_NON_CLASSEE;
    case ISSUE_SANS_DONNEES: return PHASE_SANS_DONNEES;
    case ISSUE_AUCUNE: break;
    }
    return PHASE_ECHEC;
}
