// Written GRIB files of small fields on one grid, decoded whole, for the
// suites that read samples out of them (point charts, charts along a route).
#ifndef TESTS_MAP_CHAMPS_DECODES_TEST_H
#define TESTS_MAP_CHAMPS_DECODES_TEST_H

#include "ecriture_grib_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/interpolation.h"
#include "tests/outils/outils_test.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A 20 x 15 grid of half degrees from 50 N, 10 W.
inline ChampEcrit champ(int parametre, int p1, std::function<double(double, double)> valeur)
{
    ChampEcrit c;
    c.parametre = parametre, c.p1 = p1, c.valeur = std::move(valeur);
    c.ni = 20, c.nj = 15, c.la1 = 50000, c.lo1 = -10000, c.di = c.dj = 500;
    return c;
}

inline ChampEcrit uniforme(int parametre, int p1, double v)
{
    return champ(parametre, p1, [v](double, double) { return v; });
}

// eccodes' nearest value of every message of a file at a point, by
// parameter and validity (YYYYMMDD * 10000 + HHMM).
inline std::map<std::pair<int, long>, double> plusProches(const std::string& fichier, double lat,
                                                          double lon)
{
    std::ostringstream c;
    c.precision(12);
    c << "grib_ls -F %.10g -l " << lat << "," << lon
      << ",1 -p indicatorOfParameter,validityDate,validityTime " << sh(fichier);
    std::map<std::pair<int, long>, double> v;
    std::istringstream lignes(sortie(c.str()).value_or(""));
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        std::istringstream l(ligne);
        int parametre;
        long date, heure;
        double valeur;
        if (l >> parametre >> date >> heure >> valeur)
            v[{parametre, date * 10000 + heure}] = valeur;
    }
    return v;
}

// Its values of one parameter, in the order of their validities.
inline std::vector<double> valeursProches(const std::string& fichier, double lat, double lon,
                                          int parametre)
{
    std::vector<double> v;
    for (const auto& [cle, valeur] : plusProches(fichier, lat, lon))
        if (cle.first == parametre)
            v.push_back(valeur);
    return v;
}

// A scratch folder and the file written there, every record decoded.
class ChampsDecodes : public ::testing::Test {
protected:
    DossierTemporaire d;
    File fichier;

    void ecrire(const std::vector<ChampEcrit>& champs)
    {
        ecrireFichier(d / "f.grb", sMessagesGrib(champs));
        ouvrir();
    }
    // The project's service file, with eccodes' grib_set options applied
    // (none: as it stands), and eccodes' values of one parameter at a point
    // in the order of their validities.
    std::vector<double> service(const std::string& options, double lat, double lon,
                                int parametre)
    {
        const std::string source = sh(fixtureGrib("service.grb")), cible = sh(d / "f.grb");
        EXPECT_TRUE(commande(options.empty() ? "cp " + source + " " + cible
                                             : "grib_set " + options + " " + source + " " + cible));
        ouvrir();
        return valeursProches(d / "f.grb", lat, lon, parametre);
    }
    void ouvrir()
    {
        fichier.set((d / "f.grb").c_str());
        ASSERT_NE(fichier.list, nullptr);
        ASSERT_EQ(iDecodeGribAll(fichier.list), 0);
    }
    // The time interpolation of f.grb, run in the scratch folder, ending
    // in state `etat`; its output's name.
    std::string interpoler(int etat = 0)
    {
        DossierCourant ici(d.chemin());
        JournalTemporaire journal("journal.txt");
        std::filesystem::create_directory("lockdir");
        snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "f.grb");
        GRIB_INTERPOLATION_START = 1;
        gintertime(nullptr);
        EXPECT_EQ(GRIB_INTERPOLATION_START, etat) << journal.contenu();
        return d / "lockdir/interf.grb";
    }
};

#endif
