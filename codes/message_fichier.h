// The description of one message of a message file, as the reader keeps it
// in memory (a 32-octet slot) and writes its first 30 octets to the index
// file. The octets are held as they stand in the index: multi-octet fields
// little-endian, read and written octet by octet, so the index is the same
// on every machine.
#ifndef CODES_MESSAGE_FICHIER_H
#define CODES_MESSAGE_FICHIER_H

#include <cstdint>

struct STRUCT_FILE_MESSAGE {
    static constexpr int OCTETS_INDEX = 30;
    enum { GRIB = 0, BUFR = 1, QX1 = 2 };

    unsigned char uca[32];

    unsigned int ui16(int k) const { return uca[k] | (unsigned int)uca[k + 1] << 8; }
    uint32_t ul32(int k) const { return ui16(k) | (uint32_t)ui16(k + 2) << 16; }
    void vSet16(int k, unsigned int v)
    {
        uca[k] = (unsigned char)v;
        uca[k + 1] = (unsigned char)(v >> 8);
    }
    void vSet32(int k, uint32_t v)
    {
        vSet16(k, v & 0xFFFF);
        vSet16(k + 2, v >> 16);
    }

    // Every kind.
    uint32_t ulOffset() const { return ul32(0); }
    uint32_t ulLongueur() const { return ul32(4); }
    unsigned int uiType() const { return uca[8] & 0x0F; }
    unsigned int uiEdition() const { return uca[9]; }
    unsigned int uiAnnee() const { return ui16(10); }
    unsigned int uiMois() const { return uca[12]; }
    unsigned int uiJour() const { return uca[13]; }
    unsigned int uiHeure() const { return uca[14]; }
    // year x 1,000,000 + month x 10,000 + day x 100 + hour
    unsigned int uiCleDate() const
    {
        return uiAnnee() * 1000000u + uiMois() * 10000u + uiJour() * 100u + uiHeure();
    }

    // GRIB.
    unsigned int uiCentre() const { return uca[16]; }
    unsigned int uiParametre() const { return uca[18]; }
    unsigned int uiTypeNiveau() const { return uca[19]; }
    unsigned int uiNiveau1() const { return uca[20]; }
    unsigned int uiNiveau2() const { return uca[21]; }
    unsigned int uiUnite() const { return uca[22]; }
    unsigned int uiP1() const { return uca[23]; }
    unsigned int uiP2() const { return uca[24]; }
    unsigned int uiIndicateur() const { return uca[25]; }
    unsigned int uiMoyenne() const { return ui16(26); }
    unsigned int uiManquants() const { return uca[28]; }

    // BUFR.
    unsigned int uiCategorie() const { return uca[20]; }
    unsigned int uiSousCategorie() const { return uca[22]; }
    unsigned int uiMinute() const { return uca[26]; }
};

#endif
