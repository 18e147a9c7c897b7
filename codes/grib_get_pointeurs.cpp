// Locating the sections of a GRIB edition 0 or 1 message. Each section's
// length is checked against its fixed header and against the octets left
// before it is used.
#include "codes/grib_get.h"

#include "codes/octets_grib.h"

#include <cstring>

namespace {

// Octets of each section up to the last field the decoder reads in it.
const unsigned int SECTION1_MIN_ED1 = 28, SECTION1_MIN_ED0 = 24, SECTION2_MIN = 28,
                   SECTION3_MIN = 6, SECTION4_MIN = 11;

int iTropLong(unsigned long cumul, unsigned long prevue)
{
    return CLASS_CODES_LOGERR::iErr(-1, "longueur totale>longueur prevue", "%ld>%ld",
                                    (long)cumul, (long)prevue);
}

}  // namespace

void CLASS_GRIB_GET::vMessage(const unsigned char* message, unsigned int longueur)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vMessage");
    // The cursor also serves the encoder, which writes; decoding only reads.
    vChange(const_cast<unsigned char*>(message), 0);
    ui_longueur_prevue = longueur;
    ui_longueur_cumulee = 0;
    ui_sections_localisees = 0;
    ui_sections_decodees = 0;
    ui_valeurs_decodees = 0;
}

int CLASS_GRIB_GET_BASE::iGetPointeurs()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetPointeurs");
    if (ui_sections_localisees)
        return CLASS_CODES_LOGERR::iErr(-1, "message deja traite");
    if (!puc_debut)
        return CLASS_CODES_LOGERR::iErr(-1, "zone message non initialisee");
    // A fresh model for this message; the arrays of the previous one are
    // still owned here and freed by vGetFree / vGetSectionsFree.
    float* valeurs = pf_s4_valeurs;
    unsigned int* codes = pui_s4_codes;
    float* lignes = pf_mv_lignes;
    float* colonnes = pf_mv_colonnes;
    float** matrices = ppf_mv_matrices;
    unsigned int* largeurs = pui_so_largeurs;
    unsigned int* rangs = pui_ga_points_par_ligne;
    CLASS_GRIB_SECTIONS::vInit();
    pf_s4_valeurs = valeurs;
    pui_s4_codes = codes;
    pf_mv_lignes = lignes;
    pf_mv_colonnes = colonnes;
    ppf_mv_matrices = matrices;
    pui_so_largeurs = largeurs;
    pui_ga_points_par_ligne = rangs;
    const unsigned char* m = puc_debut;
    if (ui_longueur_prevue < 8)
        return iTropLong(8, ui_longueur_prevue);
    ui_s0_position = 0;
    std::memcpy(ca_s0_identificateur, m, 4);
    ca_s0_identificateur[4] = 0;
    if (std::memcmp(m, "GRIB", 4) != 0)
        return CLASS_CODES_LOGERR::iErr(-1, "Identificateur GRIB absent");
    ui_s0_edition = m[7];
    if (ui_s0_edition > 1)
        return CLASS_CODES_LOGERR::iErr(-1, "Version de code inconnue", "%d", (int)m[7]);
    ui_longueur_cumulee = 4;
    if (ui_s0_edition == 1) {
        ui_s0_longueur_totale = u24(m + 4);
        if (ui_s0_longueur_totale > ui_longueur_prevue)
            return iTropLong(ui_s0_longueur_totale, ui_longueur_prevue);
        if (ui_s0_longueur_totale < ui_longueur_prevue) {
            CLASS_CODES_LOGERR::iErr(0, "longueur totale<longueur prevue", "%ld>%ld",
                                     (long)ui_s0_longueur_totale, (long)ui_longueur_prevue);
            ui_longueur_prevue = ui_s0_longueur_totale;
        }
        ui_longueur_cumulee = 8;
    }
    // Each section: its position, then its length within what is left.
    auto section = [&](unsigned int& position, unsigned int& longueur, unsigned int minimum) {
        position = ui_longueur_cumulee * 8;
        if (ui_longueur_cumulee + minimum > ui_longueur_prevue)
            return iTropLong((unsigned long)ui_longueur_cumulee + minimum, ui_longueur_prevue);
        longueur = u24(m + ui_longueur_cumulee);
        if (longueur < minimum)
            return CLASS_CODES_LOGERR::iErr(-1, "longueur de section incorrecte", "%u<%u",
                                            longueur, minimum);
        ui_longueur_cumulee += longueur;
        if (ui_longueur_cumulee > ui_longueur_prevue)
            return iTropLong(ui_longueur_cumulee, ui_longueur_prevue);
        return 0;
    };
    if (int r = section(ui_s1_position, ui_s1_longueur,
                        ui_s0_edition ? SECTION1_MIN_ED1 : SECTION1_MIN_ED0))
        return r;
    const unsigned char drapeaux = m[ui_s1_position / 8 + 7];
    ui_s1_section2 = drapeaux & 0x80 ? 1 : 0;
    ui_s1_section3 = drapeaux & 0x40 ? 1 : 0;
    ui_s2_position = ui_s3_position = 0;
    if (ui_s1_section2)
        if (int r = section(ui_s2_position, ui_s2_longueur, SECTION2_MIN))
            return r;
    if (ui_s1_section3)
        if (int r = section(ui_s3_position, ui_s3_longueur, SECTION3_MIN))
            return r;
    if (int r = section(ui_s4_position, ui_s4_longueur, SECTION4_MIN))
        return r;
    ui_s5_position = ui_longueur_cumulee * 8;
    if (ui_longueur_cumulee + 4 > ui_longueur_prevue)
        return iTropLong(ui_longueur_cumulee + 4, ui_longueur_prevue);
    std::memcpy(ca_s5_fin, m + ui_longueur_cumulee, 4);
    ca_s5_fin[4] = 0;
    ui_longueur_cumulee += 4;
    if (std::memcmp(ca_s5_fin, "7777", 4) != 0)
        return CLASS_CODES_LOGERR::iErr(-1, "Identificateur 7777 absent");
    ui_sections_localisees = 1;
    return 0;
}
