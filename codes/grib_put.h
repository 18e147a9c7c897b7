// The GRIB edition 1 encoder's classes: an exchange record is read into the
// section model and written through the bit cursor into an owned buffer.
//
// The cursor's vInit(octets) and the model's vInit() meet in these classes:
// call them qualified (CLASS_CODES_BIT::vInit, CLASS_GRIB_SECTIONS::vInit).
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

    CLASS_GRIB_PUT_CONTROLE()
        : ui_tous_uns(0), puc_message(nullptr), ui_limite(0), ui_longueur_message(0)
    {
        CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_PUT_CONTROLE");
    }

    // Non-zero: absent points are written as all-ones codes.
    unsigned int ui_tous_uns;
    // The encoded message (owned).
    unsigned char* puc_message;
    // Size estimate made at the start of each encoding, in octets.
    unsigned int ui_limite;
    // Octets in the message: the total length of section 0.
    unsigned int ui_longueur_message;
};

class CLASS_GRIB_PUT_SECTIONS : public CLASS_GRIB_PUT_CONTROLE {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_PUT_SECTIONS";
};

class CLASS_GRIB_PUT : public CLASS_GRIB_PUT_SECTIONS {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_PUT";
};

#endif
