// Level files made for the coastline store tests, in a scratch folder that
// is the current folder for the test's life.
#ifndef TESTS_MAP_TDC_TEST_H
#define TESTS_MAP_TDC_TEST_H

#include "map/tdc.h"
#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A record of level `niveau` (1..5) with the given edges and offsets, in
// the level's units.
EnregistrementTdc enregistrement(short type, int sud, int ouest, std::vector<int16_t> lat,
                                 std::vector<int16_t> lon);

// The bytes of a level file.
std::string octetsNiveau(int niveau, const std::vector<EnregistrementTdc>& e);

// The records of a store's chain or square list, in order.
std::vector<const TYPEDEF_TDC*> listeChaine(const TYPEDEF_TDC* premier);
std::vector<const TYPEDEF_TDC*> listeCarre(const TYPEDEF_TDC_CASE* premier);

// Latitude and longitude of point i of a record of the given file level.
double latitudeTdc(const TYPEDEF_TDC* t, int niveau, int i);
double longitudeTdc(const TYPEDEF_TDC* t, int niveau, int i);

// Whether (lat, lon) lies inside the ring of the record (even-odd rule,
// the way the map fills it), trying the point one turn east and west too.
bool bDansTdc(const TYPEDEF_TDC* t, int niveau, double lat, double lon);

// The type of the innermost area at (lat, lon) among the rings of the
// level's chain (0 for the sea): the map paints land, then lakes, islands
// in lakes and ponds over each other.
int iSurfaceTdc(const TYPEDEF_TDC* premier, int niveau, double lat, double lon);

class DossierTdc : public ::testing::Test {
protected:
    DossierTdc();
    ~DossierTdc() override;

    // Writes img/data<niveau>.dat.<extension> ("gz", "bz2" or "" for the
    // bytes as they are, under the .gz name).
    void ecrire(int niveau, const std::string& octets, const std::string& extension = "gz");
    void ecrire(int niveau, const std::vector<EnregistrementTdc>& e,
                const std::string& extension = "gz")
    {
        ecrire(niveau, octetsNiveau(niveau, e), extension);
    }
    std::string journal() const { return log_.contenu(); }
    // Links img/ to the repository's coastline files instead.
    void donneesReelles();

private:
    DossierTemporaire dossier_;
    DossierCourant ici_{dossier_.chemin()};
    JournalTemporaire log_{dossier_ / "log.txt"};
};

#endif
