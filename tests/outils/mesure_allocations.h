// The octets the process asks of its allocator while `faire` runs, counted
// at the allocator's own door (malloc, calloc and realloc, or the hook of
// AddressSanitizer's allocator in a sanitized build), whoever asks. Its
// source stands in for malloc in the whole process: it goes into one test
// program only, never into a library of tests.
#ifndef TESTS_OUTILS_MESURE_ALLOCATIONS_H
#define TESTS_OUTILS_MESURE_ALLOCATIONS_H

#include <functional>

unsigned long long ullOctetsDemandes(const std::function<void()>& faire);

#endif
