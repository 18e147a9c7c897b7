#include "pages/rangees_boutons.h"

#include "pages/menus_modeles.h"
#include "ui/boutons.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>
#include <utility>
#include <vector>

bool bRedisposerBoutons(Fl_Group* contenu, classeBoutonImage** boutons, int saut, int fin)
{
    bool entiers = true;
    std::vector<int> largeurs;
    for (classeBoutonImage** b = boutons; b && *b; ++b) {
        entiers = entiers && bLibelleEntier(*b);
        fl_font((*b)->labelfont(), (*b)->labelsize());
        largeurs.push_back(int(fl_width((*b)->label())) + 8);
    }
    if (entiers || !contenu)
        return false;
    std::vector<std::pair<int, int>> places;
    const int bas = iDisposerBoutons(largeurs, boutons[0]->x(), boutons[0]->y(), saut, places, fin);
    for (size_t i = 0; i < largeurs.size(); ++i)
        boutons[i]->resize(places[i].first, places[i].second, largeurs[i], boutons[i]->h());
    contenu->size(contenu->w(), bas - contenu->y());
    contenu->redraw();
    return true;
}
