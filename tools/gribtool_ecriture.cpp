#include "tools/gribtool_ecriture.h"

#include "codes/grib_get.h"
#include "codes/grib_put.h"
#include "codes/ibfile.h"
#include "codes/obfile.h"
#include "gribdata/fichiers.h"
#include "gribdata/interpolation.h"

#include <cstdio>

int iCommandeRepack(const char* entree, const char* sortie)
{
    CLASS_CODES_IBFILE f;
    f.vProjeter(true);
    if (f.iOpen(entree, 0) != 0)
        return 1;
    CLASS_CODES_OBFILE o(sortie, 0);
    if (!o.iIsOpen())
        return 1;
    CLASS_GRIB_GET g;
    CLASS_GRIB_PUT e;
    int refus = 0;
    for (int n = 1; n <= f.i_nombre; ++n) {
        const unsigned long longueur = f.ulGet(n);
        g.vMessage(f.puc_message, (unsigned int)longueur);
        const unsigned char* message = nullptr;
        unsigned long taille = 0;
        float constante = 0;
        if (longueur && g.iGetSections() == 0 && g.bConstant(constante)) {
            // A constant field is written as it stands: no values to pack.
            message = f.puc_message;
            taille = longueur;
        } else if (longueur && g.iGet(0) == 0) {
            e.vCopie(g);
            message = e.cpucPut();
            taille = e.ui_longueur_message;
        }
        if (!message) {
            std::fprintf(stderr, "gribtool: message %d refused\n", n);
            refus = 3;
        } else if (o.iWrite(message, taille) != 0) {
            std::fprintf(stderr, "gribtool: cannot write %s\n", sortie);
            return 1;
        }
    }
    std::printf("%d messages read, %d written\n", f.i_nombre, o.i_blocs);
    return refus;
}

namespace {

// GRIB edition 1 messages laid end to end, counted by their lengths.
unsigned long ulMessages(const char* nom)
{
    unsigned long n = 0;
    FILE* f = std::fopen(nom, "rb");
    unsigned char s0[8];
    while (f && std::fread(s0, 1, 8, f) == 8 &&
           std::fseek(f, long(s0[4] << 16 | s0[5] << 8 | s0[6]) - 8, SEEK_CUR) == 0)
        ++n;
    if (f)
        std::fclose(f);
    return n;
}

}  // namespace

int iCommandeInterp(const char* nom)
{
    creationRepertoire("lockdir");
    snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "%s", nom);
    GRIB_INTERPOLATION_SORTIE[0] = '\0';
    GRIB_INTERPOLATION_START = 1;
    gintertime(nullptr);
    const int etat = GRIB_INTERPOLATION_START;
    if (etat != 0 && etat != 3) {
        std::printf("interpolation failed (state %d)\n", etat);
        return 1;
    }
    if (etat == 3)
        std::printf("interpolation incomplete: the activity log says which messages\n");
    std::printf("%lu messages written\n", ulMessages(GRIB_INTERPOLATION_SORTIE));
    std::printf("%s\n", GRIB_INTERPOLATION_SORTIE);
    return 0;
}
