// Pictures from outside driven by arbitrary octets: the body of the
// picture fuzz target, also run by the malformed-input tests on every
// file kept.
#ifndef TESTS_UI_FUZZ_CIBLE_IMAGE_H
#define TESTS_UI_FUZZ_CIBLE_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <string>

// The octets through the GIF, JPEG and PNG readers, then as a file at
// `chemin` through the checked readers of the image windows (any of the
// three) and of the satellite picture (JPEG).
void vFuzzImage(const uint8_t* octets, size_t taille, const std::string& chemin);

#endif
