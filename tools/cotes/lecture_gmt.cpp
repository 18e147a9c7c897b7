#include "tools/cotes/lecture_gmt.h"

#include <cstdio>
#include <cstring>

namespace {

// The record level of a segment header, or 0 when it is not one.
short iType(const std::string& ligne)
{
    char genre[16];
    int bin, niveau;
    if (std::sscanf(ligne.c_str(), "> %15s Bin # %d, Level %d", genre, &bin, &niveau) != 3 ||
        niveau < 0 || niveau > 10)
        return 0;
    if (std::strcmp(genre, "Shore") == 0 && niveau >= 1 && niveau <= 4)
        return short(niveau);
    if (std::strcmp(genre, "River") == 0)
        return short(10 + niveau);
    if (std::strcmp(genre, "Border") == 0 && niveau <= 9)
        return short(20 + niveau);
    return 0;
}

}  // namespace

bool bLireGmt(std::istream& entree, std::vector<Morceau>& morceaux, std::string& erreur)
{
    std::string ligne;
    int numero = 0;
    Morceau* courant = nullptr;
    while (std::getline(entree, ligne)) {
        ++numero;
        if (ligne.empty())
            continue;
        if (ligne[0] == '>') {
            const short type = iType(ligne);
            if (!type) {
                erreur = "line " + std::to_string(numero) + ": unknown header: " + ligne;
                return false;
            }
            morceaux.push_back(Morceau{type, {}});
            courant = &morceaux.back();
            continue;
        }
        PointPlan p;
        if (!courant || std::sscanf(ligne.c_str(), "%lf %lf", &p.x, &p.y) != 2 ||
            !(p.y >= -90 && p.y <= 90 && p.x >= -360 && p.x <= 360)) {
            erreur = "line " + std::to_string(numero) + ": not a point: " + ligne;
            return false;
        }
        courant->points.push_back(p);
    }
    return true;
}
