// Volume and cost of a request, shown in the request page's
// recapitulation. The estimate models the GRIB edition 1 file the service
// returns: one message per parameter component and forecast time, 83
// octets of sections around one octet per value (8-bit packing), and a
// bit map when land points are left out.
#include "transport/requete.h"

#include "codes/navigation.h"
#include "gribdata/age_reseau.h"
#include "map/masque.h"
#include "map/masques.h"
#include "transport/recapitulatif.h"
#include "transport/regles_requete.h"
#include "ui/horloge.h"
#include "ui/local.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

// Sections 0, 1, 2, the data section's header and section 5.
const long long OCTETS_FIXES = 83;
// The largest answer the service sends.
const long long OCTETS_MAX = 1500000;

struct Genre {
    int composantes;
    bool mer;  // a field that has no value over land
};

Genre genre(const std::string& cle)
{
    if (cle == "vent")
        return {2, false};
    if (cle == "courant")
        return {2, true};
    if (cle == "tprof")
        return {1, true};
    for (const char* vague : {"mer", "merduvent", "houles", "houle1", "houle2"})
        if (cle == vague)
            return {3, true};
    return {1, false};
}

Masque* pMasque(int modele)
{
    const std::string nom = std::to_string(modele);
    for (TYPEDEF_MASQUE* m = MASQUES; m->nom; ++m)
        if (nom == m->nom)
            return m->masque;
    return nullptr;
}

// Data sections are padded to an even length.
long long llPair(long long octets)
{
    return octets + (octets & 1);
}

// Section 3: 6 octets and one bit per point, padded to an even length.
long long llBitmap(long long points)
{
    return llPair(points % 8 == 0 ? points / 8 + 6 : points / 8 + 7);
}

// A forecast time or validity in hours, as a saved request may hold any
// word there: bounded to ten years either way.
int iHeures(const std::string& mot)
{
    const long h = std::strtol(mot.c_str(), nullptr, 10);
    return int(std::max(-87600L, std::min(h, 87600L)));
}

std::string texte(const char* format, double v)
{
    char t[64];
    std::snprintf(t, sizeof t, format, v);
    return t;
}

}  // namespace

void requete::vAfficher(const std::string& volume, const std::string& cout, bool limites)
{
    dansLimites = limites;
    volumeAffiche = volume;
    coutAffiche = cout;
    if (recapitulatif) {
        recapitulatif->vVolume(volume.c_str());
        recapitulatif->vCout(cout.c_str());
    }
}

void requete::vCout()
{
    if (type == 1) {
        vAfficher(texte("%.3lf", volumeBulletins), "0", !objets.bVide());
        return;
    }
    if (modele == 0) {
        // Nothing to count nor to send: the figures of another request
        // must not stay on show.
        if (!forfaitActif) {
            vAfficher(texte("%.3lf", 0), pcTraduire("Interdit"), false);
            if (recapitulatif)
                recapitulatif->vEnvoi(false);
        }
        return;
    }
    if (forfaitActif)
        maille = modele == 8 ? 0.2 : 0.25;
    // A zone whose north lies south of its south (a saved request can say
    // so) has no point; counted as they stand, two such factors would make
    // a positive product.
    const long long lignes = (long long)(std::rint((nord - sud) / maille) + 1);
    const long long colonnes = (long long)(std::rint((est - ouest) / maille) + 1);
    const long long points = lignes > 0 && colonnes > 0 ? lignes * colonnes : 0;
    long long octets = 0;
    double prix = 0;
    vTerre(points, octets, prix);
    texteVolume = texte("%.3lf", double(octets) / 1000);
    if (forfaitActif) {
        vAfficher(texteVolume, pcTraduire("Fixe"), true);
        if (recapitulatif)
            recapitulatif->vEnvoi(true);
        return;
    }
    texteCout = modele == 10 ? "0" : texte("%.2lf", std::max(prix, 0.01));
    const bool refuse = octets == 0 || octets > OCTETS_MAX;
    vAfficher(texteVolume, refuse ? pcTraduire("Interdit") : texteCout, !refuse);
    if (recapitulatif)
        recapitulatif->vEnvoi(!refuse);
}

// The points of the zone that carry a value: those the mask does not mark
// as land (the masks mark land).
long long requete::llPointsEau(Masque& masque, long long points, double n, double s, double w,
                               double e)
{
    return std::max(0LL, points - masque.iGetPoints(n, s, w, e, maille));
}

void requete::vTerre(long long points, long long& size, double& cost)
{
    size = 0;
    cost = 0;
    if (ligneZone == "Z" || points <= 0)
        return;
    const bool sansTerre = ligneTerre != "F 0";
    int capZone = 0;
    double vitesseZone = 0;
    const bool mobile = ligneCapVitesse != "V" && bLigneCapValide(ligneCapVitesse, capZone, vitesseZone);
    const int age = iAgeReseau(modele, heurecourante);
    Masque* masque = pMasque(modele);
    const long long B = llBitmap(points);
    const ListeCodes& temps = modeValidites == 1 ? validites : echeances;
    std::map<int, long long> eauParAvance;  // by hours ahead of the run
    long long valeurs = 0;
    for (int i = 0; i < ListeCodes::TAILLE; ++i) {
        if (parametres[i].empty())
            continue;
        const Genre g = genre(parametres[i]);
        const bool avecMasque = masque && (sansTerre || g.mer);
        for (int j = 0; j < ListeCodes::TAILLE; ++j) {
            if (temps[j].empty())
                continue;
            long long n = points, bitmap = 0;
            if (avecMasque) {
                const int avance = mobile ? iAvanceEcheance(iHeures(temps[j]), age) : 0;
                auto it = eauParAvance.find(avance);
                if (it == eauParAvance.end())
                    it = eauParAvance.emplace(avance, llEau(*masque, points, avance, capZone,
                                                            vitesseZone)).first;
                n = it->second;
                bitmap = n == points ? 0 : B;
            }
            size += g.composantes * (bitmap + llPair(n + OCTETS_FIXES));
            valeurs += g.composantes * n;
        }
    }
    cost = dPrixValeurs(valeurs, forfaitActif != 0);
}

// The sea points of the zone `avance` hours ahead: its centre moved along
// the course, in single precision; at its start when not ahead.
long long requete::llEau(Masque& masque, long long points, int avance, int capZone,
                         double vitesseZone)
{
    if (avance == 0)
        return llPointsEau(masque, points, nord, sud, ouest, est);
    const float n = float(nord), s = float(sud), w = float(ouest), e = float(est);
    const float demiLat = (n - s) / 2, demiLon = (e - w) / 2;
    const float distance = float(vitesseZone) * float(avance);
    double lat = 0, lon = 0;
    vCodesLoxoLLCD((s + n) / 2, (w + e) / 2, capZone, distance, lat, lon);
    const float la = float(lat), lo = float(lon);
    return llPointsEau(masque, points, la + demiLat, la - demiLat, lo - demiLon, lo + demiLon);
}
