// Loading a field: scale, display constants, default settings, the copy
// into scaled integers and the refinement done once per field.
#include "map/isoplages.h"

#include "gribdata/champ_grib.h"
#include "gribdata/globales.h"
#include "map/grille_champ.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>

namespace {

// trunc(v x S), kept inside the stored range: defaults are computed for
// every family from the parameter's scale, and some overflow an int.
int iStocke(double v, int echelle)
{
    return iStockeBorne(v * echelle);
}

// One decoded value in stored units, in single precision as decoded. NaN
// and infinities are treated as absent points. Written without a branch,
// so that a block of a size known when compiling becomes vector code.
int iValeurStockee(float v, float echelle)
{
    const float x = v * echelle;
    const bool absent = (v == GRIB_ABSENT) | !(std::fabs(v) <= FLT_MAX);
    // float(ISOPLAGES_MAXIMUM) is 2^31; the float below it, 2^31 - 128.
    const float borne = float(ISOPLAGES_MAXIMUM), dessous = 2147483520.0f;
    const float dedans = std::min(std::max(x, -dessous), dessous);
    const int stocke = int(absent ? 0.0f : dedans);
    const int sature = x >= borne ? ISOPLAGES_MAXIMUM : x <= -borne ? -ISOPLAGES_MAXIMUM : stocke;
    return absent ? ISOPLAGES_ABSENT : sature;
}

// Up to BLOC values into stored units, through blocks of the stack that
// nothing else can alias and of a size known when compiling: the compiler
// then makes vector code of both loops. Whether one is absent (the
// largest int).
constexpr int BLOC = 64;
bool bConvertirBloc(const float* v, int* d, int n, float echelle)
{
    float reste[BLOC] = {};
    if (n < BLOC)
        v = static_cast<const float*>(std::memcpy(reste, v, sizeof(float) * size_t(n)));
    int t[BLOC];
    for (int i = 0; i < BLOC; ++i)
        t[i] = iValeurStockee(v[i], echelle);
    int plus = 0;
    for (int i = 0; i < BLOC; ++i)
        plus = std::max(plus, t[i]);
    std::memcpy(d, t, sizeof(int) * size_t(n));
    return plus == ISOPLAGES_ABSENT;
}

// A row of n values; whether one is absent.
bool bConvertirLigne(const float* v, int* d, int n, float echelle)
{
    bool absent = false;
    for (int i = 0; i < n; i += BLOC)
        absent |= bConvertirBloc(v + i, d + i, std::min(BLOC, n - i), echelle);
    return absent;
}

}  // namespace

isoplages::Famille isoplages::famille(int p)
{
    switch (p) {
    case 2: return PRESSION;
    case 11: case 80: return TEMPERATURE;
    case 34: return VENT;
    case 50: return COURANT;
    case 52: return HUMIDITE;
    case 61: return PLUIE;
    case 67: return COUCHE;
    case 100: case 102: case 105: case 202: case 203: return VAGUE;
    case 103: case 106: case 108: case 110: case 201: return PERIODE;
    default: return AUTRE;
    }
}

void isoplages::set(Grib* g, int mode)
{
    vInstallerLiberationIsoplages();
    vViderImage();  // nothing left that sees the grid replaced below
    champ = g;
    parametre = g->parametre;
    valeurs = parametre == 34 || parametre == 50 || mode == 1 ? g->valeurs2 : g->valeurs;
    colonnes = colonnesGrille = g->ni;
    lignes = lignesGrille = g->nj;
    la1 = g->la1 / 1000.0f;
    la2 = g->la2 / 1000.0f;
    lo1 = g->lo1 / 1000.0f;
    lo2 = g->lo2 / 1000.0f;
    pasLongitudeTravail = pasLongitude = fPasDegres(g->di);
    pasLatitudeTravail = pasLatitude = fPasDegres(g->dj);
    vConstantes(mode);
    if (bCopierValeurs(bTourComplet(g->ni, g->di)))
        vAffiner();
}

// A grid of Ni columns Di apart that goes round the globe: its last column
// lies one step west of its first.
bool isoplages::bTourComplet(int ni, int di)
{
    const long long tour = (long long)ni * di;
    return di > 0 && std::llabs(tour - 360000) <= ni / 2;
}

void isoplages::vConstantes(int mode)
{
    const Famille f = famille(parametre);
    echelle = f == PRESSION ? 100 : f == TEMPERATURE ? 10000 : parametre == 176 ? 1 : 100000;
    facteurAffichage = f == PRESSION || f == TEMPERATURE ? 0.0001 : parametre == 176 ? 0.001 : 0.00001;
    decalageAffichage = f == TEMPERATURE ? -273.15 : 0.0;
    decalageEntier = f == TEMPERATURE ? 2731500 : 0;

    const int S = echelle;
    pressionPas = iStocke(500, S);
    pressionReference = iStocke(101500, S);
    temperaturePas = iStocke(2, S);
    temperatureReference = 289150;
    ventPas = iStocke(5, S);
    ventReference = iStocke(22, S);
    ventForceReference = 6;
    vagueReference = iStocke(4, S);
    vaguePas = iStocke(2, S);
    vagueClasseReference = 5;
    periodeReference = iStocke(6, S);
    periodePas = S;
    humiditeReference = iStocke(70, S);
    courantPas = iStocke(0.25, S);
    courantReference = iStocke(0.5, S);
    pluiePas = mode == 1 ? iStocke(0.5, S) : S;
    pluieReference = iStocke(mode == 1 ? 2.5 : 5, S);
    pluieSeuil = S;
    coucheReference = iStocke(100, S);
    coucheSeuil = 0;
}

// The values in stored units, row by row. A grid round the globe gets its
// first column repeated after its last, so that the bands and the
// isolines close over the step between them (at 180 degrees on a grid
// from 180 W).
bool isoplages::bCopierValeurs(bool tour)
{
    if (!valeurs || colonnes <= 0 || lignes <= 0 || int64_t(colonnes) * lignes > ISOPLAGES_CELLULES_MAX) {
        vJournal("<FDCGRIB>", "isoplages : champ %d sans valeurs utilisables (%d x %d)\n",
                 parametre, colonnes, lignes);
        grille.clear();
        colonnes = lignes = colonnesGrille = lignesGrille = 0;
        return false;
    }
    const int largeur = colonnes + tour;
    grille.resize(size_t(largeur) * lignes);
    const float S = float(echelle);
    bool absent = false;
    for (int l = 0; l < lignes; ++l) {
        int* d = &grille[size_t(l) * largeur];
        absent |= bConvertirLigne(valeurs + size_t(l) * colonnes, d, colonnes, S);
        if (tour)
            d[colonnes] = d[0];
    }
    manquant = absent;
    if (tour) {
        colonnes = colonnesGrille = largeur;
        lo2 = lo1 + 360;
    }
    return true;
}

void isoplages::vAffiner()
{
    const int mode = iModeAffinage(lignes);
    TamponBrut<int> tampon;
    for (const PasseAffinage& passe : planAffinage(colonnes, lignes, mode, manquant != 0)) {
        vDoublerGrille(grille, colonnes, lignes, tampon, manquant != 0);
        grille.swap(tampon);
        colonnes = 2 * colonnes - 1;
        lignes = passe.lignes;
        pasLatitudeTravail /= 2;
        pasLongitudeTravail /= 2;
        vLisserGrille(grille, colonnes, lignes, passe.rayon);
    }
    colonnesGrille = colonnes;
    lignesGrille = lignes;
}
