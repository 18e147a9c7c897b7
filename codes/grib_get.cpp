// Decoding one message: sections, then values by packing.
#include "codes/grib_get.h"

#include <cmath>

int CLASS_GRIB_GET::iGet(int raw)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGet");
    if (ui_valeurs_decodees)
        return (CLASS_CODES_LOGERR::iErr(-1, "message deja traite"), 1);
    vGetFree();
    if (!ui_sections_decodees && iGetSections() != 0)
        return 1;
    if (ui_s4_harmoniques)
        return (CLASS_CODES_LOGERR::iErr(-1, "Section 4 non traitee"), 1);
    ui_largeur_max = ui_s4_bits_par_valeur;
    int r;
    if (raw) {
        // Raw codes are the codes of simple packing only.
        if (ui_s4_second_ordre || ui_o14_matrice)
            return (CLASS_CODES_LOGERR::iErr(-1, "type de compression non implementee"), 1);
        r = iGetEcarts();
        pui_stg_codes = pui_s4_codes;
    } else if (ui_s4_drapeaux_octet14 && ui_o14_matrice) {
        r = iGetValeursSpectrales();
        ppf_stg_matrices = ppf_mv_matrices;
    } else {
        r = ui_s4_second_ordre ? iGetValeursCompressees() : iGetValeurs();
        pf_stg_valeurs = pf_s4_valeurs;
    }
    if (r != 0)
        return 1;
    d_stg_maximum = d_s4_maximum;
    ui_valeurs_decodees = 1;
    return 0;
}

int CLASS_GRIB_GET::iGetValeursTestFin(unsigned long position)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetValeursTestFin");
    d_s4_maximum = ((double)ui_s4_code_max * d_s4_deux_puissance_e + d_s4_reference) /
                   std::pow(10.0, i_s1_d);
    const unsigned long fin = position + ui_s4_bits_inutilises;
    if (fin > ui_s5_position)
        return (CLASS_CODES_LOGERR::iErr(-1, "fin de section 4 incorrecte", "%ld+%u != %ld",
                                         (long)position, ui_s4_bits_inutilises,
                                         (long)ui_s5_position), 1);
    if (fin == ui_s5_position)
        CLASS_CODES_LOGERR::iErr(0, "fin de section 4 correcte", "%ld+%u != %ld",
                                 (long)position, ui_s4_bits_inutilises, (long)fin);
    else
        CLASS_CODES_LOGERR::iErr(1, "fin de section 4 prématurée", "%ld+%u != %ld",
                                 (long)position, ui_s4_bits_inutilises, (long)ui_s5_position);
    return 0;
}

void CLASS_GRIB_GET::vGetFree()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vGetFree");
    delete[] pf_s4_valeurs;
    delete[] pui_s4_codes;
    pf_s4_valeurs = nullptr;
    pui_s4_codes = nullptr;
    ui_s4_valeurs_decodees = 0;
    if (ppf_mv_matrices)
        for (unsigned int k = 0; k < ui_matrices_allouees; ++k)
            delete[] ppf_mv_matrices[k];
    delete[] ppf_mv_matrices;
    ppf_mv_matrices = nullptr;
    ui_matrices_allouees = 0;
    pf_stg_valeurs = nullptr;
    pui_stg_codes = nullptr;
    ppf_stg_matrices = nullptr;
}

bool CLASS_GRIB_GET::bConstant(float& valeur) const
{
    if (!ui_sections_decodees || ui_s4_bits_par_valeur != 0 || ui_s1_section3 ||
        ui_s4_second_ordre || ui_s4_drapeaux_octet14 || ui_s4_harmoniques ||
        ui_nombre_points > POINTS_CONSTANT_MAX)
        return false;
    // Its reference value, its decimal scale left aside: how eccodes and
    // the encoders that write such fields read them.
    valeur = (float)d_s4_reference;
    return true;
}
