// Saved requests written and read back, hostile saved-request files, and
// the send log block.
#include "tests/transport/requete_test.h"

#include "tests/outils/disque_plein.h"

#include "ui/globales_ui.h"
#include "ui/local.h"

#include <functional>
#include <thread>

namespace {

const std::string SAUVEE = "dimensions 0.000000 0.000000 4.000000\n"
                           "zone 1.000000 -1.000000 -1.000000 1.000000\n"
                           "domaine D monde\nmaille M 0.25\nparametres vent\n"
                           "validites 18 24 30 36\ncapvitesse V 90 10.0\n"
                           "compression C bzip2\nterremer F 0\n";

// The files of a folder; each is removed.
std::vector<std::string> fichiers(const char* dossier)
{
    std::vector<std::string> v;
    for (const auto& f : std::filesystem::directory_iterator(dossier))
        v.push_back(f.path().string());
    std::sort(v.begin(), v.end());
    return v;
}

void vZone(const char* z)
{
    setenv("TZ", z, 1);
    tzset();
}

}  // namespace

TEST_F(RequeteTest, SavedRequestsLoadBackAsTheSameText)
{
    const std::function<void(requete&)> formes[] = {
        [](requete& g) { g.vSetDomaine(1), g.vSetTerreMer("0"), g.vSetCapVitesse(90, 10); },
        [](requete& g) {
            g.vSetDomaine(1), g.vSetMaille("0.125"), g.vSetParametre("Pmer");
            double n = 60, s = -20.3, w = -70.1, e = 12;
            g.vZone(n, s, w, e);
        },
        [](requete& g) {  // snapped at 0.1, not at France's default 0.2
            g.vSetDomaine(8), g.vSetMaille("0.1"), g.modeValidites = 0, g.vUnsetCompression();
            double n = 45.3, s = 43.1, w = -4.7, e = -1.3;
            g.vZone(n, s, w, e);
        },
        [](requete& g) { g.vSetDomaine(10), g.vSetCompression("gzip"); },
        [](requete& g) { g.vSetDomaine("77"), g.vSetParametre("Houle1"), g.vSetParametre("Tmer");
            g.vEcrire(0);
        },
    };
    for (const auto& forme : formes) {
        Fl_Text_Buffer ta, tb;
        requete a(&ta, 0), b(&tb, 0);
        forme(a);
        ASSERT_EQ(a.vEnregistre_Requete(), 0);
        const std::vector<std::string> f = fichiers("etc/grib");
        ASSERT_EQ(f.size(), 1u);
        if (&forme == formes) {
            EXPECT_EQ(lireFichier(f[0]), SAUVEE);
        }
        b.vLire_Requete(f[0].c_str());
        EXPECT_EQ(texte(tb), texte(ta)) << lireFichier(f[0]);
        std::filesystem::remove(f[0]);
    }
    for (const char* code : {"GMDSS_METAREA2", "NAVTEX_A", "SAT_GLOBE2"})
        bulletin.vSetObjet(code);
    ASSERT_EQ(bulletin.vEnregistre_Requete(), 0);
    Fl_Text_Buffer t;
    requete relu(&t, 1);
    relu.vLire_Requete(fichiers("etc/bull")[0].c_str());
    EXPECT_EQ(texte(t), texte(tamponBulletin));
    // Counted as the buttons count them: the satellite picture 30 Ko.
    EXPECT_EQ(relu.volumeBulletins, 40);
}

// Each hostile line is skipped, logged and counted; the request reads as
// without it.
TEST_F(RequeteTest, HostileSavedRequestLinesAreSkipped)
{
    const std::pair<std::string, const char*> cas[] = {
        {"zone 1e300 0 0 10", "zone refusee"},
        {"zone 10 0 nan 10", "zone refusee"},
        {"maille M 0", "maille refusee: 0"},
        {"maille M abc", "maille refusee: abc"},
        {"maille M 0.12345678901234", "maille refusee"},
        {"capvitesse V 90 " + std::string(484, '1'), "capvitesse refuse"},
        {"capvitesse V 90 1e300", "capvitesse refuse"},
        {"terremer F 2", "terremer refuse"},
        {"compression C lzma", "compression refusee"},
        {"automatisation " + std::string(40, 'a'), "ligne d'automatisation ignoree"},
        {"dimensions 1e300 nan 2", "dimensions refusees"},
        {"domaine D monde;rm", "domaine refuse"},
        {std::string(520, 'x') + "zone 30 0 0 10", "ligne de plus de 511"},
    };
    ecrireFichier("etc/grib/base.txt", SAUVEE);
    grib.vLire_Requete("etc/grib/base.txt");
    const std::string attendu = texte(tamponGrib);
    for (const auto& [ligne, trace] : cas) {
        ecrireFichier("etc/grib/h.txt", SAUVEE + ligne + "\n");
        Fl_Text_Buffer t;
        requete r(&t, 0);
        r.vLire_Requete("etc/grib/h.txt");
        EXPECT_EQ(texte(t), attendu) << ligne.substr(0, 40);
        EXPECT_NE(journal().find(trace), std::string::npos) << trace;
        EXPECT_EQ(r.lignesRefusees, 1) << trace;
    }

    // CR LF reads as LF; a file that cannot be read, or of the other kind,
    // changes nothing.
    std::string crlf = SAUVEE;
    for (size_t p = 0; (p = crlf.find('\n', p)) != std::string::npos; p += 2)
        crlf.insert(p, "\r");
    ecrireFichier("etc/grib/crlf.txt", crlf);
    Fl_Text_Buffer t;
    requete r(&t, 0);
    r.vLire_Requete("etc/grib/crlf.txt");
    EXPECT_EQ(texte(t), attendu);
    for (const char* chemin : {"etc/grib/absent.txt", "etc/grib", "etc/bull/base.txt"})
        grib.vLire_Requete(chemin);
    bulletin.vLire_Requete("etc/grib/base.txt");
    EXPECT_EQ(texte(tamponGrib), attendu);
    EXPECT_EQ(texte(tamponBulletin), "");

    // "domaine D" is the bare domain line, not what a longer line left.
    ecrireFichier("etc/grib/nu.txt", "domaine D monde\ndomaine D\n");
    grib.vLire_Requete("etc/grib/nu.txt");
    EXPECT_EQ(grib.ligneDomaine + std::to_string(grib.modele), "D0");
}

// Only the folder the file lies in tells a saved request's kind, not the
// folders above it; read as a kind, a file may lie anywhere.
TEST_F(RequeteTest, TheFileOwnFolderTellsTheKind)
{
    const struct {
        std::string chemin;
        bool lu;
    } cas[] = {
        {dossier / "gribouille/etc/bull/b.txt", true},
        {dossier / "bullard/etc/grib/b.txt", false},
        {dossier / "Documents/b.txt", false},
    };
    for (const auto& c : cas) {
        std::filesystem::create_directories(std::filesystem::path(c.chemin).parent_path());
        ecrireFichier(c.chemin, "SAT_EUROPE\n");
        Fl_Text_Buffer t;
        requete r(&t, 1);
        r.vLire_Requete(c.chemin.c_str());
        EXPECT_EQ(r.objets.iNombre(), c.lu) << c.chemin;
        r.vLireFichier(c.chemin.c_str());
        EXPECT_EQ(r.objets.iNombre(), 1) << c.chemin;
    }
}

TEST_F(RequeteTest, TwoSavesInOneSecondKeepBoth)
{
    vZone("UTC");
    grib.vSetDomaine(1);
    const EnvoiRequete e = grib.instantane();
    EXPECT_EQ(iEnregistrerRequete(e, 1723761012) + iEnregistrerRequete(e, 1723761012), 0);
    EXPECT_EQ(fichiers("etc/grib"), std::vector<std::string>({"etc/grib/20240815_223012.txt",
                                                             "etc/grib/20240815_223012_2.txt"}));
}

// The block for an instant whose local date in Paris is the next day, in
// French; the text and figures are those of the snapshot, not what the
// request became afterwards.
TEST_F(RequeteTest, SendLogBlock)
{
    vZone("Europe/Paris");
    {
        DossierCourant donnees(QUENBREL_SOURCE_DIR "/data");
        langage = new local("fr");
    }
    grib.vSetDomaine(43);
    grib.iSetZone(10, 0, 0, 10);
    grib.vFreeParametre();
    grib.vSetParametre("Pmer");
    grib.vSetTerreMer("0");
    grib.modeValidites = 0;
    const char* temps[] = {"6", nullptr};
    grib.vSetEcheances(temps);
    grib.vEcrire(0);
    const EnvoiRequete e = grib.instantane();
    const std::string envoye = texte(tamponGrib);
    grib.vSetParametre("Vent");
    grib.vEcrire(0);
    bulletin.vSetObjet("NAVTEX_A");
    EXPECT_EQ(iEnregistrerEnvoi(e, 1723761012), 0);
    EXPECT_EQ(iEnregistrerEnvoi(bulletin.instantane(), 1723761012), 0);
    const std::string tete = "SEND" + std::string(63, '=') + "SEND\n" +
                             "HUTC : Jeudi 15 Ao\xC3\xBBt 2024 - 22:30:12\n" +
                             "HLOC : Vendredi 16 Ao\xC3\xBBt 2024 - 00:30:12\n";
    EXPECT_EQ(lireFichier("etc/envois.txt"),
              tete + "SIZE: 0.524 Ko\nCOST: 0.21 Euros\n\n" + envoye + "\n" + tete +
                  "SIZE: 5.000 Ko\nCOST: 0 Euros\n\n@mto@reqt@bull@\nNAVTEX_A\n@mto@reqt@fin@\n\n");
    EXPECT_EQ(fichiers("etc/bull"), std::vector<std::string>({"etc/bull/20240816_003012.txt"}));
    delete langage;
    langage = nullptr;

    // Sends recorded from two threads at once: whole blocks, every file.
    std::filesystem::remove("etc/envois.txt");
    const std::string bloc = blocEnvoi(e, 1723761012);
    auto envois = [&e] {
        for (int i = 0; i < 40; ++i)
            iEnregistrerEnvoi(e, 1723761012);
    };
    std::thread a(envois), b(envois);
    a.join();
    b.join();
    std::string tous;
    for (int i = 0; i < 80; ++i)
        tous += bloc;
    EXPECT_EQ(lireFichier("etc/envois.txt"), tous);
    EXPECT_EQ(fichiers("etc/grib").size(), 81u);
}

// A send recorded on a disk that fills: the log keeps whole blocks, the
// saved request is whole or absent, and the answer says it failed.
TEST_F(RequeteTest, ARecordOnAFullDiskIsWholeOrAbsentAndSaidSo)
{
    vZone("UTC");
    const std::string ancien = texteTest(65536, 5);
    const struct {
        size_t corps;      // octets of the saved request
        rlim_t libre;      // past the log's old end
        int reponse;
        bool bloc, sauvee; // written
    } cas[] = {{200, 6, -1, false, true},
               {100000, 20000, -1, true, false},
               {200, 1000000, 0, true, true}};
    for (const auto& c : cas) {
        std::filesystem::remove_all("etc/grib");
        std::filesystem::create_directories("etc/grib");
        ecrireFichier("etc/envois.txt", ancien);
        EnvoiRequete e = grib.instantane();
        e.corps = std::string(c.corps, 'z');
        const size_t lu = journal().size();
        {
            DisquePlein plein(ancien.size() + c.libre);
            EXPECT_EQ(iEnregistrerEnvoi(e, 1723761012), c.reponse) << c.corps;
        }
        EXPECT_TRUE(memesOctets(lireFichier("etc/envois.txt"),
                                ancien + (c.bloc ? blocEnvoi(e, 1723761012) : "")));
        const std::vector<std::string> sauvee = {"etc/grib/20240815_223012.txt"};
        EXPECT_EQ(fichiers("etc/grib"), c.sauvee ? sauvee : std::vector<std::string>{});
        EXPECT_EQ(c.sauvee ? lireFichier(sauvee[0]).size() : c.corps, c.corps);
        const std::string dit = journal().substr(lu);
        EXPECT_EQ(dit.find("ECHEC : etc/envois.txt") != std::string::npos, !c.bloc);
        EXPECT_EQ(dit.find("ECHEC : requete non enregistree") != std::string::npos, !c.sauvee);
    }
}
