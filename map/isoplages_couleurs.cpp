// Colour schemes of the bands: on each side of the reference, the class of
// a value gets a colour from the side's formula (cold blues, warm reds), or
// from the fixed Beaufort and sea-state tables.
#include "map/isoplages.h"

#include "map/classes_bandes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>

namespace {

const unsigned char SOUS_LE_SEUIL[3] = {120, 120, 254};
// Classes whose colours are computed once per picture; farther ones (a
// value far outside the first view of an automatic field) each time.
constexpr int CLASSES_EN_TABLE = 1024;

}  // namespace

// Colours every pixel from its cell (see vPreparerImage); `couleur` sets
// the red, green and blue of a value, computed again only when the value
// changes from the pixel before. The isolines of each row are marked as
// soon as the row below it is coloured, while the rows are still in the
// cache: the same marks as a pass over the finished picture.
template <class F>
void isoplages::vPourChaqueCellule(F couleur)
{
    unsigned char rvba[4] = {0, 0, 0, 128};  // an absent cell
    int precedente = ISOPLAGES_ABSENT;
    unsigned char* p = image.data();
    const bool isolignes = bIsolignesAMarquer();
    for (size_t rang = 0; rang < sourcesY_.size(); ++rang) {
        const int* ligne = &visible[size_t(sourcesY_[rang]) * size_t(colonnesLabels)];
        for (const int x : sourcesX_) {
            const int v = ligne[x];
            if (v != precedente) {
                precedente = v;
                if (v == ISOPLAGES_ABSENT) {
                    rvba[0] = rvba[1] = rvba[2] = 0;
                    rvba[3] = 128;
                } else {
                    couleur(v, rvba);
                    rvba[3] = static_cast<unsigned char>(opacite);
                }
            }
            std::memcpy(p, rvba, 4);
            p += 4;
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
    std::vector<std::array<unsigned char, 3>> bas(CLASSES_EN_TABLE + 1), haut(bas.size());
    for (int n = 1; n <= CLASSES_EN_TABLE; ++n) {
        vCouleur(bas[n].data(), n, dessous);
        vCouleur(haut[n].data(), n, dessus);
    }
    int64_t debut = 1, fin = 0;
    unsigned char derniere[3];
    vPourChaqueCellule([&](int v, unsigned char* p) {
        if (v >= debut && v < fin) {
            std::memcpy(p, derniere, 3);
            return;
        }
        const int64_t ref = reference;
        if (v < seuil) {
            std::memcpy(derniere, SOUS_LE_SEUIL, 3);
            debut = INT64_MIN, fin = seuil;
        } else {
            const bool sous = v < reference;
            const int64_t n = (sous ? ref - v : v - ref) / pas + 1;
            if (n <= CLASSES_EN_TABLE)
                std::memcpy(derniere, (sous ? bas : haut)[n].data(), 3);
            else
                vCouleur(derniere, n, sous ? dessous : dessus);
            debut = std::max<int64_t>(seuil, sous ? ref - n * pas + 1 : ref + (n - 1) * pas);
            fin = sous ? ref - (n - 1) * pas + (n > 1) : ref + n * pas;
        }
        std::memcpy(p, derniere, 3);
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
            vPourChaqueCellule([&](int v, unsigned char* p) {
                std::memcpy(p, pucBandeBeaufort(iForceBeaufort(float(v * facteurAffichage))), 3);
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
        vPourChaqueCellule([&](int v, unsigned char* p) {
            std::memcpy(p, pucBandeMer(iClasseMer(float(v * facteurAffichage))), 3);
        });
    else
        vPlages(vagueReference, vaguePas, FROIDE, CHAUDE, INT_MIN);
}

void isoplages::autres()
{
    vPlages(autoReference, autoPas, FROIDE, CHAUDE, INT_MIN);
}
