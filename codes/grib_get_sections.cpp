// Sections 1 and 3, the scaling of section 4 and the exchange record.
#include "codes/grib_get.h"

#include "codes/octets_grib.h"

#include <cmath>

int CLASS_GRIB_GET_SECTIONS::iGetSections()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetSections");
    if (ui_sections_decodees)
        return (CLASS_CODES_LOGERR::iErr(-1, "message deja traite"), 1);
    if (!ui_sections_localisees && iGetPointeurs() != 0)
        return 1;
    vGetSectionsFree();
    if (iSection1() != 0 || (ui_s1_section2 && iSection2() != 0) ||
        (ui_s1_section3 && iSection3() != 0) || iSection4() != 0)
        return 1;
    vWriteStg();
    ui_sections_decodees = 1;
    return 0;
}

int CLASS_GRIB_GET_SECTIONS::iSection1()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iSection1");
    const unsigned char* s = puc_debut + ui_s1_position / 8;
    ui_s1_version_table2 = s[3];
    switch (s[3]) {
    case 0: case 1: case 2: case 3: case 128: case 140: case 196:
        break;
    default:
        CLASS_CODES_LOGERR::iErr(1, "Version de table 2 inconnue", "%d", (int)s[3]);
    }
    ui_s1_centre = s[4];
    ui_s1_processus = s[5];
    ui_s1_grille = s[6];
    ui_s1_parametre = s[8];
    ui_s1_type_niveau = s[9];
    ui_s1_niveau11 = s[10];
    ui_s1_niveau12 = s[11];
    ui_s1_annee = s[12];
    ui_s1_mois = s[13];
    ui_s1_jour = s[14];
    ui_s1_heure = s[15];
    ui_s1_minute = s[16];
    ui_s1_unite_temps = s[17];
    ui_s1_p1 = s[18];
    ui_s1_p2 = s[19];
    ui_s1_indicateur = s[20];
    ui_s1_nombre_moyenne = u16(s + 21);
    ui_s1_nombre_manquant = s[23];
    vSetCentreVersionTable2(ui_s1_centre, ui_s1_version_table2);
    const unsigned int fixe = ui_s0_edition ? 28 : 24;
    if (ui_s0_edition) {
        ui_s1_siecle = s[24];
        ui_s1_d = u16(s + 26);
    } else {
        ui_s1_siecle = 0;
        ui_s1_d = 0;
    }
    i_s1_d = ui_s1_d > 32767 ? 32768 - (int)ui_s1_d : (int)ui_s1_d;
    puc_s1_extension = ui_s1_longueur > fixe ? const_cast<unsigned char*>(s) + fixe : nullptr;
    // The key holds a date only: out-of-range octets (hour 122, month 101)
    // would spill into the fields above and read back as another date.
    // Without a key the record's own fields go to the encoder, whose
    // checks refuse them.
    const bool date = ui_s1_annee <= 100 && ui_s1_mois >= 1 && ui_s1_mois <= 12 &&
                      ui_s1_jour >= 1 && ui_s1_jour <= 31 && ui_s1_heure <= 23;
    ui_s1_cle_date =
        date ? ui_s1_annee * 1000000 + ui_s1_mois * 10000 + ui_s1_jour * 100 + ui_s1_heure : 0;
    return 0;
}

int CLASS_GRIB_GET_SECTIONS::iSection3()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iSection3");
    const unsigned char* s = puc_debut + ui_s3_position / 8;
    ui_s3_bits_inutilises = s[3];
    ui_s3_table_reference = u16(s + 4);
    if (ui_s3_table_reference != 0) {
        if (ui_s3_table_reference == 65535)
            CLASS_CODES_LOGERR::iErr(1, "Table descriptive de la topographie inconnue !");
        puc_s3_bitmap = nullptr;
        ui_s3_bits_bitmap = ui_nombre_points;
        CLASS_CODES_LOGERR::iErr(-1, "traitement table externe non implemente !");
        return 1;
    }
    if ((unsigned long)ui_s3_longueur * 8 < 48 + (unsigned long)ui_s3_bits_inutilises)
        return (CLASS_CODES_LOGERR::iErr(-1, "section 3 incorrecte", "%u", ui_s3_longueur), 1);
    puc_s3_bitmap = const_cast<unsigned char*>(s) + 6;
    ui_s3_bits_bitmap = ui_s3_longueur * 8 - ui_s3_bits_inutilises - 48;
    return 0;
}

float CLASS_GRIB_GET_SECTIONS::fExposantMantisse(unsigned char octet, unsigned long mantisse)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "fExposantMantisse");
    const unsigned char ibm[4] = {octet, (unsigned char)(mantisse >> 16),
                                  (unsigned char)(mantisse >> 8), (unsigned char)mantisse};
    return (float)reelIBM(ibm);
}

void CLASS_GRIB_GET_SECTIONS::vFacteurExposantMantisse()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vFacteurExposantMantisse");
    i_s4_e = ui_s4_e > 32767 ? -(int)(ui_s4_e & 0x7FFF) : (int)ui_s4_e;
    d_s4_deux_puissance_e = std::ldexp(1.0, i_s4_e);
    const unsigned char ibm[4] = {(unsigned char)ui_s4_reference_octet,
                                  (unsigned char)(ui_s4_reference_mantisse >> 16),
                                  (unsigned char)(ui_s4_reference_mantisse >> 8),
                                  (unsigned char)ui_s4_reference_mantisse};
    d_s4_reference = reelIBM(ibm);
    d_s4_maximum = (0.75 * std::ldexp(1.0, (int)ui_s4_bits_par_valeur) * d_s4_deux_puissance_e +
                    d_s4_reference) /
                   std::pow(10.0, i_s1_d);
}

void CLASS_GRIB_GET_SECTIONS::vGetSectionsFree()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vGetSectionsFree");
    delete[] pui_so_largeurs;
    delete[] pf_mv_lignes;
    delete[] pf_mv_colonnes;
    delete[] pui_ga_points_par_ligne;
    pui_so_largeurs = nullptr;
    pf_mv_lignes = pf_mv_colonnes = nullptr;
    pui_ga_points_par_ligne = nullptr;
    pui_stg_ga_points_par_ligne = nullptr;
    pf_stg_lignes = pf_stg_colonnes = nullptr;
}
