#include "codes/grib_structure.h"

#include "codes/logerr.h"

CLASS_GRIB_STRUCTURE::CLASS_GRIB_STRUCTURE()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_STRUCTURE");
    ui_stg_edition = 1;
    ui_stg_version_table2 = 1;
    ui_stg_centre = 85;
    ui_stg_processus = 255;
    ui_stg_section2 = 1;
    ui_stg_section3 = 0;
    ui_stg_parametre = 0;
    ui_stg_type_niveau = 0;
    ui_stg_niveau11 = 0;
    ui_stg_niveau12 = 0;
    ui_stg_annee = 0;
    ui_stg_mois = 0;
    ui_stg_jour = 0;
    ui_stg_heure = 0;
    ui_stg_minute = 0;
    ui_stg_unite_temps = 0;
    ui_stg_p1 = 0;
    ui_stg_p2 = 0;
    ui_stg_indicateur = 0;
    ui_stg_nombre_moyenne = 0;
    ui_stg_nombre_manquant = 0;
    ui_stg_siecle = 0;
    puc_stg_extension = nullptr;
    ui_stg_cle_date = 0;
    ui_stg_type = 0;
    ui_stg_ll_ni = 0;
    ui_stg_ll_nj = 0;
    f_stg_ll_la1 = 0.0f;
    f_stg_ll_lo1 = 0.0f;
    f_stg_ll_la2 = 0.0f;
    f_stg_ll_lo2 = 0.0f;
    f_stg_ll_di = 0.0f;
    f_stg_ll_dj = 0.0f;
    ui_stg_ga_ni = 0;
    ui_stg_ga_nj = 0;
    f_stg_ga_la1 = 0.0f;
    f_stg_ga_lo1 = 0.0f;
    f_stg_ga_la2 = 0.0f;
    f_stg_ga_lo2 = 0.0f;
    f_stg_ga_di = 0.0f;
    ui_stg_ga_n = 0;
    ui_stg_ga_drapeaux = 0;
    pui_stg_ga_points_par_ligne = nullptr;
    ui_stg_sp_nx = 0;
    ui_stg_sp_ny = 0;
    f_stg_sp_la1 = 0.0f;
    f_stg_sp_lo1 = 0.0f;
    f_stg_sp_lov = 0.0f;
    f_stg_sp_dx = 0.0f;
    f_stg_sp_dy = 0.0f;
    ui_stg_sp_centre_projection = 0;
    ui_stg_sp_drapeaux = 0;
    ui_stg_nombre_points = 0;
    ui_stg_bits_par_valeur = 0;
    pf_stg_valeurs = nullptr;
    pui_stg_codes = nullptr;
    d_stg_reference = 0.0;
    d_stg_maximum = 0.0;
    ui_stg_nr = 0;
    ui_stg_nc = 0;
    ui_stg_phys1 = 0;
    ui_stg_phys2 = 0;
    pf_stg_lignes = nullptr;
    pf_stg_colonnes = nullptr;
    ppf_stg_matrices = nullptr;
    ui_stg_balayage = 0;
    ui_stg_ll_drapeaux = 128;
    i_stg_e = 0;
    i_stg_d = 0;
}
