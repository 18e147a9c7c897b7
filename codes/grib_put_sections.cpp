// The encoder's sections 0 to 3, from the section model that
// iControleAnalyse has filled and sized.
#include "codes/grib_put.h"

#include <cmath>
#include <cstring>

void CLASS_GRIB_PUT_SECTIONS::vOctets(unsigned int nombre, unsigned long valeur)
{
    vWrite(8 * nombre, valeur);
}

int CLASS_GRIB_PUT_SECTIONS::iWriteSections()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iWriteSections");
    if (iControleAnalyse() != 0)
        return 1;
    vSection0();
    vSection1();
    if (ui_s1_section2)
        vSection2();
    if (ui_s1_section3) {
        if (bBruts())
            vSection3i();
        else
            vSection3();
    }
    return 0;
}

void CLASS_GRIB_PUT_SECTIONS::vSection0()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection0");
    vChange(puc_message, 0);
    std::memcpy(puc_message, "GRIB", 4);
    vSkip(32);
    if (ui_s0_edition) {
        vOctets(3, ui_s0_longueur_totale);
        vOctets(1, ui_s0_edition);
    }
}

void CLASS_GRIB_PUT_SECTIONS::vSection1()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection1");
    ui_s1_position = (unsigned int)ulTell();
    vOctets(3, ui_s1_longueur);
    vOctets(1, ui_s0_edition ? ui_s1_version_table2 : 0);
    vOctets(1, ui_s1_centre);
    vOctets(1, ui_s1_processus);
    vOctets(1, 255);  // grid identification: the grid is described in section 2
    vOctets(1, ui_s1_section2 << 7 | ui_s1_section3 << 6);
    const unsigned int octets[] = {ui_s1_parametre, ui_s1_type_niveau, ui_s1_niveau11,
                                   ui_s1_niveau12,  ui_s1_annee,       ui_s1_mois,
                                   ui_s1_jour,      ui_s1_heure,       ui_s1_minute,
                                   ui_s1_unite_temps, ui_s1_p1,        ui_s1_p2,
                                   ui_s1_indicateur};
    for (unsigned int o : octets)
        vOctets(1, o);
    vOctets(2, ui_s1_nombre_moyenne);
    vOctets(1, ui_s1_nombre_manquant);
    unsigned int base = 24;
    if (ui_s0_edition) {
        vOctets(1, ui_s1_siecle);
        vOctets(1, 0);  // sub-centre
        vOctets(2, 0);  // D
        base = 28;
    }
    if (ui_s1_longueur > base) {
        std::memcpy(puc_octet, puc_s1_extension, ui_s1_longueur - base);
        vSkip(8L * (ui_s1_longueur - base));
    }
}

void CLASS_GRIB_PUT_SECTIONS::vSection2()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection2");
    ui_s2_position = (unsigned int)ulTell();
    vOctets(3, ui_s2_longueur);
    vOctets(1, 0);  // NV
    vOctets(1, ui_s2_pvpl);
    vOctets(1, ui_s2_type);
    if (ui_s2_type == 0)
        vSection2ll();
    else if (ui_s2_type == 4)
        vSection2ga();
    else
        vSection2sp();
}

void CLASS_GRIB_PUT_SECTIONS::vSection2ll()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection2ll");
    vOctets(2, ui_ll_ni);
    vOctets(2, ui_ll_nj);
    vOctets(3, ui_ll_la1);
    vOctets(3, ui_ll_lo1);
    vOctets(1, ui_ll_drapeaux);
    vOctets(3, ui_ll_la2);
    vOctets(3, ui_ll_lo2);
    vOctets(2, ui_ll_di);
    vOctets(2, ui_ll_dj);
    vOctets(1, ui_ll_balayage);
    vOctets(4, 0);
}

void CLASS_GRIB_PUT_SECTIONS::vSection2ga()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection2ga");
    vOctets(2, ui_ga_ni);
    vOctets(2, ui_ga_nj);
    vOctets(3, ui_ga_la1);
    vOctets(3, ui_ga_lo1);
    vOctets(1, ui_ga_drapeaux);
    vOctets(3, ui_ga_la2);
    vOctets(3, ui_ga_lo2);
    vOctets(2, ui_ga_di);
    vOctets(2, ui_ga_n);
    vOctets(1, ui_ga_balayage);
    vOctets(4, 0);
    if (pui_ga_points_par_ligne)
        for (unsigned int k = 0; k < 2 * ui_ga_n; ++k)
            vOctets(2, pui_ga_points_par_ligne[k]);
}

void CLASS_GRIB_PUT_SECTIONS::vSection2sp()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection2sp");
    vOctets(2, ui_sp_nx);
    vOctets(2, ui_sp_ny);
    vOctets(3, ui_sp_la1);
    vOctets(3, ui_sp_lo1);
    vOctets(1, ui_sp_drapeaux);
    vOctets(3, ui_sp_lov);
    vOctets(3, ui_sp_dx);
    vOctets(3, ui_sp_dy);
    vOctets(1, ui_sp_centre_projection);
    vOctets(1, ui_sp_balayage);
    vOctets(4, 0);
}

void CLASS_GRIB_PUT_SECTIONS::vBitmap()
{
    ui_s3_position = (unsigned int)ulTell();
    vOctets(3, ui_s3_longueur);
    vOctets(1, ui_s3_bits_inutilises);
    vOctets(2, 0);  // table reference: the map follows
    // The buffer is zeroed: set the bits of present points only.
    unsigned char* carte = puc_octet;
    for (unsigned long k = 0; k < ui_nombre_points; ++k)
        if (bPresent(k))
            carte[k / 8] |= (unsigned char)(0x80u >> (k % 8));
    vSkip(8L * (ui_s3_longueur - 6));
}

void CLASS_GRIB_PUT_SECTIONS::vSection3()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection3");
    vBitmap();
}

void CLASS_GRIB_PUT_SECTIONS::vSection3i()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSection3i");
    vBitmap();
}

// Normalised so that the first hexadecimal digit of the mantissa is not 0:
// every IBM value read from a message comes back unchanged.
void CLASS_GRIB_PUT_SECTIONS::vExposantMantisse(double f, unsigned char& octet,
                                                unsigned long& mantisse)
{
    const double a = std::fabs(f);
    octet = f < 0 ? 128 : 0;
    mantisse = 0;
    if (a == 0 || !std::isfinite(a))
        return;
    int p;
    std::frexp(a, &p);
    int q = p >= 0 ? (p + 3) / 4 : -((-p) / 4);  // ceil(p / 4)
    mantisse = (unsigned long)std::floor(std::ldexp(a, 24 - 4 * q) + 0.5);
    if (mantisse >= 1ul << 24) {
        mantisse >>= 4;
        ++q;
    }
    int exposant = q + 64;
    if (exposant < 0) {  // below 16^-64: fewer digits, or 0
        mantisse = exposant < -5 ? 0 : mantisse >> (-4 * exposant);
        exposant = 0;
    } else if (exposant > 127) {  // beyond 16^63: the largest value
        mantisse = 0xFFFFFF;
        exposant = 127;
    }
    octet |= (unsigned char)exposant;
}

void CLASS_GRIB_PUT_SECTIONS::vExposantMantisse(float f, unsigned char& octet,
                                                unsigned long& mantisse)
{
    vExposantMantisse((double)f, octet, mantisse);
}
