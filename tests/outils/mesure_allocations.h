// The octets the process asks of its allocator while a measure runs,
// counted at the allocator's own door (malloc, calloc and realloc, or the
// hook of AddressSanitizer's allocator in a sanitized build), whoever
// asks: libjpeg, libpng, giflib, the toolkit or the program. Not a figure
// any reader keeps of itself.
//
// Its source goes into one test program only (never into a library of
// tests): it takes the place of malloc for the whole process.
#ifndef TESTS_OUTILS_MESURE_ALLOCATIONS_H
#define TESTS_OUTILS_MESURE_ALLOCATIONS_H

#include <cstddef>

class MesureAllocations {
public:
    MesureAllocations();  // one at a time
    ~MesureAllocations();
    MesureAllocations(const MesureAllocations&) = delete;
    MesureAllocations& operator=(const MesureAllocations&) = delete;

    // Asked since the measure began: in all, and the largest single ask.
    unsigned long long octets() const;
    unsigned long long plusGrande() const;

    // False when nothing is counted (an allocator this does not know).
    static bool bDisponible();
};

#endif
