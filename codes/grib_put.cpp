// The encoder's data section (simple packing of floats, raw codes or
// matrices of values), the end marker, and cpucPut.
#include "codes/grib_put.h"

#include "codes/grib_get.h"
#include "codes/octets_grib.h"
#include "codes/paquets_simples.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Codes written one after the other: whole octets for 8, 16 and 24 bits on
// an octet boundary, the bit cursor otherwise. The buffer is zeroed.
class EcrivainCodes {
public:
    EcrivainCodes(CLASS_CODES_BIT& curseur, unsigned int bits)
        : curseur_(curseur), bits_(bits),
          octets_(curseur.ui_bit == 0 && bits % 8 == 0 ? bits / 8 : 0), p_(curseur.puc_octet)
    {
    }
    ~EcrivainCodes()
    {
        if (octets_)
            curseur_.puc_octet = p_;
    }
    void operator()(uint32_t code)
    {
        switch (octets_) {
        case 1:
            *p_++ = (unsigned char)code;
            break;
        case 2:
            p_[0] = (unsigned char)(code >> 8);
            p_[1] = (unsigned char)code;
            p_ += 2;
            break;
        case 3:
            p_[0] = (unsigned char)(code >> 16);
            p_[1] = (unsigned char)(code >> 8);
            p_[2] = (unsigned char)code;
            p_ += 3;
            break;
        default:
            curseur_.vWrite(bits_, code);
        }
    }

private:
    CLASS_CODES_BIT& curseur_;
    unsigned int bits_;
    unsigned int octets_;
    unsigned char* p_;
};

// Code of a value: (v - R) / 2^E rounded, kept within 0 .. 2^n - 1 (the
// rounding of the maximum, and R as stored, can step just outside).
struct Echelle {
    double r, inverse, max;
    uint32_t operator()(float v) const
    {
        const double c = ((double)v - r) * inverse + 0.5;
        return (uint32_t)std::min(std::max(c, 0.0), max);
    }
};

}  // namespace

void CLASS_GRIB_PUT::vSetFem()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetFem");
    const unsigned int n = ui_s4_bits_par_valeur;
    double r = d_s4_reference, m = d_s4_maximum;
    const double x = (m - r) / (std::ldexp(1.0, (int)n + 1) - 1);
    int e = 0;
    if (x > 0) {
        const double t = std::log2(x) + 2;
        e = t >= 0 ? (int)t : (int)(t - 1);
    }
    i_s4_e = e;
    ui_s4_e = e < 0 ? (unsigned int)(-e) | 0x8000u : (unsigned int)e;
    d_s4_deux_puissance_e = std::ldexp(1.0, e);
    unsigned char octet;
    unsigned long mantisse;
    vExposantMantisse(r, octet, mantisse);
    ui_s4_reference_octet = octet;
    ui_s4_reference_mantisse = (unsigned int)mantisse;
    // Codes count from R as it is stored.
    const unsigned char ibm[4] = {octet, (unsigned char)(mantisse >> 16),
                                  (unsigned char)(mantisse >> 8), (unsigned char)mantisse};
    d_s4_reference = reelIBM(ibm);
}

void CLASS_GRIB_PUT::vEnTete4()
{
    ui_s4_position = (unsigned int)ulTell();
    vOctets(3, ui_s4_longueur);
    vOctets(1, ui_s4_drapeaux_octet14 << 4 | ui_s4_bits_inutilises);
    vOctets(2, ui_s4_e);
    vOctets(1, ui_s4_reference_octet);
    vOctets(3, ui_s4_reference_mantisse);
    vOctets(1, ui_s4_bits_par_valeur);
}

void CLASS_GRIB_PUT::vCoder(const float* valeurs, unsigned long n, bool sauterAbsents)
{
    const unsigned int bits = ui_s4_bits_par_valeur;
    const double max = bits ? std::ldexp(1.0, (int)bits) - 1 : 0;
    const Echelle echelle{d_s4_reference, std::ldexp(1.0, -i_s4_e), max};
    const uint32_t tousUns = (uint32_t)max;
    if (!sauterAbsents && ui_bit == 0 && bits == 8) {
        // The usual case, without branches: one octet a value.
        vEmballer8(valeurs, n, f_valeur_absente, echelle.r, echelle.inverse, echelle.max,
                   (unsigned char)tousUns, puc_octet);
        puc_octet += n;
        return;
    }
    EcrivainCodes ecrire(*this, bits);
    for (unsigned long k = 0; k < n; ++k) {
        const float v = valeurs[k];
        if (v != f_valeur_absente)
            ecrire(echelle(v));
        else if (!sauterAbsents)
            ecrire(tousUns);
    }
}

int CLASS_GRIB_PUT::iFin4()
{
    vSkip(ui_s4_bits_inutilises);
    const unsigned long p = ulTell();
    if (p + 32 == 8ul * ui_longueur_message) {
        CLASS_CODES_LOGERR::iErr(0, "fin de section 4 correcte", "%ld+32 != %ld", (long)p,
                                 (long)(p + 32));
        return 0;
    }
    CLASS_CODES_LOGERR::iErr(-1, "fin de section 4 incorrecte", "%ld+32 != %ld", (long)p,
                             (long)(8ul * ui_longueur_message));
    return 1;
}

int CLASS_GRIB_PUT::vSection4()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection4");
    vSetFem();
    vEnTete4();
    // Absent points are skipped under a bit map, except in edition 0 which
    // codes every point; without a map only the all-ones switch leaves any.
    vCoder(pf_s4_valeurs, ui_nombre_points, ui_s1_section3 && ui_s0_edition);
    return iFin4();
}

int CLASS_GRIB_PUT::vSection4i()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection4i");
    ui_s4_e = i_s4_e < 0 ? (unsigned int)(-i_s4_e) | 0x8000u : (unsigned int)i_s4_e;
    unsigned char octet;
    unsigned long mantisse;
    vExposantMantisse(d_s4_reference, octet, mantisse);
    ui_s4_reference_octet = octet;
    ui_s4_reference_mantisse = (unsigned int)mantisse;
    vEnTete4();
    const unsigned int bits = ui_s4_bits_par_valeur;
    const uint32_t tousUns = bits ? (uint32_t)((1ull << bits) - 1) : 0;
    const bool sauter = ui_s1_section3 && ui_s0_edition;
    EcrivainCodes ecrire(*this, bits);
    for (unsigned long k = 0; k < ui_nombre_points; ++k) {
        const uint32_t code = pui_s4_codes[k];
        if (code != ul_valeur_absente)
            ecrire(code);
        else if (!sauter)
            ecrire(tousUns);
    }
    return iFin4();
}

int CLASS_GRIB_PUT::vSection4_2()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection4_2");
    vSetFem();
    vEnTete4();
    vOctets(2, ui_mv_octets1213);
    vOctets(1, 1u << 6 | ui_o14_bitmaps_secondaires << 5);
    vOctets(2, ui_mv_nr);
    vOctets(2, ui_mv_nc);
    const unsigned int octets[] = {0, ui_mv_nr & 0xFF, 0, ui_mv_nc & 0xFF, ui_mv_phys1,
                                   ui_mv_phys2};  // NRV, NC1, NCV, NC2, PHYS1, PHYS2
    for (unsigned int o : octets)
        vOctets(1, o);
    const auto ibm = [&](float v) {
        unsigned char octet;
        unsigned long mantisse;
        vExposantMantisse(v, octet, mantisse);
        vOctets(1, octet);
        vOctets(3, mantisse);
    };
    for (unsigned int i = 0; i < ui_mv_nr; ++i)
        ibm(pf_mv_lignes[i]);
    for (unsigned int j = 0; j < ui_mv_nc; ++j)
        ibm(pf_mv_colonnes[j]);
    const unsigned long taille = (unsigned long)ui_mv_nr * ui_mv_nc;
    for (unsigned long k = 0; ui_o14_bitmaps_secondaires && k < ui_nombre_points; ++k)
        for (unsigned long m = 0; ppf_mv_matrices[k] && m < taille; ++m)
            vWrite(1, ppf_mv_matrices[k][m] != f_valeur_absente);
    for (unsigned long k = 0; k < ui_nombre_points; ++k)
        if (ppf_mv_matrices[k])
            vCoder(ppf_mv_matrices[k], taille, true);
    return iFin4();
}

void CLASS_GRIB_PUT::vSection5()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection5");
    ui_s5_position = (unsigned int)ulTell();
    std::memcpy(puc_octet, "7777", 4);
    vSkip(32);
}

unsigned char* CLASS_GRIB_PUT::cpucPut()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpucPut");
    if (iWriteSections() != 0)
        return nullptr;
    const int r = pf_s4_valeurs ? vSection4() : ppf_mv_matrices ? vSection4_2() : vSection4i();
    if (r != 0) {
        vFree();
        return nullptr;
    }
    vSection5();
    return puc_message;
}

void CLASS_GRIB_PUT::vCopie(const CLASS_GRIB_GET& decodeur)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vCopie");
    static_cast<CLASS_GRIB_STRUCTURE&>(*this) = decodeur;
    ui_s1_longueur = decodeur.puc_s1_extension ? decodeur.ui_s1_longueur : 0;
}
