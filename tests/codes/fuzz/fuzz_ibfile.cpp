// libFuzzer target: arbitrary octets read as a message file.
#include "cibles.h"

#include "tests/fuzz_dossier.h"

#include <cstdlib>
#include <string>

namespace {
std::string chemin;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("ZELpGbTables", QUENBREL_SOURCE_DIR "/data", 1);
    chemin = sPreparerFuzz("fuzz_ibfile", "f.grb");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    vFuzzIbfile(octets, taille, chemin);
    return 0;
}
