// A text kept to the room it has: the largest font size, from its own
// down to a floor, at which it fits.
#ifndef UI_TAILLE_TEXTE_H
#define UI_TAILLE_TEXTE_H

// The floor below which a label never shrinks.
constexpr int TAILLE_TEXTE_MIN = 9;

// The largest size from `taille` down to `plancher` at which `texte` is at
// most `largeur` pixels wide in `fonte` (`plancher` when none is). Needs the
// display.
int iTailleTexte(const char* texte, int fonte, int taille, int largeur,
                 int plancher = TAILLE_TEXTE_MIN);

#endif
