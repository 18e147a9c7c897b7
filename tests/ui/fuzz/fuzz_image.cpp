// libFuzzer target: arbitrary octets as a picture from outside.
#include "cible_image.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
std::string chemin;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("ZELfLogerr", "/dev/null", 1);
    char modele[] = "/tmp/fuzz_image.XXXXXX";
    if (mkdtemp(modele))
        chemin = std::string(modele) + "/image";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    vFuzzImage(octets, taille, chemin);
    return 0;
}
