// Where the texts of a map overlay may still go: the boxes of the texts
// placed so far and the segments drawn, so that a new label is put over
// none of them. Pixels relative to the map's top left corner.
#ifndef MAP_PLACES_ETIQUETTES_H
#define MAP_PLACES_ETIQUETTES_H

#include "map/trace_metareas.h"

#include <vector>

// A box by its edges, right and bottom excluded.
struct BoiteCarte {
    int g, h, d, b;
    bool bCroise(const BoiteCarte& o) const { return g < o.d && o.g < d && h < o.b && o.h < b; }
};

// What a label's lines need: the width of each, and how far its letters
// rise above the baseline and go below it.
struct MesuresEtiquette {
    int lignes = 0;
    int largeurs[3] = {}, monte[3] = {}, descend[3] = {};
};

// The boxes of a placed label's lines, each with its one-pixel shadow on
// every side.
std::vector<BoiteCarte> boitesEtiquette(const EtiquetteCarte& e, const MesuresEtiquette& m);

class PlacesEtiquettes {
public:
    PlacesEtiquettes(int largeur, int hauteur);

    // A segment drawn on the map.
    void vTrait(const SegmentCarte& s);
    // Whether some segment drawn crosses one of the boxes.
    bool bTraverse(const std::vector<BoiteCarte>& boites) const;
    // Whether one of the boxes meets a text taken, or one of `autres`.
    bool bCouvre(const std::vector<BoiteCarte>& boites) const;
    static bool bCouvre(const std::vector<BoiteCarte>& boites,
                        const std::vector<BoiteCarte>& autres);
    // The boxes are a label's now.
    void vPrendre(const std::vector<BoiteCarte>& boites);

private:
    // Segments filed by the square cells of the map they may cross.
    static constexpr int CELLULE = 32;
    std::vector<int>& cellule(int cx, int cy);
    const std::vector<int>& cellule(int cx, int cy) const;

    int colonnes_, rangees_;
    std::vector<SegmentCarte> traits_;
    std::vector<std::vector<int>> cellules_;
    std::vector<BoiteCarte> pris_;
};

// The places an area's label may take about its own point, nearest first:
// (dx, dy) offsets for a label of `largeur` x `hauteur` pixels.
std::vector<std::pair<int, int>> decalagesEtiquette(int largeur, int hauteur);

#endif
