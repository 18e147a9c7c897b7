// libFuzzer target: arbitrary octets decoded as one GRIB message.
#include "cibles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Refusals are the normal case here: their records go nowhere.
    setenv("ZELfLogerr", "/dev/null", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    vFuzzGribGet(octets, taille);
    return 0;
}
