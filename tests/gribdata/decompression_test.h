// What the decompression tests need to know of each format, and their
// fixture: the system tool compresses the test data and is the oracle for
// what a correct decompression (or a refusal) is.
#ifndef TESTS_GRIBDATA_DECOMPRESSION_TEST_H
#define TESTS_GRIBDATA_DECOMPRESSION_TEST_H

#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

struct Format {
    const char* nom;
    char* (*decompresser)(const char*, unsigned int&);
    const char* compresseur;    // reads stdin, writes stdout
    const char* decompresseur;  // reads the file named after it, writes stdout
    const char* extension;
    int statutAvertissement;    // the tool's exit status for "done, with a warning"
};

// Test names and failures show the format's name, not its bytes.
inline void PrintTo(const Format& format, std::ostream* os)
{
    *os << format.nom;
}

extern const Format GZIP;
extern const Format BZIP2;

class Decompression : public ::testing::TestWithParam<Format> {
protected:
    DossierTemporaire dossier;
    JournalTemporaire journal{dossier / "activite.log"};

    // Compresses `donnees` with the system tool into `nom` + extension.
    std::string compresse(const std::string& nom, const std::string& donnees);
    // The system tool's output for the file, or nothing when it fails.
    std::optional<std::string> reference(const std::string& chemin);
    // The function under test's output, or nothing for a null answer.
    std::optional<std::string> decompresse(const std::string& chemin, unsigned int& n);
    // Checks a null answer with `n` unchanged and a log line naming the file.
    void attendEchec(const std::string& chemin, unsigned int n);
    // Damaged data: null, or what was decoded before the damage; either way
    // one log line saying so. Answers the bytes kept.
    size_t attendDommage(const std::string& chemin, unsigned int n);
    // Damaged data whose kept bytes, at least `minimum`, start `complet`.
    void attendDebut(const std::string& chemin, const std::string& complet, size_t minimum);
};

#endif
