// Constants and shared objects of the GRIB edition 1 codec.
#ifndef CODES_GRIB_BASE_H
#define CODES_GRIB_BASE_H

#include "codes/date.h"
#include "codes/grib_modech.h"
#include "codes/grib_tables.h"

#include <cstdint>

class CLASS_GRIB_BASE {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_BASE";

    // Decoded value of an absent point (bits 0x02081CEA).
    static constexpr float f_valeur_absente = 1.0e-37f;
    // Raw code of an absent point (2^24).
    static constexpr uint32_t ul_valeur_absente = 16777216u;

    // Shared by the whole program: not for two threads at once.
    static CLASS_CODES_DATE DATE;
    // Built before main runs, so grib/modpar.txt is read once at start.
    static CLASS_GRIB_MODECH MODECH;
    static CLASS_GRIB_TABLES TABLES;
};

#endif
