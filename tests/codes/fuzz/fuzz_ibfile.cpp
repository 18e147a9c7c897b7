// libFuzzer target: arbitrary octets read as a message file.
#include "cibles.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
std::string chemin;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("ZELfLogerr", "/dev/null", 1);
    setenv("ZELpGbTables", QUENBREL_SOURCE_DIR "/data", 1);
    char modele[] = "/tmp/fuzz_ibfile.XXXXXX";
    if (mkdtemp(modele))
        chemin = std::string(modele) + "/f.grb";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    vFuzzIbfile(octets, taille, chemin);
    return 0;
}
