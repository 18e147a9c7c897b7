#include "codes/grib_nivech.h"

#include "codes/logerr.h"

CLASS_GRIB_NIVECH::CLASS_GRIB_NIVECH() : ui_nivech_centre(0), ui_nivech_version(255)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_NIVECH");
}

void CLASS_GRIB_NIVECH::vSetCentreVersionTable2(unsigned int centre, unsigned int version)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetCentreVersionTable2");
    ui_nivech_centre = centre;
    ui_nivech_version = version;
}

int CLASS_GRIB_NIVECH::iGetNiveau(unsigned int type, unsigned int octet11, unsigned int octet12,
                                  unsigned int& niveau)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetNiveau");
    if (type > 255) {
        CLASS_CODES_LOGERR::iErr(1, "type de niveau incorrect", "%u>255", type);
        return -1;
    }
    long valeur = (long)octet11 * 256 + (long)octet12;
    if (type == 8 && ui_nivech_centre == 85 && ui_nivech_version == 196) {
        // Hundredths of kelvin to degrees Celsius, signed below 0 C.
        niveau = (unsigned int)(int)((valeur - 27315) / 100);
        return 4;
    }
    switch (type) {
    case 100: case 103: case 105: case 107: case 109: case 111: case 160: case 221:
        niveau = (unsigned int)valeur;
        return 4;
    case 102:
        niveau = 0;
        return 0;
    default:
        niveau = 0;
        return type <= 99 ? 0 : 3;
    }
}

int CLASS_GRIB_NIVECH::iGetEcheance(unsigned int indicateur, unsigned int p1, unsigned int p2,
                                    unsigned int& echeance)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetEcheance");
    switch (indicateur) {
    case 0:
        echeance = p1;
        return 1;
    case 1:
        echeance = 0;
        return 0;
    case 10:
        echeance = p1 * 256 + p2;
        return 4;
    case 123: case 124:
        echeance = p2;
        return 2;
    default:
        if (indicateur > 255) {
            CLASS_CODES_LOGERR::iErr(1, "type d'echeance incorrect", "%u>255", indicateur);
            return -1;
        }
        echeance = 0;
        return 3;
    }
}
