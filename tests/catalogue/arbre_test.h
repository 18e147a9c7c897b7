// A small Metarea tree for the tests of its readers: I and II with their
// identifiers, XI (China) without any (key 0), XIX (key 20) and XXI (key
// 22), put in GMDSS for the life of the object and freed with it.
#ifndef TESTS_CATALOGUE_ARBRE_TEST_H
#define TESTS_CATALOGUE_ARBRE_TEST_H

#include "catalogue/metareas.h"

struct ArbreTest {
    ArbreTest();
    ~ArbreTest();
    ArbreTest(const ArbreTest&) = delete;
    ArbreTest& operator=(const ArbreTest&) = delete;

    TYPEDEF_LISTE_METAREA* arbre;
    TYPEDEF_LISTE_METAREA* avant;  // GMDSS before, put back at the end
};

// The test tree alone, not installed.
TYPEDEF_LISTE_METAREA* pArbreTest();

#endif
