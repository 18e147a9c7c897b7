// Colour schemes of the bands: on each side of the reference, the class of
// a value gets a colour from the side's formula (cold blues, warm reds), or
// from the fixed Beaufort and sea-state tables.
#include "map/isoplages.h"

#include "map/classes_bandes.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

namespace {

const unsigned char SOUS_LE_SEUIL[3] = {120, 120, 254};
// Classes whose colours are computed once per picture; farther ones (a
// value far outside the first view of an automatic field) each time.
constexpr int CLASSES_EN_TABLE = 1024;

// A pixel's red, green and blue as one word in the picture's byte order,
// alpha 0.
uint32_t iMotRvb(const unsigned char* rvb)
{
    const unsigned char p[4] = {rvb[0], rvb[1], rvb[2], 0};
    uint32_t m;
    std::memcpy(&m, p, 4);
    return m;
}

}  // namespace

// Colours every pixel from its cell (see vPreparerImage); `plage` gives
// the colour of a present value, as iMotRvb does, with the values
// [debut, fin) that share it, and is asked again only for a value outside
// the last one's: along a row, the cells of one class follow each other.
// The isolines of each row are marked as soon as the row below it is
// coloured, while the rows are still in the cache: the same marks as a
// pass over the finished picture.
template <class F>
void isoplages::vPourChaqueCellule(F plage)
{
    const unsigned char octetsAbsent[4] = {0, 0, 0, 128};
    const unsigned char octetsAlpha[4] = {0, 0, 0, static_cast<unsigned char>(opacite)};
    uint32_t alpha;
    std::memcpy(&alpha, octetsAlpha, 4);
    Plage absente{ISOPLAGES_ABSENT, int64_t(ISOPLAGES_ABSENT) + 1, 0};
    std::memcpy(&absente.mot, octetsAbsent, 4);
    Plage p = absente;
    unsigned char* pixel = image.data();
    const int* sources = sourcesX_.data();
    const size_t largeur = sourcesX_.size();
    const bool isolignes = bIsolignesAMarquer();
    for (size_t rang = 0; rang < sourcesY_.size(); ++rang) {
        const int* ligne = visible.data() + size_t(sourcesY_[rang]) * size_t(colonnesLabels);
        for (size_t x = 0; x < largeur; ++x, pixel += 4) {
            const int v = ligne[sources[x]];
            if (uint64_t(v - p.debut) >= uint64_t(p.fin - p.debut)) {
                if (v == ISOPLAGES_ABSENT) {
                    p = absente;
                } else {
                    p = plage(v);
                    p.debut = std::max<int64_t>(p.debut, INT_MIN);
                    p.fin = std::min<int64_t>(p.fin, ISOPLAGES_ABSENT);
                    p.mot |= alpha;
                }
            }
            std::memcpy(pixel, &p.mot, 4);
        }
        if (isolignes && rang >= 2)
            vIsolignesLigne(int(rang) - 1);
    }
}

// Every division truncates toward zero; every channel keeps its low 8 bits.
void isoplages::vCouleurClasse(unsigned char* p, long long n, int etendue, int nombre, Formule f)
{
    const bool chaud = f == CHAUDE;
    const long long D = etendue, N = std::max(1, nombre);
    const long long e = n * (D / N) - D, u = e + 253;
    const long long r = chaud ? e - 3 : f == HUMIDE ? 1 : u / 4 + 1;
    const long long g = chaud ? (u / 4 + 1) / n + 1 : u / 2 + 1;
    const long long b = chaud ? (u / 8 + 1) / n + 1 : e - 3;
    p[0] = static_cast<unsigned char>(r);
    p[1] = static_cast<unsigned char>(g);
    p[2] = static_cast<unsigned char>(b);
}

void isoplages::vCouleur(unsigned char* rvb, long long n, Formule f) const
{
    if (f == CHAUDE)
        vCouleurClasse(rvb, n, etendueChaude, nombreChaud, f);
    else
        vCouleurClasse(rvb, n, etendueFroide, nombreFroid, f);
}

// Values below `seuil` get the threshold colour; then below the reference
// the `dessous` formula, at or above it the `dessus` one, each class with
// the values it spans.
void isoplages::vPlages(int reference, int pas, Formule dessous, Formule dessus, int seuil)
{
    std::vector<uint32_t> bas(CLASSES_EN_TABLE + 1), haut(bas.size());
    unsigned char rvb[3];
    for (int n = 1; n <= CLASSES_EN_TABLE; ++n) {
        vCouleur(rvb, n, dessous);
        bas[n] = iMotRvb(rvb);
        vCouleur(rvb, n, dessus);
        haut[n] = iMotRvb(rvb);
    }
    vPourChaqueCellule([&](int v) {
        if (v < seuil)
            return Plage{INT_MIN, seuil, iMotRvb(SOUS_LE_SEUIL)};
        const int64_t ref = reference;
        const bool sous = v < reference;
        const int64_t n = (sous ? ref - v : v - ref) / pas + 1;
        uint32_t mot;
        if (n <= CLASSES_EN_TABLE) {
            mot = (sous ? bas : haut)[n];
        } else {
            vCouleur(rvb, n, sous ? dessous : dessus);
            mot = iMotRvb(rvb);
        }
        return Plage{std::max<int64_t>(seuil, sous ? ref - n * pas + 1 : ref + (n - 1) * pas),
                     sous ? ref - (n - 1) * pas + (n > 1) : ref + n * pas, mot};
    });
}

void isoplages::vColorier()
{
    switch (famille(parametre)) {
    case PRESSION:  // low pressure red, high pressure blue
        vPlages(pressionReference, pressionPas, CHAUDE, FROIDE, INT_MIN);
        break;
    case TEMPERATURE:
        vPlages(temperatureReference, temperaturePas, FROIDE, CHAUDE, INT_MIN);
        break;
    case VENT:
        if (bClassesBeaufort())
            vPourChaqueCellule([&](int v) {
                return Plage{v, int64_t(v) + 1,
                             iMotRvb(pucBandeBeaufort(iForceBeaufort(float(v * facteurAffichage))))};
            });
        else
            vPlages(ventReference, ventPas, FROIDE, CHAUDE, INT_MIN);
        break;
    case COURANT: vPlages(courantReference, courantPas, FROIDE, CHAUDE, INT_MIN); break;
    case HUMIDITE: vPlages(humiditeReference, humiditePas, HUMIDE, CHAUDE, INT_MIN); break;
    case PLUIE: pluie(); break;
    case COUCHE: ekman(); break;
    case VAGUE: hauteur(); break;
    case PERIODE: periode(); break;
    case AUTRE: autres(); break;
    }
}

void isoplages::pluie()
{
    vPlages(pluieReference, pluiePas, FROIDE, CHAUDE, pluieSeuil);
}

void isoplages::ekman()
{
    vPlages(coucheReference, couchePas, FROIDE, CHAUDE, coucheSeuil);
}

void isoplages::periode()
{
    vPlages(periodeReference, periodePas, FROIDE, CHAUDE, INT_MIN);
}

void isoplages::hauteur()
{
    if (bClassesMer())
        vPourChaqueCellule([&](int v) {
            return Plage{v, int64_t(v) + 1, iMotRvb(pucBandeMer(iClasseMer(float(v * facteurAffichage))))};
        });
    else
        vPlages(vagueReference, vaguePas, FROIDE, CHAUDE, INT_MIN);
}

void isoplages::autres()
{
    vPlages(autoReference, autoPas, FROIDE, CHAUDE, INT_MIN);
}
