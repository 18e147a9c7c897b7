#include "tools/cotes/assemblage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace {

// A point to 1e-7 degree, the longitude modulo 360: GMT writes the same
// bin corner identically in both pieces that meet there.
uint64_t iCle(const PointPlan& p)
{
    const int64_t tour = 3600000000LL;
    int64_t x = std::llround(p.x * 1e7) % tour;
    if (x < 0)
        x += tour;
    const int64_t y = std::llround(p.y * 1e7) + 900000000LL;
    return uint64_t(x) << 32 | uint64_t(y);
}

void vDecalerEnLongitude(std::vector<PointPlan>& points, double decalage)
{
    if (decalage != 0)
        for (PointPlan& p : points)
            p.x += decalage;
}

// Brings the ring so that its westmost point lies in [-180, 180).
void vNormaliser(std::vector<PointPlan>& points)
{
    double ouest = points[0].x;
    for (const PointPlan& p : points)
        ouest = std::min(ouest, p.x);
    vDecalerEnLongitude(points, decalageVersOuest(ouest));
}

// Closes a ring. One that went once around the world in longitude is a
// polar land (Antarctica): it closes along the map's edge at the pole.
void vFermer(Morceau& m, BilanAssemblage& bilan)
{
    std::vector<PointPlan>& p = m.points;
    const double ecart = p.back().x - p.front().x;
    if (std::fabs(ecart) > 180) {
        double somme = 0;
        for (const PointPlan& q : p)
            somme += q.y;
        const double pole = somme < 0 ? -90 : 90;
        const PointPlan debut = p.front();
        p.push_back({p.back().x, pole});
        p.push_back({debut.x, pole});
        p.push_back(debut);
        ++bilan.polaires;
    } else {
        p.back() = p.front();
    }
    ++bilan.anneaux;
}

class Assembleur {
public:
    explicit Assembleur(std::vector<const Morceau*> morceaux) : morceaux_(std::move(morceaux))
    {
        utilise_.assign(morceaux_.size(), false);
        for (size_t i = 0; i < morceaux_.size(); ++i) {
            parDebut_.emplace(iCle(morceaux_[i]->points.front()), i);
            ++finsEn_[iCle(morceaux_[i]->points.back())];
        }
    }

    void vAssembler(std::vector<Morceau>& sortie, BilanAssemblage& bilan)
    {
        // Lines start where no other piece ends; what is left are loops.
        for (int passe = 0; passe < 2; ++passe)
            for (size_t i = 0; i < morceaux_.size(); ++i)
                if (!utilise_[i] && (passe == 1 || !finsEn_.count(iCle(morceaux_[i]->points.front()))))
                    sortie.push_back(chaine(i, bilan));
    }

private:
    Morceau chaine(size_t i, BilanAssemblage& bilan)
    {
        Morceau m = *morceaux_[i];
        utilise_[i] = true;
        const uint64_t debut = iCle(m.points.front());
        while (m.points.size() < 2 || iCle(m.points.back()) != debut) {
            const size_t j = suivant(iCle(m.points.back()));
            if (j == morceaux_.size())
                break;
            utilise_[j] = true;
            std::vector<PointPlan> ajout = morceaux_[j]->points;
            vDecalerEnLongitude(ajout, 360 * std::round((m.points.back().x - ajout[0].x) / 360));
            m.points.insert(m.points.end(), ajout.begin() + 1, ajout.end());
        }
        const bool ferme = m.points.size() > 2 && iCle(m.points.back()) == debut;
        if (!m.anneau())
            ++bilan.lignes;
        else if (ferme)
            vFermer(m, bilan);
        else
            ++bilan.ouverts;
        if (m.anneau())
            vNormaliser(m.points);
        return m;
    }

    size_t suivant(uint64_t cle)
    {
        auto [a, b] = parDebut_.equal_range(cle);
        for (auto it = a; it != b; ++it)
            if (!utilise_[it->second])
                return it->second;
        return morceaux_.size();
    }

    std::vector<const Morceau*> morceaux_;
    std::vector<bool> utilise_;
    std::unordered_multimap<uint64_t, size_t> parDebut_;
    std::unordered_map<uint64_t, int> finsEn_;
};

}  // namespace

std::vector<Morceau> vAssembler(const std::vector<Morceau>& morceaux, BilanAssemblage& bilan)
{
    std::map<short, std::vector<const Morceau*>> parType;
    for (const Morceau& m : morceaux)
        if (!m.points.empty())
            parType[m.type].push_back(&m);
    std::vector<Morceau> sortie;
    for (auto& [type, liste] : parType)
        Assembleur(std::move(liste)).vAssembler(sortie, bilan);
    return sortie;
}
