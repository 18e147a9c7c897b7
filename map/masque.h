// The land mask of one forecast model's grid: which grid nodes are land.
// The request builder counts the land nodes of a requested zone to tell
// whether the zone holds land data.
//
// File "img/<name>.msk": seven unsigned 32-bit big-endian values (north
// latitude x 1000 + 90000, west longitude x 1000 + 180000, longitude step
// x 1000, latitude step x 1000, a value kept but not used, columns, rows),
// then one bit per node, 1 for land, rows from the north, west to east,
// most significant bit first.
#ifndef MAP_MASQUE_H
#define MAP_MASQUE_H

#include "gribdata/bit.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class Masque {
public:
    // Opens "img/<name>.msk" at once; `ouverture` keeps the answer.
    explicit Masque(const char* name);
    ~Masque();
    Masque(const Masque&) = delete;
    Masque& operator=(const Masque&) = delete;

    // Reads the mask file: 0 on success, 1 when it is missing, unreadable
    // or its header does not describe a grid that the file holds (the mask
    // then counts no land).
    int iOpen(const char* name);
    // The land nodes met by a lattice of points from the box's north-west
    // corner, `step` degrees apart (all in thousandths of a degree,
    // rounded); longitudes outside the mask are tried one turn east or
    // west. 0 for a box whose north lies south of its south, or a step
    // that rounds to 0.
    int iGetPoints(double north, double south, double west, double east, double step);

    Bit bit{128, nullptr};  // reader over the file's bytes
    unsigned char* contenu = nullptr;  // the whole file; owned
    unsigned int debutGrille = 0;      // bit where the grid starts
    unsigned int ncols = 0, nrows = 0;
    unsigned int cinquieme = 0;        // header value 5, not used
    float nord = 0, ouest = 0, sud = 0, est = 0;  // degrees
    float pasLongitude = 0, pasLatitude = 0;      // degrees
    std::string chemin;
    int ouverture = 1;  // what the constructor's iOpen answered

private:
    // Columns c, c + pas, ... met by a lattice: `nombre` of them.
    struct Suite {
        unsigned debut, pas, nombre;
    };
    // The sums of a run's last column and of the column one step before
    // its first (null: none), whose difference on a row counts it; no sums
    // for a single column, `colonne`.
    struct Bornes {
        const uint16_t *fin, *avant;
        unsigned colonne;
    };
    bool bBornesDesSuites(const std::vector<Suite>& suites, std::vector<Bornes>& bornes);
    // The land count of mask row `r` over the runs.
    int iCompterBornes(const std::vector<Bornes>& bornes, unsigned r) const;
    // Land counts by row, summed along every column c, c - pas, c - 2 pas...
    // (pas from 1 to ncols - 1), kept column after column: made once per
    // step and kept for the next counts, so that a moving zone's boxes
    // cost a few look-ups a row.
    static constexpr size_t SOMMES_GARDEES = 2;
    const std::vector<uint16_t>& sommes(unsigned pas);
    bool bTerre(unsigned r, unsigned c) const;
    std::vector<std::pair<unsigned, std::vector<uint16_t>>> sommes_;

    bool bEnTete();
    std::vector<unsigned> vColonnesPasAPas(long long Wm, long long E, long long st) const;
    std::vector<unsigned> vColonnes(long long Wm, long long E, long long st) const;
    void vFermer();
};

#endif
