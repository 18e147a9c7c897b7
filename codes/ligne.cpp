#include "codes/ligne.h"

#include "codes/logerr.h"

#include <cstring>

bool bCodesLigne(FILE* fichier, char* ligne, int taille)
{
    CLASS_CODES_LOGERR contexte("bCodesLigne");
    if (!fgets(ligne, taille, fichier))
        return false;
    size_t n = strlen(ligne);
    if (n && ligne[n - 1] != '\n') {
        int c;
        while ((c = fgetc(fichier)) != EOF && c != '\n') {
        }
    }
    return true;
}
