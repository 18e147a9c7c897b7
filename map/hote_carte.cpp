#include "map/hote_carte.h"

HoteCarte hoteCarte = {};

fdc* pCartePage(int page)
{
    return hoteCarte.carte && page >= 0 ? hoteCarte.carte(page) : nullptr;
}

int iHote(int (*question)())
{
    return question ? question() : 0;
}

void vCartes(const std::function<void(fdc&, int)>& action)
{
    for (int i = 0; i < HOTE_PAGES; ++i) {
        fdc* carte = pCartePage(i);
        if (!carte)
            return;
        action(*carte, i);
    }
}
