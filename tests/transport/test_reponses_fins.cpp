// How answers end: the slot's final phase and popup, what is filed, noted
// in the history and recorded, against the stand-in service.
#include "map/chargement_fonds.h"
#include "transport/popup_http.h"
#include "transport/scan.h"
#include "transport/service_http.h"

#include "tests/transport/transfert_test.h"

#include <algorithm>
#include <filesystem>

namespace {

using FinsReponses = Transfert;

const int SILENCE_MS = 120000;

}  // namespace

// Each answer ends as it came: data of a type the service's format does
// not have are not filed; a whole answer whose server stays open is filed
// at once, text before its marker or not; and while any answer arrives,
// its slot holds a share of the length only once the header has told it.
TEST_F(FinsReponses, EachAnswerEndsAsItCameAndThePopupNeverGuessesItsSize)
{
    DELAIS_HTTP.silenceMs = SILENCE_MS;
    const struct {
        const char* variante;
        bool bulletins;
        int phase;
        const char* popup;  // the popup's last line
        bool classe;        // data filed, send recorded
    } cas[] = {
        {"type:7", false, PHASE_ILLISIBLE, "Reponse inattendue du serveur", false},
        {"type:0", true, PHASE_ILLISIBLE, "Reponse inattendue du serveur", false},
        {"silence:Proxy-Connection: close", false, PHASE_RECUE, "Termine...", true},
        {"silence:HTTP/1.0 200 OK", true, PHASE_RECUE, "Termine...", true},
        {"goutte:2", true, PHASE_RECUE, "Termine...", true},
    };
    for (const auto& c : cas) {
        std::filesystem::remove_all("lockdir");
        std::filesystem::create_directory("lockdir");
        std::filesystem::remove("etc/envois.txt");
        ASSERT_TRUE(service().bVariante(c.variante));
        const int canal = iLancer(c.bulletins ? texteBulletins({"NAVTEX_FQ"}) : texteGrib(),
                                  c.bulletins ? nullptr : "secret-du-bord");
        ASSERT_GE(canal, 0);
        const TYPEDEF_HTTP& slot = structHTTP[canal];
        int sansTaille = 0;  // polls that found the size not told yet
        int pourcentMax = 0;
        // Well within the silence limit: a bound, not a measure.
        ASSERT_TRUE(bAttendreQue(
            [&] {
                if (slot.phase.load() != PHASE_RECEPTION)
                    return iTransfertsEnCours() == 0;
                pourcentMax = std::max(pourcentMax, slot.pourcent.load());
                sansTaille += slot.attendu.load() == 0;
                return false;
            },
            90))
            << c.variante;
        EXPECT_EQ(slot.phase.load(), c.phase) << c.variante;
        // No share is made up before the size is known.
        EXPECT_LE(pourcentMax, 100) << c.variante;
        if (std::string(c.variante) == "goutte:2") {
            EXPECT_GT(sansTaille, 0) << "the first octets came one by one";
        }
        AffichageCanal popup;
        EXPECT_EQ(pasCanal(canal, popup), CANAL_MONTRER_FIN) << c.variante;
        vLibererCanal(canal);
        EXPECT_NE(popup.html.find(c.popup), std::string::npos) << c.variante << popup.html;
        EXPECT_EQ(popup.fond, c.classe ? Fl_Color(63) : FOND_ECHEC_HTTP) << c.variante;
        EXPECT_EQ(existe("etc/envois.txt"), c.classe) << c.variante;
        EXPECT_EQ(lockdir().size(), c.classe && !c.bulletins ? 2u : 1u) << c.variante;
    }
    // What the service said is kept beside the note of what was refused.
    ASSERT_TRUE(service().bVariante("type:7"));
    std::filesystem::remove_all("lockdir");
    std::filesystem::create_directory("lockdir");
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_ILLISIBLE);
    const std::string message = lireFichier("lockdir/message.txt");
    EXPECT_NE(message.find("traitee : service_"), std::string::npos) << message;
    EXPECT_NE(message.find("Reponse de type inconnu \"7\""), std::string::npos) << message;
    EXPECT_NE(journal().find("reponse de type inconnu '7'"), std::string::npos);
}

// The history lists the files received whole, and no failed transfer.
TEST_F(FinsReponses, TheHistoryListsOnlyFilesFiledWhole)
{
    DELAIS_HTTP.premierOctetMs = 400;
    DELAIS_HTTP.silenceMs = 400;
    for (const char* variante : {"coupure", "longueurs_excessives", "reset:500", "nom:../evil.grb",
                                 "nom:Message_2.TXT", "taille:5", "type:7", "refus"}) {
        ASSERT_TRUE(service().bVariante(variante));
        EXPECT_NE(iTransferer(texteGrib()), PHASE_RECUE) << variante;
        EXPECT_FALSE(existe("etc/messages.txt")) << variante;
    }
    ASSERT_TRUE(service().bVariante("normale"));
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_RECUE);
    const std::string nom = "service_" + std::to_string(service().connexions().size());
    EXPECT_EQ(lireFichier("etc/messages.txt").rfind(nom + ".grb.bz2, ", 0), 0u);
}

// Two answers within one second: the second message is filed beside the
// first, and the scan moves both into dat/bulletin/.
TEST_F(FinsReponses, TwoMessagesInOneSecondBothReachTheBulletins)
{
    ASSERT_TRUE(service().bVariante("refus"));
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_REFUSEE);
    ASSERT_TRUE(service().bVariante("normale"));
    EXPECT_EQ(iTransferer(texteGrib(), "faux"), PHASE_REFUSEE);
    EXPECT_EQ(lockdir(), (std::set<std::string>{"message.txt", "message_2.txt"}));
    std::filesystem::create_directories("dat/bulletin");
    const TYPEDEF_CROCHETS_SCAN avant = crochetsScan;
    static std::vector<std::string> ouverts;
    crochetsScan.texte = [](const char* chemin, int, int, int, int) { ouverts.push_back(chemin); };
    DEMARRAGE = 0;
    vScanPasse(nullptr);
    DEMARRAGE = 1;
    crochetsScan = avant;
    EXPECT_TRUE(lockdir().empty());
    EXPECT_EQ(ouverts, (std::vector<std::string>{"dat/bulletin/message.txt",
                                                 "dat/bulletin/message_2.txt"}));
    EXPECT_EQ(lireFichier("dat/bulletin/message.txt"), "Requete refusee\n");
    EXPECT_EQ(lireFichier("dat/bulletin/message_2.txt"), "Mot de passe incorrect\n");
}
