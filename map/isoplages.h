// The colour bands of one decoded field. `set` copies the field into a grid
// of scaled integers (value x scale, truncated toward zero; absent points
// are ISOPLAGES_ABSENT) and makes it finer once; at every redraw `calcul`
// cuts out the part in view, refines it to at least one grid row per screen
// row, colours every cell by the parameter's scheme, resamples the result
// to the exact pixel size of the field's box and marks the isolines.
// Everything here works on plain buffers: it runs without a display.
//
// The map's field drawing owns one or two of these per displayed field (in
// the record's two contouring caches) and copies its settings and view into
// them before each `calcul`; the labels read the visible grid, its size,
// the picture bounds and the view that the last `calcul` left.
#ifndef MAP_ISOPLAGES_H
#define MAP_ISOPLAGES_H

#include "map/cellules_visibles.h"
#include "map/grille_isoplages.h"
#include "map/vue_carte.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class Grib;
class TraceGlyphes;

// A wind or wave-height step with this value means fixed classes
// (Beaufort forces, sea states) instead of an interval.
constexpr int ISOPLAGES_CLASSES = 2147483647;
// No band picture is made beyond this many pixels (256 MB): only a coarse
// field on a very large screen at the deepest zoom would ask for more.
constexpr long long ISOPLAGES_PIXELS_MAX = 1LL << 26;

// Installs the function through which a GRIB record frees its contouring
// caches. `set` installs it too, so it is in place before any cache exists;
// start-up may call it as well.
void vInstallerLiberationIsoplages();

class isoplages {
public:
    // Parameter families: how a field is scaled, coloured and labelled.
    enum Famille {
        PRESSION, TEMPERATURE, VENT, COURANT, HUMIDITE, PLUIE, COUCHE, VAGUE, PERIODE, AUTRE
    };
    static Famille famille(int parametre);
    // Ni columns Di millidegrees apart make the whole turn of the globe.
    static bool bTourComplet(int ni, int di);
    // Colour formulas: blues (cold), reds (warm), and the cold one with red
    // held at 1 for humidity.
    enum Formule { FROIDE, CHAUDE, HUMIDE };
    // Red, green, blue of class `n` (1 next to the reference) of a side of
    // `nombre` classes spread over a colour span `etendue`.
    static void vCouleurClasse(unsigned char* rvb, long long n, int etendue, int nombre,
                               Formule f);

    // Band picture: `colonnes` x `lignes` pixels of red, green, blue, alpha,
    // rows from the north; empty when `calcul` made none.
    TamponBrut<unsigned char> image;
    TamponBrut<int> grille;        // the whole field, refined by `set`
    Grib* champ = nullptr;         // not owned
    const float* valeurs = nullptr;  // the field's values `set` read
    // The cut-out in view, refined: colonnesLabels x lignesLabels; empty
    // when `calcul` made no picture (then there are no labels either).
    // Rows of `grille` itself when the cut-out spans them unrefined.
    CellulesVisibles visible;
    int parametre = 0;
    int nombreChaud = 0, nombreFroid = 0;  // colour classes on each side
    int colonnes = 0, lignes = 0;  // working size; after `calcul` the picture's
    int colonnesLabels = 0, lignesLabels = 0;
    int lignesGrille = 0, colonnesGrille = 0;
    int manquant = 0;              // the field has absent points
    int opacite = 0;               // alpha of coloured pixels: 0..254, never 128
    int isolignesActives = 0;      // mark isolines in the picture

    // Settings of each family, in stored units (value x echelle).
    int pressionPas = 0, pressionReference = 0;
    int temperaturePas = 0, temperatureReference = 0;  // kelvin
    int ventPas = 0, ventReference = 0, ventForceReference = 0;
    int etendueFroide = 164, etendueChaude = 164;      // colour spans
    int vagueReference = 0, vaguePas = 0, vagueClasseReference = 0;
    int periodeReference = 0, periodePas = 0;
    int humiditeReference = 0, humiditePas = 0;
    int courantPas = 0, courantReference = 0;
    int pluiePas = 0, pluieReference = 0, pluieSeuil = 0;
    int couchePas = 0, coucheReference = 0, coucheSeuil = 0;
    int autoPas = 0, autoReference = 0;  // chosen from the first view
    int echelle = 1000;

    // The settings a picture was made with, to tell whether it still holds:
    // every setting above that changes the picture or its labels belongs
    // here. The colour spans, which `calcul` works out, and the scale, which
    // `set` takes from the field, are left out.
    using Reglages = std::array<int, 26>;
    Reglages reglages() const
    {
        return {opacite, isolignesActives, pressionPas, pressionReference, temperaturePas,
                temperatureReference, ventPas, ventReference, ventForceReference,
                vagueReference, vaguePas, vagueClasseReference, periodeReference, periodePas,
                humiditeReference, humiditePas, courantPas, courantReference, pluiePas,
                pluieReference, pluieSeuil, couchePas, coucheReference, coucheSeuil, autoPas,
                autoReference};
    }

    VueCarte vue;  // copied in before each `calcul` and labelling
    TraceGlyphes* trace = nullptr;  // where the labels are drawn; copied in too

    // Field bounds and steps, degrees; the working steps halve with each
    // refinement of `set`. A grid round the globe ends at lo1 + 360, its
    // first column repeated.
    float la1 = 0, la2 = 0, lo1 = 0, lo2 = 0;
    float pasLongitude = 0, pasLatitude = 0;
    float pasLatitudeTravail = 0, pasLongitudeTravail = 0;
    // Bounds of the picture the last `calcul` made.
    double nord = 0, sud = 0, ouest = 0, est = 0;
    // Shown value = stored value x facteurAffichage + decalageAffichage.
    double facteurAffichage = 1, decalageAffichage = 0;
    int decalageEntier = 0;  // the display offset in stored units (kelvin)

    // Loads the field; mode 1 takes its second array (rain amounts), as do
    // wind and current speeds (parameters 34 and 50).
    void set(Grib* champ, int mode);
    // Makes the picture of the copy of the field shifted by `decalage`
    // degrees of longitude; answers its bounds.
    void calcul(double& nord, double& sud, double& ouest, double& est, double decalage);
    // One doubling of the visible grid, with or without absent points.
    void interpolation_avec_terre();
    void interpolation_sans_terre();
    // Colour schemes of rain, layer depth, periods, wave heights and any
    // other parameter, into the cell picture.
    void pluie();
    void ekman();
    void periode();
    void hauteur();
    void autres();
    // Marks the borders between colour classes in the picture (the
    // colouring of `calcul` does it row by row as it goes).
    void isolignes();
    // Writes the values of the last picture over the map, through `trace`
    // (nothing without it).
    void labels();

    // Step and reference of the family's isolines, stored units.
    void vPasReference(int& pas, int& reference) const;
    bool bClassesBeaufort() const;
    bool bClassesMer() const;
    // Positions in `visible` of its smallest and largest value (absent
    // points left out, the first in row order wins a tie); false when
    // every point is absent.
    bool extremes(size_t& iMin, size_t& iMax) const;

private:
    void vConstantes(int mode);
    bool bCopierValeurs(bool tour);
    void vAffiner();
    void vDoublerVisible(bool absents);
    bool bPasUtilisables();
    void vNombresDeClasses(int minimum, int maximum);
    void vNombresAutomatiques(int minimum, int maximum);
    void vEtendues();
    void vColorier();
    void vPlages(int reference, int pas, Formule dessous, Formule dessus, int seuil);
    void vCouleur(unsigned char* rvb, long long n, Formule f) const;
    // A colour word and the values [debut, fin) that share it.
    struct Plage {
        int64_t debut, fin;
        uint32_t mot;
    };
    template <class F>
    void vPourChaqueCellule(F plage);
    void vPreparerImage(int largeur, int hauteur);
    bool bIsolignesAMarquer() const;
    void vIsolignesLigne(int y);
    void vViderImage();

    // The smallest and the largest present value of cells met in order,
    // where each first occurs; the largest is kept shifted (absent: 0).
    struct Extremes {
        int minimum = ISOPLAGES_ABSENT;
        unsigned maximum = 0;
        size_t iMin = 0, iMax = 0;
        void vParcourir(const int* v, size_t debut, size_t fin);
    };
    // Cuts the part in view out into `visible`; answers its extremes,
    // before its refinement.
    Extremes decouper(double decalage);
    bool bClassesEtImage(const Extremes& extremes);

    TamponBrut<int> tampon_;  // the other half of a doubling
    // The visible grid's column and row of each pixel of the picture.
    std::vector<int> sourcesX_, sourcesY_;
    int pasSignale_ = 0;      // the step fault is logged once
};

#endif
