// A mapped GRIB file changed by another program while it is open: decodes
// are refused with a log line, never a signal; the guard of mapped reads.
#include "grib_test.h"
#include "tests/outils/outils_test.h"

#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/garde_sigbus.h"
#include "gribdata/projections.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::string troisChamps()
{
    std::string t;
    for (int p1 : {0, 6, 12}) {
        MessageTest m;
        m.p1 = p1;
        t += m.octets();
    }
    return t;
}

grib* dernier(const File& f)
{
    grib* g = f.list;
    while (g && g->suivant)
        g = g->suivant;
    return g;
}

}  // namespace

TEST(Projections, AFileRewrittenInPlaceIsRefusedNotASignal)
{
    DossierTemporaire d;
    JournalTemporaire journal(d / "log.txt");
    ecrireFichier(d / "f.grb", troisChamps());
    File f((d / "f.grb").c_str());
    ASSERT_EQ(f.count, 3);
    Grib champ;
    ASSERT_EQ(iDecoderEnregistrement(champ, *dernier(f)), 0);
    EXPECT_EQ(champ.valeurs[5], 6.0f);
    EXPECT_EQ(champ.message, dernier(f)->message);

    // What `cp` of a one-field file over it does: the same file, truncated
    // and written again.
    ecrireFichier(d / "f.grb", MessageTest().octets());
    for (const grib* g = f.list; g; g = g->suivant) {
        Grib apres;
        EXPECT_EQ(iDecoderEnregistrement(apres, *g), GRIB_FICHIER_CHANGE);
    }
    EXPECT_NE(journal.contenu().find("f.grb a change depuis son ouverture: message refuse"),
              std::string::npos);
    // Opened again, it is the new file.
    f.set((d / "f.grb").c_str());
    ASSERT_EQ(f.count, 1);
    EXPECT_EQ(iDecoderEnregistrement(champ, *f.list), 0);
}

// A file replaced by a rename keeps the old one open: it still decodes.
TEST(Projections, AFileReplacedByARenameStillDecodes)
{
    DossierTemporaire d;
    ecrireFichier(d / "f.grb", troisChamps());
    File f((d / "f.grb").c_str());
    ecrireFichier(d / "neuf", MessageTest().octets());
    ASSERT_EQ(std::rename((d / "neuf").c_str(), (d / "f.grb").c_str()), 0);
    Grib champ;
    EXPECT_EQ(iDecoderEnregistrement(champ, *dernier(f)), 0);
}

// The octets of a record read past the end of a file shrunk meanwhile are
// a failed read.
TEST(Projections, ReadingPastTheNewEndFails)
{
    DossierTemporaire d;
    ecrireFichier(d / "f.grb", troisChamps());
    const int fd = open((d / "f.grb").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    std::vector<unsigned char> octets(100);
    EXPECT_EQ(iLireOctets(fd, 0, octets.size(), octets.data()), 0);
    ASSERT_EQ(truncate((d / "f.grb").c_str(), 50), 0);
    EXPECT_EQ(iLireOctets(fd, 0, octets.size(), octets.data()), -1);
    EXPECT_EQ(iLireOctets(fd, 10, 40, octets.data()), 0);
    close(fd);
}

// A read of mapped memory past a shrunk file's end ends the guarded read,
// not the process; the guard can be used again afterwards.
TEST(Projections, TheGuardTurnsABusErrorIntoAnAnswer)
{
    DossierTemporaire d;
    ecrireFichier(d / "f.bin", std::string(3 * 4096, 'x'));
    const int fd = open((d / "f.bin").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    void* p = mmap(nullptr, 3 * 4096, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    ASSERT_NE(p, MAP_FAILED);
    struct Lecture {
        const volatile unsigned char* octets;
        size_t position;
        unsigned char lu;
    } lecture{static_cast<const unsigned char*>(p), 2 * 4096 + 10, 0};
    const auto lire = [](void* l) {
        Lecture& x = *static_cast<Lecture*>(l);
        x.lu = x.octets[x.position];
    };
    EXPECT_TRUE(bLectureProjetee(lire, &lecture));
    EXPECT_EQ(lecture.lu, 'x');
    ASSERT_EQ(truncate((d / "f.bin").c_str(), 100), 0);
    EXPECT_FALSE(bLectureProjetee(lire, &lecture));
    EXPECT_FALSE(bLectureProjetee(lire, &lecture));
    lecture.position = 10;
    EXPECT_TRUE(bLectureProjetee(lire, &lecture));
    munmap(p, 3 * 4096);
}
