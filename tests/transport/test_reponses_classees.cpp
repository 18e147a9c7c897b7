// What the answers leave in lockdir/ is what the incoming scan files: a
// name it would delete is refused before the send is told a success, two
// answers of one name both reach dat/, and a file the scan cannot move
// out of lockdir/ is no success.
#include "map/chargement_fonds.h"
#include "transport/popup_http.h"
#include "transport/scan.h"

#include "tests/transport/transfert_test.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The texts the scan opened.
std::vector<std::string> ouverts;

// The stand-in's answers filed as the program's scan files them, with no
// window opened.
class Classees : public Transfert {
protected:
    Classees()
    {
        crochetsScan = {};
        DEMARRAGE = 0;
    }
    ~Classees() override
    {
        crochetsScan = garde;
        DEMARRAGE = 1;
    }
    static void vVider()
    {
        for (const char* d : {"lockdir", "dat"}) {
            fs::remove_all(d);
            fs::create_directories(d);
        }
        fs::create_directories("dat/image");
        fs::create_directories("dat/bulletin");
        fs::remove("etc/envois.txt");
        fs::remove("etc/messages.txt");
    }
    const TYPEDEF_CROCHETS_SCAN garde = crochetsScan;
};

}  // namespace

// The data of a GRIB answer under the name the service gives: kept by the
// scan in its folder, or refused (red, kept in dat/, the request the
// service took recorded).
TEST_F(Classees, ANameTheScanWouldNotFileIsRefusedAndKeptAside)
{
    const struct {
        const char* nom;
        const char* dossier;  // where the scan files it; null: refused
    } cas[] = {
        {"previsions.grib", nullptr}, {"donnees.bin", nullptr}, {"sans_extension", nullptr},
        {"CARTE.JPG", "dat/image"},   {"photo.jpeg", "dat/image"}, {"Photo.Png", "dat/image"},
        {"RECU.GRB", "dat"},          {"avis.TXT", "dat/bulletin"},
    };
    for (const auto& c : cas) {
        vVider();
        ASSERT_TRUE(service().bVariante(std::string("nom:") + c.nom));
        const int phase = iTransferer(texteGrib());
        const std::string message = lireFichier("lockdir/message.txt");
        vScanPasse(nullptr);
        if (c.dossier) {
            EXPECT_EQ(phase, PHASE_RECUE) << c.nom;
            EXPECT_TRUE(existe(std::string(c.dossier) + "/" + c.nom)) << c.nom;
            EXPECT_TRUE(existe("etc/envois.txt")) << c.nom;
            continue;
        }
        EXPECT_EQ(phase, PHASE_NON_CLASSEE) << c.nom;
        EXPECT_TRUE(existe("etc/envois.txt")) << c.nom;
        EXPECT_FALSE(existe("etc/messages.txt")) << c.nom;
        EXPECT_GT(lireFichier(std::string("dat/") + c.nom).size(), 8u) << c.nom;
        EXPECT_NE(message.find(std::string("Fichier refuse : \"") + c.nom +
                               "\" d'un type inconnu, garde sous dat/" + c.nom),
                  std::string::npos)
            << message;
        EXPECT_NE(journal().find(std::string("ECHEC : fichier \"") + c.nom +
                                 "\" d'un type que le programme ne classe pas"),
                  std::string::npos)
            << c.nom;
    }
}

// Answers of one name before the scan, or of the name of a file filed
// earlier: each takes a free name, which its message and the history give,
// and which it keeps in dat/.
TEST_F(Classees, AnswersOfOneNameAllReachDatUnderTheNameTheHistoryGives)
{
    vVider();
    ASSERT_TRUE(service().bVariante("nom:meme.grb"));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(iTransferer(texteGrib()), PHASE_RECUE);
    EXPECT_EQ(lockdir(), (std::set<std::string>{"meme.grb", "meme_2.grb", "message.txt",
                                                "message_2.txt"}));
    const std::string taille = std::to_string(lireFichier("lockdir/meme.grb").size());
    EXPECT_EQ(lireFichier("lockdir/message_2.txt").rfind("meme_2.grb, " + taille + " bytes", 0),
              0u);
    vScanPasse(nullptr);
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_RECUE);
    vScanPasse(nullptr);
    const std::string historique = lireFichier("etc/messages.txt");
    for (const char* nom : {"meme.grb", "meme_2.grb", "meme_3.grb"}) {
        EXPECT_EQ(lireFichier(std::string("dat/") + nom).size(), size_t(std::stoi(taille))) << nom;
        EXPECT_NE(historique.find(std::string(nom) + ", " + taille + " bytes/octets"),
                  std::string::npos)
            << nom;
    }
    // Bulletins alike, those split one file each too.
    ASSERT_TRUE(service().bVariante("nom:bulletin.txt"));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(iTransferer(texteBulletins({"NAVTEX_FQ"}), nullptr, true), PHASE_RECUE);
        EXPECT_EQ(iTransferer(texteBulletins({"GMDSS_METAREA1_OFFSHORE"}), nullptr, true),
                  PHASE_RECUE);
    }
    EXPECT_EQ(lockdir(), (std::set<std::string>{"bulletin.txt", "bulletin_2.txt",
                                                "GMDSS_METAREA1_OFFSHORE.txt",
                                                "GMDSS_METAREA1_OFFSHORE_2.txt"}));
    ASSERT_TRUE(service().bVariante("normale"));
}

// The folder a received file goes to cannot take it: the file waits in
// lockdir/ for the scan, the send ends red (recorded, as the service took
// it), and the message says why.
TEST_F(Classees, AFileTheScanCannotMoveOutOfLockdirIsNoSuccess)
{
    const struct {
        const char* objet;  // a bulletin asked; null: a GRIB file
        const char* nom;
        const char* casse;  // the folder made a file
    } cas[] = {{nullptr, "g.grb", "dat"},
               {"NAVTEX_FQ", "b.txt", "dat/bulletin"},
               {"GMDSS_METAREA1_OFFSHORE", "GMDSS_METAREA1_OFFSHORE.txt", "dat/bulletin"}};
    for (const auto& c : cas) {
        vVider();
        fs::remove_all(c.casse);
        ecrireFichier(c.casse, "");
        ASSERT_TRUE(service().bVariante(std::string("nom:") + c.nom));
        const bool bulletins = c.objet != nullptr;
        const std::string texte = bulletins ? texteBulletins({c.objet}) : texteGrib();
        EXPECT_EQ(iTransferer(texte, bulletins ? nullptr : "secret-du-bord", bulletins),
                  PHASE_NON_CLASSEE)
            << c.nom;
        EXPECT_TRUE(existe("etc/envois.txt")) << c.nom;
        EXPECT_FALSE(existe("etc/messages.txt")) << c.nom;
        EXPECT_TRUE(existe(std::string("lockdir/") + c.nom)) << c.nom;
        EXPECT_NE(lireFichier("lockdir/message.txt")
                      .find(std::string("Fichier ") + c.nom + " non classe : dossier " + c.casse +
                            " inaccessible"),
                  std::string::npos)
            << c.nom;
    }
    ASSERT_TRUE(service().bVariante("normale"));
}

// An accepted request that brought no data: the service's words are
// filed, opened from dat/bulletin/, the popup says no data came, and the
// send the service took is recorded.
TEST_F(Classees, AnAnswerWithoutDataOpensTheServicesWordsAndSaysNoDataCame)
{
    crochetsScan.texte = [](const char* chemin, int, int, int, int) { ouverts.push_back(chemin); };
    vVider();
    ASSERT_TRUE(service().bVariante("sans_donnees"));
    EXPECT_EQ(iTransferer(texteBulletins({"NAVTEX_FQ"}), nullptr, true), PHASE_SANS_DONNEES);
    AffichageCanal popup;
    EXPECT_EQ(pasCanal(dernierCanal, popup), CANAL_MONTRER_FIN);
    EXPECT_EQ(popup.fond, FOND_ECHEC_HTTP);
    EXPECT_NE(popup.html.find("Aucune donnee recue"), std::string::npos) << popup.html;
    vScanPasse(nullptr);
    EXPECT_EQ(ouverts, std::vector<std::string>{"dat/bulletin/message.txt"});
    EXPECT_EQ(lireFichier(ouverts.at(0)), "Aucun bulletin disponible pour cette zone\n");
    EXPECT_TRUE(existe("etc/envois.txt"));
}

