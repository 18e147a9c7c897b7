#include "pages/zones_produits.h"

#include "pages/choix_modele.h"
#include "ui/boutons.h"
#include "ui/palette.h"

bool (*boiteProduit)(int, int, CadreZone&) = nullptr;

void vMarquerBoutonsProduits(classeBoutonImage** boutons, int famille, const CadreZone& cadre)
{
    if (!boiteProduit)
        return;
    for (; boutons && *boutons; ++boutons) {
        classeBoutonImage* b = *boutons;
        CadreZone boite;
        const bool touche = boiteProduit(famille, b->shortcut(), boite) && bZoneTouche(boite, cadre);
        b->labeltype(FL_NORMAL_LABEL);
        b->couleurHaut = touche ? FL_BLACK : COLOR_BOUTONS_TEXTE;
        b->redraw();
    }
}
