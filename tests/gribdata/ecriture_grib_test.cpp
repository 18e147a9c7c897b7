#include "ecriture_grib_test.h"

#include "grib_test.h"

#include <algorithm>
#include <cmath>

std::string sMessageGrib(const ChampEcrit& c)
{
    MessageTest m;
    m.parametre = c.parametre, m.process = c.process, m.p1 = c.p1;
    m.p2 = c.p2, m.indicateur = c.indicateur, m.typeNiveau = c.typeNiveau, m.jour = c.jour;
    m.ni = c.ni, m.nj = c.nj, m.di = c.di, m.dj = c.dj, m.la1 = c.la1, m.lo1 = c.lo1;
    m.la2 = c.la1 - (c.nj - 1) * c.dj, m.lo2 = c.lo1 + (c.ni - 1) * c.di;
    std::vector<double> v;
    std::vector<bool> carte;
    for (int j = 0; j < c.nj; ++j)
        for (int i = 0; i < c.ni; ++i) {
            const double x = c.valeur((c.la1 - j * c.dj) / 1000.0, (c.lo1 + i * c.di) / 1000.0);
            carte.push_back(!std::isnan(x));
            if (carte.back())
                v.push_back(x);
        }
    if (v.size() < carte.size())
        m.carte = carte;
    // R is the smallest value (the writer truncates it by a few millionths);
    // 2^E the finest step that spans the values in 255 steps.
    m.R = v.empty() ? 0 : *std::min_element(v.begin(), v.end());
    const double etendue = v.empty() ? 0 : *std::max_element(v.begin(), v.end()) - m.R;
    for (m.E = -40; etendue / std::ldexp(1.0, m.E) > 255;)
        ++m.E;
    m.donnees.clear();
    for (double x : v)
        m.donnees.push_back(uint8_t(std::lround(std::fmax(0, (x - m.R) / std::ldexp(1.0, m.E)))));
    return m.octets();
}

ChampEcrit champUniforme(int parametre, double valeur, int p1)
{
    ChampEcrit c;
    c.parametre = parametre, c.p1 = p1;
    c.valeur = [valeur](double, double) { return valeur; };
    return c;
}

std::string sMessagesGrib(const std::vector<ChampEcrit>& champs)
{
    std::string octets;
    for (const ChampEcrit& c : champs)
        octets += sMessageGrib(c);
    return octets;
}
