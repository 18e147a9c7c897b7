// Damaged input through the reader and the decoder, run under ASan/UBSan:
// every truncation and every single changed octet of a few messages, and
// every crash file the fuzz targets found. Nothing may read outside its
// block or end the process; the log says why a message is refused.
#include "codec_test.h"
#include "constructeur_grib.h"
#include "fuzz/cibles.h"
#include "journal_capture.h"

#include <dirent.h>

namespace {

const uint8_t* u8(const std::string& s)
{
    return reinterpret_cast<const uint8_t*>(s.data());
}

std::vector<std::string> messages()
{
    const std::string codec = lireFichier(GRIB1 + "codec.grb");
    MessageGrib so{1, 3, 2, {1, 0, 1, 1, 1, 0}, 0,
                   s4SecondOrdre(8, {10, 20}, {3, 2}, {{0, 7}, {1, 0}})};
    MessageGrib matrice{1, 2, 1, {1, 0}, 0, s4Matrice(2, 3, 1, {1, 1, 0, 1, 1, 1}, {1, 2, 3, 4, 5})};
    MessageGrib e0{0, 3, 2, {1, 0, 1, 1, 1, 1}, 0, s4Simple(0, 0, 8, {1, 2, 3, 4, 5, 6})};
    return {codec.substr(0, 138), codec.substr(552, 140), so.octets(), matrice.octets(),
            e0.octets(), lireFichier(GRIB1 + "stereo.grb")};
}

}  // namespace

TEST(Malformes, EveryTruncationAndChangedOctetThroughTheDecoder)
{
    for (const std::string& m : messages()) {
        for (size_t l = 0; l < m.size(); ++l)
            vFuzzGribGet(u8(m), l);
        for (size_t k = 0; k < m.size(); ++k)
            for (int v : {0x00, 0xFF, m[k] ^ 0x01, m[k] ^ 0x80}) {
                std::string abime = m;
                abime[k] = char(v);
                vFuzzGribGet(u8(abime), abime.size());
            }
    }
}

TEST(Malformes, EveryTruncationAndChangedHeaderOctetThroughTheReader)
{
    DossierTemporaire dossier;
    const std::string f = lireFichier(GRIB1 + "melange.bin");
    for (size_t l = 0; l < f.size(); l += 3)
        vFuzzIbfile(u8(f), l, dossier / "f.grb");
    for (size_t k = 0; k < 200; ++k) {
        std::string abime = f;
        abime[k] = char(abime[k] ^ 0xFF);
        vFuzzIbfile(u8(abime), abime.size(), dossier / "f.grb");
    }
}

// Refused messages leave a record of why.
TEST(Malformes, RefusalsAreLogged)
{
    const std::string m = messages()[0];
    std::string bits = m, court = m;
    const auto u24 = [&](size_t k) {
        return size_t((unsigned char)m[k]) << 16 | size_t((unsigned char)m[k + 1]) << 8 |
               (unsigned char)m[k + 2];
    };
    const size_t s4 = 8 + u24(8) + u24(8 + u24(8));
    bits[s4 + 10] = char(40);  // 40 bits per value
    court[4] = char(1);                 // total length past the message
    // 65534 x 65534 points of a constant field in a few octets.
    const std::string constant = MessageGrib{1, 65534, 65534, {}, 0, s4Simple(0, 5, 0, {})}.octets();
    for (const std::string& abime : {bits, court, m.substr(0, 100), constant})
        EXPECT_NE(sJournal([&] {
                      CLASS_GRIB_GET g;
                      EXPECT_NE(decoder(g, abime), 0);
                  }).find("[FATAL]"),
                  std::string::npos);
}

TEST(Malformes, FuzzCrashFilesReplayed)
{
    DossierTemporaire dossier;
    const std::string rep = GRIB1 + "fuzz/";
    DIR* d = opendir(rep.c_str());
    ASSERT_NE(d, nullptr);
    int n = 0;
    while (dirent* e = readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        const std::string octets = lireFichier(rep + e->d_name);
        vFuzzGribGet(u8(octets), octets.size());
        vFuzzIbfile(u8(octets), octets.size(), dossier / "f.grb");
        ++n;
    }
    closedir(d);
    EXPECT_GT(n, 0);
}
