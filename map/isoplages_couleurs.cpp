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

// Colours every pixel from its cell (see vPreparerImage); `couleur` gives
// the colour of a value as iMotRvb does, asked again only when the value
// changes from the pixel before. The isolines of each row are marked as
// soon as the row below it is coloured, while the rows are still in the
// cache: the same marks as a pass over the finished picture.
template <class F>
void isoplages::vPourChaqueCellule(F couleur)
{
    const unsigned char octetsAbsent[4] = {0, 0, 0, 128};
    const unsigned char octetsAlpha[4] = {0, 0, 0, static_cast<unsigned char>(opacite)};
    uint32_t absent, alpha;
    std::memcpy(&absent, octetsAbsent, 4);
    std::memcpy(&alpha, octetsAlpha, 4);
    uint32_t mot = absent;
    int precedente = ISOPLAGES_ABSENT;
    unsigned char* p = image.data();
    const int* sources = sourcesX_.data();
    const size_t largeur = sourcesX_.size();
    const bool isolignes = bIsolignesAMarquer();
    for (size_t rang = 0; rang < sourcesY_.size(); ++rang) {
        const int* ligne = &visible[size_t(sourcesY_[rang]) * size_t(colonnesLabels)];
        for (size_t x = 0; x < largeur; ++x, p += 4) {
            const int v = ligne[sources[x]];
            if (v != precedente) {
                precedente = v;
                mot = v == ISOPLAGES_ABSENT ? absent : couleur(v) | alpha;
            }
            std::memcpy(p, &mot, 4);
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
// the `dessous` formula, at or above it the `dessus` one. The values of the
// last class met, [bas, haut), take its colour without a division.
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
    int64_t debut = 1, fin = 0;
    uint32_t derniere = 0;
    vPourChaqueCellule([&](int v) {
        if (v >= debut && v < fin)
            return derniere;
        const int64_t ref = reference;
        if (v < seuil) {
            derniere = iMotRvb(SOUS_LE_SEUIL);
            debut = INT64_MIN, fin = seuil;
        } else {
            const bool sous = v < reference;
            const int64_t n = (sous ? ref - v : v - ref) / pas + 1;
            if (n <= CLASSES_EN_TABLE) {
                derniere = (sous ? bas : haut)[n];
            } else {
                vCouleur(rvb, n, sous ? dessous : dessus);
                derniere = iMotRvb(rvb);
            }
            debut = std::max<int64_t>(seuil, sous ? ref - n * pas + 1 : ref + (n - 1) * pas);
            fin = sous ? ref - (n - 1) * pas + (n > 1) : ref + n * pas;
        }
        return derniere;
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
                return iMotRvb(pucBandeBeaufort(iForceBeaufort(float(v * facteurAffichage))));
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
            return iMotRvb(pucBandeMer(iClasseMer(float(v * facteurAffichage))));
        });
    else
        vPlages(vagueReference, vaguePas, FROIDE, CHAUDE, INT_MIN);
}

void isoplages::autres()
{
    vPlages(autoReference, autoPas, FROIDE, CHAUDE, INT_MIN);
}
