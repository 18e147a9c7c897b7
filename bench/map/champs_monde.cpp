#include "bench/map/champs_monde.h"

#include "bench/alea.h"

#include <cmath>
#include <vector>

namespace {

struct Tache {
    double lat, lon, valeur, rayon;
};

std::vector<Tache> taches(uint32_t graine, int n, double amplitude)
{
    Alea alea(graine);
    std::vector<Tache> t;
    for (int i = 0; i < n; ++i)
        t.push_back({double(alea() % 150) - 75, double(alea() % 360) - 180,
                     (double(alea() % 2001) - 1000) * amplitude / 1000, 5.0 + alea() % 20});
    return t;
}

double distance2(const Tache& t, double lat, double lon)
{
    const double dx = std::remainder(lon - t.lon, 360.0), dy = lat - t.lat;
    return dx * dx + dy * dy;
}

ChampEcrit grille(int parametre, int pas)
{
    ChampEcrit c;
    c.parametre = parametre;
    c.ni = 360000 / pas, c.nj = 180000 / pas + 1, c.di = c.dj = pas;
    return c;
}

// The vortices of the wind: centre and strength.
std::vector<Tache> tourbillons()
{
    Alea alea(20261206);
    std::vector<Tache> t;
    for (int i = 0; i < 24; ++i)
        t.push_back({double(alea() % 140) - 70, double(alea() % 360) - 180,
                     (double(alea() % 2001) - 1000) / 50.0, 0});
    return t;
}

}  // namespace

ChampEcrit champPression(int pas, bool masque)
{
    static const std::vector<Tache> pression = taches(20260601, 40, 4000);
    static const std::vector<Tache> iles = taches(7, 30, 1);
    ChampEcrit c = grille(2, pas);
    c.valeur = [masque](double lat, double lon) {
        double p = 101300;
        for (const Tache& t : pression)
            p += t.valeur * std::exp(-distance2(t, lat, lon) / (t.rayon * t.rayon));
        for (const Tache& t : iles)
            if (masque && distance2(t, lat, lon) < t.rayon * t.rayon / 4)
                return double(NAN);
        return p;
    };
    return c;
}

ChampEcrit champVent(int parametre, int pas)
{
    static const std::vector<Tache> t = tourbillons();
    ChampEcrit c = grille(parametre, pas);
    c.valeur = [parametre](double lat, double lon) {
        double u = 12 * std::sin(lat * M_PI / 45), v = 0;
        for (const Tache& k : t) {
            const double dx = std::remainder(lon - k.lon, 360.0), dy = lat - k.lat;
            const double poids = k.valeur * std::exp(-(dx * dx + dy * dy) / 200);
            u -= poids * dy / 10, v += poids * dx / 10;
        }
        return parametre == 33 ? u : v;
    };
    return c;
}
