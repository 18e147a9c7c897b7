#include "tools/cotes/generation.h"

#include "map/marsden.h"
#include "tools/cotes/decoupe.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Level 0 holds absolute hundredths of a degree in 16 bits: a part whose
// west edge lies below 180 must end before 327.67 E.
const double ETENDUE_NIVEAU0 = 140;

struct PointEntier {
    int64_t x, y;
    bool operator==(const PointEntier& o) const { return x == o.x && y == o.y; }
};

std::vector<PointEntier> arrondis(const Morceau& m, double echelle)
{
    std::vector<PointEntier> p;
    p.reserve(m.points.size());
    for (const PointPlan& q : m.points) {
        const PointEntier e{std::llround(q.x * echelle), std::llround(q.y * echelle)};
        if (p.empty() || !(e == p.back()))
            p.push_back(e);
    }
    return p;
}

bool bSurface(const std::vector<PointEntier>& p)
{
    int64_t a = 0;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
        a += p[j].x * p[i].y - p[i].x * p[j].y;
    return a != 0;
}

bool bCourt(int64_t v)
{
    return v >= INT16_MIN && v <= INT16_MAX;
}

// The order of the records in the file: by square for the filed levels,
// and within a square (or the whole file) land, then lakes, islands in
// lakes, ponds, and the lines last.
struct Rangement {
    int carre;
    EnregistrementTdc e;
};

}  // namespace

bool bEnregistrement(const Morceau& m, int niveau, EnregistrementTdc& e)
{
    const std::vector<PointEntier> p = arrondis(m, TDC_ECHELLES[niveau]);
    if (m.anneau() ? p.size() < 4 || !(p.front() == p.back()) || !bSurface(p) : p.size() < 2)
        return false;
    e = EnregistrementTdc{};
    e.niveau = m.type;
    int64_t sud = p[0].y, ouest = p[0].x, nord = p[0].y, est = p[0].x;
    for (const PointEntier& q : p) {
        sud = std::min(sud, q.y);
        nord = std::max(nord, q.y);
        ouest = std::min(ouest, q.x);
        est = std::max(est, q.x);
    }
    if (niveau == 0) {
        if (p.size() > UINT16_MAX || !bCourt(sud) || !bCourt(nord) || !bCourt(ouest) || !bCourt(est))
            return false;
        sud = ouest = nord = est = 0;
    } else if (!bCourt(nord - sud) || !bCourt(est - ouest)) {
        return false;
    }
    e.sud = int32_t(sud);
    e.ouest = int32_t(ouest);
    e.nord = int32_t(nord);
    e.est = int32_t(est);
    for (const PointEntier& q : p) {
        e.latitudes.push_back(int16_t(q.y - sud));
        e.longitudes.push_back(int16_t(q.x - ouest));
    }
    return true;
}

std::string sGenererNiveau(int niveau, const std::vector<Morceau>& morceaux, BilanGeneration& bilan)
{
    const double echelle = TDC_ECHELLES[niveau];
    std::vector<Morceau> parties;
    for (const Morceau& m : vAssembler(morceaux, bilan.assemblage)) {
        if (niveau == 0 && m.type != 1)
            continue;
        if (niveau >= 2)
            vDecouperCarres(m, parties);
        else
            vLimiterEtendue(m, niveau == 0 ? ETENDUE_NIVEAU0 : INT16_MAX / echelle, parties);
    }
    std::vector<Rangement> rangs;
    for (const Morceau& m : parties) {
        Rangement r{0, {}};
        if (!bEnregistrement(m, niveau, r.e)) {
            ++bilan.rejetes;
            continue;
        }
        if (niveau >= 2) {
            r.carre = iMarsden(r.e.sud / echelle, r.e.ouest / echelle);
            if (!bMarsdenValide(r.carre)) {
                ++bilan.rejetes;
                continue;
            }
        }
        rangs.push_back(std::move(r));
    }
    std::stable_sort(rangs.begin(), rangs.end(), [](const Rangement& a, const Rangement& b) {
        return a.carre != b.carre ? a.carre < b.carre : a.e.niveau < b.e.niveau;
    });
    std::string octets;
    for (const Rangement& r : rangs) {
        niveau == 0 ? vEcrireTdc0(r.e, octets) : vEcrireTdc(r.e, octets);
        ++bilan.enregistrements;
        bilan.points += long(r.e.latitudes.size());
    }
    return octets;
}
