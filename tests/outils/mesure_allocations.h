// The octets the process asks of its allocator while a measure runs,
// counted at the allocator's own door (malloc, calloc and realloc, or the
// hook of AddressSanitizer's allocator in a sanitized build), whoever
// asks: not a figure any reader keeps of itself. Its source goes into one
// test program only (never into a library of tests): it stands in for
// malloc in the whole process.
#ifndef TESTS_OUTILS_MESURE_ALLOCATIONS_H
#define TESTS_OUTILS_MESURE_ALLOCATIONS_H

struct MesureAllocations {
    MesureAllocations();  // one at a time
    ~MesureAllocations();
    unsigned long long octets() const;  // asked since it began
};

#endif
