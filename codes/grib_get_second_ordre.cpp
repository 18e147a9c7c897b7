// Second-order packing by rows: one first-order value per row, then each
// point's second-order value in its row's width.
#include "codes/grib_get.h"
#include "codes/grib_get_codes.h"

#include <cmath>
#include <new>

int CLASS_GRIB_GET::iGetValeursCompressees()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetValeursCompressees");
    const uint64_t ni = ui_ll_ni, nj = ui_ll_nj, points = ni * nj;
    if (ui_so_p1 != nj || nj == 0 || !pui_so_largeurs)
        return iRefus("type de compression non implementee");
    if (points == 0)
        return iRefus("grille sans point");
    if (points > POINTS_SANS_CODE_MAX) {
        CLASS_CODES_LOGERR::iErr(-1, "grille trop grande", "%llu points", (unsigned long long)points);
        return 1;
    }
    const unsigned char* carte = puc_s3_bitmap;
    if (carte && ui_s3_bits_bitmap < points)
        return iRefus("bit map plus courte que la grille");
    // Both blocks of codes must lie inside section 4.
    const uint64_t bits4 = (uint64_t)ui_s4_longueur * 8;
    const uint64_t bits = ui_s4_bits_par_valeur;
    uint64_t secondOrdre = 0;
    for (uint64_t g = 0; g < nj; ++g) {
        uint64_t presents = ni;
        if (carte) {
            presents = 0;
            for (uint64_t i = 0; i < ni; ++i)
                presents += bBit(carte, g * ni + i);
        }
        secondOrdre += presents * pui_so_largeurs[g];
    }
    if (ui_so_n1 == 0 || ui_so_n2 == 0 || (ui_so_n1 - 1ull) * 8 + nj * bits > bits4 ||
        (ui_so_n2 - 1ull) * 8 + secondOrdre + ui_s4_bits_inutilises > bits4)
        return iRefus("section 4 trop courte");
    float* valeurs = pf_s4_valeurs = new (std::nothrow) float[points];
    uint32_t* premiers = new (std::nothrow) uint32_t[nj];
    if (!valeurs || !premiers) {
        delete[] premiers;
        return iRefus("memoire insuffisante");
    }
    LecteurCodes lecteur(*this, ui_s4_position + (ui_so_n1 - 1ull) * 8, (unsigned int)bits);
    for (uint64_t g = 0; g < nj; ++g) {
        premiers[g] = lecteur.suivant();
        if (pui_so_largeurs[g] > ui_largeur_max)
            ui_largeur_max = pui_so_largeurs[g];
    }
    const double e = d_s4_deux_puissance_e, r = d_s4_reference, d = std::pow(10.0, -i_s1_d);
    uint64_t max = 0;
    vSeek(ui_s4_position + (ui_so_n2 - 1ull) * 8);
    for (uint64_t g = 0; g < nj; ++g)
        for (uint64_t i = 0; i < ni; ++i) {
            const uint64_t k = g * ni + i;
            if (carte && !bBit(carte, k)) {
                valeurs[k] = f_valeur_absente;
                continue;
            }
            const uint64_t code = (uint64_t)premiers[g] + ulRead(pui_so_largeurs[g]);
            max = code > max ? code : max;
            valeurs[k] = (float)(((double)code * e + r) * d);
        }
    delete[] premiers;
    ui_s4_code_max = (unsigned int)(max > 0xFFFFFFFFull ? 0xFFFFFFFFull : max);
    ui_s4_nombre_valeurs = (unsigned int)points;
    ui_s4_valeurs_decodees = (unsigned int)points;
    return iGetValeursTestFin(ulTell());
}
