// The bulletin page's rules that need no widget: which buttons open a zone
// chart, which Metarea buttons are active, where the Metarea buttons go,
// where the help pane goes, whether the French sections are offered, and
// which buttons a loaded request presses.
#ifndef PAGES_REGLES_BULLETINS_H
#define PAGES_REGLES_BULLETINS_H

#include <string>
#include <vector>

// A zone chart button: a number ending in 9 other than the Metareas 9 and
// 19.
bool bBoutonCarteZones(int numero);

// Metareas numbered 20 and above are shown inactive, except 21.
bool bMetareaActive(int numero);

// The offshore and coastal sections of France are offered in French only
// (a null language is French).
bool bSectionsFrance(const char* langue);

// The places of `n` Metarea buttons of 40 x 20, 41 px apart from (x, y),
// a button going to the next line (21 px lower, back to x) when its right
// edge would pass 226 px from the panel's left edge `gauche`; `bas`
// receives the y below the last line (y + 22 of that line).
struct PlaceBouton {
    int x, y;
};
std::vector<PlaceBouton> placesGmdss(int x, int y, int gauche, int n, int& bas);

// The child index of the help pane in the bulletin page's pack of
// `enfants` children (the pane not counted) for help topic `topic`:
// k = |topic| mod 10 (1 for 0), then 2k - 2, kept within 0 to `enfants`.
int iIndexAideBulletins(int topic, int enfants);

// What a loaded bulletin request puts back on the product buttons of
// every panel (`numeros`, their numbers) for its `codes`, in order. A
// code is a button's own when no other button asks for it. A Metarea
// button goes down for any of its own bulletins asked, any other button
// for all its codes asked, each its own. The codes of no button down are
// kept as loaded, in order: they go with the next send.
struct ProduitsCharges {
    std::vector<int> enfonces;
    std::vector<std::string> sansBouton;
};
ProduitsCharges produitsCharges(const std::vector<int>& numeros,
                                const std::vector<std::string>& codes);

#endif
