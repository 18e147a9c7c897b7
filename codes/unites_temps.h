// GRIB1 code table 4: the length of a time unit, for the validity dates of
// the codec and of the file model.
#ifndef CODES_UNITES_TEMPS_H
#define CODES_UNITES_TEMPS_H

#include <cstdint>

// Seconds in one unit (a month is 30 days, a year 365); 0 for a code that
// is not a fixed length.
inline uint32_t secondesParUnite(unsigned unite)
{
    switch (unite) {
    case 0: return 60;
    case 1: return 3600;
    case 2: return 86400;
    case 3: return 2592000;
    case 4: return 31536000;
    case 5: return 315360000;
    case 6: return 946080000;
    case 7: return 3153600000u;
    case 10: return 10800;   // 3 hours
    case 11: return 21600;   // 6 hours
    case 12: return 43200;   // 12 hours
    case 254: return 1;
    default: return 0;
    }
}

#endif
