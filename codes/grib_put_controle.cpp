// The encoder's validation: the record read into the section model, its
// fields checked, its geometry put in stored form, its values scanned, and
// every section sized exactly before the buffer is allocated.
#include "codes/grib_put.h"

#include "codes/paquets_simples.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

namespace {

int iRefus(const char* message)
{
    CLASS_CODES_LOGERR::iErr(-1, message);
    return 1;
}

int iRefus(const char* message, int valeur)
{
    CLASS_CODES_LOGERR::iErr(-1, message, "%d", valeur);
    return 1;
}

int iRefus(const char* message, float valeur)
{
    CLASS_CODES_LOGERR::iErr(-1, message, "%f", (double)valeur);
    return 1;
}

// Millidegrees rounded to the nearest (halves upward), in sign and magnitude.
unsigned int uiAngle(float degres)
{
    const long v = (long)std::floor((double)degres * 1000.0 + 0.5);
    return v < 0 ? (unsigned int)(-v) | 0x800000u : (unsigned int)v;
}

unsigned int uiArrondi(double v)
{
    return (unsigned int)std::floor(v + 0.5);
}

bool bHors(float v, float min, float max)
{
    return !(v >= min && v <= max);
}

// Bits padded with zeros to a multiple of 16: the pad goes to `inutilises`.
unsigned long ulOctets16(uint64_t bits, unsigned int& inutilises)
{
    inutilises = (unsigned int)((16 - bits % 16) % 16);
    return (unsigned long)((bits + inutilises) / 8);
}

}  // namespace

void CLASS_GRIB_PUT_CONTROLE::vFree()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vFree");
    delete[] puc_message;
    puc_message = nullptr;
    ui_longueur_message = 0;
}

void CLASS_GRIB_PUT_CONTROLE::vReadStp()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vReadStp");
    // A fresh model for every record, so nothing of the previous message
    // (PV/PL, the additional flags, section lengths) leaks into this one.
    const unsigned int longueur1 = ui_s1_longueur;
    CLASS_GRIB_SECTIONS::vInit();
    ui_s1_longueur = longueur1;
    ui_s0_edition = ui_stg_edition;
    ui_s1_version_table2 = ui_stg_version_table2;
    ui_s1_centre = ui_stg_centre;
    ui_s1_processus = ui_stg_processus;
    ui_s1_section2 = ui_stg_section2;
    ui_s1_parametre = ui_stg_parametre;
    ui_s1_type_niveau = ui_stg_type_niveau;
    ui_s1_niveau11 = ui_stg_niveau11;
    ui_s1_niveau12 = ui_stg_niveau12;
    ui_s1_annee = ui_stg_annee;
    ui_s1_mois = ui_stg_mois;
    ui_s1_jour = ui_stg_jour;
    ui_s1_heure = ui_stg_heure;
    ui_s1_minute = ui_stg_minute;
    ui_s1_unite_temps = ui_stg_unite_temps;
    ui_s1_p1 = ui_stg_p1;
    ui_s1_p2 = ui_stg_p2;
    ui_s1_indicateur = ui_stg_indicateur;
    ui_s1_nombre_moyenne = ui_stg_nombre_moyenne;
    ui_s1_nombre_manquant = ui_stg_nombre_manquant;
    ui_s1_siecle = ui_stg_siecle;
    puc_s1_extension = puc_stg_extension;
    ui_s1_cle_date = ui_stg_cle_date;
    if (ui_s1_cle_date) {
        ui_s1_annee = ui_s1_cle_date / 1000000;
        ui_s1_mois = ui_s1_cle_date / 10000 % 100;
        ui_s1_jour = ui_s1_cle_date / 100 % 100;
        ui_s1_heure = ui_s1_cle_date % 100;
    }
    ui_s2_type = ui_stg_type;
    switch (ui_s2_type) {
    case 0: case 10: case 20: case 30:
        ui_ll_ni = ui_stg_ll_ni;
        ui_ll_nj = ui_stg_ll_nj;
        f_ll_la1 = f_stg_ll_la1;
        f_ll_lo1 = f_stg_ll_lo1;
        f_ll_la2 = f_stg_ll_la2;
        f_ll_lo2 = f_stg_ll_lo2;
        f_ll_di = f_stg_ll_di;
        f_ll_dj = f_stg_ll_dj;
        ui_ll_drapeaux = ui_stg_ll_drapeaux;
        ui_ll_balayage = ui_stg_balayage;
        break;
    case 4: case 14: case 24: case 34:
        ui_ga_ni = ui_stg_ga_ni;
        ui_ga_nj = ui_stg_ga_nj;
        f_ga_la1 = f_stg_ga_la1;
        f_ga_lo1 = f_stg_ga_lo1;
        f_ga_la2 = f_stg_ga_la2;
        f_ga_lo2 = f_stg_ga_lo2;
        f_ga_di = f_stg_ga_di;
        ui_ga_n = ui_stg_ga_n;
        ui_ga_drapeaux = ui_stg_ga_drapeaux;
        pui_ga_points_par_ligne = pui_stg_ga_points_par_ligne;
        ui_ga_balayage = ui_stg_balayage;
        break;
    case 5:
        ui_sp_nx = ui_stg_sp_nx;
        ui_sp_ny = ui_stg_sp_ny;
        f_sp_la1 = f_stg_sp_la1;
        f_sp_lo1 = f_stg_sp_lo1;
        f_sp_lov = f_stg_sp_lov;
        f_sp_dx = f_stg_sp_dx;
        f_sp_dy = f_stg_sp_dy;
        ui_sp_centre_projection = ui_stg_sp_centre_projection;
        ui_sp_drapeaux = ui_stg_sp_drapeaux;
        ui_sp_balayage = ui_stg_balayage;
        break;
    }
    ui_nombre_points = ui_stg_nombre_points;
    ui_s4_bits_par_valeur = ui_stg_bits_par_valeur;
    pf_s4_valeurs = pf_stg_valeurs;
    pui_s4_codes = pui_stg_codes;
    ppf_mv_matrices = ppf_stg_matrices;
    ui_mv_nr = ui_stg_nr;
    ui_mv_nc = ui_stg_nc;
    ui_mv_phys1 = ui_stg_phys1;
    ui_mv_phys2 = ui_stg_phys2;
    pf_mv_lignes = pf_stg_lignes;
    pf_mv_colonnes = pf_stg_colonnes;
    // Raw codes keep the scale they were decoded with.
    i_s4_e = i_stg_e;
    d_s4_reference = d_stg_reference;
}

int CLASS_GRIB_PUT_CONTROLE::iControleChamps()
{
    const unsigned int base1 = ui_s0_edition ? 28 : 24;
    if (ui_s0_edition > 1)
        return iRefus("version de code incorrecte", (int)ui_s0_edition);
    if (ui_s1_section2 > 1)
        return iRefus("indicateur section2 incorrect", (int)ui_s1_section2);
    if (ui_s1_parametre == 0 || ui_s1_parametre > 254)
        return iRefus("parametre incorrect", (int)ui_s1_parametre);
    if (ui_s1_type_niveau > 254)
        return iRefus("type de niveau incorrect", (int)ui_s1_type_niveau);
    if (ui_s1_annee > 100)
        return iRefus("annee incorrecte", (int)ui_s1_annee);
    if (ui_s1_mois < 1 || ui_s1_mois > 12)
        return iRefus("mois incorrecte", (int)ui_s1_mois);
    if (ui_s1_jour < 1 || ui_s1_jour > 31)
        return iRefus("jour incorrect", (int)ui_s1_jour);
    if (ui_s1_heure > 23)
        return iRefus("heure incorrecte", (int)ui_s1_heure);
    if (ui_s1_unite_temps > 254)
        return iRefus("indicateur 4 incorrect", (int)ui_s1_unite_temps);
    if (ui_s1_indicateur > 254)
        return iRefus("indicateur 5 incorrect", (int)ui_s1_indicateur);
    if (ui_s1_nombre_moyenne > 65534)
        return iRefus("nombre moyennes incorrect", (int)ui_s1_nombre_moyenne);
    // The octets that fit in one octet each.
    if (ui_s1_version_table2 > 255 || ui_s1_centre > 255 || ui_s1_processus > 255 ||
        ui_s1_niveau11 > 255 || ui_s1_niveau12 > 255 || ui_s1_minute > 59 ||
        ui_s1_p1 > 255 || ui_s1_p2 > 255 || ui_s1_nombre_manquant > 255 || ui_s1_siecle > 255)
        return iRefus("section 1 incorrecte");
    if (ui_s1_longueur > base1 && !puc_s1_extension)
        return iRefus("donnees suplementaires non initialisees");
    return iControleGrille();
}

int CLASS_GRIB_PUT_CONTROLE::iControleGrille()
{
    const int type = (int)ui_s2_type;
    const bool ll = type % 10 == 0 && type <= 30, ga = type % 10 == 4 && type <= 34;
    const float la1 = ll ? f_ll_la1 : ga ? f_ga_la1 : f_sp_la1;
    const float lo1 = ll ? f_ll_lo1 : ga ? f_ga_lo1 : f_sp_lo1;
    if ((ll || ga || type == 5) && bHors(la1, -90, 90))
        return iRefus("lat1 incorrecte", la1);
    if ((ll || ga || type == 5) && bHors(lo1, -180, 360))
        return iRefus("lon1 incorrecte", lo1);
    if ((ll || ga) && bHors(ll ? f_ll_la2 : f_ga_la2, -90, 90))
        return iRefus("lat2 incorrecte", ll ? f_ll_la2 : f_ga_la2);
    if ((ll || ga) && bHors(ll ? f_ll_lo2 : f_ga_lo2, -180, 360))
        return iRefus("lon2 incorrecte", ll ? f_ll_lo2 : f_ga_lo2);
    if (ll && f_ll_di == 0)
        return iRefus("pas longitude incorrect", f_ll_di);
    if (ll && f_ll_dj == 0)
        return iRefus("pas latitude incorrect", f_ll_dj);
    if (ga && ui_ga_n == 0)
        return iRefus("nombre de paralleles incorrect", 0.0f);
    if (ga && ui_nombre_points == 0)
        return iRefus("matrice descriptive gaussienne nulle", 0.0f);
    if (type == 5 && bHors(f_sp_lov, -180, 360))
        return iRefus("lov incorrecte", f_sp_lov);
    // 0 bits: a constant field, checked once the values are known.
    if (ui_s4_bits_par_valeur > 24)
        return iRefus("champ de bits incorrect", (int)ui_s4_bits_par_valeur);
    if (!pf_s4_valeurs && !pui_s4_codes && !ppf_mv_matrices)
        return iRefus("matrice non initialisee");
    // Rotated and stretched grids would lose their rotation and stretching.
    if (type != 0 && type != 4 && type != 5)
        return iRefus("projection non traitee", type);
    // NC1 and NC2 are one octet each; the decoder wants codes of 1 bit or more.
    if (bMatrices() && (!ui_mv_nr || !ui_mv_nc || ui_mv_nr > 255 || ui_mv_nc > 255 ||
                        !pf_mv_lignes || !pf_mv_colonnes || !ui_s4_bits_par_valeur))
        return iRefus("matrice de valeurs incorrecte");
    // The message says D = 0: raw codes of another scale would change value.
    if (bBruts() && i_stg_d != 0)
        return iRefus("facteur decimal non traite", i_stg_d);
    // The record's arrays hold one entry per grid point: read no further.
    if (uiPoints() != ui_nombre_points)
        return iRefus("nombre de points incorrect", (int)ui_nombre_points);
    return 0;
}

// Points the grid describes: Ni x Nj, Nx x Ny, or the rows of a quasi-regular
// Gaussian grid.
unsigned int CLASS_GRIB_PUT_CONTROLE::uiPoints()
{
    uint64_t n;
    if (ui_s2_type == 5) {
        n = (uint64_t)ui_sp_nx * ui_sp_ny;
    } else if (ui_s2_type == 4 && pui_ga_points_par_ligne) {
        n = 0;
        for (unsigned int k = 0; k < 2 * ui_ga_n; ++k)
            n += pui_ga_points_par_ligne[k];
    } else if (ui_s2_type == 4) {
        n = (uint64_t)ui_ga_ni * ui_ga_nj;
    } else {
        n = (uint64_t)ui_ll_ni * ui_ll_nj;
    }
    return n > UINT32_MAX ? 0 : (unsigned int)n;
}

void CLASS_GRIB_PUT_CONTROLE::vGeometrie()
{
    if (ui_s2_type == 0) {
        ui_ll_la1 = uiAngle(f_ll_la1);
        ui_ll_lo1 = uiAngle(f_ll_lo1);
        ui_ll_la2 = uiAngle(f_ll_la2);
        ui_ll_lo2 = uiAngle(f_ll_lo2);
        ui_ll_di = uiArrondi((double)f_ll_di * 1000.0);
        ui_ll_dj = uiArrondi((double)f_ll_dj * 1000.0);
    } else if (ui_s2_type == 4) {
        ui_ga_la1 = uiAngle(f_ga_la1);
        ui_ga_lo1 = uiAngle(f_ga_lo1);
        ui_ga_la2 = uiAngle(f_ga_la2);
        ui_ga_lo2 = uiAngle(f_ga_lo2);
        ui_ga_di = f_ga_di == 65535.0f ? 65535u : uiArrondi((double)f_ga_di * 1000.0);
    } else {
        ui_sp_la1 = uiAngle(f_sp_la1);
        ui_sp_lo1 = uiAngle(f_sp_lo1);
        ui_sp_lov = uiAngle(f_sp_lov);
        ui_sp_dx = uiArrondi(f_sp_dx);
        ui_sp_dy = uiArrondi(f_sp_dy);
    }
}

bool CLASS_GRIB_PUT_CONTROLE::bPresent(unsigned long k) const
{
    if (pf_s4_valeurs)
        return pf_s4_valeurs[k] != f_valeur_absente;
    if (ppf_mv_matrices)
        return ppf_mv_matrices[k] != nullptr;
    return pui_s4_codes[k] != ul_valeur_absente;
}

// Present values, R and the maximum; the matrices' counts.
int CLASS_GRIB_PUT_CONTROLE::iParcourirValeurs()
{
    float min = 1.0e37f, max = -1.0e37f;
    unsigned long presents = 0;
    bool fini = true;
    const auto prendre = [&](const float* v, unsigned long n) {
        const EtendueValeurs t = etendueValeurs(v, n, f_valeur_absente);
        presents += (unsigned long)t.presents;
        fini = fini && t.finies;
        min = std::min(min, t.min);
        max = std::max(max, t.max);
    };
    if (pf_s4_valeurs) {
        prendre(pf_s4_valeurs, ui_nombre_points);
    } else if (bMatrices()) {
        ui_s4_drapeaux_octet14 = 1;
        ui_o14_matrice = 1;
        const unsigned long taille = (unsigned long)ui_mv_nr * ui_mv_nc;
        for (unsigned long k = 0; k < ui_nombre_points; ++k) {
            if (!ppf_mv_matrices[k])
                continue;
            ++ui_mv_octets1213;
            ui_mv_valeurs_attendues += (unsigned int)taille;
            prendre(ppf_mv_matrices[k], taille);
        }
        ui_o14_bitmaps_secondaires = presents != ui_mv_valeurs_attendues;
    } else {
        unsigned int codeMax = 0;
        for (unsigned long k = 0; k < ui_nombre_points; ++k)
            if (pui_s4_codes[k] != ul_valeur_absente) {
                ++presents;
                codeMax = pui_s4_codes[k] > codeMax ? pui_s4_codes[k] : codeMax;
            }
        ui_s4_code_max = codeMax;
        if (presents && (uint64_t)codeMax >= (1ull << ui_s4_bits_par_valeur))
            return iRefus("code trop grand", (int)codeMax);
    }
    if (!presents)
        return iRefus("Pas de points sur mer");
    if (!fini)
        return iRefus("valeur non finie");
    ui_s4_nombre_valeurs = (unsigned int)presents;
    d_s4_reference = bBruts() ? d_s4_reference : min;
    d_s4_maximum = max;
    // 0 bits carry one value only: R.
    if (ui_s4_bits_par_valeur == 0 && (bBruts() ? ui_s4_code_max != 0 : max != min))
        return iRefus("champ de bits incorrect", 0);
    return 0;
}

int CLASS_GRIB_PUT_CONTROLE::iLongueurs()
{
    const uint64_t points = ui_nombre_points, presents = ui_s4_nombre_valeurs;
    const bool matrices = bMatrices();
    const bool complet = matrices ? ui_mv_octets1213 == points : presents == points;
    // Absent points always go to a bit map: no all-ones code stands for
    // them (a clamped value would read back absent).
    const bool carte = !complet;
    // Codes written: every point without a bit map and in edition 0.
    const uint64_t codes = matrices || (carte && ui_s0_edition) ? presents : points;
    uint64_t donnees = codes * ui_s4_bits_par_valeur + 88;
    if (matrices)
        donnees = (uint64_t)(ui_mv_nr + ui_mv_nc) * 32 +
                  (ui_o14_bitmaps_secondaires ? ui_mv_valeurs_attendues : 0) +
                  codes * ui_s4_bits_par_valeur + 192;
    ui_s1_section3 = carte ? 1 : 0;
    ui_s3_bits_bitmap = carte ? (unsigned int)points : 0;
    ui_s3_longueur = carte ? (unsigned int)ulOctets16(points + 48, ui_s3_bits_inutilises) : 0;
    ui_s4_longueur =
        (unsigned int)std::min<uint64_t>(ulOctets16(donnees, ui_s4_bits_inutilises), UINT32_MAX);
    const unsigned int base1 = ui_s0_edition ? 28 : 24;
    if (!puc_s1_extension || ui_s1_longueur < base1)
        ui_s1_longueur = base1;
    const bool liste = ui_s2_type == 4 && pui_ga_points_par_ligne;
    ui_s2_pvpl = liste ? 33 : 255;
    ui_s2_longueur = !ui_s1_section2 ? 0 : liste ? 4 * ui_ga_n + 32 : 32;
    const uint64_t total = (uint64_t)ui_s1_longueur + ui_s2_longueur + ui_s3_longueur +
                           ui_s4_longueur + (ui_s0_edition ? 12 : 8);
    ui_limite = LONGUEUR_MAX;
    if (total > ui_limite) {
        CLASS_CODES_LOGERR::iErr(-1, "longueur totale>prevue", "%ld>%ld", (long)total,
                                 (long)ui_limite);
        return 1;
    }
    // One octet more: the cursor clears the octet after a field that ends
    // on an octet boundary.
    unsigned char* tampon = new (std::nothrow) unsigned char[total + 1]();
    if (!tampon)
        return iRefus("memoire insuffisante");
    vFree();
    puc_message = tampon;
    ui_longueur_message = (unsigned int)total;
    ui_s0_longueur_totale = (unsigned int)total;
    vChange(puc_message, 0);
    return 0;
}

int CLASS_GRIB_PUT_CONTROLE::iControleAnalyse()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iControleAnalyse");
    vReadStp();
    if (iControleChamps() != 0)
        return 1;
    vGeometrie();
    if (iParcourirValeurs() != 0)
        return 1;
    return iLongueurs();
}
