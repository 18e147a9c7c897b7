// What decoding a received picture costs the GUI thread, on pictures of
// the largest size accepted (8192 x 8192, 2^26 pixels) made in memory by
// the tests' generators (pinned: the same octets every run): JPEGs of 100
// scans of end-of-band runs (about 10 KB), refinement or first scans; zero
// PNGs of several depths and layouts (16-bit RGB with a transparent colour,
// interlaced, is the costliest); the same at the largest sizes their work
// may have; and for scale a real picture written by libjpeg, baseline and
// progressive. Each case prints its refusal (0: decoded, 6: too much work)
// and its size in octets. --data is unused.
#include "bench/banc.h"

#include "tests/outils/images_test.h"
#include "ui/decodage_jpeg.h"
#include "ui/decodage_png.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <jpeglib.h>
#include <string>
#include <vector>

namespace {

const unsigned COTE = 8192;

// An RGB picture of `cote` x `cote` through libjpeg's encoder, quality
// 90, in 4:2:0 (its default) or 4:4:4, in its standard progression or not.
std::string jpegReel(unsigned cote, bool progressif, bool plein = false)
{
    jpeg_compress_struct c{};
    jpeg_error_mgr e{};
    c.err = jpeg_std_error(&e);
    jpeg_create_compress(&c);
    unsigned char* sortie = nullptr;
    unsigned long n = 0;
    jpeg_mem_dest(&c, &sortie, &n);
    c.image_width = cote, c.image_height = cote;
    c.input_components = 3, c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    if (plein)
        c.comp_info[0].h_samp_factor = c.comp_info[0].v_samp_factor = 1;
    if (progressif)
        jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> ligne(cote * 3);
    while (c.next_scanline < cote) {
        const unsigned y = c.next_scanline;
        for (unsigned x = 0; x < cote; ++x) {
            ligne[3 * x] = (unsigned char)(x * 255 / cote);
            ligne[3 * x + 1] = (unsigned char)(y * 255 / cote);
            ligne[3 * x + 2] = (unsigned char)((x ^ y) & 0xFF);
        }
        JSAMPROW r = ligne.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::string octets(reinterpret_cast<char*>(sortie), n);
    std::free(sortie);
    return octets;
}

void BM_Decoder(benchmark::State& etat, const std::string* octets, bool jpeg)
{
    const auto* o = reinterpret_cast<const unsigned char*>(octets->data());
    const size_t n = octets->size();
    int refus = 0;
    for (auto _ : etat) {
        ImageDecodee image;
        refus = jpeg ? iDecoderJpeg(o, n, image) : iDecoderPng(o, n, image);
        benchmark::DoNotOptimize(image.pixels.get());
    }
    etat.SetLabel("refusal " + std::to_string(refus) + ", " + std::to_string(octets->size()) +
                  " octets");
}

void enregistrer(const std::string&)
{
    static std::vector<std::pair<std::string, std::string>> cas;
    cas.emplace_back("jpeg/100_refinement_scans", jpegFinsDeBande(COTE, 100, true));
    cas.emplace_back("jpeg/100_first_scans", jpegFinsDeBande(COTE, 100, false));
    // The same at the largest sizes whose work stays within the bound.
    cas.emplace_back("jpeg/100_refinement_scans_2080", jpegFinsDeBande(2080, 100, true));
    cas.emplace_back("jpeg/100_first_scans_4632", jpegFinsDeBande(4632, 100, false));
    cas.emplace_back("jpeg/real_baseline", jpegReel(COTE, false));
    cas.emplace_back("jpeg/real_progressive", jpegReel(COTE, true));
    // Near the largest 4:4:4 progression whose coefficients libjpeg keeps.
    cas.emplace_back("jpeg/real_progressive_444_6400", jpegReel(6400, true, true));
    const struct {
        const char* nom;
        FormePng forme;
    } pngs[] = {
        {"png/rgb8", {8, 2, false, false}},
        {"png/rgba8", {8, 6, false, false}},
        {"png/rgba8_adam7", {8, 6, false, true}},
        {"png/rgba16", {16, 6, false, false}},
        {"png/rgb16_trns_adam7", {16, 2, true, true}},
        {"png/palette1_trns_adam7", {1, 3, true, true}},
    };
    for (const auto& p : pngs)
        cas.emplace_back(p.nom, pngNul(COTE, COTE, p.forme));
    // The costliest layout at the largest size whose work stays within the bound.
    cas.emplace_back("png/rgb16_trns_adam7_5176", pngNul(5176, 5176, {16, 2, true, true}));
    for (const auto& [nom, octets] : cas)
        benchmark::RegisterBenchmark(nom.c_str(), BM_Decoder, &octets, nom[0] == 'j')
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(3);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
