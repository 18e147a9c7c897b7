// The program's fixed palette, set once at start-up by skins().
#ifndef UI_PALETTE_H
#define UI_PALETTE_H

#include <FL/Enumerations.H>

#define COLOR_SKIN 4  // base of the palette's colour indexes
#define SKIN 1        // the image set of the switch buttons

extern Fl_Color FL_MER;    // sea on the drawn maps
extern Fl_Color FL_LAC;    // lakes
extern Fl_Color FL_ETANG;  // ponds
extern Fl_Color FL_TERRE;  // land
extern Fl_Color FL_ILE;    // islands
extern Fl_Color COLOR_FOND;   // window and panel background
extern Fl_Color COLOR_FOND2;
extern Fl_Color COLOR_FOND3;
extern Fl_Color COLOR_ORANGE_GTK_TITRE;
extern Fl_Color COLOR_ORANGE_TEXTE;  // highlighted labels
extern Fl_Color COLOR_BLEU_GTK_TITRE;
extern Fl_Color COLOR_BLEUPALE_GTK_TITRE;
extern Fl_Color COLOR_BOUTONS_TEXTE;  // button labels
extern Fl_Color COLOR_BOUTON_ACTIVE;  // label of a pressed button
extern Fl_Color COLOR_GRIS_CLAIR;
extern Fl_Color COLOR_BOUTONS_MOYEN;  // button faces
extern Fl_Color COLOR_MOYEN;          // label of an inactive image button
extern Fl_Color COLOR_164;
extern Fl_Color COLOR_BOUTONS_64;
extern Fl_Color COLOR_BOUTONS_96;
extern Fl_Color COULEURVERTEFONCE;
extern Fl_Color COLOR_WHITE_GTK_TITRE;

void skins();

#endif
