// What the GRIB model tests share: a builder of GRIB edition 1 messages with
// any field set to any value (to reach every refusal).
#ifndef TESTS_GRIBDATA_GRIB_TEST_H
#define TESTS_GRIBDATA_GRIB_TEST_H

#include "gribdata/fichier_grib.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One message of the kind the service sends; change a field to break it.
struct MessageTest {
    int centre = 85, table = 1, process = 78;
    int parametre = 2, typeNiveau = 102, niveau = 0;
    int annee = 2026, mois = 12, jour = 6, heure = 12, minute = 0;
    int unite = 1, p1 = 0, p2 = 0, indicateur = 0;
    int D = 0;
    bool gds = true;
    int representation = 0, ni = 3, nj = 2;
    int la1 = 48000, lo1 = -8000, la2 = 47000, lo2 = -6000, di = 1000, dj = 1000;
    int resolution = 0x80, balayage = 0;
    int drapeaux4 = 0, E = 0;
    double R = 0;
    int bits = 8;
    std::vector<uint8_t> donnees = sixValeurs();       // packed values
    std::optional<std::vector<bool>> carte;              // the bit map, when present
    uint32_t longueurDeclaree = 0;                       // 0: the real length

    std::string octets() const;
    // Offsets of sections 2, 3 (when present) and 4 in octets().
    size_t debutSection2() const { return 8 + 28; }
    size_t debutSection4() const;

    static std::vector<uint8_t> sixValeurs();  // 1 to 6, one per point
};

// The list of a buffer made of these messages; the buffer lives with it.
struct ListeTest {
    std::string tampon;
    File f;
    explicit ListeTest(const std::vector<MessageTest>& messages);
    grib* trouve(int parametre, int p1) const;
};

#endif
