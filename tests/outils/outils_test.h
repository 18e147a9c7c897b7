// What the tests of every library share: scratch folders, whole-file I/O,
// shell commands, test data, and the GRIB fixtures with the readers of what
// eccodes printed about them.
#ifndef TESTS_OUTILS_OUTILS_TEST_H
#define TESTS_OUTILS_OUTILS_TEST_H

#include <cstdint>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A fresh folder under the current one (tests may run in parallel in the
// same folder), removed with its content at the end.
class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::string& chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }

private:
    std::string chemin_;
};

// Enters a folder for its lifetime and goes back to the previous one.
class DossierCourant {
public:
    explicit DossierCourant(const std::string& dossier);
    ~DossierCourant();
    DossierCourant(const DossierCourant&) = delete;
    DossierCourant& operator=(const DossierCourant&) = delete;

private:
    std::string ancien_;
};

// A scratch folder entered for its lifetime, with the shipped catalogues
// as its loc/: what a catalogue of any language loads from.
class DossierCatalogues {
public:
    DossierCatalogues();

private:
    DossierTemporaire dossier_;
    DossierCourant ici_;
};

// Points the log at a file of its own for its lifetime.
class JournalTemporaire {
public:
    explicit JournalTemporaire(const std::string& chemin);
    ~JournalTemporaire();
    JournalTemporaire(const JournalTemporaire&) = delete;
    JournalTemporaire& operator=(const JournalTemporaire&) = delete;

    std::string contenu() const;

private:
    std::string chemin_;
    FILE* ancien_;
};

std::string lireFichier(const std::string& chemin);
void ecrireFichier(const std::string& chemin, const std::string& octets);
bool existe(const std::string& chemin);

// Compares contents without printing megabytes on failure: sizes and the
// first differing offset. An empty optional stands for "no content" (null).
::testing::AssertionResult memesOctets(const std::optional<std::string>& obtenu,
                                       const std::optional<std::string>& attendu);

// Runs a command through the shell; true when it exits with status 0.
bool commande(const std::string& ligne);
// The command's standard output, or nothing when it fails.
std::optional<std::string> sortie(const std::string& ligne);
// The path quoted for the shell.
std::string sh(const std::string& chemin);

// The times the file at `chemin` was opened while `faire` ran, as the
// kernel told them (inotify: two opens before a close count once); -1 when
// it cannot be watched.
int iOuvertures(const std::string& chemin, const std::function<void()>& faire);

// Deterministic data: text of a small vocabulary (compresses 3 to 4 times)
// and noise that does not compress at all.
std::string texteTest(size_t taille, unsigned graine);
std::string bruitTest(size_t taille, unsigned graine);

// ---- The GRIB fixtures of tests/data/grib1 (made by its fabrique.sh).
std::string fixtureGrib(const std::string& nom);
bool eccodesPresent();

// grib_ls -p output: one row per message, each key's value by its name.
using LigneLs = std::map<std::string, long>;
std::vector<LigneLs> lireLs(const std::string& texte);
// What grib_ls prints now for the keys of a fixture's committed listing.
std::optional<std::string> lsDirect(const std::string& fixture);

// grib_get_data's points: one list per message (each after its header
// line), in file order; gribtool data's points: one list.
struct Point {
    double lat, lon;
    bool absent;
    double valeur;
};
std::vector<std::vector<Point>> lireData(const std::string& texte);

// eccodes' nearest value at a point of every message of one parameter,
// with its level (type of level and level), in file order.
struct ValeurNiveau {
    int type, niveau;
    double valeur;
};
std::vector<ValeurNiveau> valeursParNiveau(const std::string& fichier, int parametre, double lat,
                                           double lon);

// Distance in float steps between a float and a value printed in double.
int64_t ecartUlp(float obtenu, double attendu);

#endif
