#include "pages/rangees_boutons.h"

#include "pages/menus_modeles.h"
#include "ui/boutons.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>
#include <utility>
#include <vector>

int iLargeurBouton(const Fl_Widget* b)
{
    fl_font(b->labelfont(), b->labelsize());
    return int(fl_width(b->label())) + 8;
}

int iRedisposerBoutons(classeBoutonImage** boutons, int saut, int fin)
{
    bool entiers = true;
    std::vector<int> largeurs;
    for (classeBoutonImage** b = boutons; b && *b; ++b) {
        entiers = entiers && bLibelleEntier(*b);
        largeurs.push_back(iLargeurBouton(*b));
    }
    if (entiers)
        return 0;
    std::vector<std::pair<int, int>> places;
    iDisposerBoutons(largeurs, boutons[0]->x(), boutons[0]->y(), saut, places, fin);
    for (size_t i = 0; i < largeurs.size(); ++i)
        boutons[i]->resize(places[i].first, places[i].second, largeurs[i], boutons[i]->h());
    const classeBoutonImage* dernier = boutons[largeurs.size() - 1];
    return dernier->y() + dernier->h();
}

bool bRedisposerBoutons(Fl_Group* contenu, classeBoutonImage** boutons, int saut, int fin)
{
    const int bas = contenu ? iRedisposerBoutons(boutons, saut, fin) : 0;
    if (!bas)
        return false;
    contenu->size(contenu->w(), bas + 2 - contenu->y());
    contenu->redraw();
    return true;
}
