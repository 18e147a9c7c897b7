#include "map/tdc_format.h"

const float TDC_ECHELLES[TDC_NIVEAUX] = {100, 150, 300, 600, 1500, 3000};

namespace {

uint32_t lu32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void ecrire16(std::string& s, int16_t v)
{
    const uint16_t u = uint16_t(v);
    s.push_back(char(u & 0xFF));
    s.push_back(char(u >> 8));
}

void ecrire32(std::string& s, int32_t v)
{
    const uint32_t u = uint32_t(v);
    for (int decalage = 0; decalage < 32; decalage += 8)
        s.push_back(char((u >> decalage) & 0xFF));
}

void ecrireTableaux(const EnregistrementTdc& e, std::string& s)
{
    for (int16_t v : e.latitudes)
        ecrire16(s, v);
    for (int16_t v : e.longitudes)
        ecrire16(s, v);
}

}  // namespace

size_t iLireTdc0(const unsigned char* p, size_t reste, LectureTdc& lu)
{
    if (reste < 2)
        return 0;
    lu.nombre = int32_t(uint16_t(p[0] | p[1] << 8));
    const size_t taille = 2 + 4 * size_t(lu.nombre);
    if (lu.nombre <= 0 || lu.nombre > TDC_POINTS_MAX || taille > reste)
        return 0;
    lu.niveau = 1;
    lu.sud = lu.ouest = lu.nord = lu.est = 0;
    lu.latitudes = p + 2;
    lu.longitudes = p + 2 + 2 * size_t(lu.nombre);
    return taille;
}

size_t iLireTdc(const unsigned char* p, size_t reste, LectureTdc& lu)
{
    if (reste < TDC_ENTETE)
        return 0;
    lu.nombre = int32_t(lu32(p));
    if (lu.nombre <= 0 || lu.nombre > TDC_POINTS_MAX ||
        4 * uint64_t(lu.nombre) > reste - TDC_ENTETE)
        return 0;
    lu.niveau = int16_t(uint16_t(p[4] | p[5] << 8));
    lu.sud = int32_t(lu32(p + 6));
    lu.ouest = int32_t(lu32(p + 10));
    lu.nord = int32_t(lu32(p + 14));
    lu.est = int32_t(lu32(p + 18));
    lu.latitudes = p + TDC_ENTETE;
    lu.longitudes = lu.latitudes + 2 * size_t(lu.nombre);
    return TDC_ENTETE + 4 * size_t(lu.nombre);
}

void vEcrireTdc0(const EnregistrementTdc& e, std::string& sortie)
{
    ecrire16(sortie, int16_t(uint16_t(e.latitudes.size())));
    ecrireTableaux(e, sortie);
}

void vEcrireTdc(const EnregistrementTdc& e, std::string& sortie)
{
    ecrire32(sortie, int32_t(e.latitudes.size()));
    ecrire16(sortie, e.niveau);
    ecrire32(sortie, e.sud);
    ecrire32(sortie, e.ouest);
    ecrire32(sortie, e.nord);
    ecrire32(sortie, e.est);
    ecrireTableaux(e, sortie);
}
