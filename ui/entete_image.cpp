#include "ui/entete_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

uint32_t be16(const unsigned char* p)
{
    return uint32_t(p[0]) << 8 | p[1];
}

uint32_t le16(const unsigned char* p)
{
    return uint32_t(p[1]) << 8 | p[0];
}

uint32_t be32(const unsigned char* p)
{
    return be16(p) << 16 | be16(p + 2);
}

// JPEG: markers from the start of image to the first frame header.
int iJpeg(const unsigned char* o, size_t n, uint32_t& w, uint32_t& h)
{
    size_t p = 2;
    while (p + 4 <= n) {
        if (o[p] != 0xFF)
            return IMAGE_ENTETE;
        const unsigned char m = o[p + 1];
        if (m == 0xFF) {  // fill octet
            ++p;
            continue;
        }
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) {  // no length
            p += 2;
            continue;
        }
        if (m == 0xD9 || m == 0xDA)  // end, or scan before any frame
            return IMAGE_ENTETE;
        const uint32_t longueur = be16(o + p + 2);
        const bool trame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (trame) {
            if (longueur < 8 || p + 9 > n)
                return IMAGE_ENTETE;
            h = be16(o + p + 5);
            w = be16(o + p + 7);
            return 0;
        }
        if (longueur < 2)
            return IMAGE_ENTETE;
        p += 2 + longueur;
    }
    return IMAGE_ENTETE;
}

int iPng(const unsigned char* o, size_t n, uint32_t& w, uint32_t& h)
{
    if (n < 24 || std::memcmp(o + 12, "IHDR", 4) != 0)
        return IMAGE_ENTETE;
    w = be32(o + 16);
    h = be32(o + 20);
    return 0;
}

// Skips data sub-blocks from `p`; false when they run past the end.
bool bSousBlocs(const unsigned char* o, size_t n, size_t& p)
{
    while (p < n) {
        const size_t taille = o[p++];
        if (taille == 0)
            return true;
        p += taille;
    }
    return false;
}

// GIF: the logical screen, then every image descriptor to the trailer.
int iGif(const unsigned char* o, size_t n, uint32_t& w, uint32_t& h)
{
    if (n < 13)
        return IMAGE_ENTETE;
    w = le16(o + 6);
    h = le16(o + 8);
    size_t p = 13 + (o[10] & 0x80 ? 3u << ((o[10] & 7) + 1) : 0);
    while (p < n) {
        const unsigned char bloc = o[p++];
        if (bloc == 0x3B)
            return 0;
        if (bloc == 0x21) {
            ++p;  // the extension's label
        } else if (bloc == 0x2C) {
            if (p + 9 > n)
                return IMAGE_ENTETE;
            w = std::max(w, le16(o + p) + le16(o + p + 4));
            h = std::max(h, le16(o + p + 2) + le16(o + p + 6));
            const unsigned char drapeaux = o[p + 8];
            p += 9 + (drapeaux & 0x80 ? 3u << ((drapeaux & 7) + 1) : 0) + 1;
        } else {
            return IMAGE_ENTETE;
        }
        if (!bSousBlocs(o, n, p))
            return IMAGE_ENTETE;
    }
    // A GIF cut before its trailer: giflib reads what is there.
    return 0;
}

FormatImage format(const unsigned char* o, size_t n)
{
    if (n >= 3 && o[0] == 0xFF && o[1] == 0xD8 && o[2] == 0xFF)
        return IMAGE_JPEG;
    if (n >= 8 && std::memcmp(o, "\x89PNG\r\n\x1a\n", 8) == 0)
        return IMAGE_PNG;
    if (n >= 6 && (std::memcmp(o, "GIF87a", 6) == 0 || std::memcmp(o, "GIF89a", 6) == 0))
        return IMAGE_GIF;
    return IMAGE_INCONNUE;
}

}  // namespace

int iTailleImage(const unsigned char* octets, size_t n, FormatImage& f, int& w, int& h)
{
    w = h = 0;
    f = format(octets, n);
    uint32_t l = 0, t = 0;
    int erreur = IMAGE_FORMAT;
    switch (f) {
    case IMAGE_JPEG: erreur = iJpeg(octets, n, l, t); break;
    case IMAGE_PNG: erreur = iPng(octets, n, l, t); break;
    case IMAGE_GIF: erreur = iGif(octets, n, l, t); break;
    case IMAGE_INCONNUE: break;
    }
    if (erreur)
        return erreur;
    if (l == 0 || t == 0 || double(l) * double(t) > PIXELS_MAX)
        return IMAGE_TROP_GRANDE;
    w = int(l);
    h = int(t);
    return 0;
}
