#include "shell/remplacants.h"

#include <FL/Fl.H>

TYPEDEF_LISTE_METAREA* GMDSS = nullptr;

TYPEDEF_LISTE_METAREA* Metareas()
{
    return new TYPEDEF_LISTE_METAREA{nullptr, nullptr};
}

void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre)
{
    delete arbre;
}
