// The GRIB edition 1 decoder's classes: the bit cursor reads a message whole
// in memory into the section model, and the decoded result is copied into the
// exchange record for the encoder.
//
// The cursor's vInit(octets) and the model's vInit() meet in these classes:
// call them qualified (CLASS_CODES_BIT::vInit, CLASS_GRIB_SECTIONS::vInit).
#ifndef CODES_GRIB_GET_H
#define CODES_GRIB_GET_H

#include "codes/bit.h"
#include "codes/grib_sections.h"
#include "codes/grib_structure.h"
#include "codes/logerr.h"

class CLASS_GRIB_GET_BASE : public CLASS_CODES_BIT, public CLASS_GRIB_SECTIONS {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_GET_BASE";

    CLASS_GRIB_GET_BASE()
        : ui_code_absent(0), ui_longueur_cumulee(0), ui_longueur_prevue(0),
          ui_sections_localisees(0)
    {
        CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_GET_BASE");
    }

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

    unsigned int ui_sections_decodees;
};

class CLASS_GRIB_GET : public CLASS_GRIB_GET_SECTIONS {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_GET";

    CLASS_GRIB_GET() : ui_largeur_max(0), ui_valeurs_decodees(0)
    {
        CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_GET");
    }

    // Bits per value, raised to the widest second-order group.
    unsigned int ui_largeur_max;
    unsigned int ui_valeurs_decodees;
};

#endif
