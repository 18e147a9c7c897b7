#include "ui/recherche_texte.h"

#include <FL/Fl_Text_Buffer.H>
#include <algorithm>
#include <cstring>

int iRemplacerSuivant(Fl_Text_Buffer* b, int depuis, const char* cherche, const char* remplace)
{
    int p = 0;
    depuis = std::max(0, std::min(depuis, b->length()));
    if (!*cherche || !b->search_forward(depuis, cherche, &p))
        return -1;
    // One change, so that the replaced text's styles carry over.
    b->replace(p, p + int(std::strlen(cherche)), remplace);
    return p;
}

int iRemplacerTout(Fl_Text_Buffer* b, const char* cherche, const char* remplace, int& fin)
{
    int n = 0;
    fin = 0;
    for (int p; (p = iRemplacerSuivant(b, fin, cherche, remplace)) >= 0; ++n)
        fin = p + int(std::strlen(remplace));
    return n;
}
