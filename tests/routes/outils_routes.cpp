#include "tests/routes/outils_routes.h"

#include "tests/outils/outils_test.h"

#include <cmath>
#include <cstdio>
#include <sstream>
#include <unistd.h>

namespace {

time_t instant = 0;

time_t horlogeTest()
{
    return instant;
}

}  // namespace

HorlogeFixe::HorlogeFixe(time_t t) : ancienne_(vHorlogeRoutes(horlogeTest))
{
    instant = t;
}

HorlogeFixe::~HorlogeFixe()
{
    vHorlogeRoutes(ancienne_);
}

void HorlogeFixe::regler(time_t t)
{
    instant = t;
}

std::unique_ptr<classeRoute> route(std::initializer_list<Escale> points, const char* nom)
{
    auto r = std::make_unique<classeRoute>(nom);
    for (const Escale& p : points)
        r->append(p.date, p.lat, p.lon);
    return r;
}

std::vector<classePosition> positions(const classeRoute& r)
{
    std::vector<classePosition> v;
    for (const structurePosition* c = r.premier; c; c = c->suivant)
        v.push_back(*c->position);
    return v;
}

std::vector<std::vector<double>> resoudre(const std::string& commande, const std::string& entree)
{
    // Tests of the suite run side by side in one folder: a file of its own.
    const std::string fichier = "geographiclib-" + std::to_string(getpid()) + ".txt";
    ecrireFichier(fichier, entree);
    const std::optional<std::string> sortieOutil =
        sortie(commande + " -e 3437.7467707849396 0 -p 12 < " + fichier);
    std::remove(fichier.c_str());
    std::vector<std::vector<double>> lignes;
    std::istringstream flux(sortieOutil.value_or(""));
    for (std::string ligne; std::getline(flux, ligne);) {
        std::istringstream nombres(ligne);
        std::vector<double> v;
        for (double x; nombres >> x;)
            v.push_back(x);
        lignes.push_back(v);
    }
    return lignes;
}

bool bGeographicLib()
{
    return commande("command -v RhumbSolve >/dev/null && command -v GeodSolve >/dev/null");
}

double ecartAngle(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}
