// Where the texts of a map overlay may still go: the boxes of the texts
// placed so far and the segments drawn, so that a new label is put over
// none of them. Pixels relative to the map's top left corner.
#ifndef MAP_PLACES_ETIQUETTES_H
#define MAP_PLACES_ETIQUETTES_H

#include "map/trace_metareas.h"

#include <cstddef>
#include <utility>
#include <vector>

// A box by its edges, right and bottom excluded.
struct BoiteCarte {
    int g, h, d, b;
    bool bCroise(const BoiteCarte& o) const { return g < o.d && o.g < d && h < o.b && o.h < b; }
};

// The boxes of a label's lines (three at most).
struct BoitesEtiquette {
    int n = 0;
    BoiteCarte b[3] = {};
    const BoiteCarte* begin() const { return b; }
    const BoiteCarte* end() const { return b + n; }
};

// What a label's lines need: the width of each, and how far its letters
// rise above the baseline and go below it.
struct MesuresEtiquette {
    int lignes = 0;
    int largeurs[3] = {}, monte[3] = {}, descend[3] = {};
};

// The boxes of a placed label's lines, each with its one-pixel shadow on
// every side.
BoitesEtiquette boitesEtiquette(const EtiquetteCarte& e, const MesuresEtiquette& m);

class PlacesEtiquettes {
public:
    PlacesEtiquettes(int largeur, int hauteur);

    // A segment drawn on the map.
    void vTrait(const SegmentCarte& s);
    // Whether some segment drawn crosses one of the boxes.
    bool bTraverse(const BoitesEtiquette& boites) const;
    // Whether one of the boxes meets a text taken, or one of `autres`.
    bool bCouvre(const BoitesEtiquette& boites) const;
    static bool bCouvre(const BoitesEtiquette& boites, const std::vector<BoiteCarte>& autres);
    // The boxes are a label's now.
    void vPrendre(const BoitesEtiquette& boites);

private:
    // Segments and texts filed by the square cells of the map they reach.
    static constexpr int CELLULE = 32;
    struct Cellule {
        std::vector<int> traits, pris;
    };
    // The cells a box reaches, what lies off the map being filed in its
    // edge cells: columns c0 to c1, rows r0 to r1.
    struct Plage {
        int c0, c1, r0, r1;
    };
    Plage plage(int x0, int y0, int x1, int y1) const;
    // Entry `i` filed in the `liste` of every cell of `p`.
    void vClasser(const Plage& p, std::vector<int> Cellule::*liste, int i);
    // Whether `test` holds for a box and one entry of the `liste` of a
    // cell that box reaches.
    template <class Test>
    bool bDansCellules(const BoitesEtiquette& boites, std::vector<int> Cellule::*liste,
                       Test test) const;
    std::size_t indice(int c, int r) const
    {
        return std::size_t(r) * std::size_t(colonnes_) + std::size_t(c);
    }
    Cellule& cellule(int c, int r) { return cellules_[indice(c, r)]; }
    const Cellule& cellule(int c, int r) const { return cellules_[indice(c, r)]; }

    int colonnes_, rangees_;
    std::vector<SegmentCarte> traits_;
    std::vector<BoiteCarte> pris_;
    std::vector<Cellule> cellules_;
};

// The places an area's label may take about its own point, nearest first:
// (dx, dy) offsets for a label of `largeur` x `hauteur` pixels. Kept for
// the next label of that size.
const std::vector<std::pair<int, int>>& decalagesEtiquette(int largeur, int hauteur);

#endif
