// What the Models and Mesh sections of the GRIB request page show, without
// a display: the mesh buttons' labels, the meshes a model offers, and how
// the buttons flow in rows across the panel.
#ifndef PAGES_MENUS_MODELES_H
#define PAGES_MENUS_MODELES_H

#include <string>
#include <utility>
#include <vector>

// A mesh's label: one decimal when it is a whole number of tenths, two
// for hundredths, else three; counted in single precision, as the
// catalogue holds meshes ("5.0", "0.15", "0.075").
std::string sLibelleMaille(float maille);

// The meshes of the last catalogue row of model `code`, in order, without
// the empty ones (0: a mesh that nothing could be divided by).
std::vector<float> maillesModele(int code);

// The right end of the panel's rows.
constexpr int BOUTONS_FIN_LIGNE = 227;

// Buttons of the given widths, 20 high, flowing from (x, y) 1 px apart; one
// that would end beyond `fin` starts a new row at x, `saut` lower. Their
// top-left corners go into `places`; answers the bottom of the last row
// plus 2 (y + 22 with no button).
int iDisposerBoutons(const std::vector<int>& largeurs, int x, int y, int saut,
                     std::vector<std::pair<int, int>>& places, int fin = BOUTONS_FIN_LIGNE);

#endif
