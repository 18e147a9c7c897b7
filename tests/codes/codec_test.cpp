#include "codec_test.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

std::string sortieBrute(const std::string& ligne)
{
    std::string texte;
    FILE* p = popen(ligne.c_str(), "r");
    char tampon[65536];
    for (size_t n; p && (n = fread(tampon, 1, sizeof tampon, p)) > 0;)
        texte.append(tampon, n);
    if (p)
        pclose(p);
    return texte;
}

std::vector<std::vector<double>> rangees(const std::string& texte)
{
    std::vector<std::vector<double>> r;
    std::istringstream lignes(texte);
    for (std::string ligne, mot; std::getline(lignes, ligne);) {
        std::istringstream mots(ligne);
        std::vector<double> nombres;
        bool ok = true;
        while (ok && mots >> mot) {
            char* fin = nullptr;
            const double v = mot == "missing" ? NAN : std::strtod(mot.c_str(), &fin);
            ok = mot == "missing" || *fin == '\0';
            nombres.push_back(v);
        }
        if (ok && !nombres.empty())
            r.push_back(nombres);
    }
    return r;
}

std::vector<std::pair<long, long>> positions(const std::string& texte)
{
    std::vector<std::pair<long, long>> p;
    for (const auto& r : rangees(texte))
        if (r.size() >= 2)
            p.push_back({long(r[0]), long(r[1])});
    return p;
}

std::vector<std::pair<long, long>> positions(CLASS_CODES_IBFILE& f)
{
    std::vector<std::pair<long, long>> p;
    STRUCT_FILE_MESSAGE d;
    for (int n = 1; n <= f.i_nombre && f.iGetDescription(d, n) == 0; ++n)
        p.push_back({long(d.ulOffset()), long(d.ulLongueur())});
    return p;
}

int decoder(CLASS_CODES_IBFILE& f, CLASS_GRIB_GET& g, int n, int bruts)
{
    const unsigned long l = f.ulGet(n);
    if (l == 0)
        return -2;
    g.vMessage(f.puc_message, (unsigned int)l);
    return g.iGet(bruts);
}

int decoder(CLASS_GRIB_GET& g, const std::string& message, int bruts)
{
    // Held by the decoder's record until the next call: kept alive here.
    static std::unique_ptr<unsigned char[]> copie;
    copie.reset(new unsigned char[message.size() + (message.empty() ? 1 : 0)]);
    std::memcpy(copie.get(), message.data(), message.size());
    g.vMessage(copie.get(), (unsigned int)message.size());
    return g.iGet(bruts);
}

double valeur(const CLASS_GRIB_GET& g, size_t k)
{
    const float v = g.pf_stg_valeurs[k];
    return v == CLASS_GRIB_BASE::f_valeur_absente ? NAN : v;
}

void comparerDonnees(const std::string& fichier, const std::string& donnees)
{
    DossierTemporaire dossier;
    ecrireFichier(dossier / "f.grb", lireFichier(fichier));
    CLASS_CODES_IBFILE f((dossier / "f.grb").c_str(), 0);
    const auto attendu = rangees(donnees);
    size_t r = 0;
    for (int n = 1; n <= f.i_nombre; ++n) {
        CLASS_GRIB_GET g;
        ASSERT_EQ(decoder(f, g, n), 0) << fichier << " " << n;
        double echelle = 0;
        for (size_t k = 0; k < g.ui_nombre_points; ++k)
            echelle = std::max(echelle, std::fabs(std::isnan(valeur(g, k)) ? 0 : valeur(g, k)));
        for (size_t k = 0; k < g.ui_nombre_points; ++k, ++r) {
            ASSERT_LT(r, attendu.size()) << fichier;
            const double a = attendu[r][2], v = valeur(g, k);
            if (std::isnan(a) || std::isnan(v))
                ASSERT_EQ(std::isnan(a), std::isnan(v)) << fichier << " " << n << " " << k;
            else
                ASSERT_NEAR(v, a, 2e-7 * echelle) << fichier << " " << n << " " << k;
        }
    }
    EXPECT_EQ(r, attendu.size()) << fichier;
}
