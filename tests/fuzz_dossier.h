// What the fuzz targets that hand their input over as a file share: the
// program's records sent nowhere (refusals are the normal case there) and
// a scratch folder of the target's own under /tmp.
#ifndef TESTS_FUZZ_DOSSIER_H
#define TESTS_FUZZ_DOSSIER_H

#include <cstdlib>
#include <string>

// The path of `fichier` in a new folder /tmp/<cible>.XXXXXX; empty when
// the folder cannot be made.
inline std::string sPreparerFuzz(const char* cible, const char* fichier)
{
    setenv("ZELfLogerr", "/dev/null", 1);
    std::string dossier = std::string("/tmp/") + cible + ".XXXXXX";
    return mkdtemp(&dossier[0]) ? dossier + "/" + fichier : std::string();
}

#endif
