#include "transport/crochets_envoi.h"

#include "transport/envoi_texte.h"
#include "transport/requete.h"

#include "gribdata/globales.h"

#include <cstring>
#include <ctime>

TYPEDEF_CROCHETS_ENVOI crochetsEnvoi = {};

int iGenreEnvoi(const char* texte)
{
    if (!texte)
        return -1;
    const size_t n = std::strcspn(texte, "\r\n");
    const std::string premiere(texte, n);
    if (premiere == "@mto@reqt@grib@" || premiere == "@mto@reqt@forfait@")
        return 0;
    return premiere == "@mto@reqt@bull@" ? 1 : -1;
}

bool bInstantaneTexte(const char* texte, EnvoiRequete& envoi, const char* volume,
                      const char* cout)
{
    const int genre = iGenreEnvoi(texte);
    requete* r = genre < 0 || !crochetsEnvoi.requetePage ? nullptr
                                                          : crochetsEnvoi.requetePage(genre);
    if (!r) {
        vJournal("<requete>", "envoi non enregistre (%s)\n",
                 genre < 0 ? "requete systeme ou inconnue" : "pas de page de requete");
        return false;
    }
    envoi = r->instantanePage();
    envoi.texte = texte;
    if (volume)
        envoi.volume = volume;
    if (cout)
        envoi.cout = cout;
    vAccorderAuTexte(envoi);
    return true;
}

int iEnregistrerTexteEnvoye(const char* texte, const char* volume, const char* cout)
{
    EnvoiRequete envoi;
    if (!bInstantaneTexte(texte, envoi, volume, cout))
        return 1;
    return iEnregistrerEnvoi(envoi, std::time(nullptr));
}
