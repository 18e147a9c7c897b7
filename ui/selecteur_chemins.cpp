#include "ui/selecteur_chemins.h"

#include <FL/filename.H>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

bool bFinit(const char* s, size_t n, const char* fin)
{
    const size_t f = std::strlen(fin);
    return n >= f && std::strcmp(s + n - f, fin) == 0;
}

size_t longueurSansBarre(const char* s)
{
    size_t n = std::strlen(s);
    while (n > 1 && s[n - 1] == '/')
        --n;
    return n;
}

}  // namespace

void vNormaliserRepertoire(const char* d, char* sortie, size_t taille)
{
    if (!*d) {
        *sortie = 0;
        return;
    }
    if (d[0] == '/' || d[0] == '\\')
        std::snprintf(sortie, taille, "%s", d);
    else
        fl_filename_absolute(sortie, int(taille), d);
    // Both cut what does not fit: a cut path names another folder.
    if (std::strlen(sortie) >= taille - 1) {
        *sortie = 0;
        return;
    }
    size_t l = longueurSansBarre(sortie);
    sortie[l] = 0;
    if (bFinit(sortie, l, "/..")) {
        sortie[l - 3] = 0;
        char* barre = std::strrchr(sortie, '/');
        if (barre)
            *barre = 0;
    } else if (bFinit(sortie, l, "/.")) {
        sortie[l - 2] = 0;
    }
    if (!*sortie)
        std::strcpy(sortie, "/");
}

bool bCheminGrib(const char* chemin)
{
    const char* ext = fl_filename_ext(chemin);
    return !strcasecmp(ext, ".grb") || !strcasecmp(ext, ".bz2") || !strcasecmp(ext, ".gz") ||
           std::strstr(chemin, "grib");
}

void vMotifDuFiltre(const char* entree, char* sortie, size_t taille)
{
    const char* ouvre = std::strchr(entree, '(');
    const char* ferme = std::strrchr(entree, ')');
    if (ouvre && ferme && ferme > ouvre)
        std::snprintf(sortie, taille, "%.*s", int(ferme - ouvre - 1), ouvre + 1);
    else
        std::snprintf(sortie, taille, "%s", entree);
}

bool bMemeRepertoire(const char* a, const char* b)
{
    const size_t la = longueurSansBarre(a), lb = longueurSansBarre(b);
    return la == lb && std::strncmp(a, b, la) == 0;
}
