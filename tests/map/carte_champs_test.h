// A whole-world vector-only map of 1024 x 600, without a window, showing
// fields written here as GRIB (the pressed parameters at their validity)
// and drawing through a seam of the test's.
#ifndef TESTS_MAP_CARTE_CHAMPS_TEST_H
#define TESTS_MAP_CARTE_CHAMPS_TEST_H

#include "ecriture_grib_test.h"
#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "tests/map/trace_test.h"

#include <string>
#include <vector>

class CarteChamps {
public:
    CarteChamps(const std::vector<ChampEcrit>& champs, const std::vector<long>& parametres,
                TraceGlyphes& trace)
        : octets_(sMessagesGrib(champs)), parametres_(parametres)
    {
        fichier_.set(reinterpret_cast<const unsigned char*>(octets_.data()), unsigned(octets_.size()));
        carte.load_image(nullptr, nullptr);
        carte.traceGlyphes = &trace;
        carte.vGrib(fichier_.list, parametres_.data(), validites_.data(), nullptr, nullptr, nullptr,
                    nullptr);
    }
    ~CarteChamps() { carte.vGribFree(1); }
    CarteChamps(const CarteChamps&) = delete;
    CarteChamps& operator=(const CarteChamps&) = delete;

    fdc carte{0, 0, 1024, 600};

private:
    std::string octets_;
    File fichier_;
    BoutonsPresses parametres_, validites_{{2026120612}};
};

#endif
