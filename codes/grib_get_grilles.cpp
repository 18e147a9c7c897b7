// Section 2: the grids the decoder reads (latitude/longitude and its
// rotated and stretched variants read as plain, Gaussian with the points of
// each row, polar stereographic).
#include "codes/grib_get.h"

#include "codes/octets_grib.h"

#include <cstdint>
#include <new>

namespace {

float fDegres(uint32_t signeEtGrandeur)
{
    const int v = (int)(signeEtGrandeur & 0x7FFFFF);
    return (float)((signeEtGrandeur & 0x800000 ? -v : v) / 1000.0);
}

unsigned int uiSauf65535(unsigned int v)
{
    return v == 65535 ? 0 : v;
}

}  // namespace

int CLASS_GRIB_GET_SECTIONS::iSection2()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iSection2");
    const unsigned char* s = puc_debut + ui_s2_position / 8;
    ui_s2_nv = s[3];
    ui_s2_pvpl = s[4];
    ui_s2_type = s[5];
    switch (ui_s2_type) {
    case 0: case 10: case 20: case 30:
        return vSection2ll();
    case 4: case 14: case 24: case 34:
        return vSection2ga();
    case 5:
        return vSection2sp();
    default:
        return (CLASS_CODES_LOGERR::iErr(-1, "Type de projection non traitee", "%u", ui_s2_type),
                1);
    }
}

int CLASS_GRIB_GET_SECTIONS::vSection2ll()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection2ll");
    const unsigned char* s = puc_debut + ui_s2_position / 8;
    ui_ll_ni = uiSauf65535(u16(s + 6));
    ui_ll_nj = uiSauf65535(u16(s + 8));
    ui_ll_la1 = u24(s + 10);
    ui_ll_lo1 = u24(s + 13);
    ui_ll_drapeaux = s[16];
    ui_ll_la2 = u24(s + 17);
    ui_ll_lo2 = u24(s + 20);
    ui_ll_di = uiSauf65535(u16(s + 23));
    ui_ll_dj = uiSauf65535(u16(s + 25));
    ui_ll_balayage = s[27];
    ui_nombre_points = ui_ll_ni * ui_ll_nj;
    f_ll_la1 = fDegres(ui_ll_la1);
    f_ll_lo1 = fDegres(ui_ll_lo1);
    f_ll_la2 = fDegres(ui_ll_la2);
    f_ll_lo2 = fDegres(ui_ll_lo2);
    f_ll_di = (float)(ui_ll_di / 1000.0);
    f_ll_dj = (float)(ui_ll_dj / 1000.0);
    return 0;
}

int CLASS_GRIB_GET_SECTIONS::vSection2ga()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection2ga");
    const unsigned char* s = puc_debut + ui_s2_position / 8;
    ui_ga_ni = u16(s + 6);
    ui_ga_nj = u16(s + 8);
    ui_ga_la1 = u24(s + 10);
    ui_ga_lo1 = u24(s + 13);
    ui_ga_drapeaux = s[16];
    ui_ga_la2 = u24(s + 17);
    ui_ga_lo2 = u24(s + 20);
    ui_ga_di = u16(s + 23);
    ui_ga_n = u16(s + 25);
    ui_ga_balayage = s[27];
    f_ga_la1 = fDegres(ui_ga_la1);
    f_ga_lo1 = fDegres(ui_ga_lo1);
    f_ga_la2 = fDegres(ui_ga_la2);
    f_ga_lo2 = fDegres(ui_ga_lo2);
    f_ga_di = ui_ga_di == 65535 ? 65535.0f : (float)(ui_ga_di / 1000.0);
    // A regular grid: Ni x Nj points.
    ui_nombre_points = ui_ga_ni * ui_ga_nj;
    const unsigned long debut = (unsigned long)ui_s2_pvpl + 4ul * ui_s2_nv;
    const unsigned long lignes = 2ul * ui_ga_n;
    if (ui_s2_pvpl < 2 || ui_s2_pvpl > 254 || debut > ui_s2_longueur + 1ul ||
        (ui_s2_longueur + 1ul - debut) / 2 != lignes || lignes == 0)
        return 0;
    // A quasi-regular grid: the points of each row.
    pui_ga_points_par_ligne = new (std::nothrow) unsigned int[lignes];
    if (!pui_ga_points_par_ligne)
        return (CLASS_CODES_LOGERR::iErr(-1, "memoire insuffisante"), 1);
    uint64_t somme = 0;
    for (unsigned long k = 0; k < lignes; ++k) {
        pui_ga_points_par_ligne[k] = u16(s + debut - 1 + 2 * k);
        somme += pui_ga_points_par_ligne[k];
    }
    if (somme > UINT32_MAX)
        return (CLASS_CODES_LOGERR::iErr(-1, "nombre de points incorrect", "%llu",
                                         (unsigned long long)somme), 1);
    ui_nombre_points = (unsigned int)somme;
    return 0;
}

int CLASS_GRIB_GET_SECTIONS::vSection2sp()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection2sp");
    const unsigned char* s = puc_debut + ui_s2_position / 8;
    ui_sp_nx = uiSauf65535(u16(s + 6));
    ui_sp_ny = uiSauf65535(u16(s + 8));
    ui_sp_la1 = u24(s + 10);
    ui_sp_lo1 = u24(s + 13);
    ui_sp_drapeaux = s[16];
    ui_sp_lov = u24(s + 17);
    ui_sp_dx = u24(s + 20);
    ui_sp_dy = u24(s + 23);
    ui_sp_centre_projection = s[26];
    ui_sp_balayage = s[27];
    ui_nombre_points = ui_sp_nx * ui_sp_ny;
    f_sp_la1 = fDegres(ui_sp_la1);
    f_sp_lo1 = fDegres(ui_sp_lo1);
    f_sp_lov = fDegres(ui_sp_lov);
    f_sp_dx = (float)ui_sp_dx;
    f_sp_dy = (float)ui_sp_dy;
    return 0;
}

void CLASS_GRIB_GET_SECTIONS::vWriteStg()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vWriteStg");
    CLASS_GRIB_STRUCTURE& r = *this;
    r = CLASS_GRIB_STRUCTURE();
    r.ui_stg_edition = ui_s0_edition;
    r.ui_stg_version_table2 = ui_s1_version_table2;
    r.ui_stg_centre = ui_s1_centre;
    r.ui_stg_processus = ui_s1_processus;
    r.ui_stg_section2 = ui_s1_section2;
    r.ui_stg_section3 = ui_s1_section3;
    r.ui_stg_parametre = ui_s1_parametre;
    r.ui_stg_type_niveau = ui_s1_type_niveau;
    r.ui_stg_niveau11 = ui_s1_niveau11;
    r.ui_stg_niveau12 = ui_s1_niveau12;
    r.ui_stg_annee = ui_s1_annee;
    r.ui_stg_mois = ui_s1_mois;
    r.ui_stg_jour = ui_s1_jour;
    r.ui_stg_heure = ui_s1_heure;
    r.ui_stg_minute = ui_s1_minute;
    r.ui_stg_unite_temps = ui_s1_unite_temps;
    r.ui_stg_p1 = ui_s1_p1;
    r.ui_stg_p2 = ui_s1_p2;
    r.ui_stg_indicateur = ui_s1_indicateur;
    r.ui_stg_nombre_moyenne = ui_s1_nombre_moyenne;
    r.ui_stg_nombre_manquant = ui_s1_nombre_manquant;
    r.ui_stg_siecle = ui_s1_siecle;
    r.puc_stg_extension = puc_s1_extension;
    r.ui_stg_cle_date = ui_s1_cle_date;
    r.ui_stg_type = ui_s2_type;
    switch (ui_s2_type) {
    case 0: case 10: case 20: case 30:
        r.ui_stg_ll_ni = ui_ll_ni;
        r.ui_stg_ll_nj = ui_ll_nj;
        r.f_stg_ll_la1 = f_ll_la1;
        r.f_stg_ll_lo1 = f_ll_lo1;
        r.f_stg_ll_la2 = f_ll_la2;
        r.f_stg_ll_lo2 = f_ll_lo2;
        r.f_stg_ll_di = f_ll_di;
        r.f_stg_ll_dj = f_ll_dj;
        r.ui_stg_ll_drapeaux = ui_ll_drapeaux;
        r.ui_stg_balayage = ui_ll_balayage;
        break;
    case 4: case 14: case 24: case 34:
        r.ui_stg_ga_ni = ui_ga_ni;
        r.ui_stg_ga_nj = ui_ga_nj;
        r.f_stg_ga_la1 = f_ga_la1;
        r.f_stg_ga_lo1 = f_ga_lo1;
        r.f_stg_ga_la2 = f_ga_la2;
        r.f_stg_ga_lo2 = f_ga_lo2;
        r.f_stg_ga_di = f_ga_di;
        r.ui_stg_ga_n = ui_ga_n;
        r.ui_stg_ga_drapeaux = ui_ga_drapeaux;
        r.pui_stg_ga_points_par_ligne = pui_ga_points_par_ligne;
        r.ui_stg_balayage = ui_ga_balayage;
        break;
    case 5:
        r.ui_stg_sp_nx = ui_sp_nx;
        r.ui_stg_sp_ny = ui_sp_ny;
        r.f_stg_sp_la1 = f_sp_la1;
        r.f_stg_sp_lo1 = f_sp_lo1;
        r.f_stg_sp_lov = f_sp_lov;
        r.f_stg_sp_dx = f_sp_dx;
        r.f_stg_sp_dy = f_sp_dy;
        r.ui_stg_sp_centre_projection = ui_sp_centre_projection;
        r.ui_stg_sp_drapeaux = ui_sp_drapeaux;
        r.ui_stg_balayage = ui_sp_balayage;
        break;
    }
    r.ui_stg_nombre_points = ui_nombre_points;
    r.ui_stg_bits_par_valeur = ui_s4_bits_par_valeur;
    r.d_stg_reference = d_s4_reference;
    r.d_stg_maximum = d_s4_maximum;
    r.i_stg_e = i_s4_e;
    r.i_stg_d = i_s1_d;
    r.ui_stg_nr = ui_mv_nr;
    r.ui_stg_nc = ui_mv_nc;
    r.ui_stg_phys1 = ui_mv_phys1;
    r.ui_stg_phys2 = ui_mv_phys2;
    r.pf_stg_lignes = pf_mv_lignes;
    r.pf_stg_colonnes = pf_mv_colonnes;
}
