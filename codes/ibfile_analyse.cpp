// The scan of a message file: 32-octet windows searched for a magic word,
// then the message's first octets read and its body skipped. Every message
// kept ends inside the file; a header that cannot be right is dropped and
// the scan resumes four octets after its magic word.
#include "codes/ibfile.h"

#include "codes/logerr.h"

#include <cstring>
#include <unistd.h>

namespace {

const unsigned long LONGUEUR_SECTION_MAX = 16777214;
const int MESSAGES_MAX = 16777213;

// A two-digit year: 00 to 50 are 2000 to 2050, 51 to 99 are 1951 to 1999.
unsigned int uiAnnee(unsigned int aa)
{
    return 1900 + aa + (aa <= 50 ? 100 : 0);
}

unsigned long ul24(const unsigned char* p)
{
    return (unsigned long)p[0] << 16 | (unsigned long)p[1] << 8 | p[2];
}

void vDate(STRUCT_FILE_MESSAGE& d, unsigned int annee, const unsigned char* mjh)
{
    d.vSet16(10, annee);
    d.uca[12] = mjh[0];
    d.uca[13] = mjh[1];
    d.uca[14] = mjh[2];
}

// GRIB: `s1` is section 1's octet 4 (m[11] in edition 1, m[7] in edition 0).
void vDecrisGrib(STRUCT_FILE_MESSAGE& d, const unsigned char* m, const unsigned char* s1)
{
    d.uca[8] = (unsigned char)(STRUCT_FILE_MESSAGE::GRIB | (s1[4] & 0x80 ? 0x10 : 0) |
                               (s1[4] & 0x40 ? 0x20 : 0));
    d.uca[9] = m[7];
    d.uca[15] = s1[0];
    d.uca[16] = s1[1];
    d.uca[17] = s1[2];
    std::memcpy(d.uca + 18, s1 + 5, 4);  // parameter, level type, level octets
    vDate(d, uiAnnee(s1[9]), s1 + 10);
    std::memcpy(d.uca + 22, s1 + 14, 4);  // unit, P1, P2, indicator
    d.vSet16(26, (unsigned int)s1[18] << 8 | s1[19]);
    d.uca[28] = s1[20];
}

void vDecrisBufr(STRUCT_FILE_MESSAGE& d, const unsigned char* m)
{
    const unsigned int edition = m[7];
    d.uca[9] = (unsigned char)edition;
    if (edition == 1) {
        d.uca[8] = (unsigned char)(STRUCT_FILE_MESSAGE::BUFR | (m[11] & 0x80 ? 0x10 : 0));
        d.uca[15] = m[7];
        d.vSet16(16, (unsigned int)m[8] << 8 | m[9]);
        d.uca[20] = m[12];
        d.uca[22] = m[13];
        d.uca[23] = m[15];
        vDate(d, uiAnnee(m[16]), m + 17);
        d.uca[26] = m[20];
    } else if (edition < 4) {
        d.uca[8] = (unsigned char)(STRUCT_FILE_MESSAGE::BUFR | (m[15] & 0x80 ? 0x10 : 0));
        d.uca[15] = m[18];
        d.vSet16(16, (unsigned int)m[12] << 8 | m[13]);
        d.uca[20] = m[16];
        d.uca[22] = m[17];
        d.uca[23] = m[19];
        vDate(d, uiAnnee(m[20]), m + 21);
        d.uca[26] = m[24];
    } else {
        d.uca[8] = (unsigned char)(STRUCT_FILE_MESSAGE::BUFR | (m[17] & 0x80 ? 0x10 : 0));
        d.uca[15] = m[21];
        d.vSet16(16, (unsigned int)m[12] << 8 | m[13]);
        d.vSet16(18, (unsigned int)m[14] << 8 | m[15]);
        d.uca[20] = m[18];
        d.uca[21] = m[19];
        d.uca[22] = m[20];
        d.uca[23] = m[22];
        vDate(d, (unsigned int)m[23] << 8 | m[24], m + 25);
        d.uca[26] = m[28];
        d.uca[27] = m[29];
    }
}

// One pass over the data file.
class Analyse {
public:
    Analyse(FILE* f, unsigned long long taille) : f_(f), taille_(taille) {}
    void vParcourir(std::vector<STRUCT_FILE_MESSAGE>& trouves);

private:
    enum Issue { GARDE, ABANDON, ARRET };
    bool bLire(unsigned long long position, unsigned char* octets, size_t n);
    Issue iMessage(unsigned long long debut, int type, STRUCT_FILE_MESSAGE& d,
                   unsigned long long& fin);
    Issue iLongueurDeclaree(unsigned long long debut, STRUCT_FILE_MESSAGE& d,
                            unsigned long long& fin);
    Issue iParcoursSections(unsigned long long debut, STRUCT_FILE_MESSAGE& d,
                            unsigned long long& fin);
    Issue iQx1(unsigned long long debut, const unsigned char* m, STRUCT_FILE_MESSAGE& d,
               unsigned long long& fin);
    Issue iFin(unsigned long long debut, unsigned long longueur, unsigned long minimum,
               unsigned long long& fin);

    FILE* f_;
    unsigned long long taille_;
};

bool Analyse::bLire(unsigned long long position, unsigned char* octets, size_t n)
{
    return position + n <= taille_ && fseeko(f_, (off_t)position, SEEK_SET) == 0 &&
           std::fread(octets, 1, n, f_) == n;
}

// Position 0..27 of the first magic word in a window and its kind, or -1.
int iChercher(const unsigned char* w, int& type)
{
    for (int p = 0; p < 28; ++p) {
        if (std::memcmp(w + p, "BUFR", 4) == 0)
            type = STRUCT_FILE_MESSAGE::BUFR;
        else if (std::memcmp(w + p, "GRIB", 4) == 0)
            type = STRUCT_FILE_MESSAGE::GRIB;
        else if (std::memcmp(w + p, "QX1", 3) == 0)
            type = STRUCT_FILE_MESSAGE::QX1;
        else
            continue;
        return p;
    }
    return -1;
}

void Analyse::vParcourir(std::vector<STRUCT_FILE_MESSAGE>& trouves)
{
    unsigned long long position = 0;
    unsigned char fenetre[32];
    while (bLire(position, fenetre, sizeof fenetre)) {
        int type = 0;
        const int p = iChercher(fenetre, type);
        if (p < 0) {
            CLASS_CODES_LOGERR::iErr(0, "GRIB | BUFR | QX1 : non trouve");
            // Windows overlap by 4 octets: a magic word across two is found.
            position += 28;
            continue;
        }
        const unsigned long long debut = position + (unsigned long long)p;
        STRUCT_FILE_MESSAGE d = {};
        d.vSet32(0, (uint32_t)debut);
        unsigned long long fin = 0;
        const Issue issue = iMessage(debut, type, d, fin);
        if (issue == ARRET)
            break;
        if (issue == ABANDON) {
            position = debut + 4;
            continue;
        }
        if ((int)trouves.size() >= MESSAGES_MAX)
            break;
        trouves.push_back(d);
        position = fin - 4;
    }
}

Analyse::Issue Analyse::iMessage(unsigned long long debut, int type, STRUCT_FILE_MESSAGE& d,
                                 unsigned long long& fin)
{
    unsigned char m[8];
    if (!bLire(debut, m, sizeof m))
        return ARRET;
    if (type == STRUCT_FILE_MESSAGE::QX1)
        return iQx1(debut, m, d, fin);
    const bool grib = type == STRUCT_FILE_MESSAGE::GRIB;
    if ((grib && m[7] == 0) || (!grib && m[7] == 1))
        return iParcoursSections(debut, d, fin);
    if ((grib && m[7] == 1) || (!grib && m[7] >= 2 && m[7] <= 4))
        return iLongueurDeclaree(debut, d, fin);
    CLASS_CODES_LOGERR::iErr(1, "version de code inconnue", "%d", m[7]);
    return ABANDON;
}

// A length that does not move past the header read, or that ends past the
// file, gives no message.
Analyse::Issue Analyse::iFin(unsigned long long debut, unsigned long longueur,
                             unsigned long minimum, unsigned long long& fin)
{
    if (longueur < minimum) {
        CLASS_CODES_LOGERR::iErr(1, "longueur de message incorrecte", "%lu", longueur);
        return ABANDON;
    }
    if (debut + longueur > taille_) {
        CLASS_CODES_LOGERR::iErr(1, "Saut hors limite fichier ??? ", "%ld", (long)longueur);
        return ABANDON;
    }
    fin = debut + longueur;
    return GARDE;
}

Analyse::Issue Analyse::iLongueurDeclaree(unsigned long long debut, STRUCT_FILE_MESSAGE& d,
                                          unsigned long long& fin)
{
    unsigned char m[32];
    if (!bLire(debut, m, sizeof m))
        return ARRET;
    const unsigned long longueur = ul24(m + 4);
    d.vSet32(4, (uint32_t)longueur);
    if (std::memcmp(m, "GRIB", 4) == 0)
        vDecrisGrib(d, m, m + 8 + 3);
    else
        vDecrisBufr(d, m);
    return iFin(debut, longueur, 32, fin);
}

// Editions without a total length: the sections are added up to "7777".
Analyse::Issue Analyse::iParcoursSections(unsigned long long debut, STRUCT_FILE_MESSAGE& d,
                                          unsigned long long& fin)
{
    unsigned char m[28];
    if (!bLire(debut, m, sizeof m))
        return ARRET;
    if (std::memcmp(m, "GRIB", 4) == 0)
        vDecrisGrib(d, m, m + 4 + 3);
    else
        vDecrisBufr(d, m);
    unsigned long longueur = 4;
    for (int section = 0; section < 5; ++section) {
        unsigned char s[4];
        if (!bLire(debut + longueur, s, sizeof s)) {
            CLASS_CODES_LOGERR::iErr(1, "Saut hors limite fichier ??? ", "%ld", (long)longueur);
            return ABANDON;
        }
        if (std::memcmp(s, "7777", 4) == 0) {
            d.vSet32(4, (uint32_t)(longueur + 4));
            return iFin(debut, longueur + 4, 32, fin);
        }
        const unsigned long l = ul24(s);
        if (l == 0) {
            CLASS_CODES_LOGERR::iErr(1, "Message incorrect, longueur section nulle ??? ");
            return ABANDON;
        }
        if (l > LONGUEUR_SECTION_MAX) {
            CLASS_CODES_LOGERR::iErr(1, "longueur trop grande ??? ", "%ld", (long)l);
            return ABANDON;
        }
        longueur += l;
    }
    CLASS_CODES_LOGERR::iErr(1, "section 6 inconnue ??? longueur cumulee: ", "%ld",
                             (long)longueur);
    return ABANDON;
}

Analyse::Issue Analyse::iQx1(unsigned long long debut, const unsigned char* m,
                             STRUCT_FILE_MESSAGE& d, unsigned long long& fin)
{
    const unsigned int code = (m[3] >> 4) & 3;
    if (code == 3) {
        CLASS_CODES_LOGERR::iErr(0, "QX1:code longueur=3 (reserve)");
        return ABANDON;
    }
    unsigned long longueur = (unsigned long)(m[3] & 0x0F) << 8 | m[4];
    for (unsigned int k = 0; k < code; ++k)
        longueur = longueur << 8 | m[5 + k];
    d.vSet32(4, (uint32_t)longueur);
    d.uca[8] = (unsigned char)(STRUCT_FILE_MESSAGE::QX1 | (m[3] >> 6) << 4 | code << 6);
    d.uca[10] = m[5 + code];
    return iFin(debut, longueur, 8, fin);
}

}  // namespace

int CLASS_CODES_IBFILE::iAnalyse()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iAnalyse");
    if (!pf_donnees && iOuvrirDonnees() != 0)
        return -1;
    pf_index = std::fopen(pc_index, "wb");
    if (!pf_index)
        return CLASS_CODES_LOGERR::iErr(-1, "Impossible de creer le fichier index");
    std::vector<STRUCT_FILE_MESSAGE> trouves;
    Analyse(pf_donnees, (unsigned long long)st_donnees.st_size).vParcourir(trouves);
    if (trouves.empty()) {
        iCloseIndex();
        unlink(pc_index);
        return CLASS_CODES_LOGERR::iErr(-1, "pas de messages dans ce fichier", "%s", pc_nom);
    }
    if (iEcrireDescriptions(trouves) != 0) {
        unlink(pc_index);
        return -1;
    }
    return iChargerIndex(true) == 0 ? 0 : -1;
}
