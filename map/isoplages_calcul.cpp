// One redraw of the bands: the cut-out in view, its classes, its
// refinement and the picture at the exact size of the field's box.
#include "map/isoplages.h"

#include "gribdata/globales.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Index of the last grid line before the view (0 when none) and of the
// first at or past its far edge (the last line when none, `trouvee` false):
// the cut-out keeps one line beyond each edge. `ecran` gives a line's
// screen position.
template <class F>
void vLimites(int n, int taille, F ecran, int& premiere, int& derniere, bool& trouvee)
{
    premiere = 0;
    derniere = n - 1;
    trouvee = false;
    for (int i = 0; i < n; ++i) {
        const int p = ecran(i);
        if (p < 0) {
            premiere = i;
        } else if (p >= taille) {
            derniere = i;
            trouvee = true;
            return;
        }
    }
}

// The maximum of the values is taken over them shifted by 2^31 + 1 as
// unsigned, which wraps the absent mark (the largest int) to 0, below any
// value.
constexpr unsigned DECALAGE_EXTREMES = 0x80000001u;

// The smallest value and the largest shifted one of n values; a count
// known when compiling lets the compiler make it vector code.
template <size_t N>
void vExtremesBloc(const int* v, size_t n, int& minimum, unsigned& maximum)
{
    int m = ISOPLAGES_ABSENT;
    unsigned M = 0;
    for (size_t i = 0; i < (N ? N : n); ++i) {
        m = std::min(m, v[i]);
        M = std::max(M, unsigned(v[i]) + DECALAGE_EXTREMES);
    }
    minimum = m;
    maximum = M;
}

}  // namespace

// Block by block: each block's smallest and largest value are taken
// without branches, and a block is searched for where they first occur
// only when it holds a new extreme.
void isoplages::Extremes::vParcourir(const int* v, size_t debut, size_t fin)
{
    constexpr size_t BLOC = 256;
    for (; debut < fin; debut += BLOC) {
        const size_t taille = std::min(BLOC, fin - debut);
        int m;
        unsigned M;
        if (taille == BLOC)
            vExtremesBloc<BLOC>(v + debut, BLOC, m, M);
        else
            vExtremesBloc<0>(v + debut, taille, m, M);
        if (m < minimum) {
            minimum = m;
            iMin = size_t(std::find(v + debut, v + debut + taille, m) - v);
        }
        if (M > maximum) {
            maximum = M;
            iMax = size_t(std::find(v + debut, v + debut + taille, int(M - DECALAGE_EXTREMES)) - v);
        }
    }
}

void isoplages::vViderImage()
{
    image.clear();
    visible.clear();
    colonnes = lignes = colonnesLabels = lignesLabels = 0;
}

void isoplages::calcul(double& n, double& s, double& o, double& e, double decalage)
{
    vViderImage();
    nord = la1;
    sud = la2;
    ouest = lo1 + decalage;
    est = lo2 + decalage;
    const bool utilisable = !grille.empty() && vue.utilisable();
    const bool dessin = utilisable && bClassesEtImage(decouper(decalage));
    n = nord;
    s = sud;
    o = ouest;
    e = est;
    // The colouring marked the isolines as it went.
    if (!dessin)
        vViderImage();
}

isoplages::Extremes isoplages::decouper(double decalage)
{
    int l0, l1, c0, c1;
    bool basTrouve, estTrouve;
    const double pasY = pasLatitudeTravail, pasX = pasLongitudeTravail;
    const double x0 = double(lo1) + decalage;
    vLimites(lignesGrille, vue.hauteur,
             [&](int i) { return iTronqueBorne(vue.ligne(la1 - i * pasY)); }, l0, l1, basTrouve);
    vLimites(colonnesGrille, vue.largeur,
             [&](int i) { return iTronqueBorne(vue.colonne(x0 + i * pasX)); }, c0, c1, estTrouve);
    nord = la1 - l0 * pasY;
    if (basTrouve)
        sud = la1 - l1 * pasY;
    ouest = x0 + c0 * pasX;
    if (estTrouve)
        est = x0 + c1 * pasX;

    colonnes = c1 - c0 + 1;
    lignes = l1 - l0 + 1;
    Extremes extremes;
    if (colonnes == colonnesGrille) {
        // Whole rows: the grid's own, not copied.
        visible.vVoir(&grille[size_t(l0) * colonnesGrille], size_t(colonnes) * lignes);
        extremes.vParcourir(visible.data(), 0, visible.size());
        return extremes;
    }
    visible.resize(size_t(colonnes) * lignes);
    // The extremes of each row as soon as it is copied, while it is in
    // the cache.
    for (int l = 0; l < lignes; ++l) {
        const size_t debut = size_t(l) * colonnes;
        std::memcpy(&visible[debut], &grille[size_t(l0 + l) * colonnesGrille + c0],
                    sizeof(int) * colonnes);
        extremes.vParcourir(visible.data(), debut, debut + colonnes);
    }
    return extremes;
}

// The classes of the cut-out, its refinement, its colours and the picture
// at the box's pixel size; false when there is nothing to draw: every
// point in view absent, a step that cannot divide, a picture beyond reason.
bool isoplages::bClassesEtImage(const Extremes& extremes)
{
    if (!extremes.maximum)
        return false;
    const int minimum = visible.data()[extremes.iMin], maximum = visible.data()[extremes.iMax];
    const Famille f = famille(parametre);
    const bool automatique = f == COUCHE || f == AUTRE;
    const bool nouveaux = automatique && autoPas == 0 && autoReference == 0;
    if (nouveaux)
        vNombresAutomatiques(minimum, maximum);
    if (!bPasUtilisables())
        return false;
    if (nouveaux || !automatique)
        vNombresDeClasses(minimum, maximum);

    const int64_t hauteurPixels = std::max<int64_t>(
        1, int64_t(iTronqueBorne(vue.ligne(sud))) - iTronqueBorne(vue.ligne(nord)));
    const int64_t largeurPixels = std::max<int64_t>(
        1, int64_t(iTronqueBorne(vue.colonne(est))) - iTronqueBorne(vue.colonne(ouest)));
    if (hauteurPixels * largeurPixels > ISOPLAGES_PIXELS_MAX) {
        vJournal("<FDCGRIB>", "isoplages : image de %lld x %lld refusee\n",
                 static_cast<long long>(largeurPixels), static_cast<long long>(hauteurPixels));
        return false;
    }
    for (int passe = 0; passe < 8 && lignes < hauteurPixels && lignes > 1 &&
                        int64_t(2 * colonnes - 1) * (2 * lignes - 1) <= ISOPLAGES_CELLULES_MAX;
         ++passe) {
        if (manquant)
            interpolation_avec_terre();
        else
            interpolation_sans_terre();
    }
    colonnesLabels = colonnes;
    lignesLabels = lignes;
    vPreparerImage(int(largeurPixels), int(hauteurPixels));
    vColorier();
    return true;
}

bool isoplages::extremes(size_t& iMin, size_t& iMax) const
{
    Extremes e;
    e.vParcourir(visible.data(), 0, visible.size());
    iMin = e.iMin, iMax = e.iMax;
    return e.maximum != 0;
}

void isoplages::interpolation_avec_terre()
{
    vDoublerVisible(true);
}

void isoplages::interpolation_sans_terre()
{
    vDoublerVisible(false);
}

void isoplages::vDoublerVisible(bool absents)
{
    vDoublerGrille(visible, colonnes, lignes, tampon_, absents);
    visible.swap(tampon_);
    colonnes = 2 * colonnes - 1;
    lignes = 2 * lignes - 1;
}

// The picture at the box's pixel size: each pixel takes its nearest cell,
// an index that reaches the grid's size being its last line. Only those
// cells are coloured.
void isoplages::vPreparerImage(int largeur, int hauteur)
{
    sourcesX_.resize(size_t(largeur));
    for (int x = 0; x < largeur; ++x)
        sourcesX_[x] = std::min(colonnes - 1, int(double(x) * colonnes / largeur + 0.5));
    sourcesY_.resize(size_t(hauteur));
    for (int y = 0; y < hauteur; ++y)
        sourcesY_[y] = std::min(lignes - 1, int(double(y) * lignes / hauteur + 0.5));
    image.resize(size_t(largeur) * hauteur * 4);
    colonnes = largeur;
    lignes = hauteur;
}
