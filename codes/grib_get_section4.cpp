// Section 4's header: simple packing, second order by rows, or matrices of
// values. Every count is checked against the section before it is used.
#include "codes/grib_get.h"
#include "codes/grib_get_codes.h"

#include "codes/octets_grib.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

int CLASS_GRIB_GET_SECTIONS::iSection4()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iSection4");
    const unsigned char* s = puc_debut + ui_s4_position / 8;
    ui_s4_harmoniques = s[3] >> 7 & 1;
    ui_s4_second_ordre = s[3] >> 6 & 1;
    ui_s4_entiers = s[3] >> 5 & 1;
    ui_s4_drapeaux_octet14 = s[3] >> 4 & 1;
    ui_s4_bits_inutilises = s[3] & 0x0F;
    if (ui_s4_harmoniques)
        CLASS_CODES_LOGERR::iErr(1, "Coefficients harmoniques non traites");
    if (ui_s4_entiers)
        CLASS_CODES_LOGERR::iErr(1, "Nombres entiers non traites");
    ui_s4_e = u16(s + 4);
    ui_s4_reference_octet = s[6];
    ui_s4_reference_mantisse = u24(s + 7);
    ui_s4_bits_par_valeur = s[10];
    // The bit cursor reads 32 bits at most.
    if (ui_s4_bits_par_valeur > 32)
        return (CLASS_CODES_LOGERR::iErr(-1, "nombre de bits par valeur incorrect", "%u",
                                         ui_s4_bits_par_valeur), 1);
    const uint64_t bits = (uint64_t)ui_s4_longueur * 8;
    if (!ui_s4_drapeaux_octet14) {
        if (bits < 88 + ui_s4_bits_inutilises)
            return iRefus("section 4 incorrecte");
        ui_s4_position_donnees = ui_s4_position + 88;
        ui_s4_nombre_valeurs = ui_s4_bits_par_valeur
                                   ? (unsigned int)((bits - ui_s4_bits_inutilises - 88) /
                                                    ui_s4_bits_par_valeur)
                                   : 0;
        vFacteurExposantMantisse();
        return 0;
    }
    if (ui_s4_longueur < 14)
        return iRefus("section 4 incorrecte");
    ui_mv_octets1213 = u16(s + 11);
    ui_o14_reserve = s[13] >> 7 & 1;
    ui_o14_matrice = s[13] >> 6 & 1;
    ui_o14_bitmaps_secondaires = s[13] >> 5 & 1;
    ui_o14_largeurs_differentes = s[13] >> 4 & 1;
    ui_o14_bits_bas = s[13] & 0x0F;
    return ui_o14_matrice ? iSection4Matrice() : iSection4SecondOrdre();
}

// Second-order packing in which each group is one grid row.
int CLASS_GRIB_GET_SECTIONS::iSection4SecondOrdre()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iSection4SecondOrdre");
    const unsigned char* s = puc_debut + ui_s4_position / 8;
    // The further bits of octet 14 (general extended packing, boustrophedonic
    // order, spatial differencing) describe other layouts.
    if (!ui_s4_second_ordre || ui_o14_bits_bas || ui_o14_reserve)
        return iRefus("type de compression non implementee");
    if (ui_o14_bitmaps_secondaires)
        return iRefus("bitmap secondaire en compression non traite");
    if (ui_s4_longueur < 21)
        return iRefus("section 4 incorrecte");
    vFacteurExposantMantisse();
    ui_s4_nombre_valeurs = ui_nombre_points;
    ui_so_n1 = ui_mv_octets1213;
    ui_so_n2 = u16(s + 14);
    ui_so_p1 = u16(s + 16);
    ui_so_p2 = u16(s + 18);
    if (21ul + ui_so_p1 > ui_s4_longueur)
        return iRefus("section 4 incorrecte");
    pui_so_largeurs = new (std::nothrow) unsigned int[ui_so_p1 ? ui_so_p1 : 1];
    if (!pui_so_largeurs)
        return iRefus("memoire insuffisante");
    uint64_t somme = 0;
    for (unsigned int g = 0; g < ui_so_p1; ++g) {
        pui_so_largeurs[g] = s[21 + g];
        if (pui_so_largeurs[g] > 32)
            return iRefus("largeur de groupe incorrecte");
        somme += (uint64_t)pui_so_largeurs[g] * ui_ll_ni;
    }
    ui_so_fin = (unsigned int)std::min<uint64_t>(s[20] + somme, UINT32_MAX);
    return 0;
}

// Matrices of values at each point, with their row and column coordinates.
int CLASS_GRIB_GET_SECTIONS::iSection4Matrice()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iSection4Matrice");
    const unsigned char* s = puc_debut + ui_s4_position / 8;
    if (ui_o14_largeurs_differentes)
        CLASS_CODES_LOGERR::iErr(1, "Champ de bits variable (flag8) non traite");
    if (ui_s4_longueur < 24)
        return iRefus("section 4 incorrecte");
    ui_mv_nr = u16(s + 14);
    ui_mv_nc = u16(s + 16);
    ui_mv_nrv = s[18];
    const unsigned int nc1 = s[19];
    ui_mv_ncv = s[20];
    const unsigned int nc2 = s[21];
    ui_mv_phys1 = s[22];
    ui_mv_phys2 = s[23];
    if (nc1 == 0 || nc2 == 0)
        return iRefus("nombre de coeffs nul");
    const uint64_t taille = (uint64_t)ui_mv_nr * ui_mv_nc;
    // Each matrix value takes at least one bit of the section.
    if (taille == 0 || taille > (uint64_t)ui_s4_longueur * 8 || ui_s4_bits_par_valeur == 0)
        return iRefus("matrice de valeurs incorrecte");
    if ((ui_mv_nrv == 0 && nc1 != ui_mv_nr) || (ui_mv_ncv == 0 && nc2 != ui_mv_nc))
        return iRefus("nombre de coeffs incorrect");
    const unsigned long octetsLignes = ui_mv_nrv ? nc1 : 4ul * nc1;
    const unsigned long octetsColonnes = ui_mv_ncv ? nc2 : 4ul * nc2;
    if (24 + octetsLignes + octetsColonnes > ui_s4_longueur)
        return iRefus("section 4 incorrecte");
    pf_mv_lignes = new (std::nothrow) float[ui_mv_nr];
    pf_mv_colonnes = new (std::nothrow) float[ui_mv_nc];
    if (!pf_mv_lignes || !pf_mv_colonnes)
        return iRefus("memoire insuffisante");
    const unsigned char* c = s + 24;
    for (unsigned int i = 0; i < ui_mv_nr; ++i)
        pf_mv_lignes[i] = ui_mv_nrv ? (float)(c[0] + i * (nc1 > 1 ? c[1] : 0))
                                    : (float)reelIBM(c + 4 * i);
    c += octetsLignes;
    for (unsigned int j = 0; j < ui_mv_nc; ++j)
        pf_mv_colonnes[j] = ui_mv_ncv ? (float)(c[0] * std::pow((double)(nc2 > 1 ? c[1] : 0), j))
                                      : (float)reelIBM(c + 4 * j);
    uint64_t position = (uint64_t)ui_s4_position + 8 * (24 + octetsLignes + octetsColonnes);
    const uint64_t secondaires = ui_o14_bitmaps_secondaires ? ui_mv_octets1213 * taille : 0;
    if (ui_o14_bitmaps_secondaires)
        puc_mv_bitmaps_secondaires = const_cast<unsigned char*>(puc_debut) + position / 8;
    position += secondaires;
    if (position + ui_s4_bits_inutilises > ui_s5_position)
        return iRefus("section 4 incorrecte");
    ui_s4_position_donnees = (unsigned int)position;
    ui_mv_valeurs_codees = (unsigned int)((ui_s5_position - position - ui_s4_bits_inutilises) /
                                          ui_s4_bits_par_valeur);
    ui_s4_nombre_valeurs = ui_mv_valeurs_codees;
    vFacteurExposantMantisse();
    ui_mv_valeurs_attendues =
        ui_o14_bitmaps_secondaires ? (unsigned int)secondaires : ui_mv_valeurs_codees;
    const uint64_t couvertes =
        puc_s3_bitmap ? (uint64_t)ui_s3_bits_bitmap * taille : ui_mv_valeurs_attendues;
    ui_mv_nombre_matrices = (unsigned int)(couvertes / taille);
    ui_mv_valeurs_couvertes = (unsigned int)std::min<uint64_t>(couvertes, UINT32_MAX);
    return 0;
}
