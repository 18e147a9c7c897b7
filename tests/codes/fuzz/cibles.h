// The codec driven by arbitrary octets: the bodies of the fuzz targets,
// also run by the malformed-input tests and on every crash file kept.
#ifndef TESTS_CODES_FUZZ_CIBLES_H
#define TESTS_CODES_FUZZ_CIBLES_H

#include <cstddef>
#include <cstdint>
#include <string>

// The octets as one message, on a heap block of their exact size: decoded
// into values, then into raw codes.
void vFuzzGribGet(const uint8_t* octets, size_t taille);
// The octets as a message file at `chemin`: opened, sorted, every message
// loaded and decoded, the searches run on each.
void vFuzzIbfile(const uint8_t* octets, size_t taille, const std::string& chemin);

#endif
