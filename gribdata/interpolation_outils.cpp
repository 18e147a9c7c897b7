// The interpolation's globals and its small rules: grids, ranges, dates and
// the weighted mean of two fields.
#include "gribdata/interpolation.h"

#include "codes/date.h"
#include "codes/grib_get.h"
#include "codes/grib_put.h"
#include "codes/vectorisation.h"

#include <algorithm>
#include <cmath>

char GRIB_INTERPOLATION_ENTREE[GRIB_INTERPOLATION_TAILLE] = "";
char GRIB_INTERPOLATION_SORTIE[GRIB_INTERPOLATION_TAILLE] = "";
std::atomic<int> GRIB_INTERPOLATION_START{0};
const int GRIB_INTERPOLATION_PAS = 1;
const int GRIB_INTERPOLATION_ANALYSE = 0;

int iGribControle(CLASS_GRIB_GET& a, CLASS_GRIB_GET& b)
{
    CLASS_CODES_LOGERR contexte("gintertime -> iControle");
    // Same kind of grid, same points in the same order, then the block of
    // that kind: two Gaussian or polar grids are told apart too.
    if (a.ui_stg_type != b.ui_stg_type || a.ui_stg_nombre_points != b.ui_stg_nombre_points ||
        a.ui_stg_balayage != b.ui_stg_balayage)
        return 1;
    const bool ll = a.ui_stg_ll_ni == b.ui_stg_ll_ni && a.ui_stg_ll_nj == b.ui_stg_ll_nj &&
                    a.f_stg_ll_la1 == b.f_stg_ll_la1 && a.f_stg_ll_lo1 == b.f_stg_ll_lo1 &&
                    a.f_stg_ll_la2 == b.f_stg_ll_la2 && a.f_stg_ll_lo2 == b.f_stg_ll_lo2 &&
                    a.f_stg_ll_di == b.f_stg_ll_di && a.f_stg_ll_dj == b.f_stg_ll_dj;
    const bool ga = a.ui_stg_ga_ni == b.ui_stg_ga_ni && a.ui_stg_ga_nj == b.ui_stg_ga_nj &&
                    a.f_stg_ga_la1 == b.f_stg_ga_la1 && a.f_stg_ga_lo1 == b.f_stg_ga_lo1 &&
                    a.f_stg_ga_la2 == b.f_stg_ga_la2 && a.f_stg_ga_lo2 == b.f_stg_ga_lo2 &&
                    a.f_stg_ga_di == b.f_stg_ga_di && a.ui_stg_ga_n == b.ui_stg_ga_n;
    const bool sp = a.ui_stg_sp_nx == b.ui_stg_sp_nx && a.ui_stg_sp_ny == b.ui_stg_sp_ny &&
                    a.f_stg_sp_la1 == b.f_stg_sp_la1 && a.f_stg_sp_lo1 == b.f_stg_sp_lo1 &&
                    a.f_stg_sp_lov == b.f_stg_sp_lov && a.f_stg_sp_dx == b.f_stg_sp_dx &&
                    a.f_stg_sp_dy == b.f_stg_sp_dy;
    return ll && ga && sp ? 0 : 1;
}

int iGribSetEcheance(unsigned int ajout, CLASS_GRIB_PUT& put)
{
    CLASS_CODES_LOGERR contexte("gintertime -> iGribSetEcheance");
    unsigned int echeance = 0;
    unsigned int p1 = put.ui_stg_p1, p2 = put.ui_stg_p2, indicateur = put.ui_stg_indicateur;
    switch (put.iGetEcheance(indicateur, p1, p2, echeance)) {
    case 1:  // P1; beyond one octet, the 16-bit range of indicator 10
        if (p1 + ajout <= 255) {
            p1 += ajout;
            break;
        }
        indicateur = 10;
        echeance = p1 + ajout;
        p1 = echeance / 256;
        p2 = echeance % 256;
        break;
    case 2:  // 123, 124: P2
        p2 += ajout;
        break;
    case 4:  // 10: P1 x 256 + P2
        echeance += ajout;
        p1 = echeance / 256;
        p2 = echeance % 256;
        break;
    case 0:  // an analysis becomes a forecast of `ajout`
        indicateur = 10;
        p1 = ajout / 256;
        p2 = ajout % 256;
        break;
    default:
        // A range from P1 to P2 (a mean, a total, a difference): the
        // interpolated field covers the same start to a later end.
        if (indicateur >= 2 && indicateur <= 5) {
            p2 += ajout;
            break;
        }
        p1 += ajout;
        p2 += ajout;
    }
    if (p1 > 255 || p2 > 255)
        return 1;
    put.ui_stg_p1 = p1;
    put.ui_stg_p2 = p2;
    put.ui_stg_indicateur = indicateur;
    return 0;
}

unsigned int uiBitsReencodage(const CLASS_GRIB_GET& g)
{
    const unsigned int premier = g.ui_stg_bits_par_valeur;
    if (!g.ui_s4_second_ordre || !g.pf_stg_valeurs)
        return premier;
    const float* v = g.pf_stg_valeurs;
    double min = HUGE_VAL, max = -HUGE_VAL;
    for (unsigned long k = 0; k < g.ui_stg_nombre_points; ++k)
        if (v[k] != CLASS_GRIB_BASE::f_valeur_absente)
            min = std::min(min, double(v[k])), max = std::max(max, double(v[k]));
    if (!(max > min))
        return premier;
    const double pas = std::ldexp(1.0, g.i_s4_e) / std::pow(10.0, g.i_s1_d);
    const double pas_nombre = std::floor((max - min) / pas + 0.5);
    unsigned int bits = 0;
    while (bits < 32 && std::ldexp(1.0, int(bits)) <= pas_nombre)
        ++bits;
    return std::max(premier, std::min({bits, g.ui_largeur_max, 24u}));
}

std::vector<unsigned char> vChampConstant(const std::vector<unsigned char>& octets,
                                          const CLASS_GRIB_GET& g, const CLASS_GRIB_PUT& e,
                                          float valeur)
{
    std::vector<unsigned char> m = octets;
    unsigned char* s1 = m.data() + g.ui_s1_position / 8;
    s1[18] = (unsigned char)e.ui_stg_p1;
    s1[19] = (unsigned char)e.ui_stg_p2;
    s1[20] = (unsigned char)e.ui_stg_indicateur;
    unsigned char octet = 0;
    unsigned long mantisse = 0;
    CLASS_GRIB_PUT::vExposantMantisse(double(valeur) * std::pow(10.0, g.i_s1_d), octet, mantisse);
    unsigned char* s4 = m.data() + g.ui_s4_position / 8;
    s4[6] = octet;
    s4[7] = (unsigned char)(mantisse >> 16);
    s4[8] = (unsigned char)(mantisse >> 8);
    s4[9] = (unsigned char)mantisse;
    return m;
}

void vGribSetDate(long temps, CLASS_GRIB_PUT& put)
{
    CLASS_CODES_LOGERR contexte("gintertime -> vGribSetDate");
    int annee, mois, jour, heure, minute, seconde;
    CLASS_CODES_DATE().vSetDate(temps, annee, mois, jour, heure, minute, seconde);
    put.ui_stg_cle_date = 0;
    put.ui_stg_annee = (unsigned int)(annee % 100);
    put.ui_stg_siecle = (unsigned int)(annee / 100 + 1);
    put.ui_stg_mois = (unsigned int)mois;
    put.ui_stg_jour = (unsigned int)jour;
    put.ui_stg_heure = (unsigned int)heure;
    put.ui_stg_minute = (unsigned int)minute;
    put.ui_stg_indicateur = 1;
    put.ui_stg_p1 = put.ui_stg_p2 = 0;
}

VARIANTES_AVX2
void vGribInterpolation(float* a, float* b, float* out, float wa, float wb, int n, int angles)
{
    const float absent = CLASS_GRIB_BASE::f_valeur_absente;
    // Without branches, so that the loops vectorise.
    if (!angles) {
        for (int i = 0; i < n; ++i) {
            const float x = a[i], y = b[i];
            out[i] = fChoix((x == absent) | (y == absent), absent, wa * x + wb * y);
        }
        return;
    }
    // The unwrap and the mean of every point, and from 360 to 720 the
    // remainder by 360, which is there v - 360 exactly; what is still
    // outside 0 .. 360 (seldom anything) then takes fmod.
    int horsCercle = 0;
    for (int i = 0; i < n; ++i) {
        const float x = a[i], y = b[i];
        const bool present = (x != absent) & (y != absent);
        const bool tour = present & (std::fabs(x - y) > 180);
        const bool basse = x < 180;
        a[i] = fChoix(tour & basse, x + 360, x);
        b[i] = fChoix(tour & !basse, y + 360, y);
        const float v = wa * a[i] + wb * b[i];
        const float reste = fChoix((v >= 360) & (v <= 720), v - 360, v);
        out[i] = fChoix(present, reste, absent);
        horsCercle |= present & !((reste >= 0) & (reste < 360));
    }
    for (int i = 0; horsCercle && i < n; ++i)
        if (!(out[i] >= 0 && out[i] < 360))
            out[i] = std::fmod(out[i], 360.0f);
}
