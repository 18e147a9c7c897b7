#include "ui/taille_texte.h"

#include <FL/fl_draw.H>

int iTailleTexte(const char* texte, int fonte, int taille, int largeur, int plancher)
{
    for (; texte && taille > plancher; --taille) {
        fl_font(fonte, taille);
        if (fl_width(texte) <= largeur)
            break;
    }
    return taille;
}
