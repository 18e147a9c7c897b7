#include "cibles.h"

#include "codes/grib_get.h"
#include "codes/grib_put.h"
#include "codes/ibfile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

void vFuzzGribGet(const uint8_t* octets, size_t taille)
{
    std::unique_ptr<unsigned char[]> m(new unsigned char[taille ? taille : 1]);
    if (taille)
        std::memcpy(m.get(), octets, taille);
    CLASS_GRIB_GET g;
    for (int bruts : {0, 1}) {
        g.vMessage(m.get(), (unsigned int)taille);
        if (g.iGet(bruts) != 0)
            continue;
        // What the encoder writes, the decoder reads.
        CLASS_GRIB_PUT e;
        e.vCopie(g);
        if (unsigned char* ecrit = e.cpucPut()) {
            CLASS_GRIB_GET relu;
            relu.vMessage(ecrit, e.ui_longueur_message);
            if (relu.iGet(bruts) != 0)
                std::abort();
        }
    }
}

void vFuzzIbfile(const uint8_t* octets, size_t taille, const std::string& chemin)
{
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(octets, 1, taille, f);
    std::fclose(f);
    {
        CLASS_CODES_IBFILE l(chemin.c_str(), 0);
        l.vSort();
        CLASS_GRIB_GET g;
        for (int n = 1; n <= l.i_nombre; ++n) {
            if (const unsigned long longueur = l.ulGet(n)) {
                g.vMessage(l.puc_message, (unsigned int)longueur);
                g.iGet(0);
            }
            l.iGetGribSuivant(n);
            l.intGetAssocie(n, 34);
            l.intGetAssocie(n, "vent_v");
            l.iGetGribNumber(33u, 12u, 10u);
            l.cpcGetGribNom((unsigned int)n);
        }
        STRUCT_FILE_MESSAGE d;
        l.iGetDescription(d, 0);
    }
    std::string index = chemin.substr(0, chemin.rfind('.')) + ".kdx";
    unlink(index.c_str());
    unlink(chemin.c_str());
}
