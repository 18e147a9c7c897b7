// Matrices of values at each grid point (wave spectra), with optional
// secondary bit maps saying which values of each matrix are present.
#include "codes/grib_get.h"
#include "codes/grib_get_codes.h"

#include <cmath>
#include <new>

int CLASS_GRIB_GET::iGetValeursSpectrales()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetValeursSpectrales");
    const uint64_t taille = (uint64_t)ui_mv_nr * ui_mv_nc;
    const uint64_t matrices = ui_mv_nombre_matrices;
    const unsigned char* carte = puc_s3_bitmap;
    const unsigned char* secondaires = ui_o14_bitmaps_secondaires ? puc_mv_bitmaps_secondaires
                                                                   : nullptr;
    if (taille == 0 || matrices < ui_nombre_points)
        return iRefus("moins de matrices que de points");
    const uint64_t presentes = carte ? ulBitsAUn(carte, matrices) : matrices;
    // Codes the present values take, counted before anything is read.
    uint64_t codes = presentes * taille;
    if (secondaires) {
        if (presentes > ui_mv_octets1213)
            return iRefus("bitmaps secondaires trop courtes");
        codes = ulBitsAUn(secondaires, presentes * taille);
    }
    if (codes > ui_mv_valeurs_codees)
        return iRefus("section 4 trop courte");
    ppf_mv_matrices = new (std::nothrow) float*[matrices ? matrices : 1]();
    if (!ppf_mv_matrices)
        return iRefus("memoire insuffisante");
    ui_matrices_allouees = (unsigned int)matrices;
    const double e = d_s4_deux_puissance_e, r = d_s4_reference, d = std::pow(10.0, -i_s1_d);
    LecteurCodes lecteur(*this, ui_s4_position_donnees, ui_s4_bits_par_valeur);
    uint32_t max = 0;
    uint64_t indice = 0;  // secondary bit of the present points only
    for (uint64_t k = 0; k < matrices; ++k) {
        if (carte && !bBit(carte, k))
            continue;
        float* m = ppf_mv_matrices[k] = new (std::nothrow) float[taille];
        if (!m)
            return iRefus("memoire insuffisante");
        for (uint64_t v = 0; v < taille; ++v, ++indice) {
            if (secondaires && !bBit(secondaires, indice)) {
                m[v] = f_valeur_absente;
                continue;
            }
            const uint32_t code = lecteur.suivant();
            max = code > max ? code : max;
            m[v] = (float)(((double)code * e + r) * d);
        }
    }
    ui_s4_code_max = max;
    return iGetValeursTestFin(ui_s4_position_donnees +
                              (unsigned long)(codes * ui_s4_bits_par_valeur));
}
