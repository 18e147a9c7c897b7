#include "codes/obfile.h"

#include "codes/logerr.h"

#include <cstring>

CLASS_CODES_OBFILE::CLASS_CODES_OBFILE()
    : pc_nom(nullptr), pf(nullptr), i_ouvert(0), i_ecrit(0), ul_bloc_max(0), ul_bloc_min(0),
      i_blocs(0)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_OBFILE");
}

CLASS_CODES_OBFILE::CLASS_CODES_OBFILE(const char* nom, int mode) : CLASS_CODES_OBFILE()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_OBFILE");
    iOpen(nom, mode);
}

CLASS_CODES_OBFILE::~CLASS_CODES_OBFILE()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "~CLASS_CODES_OBFILE");
    if (pc_nom)
        vClose();
}

int CLASS_CODES_OBFILE::iOpen(const char* nom, int mode)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iOpen");
    if (i_ouvert)
        vClose();
    delete[] pc_nom;
    pc_nom = nullptr;
    if (!nom)
        return CLASS_CODES_LOGERR::iErr(1, "fichier inconnu", "%s", "(null)");
    pc_nom = new char[std::strlen(nom) + 1];
    std::strcpy(pc_nom, nom);
    pf = std::fopen(nom, mode == 0 ? "wb" : "ab");
    if (!pf)
        return CLASS_CODES_LOGERR::iErr(1, "fichier inconnu", "%s", nom);
    i_ouvert = 1;
    i_blocs = 0;
    ul_bloc_min = 16777215;
    ul_bloc_max = 0;
    return 0;
}

int CLASS_CODES_OBFILE::iIsFileOpen(const char*)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iIsFileOpen");
    return i_ouvert ? 0 : CLASS_CODES_LOGERR::iErr(1, "pas de fichier ouvert");
}

int CLASS_CODES_OBFILE::iIsFileNoWrite(const char*)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iIsFileNoWrite");
    return i_ecrit ? 0 : CLASS_CODES_LOGERR::iErr(1, "le fichier est vide");
}

int CLASS_CODES_OBFILE::iWrite(const unsigned char* donnees, unsigned long longueur)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iWrite");
    if (iIsFileOpen("iWrite") != 0 || !donnees)
        return 1;
    if (std::fwrite(donnees, 1, longueur, pf) != longueur)
        return 1;
    if (longueur < ul_bloc_min)
        ul_bloc_min = longueur;
    if (longueur > ul_bloc_max)
        ul_bloc_max = longueur;
    i_blocs++;
    i_ecrit = 1;
    return 0;
}

void CLASS_CODES_OBFILE::vClose()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vClose");
    if (pf)
        std::fclose(pf);
    pf = nullptr;
    delete[] pc_nom;
    pc_nom = nullptr;
    i_blocs = 0;
    i_ouvert = 0;
}
