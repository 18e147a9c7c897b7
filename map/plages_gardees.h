// The band pictures and isoline labels of a map's displayed fields as they
// were last made, with the view and the settings they were made for: while
// neither changes, a frame draws them again as they are instead of making
// them anew. Copies of a field that show whole at the same width (a small
// field seen twice on a wide view) share one picture.
#ifndef MAP_PLAGES_GARDEES_H
#define MAP_PLAGES_GARDEES_H

#include "map/isoplages.h"
#include "map/trace_enregistree.h"
#include "map/vue_carte.h"

#include <memory>
#include <utility>
#include <vector>

// A band picture as `calcul` made it: colonnes x lignes pixels of red,
// green, blue and alpha, rows from the north; empty when none was made.
struct ImageBandes {
    std::vector<unsigned char> rvba;
    int colonnes = 0, lignes = 0;
};

// One copy of the field on the map: its picture (the kept pictures' own)
// and its north-west corner.
struct CopieBandes {
    const ImageBandes* image = nullptr;
    double nord = 0, ouest = 0;
};

// What one band object drew last.
class BandesGardees {
public:
    // The pictures were made for the object's view and settings as they
    // are now (both copied into it by the map).
    bool bAJour(const isoplages& o) const;
    // Makes the pictures of the copies of the field shifted by `decalages`
    // degrees (one at least), in the order given: the object is left as the
    // last one's `calcul` leaves it, for its labels.
    void vFaire(isoplages& o, const std::vector<double>& decalages);
    // In the order of `decalages`.
    const std::vector<CopieBandes>& copies() const { return copies_; }
    // The object's labels through `t`: written once for the pictures kept,
    // then drawn again as written; written anew at each call while the
    // pictures are not up to date.
    void vEtiquettes(isoplages& o, TraceGlyphes& t);

private:
    VueCarte vue_;
    isoplages::Reglages reglages_{};
    std::vector<CopieBandes> copies_;  // none before the first vFaire
    std::vector<ImageBandes> images_;  // their buffers reused from frame to frame
    TraceEnregistree etiquettes_;  // new with each vFaire
};

// One set of kept pictures per band object of the map.
class PlagesGardees {
public:
    BandesGardees& pour(const isoplages& o);
    // The fields they were made of are going.
    void vOublier() { gardees_.clear(); }

private:
    std::vector<std::pair<const isoplages*, std::unique_ptr<BandesGardees>>> gardees_;
};

#endif
