#include "codes/grib_sections.h"

#include "codes/logerr.h"

#include <cstring>

CLASS_GRIB_SECTIONS::CLASS_GRIB_SECTIONS()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_SECTIONS");
    vInit();
}

void CLASS_GRIB_SECTIONS::vInit()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vInit");
    ui_s0_position = 0;
    strcpy(ca_s0_identificateur, "GRIB");
    ui_s0_longueur_totale = 0;
    ui_s0_edition = 1;
    ui_s1_position = 0;
    ui_s1_longueur = 0;
    ui_s1_version_table2 = 1;
    ui_s1_centre = 85;
    ui_s1_processus = 0;
    ui_s1_grille = 255;
    ui_s1_section2 = 1;
    ui_s1_section3 = 0;
    ui_s1_parametre = 0;
    ui_s1_type_niveau = 0;
    ui_s1_niveau11 = 0;
    ui_s1_niveau12 = 0;
    ui_s1_annee = 0;
    ui_s1_mois = 0;
    ui_s1_jour = 0;
    ui_s1_heure = 0;
    ui_s1_minute = 0;
    ui_s1_unite_temps = 1;
    ui_s1_p1 = 0;
    ui_s1_p2 = 0;
    ui_s1_indicateur = 0;
    ui_s1_nombre_moyenne = 0;
    ui_s1_nombre_manquant = 0;
    ui_s1_siecle = 20;
    ui_s1_d = 0;
    i_s1_d = 0;
    puc_s1_extension = nullptr;
    ui_s1_cle_date = 0;
    ui_s2_position = 0;
    ui_s2_longueur = 0;
    ui_s2_nv = 0;
    ui_s2_pvpl = 255;
    ui_s2_type = 0;
    ui_ll_ni = 0;
    ui_ll_nj = 0;
    ui_ll_la1 = 0;
    ui_ll_lo1 = 0;
    ui_ll_drapeaux = 128;
    ui_ll_la2 = 0;
    ui_ll_lo2 = 0;
    ui_ll_di = 0;
    ui_ll_dj = 0;
    ui_ll_balayage = 0;
    f_ll_la1 = 99.0f;
    f_ll_lo1 = 360.0f;
    f_ll_la2 = 99.0f;
    f_ll_lo2 = 360.0f;
    f_ll_di = 0.0f;
    f_ll_dj = 0.0f;
    ui_ga_ni = 0;
    ui_ga_nj = 0;
    ui_ga_la1 = 0;
    ui_ga_lo1 = 0;
    ui_ga_drapeaux = 128;
    ui_ga_la2 = 0;
    ui_ga_lo2 = 0;
    ui_ga_di = 0;
    ui_ga_n = 0;
    ui_ga_balayage = 0;
    f_ga_la1 = 99.0f;
    f_ga_lo1 = 360.0f;
    f_ga_la2 = 99.0f;
    f_ga_lo2 = 360.0f;
    f_ga_di = 0.0f;
    pui_ga_points_par_ligne = nullptr;
    ui_sp_nx = 0;
    ui_sp_ny = 0;
    ui_sp_la1 = 0;
    ui_sp_lo1 = 0;
    ui_sp_drapeaux = 0;
    ui_sp_lov = 0;
    ui_sp_dx = 0;
    ui_sp_dy = 0;
    ui_sp_centre_projection = 0;
    ui_sp_balayage = 0;
    f_sp_la1 = 99.0f;
    f_sp_lo1 = 360.0f;
    f_sp_lov = 0.0f;
    f_sp_dx = 0.0f;
    f_sp_dy = 0.0f;
    ui_nombre_points = 0;
    ui_s3_position = 0;
    ui_s3_longueur = 0;
    ui_s3_bits_inutilises = 0;
    ui_s3_table_reference = 0;
    puc_s3_bitmap = nullptr;
    ui_s3_bits_bitmap = 0;
    ui_s4_position = 0;
    ui_s4_longueur = 0;
    ui_s4_harmoniques = 0;
    ui_s4_second_ordre = 0;
    ui_s4_entiers = 0;
    ui_s4_drapeaux_octet14 = 0;
    ui_s4_bits_inutilises = 0;
    ui_s4_e = 0;
    ui_s4_reference_octet = 0;
    ui_s4_reference_mantisse = 0;
    ui_s4_bits_par_valeur = 0;
    ui_s4_position_donnees = 0;
    pf_s4_valeurs = nullptr;
    pui_s4_codes = nullptr;
    i_s4_e = 0;
    ui_s4_code_max = 0;
    ui_s4_nombre_valeurs = 0;
    ui_s4_valeurs_decodees = 0;
    d_s4_reference = 0.0;
    d_s4_deux_puissance_e = 0.0;
    d_s4_maximum = 0.0;
    ui_o14_reserve = 0;
    ui_o14_matrice = 0;
    ui_o14_bitmaps_secondaires = 0;
    ui_o14_largeurs_differentes = 0;
    ui_o14_bits_bas = 0;
    ui_so_n1 = 0;
    ui_so_n2 = 0;
    ui_so_p1 = 0;
    ui_so_p2 = 0;
    ui_so_fin = 0;
    pui_so_largeurs = nullptr;
    ui_mv_octets1213 = 0;
    ui_mv_nr = 0;
    ui_mv_nc = 0;
    pf_mv_lignes = nullptr;
    pf_mv_colonnes = nullptr;
    puc_mv_bitmaps_secondaires = nullptr;
    ui_mv_nrv = 0;
    ui_mv_ncv = 0;
    ui_mv_phys1 = 0;
    ui_mv_phys2 = 0;
    ppf_mv_matrices = nullptr;
    ui_mv_nombre_matrices = 0;
    ui_mv_valeurs_couvertes = 0;
    ui_mv_valeurs_attendues = 0;
    ui_mv_valeurs_codees = 0;
    ui_s5_position = 0;
    strcpy(ca_s5_fin, "7777");
}

void CLASS_GRIB_SECTIONS::vCGSectionsFree()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vCGSectionsFree");
    delete[] pf_s4_valeurs;
    delete[] pui_s4_codes;
    delete[] pf_mv_lignes;
    delete[] pf_mv_colonnes;
    vInit();
}
