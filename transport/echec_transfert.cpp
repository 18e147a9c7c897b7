#include "transport/echec_transfert.h"

#include "transport/canaux.h"
#include "transport/envoi.h"
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
