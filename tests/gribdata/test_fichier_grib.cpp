// The file model: loading, the scan, dates, levels, order and links.
#include "grib_test.h"
#include "tests/outils/outils_test.h"

#include "gribdata/fichier_grib.h"
#include "gribdata/isoplages_cache.h"
#include "gribdata/parametres.h"
#include "gribdata/refus_grib.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

const unsigned char* octets(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

std::vector<const grib*> enregistrements(const File& f)
{
    std::vector<const grib*> v;
    for (const grib* g = f.list; g; g = g->suivant)
        v.push_back(g);
    return v;
}

using Liste = ListeTest;

MessageTest echeance(int parametre, int p1, int typeNiveau = 102, int niveau = 0)
{
    MessageTest m;
    m.parametre = parametre;
    m.p1 = p1;
    m.typeNiveau = typeNiveau;
    m.niveau = niveau;
    return m;
}

}  // namespace

// What the comparison with grib_ls (test_eccodes.cpp) does not see.
TEST(FileScan, ReadsTheIdentificationOfEachMessage)
{
    MessageTest m = echeance(33, 6, 105, 10);
    m.table = 196;
    m.carte = std::vector<bool>(6, true);
    Liste l({m});
    ASSERT_EQ(l.f.count, 1);
    const grib* g = l.f.list;
    EXPECT_EQ(g->message, octets(l.tampon));
    EXPECT_EQ(g->table * 10 + g->gds + g->bms, 1962);
    EXPECT_EQ(g->tValidite, 1796580000);
    EXPECT_STREQ(g->ligneParametre->libelle, "Vent");
}

// A buffer that ends inside a message: the messages before it are listed,
// the cut one is not, and the file says so; a mark that a whole message
// follows, junk, or a text that holds the word, is no cut.
TEST(FileScan, AFileCutInsideItsLastMessageSaysSo)
{
    const std::string m = MessageTest().octets(), x(100, 'x');
    const struct {
        std::string octets;
        int count;
        bool tronque;
        int refus;  // why the page shows nothing of it, when nothing is listed
    } cas[] = {
        {m + m, 2, false, 0},
        {m + m.substr(0, 60), 1, true, 0},
        {m + m.substr(0, m.size() - 5), 1, true, 0},
        {m.substr(0, m.size() - 1), 0, true, REFUS_TRONQUE},
        {m + x, 1, false, 0},
        {x + "GRIB\xff\xff\xff\x01" + x + m, 1, false, 0},
        {x, 0, false, REFUS_AUCUN_MESSAGE},
        {x + "pas un GRIB", 0, false, REFUS_AUCUN_MESSAGE},
    };
    for (size_t k = 0; k < sizeof cas / sizeof cas[0]; ++k) {
        File f;
        f.set(octets(cas[k].octets), unsigned(cas[k].octets.size()));
        EXPECT_EQ(f.count, cas[k].count) << k;
        EXPECT_EQ(f.tronque, cas[k].tronque) << k;
        EXPECT_EQ(lacuneFichier(f).code, cas[k].tronque ? REFUS_TRONQUE : 0) << k;
        EXPECT_EQ(f.list ? 0 : refusFichier(f).code, cas[k].refus) << k;
    }
}

TEST(FileDates, ValidityFromTheReferenceTheUnitAndTheIndicator)
{
    // From 2026-12-06 12 h unless the case says otherwise.
    const struct {
        int annee, mois, jour, heure, unite, indicateur, p1, p2, echeance;
        uint32_t validite;
    } cas[] = {
        {2069, 12, 6, 12, 1, 0, 0, 0, 0, 2069120612u}, {1970, 12, 6, 12, 1, 0, 0, 0, 0, 1970120612u},
        {2009, 12, 31, 18, 1, 0, 12, 0, 12, 2010010106u}, {2009, 12, 31, 18, 1, 0, 36, 0, 36, 2010010206u},
        {2028, 2, 28, 18, 1, 0, 6, 0, 6, 2028022900u},  // a leap year
        {2026, 12, 6, 12, 1, 10, 1, 44, 300, 2026121900u},
        {2026, 12, 6, 12, 13, 0, 9, 0, 9, 2026120612u},  // no fixed length: the reference
        {2026, 12, 6, 12, 10, 0, 2, 0, 2, 2026120618u},  // 3, 6 and 12 hours
        {2026, 12, 6, 12, 11, 0, 2, 0, 2, 2026120700u}, {2026, 12, 6, 12, 12, 0, 2, 0, 2, 2026120712u},
        {2026, 12, 6, 12, 2, 0, 2, 0, 2, 2026120812u}, {2026, 12, 6, 12, 0, 0, 120, 0, 120, 2026120614u},
        {2026, 12, 6, 12, 1, 1, 3, 5, 0, 2026120612u}, {2026, 12, 6, 12, 1, 2, 3, 5, 3, 2026120617u},
        {2026, 12, 6, 12, 1, 3, 3, 5, 3, 2026120617u}, {2026, 12, 6, 12, 1, 4, 3, 5, 5, 2026120617u},
        {2026, 12, 6, 12, 1, 5, 3, 5, 3, 2026120617u}, {2026, 12, 6, 12, 1, 113, 3, 5, 3, 2026120615u},
        {2026, 12, 6, 12, 1, 114, 3, 5, 3, 2026120615u}, {2026, 12, 6, 12, 1, 123, 3, 5, 5, 2026120612u},
        {2026, 12, 6, 12, 1, 124, 3, 5, 5, 2026120612u}, {2026, 12, 6, 12, 1, 7, 3, 5, 3, 2026120612u},
    };
    for (const auto& c : cas) {
        MessageTest m;
        m.annee = c.annee, m.mois = c.mois, m.jour = c.jour, m.heure = c.heure;
        m.unite = c.unite, m.indicateur = c.indicateur, m.p1 = c.p1, m.p2 = c.p2;
        Liste l({m});
        ASSERT_EQ(l.f.count, 1);
        EXPECT_EQ(l.f.list->validite, c.validite) << c.annee << " " << c.indicateur;
        EXPECT_EQ(File::iGetEcheance(l.f.list), c.echeance) << c.annee << " " << c.indicateur;
    }
    // An octet of 0, which GRIB writes as year 100 of the previous century.
    std::string zero = MessageTest().octets();
    zero[8 + 12] = 0;
    File f;
    f.set(octets(zero), unsigned(zero.size()));
    ASSERT_EQ(f.count, 1);
    EXPECT_EQ(f.list->annee, 2000);
    EXPECT_EQ(File::iGetEcheance(nullptr), 0);
}

TEST(FileLevels, SixteenBitLevelsOnlyForTheirTypes)
{
    for (int type : {100, 103, 105, 107, 109, 111, 160, 221, 1, 8, 102, 112}) {
        Liste l({echeance(2, 0, type, 300)});
        EXPECT_EQ(File::iGetNiveau(l.f.list), type >= 100 && type != 102 && type != 112 ? 300 : 0)
            << type;
    }
    MessageTest isotherme = echeance(221, 0, 8, 28815);
    isotherme.table = 196;
    EXPECT_EQ(File::iGetNiveau(Liste({isotherme}).f.list), 28815);
    EXPECT_EQ(File::iGetNiveau(nullptr), 0);
}

TEST(FileOrder, ByValidityThenParameterEqualKeysInFileOrder)
{
    Liste l({echeance(33, 6), echeance(11, 0, 160, 50), echeance(33, 0), echeance(2, 0),
             echeance(11, 0, 160, 10), echeance(2, 6)});
    std::vector<std::pair<int, int>> ordre;
    for (const grib* g : enregistrements(l.f))
        ordre.emplace_back(g->parametre, File::iGetNiveau(g));
    const std::vector<std::pair<int, int>> attendu = {{2, 0},  {11, 50}, {11, 10},
                                                      {33, 0}, {2, 0},   {33, 0}};
    EXPECT_EQ(ordre, attendu);
}

TEST(FileLinks, EachRainRecordPointsToThePreviousOne)
{
    auto pluie = [](int p1, int p2) {
        MessageTest m = echeance(61, p1, 1);
        m.indicateur = 4;
        m.p2 = p2;
        return m;
    };
    Liste l({pluie(12, 18), echeance(2, 12), pluie(0, 6), pluie(6, 12)});
    const auto v = enregistrements(l.f);
    ASSERT_EQ(v.size(), 4u);
    // 18 h: rain 0-6; 0 h: pressure, rain 6-12; 6 h: rain 12-18.
    const std::vector<const grib*> precedente = {nullptr, nullptr, v[0], v[2]};
    for (size_t k = 0; k < 4; ++k)
        EXPECT_EQ(v[k]->pluiePrecedente, precedente[k]) << k;
    EXPECT_EQ(v[3]->p2, 18);
}

// Rain of two grids, two models and two levels in one file: each record
// points to the one before it of its own model, grid and level.
TEST(FileLinks, RainRecordsChainPerModelGridAndLevel)
{
    auto pluie = [](int p2, int lo1, int process, int typeNiveau) {
        MessageTest m = echeance(61, 0, typeNiveau);
        m.indicateur = 4, m.p2 = p2, m.lo1 = lo1, m.process = process;
        return m;
    };
    std::vector<MessageTest> messages;
    for (int p2 : {6, 12})
        for (auto [lo1, process, type] : {std::tuple{-8000, 78, 1}, {-9000, 78, 1},
                                          {-8000, 79, 1}, {-8000, 78, 105}})
            messages.push_back(pluie(p2, lo1, process, type));
    Liste l(messages);
    const auto v = enregistrements(l.f);
    ASSERT_EQ(v.size(), 8u);
    for (size_t k = 0; k < 8; ++k)
        EXPECT_EQ(v[k]->pluiePrecedente, k < 4 ? nullptr : v[k - 4]) << k;
}

TEST(FileParameters, CurrentBelowTheEkmanLayerHasItsOwnRow)
{
    EXPECT_STREQ(Liste({echeance(49, 0, 160, 30)}).f.list->ligneParametre->libelle,
                 "Courant sous la couche d'Ekman");
    EXPECT_STREQ(Liste({echeance(49, 0, 1)}).f.list->ligneParametre->libelle, "Courant");
    EXPECT_EQ(Liste({echeance(250, 0)}).f.list->ligneParametre->libelle, nullptr);
}

class FileLoading : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    JournalTemporaire journal{dossier / "activite.log"};
    std::string tampon = MessageTest().octets() + echeance(33, 6, 105, 10).octets();

    std::string ecrit(const std::string& nom)
    {
        ecrireFichier(dossier / nom, tampon);
        return dossier / nom;
    }
};

TEST_F(FileLoading, PlainAndCompressedFilesGiveTheSameList)
{
    const std::string brut = ecrit("f.grb");
    ASSERT_TRUE(commande("gzip -c " + sh(brut) + " > " + sh(brut + ".gz")));
    ASSERT_TRUE(commande("bzip2 -c " + sh(brut) + " > " + sh(brut + ".bz2")));
    ASSERT_TRUE(commande("cp " + sh(brut + ".bz2") + " " + sh(dossier / "F.GRB.BZ2")));
    ASSERT_TRUE(commande("cp " + sh(brut + ".gz") + " " + sh(dossier / "g.Gz")));
    // Only the last component's extension counts.
    ASSERT_TRUE(commande("mkdir " + sh(dossier / "d.gz") + " && cp " + sh(brut) + " " +
                         sh(dossier / "d.gz/f")));
    for (const std::string& nom : {brut, brut + ".gz", brut + ".bz2", dossier / "F.GRB.BZ2",
                                   dossier / "g.Gz", dossier / "d.gz/f"}) {
        File f(nom.c_str());
        ASSERT_EQ(f.length, tampon.size()) << nom;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(f.buffer), f.length), tampon);
        EXPECT_EQ(f.count, 2) << nom;
        EXPECT_STREQ(f.name, nom.c_str());
        EXPECT_EQ(f.list->nomFichier, f.name);
    }
}

TEST_F(FileLoading, UnreadableFilesLeaveTheObjectEmpty)
{
    for (const std::string& nom :
         {dossier / "absent.grb", dossier.chemin(), dossier / "absent.bz2"}) {
        File f(nom.c_str());
        EXPECT_EQ(f.buffer, nullptr) << nom;
        EXPECT_EQ(f.length + f.count, 0u);
        EXPECT_EQ(f.list, nullptr);
    }
    File rien(nullptr);
    EXPECT_EQ(rien.name, nullptr);
    // A plain file named ".gz" passes through the gzip reader unchanged.
    ecrireFichier(dossier / "pas-gzip.gz", tampon);
    File simple((dossier / "pas-gzip.gz").c_str());
    EXPECT_EQ(simple.length, tampon.size());
    EXPECT_EQ(rien.count, 0);
}

// Run under ASan: a list not released, or released twice, is reported.
TEST_F(FileLoading, ReloadingReleasesWhatWasHeld)
{
    const std::string nom = ecrit("f.grb");
    File f(nom.c_str());
    ASSERT_EQ(f.count, 2);
    const std::string un = MessageTest().octets();
    f.set(octets(un), unsigned(un.size()));
    EXPECT_EQ(f.count * 10 + f.nonProprietaire, 11);
    EXPECT_EQ(f.name, nullptr);
    // The caller's buffer is not the object's to free.
    for (int fois = 0; fois < 2; ++fois) {
        f.set(nom.c_str());
        EXPECT_EQ(f.count * 10 + f.nonProprietaire, 20);
    }
    f.menageliste();
    EXPECT_EQ(f.list, nullptr);
    EXPECT_EQ(f.count, 0);
    f.menageliste();
    f.analyse();
    EXPECT_EQ(f.count, 2);
    f.set(static_cast<const char*>(nullptr));
    EXPECT_EQ(f.buffer, nullptr);
    EXPECT_EQ(f.count, 0);
}

namespace {

std::vector<const isoplages*> liberes;

void noterLiberation(isoplages* cache)
{
    liberes.push_back(cache);
}

}  // namespace

// The map's contouring caches go back to the map's own release function.
TEST(FileCaches, ReleasedThroughTheMapsHook)
{
    int champ = 0, pluie = 0;
    isoplages* const cacheChamp = reinterpret_cast<isoplages*>(&champ);
    isoplages* const cachePluie = reinterpret_cast<isoplages*>(&pluie);
    vLibereIsoplages = noterLiberation;
    {
        Liste l({echeance(2, 0), echeance(2, 6)});
        l.f.list->isoplagesChamp = cacheChamp;
        l.f.list->isoplagesPluie = cachePluie;
        l.f.menageliste();
        EXPECT_EQ(liberes, (std::vector<const isoplages*>{cacheChamp, cachePluie}));
        l.f.analyse();  // records without caches release nothing
    }
    EXPECT_EQ(liberes.size(), 2u);
    vLibereIsoplages = nullptr;
    liberes.clear();
}
