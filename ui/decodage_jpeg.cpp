#include "ui/decodage_jpeg.h"

#include "ui/entete_image.h"

#include <csetjmp>
// jpeglib.h wants size_t and FILE declared before it.
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

// What the callbacks share with the decoding; libjpeg hands back the
// address of its first member.
struct Erreurs {
    jpeg_error_mgr gestion;
    std::jmp_buf retour;
    int refus;
    char* message;
};

static_assert(sizeof ImageDecodee::message >= JMSG_LENGTH_MAX, "libjpeg's messages fit");

// Ends the decoding with `refus`: `texte`, or else libjpeg's message,
// for the log.
[[noreturn]] void vSortir(j_common_ptr j, int refus, const char* texte = nullptr)
{
    Erreurs* e = reinterpret_cast<Erreurs*>(j->err);
    if (texte)
        std::snprintf(e->message, sizeof ImageDecodee::message, "%s", texte);
    else
        (*j->err->format_message)(j, e->message);  // JMSG_LENGTH_MAX octets
    e->refus = refus;
    std::longjmp(e->retour, 1);
}

void vErreur(j_common_ptr j)
{
    vSortir(j, DECODAGE_ILLISIBLE);
}

// libjpeg goes on over corrupt data with a warning; stray octets between
// segments leave a picture worth showing, but data that run out would be
// shown as grey: the picture is refused.
void vAvertissement(j_common_ptr j, int niveau)
{
    if (niveau < 0 && (j->err->msg_code == JWRN_JPEG_EOF || j->err->msg_code == JWRN_HIT_MARKER))
        vSortir(j, DECODAGE_COUPEE);
}

// The progress monitor and what it has counted; libjpeg hands back the
// address of its first member.
struct Suivi {
    jpeg_progress_mgr gestion;
    int passe;       // the last scan counted
    double travail;  // of the scans counted
};

// The work of the scan libjpeg has just set up (JPEG_TRAVAIL_MAX).
double dTravailPasse(j_decompress_ptr c)
{
    const double blocs = double(c->MCUs_per_row) * c->MCU_rows_in_scan * c->blocks_in_MCU;
    const double bande = c->Ah > 0 ? c->Se - c->Ss + 1 : 0;
    return blocs * (JPEG_TRAVAIL_BLOC + bande);
}

// Called as the input is absorbed, before each row of a scan: the number
// of scans and their work are bounded before a scan over the bound is read.
void vSuivi(j_common_ptr j)
{
    j_decompress_ptr c = reinterpret_cast<j_decompress_ptr>(j);
    Suivi* s = reinterpret_cast<Suivi*>(c->progress);
    if (c->input_scan_number > JPEG_PASSES_MAX)
        vSortir(j, DECODAGE_TROP_DE_PASSES, "plus de passes qu'une image n'en a");
    if (c->input_scan_number == s->passe)
        return;
    s->passe = c->input_scan_number;
    s->travail += dTravailPasse(c);
    if (s->travail > JPEG_TRAVAIL_MAX)
        vSortir(j, DECODAGE_TROP_DE_TRAVAIL, "plus de travail qu'une image n'en demande");
}

// The coefficients libjpeg keeps for the whole picture when it comes in
// several scans.
double dCoefficients(j_decompress_ptr c)
{
    if (!jpeg_has_multiple_scans(c))
        return 0;
    double octets = 0;
    for (int i = 0; i < c->num_components; ++i)
        octets += double(c->comp_info[i].width_in_blocks) * c->comp_info[i].height_in_blocks *
                  sizeof(JBLOCK);
    return octets;
}

struct Decompression {
    jpeg_decompress_struct c{};
    Erreurs e{};
    Suivi suivi{};
    ~Decompression() { jpeg_destroy_decompress(&c); }
};

// libjpeg's header, the checks, then the rows. Nothing here has a
// destructor: libjpeg's errors leave it by longjmp.
int iDecoder(Decompression& j, const unsigned char* octets, size_t n, ImageDecodee& image)
{
    jpeg_create_decompress(&j.c);
    j.c.mem->max_memory_to_use = JPEG_MEMOIRE_MAX;
    j.c.progress = &j.suivi.gestion;
    jpeg_mem_src(&j.c, octets, static_cast<unsigned long>(n));
    jpeg_read_header(&j.c, TRUE);
    std::snprintf(image.message, sizeof image.message, "%u x %u", unsigned(j.c.image_width),
                  unsigned(j.c.image_height));
    if (double(j.c.image_width) * j.c.image_height > PIXELS_MAX)
        return DECODAGE_TROP_GRANDE;
    if (dCoefficients(&j.c) > JPEG_MEMOIRE_MAX)
        return DECODAGE_TROP_GRANDE;
    j.c.out_color_space = j.c.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_calc_output_dimensions(&j.c);
    if (image.admettre && !image.admettre(int(j.c.output_width), int(j.c.output_height),
                                          j.c.output_components))
        return DECODAGE_NON_ADMISE;
    // Every scan of a progressive picture is read here.
    jpeg_start_decompress(&j.c);
    image.w = int(j.c.output_width);
    image.h = int(j.c.output_height);
    image.d = j.c.output_components;
    size_t capacite = 0;
    while (j.c.output_scanline < j.c.output_height) {
        const size_t y = j.c.output_scanline;
        if (!bPlaceLignes(image, y + 1, capacite))
            return DECODAGE_MEMOIRE;
        JSAMPROW ligne = image.pixels.get() + y * size_t(image.w) * size_t(image.d);
        jpeg_read_scanlines(&j.c, &ligne, 1);
    }
    // Reads on to the end of the picture: a cut last scan is found here.
    jpeg_finish_decompress(&j.c);
    return 0;
}

int iLire(Decompression& j, const unsigned char* octets, size_t n, ImageDecodee& image)
{
    if (setjmp(j.e.retour))
        return j.e.refus;
    return iDecoder(j, octets, n, image);
}

}  // namespace

int iDecoderJpeg(const unsigned char* octets, size_t n, ImageDecodee& image)
{
    image.vRecommencer();
    Decompression j;
    j.c.err = jpeg_std_error(&j.e.gestion);
    j.e.gestion.error_exit = vErreur;
    j.e.gestion.emit_message = vAvertissement;
    j.e.message = image.message;
    j.suivi.gestion.progress_monitor = vSuivi;
    const int refus = iLire(j, octets, n, image);
    if (refus)
        image.vVider();
    return refus;
}
