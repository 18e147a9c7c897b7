// A section's buttons flowing in rows, each as wide as its text plus 8:
// laid again from the first one's place after a relabelling, as they
// would be built in the new language.
#ifndef PAGES_RANGEES_BOUTONS_H
#define PAGES_RANGEES_BOUTONS_H

class Fl_Group;
class Fl_Widget;
class classeBoutonImage;

// The width a button takes for its label: its text at its own font and
// size, plus 8.
int iLargeurBouton(const Fl_Widget* b);

// The null-terminated `boutons` flowed again as iDisposerBoutons lays
// them, up to `fin`, rows `saut` apart. Answers the bottom of their last
// row when one of them moved or changed its width, else 0.
int iRedisposerBoutons(classeBoutonImage** boutons, int saut, int fin);

// The same for the buttons of a section's content group, which then ends
// 2 px below their last row. Answers whether they moved.
bool bRedisposerBoutons(Fl_Group* contenu, classeBoutonImage** boutons, int saut, int fin);

#endif
