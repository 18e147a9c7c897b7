#include "ui/decodage_gif.h"

#include "ui/entete_image.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

std::atomic<unsigned long long> octetsDemandes{0};

// The octets giflib reads, handed out as it asks: short at the end, so a
// cut file is an error of giflib's, never a read past the octets.
struct Source {
    const unsigned char* octets;
    size_t n, lu;
};

int lire(GifFileType* g, GifByteType* dest, int voulu)
{
    Source* s = static_cast<Source*>(g->UserData);
    if (voulu <= 0)
        return 0;
    const size_t reste = s->n - s->lu;
    const size_t k = reste < size_t(voulu) ? reste : size_t(voulu);
    std::memcpy(dest, s->octets + s->lu, k);
    s->lu += k;
    return int(k);
}

struct Fermeture {
    void operator()(GifFileType* g) const
    {
        int erreur;
        DGifCloseFile(g, &erreur);
    }
};
using Gif = std::unique_ptr<GifFileType, Fermeture>;

// The transparent colour named by a graphic control extension, read to
// its end; -1 when there is none. False when giflib refuses the blocks.
bool bExtension(GifFileType* g, int& transparent)
{
    int code = 0;
    GifByteType* bloc = nullptr;
    if (DGifGetExtension(g, &code, &bloc) == GIF_ERROR)
        return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && bloc) {
        GraphicsControlBlock gcb;
        if (DGifExtensionToGCB(bloc[0], bloc + 1, &gcb) == GIF_OK)
            transparent = gcb.TransparentColor;
    }
    while (bloc)
        if (DGifGetExtensionNext(g, &bloc) == GIF_ERROR)
            return false;
    return true;
}

// The frame's colour indices, row by row (interlaced frames in their four
// passes).
bool bIndices(GifFileType* g, std::vector<GifPixelType>& indices)
{
    const int w = g->Image.Width, h = g->Image.Height;
    if (!g->Image.Interlace)
        return DGifGetLine(g, indices.data(), w * h) == GIF_OK;
    static const int debut[] = {0, 4, 2, 1}, pas[] = {8, 8, 4, 2};
    for (int passe = 0; passe < 4; ++passe)
        for (int y = debut[passe]; y < h; y += pas[passe])
            if (DGifGetLine(g, indices.data() + size_t(y) * w, w) == GIF_ERROR)
                return false;
    return true;
}

// The colours of a frame: its own table, else the file's; with neither,
// black, white, then a grey ramp over the 2^n colours of its LZW code
// size n, the usual default (the one the toolkit's reader took).
std::vector<GifColorType> couleurs(const GifFileType* g, int tailleCode)
{
    const ColorMapObject* table = g->Image.ColorMap ? g->Image.ColorMap : g->SColorMap;
    if (table)
        return std::vector<GifColorType>(table->Colors, table->Colors + table->ColorCount);
    const int n = 1 << tailleCode;
    std::vector<GifColorType> gris(n);
    for (int i = 1; i < n; ++i) {
        const GifByteType v = GifByteType(i == 1 ? 255 : 255 * i / (n - 1));
        gris[i] = GifColorType{v, v, v};
    }
    return gris;
}

// Indices into colours; an index past the table is black.
void vCouleurs(const std::vector<GifColorType>& table, const std::vector<GifPixelType>& indices,
               int transparent, unsigned fond, ImageGif& image)
{
    const size_t nCouleurs = table.size();
    const GifColorType dessous = {GifByteType(fond >> 24), GifByteType(fond >> 16),
                                  GifByteType(fond >> 8)};
    image.pixels.reset(new unsigned char[indices.size() * 3]);
    unsigned char* p = image.pixels.get();
    for (GifPixelType i : indices) {
        const GifColorType c = i == transparent ? dessous
                               : i < nCouleurs  ? table[i]
                                                : GifColorType{0, 0, 0};
        *p++ = c.Red, *p++ = c.Green, *p++ = c.Blue;
    }
}

int iPremiereImage(GifFileType* g, ImageGif& image, unsigned fond)
{
    int transparent = -1;
    for (;;) {
        GifRecordType genre;
        if (DGifGetRecordType(g, &genre) == GIF_ERROR)
            return GIF_ILLISIBLE;
        if (genre == TERMINATE_RECORD_TYPE)
            return GIF_SANS_IMAGE;
        if (genre == EXTENSION_RECORD_TYPE) {
            if (!bExtension(g, transparent))
                return GIF_ILLISIBLE;
            continue;
        }
        if (genre != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(g) == GIF_ERROR)
            return GIF_ILLISIBLE;
        // giflib reads no further than it needs: the descriptor ends on
        // the LZW code size, which it has checked (at most 8).
        const Source* s = static_cast<const Source*>(g->UserData);
        const int tailleCode = s->lu ? std::min<int>(8, s->octets[s->lu - 1]) : 8;
        const int w = g->Image.Width, h = g->Image.Height;
        if (w <= 0 || h <= 0 || double(w) * double(h) > PIXELS_MAX)
            return GIF_TROP_GRANDE;
        if (double(w) * double(h) > dPixelsLzwMax(s->n - s->lu, tailleCode + 1))
            return GIF_TRONQUEE;
        if (image.admettre && !image.admettre(w, h, 3))
            return GIF_NON_ADMISE;
        octetsDemandes += 4ULL * unsigned(w) * unsigned(h);
        std::vector<GifPixelType> indices(size_t(w) * size_t(h));
        if (!bIndices(g, indices))
            return GIF_ILLISIBLE;
        vCouleurs(couleurs(g, tailleCode), indices, transparent, fond, image);
        image.w = w, image.h = h;
        return 0;
    }
}

}  // namespace

int iDecoderGif(const unsigned char* octets, size_t n, ImageGif& image, unsigned fond)
{
    Admission admettre = std::move(image.admettre);
    image = ImageGif();
    image.admettre = std::move(admettre);
    Source source{octets, n, 0};
    int erreur = 0;
    Gif g(DGifOpen(&source, lire, &erreur));
    if (!g) {
        image.erreurGif = erreur;
        return GIF_ILLISIBLE;
    }
    const int refus = iPremiereImage(g.get(), image, fond);
    // iPremiereImage fills `image` only when it returns 0: it is still empty.
    if (refus == GIF_ILLISIBLE)
        image.erreurGif = g->Error;
    return refus;
}

double dPixelsLzwMax(size_t octets, int bits)
{
    // After a clear code, the k-th code stands for k pixels at most (each
    // new string is one longer than one already there), and none for more
    // than the 4096 entries of the table; a clear only starts again lower.
    const double codes = std::floor(8.0 * double(octets) / std::max(1, bits));
    const double table = 4096;
    if (codes <= table)
        return codes * (codes + 1) / 2;
    return table * (table + 1) / 2 + (codes - table) * table;
}

const char* pcRefusGif(int refus)
{
    switch (refus) {
    case GIF_ILLISIBLE: return "gif illisible";
    case GIF_SANS_IMAGE: return "gif sans image";
    case GIF_TROP_GRANDE: return "gif de taille refusee";
    case GIF_TRONQUEE: return "gif plus court que sa taille";
    case GIF_NON_ADMISE: return "gif non admis";
    default: return "gif";
    }
}

unsigned long long ullOctetsGifDemandes()
{
    return octetsDemandes.load();
}
