// The codes library's environment: the ZELxCodes switches and table paths.
#include "codes/logerr.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {
std::mutex verrouSwitches;
bool switchesLus = false;
char switches[5] = {'F', 'F', 'F', 'F', '0'};

char cNormalise(int position, char c)
{
    switch (position) {
    case 1:
        if (c == 'I' || c == 'i')
            return 'I';
        if (c == 'W' || c == 'w')
            return 'W';
        return 'F';
    case 5:
        return c == '0' || c == '1' ? c : '0';
    default:
        return c == 'T' || c == 't' ? 'T' : 'F';
    }
}
}

char cGetenvXCodes(int n)
{
    if (n < 1 || n > 5)
        return 0;
    std::lock_guard<std::mutex> garde(verrouSwitches);
    if (!switchesLus) {
        const char* valeur = getenv("ZELxCodes");
        if (!valeur)
            return 'F';
        size_t longueur = strlen(valeur);
        for (int i = 0; i < 5; i++) {
            char c = i < (int)longueur ? valeur[i] : switches[i];
            switches[i] = cNormalise(i + 1, c);
        }
        switchesLus = true;
    }
    return switches[n - 1];
}

char* pcCodesGetenv(const char* name)
{
    CLASS_CODES_LOGERR contexte("pcCodesGetenv");
    char* valeur = getenv(name);
    if (!valeur)
        CLASS_CODES_LOGERR::iErr(1, "variable d'environement non definie", "%s", name);
    return valeur;
}

char* pcCodesGbTables(const char* sub, const char* dir, const char* name, const char* ext)
{
    CLASS_CODES_LOGERR contexte("pcCodesGbTables");
    const char* racine = pcCodesGetenv("ZELpGbTables");
    if (!racine) {
        CLASS_CODES_LOGERR::iErr(1, "Variable ZELpGbTables non definie");
        return nullptr;
    }
    const int taille = 1024;
    char* chemin = new char[taille];
    int n = snprintf(chemin, taille, "%s/%s%s%s/%s%s%s", racine, sub ? sub : "",
                     sub ? "/" : "", dir ? dir : "", name ? name : "", ext ? "." : "",
                     ext ? ext : "");
    if (n < 0 || n >= taille) {
        CLASS_CODES_LOGERR::iErr(1, "chemin de table trop long", "%s/.../%s", racine,
                                 name ? name : "");
        delete[] chemin;
        return nullptr;
    }
    return chemin;
}
