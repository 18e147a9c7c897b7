#include "ui/configuration.h"

#include "gribdata/globales.h"
#include "gribdata/remplacement.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

// Keeps the file read as "<file>.bak" (a second name of the same file, or
// the file moved there where that cannot be), so that the write that
// replaces it loses nothing of what could not be read.
int classeConfiguration::iGarderCopie(const char* cible)
{
    struct stat st;
    if (lstat(cible, &st) != 0)
        return 0;
    const std::string copie = std::string(cible) + ".bak";
    unlink(copie.c_str());
    if (linkat(AT_FDCWD, cible, AT_FDCWD, copie.c_str(), 0) != 0 &&
        std::rename(cible, copie.c_str()) != 0) {
        vJournal("<config>", "copie impossible de %s: %s\n", cible, std::strerror(errno));
        return -1;
    }
    vJournal("<config>", "fichier lu garde sous %s\n", copie.c_str());
    garder_ = false;
    return 0;
}

int classeConfiguration::ecriture(const char* chemin)
{
    iControler();
    const std::string cible = cheminCible(chemin), temporaire = cible + ".tmp";
    if (garder_ && iGarderCopie(cible.c_str()) != 0)
        return -1;
    fichier = std::fopen(temporaire.c_str(), "wt");
    if (!fichier) {
        vJournal("<config>", "ecriture impossible de %s: %s\n", temporaire.c_str(),
                 std::strerror(errno));
        return -1;
    }
    // The file holds passwords: it keeps the mode of the one it replaces.
    struct stat st, neuf;
    if (stat(cible.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        fstat(fileno(fichier), &neuf) == 0 && S_ISREG(neuf.st_mode))
        fchmod(fileno(fichier), st.st_mode & 07777);
    int erreur = iEcrireLignes(fichier) ? EIO : 0;
    // A full disk often shows only when the buffered end is flushed.
    if (std::fclose(fichier) != 0 && !erreur)
        erreur = errno ? errno : EIO;
    fichier = nullptr;
    if (!erreur && std::rename(temporaire.c_str(), cible.c_str()) != 0)
        erreur = errno;
    if (erreur) {
        vJournal("<config>", "ecriture impossible de %s: %s\n", cible.c_str(),
                 std::strerror(erreur));
        std::remove(temporaire.c_str());
        return -1;
    }
    return 0;
}
