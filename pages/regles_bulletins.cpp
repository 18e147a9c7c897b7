#include "pages/regles_bulletins.h"

#include "catalogue/objets_produits.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

bool bBoutonCarteZones(int numero)
{
    return numero % 10 == 9 && numero != 9 && numero != 19;
}

bool bMetareaActive(int numero)
{
    return numero < 20 || numero == 21;
}

bool bSectionsFrance(const char* langue)
{
    return !langue || std::strcmp(langue, "fr") == 0;
}

std::vector<PlaceBouton> placesGmdss(int x, int y, int gauche, int n, int& bas)
{
    std::vector<PlaceBouton> places;
    int cx = x, cy = y;
    for (int i = 0; i < n; ++i) {
        if (cx - gauche + 40 > 226 && cx != x) {
            cy += 21;
            cx = x;
        }
        places.push_back({cx, cy});
        cx += 41;
    }
    bas = cy + 22;
    return places;
}

int iIndexAideBulletins(int topic, int enfants)
{
    int k = std::abs(topic) % 10;
    if (k == 0)
        k = 1;
    return std::max(0, std::min(2 * k - 2, enfants));
}

ProduitsCharges produitsCharges(const std::vector<int>& numeros,
                                const std::vector<std::string>& codes)
{
    std::map<int, std::set<std::string>> codesBouton;
    std::map<std::string, std::set<int>> demandeurs;
    for (int n : numeros)
        for (const char* c : objetsProduit(n).codes) {
            codesBouton[n].insert(c);
            demandeurs[c].insert(n);
        }
    const std::set<std::string> demandes(codes.begin(), codes.end());
    ProduitsCharges charges;
    std::set<std::string> couverts;
    for (const auto& [n, siens] : codesBouton) {
        size_t demandesSiens = 0;
        for (const std::string& c : siens)
            demandesSiens += demandes.count(c) && demandeurs[c].size() == 1;
        if (demandesSiens == 0 || (n > 999 && demandesSiens < siens.size()))
            continue;
        charges.enfonces.push_back(n);
        couverts.insert(siens.begin(), siens.end());
    }
    for (const std::string& c : codes)
        if (!couverts.count(c))
            charges.sansBouton.push_back(c);
    return charges;
}
