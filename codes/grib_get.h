// The GRIB edition 1 decoder's classes: the bit cursor reads a message whole
// in memory into the section model, and the decoded result is copied into the
// exchange record for the encoder.
//
// The cursor's vInit(octets) and the model's vInit() meet in these classes:
// call them qualified (CLASS_CODES_BIT::vInit, CLASS_GRIB_SECTIONS::vInit).
//
// Every length and count is checked against the message before anything is
// read or allocated: a damaged or foreign message is refused with a log
// record and a non-zero result, never read past.
//
// Use: vMessage(buffer, length) (or the same steps by hand: vChange, the
// expected length, the four flags cleared), then iGet(0) for values or
// iGet(1) for raw codes, or iGetSections() for the sections alone.
#ifndef CODES_GRIB_GET_H
#define CODES_GRIB_GET_H

#include "codes/bit.h"
#include "codes/grib_sections.h"
#include "codes/grib_structure.h"
#include "codes/logerr.h"

#include <cstdint>

class CLASS_GRIB_GET_BASE : public CLASS_CODES_BIT, public CLASS_GRIB_SECTIONS {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_GET_BASE";

    CLASS_GRIB_GET_BASE()
        : ui_code_absent(0), ui_longueur_cumulee(0), ui_longueur_prevue(0),
          ui_sections_localisees(0)
    {
        CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_GET_BASE");
    }

    // Locates the sections: 0, or the log's non-zero result.
    int iGetPointeurs();

    // Non-zero: a packed code of all ones is an absent value.
    unsigned int ui_code_absent;
    // Octets of the sections located so far.
    unsigned int ui_longueur_cumulee;
    // Message length, set by the caller.
    unsigned int ui_longueur_prevue;
    unsigned int ui_sections_localisees;
};

class CLASS_GRIB_GET_SECTIONS : public CLASS_GRIB_GET_BASE, public CLASS_GRIB_STRUCTURE {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_GET_SECTIONS";

    CLASS_GRIB_GET_SECTIONS() : ui_sections_decodees(0)
    {
        CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_GET_SECTIONS");
    }
    ~CLASS_GRIB_GET_SECTIONS() { vGetSectionsFree(); }
    CLASS_GRIB_GET_SECTIONS(const CLASS_GRIB_GET_SECTIONS&) = delete;
    CLASS_GRIB_GET_SECTIONS& operator=(const CLASS_GRIB_GET_SECTIONS&) = delete;

    // 0 when sections 1 to 4 are read and the exchange record filled, else 1.
    int iGetSections();
    int iSection1();
    int iSection2();
    int vSection2ll();
    int vSection2ga();
    int vSection2sp();
    int iSection3();
    int iSection4();
    int iSection4SecondOrdre();
    int iSection4Matrice();
    void vFacteurExposantMantisse();
    static float fExposantMantisse(unsigned char octet, unsigned long mantisse);
    void vWriteStg();
    void vGetSectionsFree();

    unsigned int ui_sections_decodees;
};

class CLASS_GRIB_GET : public CLASS_GRIB_GET_SECTIONS {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_GET";
    // A constant field holds no code: its point count alone would size the
    // array of its values, so that count is bounded.
    static constexpr uint64_t POINTS_CONSTANT_MAX = 50000000;

    CLASS_GRIB_GET() : ui_largeur_max(0), ui_valeurs_decodees(0)
    {
        CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_GET");
    }
    ~CLASS_GRIB_GET() { vGetFree(); }

    // Points the cursor at a message of `longueur` octets and clears the
    // flags, ready for a new decoding with the same object. The decoder only
    // reads the message.
    void vMessage(const unsigned char* message, unsigned int longueur);
    // raw = 0: decoded values (pf_stg_valeurs, or ppf_stg_matrices for
    // matrices); otherwise raw codes (pui_stg_codes). 0 on success.
    int iGet(int raw);
    int iGetValeurs();
    int iGetEcarts();
    int iGetValeursCompressees();
    int iGetValeursSpectrales();
    int iGetValeursTestFin(unsigned long position);
    void vGetFree();

    // After iGetSections: a constant field (0 bits per value, simple
    // packing, no bit map) within the points bound; `valeur` gets its value.
    // Its values need not be decoded: each is that one.
    bool bConstant(float& valeur) const;

    // Bits per value, raised to the widest second-order group.
    unsigned int ui_largeur_max;
    unsigned int ui_valeurs_decodees;

private:
    // The walk of simple packing, into floats or into raw codes.
    int iDeballer(int bruts);
    unsigned int ui_matrices_allouees = 0;
};

#endif
