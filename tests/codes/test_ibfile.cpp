// The message-file reader: the scan against eccodes' offsets, the life of
// the index, the sort and the searches.
#include "codec_test.h"
#include "constructeur_grib.h"
#include "journal_capture.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace {

class Lecteur : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    std::string copie(const std::string& fixture, const std::string& nom = "f.grb")
    {
        ecrireFichier(dossier / nom, lireFichier(GRIB1 + fixture));
        return dossier / nom;
    }
    std::string fichier(const std::string& octets, const std::string& nom = "f.grb")
    {
        ecrireFichier(dossier / nom, octets);
        return dossier / nom;
    }
};

std::string simple()
{
    MessageGrib m;
    m.section4 = s4Simple(0, 0, 8, {1, 2, 3, 4, 5, 6});
    return m.octets();
}

}  // namespace

TEST_F(Lecteur, FindsWhatEccodesFindsAmongJunk)
{
    const std::string f = copie("melange.bin");
    auto attendu = positions(lireFichier(GRIB1 + "melange.grib_ls"));
    for (auto p : positions(lireFichier(GRIB1 + "melange.bufr_ls")))
        attendu.push_back(p);
    std::sort(attendu.begin(), attendu.end());
    CLASS_CODES_IBFILE l(f.c_str(), 0);
    EXPECT_EQ(positions(l), attendu);
    // The committed listings are what eccodes says today.
    EXPECT_EQ(positions(sortieBrute("grib_ls -p offset,totalLength " + sh(f))),
              positions(lireFichier(GRIB1 + "melange.grib_ls")));
    EXPECT_EQ(positions(sortieBrute("bufr_ls -p offset,totalLength " + sh(f))),
              positions(lireFichier(GRIB1 + "melange.bufr_ls")));
    for (const char* reel : {"ecoclimap_debut.grib1", "joachim_uv.grib", "data_uv.grib",
                             "t_n48.grib", "cmc_stereo.grib", "spherical.grib1"}) {
        CLASS_CODES_IBFILE r(copie(reel).c_str(), 0);
        EXPECT_EQ(positions(r), positions(lireFichier(GRIB1 + reel + ".ls"))) << reel;
    }
}

TEST_F(Lecteur, OneMessageIndexOctets)
{
    CLASS_CODES_IBFILE l(fichier(lireFichier(GRIB1 + "codec.grb").substr(0, 138)).c_str(), 2);
    ASSERT_EQ(l.i_nombre, 1);
    EXPECT_EQ(lireFichier(dossier / "f.kdx"),
              std::string("\0\0\0\0\x8a\0\0\0\x10\x01\xea\x07\x01\x05\x0c\x80\x62\x80\xa7\x01"
                          "\0\0\x01\0\0\0\0\0\0\0", 30));
}

// Scan edge cases: a message across two windows, headers that cannot be
// right, the editions read section by section, QX1 length codes.
TEST_F(Lecteur, ScanEdges)
{
    const std::string m = simple();
    const std::string grib2 = "GRIB" + o24(200) + char(2);
    MessageGrib e0;
    e0.edition = 0;
    e0.section4 = s4Simple(0, 0, 8, {1, 2, 3, 4, 5, 6});
    const struct {
        std::string octets;
        std::vector<std::pair<long, long>> attendu;
    } cas[] = {
        {std::string(30, 'x') + m, {{30, long(m.size())}}},
        {grib2 + m, {{8, long(m.size())}}},
        {"GRIB" + o24(20) + char(1) + m, {{8, long(m.size())}}},
        {m + "GRIB" + o24(50000) + char(1) + std::string(40, 'y'), {{0, long(m.size())}}},
        {"xy" + e0.octets(), {{2, long(e0.octets().size())}}},
        {qx1(0, 40) + qx1(1, 300) + qx1(2, 70000) + "QX1" + char(0x30) + std::string(40, 'z'),
         {{0, 40}, {40, 300}, {340, 70000}}},
    };
    for (const auto& c : cas) {
        CLASS_CODES_IBFILE l(fichier(c.octets).c_str(), 0);
        EXPECT_EQ(positions(l), c.attendu) << c.octets.substr(0, 12);
    }
}

TEST_F(Lecteur, IndexLife)
{
    const std::string f = copie("cas.grb");
    const std::string index = dossier / "f.kdx";
    {
        CLASS_CODES_IBFILE l(f.c_str(), 0);
        EXPECT_EQ(l.i_nombre, 13);
        EXPECT_FALSE(existe(index));  // mode 0 removes the index it built
    }
    // An index of one record, as fresh as the data or a second older.
    const std::string un = std::string("\0\0\0\0\x66\0\0\0", 8) + std::string(22, '\0');
    struct stat st;
    stat(f.c_str(), &st);
    for (long ecart : {0L, -1L}) {
        ecrireFichier(index, un);
        const utimbuf t{st.st_mtime + ecart, st.st_mtime + ecart};
        utime(index.c_str(), &t);
        CLASS_CODES_IBFILE l(f.c_str(), 0);
        EXPECT_EQ(l.i_nombre, ecart == 0 ? 1 : 13) << ecart;
        EXPECT_TRUE(existe(index));  // it existed before: kept
    }
    // A record inside the file but on no message: loads nothing.
    ecrireFichier(index, std::string("\x05\0\0\0\x66\0\0\0", 8) + std::string(22, '\0'));
    utime(index.c_str(), nullptr);
    CLASS_CODES_IBFILE decale(f.c_str(), 0);
    EXPECT_EQ(decale.ulGet(1), 0u);
    // A record past the data's end: built again.
    ecrireFichier(index, std::string("\0\0\x01\0\x66\0\0\0", 8) + std::string(22, '\0'));
    CLASS_CODES_IBFILE menteur(f.c_str(), 0);
    EXPECT_EQ(menteur.i_nombre, 13);
    // Mode 1 with an empty index opens the data file and builds it.
    ecrireFichier(index, "");
    CLASS_CODES_IBFILE maintenance(f.c_str(), 1);
    EXPECT_EQ(maintenance.i_nombre, 13);
    EXPECT_EQ(lireFichier(index).size(), 13u * 30);

    const std::string vide = fichier(std::string(500, 'x'), "vide.grb");
    CLASS_CODES_IBFILE rien;
    EXPECT_EQ(rien.iOpen(vide.c_str(), 0), 1);
    EXPECT_FALSE(existe(dossier / "vide.kdx"));
}

// Messages come from the file's mapping while the file is as it was opened;
// rewritten or cut short since, it is read as it now stands: new octets
// are those loaded, and a message past the new end is refused, without a
// fault on the mapping. (Junk keeps the messages read apart, beyond what
// the reader's stream keeps of the file.)
TEST_F(Lecteur, FileChangedAfterOpening)
{
    const std::string m = simple();
    const std::string octets = m + std::string(100000, 'x') + m + std::string(20000, 'x');
    const std::string f = fichier(octets);
    CLASS_CODES_IBFILE l;
    l.vProjeter(true);
    l.iOpen(f.c_str(), 0);
    ASSERT_EQ(positions(l), (std::vector<std::pair<long, long>>{
                                {0, long(m.size())}, {long(m.size()) + 100000, long(m.size())}}));
    for (int n : {1, 2}) {
        ASSERT_EQ(l.ulGet(n), m.size());
        EXPECT_EQ(std::string((const char*)l.puc_message, m.size()), m);
    }
    // The same size, other octets in the first message, a later date.
    std::string autres = octets;
    autres[m.size() - 5] ^= 0x5A;
    ecrireFichier(f, autres);
    struct stat st;
    stat(f.c_str(), &st);
    const utimbuf t{st.st_mtime + 5, st.st_mtime + 5};
    utime(f.c_str(), &t);
    ASSERT_EQ(l.ulGet(1), m.size());
    EXPECT_EQ(std::string((const char*)l.puc_message, m.size()), autres.substr(0, m.size()));
    ASSERT_EQ(truncate(f.c_str(), 1000), 0);
    const std::string journal = sJournal([&] { EXPECT_EQ(l.ulGet(2), 0u); });
    EXPECT_NE(journal.find("longueur incorrect"), std::string::npos) << journal;
}

// A message loaded by a reader that does not map stays whole when another
// process cuts its file short (a mapped one would fault, SIGBUS).
TEST_F(Lecteur, ALoadedMessageOutlivesItsFileCutShort)
{
    MessageGrib grand;
    grand.section4 = s4Simple(0, 0, 8, std::vector<unsigned>(20000, 7));
    const std::string m = grand.octets(), f = fichier(m + m);
    EXPECT_EXIT(
        {
            CLASS_CODES_IBFILE l(f.c_str(), 0);
            if (l.ulGet(1) != m.size() || truncate(f.c_str(), 0) != 0)
                std::exit(2);
            const bool entier = std::string((const char*)l.puc_message, m.size()) == m;
            std::exit(entier && l.ulGet(2) == 0 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

// Run with ZELxCodes=FFFF1 (its own CTest entry): switch 5 keeps the index.
TEST_F(Lecteur, Switch5KeepsTheIndex)
{
    if (cGetenvXCodes(5) != '1')
        GTEST_SKIP() << "needs ZELxCodes=FFFF1";
    CLASS_CODES_IBFILE l(copie("cas.grb").c_str(), 0);
    EXPECT_EQ(lireFichier(dossier / "f.kdx").size(), 13u * 30);
}

TEST_F(Lecteur, SortsLikeEccodesKeys)
{
    const std::string f = copie("data_uv.grib");
    // Date, range, parameter, level, then file order.
    const auto cles = rangees(sortieBrute("grib_ls -p offset,dataDate,dataTime,P1,"
                                     "indicatorOfParameter,level " + sh(f)));
    ASSERT_EQ(cles.size(), 16u);
    std::vector<std::vector<double>> ordre(cles);
    std::stable_sort(ordre.begin(), ordre.end(), [](const auto& a, const auto& b) {
        return std::make_tuple(a[1], a[2], a[3], a[4], a[5]) <
               std::make_tuple(b[1], b[2], b[3], b[4], b[5]);
    });
    CLASS_CODES_IBFILE l(f.c_str(), 0);
    l.vSort();
    for (size_t k = 0; k < ordre.size(); ++k)
        EXPECT_EQ(positions(l)[k].first, long(ordre[k][0])) << k;
}

TEST_F(Lecteur, Searches)
{
    CLASS_CODES_IBFILE l(copie("cas.grb").c_str(), 0);
    ASSERT_EQ(l.i_nombre, 13);
    EXPECT_EQ(l.intGetAssocie(2, 34), 3);  // the V of the U at 10 m, +12 h
    EXPECT_EQ(l.intGetAssocie(1, 34), 0);
    EXPECT_EQ(l.iGetGribNumber(33, 12u), 2);
    EXPECT_EQ(l.iGetGribNumber(11, 24u, 500u), 7);
    ASSERT_EQ(l.ulGet(3), 102u);
    EXPECT_EQ(l.iGetGribNumber(2), 6);  // from message 4 on
    l.vSetCurrent(1);
    EXPECT_EQ(l.iGetGribNumber(2), 1);
    const std::string journal = sJournal([&] {
        EXPECT_EQ(l.ulGet(0), 0u);
        EXPECT_EQ(l.ulGet(14), 0u);
    });
    EXPECT_NE(journal.find("numero hors-limites"), std::string::npos);
    EXPECT_NE(journal.find("14 (1 13)"), std::string::npos);

    setenv("ZELpGbTables", (std::string(QUENBREL_SOURCE_DIR) + "/data").c_str(), 1);
    EXPECT_STREQ(l.cpcGetGribNom(1), "pmer");
    EXPECT_STREQ(l.cpcGetGribNom(2), "vent_u");
    EXPECT_EQ(l.intGetAssocie(2, "vent_v"), 3);
}

// Surface (type 1) and mean sea level (type 102) both have level value 0:
// the next message of a parameter must match the level codes themselves.
TEST_F(Lecteur, NextMessageKeepsTheLevelType)
{
    auto type = [](int t) {
        std::string m = simple();
        m[8 + 9] = char(t);
        return m;
    };
    CLASS_CODES_IBFILE l(fichier(type(1) + type(102) + type(1)).c_str(), 0);
    ASSERT_EQ(l.i_nombre, 3);
    EXPECT_EQ(l.iGetGribSuivant(1), 3);
    EXPECT_EQ(l.iGetGribSuivant(2), 0);
}

TEST(Ecrivain, WritesAndAppends)
{
    DossierTemporaire dossier;
    const std::string f = dossier / "o.grb";
    {
        CLASS_CODES_OBFILE o(f.c_str(), 0);
        EXPECT_EQ(o.iIsFileNoWrite(""), 1);
        EXPECT_EQ(o.iWrite((const unsigned char*)"abc", 3), 0);
        EXPECT_EQ(o.iWrite(nullptr, 3), 1);
    }
    CLASS_CODES_OBFILE o(f.c_str(), 1);
    EXPECT_EQ(o.iWrite((const unsigned char*)"de", 2), 0);
    EXPECT_EQ(o.i_blocs, 1);
    o.vClose();
    EXPECT_EQ(lireFichier(f), "abcde");
    EXPECT_EQ(o.iWrite((const unsigned char*)"x", 1), 1);
    EXPECT_EQ(CLASS_CODES_OBFILE().iOpen((dossier / "absent/o").c_str(), 0), 1);
}
