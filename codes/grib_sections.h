// In-memory model of one GRIB edition 1 message's sections, shared by the
// decoder and the encoder, with the reference and validity dates of section 1.
//
// Raw fields hold the octets as stored (24-bit angles in sign and magnitude:
// bit 23 set means negative, magnitude in millidegrees); positions are bit
// positions from the start of the message. The owned arrays are freed by the
// decoder or encoder that allocated them.
#ifndef CODES_GRIB_SECTIONS_H
#define CODES_GRIB_SECTIONS_H

#include "codes/grib_base.h"
#include "codes/grib_nivech.h"

#include <ctime>

class CLASS_GRIB_SECTIONS : public CLASS_GRIB_BASE, public CLASS_GRIB_NIVECH {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_SECTIONS";

    CLASS_GRIB_SECTIONS();

    // Every field to its initial value; frees nothing, keeps the centre and
    // version of the level rules. Classes that also inherit the bit cursor
    // must call it qualified: CLASS_GRIB_SECTIONS::vInit().
    void vInit();
    // Frees the decoded values, raw codes and matrix coordinates, then vInit.
    void vCGSectionsFree();

    // Reference date in UTC, minutes and seconds 0. Year: below 50 is 20xx,
    // above 1900 a full year, otherwise 19xx (100 is 2000). A field outside
    // the calendar (year above 9999, month 1..12, day 1..31, hour 0..23)
    // gives -1 with a warning.
    time_t timetDateDeReference(unsigned int annee, unsigned int mois, unsigned int jour,
                                unsigned int heure);
    time_t timetDateDeReference();
    // Reference plus the range the time-range indicator gives, in the time
    // unit; an unknown unit leaves the reference.
    time_t timetDateDeValidite(time_t reference, unsigned int unite, unsigned int p1,
                               unsigned int p2, unsigned int indicateur);
    // The model's unit and range; a reference of 0 is the model's own.
    time_t timetDateDeValidite(time_t reference);

    // Section 0.
    unsigned int ui_s0_position;
    char ca_s0_identificateur[5];
    unsigned int ui_s0_longueur_totale;
    unsigned int ui_s0_edition;

    // Section 1.
    unsigned int ui_s1_position;
    unsigned int ui_s1_longueur;
    unsigned int ui_s1_version_table2;
    unsigned int ui_s1_centre;
    unsigned int ui_s1_processus;
    unsigned int ui_s1_grille;
    unsigned int ui_s1_section2;
    unsigned int ui_s1_section3;
    unsigned int ui_s1_parametre;
    unsigned int ui_s1_type_niveau;
    unsigned int ui_s1_niveau11;
    unsigned int ui_s1_niveau12;
    unsigned int ui_s1_annee;  // year of century
    unsigned int ui_s1_mois;
    unsigned int ui_s1_jour;
    unsigned int ui_s1_heure;
    unsigned int ui_s1_minute;
    unsigned int ui_s1_unite_temps;
    unsigned int ui_s1_p1;
    unsigned int ui_s1_p2;
    unsigned int ui_s1_indicateur;
    unsigned int ui_s1_nombre_moyenne;
    unsigned int ui_s1_nombre_manquant;
    unsigned int ui_s1_siecle;
    unsigned int ui_s1_d;  // decimal scale factor as stored
    int i_s1_d;
    unsigned char* puc_s1_extension;
    unsigned int ui_s1_cle_date;  // YYMMDDHH

    // Section 2.
    unsigned int ui_s2_position;
    unsigned int ui_s2_longueur;
    unsigned int ui_s2_nv;
    unsigned int ui_s2_pvpl;
    unsigned int ui_s2_type;

    // Regular latitude/longitude.
    unsigned int ui_ll_ni;
    unsigned int ui_ll_nj;
    unsigned int ui_ll_la1;
    unsigned int ui_ll_lo1;
    unsigned int ui_ll_drapeaux;
    unsigned int ui_ll_la2;
    unsigned int ui_ll_lo2;
    unsigned int ui_ll_di;
    unsigned int ui_ll_dj;
    unsigned int ui_ll_balayage;
    float f_ll_la1;
    float f_ll_lo1;
    float f_ll_la2;
    float f_ll_lo2;
    float f_ll_di;
    float f_ll_dj;

    // Gaussian.
    unsigned int ui_ga_ni;
    unsigned int ui_ga_nj;
    unsigned int ui_ga_la1;
    unsigned int ui_ga_lo1;
    unsigned int ui_ga_drapeaux;
    unsigned int ui_ga_la2;
    unsigned int ui_ga_lo2;
    unsigned int ui_ga_di;
    unsigned int ui_ga_n;
    unsigned int ui_ga_balayage;
    float f_ga_la1;
    float f_ga_lo1;
    float f_ga_la2;
    float f_ga_lo2;
    float f_ga_di;
    unsigned int* pui_ga_points_par_ligne;  // 2N counts

    // Polar stereographic.
    unsigned int ui_sp_nx;
    unsigned int ui_sp_ny;
    unsigned int ui_sp_la1;
    unsigned int ui_sp_lo1;
    unsigned int ui_sp_drapeaux;
    unsigned int ui_sp_lov;
    unsigned int ui_sp_dx;
    unsigned int ui_sp_dy;
    unsigned int ui_sp_centre_projection;
    unsigned int ui_sp_balayage;
    float f_sp_la1;
    float f_sp_lo1;
    float f_sp_lov;
    float f_sp_dx;
    float f_sp_dy;
    unsigned int ui_nombre_points;

    // Section 3.
    unsigned int ui_s3_position;
    unsigned int ui_s3_longueur;
    unsigned int ui_s3_bits_inutilises;
    unsigned int ui_s3_table_reference;
    unsigned char* puc_s3_bitmap;
    unsigned int ui_s3_bits_bitmap;

    // Section 4.
    unsigned int ui_s4_position;
    unsigned int ui_s4_longueur;
    unsigned int ui_s4_harmoniques;
    unsigned int ui_s4_second_ordre;
    unsigned int ui_s4_entiers;
    unsigned int ui_s4_drapeaux_octet14;
    unsigned int ui_s4_bits_inutilises;
    unsigned int ui_s4_e;  // binary scale factor as stored
    unsigned int ui_s4_reference_octet;
    unsigned int ui_s4_reference_mantisse;
    unsigned int ui_s4_bits_par_valeur;
    unsigned int ui_s4_position_donnees;
    float* pf_s4_valeurs;
    unsigned int* pui_s4_codes;
    int i_s4_e;
    unsigned int ui_s4_code_max;
    unsigned int ui_s4_nombre_valeurs;
    // Entries of pf_s4_valeurs (or pui_s4_codes) once values are decoded.
    unsigned int ui_s4_valeurs_decodees;
    double d_s4_reference;
    double d_s4_deux_puissance_e;
    double d_s4_maximum;

    // Flags of octet 14.
    unsigned int ui_o14_reserve;
    unsigned int ui_o14_matrice;
    unsigned int ui_o14_bitmaps_secondaires;
    unsigned int ui_o14_largeurs_differentes;
    unsigned int ui_o14_bits_bas;

    // Second-order packing.
    unsigned int ui_so_n1;
    unsigned int ui_so_n2;
    unsigned int ui_so_p1;
    unsigned int ui_so_p2;
    unsigned int ui_so_fin;  // octet 21 + sum of the group widths x row length
    unsigned int* pui_so_largeurs;

    // Matrix of values.
    unsigned int ui_mv_octets1213;
    unsigned int ui_mv_nr;
    unsigned int ui_mv_nc;
    float* pf_mv_lignes;
    float* pf_mv_colonnes;
    unsigned char* puc_mv_bitmaps_secondaires;
    unsigned int ui_mv_nrv;
    unsigned int ui_mv_ncv;
    unsigned int ui_mv_phys1;
    unsigned int ui_mv_phys2;
    float** ppf_mv_matrices;  // one per point, null for an absent point
    unsigned int ui_mv_nombre_matrices;
    unsigned int ui_mv_valeurs_couvertes;
    unsigned int ui_mv_valeurs_attendues;
    unsigned int ui_mv_valeurs_codees;

    // Section 5.
    unsigned int ui_s5_position;
    char ca_s5_fin[5];
};

#endif
