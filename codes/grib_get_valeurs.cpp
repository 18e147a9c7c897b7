// Simple packing, into decoded values or raw codes, with or without a bit
// map; a constant field when the bits per value are 0.
#include "codes/grib_get.h"
#include "codes/grib_get_codes.h"
#include "codes/paquets_simples.h"

#include <cmath>
#include <new>

namespace {

int iRefus(const char* message, uint64_t a, uint64_t b)
{
    CLASS_CODES_LOGERR::iErr(-1, message, "%llu %llu", (unsigned long long)a,
                             (unsigned long long)b);
    return 1;
}

}  // namespace

int CLASS_GRIB_GET::iGetValeurs()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetValeurs");
    return iDeballer(0);
}

int CLASS_GRIB_GET::iGetEcarts()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetEcarts");
    return iDeballer(1);
}

int CLASS_GRIB_GET::iDeballer(int bruts)
{
    const unsigned int bits = ui_s4_bits_par_valeur;
    const unsigned char* carte = puc_s3_bitmap;
    const bool edition0 = ui_s0_edition == 0;
    // Values given, and codes read for them.
    uint64_t n, codes;
    if (carte) {
        n = ui_s3_bits_bitmap;
        codes = edition0 ? n : ulBitsAUn(carte, n);
    } else {
        n = bits ? ui_s4_nombre_valeurs : ui_nombre_points;
        codes = n;
    }
    if (n < ui_nombre_points)
        return iRefus("moins de valeurs que de points", n, ui_nombre_points);
    if (bits == 0 && n > POINTS_SANS_CODE_MAX)
        return iRefus("champ constant trop grand", n, POINTS_SANS_CODE_MAX);
    if (bits && codes > ui_s4_nombre_valeurs)
        return iRefus("section 4 trop courte", codes, ui_s4_nombre_valeurs);
    float* valeurs = nullptr;
    unsigned int* bruts_ = nullptr;
    if (bruts)
        bruts_ = pui_s4_codes = new (std::nothrow) unsigned int[n ? n : 1];
    else
        valeurs = pf_s4_valeurs = new (std::nothrow) float[n ? n : 1];
    if (!valeurs && !bruts_)
        return iRefus("memoire insuffisante", n, 0);
    ui_s4_nombre_valeurs = bits ? ui_s4_nombre_valeurs : (unsigned int)n;
    ui_s4_valeurs_decodees = (unsigned int)n;

    // A constant field is its reference value, its decimal scale left aside,
    // as eccodes and the encoders that write such fields read it.
    const double d = bits ? std::pow(10.0, -i_s1_d) : 1.0;
    const EchelleDecodage echelle{d_s4_deux_puissance_e, d_s4_reference, d};
    LecteurCodes lecteur(*this, ui_s4_position_donnees, bits);
    const uint32_t tousUns = bits ? (uint32_t)((1ull << bits) - 1) : 0;
    const bool absentSiUns = !carte && ui_code_absent && bits;
    uint32_t max = 0;
    const bool octets = !bruts && !carte && !absentSiUns && ui_s4_position_donnees % 8 == 0;
    const unsigned char* p = puc_debut + ui_s4_position_donnees / 8;
    if (octets && bits == 8) {
        // The common cases, 8 and 16 bits without a bit map, in one pass.
        max = uiDeballer8(p, n, echelle.e, echelle.r, echelle.d, valeurs);
    } else if (octets && bits == 16) {
        max = uiDeballer16(p, n, echelle.e, echelle.r, echelle.d, valeurs);
    } else {
        for (uint64_t k = 0; k < n; ++k) {
            const bool present = !carte || bBit(carte, k);
            if (!present) {
                if (edition0)
                    lecteur.sauter();
                if (bruts)
                    bruts_[k] = ul_valeur_absente;
                else
                    valeurs[k] = f_valeur_absente;
                continue;
            }
            const uint32_t code = lecteur.suivant();
            max = code > max ? code : max;
            if (absentSiUns && code == tousUns) {
                if (bruts)
                    bruts_[k] = ul_valeur_absente;
                else
                    valeurs[k] = f_valeur_absente;
            } else if (bruts) {
                bruts_[k] = code;
            } else {
                valeurs[k] = echelle(code);
            }
        }
    }
    ui_s4_code_max = max;
    return iGetValeursTestFin(ui_s4_position_donnees + (unsigned long)(codes * bits));
}
