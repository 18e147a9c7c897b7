#include "codes/bit.h"

#include "codes/logerr.h"

#include <cstdlib>
#include <cstring>

CLASS_CODES_BIT::CLASS_CODES_BIT(unsigned char* buffer, unsigned int premierBit)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_BIT");
    for (unsigned int k = 0; k < 8; k++)
        uca_bit[k] = (unsigned char)(0x80u >> k);
    for (unsigned int n = 0; n < 32; n++)
        ula_masque[n] = (uint32_t(1) << n) - 1;
    ula_masque[32] = 0xFFFFFFFFu;
    puc_debut = puc_octet = buffer;
    ui_bit_depart = ui_bit = premierBit;
}

void CLASS_CODES_BIT::vChange(unsigned char* buffer, unsigned int premierBit)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vChange");
    puc_debut = puc_octet = buffer;
    ui_bit_depart = ui_bit = premierBit;
}

void CLASS_CODES_BIT::vChangeInit(unsigned char* buffer)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vChangeInit");
    puc_debut = puc_octet = buffer;
    ui_bit_depart = ui_bit = 0;
    buffer[0] = 0;
}

void CLASS_CODES_BIT::vInit(unsigned int octets)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vInit");
    if (octets)
        memset(puc_debut, 0, octets);
    puc_octet = puc_debut;
    ui_bit = ui_bit_depart;
}

void CLASS_CODES_BIT::vLargeurImpossible(const char* methode, unsigned int largeur)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, methode);
    // The status must be 98 whatever the abort switch says, so the record is
    // written without letting the log end the process itself.
    CLASS_CODES_LOGERR::c_exit = 'F';
    CLASS_CODES_LOGERR::iErr(-1, "largeur de champ de bits impossible", "%u>32", largeur);
    exit(98);
}
