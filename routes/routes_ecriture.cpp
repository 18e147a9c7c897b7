// Writing etc/routes.txt: the whole list, only the positions entered by the
// user, through a temporary file that replaces the old one once complete.
// Dates are written whole: on 32 bits a date past 2106 would come back 136
// years early.
#include "routes/routes.h"

#include "routes/classe_route.h"

#include "gribdata/globales.h"
#include "gribdata/remplacement.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace {

bool bRoute(FILE* f, const classeRoute& r)
{
    bool ok = std::fprintf(f, "%s\n%d %d %d %u %d %d %d %d %d\n", r.nom, r.visible, r.actif,
                           r.symbole, unsigned(r.couleur), r.style, r.taille, r.texte,
                           r.vitesseFixe, r.histogramme) >= 0;
    for (const structurePosition* c = r.premier; c && ok; c = c->suivant) {
        const classePosition* p = c->position;
        if (p->type == POSITION_UTILISATEUR)
            ok = std::fprintf(f, "%ld %lf %lf\n", long(p->date), p->latitude, p->longitude) >= 0;
    }
    return ok && std::fprintf(f, "@fin\n") >= 0;
}

}  // namespace

bool Routes::bEcrire(FILE* f)
{
    fichier = f;
    bool ok = std::fprintf(f, "@routes\n") >= 0;
    for (courant = premier; courant && ok; courant = courant->suivant)
        ok = bRoute(f, *courant->route);
    ok = ok && std::fprintf(f, "@end\n") >= 0;
    fichier = nullptr;
    return ok;
}

int Routes::save()
{
    std::snprintf(ligne, sizeof ligne, "etc%sroutes.txt", "/");
    const std::string chemin = ligne;
    if (garderAvantEcriture_) {
        // What a failed read left unread is kept before it is replaced; if
        // it cannot be, the file is not replaced either.
        std::string copie;
        const int erreur = iGarderExemplaire(chemin.c_str(), copie);
        if (erreur && erreur != ENOENT) {
            vJournal("<ROUTE>", "copie impossible de %s: %s\n", chemin.c_str(),
                     std::strerror(erreur));
            return 0;
        }
        if (!erreur)
            vJournal("<ROUTE>", "%s mal lu garde sous %s\n", chemin.c_str(), copie.c_str());
        garderAvantEcriture_ = false;
    }
    std::string enEchec;
    const int erreur =
        iRemplacerFichier(chemin.c_str(), [this](FILE* f) { return bEcrire(f); }, enEchec);
    if (erreur) {
        vJournal("<ROUTE>", "ecriture impossible de %s: %s\n", enEchec.c_str(),
                 std::strerror(erreur));
        return 0;
    }
    return 1;
}
