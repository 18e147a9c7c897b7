// Bit cursor over a caller's octet buffer: big-endian bit fields of 1 to 32
// bits, most significant bit first, as GRIB and BUFR pack them.
//
// The decoder and encoder call ulRead / vWrite once per packed value, so the
// transfer and positioning operations are inline, allocate nothing, check no
// bounds and open no log context: the caller keeps every access inside its
// buffer. The one check kept on that path is the width, which indexes the
// mask table; an impossible width ends the process with status 98.
#ifndef CODES_BIT_H
#define CODES_BIT_H

#include <cstdint>

class CLASS_CODES_BIT_BASE {
public:
    static constexpr const char* spc_class_name = "CLASS_CODES_BIT_BASE";
};

class CLASS_CODES_BIT : public CLASS_CODES_BIT_BASE {
public:
    static constexpr const char* spc_class_name = "CLASS_CODES_BIT";

    explicit CLASS_CODES_BIT(unsigned char* buffer = nullptr, unsigned int premierBit = 0);
    ~CLASS_CODES_BIT() {}

    // Re-points the cursor; the buffer is left as it is.
    void vChange(unsigned char* buffer, unsigned int premierBit);
    // Re-points the cursor at bit 0 and clears the first octet for writing.
    void vChangeInit(unsigned char* buffer);
    // Back to the starting bit; clears `octets` octets from the start first.
    void vInit(unsigned int octets);

    unsigned long ulTell() const
    {
        return (unsigned long)(puc_octet - puc_debut) * 8 + ui_bit;
    }
    void vSeek(unsigned long position)
    {
        puc_octet = puc_debut + position / 8;
        ui_bit = (unsigned int)(position % 8);
    }
    void vSkip(long bits)
    {
        puc_octet += bits / 8;
        long bit = (long)ui_bit + bits % 8;
        if (bit >= 8) {
            puc_octet++;
            bit -= 8;
        } else if (bit < 0) {
            puc_octet--;
            bit += 8;
        }
        ui_bit = (unsigned int)bit;
    }
    // Octets touched so far, counting a partly used current octet.
    unsigned long ulSize() const
    {
        return (unsigned long)(puc_octet - puc_debut) + (ui_bit != 0);
    }

    inline unsigned long ulRead(unsigned int largeur);
    // Appends a field: the bits after it in its last octet become 0, and a
    // field ending on an octet boundary clears the next octet.
    inline void vWrite(unsigned int largeur, unsigned long valeur);
    // Fills a field inside data already written: later bits are kept.
    inline void vInsert(unsigned int largeur, unsigned long valeur);

    // Entry k selects bit k of an octet, from the most significant.
    unsigned char uca_bit[8];
    // Entry n is 2^n - 1.
    uint32_t ula_masque[33];
    unsigned char* puc_debut;
    unsigned char* puc_octet;
    unsigned int ui_bit_depart;
    unsigned int ui_bit;

private:
    // Logs the width and ends the process with status 98.
    [[noreturn]] static void vLargeurImpossible(const char* methode, unsigned int largeur);
    // vWrite, or vInsert when INSERTION: they differ in the field's last octet.
    template <bool INSERTION>
    inline void vPose(const char* methode, unsigned int largeur, unsigned long valeur);
};

// Width 0 (nothing to move) and widths above 32 share one unlikely branch.
#define CODES_BIT_LARGEUR_RARE(largeur, methode, nulle)                                \
    if (__builtin_expect((largeur) - 1u >= 32u, 0)) {                                    \
        if ((largeur) == 0)                                                              \
            return nulle;                                                                \
        vLargeurImpossible(methode, largeur);                                            \
    }

inline unsigned long CLASS_CODES_BIT::ulRead(unsigned int largeur)
{
    CODES_BIT_LARGEUR_RARE(largeur, "ulRead", 0)
    const unsigned char* p = puc_octet;
    unsigned int fin = ui_bit + largeur;
    uint64_t v = p[0] & ula_masque[8 - ui_bit];
    switch ((fin + 7) >> 3) {
    case 1:
        break;
    case 2:
        v = v << 8 | p[1];
        break;
    case 3:
        v = v << 16 | (uint64_t)p[1] << 8 | p[2];
        break;
    case 4:
        v = v << 24 | (uint64_t)p[1] << 16 | (uint64_t)p[2] << 8 | p[3];
        break;
    default:
        v = v << 32 | (uint64_t)p[1] << 24 | (uint64_t)p[2] << 16 | (uint64_t)p[3] << 8 | p[4];
        break;
    }
    unsigned int octets = (fin + 7) >> 3;
    puc_octet += fin >> 3;
    ui_bit = fin & 7;
    return (unsigned long)(v >> (octets * 8 - fin));
}

template <bool INSERTION>
inline void CLASS_CODES_BIT::vPose(const char* methode, unsigned int largeur,
                                   unsigned long valeur)
{
    CODES_BIT_LARGEUR_RARE(largeur, methode, )
    unsigned char* p = puc_octet;
    unsigned int fin = ui_bit + largeur;
    unsigned int octets = (fin + 7) >> 3;
    uint64_t v = (uint64_t)(valeur & ula_masque[largeur]) << (octets * 8 - fin);
    p[0] |= (unsigned char)(v >> (8 * (octets - 1)));
    for (unsigned int i = 1; i + 1 < octets; i++)
        p[i] = (unsigned char)(v >> (8 * (octets - 1 - i)));
    if (octets > 1) {
        if (INSERTION)
            p[octets - 1] |= (unsigned char)v;
        else
            p[octets - 1] = (unsigned char)v;
    }
    puc_octet += fin >> 3;
    ui_bit = fin & 7;
    if (!INSERTION && ui_bit == 0)
        *puc_octet = 0;
}

inline void CLASS_CODES_BIT::vWrite(unsigned int largeur, unsigned long valeur)
{
    vPose<false>("vWrite", largeur, valeur);
}

inline void CLASS_CODES_BIT::vInsert(unsigned int largeur, unsigned long valeur)
{
    vPose<true>("vInsert", largeur, valeur);
}

#undef CODES_BIT_LARGEUR_RARE

#endif
