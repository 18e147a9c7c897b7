// The file model: loading, the scan, dates, levels, order and links.
#include "grib_test.h"
#include "outils_test.h"

#include "gribdata/fichier_grib.h"
#include "gribdata/isoplages_cache.h"
#include "gribdata/parametres.h"

#include <gtest/gtest.h>
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

uint32_t validite(MessageTest m)
{
    Liste l({m});
    return l.f.count == 1 ? l.f.list->validite : 0;
}

}  // namespace

TEST(FileScan, ReadsTheIdentificationOfEachMessage)
{
    MessageTest m = echeance(33, 6, 105, 10);
    m.table = 196;
    m.process = 81;
    m.carte = std::vector<bool>(6, true);
    Liste l({m});
    ASSERT_EQ(l.f.count, 1);
    const grib* g = l.f.list;
    EXPECT_EQ(g->position, 0u);
    EXPECT_EQ(g->longueur, l.tampon.size());
    EXPECT_EQ(g->message, octets(l.tampon));
    EXPECT_EQ(g->edition, 1);
    EXPECT_EQ(g->table, 196);
    EXPECT_EQ(g->centre, 85);
    EXPECT_EQ(g->process, 81);
    EXPECT_EQ(g->gds, 1);
    EXPECT_EQ(g->bms, 1);
    EXPECT_EQ(g->drapeaux, 0);
    EXPECT_EQ(g->parametre, 33);
    EXPECT_EQ(g->typeNiveau, 105);
    EXPECT_EQ(File::iGetNiveau(g), 10);
    EXPECT_EQ(g->annee, 2026);
    EXPECT_EQ(g->validite, 2026120618u);
    EXPECT_EQ(g->tValidite, 1796580000);
    EXPECT_EQ(g->siecle, 21);
    EXPECT_EQ(g->nomFichier, nullptr);
    EXPECT_EQ(g->champ, nullptr);
    EXPECT_EQ(g->isoplagesChamp, nullptr);
    EXPECT_EQ(g->isoplagesPluie, nullptr);
    EXPECT_EQ(g->direction, nullptr);
    EXPECT_STREQ(g->ligneParametre->libelle, "Vent");
}

TEST(FileScan, AFileOf84BytesIsScannedOneOf83IsNot)
{
    MessageTest m;
    m.ni = m.nj = 1;
    m.donnees = {7};
    const std::string juste = m.octets();
    ASSERT_EQ(juste.size(), 84u);
    EXPECT_EQ(Liste({m}).f.count, 1);
    m.gds = false;
    m.donnees = std::vector<uint8_t>(33, 7);
    ASSERT_EQ(m.octets().size(), 84u);
    EXPECT_EQ(Liste({m}).f.count, 1);
    m.donnees.pop_back();
    EXPECT_EQ(Liste({m}).f.count, 0);
}

TEST(FileScan, SkipsOtherEditionsAndJunk)
{
    MessageTest m;
    std::string edition2 = m.octets();
    edition2[7] = 2;
    const std::string tampon = "junk GRIB" + edition2 + "GRI" + m.octets() + "xx" + m.octets() +
                               std::string(100, 'G');
    File f;
    f.set(octets(tampon), unsigned(tampon.size()));
    ASSERT_EQ(f.count, 2);
    const auto v = enregistrements(f);
    EXPECT_EQ(v[0]->position, 9 + edition2.size() + 3);
    EXPECT_EQ(v[1]->position, v[0]->position + v[0]->longueur + 2);
}

TEST(FileDates, YearOfCenturyAndValidity)
{
    MessageTest m;
    m.annee = 2069;
    EXPECT_EQ(validite(m), 2069120612u);
    m.annee = 1970;
    EXPECT_EQ(validite(m), 1970120612u);
    // An octet of 0, which GRIB writes as year 100 of the previous century.
    std::string zero = m.octets();
    zero[8 + 12] = 0;
    File f;
    f.set(octets(zero), unsigned(zero.size()));
    ASSERT_EQ(f.count, 1);
    EXPECT_EQ(f.list->annee, 2000);

    m.annee = 2009;
    m.mois = 12;
    m.jour = 31;
    m.heure = 18;
    m.p1 = 12;
    EXPECT_EQ(validite(m), 2010010106u);
    m.p1 = 36;
    EXPECT_EQ(validite(m), 2010010206u);
    m.annee = 2028;  // a leap year
    m.mois = 2;
    m.jour = 28;
    m.p1 = 6;
    EXPECT_EQ(validite(m), 2028022900u);
}

TEST(FileDates, TimeUnitsAndIndicators)
{
    MessageTest m;  // 2026-12-06 12 h
    m.indicateur = 10;
    m.p1 = 1;
    m.p2 = 44;
    EXPECT_EQ(validite(m), 2026121900u);  // 300 hours on
    Liste l({m});
    EXPECT_EQ(File::iGetEcheance(l.f.list), 300);

    m = MessageTest();
    m.unite = 13;  // not a unit of fixed length: the reference date itself
    m.p1 = 9;
    EXPECT_EQ(validite(m), 2026120612u);
    m.p1 = 2;
    for (auto [unite, attendu] : {std::pair{10, 2026120618u}, {11, 2026120700u}, {12, 2026120712u}}) {
        m.unite = unite;  // 3, 6 and 12 hours
        EXPECT_EQ(validite(m), attendu) << unite;
    }
    m.unite = 2;  // days
    m.p1 = 2;
    EXPECT_EQ(validite(m), 2026120812u);
    m.unite = 0;  // minutes
    m.p1 = 120;
    EXPECT_EQ(validite(m), 2026120614u);

    const struct {
        int indicateur, echeance;
        uint32_t validite;
    } cas[] = {
        {0, 3, 2026120615u}, {1, 0, 2026120612u}, {2, 3, 2026120617u}, {3, 3, 2026120617u},
        {4, 5, 2026120617u}, {5, 3, 2026120617u}, {113, 3, 2026120615u},
        {114, 3, 2026120615u}, {123, 5, 2026120612u}, {124, 5, 2026120612u},
        {7, 3, 2026120612u},
    };
    for (const auto& c : cas) {
        m = MessageTest();
        m.indicateur = c.indicateur;
        m.p1 = 3;
        m.p2 = 5;
        Liste liste({m});
        ASSERT_EQ(liste.f.count, 1);
        EXPECT_EQ(liste.f.list->validite, c.validite) << c.indicateur;
        EXPECT_EQ(File::iGetEcheance(liste.f.list), c.echeance) << c.indicateur;
    }
    EXPECT_EQ(File::iGetEcheance(nullptr), 0);
}

TEST(FileLevels, SixteenBitLevelsOnlyForTheirTypes)
{
    for (int type : {100, 103, 105, 107, 109, 111, 160, 221}) {
        Liste l({echeance(2, 0, type, 300)});
        EXPECT_EQ(File::iGetNiveau(l.f.list), 300) << type;
    }
    for (int type : {1, 8, 102, 112}) {
        Liste l({echeance(2, 0, type, 300)});
        EXPECT_EQ(File::iGetNiveau(l.f.list), 0) << type;
    }
    MessageTest isotherme = echeance(221, 0, 8, 28815);
    isotherme.table = 196;
    Liste l({isotherme});
    EXPECT_EQ(File::iGetNiveau(l.f.list), 28815);
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
    EXPECT_EQ(l.f.count, 6);
    grib a{}, b{};
    a.validite = b.validite = 7;
    a.parametre = b.parametre = 3;
    EXPECT_EQ(File::compare(&a, &b), 0);
    b.parametre = 4;
    EXPECT_LT(File::compare(&a, &b), 0);
    a.validite = 8;
    EXPECT_GT(File::compare(&a, &b), 0);
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
    EXPECT_EQ(v[0]->p2, 6);
    EXPECT_EQ(v[0]->pluiePrecedente, nullptr);
    EXPECT_EQ(v[1]->parametre, 2);
    EXPECT_EQ(v[1]->pluiePrecedente, nullptr);
    EXPECT_EQ(v[2]->p2, 12);
    EXPECT_EQ(v[2]->pluiePrecedente, v[0]);
    EXPECT_EQ(v[3]->p2, 18);
    EXPECT_EQ(v[3]->pluiePrecedente, v[2]);
}

TEST(FileParameters, CurrentBelowTheEkmanLayerHasItsOwnRow)
{
    Liste profond({echeance(49, 0, 160, 30)});
    EXPECT_STREQ(profond.f.list->ligneParametre->libelle, "Courant sous la couche d'Ekman");
    Liste surface({echeance(49, 0, 1)});
    EXPECT_STREQ(surface.f.list->ligneParametre->libelle, "Courant");
    Liste inconnu({echeance(250, 0)});
    EXPECT_EQ(inconnu.f.list->ligneParametre->parametre, 250u);
    EXPECT_EQ(inconnu.f.list->ligneParametre->libelle, nullptr);
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
    for (const std::string& nom : {brut, brut + ".gz", brut + ".bz2", dossier / "F.GRB.BZ2",
                                   dossier / "g.Gz"}) {
        File f(nom.c_str());
        ASSERT_EQ(f.length, tampon.size()) << nom;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(f.buffer), f.length), tampon);
        EXPECT_EQ(f.count, 2) << nom;
        EXPECT_STREQ(f.name, nom.c_str());
        EXPECT_EQ(f.list->nomFichier, f.name);
    }
}

TEST_F(FileLoading, OnlyTheLastComponentsExtensionCounts)
{
    ASSERT_TRUE(commande("mkdir " + sh(dossier / "d.gz")));
    ecrireFichier(dossier / "d.gz/f", tampon);
    File f((dossier / "d.gz/f").c_str());
    EXPECT_EQ(f.count, 2);
}

TEST_F(FileLoading, UnreadableFilesLeaveTheObjectEmpty)
{
    for (const std::string& nom :
         {dossier / "absent.grb", dossier.chemin(), dossier / "absent.bz2"}) {
        File f(nom.c_str());
        EXPECT_EQ(f.buffer, nullptr) << nom;
        EXPECT_EQ(f.length, 0u);
        EXPECT_EQ(f.count, 0);
        EXPECT_EQ(f.list, nullptr);
    }
    ecrireFichier(dossier / "vide.grb", "");
    File vide((dossier / "vide.grb").c_str());
    EXPECT_EQ(vide.count, 0);
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
    EXPECT_EQ(f.count, 1);
    EXPECT_EQ(f.nonProprietaire, 1);
    EXPECT_EQ(f.name, nullptr);
    // The caller's buffer is not the object's to free.
    f.set(nom.c_str());
    EXPECT_EQ(f.count, 2);
    EXPECT_EQ(f.nonProprietaire, 0);
    f.set(nom.c_str());
    EXPECT_EQ(f.count, 2);
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

TEST(FilePrint, ListsTheRecordsAsTheDebugListingDoes)
{
    MessageTest m = echeance(33, 6, 105, 10);
    Liste l({m});
    testing::internal::CaptureStdout();
    l.f.print();
    const std::string texte = testing::internal::GetCapturedStdout();
    EXPECT_NE(texte.find("type     pos    long v tbl ct mod 23 par"), std::string::npos);
    EXPECT_NE(texte.find("GRIB       0      89 1   1 85  78 10  33 105   0/ 10 20261206"
                         "12 2026120618 1   6/  0   0\n"),
              std::string::npos)
        << texte;
    EXPECT_NE(texte.find("Nombre de messages dans le fichier memoire : 1\n"), std::string::npos);
    File vide;
    testing::internal::CaptureStdout();
    vide.print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Aucun message dans le fichier memoire\n");
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
