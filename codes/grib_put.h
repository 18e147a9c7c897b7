// The GRIB edition 1 encoder's classes: an exchange record is read into the
// section model and written through the bit cursor into an owned buffer.
//
// The cursor's vInit(octets) and the model's vInit() meet in these classes:
// call them qualified (CLASS_CODES_BIT::vInit, CLASS_GRIB_SECTIONS::vInit).
//
// Use: fill the record (usually by assignment from a decoder's record), then
// cpucPut(); the message stays in puc_message, ui_longueur_message octets
// long, until the next cpucPut or vFree. Simple packing only, D = 0, grid
// identification 255; types 0, 4 and 5 only (rotated or stretched grids
// would need octets the record does not carry).
//
// Every length is computed exactly before the buffer is allocated at its
// exact size; the model is reset at every encoding, except the section-1
// length, which a caller sets above 28 only to copy a local extension of
// that many octets minus 28 from puc_stg_extension.
#ifndef CODES_GRIB_PUT_H
#define CODES_GRIB_PUT_H

#include "codes/bit.h"
#include "codes/grib_sections.h"
#include "codes/grib_structure.h"
#include "codes/logerr.h"

class CLASS_GRIB_PUT_CONTROLE : public CLASS_CODES_BIT,
                                public CLASS_GRIB_SECTIONS,
                                public CLASS_GRIB_STRUCTURE {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_PUT_CONTROLE";
    // The longest message the 24-bit length of section 0 can state.
    static constexpr unsigned int LONGUEUR_MAX = 16777215u;

    CLASS_GRIB_PUT_CONTROLE()
        : puc_message(nullptr), ui_limite(0), ui_longueur_message(0)
    {
        CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_PUT_CONTROLE");
    }
    ~CLASS_GRIB_PUT_CONTROLE() { vFree(); }
    CLASS_GRIB_PUT_CONTROLE(const CLASS_GRIB_PUT_CONTROLE&) = delete;
    CLASS_GRIB_PUT_CONTROLE& operator=(const CLASS_GRIB_PUT_CONTROLE&) = delete;

    // Checks the record, sizes every section and allocates the buffer: 0, or
    // non-zero after a FATAL record (nothing allocated, the previous message
    // kept).
    int iControleAnalyse();
    void vReadStp();
    void vFree();
    // The encoded message (owned).
    unsigned char* puc_message;
    // The largest total length accepted, in octets.
    unsigned int ui_limite;
    // Octets in the message: the total length of section 0.
    unsigned int ui_longueur_message;

private:
    int iControleChamps();
    int iControleGrille();
    unsigned int uiPoints();
    void vGeometrie();
    int iParcourirValeurs();
    int iLongueurs();
protected:
    // A present point of the record (floats, raw codes or matrices).
    bool bPresent(unsigned long k) const;
    // The data the record carries: floats first, then matrices, then codes.
    bool bMatrices() const { return !pf_s4_valeurs && ppf_mv_matrices; }
    bool bBruts() const { return !pf_s4_valeurs && !ppf_mv_matrices; }
};

class CLASS_GRIB_PUT_SECTIONS : public CLASS_GRIB_PUT_CONTROLE {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_PUT_SECTIONS";

    // Sections 0 to 3 and the data; 0, or non-zero when refused.
    int iWriteSections();
    void vSection0();
    void vSection1();
    void vSection2();
    void vSection2ll();
    void vSection2ga();
    void vSection2sp();
    void vSection3();
    void vSection3i();

    // IBM single precision of f: exponent octet (sign bit 128) and mantissa.
    static void vExposantMantisse(float f, unsigned char& octet, unsigned long& mantisse);
    static void vExposantMantisse(double f, unsigned char& octet, unsigned long& mantisse);

protected:
    // Octets from the cursor on, big-endian, on an octet boundary.
    void vOctets(unsigned int nombre, unsigned long valeur);
    // The bit map of section 3, one bit per point, 1 for present.
    void vBitmap();
};

class CLASS_GRIB_GET;

class CLASS_GRIB_PUT : public CLASS_GRIB_PUT_SECTIONS {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_PUT";

    // The record of a decoded message, with its local extension.
    void vCopie(const CLASS_GRIB_GET& decodeur);
    // The message, or null when the record is refused.
    unsigned char* cpucPut();
    int vSection4();
    int vSection4i();
    int vSection4_2();
    void vSection5();
    // E and R of the present values for the record's bits per value.
    void vSetFem();

private:
    // Length, flags, E, R and bits: the 11 octets common to section 4.
    void vEnTete4();
    // Codes of n floats, absent ones skipped or as all ones.
    void vCoder(const float* valeurs, unsigned long n, bool sauterAbsents);
    // Unused bits, then the end of section 4 against the total: 0 or 1.
    int iFin4();
};

#endif
