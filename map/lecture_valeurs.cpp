#include "map/lecture_valeurs.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/serie_grib.h"
#include "map/cellule_grille.h"
#include "map/lecture_texte.h"
#include "map/nom_niveau.h"
#include "ui/local.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

namespace {

const char* const DEGRE = "°";
const char* const V1 = "<font color=\"#880000\"><b>%.1f</b></font> ";
const char* const VD = "<font color=\"#880000\"><b>%d</b></font> ";
const char* const VB = "<font color=\"#5b3804\"><b>%.0f</b></font> ";
const char* const VR = "<font color=\"#880000\">%.2f</font> ";

// A field of one value and unit on one line.
struct Simple {
    int parametre;
    const char* libelle;
    bool traduit;
    int style;
    double diviseur, decalage;
    const char* unite;
};
const Simple SIMPLES[] = {
    {2, CLE_LOCAL("Pression"), true, LECTURE_LIBELLE, 100.0, 0.0, "hPa"},
    {176, CLE_LOCAL("Flux solaire"), true, LECTURE_LIBELLE, 1.0, 0.0, "kJ/m²"},
    {11, CLE_LOCAL("Temperature"), true, LECTURE_LIBELLE, 1.0, -273.15, "°C"},
    {80, CLE_LOCAL("Temperature"), true, LECTURE_LIBELLE, 1.0, -273.15, "°C"},
    {52, CLE_LOCAL("Humidite"), true, LECTURE_LIBELLE, 1.0, 0.0, "%"},
    {67, "Epaisseur de la couche d'Ekman (mètre)", false, LECTURE_LIBELLE, 1.0, 0.0, "m"},
    {201, CLE_LOCAL("Periode"), true, LECTURE_ITALIQUE, 1.0, 0.0, "sec"},
    {103, CLE_LOCAL("Periode"), true, LECTURE_ITALIQUE, 1.0, 0.0, "sec"},
    {106, CLE_LOCAL("Periode"), true, LECTURE_ITALIQUE, 1.0, 0.0, "sec"},
    {108, CLE_LOCAL("Periode"), true, LECTURE_ITALIQUE, 1.0, 0.0, "sec"},
    {110, CLE_LOCAL("Periode"), true, LECTURE_ITALIQUE, 1.0, 0.0, "sec"},
};

// The heading of a wave direction, or null for any other parameter.
const char* pcVagues(int parametre)
{
    switch (parametre) {
    case 200: return CLE_LOCAL("Mer totale");
    case 101: return CLE_LOCAL("Mer du vent");
    case 104: return CLE_LOCAL("Houle");
    case 107: return CLE_LOCAL("Houle primaire");
    case 109: return CLE_LOCAL("Houle secondaire");
    default: return nullptr;
    }
}

bool bHauteur(int p)
{
    return p == 100 || p == 102 || p == 105 || p == 202 || p == 203;
}

// The grid point nearest to the position, in the field's own grid; false
// outside it.
bool bIndice(const Grib& g, double latitude, double longitude, size_t& k)
{
    CelluleGrille c;
    if (!bCelluleGrille(g, latitude, longitude, c))
        return false;
    k = size_t(c.ligne) * size_t(g.ni) + size_t(c.colonne);
    return true;
}

class Lecture {
public:
    Lecture(char* texte, double latitude, double longitude, const grib* liste)
        : texte_(texte), latitude_(latitude), longitude_(longitude), multiples_(liste)
    {
    }

    // The lines of one entry; false when the walk ends here.
    bool bEntree(const grib& r)
    {
        const int p = r.parametre;
        niveau_ = sNiveauDistinct(multiples_, r);
        if (bComposanteU(p)) {
            const grib* v = pComposanteV(r);
            if (!v)
                return false;
            if (p == 33)
                vVent(r, *v);
            else
                vCourant(r, *v);
        } else if (const char* titre = pcVagues(p)) {
            vDirectionVagues(r, titre);
        } else if (bHauteur(p)) {
            vHauteur(r);
        } else if (p == 61) {
            vPluie(r);
        } else {
            vSimple(r);
        }
        return true;
    }

private:
    // The value of the first (0) or second (1) array at the point; false
    // when missing: outside the entry's grid, no such array, or absent.
    bool bValeur(const grib& r, int tableau, double& v) const
    {
        const Grib* g = r.champ;
        const float* t = !g ? nullptr : tableau ? g->valeurs2 : g->valeurs;
        size_t k = 0;
        if (!t || !bIndice(*g, latitude_, longitude_, k) || t[k] == GRIB_ABSENT)
            return false;
        v = t[k];
        return true;
    }

    void set(const char* piece, int style) { vAjouterLecture(texte_, piece, style); }
    void traduit(const char* cle, int style) { set(pcTraduire(cle), style); }
    // An entry's first label, with its level when its parameter has others;
    // `entete` translates it first.
    void enteteBrut(const char* texte, int style) { set((texte + niveau_).c_str(), style); }
    void entete(const char* cle, int style) { enteteBrut(pcTraduire(cle), style); }
    void fin() { set("<br>", LECTURE_BRUT); }
    void nombre(const char* format, double v)
    {
        char piece[96];
        std::snprintf(piece, sizeof piece, format, v);
        set(piece, LECTURE_BRUT);
    }
    void entier(int v)
    {
        char piece[96];
        std::snprintf(piece, sizeof piece, VD, v);
        set(piece, LECTURE_BRUT);
    }
    // " (" value unit ")", the value in the second unit's colour.
    void parenthese(double valeur, const char* unite)
    {
        set(" (", LECTURE_BRUT);
        nombre(VB, valeur);
        set(unite, LECTURE_UNITE);
        set(")", LECTURE_BRUT);
    }

    void vDirection(bool present, double direction)
    {
        traduit(CLE_LOCAL("Direction"), LECTURE_ITALIQUE);
        if (present) {
            entier(int(direction));
            set(DEGRE, LECTURE_UNITE);
        }
        fin();
    }

    void vVent(const grib& u, const grib& v)
    {
        double valeur = 0, direction = 0, s = 0;
        const bool present = bValeur(u, 0, valeur) && bValeur(u, 1, direction) &&
                             bValeur(v, 1, s);
        entete(CLE_LOCAL("Vent"), LECTURE_LIBELLE);
        if (present) {
            entier(iBeaufort(s));
            set("Beaufort", LECTURE_UNITE);
        }
        fin();
        vDirection(present, direction);
        traduit(CLE_LOCAL("Vitesse"), LECTURE_ITALIQUE);
        if (present) {
            if (s < 20.0)
                nombre(V1, s);
            else
                entier(int(s));
            traduit(CLE_LOCAL("Nds"), LECTURE_UNITE);
            parenthese(s * 1.852, "Km/h");
        }
        fin();
        vRafales(present, s);
    }

    void vRafales(bool present, double s)
    {
        if (!present || s < 20.0) {
            set(". ", LECTURE_BRUT);
        } else {
            const double g = s * 1.5;
            traduit(CLE_LOCAL("Rafales"), LECTURE_ITALIQUE);
            nombre(VB, g);
            traduit(CLE_LOCAL("Nds"), LECTURE_BRUT);
            parenthese(g * 1.852, "Km/h");
        }
        fin();
    }

    void vCourant(const grib& u, const grib& v)
    {
        double valeur = 0, direction = 0, s = 0;
        const bool present = bValeur(u, 0, valeur) && bValeur(u, 1, direction) &&
                             bValeur(v, 1, s);
        entete(u.typeNiveau == 160 ? CLE_LOCAL("Courant sous la couche d'Ekman")
                                   : CLE_LOCAL("Courant"),
               LECTURE_TITRE);
        vDirection(present, direction);
        traduit(CLE_LOCAL("Vitesse"), LECTURE_ITALIQUE);
        if (present) {
            nombre(V1, s);
            traduit(CLE_LOCAL("Noeuds"), LECTURE_UNITE);
        }
        fin();
    }

    void vDirectionVagues(const grib& r, const char* titre)
    {
        double d = 0;
        const bool present = bValeur(r, 0, d);
        entete(titre, LECTURE_TITRE);
        traduit(CLE_LOCAL("Direction"), LECTURE_ITALIQUE);
        if (present) {
            entier(int(std::min(360.0, std::max(0.0, d))));
            set(DEGRE, LECTURE_BRUT);
        }
        fin();
    }

    void vHauteur(const grib& r)
    {
        double h = 0;
        const bool present = bValeur(r, 0, h);
        if (r.parametre == 100) {
            entete(CLE_LOCAL("Etat de la mer"), LECTURE_LIBELLE);
            if (present)
                entier(iEtatMer(h));
            fin();
            niveau_.clear();
        }
        entete(CLE_LOCAL("Hauteur"), LECTURE_ITALIQUE);
        if (present) {
            nombre(V1, h);
            set("m", LECTURE_BRUT);
            if (h > 1.0) {
                set(" (", LECTURE_BRUT);
                traduit(CLE_LOCAL("max"), LECTURE_ITALIQUE);
                nombre(VB, h * 1.9);
                set("m", LECTURE_BRUT);
                set(")", LECTURE_BRUT);
            }
        }
        fin();
    }

    void vPluie(const grib& r)
    {
        double cumul = 0, partiel = 0;
        entete(CLE_LOCAL("Pluie"), LECTURE_TITRE);
        if (!bValeur(r, 0, cumul)) {
            set(". ", LECTURE_BRUT);
            fin();
            set(". ", LECTURE_BRUT);
            fin();
            return;
        }
        // No total since the run is known of a step that follows none:
        // its own amount is shown as the step's alone.
        traduit(CLE_LOCAL("cumulees"), LECTURE_ITALIQUE);
        if (r.champ->pluieTotaux) {
            nombre(VR, std::max(0.0, cumul));
            set("mm, l/m2", LECTURE_UNITE);
        } else {
            set(". ", LECTURE_BRUT);
        }
        fin();
        traduit(CLE_LOCAL("partielles"), LECTURE_ITALIQUE);
        if (bValeur(r, 1, partiel)) {
            nombre(VR, std::max(0.0, partiel));
            set("mm, l/m2", LECTURE_BRUT);
        }
        fin();
    }

    void vSimple(const grib& r)
    {
        for (const Simple& s : SIMPLES) {
            if (s.parametre != r.parametre)
                continue;
            double v = 0;
            enteteBrut(s.traduit ? pcTraduire(s.libelle) : s.libelle, s.style);
            if (bValeur(r, 0, v)) {
                nombre(V1, v / s.diviseur + s.decalage);
                set(s.unite, LECTURE_UNITE);
            }
            fin();
            return;
        }
    }

    char* texte_;
    double latitude_, longitude_;
    NiveauxMultiples multiples_;
    std::string niveau_;  // of the entry being written, or empty
};

// How many thresholds the value reaches.
template <size_t N>
int iSeuils(double v, const double (&seuils)[N])
{
    return int(std::count_if(seuils, seuils + N, [v](double s) { return v >= s; }));
}

}  // namespace

int iBeaufort(double noeuds)
{
    static const double SEUILS[] = {1, 4, 7, 11, 16, 22, 28, 34, 41, 48, 56, 64};
    return iSeuils(noeuds, SEUILS);
}

int iEtatMer(double metres)
{
    static const double SEUILS[] = {0.01, 0.1, 0.5, 1.25, 2.5, 4, 6, 9, 14};
    return iSeuils(metres, SEUILS);
}

int iLectureValeurs(const grib* liste, double latitude, double longitude, char* texte,
                    double& longitudeGrille)
{
    if (!liste || !liste->champ)
        return 0;
    const Grib& g = *liste->champ;
    if (!(latitude <= g.la1 / 1000.0 && latitude >= g.la2 / 1000.0))
        return 0;
    // A grid round the earth wraps: its last column and its first have a
    // cell between them like any other two.
    const double ouest = g.lo1 / 1000.0, est = bGrilleGlobale(g) ? ouest + 360.0 : g.lo2 / 1000.0;
    bool dedans = false;
    for (double forme : {longitude, longitude - 360.0, longitude + 360.0}) {
        if (forme >= ouest && forme <= est) {
            longitudeGrille = forme;
            dedans = true;
            break;
        }
    }
    if (!dedans)
        return 0;
    texte[0] = 0;
    Lecture lecture(texte, latitude, longitudeGrille, liste);
    for (const grib* r = liste; r && r->champ; r = r->suivant)
        if (!lecture.bEntree(*r))
            break;
    return 1;
}
