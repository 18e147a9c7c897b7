// The flat record a decoded GRIB edition 1 message hands to the encoder.
//
// Its fields mean the same as fields of the section model, and the decoder
// and encoder inherit both, so every name here carries "stg" to stay apart.
// Only the geometry block of the record's data representation type is
// meaningful. Pointers point into the decoder that filled the record and stay
// valid until that decoder is freed or re-used. Copy it by assignment.
#ifndef CODES_GRIB_STRUCTURE_H
#define CODES_GRIB_STRUCTURE_H

class CLASS_GRIB_STRUCTURE {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_STRUCTURE";

    // Edition 1, table version 1, centre 85, process 255, section 2 present,
    // lat/lon flags 128; everything else zero.
    CLASS_GRIB_STRUCTURE();

    unsigned int ui_stg_edition;
    unsigned int ui_stg_version_table2;
    unsigned int ui_stg_centre;
    unsigned int ui_stg_processus;
    unsigned int ui_stg_section2;
    unsigned int ui_stg_section3;

    unsigned int ui_stg_parametre;
    unsigned int ui_stg_type_niveau;
    unsigned int ui_stg_niveau11;
    unsigned int ui_stg_niveau12;
    unsigned int ui_stg_annee;
    unsigned int ui_stg_mois;
    unsigned int ui_stg_jour;
    unsigned int ui_stg_heure;
    unsigned int ui_stg_minute;
    unsigned int ui_stg_unite_temps;
    unsigned int ui_stg_p1;
    unsigned int ui_stg_p2;
    unsigned int ui_stg_indicateur;
    unsigned int ui_stg_nombre_moyenne;
    unsigned int ui_stg_nombre_manquant;
    unsigned int ui_stg_siecle;

    unsigned char* puc_stg_extension;
    unsigned int ui_stg_cle_date;  // YYMMDDHH
    unsigned int ui_stg_type;      // data representation type

    // Regular latitude/longitude, degrees.
    unsigned int ui_stg_ll_ni;
    unsigned int ui_stg_ll_nj;
    float f_stg_ll_la1;
    float f_stg_ll_lo1;
    float f_stg_ll_la2;
    float f_stg_ll_lo2;
    float f_stg_ll_di;
    float f_stg_ll_dj;

    // Gaussian, degrees.
    unsigned int ui_stg_ga_ni;
    unsigned int ui_stg_ga_nj;
    float f_stg_ga_la1;
    float f_stg_ga_lo1;
    float f_stg_ga_la2;
    float f_stg_ga_lo2;
    float f_stg_ga_di;
    unsigned int ui_stg_ga_n;
    unsigned int ui_stg_ga_drapeaux;
    unsigned int* pui_stg_ga_points_par_ligne;

    // Polar stereographic, degrees and metres.
    unsigned int ui_stg_sp_nx;
    unsigned int ui_stg_sp_ny;
    float f_stg_sp_la1;
    float f_stg_sp_lo1;
    float f_stg_sp_lov;
    float f_stg_sp_dx;
    float f_stg_sp_dy;
    unsigned int ui_stg_sp_centre_projection;
    unsigned int ui_stg_sp_drapeaux;

    unsigned int ui_stg_nombre_points;
    unsigned int ui_stg_bits_par_valeur;
    float* pf_stg_valeurs;
    unsigned int* pui_stg_codes;
    double d_stg_reference;
    double d_stg_maximum;

    // Matrices of values at each grid point.
    unsigned int ui_stg_nr;
    unsigned int ui_stg_nc;
    unsigned int ui_stg_phys1;
    unsigned int ui_stg_phys2;
    float* pf_stg_lignes;
    float* pf_stg_colonnes;
    float** ppf_stg_matrices;

    // Carried from the decoded message so that a re-encoded field keeps its
    // orientation and its scale: the scanning mode (octet 28 of section 2),
    // the lat/lon resolution and component flags (octet 17), and E and D of
    // the codes (raw codes mean nothing without them).
    unsigned int ui_stg_balayage;
    unsigned int ui_stg_ll_drapeaux;
    int i_stg_e;
    int i_stg_d;
};

#endif
