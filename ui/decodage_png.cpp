#include "ui/decodage_png.h"

#include "ui/entete_image.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <png.h>

namespace {

// The octets libpng reads, and what the callbacks tell the decoding.
struct Lecture {
    const unsigned char* octets;
    size_t n, lu;
    int refus;
    char* message;
};

[[noreturn]] void vSortir(png_structp png, int refus, const char* texte)
{
    Lecture* l = static_cast<Lecture*>(png_get_error_ptr(png));
    l->refus = refus;
    std::snprintf(l->message, sizeof ImageDecodee::message, "%s", texte);
    png_longjmp(png, 1);
}

void vErreur(png_structp png, png_const_charp texte)
{
    vSortir(png, DECODAGE_ILLISIBLE, texte);
}

// Warnings (a damaged ancillary chunk, skipped) leave the picture shown.
void vAvertissement(png_structp, png_const_charp) {}

// Handed out as asked; short at the end, where the picture is cut.
void vLire(png_structp png, png_bytep dest, size_t voulu)
{
    Lecture* l = static_cast<Lecture*>(png_get_io_ptr(png));
    if (voulu > l->n - l->lu)
        vSortir(png, DECODAGE_COUPEE, "fin des octets");
    std::memcpy(dest, l->octets + l->lu, voulu);
    l->lu += voulu;
}

struct Png {
    png_structp p = nullptr;
    png_infop i = nullptr;
    ~Png()
    {
        if (p)
            png_destroy_read_struct(&p, &i, nullptr);
    }
};

// Eight bits a channel, a palette as RGB, a transparent colour as alpha,
// grey with alpha as RGBA; the number of channels that gives.
int iTransformer(png_structp p, png_infop i)
{
    const int type = png_get_color_type(p, i);
    const bool transparent = png_get_valid(p, i, PNG_INFO_tRNS);
    const bool alpha = type & PNG_COLOR_MASK_ALPHA || transparent;
    if (type == PNG_COLOR_TYPE_PALETTE)
        png_set_expand(p);
    if (png_get_bit_depth(p, i) < 8) {
        png_set_packing(p);
        png_set_expand(p);
    } else if (png_get_bit_depth(p, i) == 16) {
        png_set_strip_16(p);
    }
    if (transparent)
        png_set_tRNS_to_alpha(p);
    // Only RGBA is laid over the windows' grey (ui/fond_transparent.h).
    const bool gris = !(type & PNG_COLOR_MASK_COLOR);
    if (gris && alpha)
        png_set_gray_to_rgb(p);
    return gris && !alpha ? 1 : alpha ? 4 : 3;
}

// libpng's header within its limits, the checks, then the rows (every
// pass of an interlaced picture over them). Nothing here has a
// destructor: libpng's errors leave it by longjmp.
int iDecoder(Png& png, Lecture& l, ImageDecodee& image)
{
    png_set_user_limits(png.p, PNG_COTE_MAX, PNG_COTE_MAX);
    png_set_chunk_malloc_max(png.p, PNG_MORCEAU_MAX);
    png_set_chunk_cache_max(png.p, PNG_MORCEAUX_MAX);
    // A chunk over the bound is only a warning to libpng, which would then
    // allocate and clear what a text chunk claims: every ancillary chunk
    // but the transparency (texts, profiles, suggested palettes, ...) is
    // passed over unkept: the pixels shown never depended on them.
    png_set_keep_unknown_chunks(png.p, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_read_fn(png.p, &l, vLire);
    png_read_info(png.p, png.i);
    const png_uint_32 w = png_get_image_width(png.p, png.i), h = png_get_image_height(png.p, png.i);
    std::snprintf(image.message, sizeof image.message, "%u x %u", unsigned(w), unsigned(h));
    if (double(w) * h > PIXELS_MAX)
        return DECODAGE_TROP_GRANDE;
    const double brutes = double(png_get_rowbytes(png.p, png.i)) * h;
    if (brutes > DEFLATE_RAPPORT_MAX * double(l.n - l.lu))
        return DECODAGE_COUPEE;
    const bool seize = png_get_bit_depth(png.p, png.i) == 16;
    const int d = iTransformer(png.p, png.i);
    const int passes = png_set_interlace_handling(png.p);
    png_read_update_info(png.p, png.i);
    if (png_get_rowbytes(png.p, png.i) != size_t(w) * size_t(d))
        return DECODAGE_ILLISIBLE;
    const double ecrites = double(w) * h * d;
    if (brutes * (seize ? 2 : 1) + ecrites * (passes > 1 ? 2 : 1) > PNG_TRAVAIL_MAX)
        return DECODAGE_TROP_DE_TRAVAIL;
    if (image.admettre && !image.admettre(int(w), int(h), d))
        return DECODAGE_NON_ADMISE;
    image.w = int(w), image.h = int(h), image.d = d;
    image.pixels.reset(static_cast<unsigned char*>(std::malloc(size_t(w) * h * size_t(d))));
    if (!image.pixels)
        return DECODAGE_MEMOIRE;
    for (int passe = 0; passe < passes; ++passe)
        for (size_t y = 0; y < h; ++y)
            png_read_row(png.p, image.pixels.get() + y * w * size_t(d), nullptr);
    // Reads on to the end chunk: a file cut after its pixels is cut too.
    png_read_end(png.p, nullptr);
    return 0;
}

int iLire(Png& png, Lecture& l, ImageDecodee& image)
{
    if (setjmp(png_jmpbuf(png.p)))
        return l.refus;
    return iDecoder(png, l, image);
}

}  // namespace

int iDecoderPng(const unsigned char* octets, size_t n, ImageDecodee& image)
{
    image.vRecommencer();
    Lecture l{octets, n, 0, 0, image.message};
    Png png;
    png.p = png_create_read_struct(PNG_LIBPNG_VER_STRING, &l, vErreur, vAvertissement);
    if (png.p)
        png.i = png_create_info_struct(png.p);
    int refus = png.i ? iLire(png, l, image) : DECODAGE_MEMOIRE;
    if (refus)
        image.vVider();
    return refus;
}
