// What the codec tests share: the fixtures, eccodes' listings read as
// numbers, and a message file in a scratch folder.
#ifndef TESTS_CODES_CODEC_TEST_H
#define TESTS_CODES_CODEC_TEST_H

#include "codes/grib_get.h"
#include "codes/ibfile.h"
#include "codes/obfile.h"
#include "tests/outils/outils_test.h"

#include <string>
#include <vector>

const std::string GRIB1 = std::string(QUENBREL_SOURCE_DIR) + "/tests/data/grib1/";

// Standard output of a shell command, whatever its exit status.
std::string sortieBrute(const std::string& ligne);
// The rows of a listing that hold only numbers ("missing" reads as NaN).
std::vector<std::vector<double>> rangees(const std::string& texte);
// (offset, length) pairs of grib_ls / bufr_ls -p offset,totalLength.
std::vector<std::pair<long, long>> positions(const std::string& texte);
// The descriptions' (offset, length) in the reader's order.
std::vector<std::pair<long, long>> positions(CLASS_CODES_IBFILE& f);

// Decodes message n of an open reader: 0 or the decoder's result.
int decoder(CLASS_CODES_IBFILE& f, CLASS_GRIB_GET& g, int n, int bruts = 0);
// Decodes a message held in a string, at its exact size on the heap.
int decoder(CLASS_GRIB_GET& g, const std::string& message, int bruts = 0);
// Every message of a file against grib_get_data's values, in order.
void comparerDonnees(const std::string& fichier, const std::string& donnees);
// Value k of a decoded field, NaN when absent.
double valeur(const CLASS_GRIB_GET& g, size_t k);

#endif
