#include "ui/configuration.h"

#include "gribdata/globales.h"
#include "gribdata/remplacement.h"

#include <cerrno>
#include <cstring>
#include <string>

int classeConfiguration::iEcrireLignes(FILE* f)
{
    const TYPEDEF_PREFERENCES& p = *preferences;
    std::fprintf(f, "@main\n");
    std::fprintf(f, "langage %s\n", p.langage);
    std::fprintf(f, "onglets %d %d\n", p.onglets[0], p.onglets[1]);
    std::fprintf(f, "aide %d\n", AFFICHE_AIDE);
    std::fprintf(f, "deplier %d\n", GRIB_DEPLIER);
    std::fprintf(f, "connect %d\n", MODE_CONNECTE);
    for (int i = 0; i < CONFIGURATION_VUES; ++i) {
        const TYPEDEF_VUE& v = p.vues[i];
        std::fprintf(f, "fdcposition %d %d %lf %lf %lf\n", i, v.fond, v.latitude, v.longitude,
                     v.etendue);
    }
    std::fprintf(f, "dimensions %d %d %d %d\n", p.x, p.y, p.w, p.h);
    std::fprintf(f, "@fin\n@smtp\n");
    for (TYPEDEF_PROFIL* profil = profils; profil; profil = profil->suivant) {
        // A profile may come from the send window with no server at all; the
        // line would then lose a field and be misread.
        if (profil->serveur[0] == 0)
            std::strcpy(profil->serveur, "smtpserveur");
        std::fprintf(f, "%s %s %s %d %d %s\n", profil->nom, profil->email, profil->serveur,
                     profil->port, profil->selection, profil->password);
    }
    std::fprintf(f, "@fin\n@end\n");
    return std::ferror(f) ? -1 : 0;
}

// Keeps the file read under the first free name of "<file>.bak",
// "<file>.bak1", ... (a copy kept earlier is never replaced), so that the
// write that replaces it loses nothing of what could not be read.
int classeConfiguration::iGarderCopie(const char* chemin)
{
    std::string copie;
    const int erreur = iGarderExemplaire(chemin, copie);
    if (erreur && erreur != ENOENT) {
        vJournal("<config>", "copie impossible de %s: %s\n", chemin, std::strerror(erreur));
        return -1;
    }
    if (!erreur)
        vJournal("<config>", "fichier lu garde sous %s\n", copie.c_str());
    garder_ = false;
    return 0;
}

// The file holds passwords: the temporary file takes the mode of the one
// it replaces before anything is written into it.
int classeConfiguration::ecriture(const char* chemin)
{
    iControler();
    if (garder_ && iGarderCopie(chemin) != 0)
        return -1;
    std::string enEchec;
    const int erreur = iRemplacerFichier(
        chemin, [this](FILE* f) { return iEcrireLignes(f) == 0; }, enEchec);
    if (erreur) {
        vJournal("<config>", "ecriture impossible de %s: %s\n", enEchec.c_str(),
                 std::strerror(erreur));
        return -1;
    }
    return 0;
}
