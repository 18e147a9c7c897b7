// The octets the process asks of its allocator while `faire` runs, whoever
// asks: counted at malloc, calloc and realloc (or AddressSanitizer's hook),
// which its source takes over for the whole of the one test program it is in.
#ifndef TESTS_OUTILS_MESURE_ALLOCATIONS_H
#define TESTS_OUTILS_MESURE_ALLOCATIONS_H

#include <functional>

unsigned long long ullOctetsDemandes(const std::function<void()>& faire);

#endif
