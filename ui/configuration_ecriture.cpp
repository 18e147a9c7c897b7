#include "ui/configuration.h"

#include "gribdata/globales.h"

#include <cerrno>
#include <cstring>

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

int classeConfiguration::ecriture(const char* chemin)
{
    std::snprintf(ligne, sizeof ligne, "%s.tmp", chemin);
    fichier = std::fopen(ligne, "wt");
    if (!fichier) {
        vJournal("<config>", "ecriture impossible de %s: %s\n", ligne, std::strerror(errno));
        return -1;
    }
    int statut = iEcrireLignes(fichier);
    int erreur = statut ? EIO : 0;
    // A full disk often shows only when the buffered end is flushed.
    if (std::fclose(fichier) != 0 && !erreur)
        erreur = errno ? errno : EIO;
    fichier = nullptr;
    if (!erreur && std::rename(ligne, chemin) != 0)
        erreur = errno;
    if (erreur) {
        vJournal("<config>", "ecriture impossible de %s: %s\n", chemin, std::strerror(erreur));
        std::remove(ligne);
        return -1;
    }
    return 0;
}
