// libFuzzer target: arbitrary octets as a picture from outside.
#include "cible_image.h"

#include "tests/fuzz_dossier.h"

#include <string>

namespace {
std::string chemin;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    chemin = sPreparerFuzz("fuzz_image", "image");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    vFuzzImage(octets, taille, chemin);
    return 0;
}
