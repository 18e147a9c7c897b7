#include "pages/rangees_boutons.h"

#include "pages/menus_modeles.h"
#include "ui/boutons.h"

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
    std::vector<int> largeurs;
    for (classeBoutonImage** b = boutons; b && *b; ++b)
        largeurs.push_back(iLargeurBouton(*b));
    if (largeurs.empty())
        return 0;
    std::vector<std::pair<int, int>> places;
    iDisposerBoutons(largeurs, boutons[0]->x(), boutons[0]->y(), saut, places, fin);
    bool bouge = false;
    for (size_t i = 0; i < largeurs.size(); ++i) {
        classeBoutonImage* b = boutons[i];
        if (b->x() == places[i].first && b->y() == places[i].second && b->w() == largeurs[i])
            continue;
        b->resize(places[i].first, places[i].second, largeurs[i], b->h());
        bouge = true;
    }
    const classeBoutonImage* dernier = boutons[largeurs.size() - 1];
    return bouge ? dernier->y() + dernier->h() : 0;
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
