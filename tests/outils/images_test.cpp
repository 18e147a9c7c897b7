#include "tests/outils/images_test.h"

#include <gif_lib.h>
#include <zlib.h>
#include <stdexcept>

namespace {

std::string be16(unsigned v)
{
    return {char(v >> 8), char(v)};
}

std::string le16(unsigned v)
{
    return {char(v), char(v >> 8)};
}

std::string be32(unsigned v)
{
    return be16(v >> 16) + be16(v & 0xFFFF);
}

std::string morceauPng(const std::string& type, const std::string& donnees)
{
    const std::string corps = type + donnees;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(corps.data()), uInt(corps.size()));
    return be32(unsigned(donnees.size())) + corps + be32(unsigned(crc));
}

}  // namespace

std::string jpegEnTete(unsigned largeur, unsigned hauteur)
{
    std::string j = "\xFF\xD8";
    j += std::string("\xFF\xE0") + be16(16) + std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
    j += std::string("\xFF\xDB") + be16(67) + char(0) + std::string(64, '\x01');
    j += std::string("\xFF\xC0") + be16(17) + char(8) + be16(hauteur) + be16(largeur) + char(3);
    for (int c = 1; c <= 3; ++c)
        j += std::string{char(c), char(0x11), char(0)};
    // One code each, "0": a DC difference of 0, an end of block.
    for (char classe : {char(0x00), char(0x10)})
        j += std::string("\xFF\xC4") + be16(20) + classe + char(1) + std::string(15, '\0') + '\0';
    j += std::string("\xFF\xDA") + be16(12) + char(3);
    for (int c = 1; c <= 3; ++c)
        j += std::string{char(c), 0};
    j += std::string{0, 63, 0};
    j += std::string(240, '\0');
    return j + "\xFF\xD9";
}

std::string pngEnTete(unsigned largeur, unsigned hauteur)
{
    std::string p("\x89PNG\r\n\x1a\n", 8);
    p += morceauPng("IHDR", be32(largeur) + be32(hauteur) + std::string{8, 2, 0, 0, 0});
    p += morceauPng("IDAT", std::string("\x78\x9C\x03\x00\x00\x00\x00\x01", 8));
    return p + morceauPng("IEND", "");
}

std::string gifEnTete(unsigned ecranL, unsigned ecranH, unsigned imageL, unsigned imageH)
{
    std::string g = "GIF89a" + le16(ecranL) + le16(ecranH) + std::string{char(0x80), 0, 0};
    g += std::string{0, 0, 0, char(0xFF), char(0xFF), char(0xFF)};  // two colours
    g += "," + le16(0) + le16(0) + le16(imageL) + le16(imageH) + char(0);
    g += std::string{2, 2, char(0x4C), 1, 0};  // minimum code size, one small block
    return g + ";";
}

namespace {

// A GIF89a screen of 5 x 5, with a global table of two colours or none.
std::string ecranGif(bool table)
{
    std::string g = "GIF89a" + le16(5) + le16(5) + std::string{char(table ? 0x80 : 0), 0, 0};
    if (table)
        g += std::string{0, 0, 0, char(0xFF), char(0xFF), char(0xFF)};
    return g;
}

std::string descripteurGif(unsigned l, unsigned h)
{
    return "," + le16(0) + le16(0) + le16(l) + le16(h) + char(0);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> gifsHostiles()
{
    // One block of 14 octets of codes each, which overrun the toolkit's
    // tables (a segmentation fault).
    const auto bloc = [](const char* hex) {
        std::string b(1, char(14));
        for (int i = 0; i < 14; ++i)
            b += char(std::stoi(std::string(hex + 2 * i, 2), nullptr, 16));
        return b + std::string(1, '\0');
    };
    const std::string controle("!\xF9\x04\x01\x00\x00\x00\x00", 8);  // index 0 transparent
    return {
        {"taille16.gif",
         ecranGif(true) + descripteurGif(5, 5) + char(16) + bloc("c5d71484f8cf9bf4b76f47904730")},
        {"codes.gif",
         ecranGif(true) + descripteurGif(5, 5) + char(2) + bloc("b60e750fc7ba21d99cae304f318c")},
        {"vide.gif", ecranGif(false) + ";"},
        {"coupe0.gif", ecranGif(true) + controle + descripteurGif(5, 5) + std::string(1, '\0')},
        {"apres.gif", ecranGif(false) + ";" + descripteurGif(20000, 20000) +
                          std::string{2, 2, char(0x4C), 1, 0} + ";"},
        {"descripteur.gif", ecranGif(false) + "," + le16(0) + le16(0) + std::string(1, '\0') + ";"},
    };
}

namespace {

int ecrireMemoire(GifFileType* g, const GifByteType* octets, int n)
{
    static_cast<std::string*>(g->UserData)->append(reinterpret_cast<const char*>(octets), n);
    return n;
}

struct TableGif {
    ColorMapObject* table = nullptr;
    explicit TableGif(const std::vector<uint32_t>& couleurs)
    {
        if (couleurs.empty())
            return;
        std::vector<GifColorType> c;
        for (uint32_t rvb : couleurs)
            c.push_back({GifByteType(rvb >> 16), GifByteType(rvb >> 8), GifByteType(rvb)});
        table = GifMakeMapObject(int(c.size()), c.data());
        if (!table)
            throw std::runtime_error("table de couleurs refusee");
    }
    ~TableGif() { GifFreeMapObject(table); }
};

void vVerifier(int r, const char* etape)
{
    if (r != GIF_OK)
        throw std::runtime_error(etape);
}

void vEcrireCadre(GifFileType* g, const CadreGif& c)
{
    if (c.transparent >= 0) {
        GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 10, c.transparent};
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        vVerifier(EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, 4, ext), "extension");
    }
    TableGif locale(c.tableLocale);
    vVerifier(EGifPutImageDesc(g, 0, 0, c.w, c.h, c.entrelace, locale.table), "descripteur");
    std::vector<unsigned char> ligne(c.w);
    const auto ecrire = [&](int y) {
        ligne.assign(c.indices.begin() + size_t(y) * c.w, c.indices.begin() + size_t(y + 1) * c.w);
        vVerifier(EGifPutLine(g, ligne.data(), c.w), "ligne");
    };
    if (!c.entrelace) {
        for (int y = 0; y < c.h; ++y)
            ecrire(y);
        return;
    }
    const int debut[] = {0, 4, 2, 1}, pas[] = {8, 8, 4, 2};
    for (int passe = 0; passe < 4; ++passe)
        for (int y = debut[passe]; y < c.h; y += pas[passe])
            ecrire(y);
}

}  // namespace

std::string gifEcrit(int ecranL, int ecranH, const std::vector<uint32_t>& tableGlobale,
                     const std::vector<CadreGif>& cadres)
{
    std::string octets;
    int erreur = 0;
    GifFileType* g = EGifOpen(&octets, ecrireMemoire, &erreur);
    if (!g)
        throw std::runtime_error("EGifOpen");
    EGifSetGifVersion(g, true);
    {
        TableGif globale(tableGlobale);
        vVerifier(EGifPutScreenDesc(g, ecranL, ecranH, 8, 0, globale.table), "ecran");
    }
    for (const CadreGif& c : cadres)
        vEcrireCadre(g, c);
    vVerifier(EGifCloseFile(g, &erreur), "fermeture");
    return octets;
}

namespace {

// Bits written most significant first, with the JPEG's stuffing: a zero
// octet after every FF of entropy-coded data; the last octet filled with 1.
struct BitsJpeg {
    std::string octets;
    unsigned courant = 0;
    int n = 0;
    void vEcrire(unsigned valeur, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            courant = (courant << 1) | ((valeur >> i) & 1);
            if (++n == 8)
                vOctet();
        }
    }
    void vOctet()
    {
        octets += char(courant);
        if (courant == 0xFF)
            octets += '\0';
        courant = 0, n = 0;
    }
    std::string sFin()
    {
        if (n)
            vEcrire(0xFF, 8 - n);
        return octets;
    }
};

// A scan of `blocs` blocks, all in end-of-band runs: runs of
// 32767 blocks (code "0", symbol E0 and its 14 bits), then the rest in one
// run of its own size class (code "10", symbol r0 and its r bits).
std::string passeFinsDeBande(unsigned blocs)
{
    BitsJpeg b;
    for (; blocs >= 32767; blocs -= 32767)
        b.vEcrire(0, 1), b.vEcrire(32767 - 16384, 14);
    if (blocs) {
        int r = 0;
        while ((2u << r) <= blocs)
            ++r;
        // The table holds E0 and one other run: a rest of 2^r + k blocks.
        b.vEcrire(2, 2), b.vEcrire(blocs - (1u << r), r);
    }
    return b.sFin();
}

}  // namespace

std::string jpegFinsDeBande(unsigned cote, int passes, bool raffinement)
{
    const unsigned blocs = (cote / 8) * (cote / 8);
    unsigned reste = blocs % 32767, r = 0;
    while (reste && (2u << r) <= reste)
        ++r;
    std::string j = "\xFF\xD8";
    j += std::string("\xFF\xDB") + be16(67) + char(0) + std::string(64, '\x01');
    j += std::string("\xFF\xC2") + be16(11) + char(8) + be16(cote) + be16(cote) + char(1);
    j += std::string{1, char(0x11), 0};
    // AC table 0: E0 in one bit, the rest's run class in two.
    std::string longueurs(16, '\0');
    longueurs[0] = 1, longueurs[1] = 1;
    j += std::string("\xFF\xC4") + be16(2 + 1 + 16 + 2) + char(0x10) + longueurs + char(0xE0) +
         char(r << 4);
    const std::string donnees = passeFinsDeBande(blocs);
    const char ahAl = raffinement ? 0x10 : 0;
    for (int i = 0; i < passes; ++i)
        j += std::string("\xFF\xDA") + be16(8) + char(1) + std::string{1, 0, 1, 63, ahAl} + donnees;
    return j + "\xFF\xD9";
}

namespace {

const int CANAUX_PNG[] = {1, 0, 3, 1, 2, 0, 4};

// The rows of the pass (or of the whole picture), each with its filter
// octet, as zeros.
void vDeflaterLignes(z_stream& z, std::string& sortie, unsigned w, unsigned h, size_t octetsLigne)
{
    if (!w || !h)
        return;
    std::string ligne(1 + octetsLigne, '\0');
    ligne[0] = 4;  // Paeth
    char tampon[64 * 1024];
    for (unsigned y = 0; y < h; ++y) {
        z.next_in = reinterpret_cast<Bytef*>(ligne.data());
        z.avail_in = uInt(ligne.size());
        while (z.avail_in) {
            z.next_out = reinterpret_cast<Bytef*>(tampon);
            z.avail_out = sizeof tampon;
            deflate(&z, Z_NO_FLUSH);
            sortie.append(tampon, sizeof tampon - z.avail_out);
        }
    }
}

}  // namespace

std::string pngNul(unsigned w, unsigned h, const FormePng& f)
{
    const int canaux = CANAUX_PNG[f.type];
    const auto octetsLigne = [&](unsigned l) {
        return (size_t(l) * size_t(canaux) * size_t(f.profondeur) + 7) / 8;
    };
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, 15, 9, Z_RLE) != Z_OK)
        throw std::runtime_error("deflateInit");
    std::string idat;
    if (!f.entrelace) {
        vDeflaterLignes(z, idat, w, h, octetsLigne(w));
    } else {
        static const unsigned x0[] = {0, 4, 0, 2, 0, 1, 0}, dx[] = {8, 8, 4, 4, 2, 2, 1};
        static const unsigned y0[] = {0, 0, 4, 0, 2, 0, 1}, dy[] = {8, 8, 8, 4, 4, 2, 2};
        for (int p = 0; p < 7; ++p) {
            const unsigned l = w > x0[p] ? (w - x0[p] + dx[p] - 1) / dx[p] : 0;
            const unsigned lignes = h > y0[p] ? (h - y0[p] + dy[p] - 1) / dy[p] : 0;
            vDeflaterLignes(z, idat, l, lignes, octetsLigne(l));
        }
    }
    char tampon[64 * 1024];
    int r;
    do {
        z.next_out = reinterpret_cast<Bytef*>(tampon);
        z.avail_out = sizeof tampon;
        r = deflate(&z, Z_FINISH);
        idat.append(tampon, sizeof tampon - z.avail_out);
    } while (r == Z_OK);
    deflateEnd(&z);
    std::string p("\x89PNG\r\n\x1a\n", 8);
    p += morceauPng("IHDR", be32(w) + be32(h) +
                                std::string{char(f.profondeur), char(f.type), 0, 0,
                                            char(f.entrelace ? 1 : 0)});
    if (f.type == 3)
        p += morceauPng("PLTE", std::string(size_t(3) << f.profondeur, '\x80'));
    if (f.transparence)
        p += morceauPng("tRNS", std::string(f.type == 3 ? 1 : f.type == 0 ? 2 : 6, '\0'));
    for (size_t i = 0; i < idat.size(); i += 1 << 20)
        p += morceauPng("IDAT", idat.substr(i, 1 << 20));
    return p + morceauPng("IEND", "");
}
