#include "ui/recherche_texte.h"

#include <FL/Fl_Text_Buffer.H>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

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

namespace {

// Appends the text between two positions of the buffer.
void vAjouterPlage(const Fl_Text_Buffer* b, int debut, int fin, std::string& texte)
{
    char* plage = b->text_range(debut, fin);
    texte += plage;
    std::free(plage);
}

}  // namespace

int iRemplacerTout(Fl_Text_Buffer* b, const char* cherche, const char* remplace, int& fin)
{
    fin = 0;
    if (!*cherche)
        return 0;
    // The matches are found in the text as it stands, then the span from
    // the first one to the end of the last is put back changed, at once:
    // the display follows one change instead of one per match.
    const int longueur = int(std::strlen(cherche));
    int premier = -1, suite = 0, n = 0;
    std::string milieu;
    for (int p; suite < b->length() && b->search_forward(suite, cherche, &p); ++n) {
        if (premier < 0)
            premier = p;
        else
            vAjouterPlage(b, suite, p, milieu);
        milieu += remplace;
        suite = p + longueur;
    }
    if (n == 0)
        return 0;
    b->replace(premier, suite, milieu.c_str());
    fin = premier + int(milieu.size());
    return n;
}
