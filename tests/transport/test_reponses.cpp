// The service's answers end to end: sent through a claimed slot by the
// transfer thread's body to the stand-in service, filed into lockdir/.
#include "codes/texte_journal.h"
#include "map/chargement_fonds.h"
#include "map/satellite.h"
#include "transport/popup_http.h"
#include "transport/reponse.h"
#include "transport/service_http.h"

#include "tests/transport/transfert_test.h"

#include "tests/outils/disque_plein.h"

#include <FL/Fl.H>
#include <algorithm>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

using Reponses = Transfert;

const std::string GRIB = lireFichier(fixtureGrib("service.grb"));
// What the stand-in answers for each bulletin (in ISO 8859-1).
const std::string ESSAI =
    "BULLETIN D'ESSAI - NE PAS UTILISER POUR LA NAVIGATION (donn\xE9" "es factices)";

// The message the stand-in sends with the answer to connection `n`.
std::string message(int n, const std::string& nom, const char* details)
{
    return "Requete " + std::to_string(n) + " traitee : " + nom + "\nQUENBREL2 historique " +
           std::to_string(n) + "\n" + details + "\n";
}

int derniere(ServiceFactice& service)
{
    return int(service.connexions().size());
}

// The send log's blocks.
size_t nBlocsEnvoi(const std::string& envois)
{
    const std::string tete = "SEND" + std::string(63, '=') + "SEND\n";
    size_t n = 0;
    for (size_t i = envois.find(tete); i != std::string::npos; i = envois.find(tete, i + 1))
        ++n;
    return n;
}

bool bSansTemporaire(const std::set<std::string>& noms)
{
    return std::none_of(noms.begin(), noms.end(), [](const std::string& n) {
        return n.size() >= 4 && n.compare(n.size() - 4, 4, ".tmp") == 0;
    });
}

}  // namespace

TEST_F(Reponses, AGribAnswerGivesTheFileTheMessageAndTheHistory)
{
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_RECUE);
    const int n = derniere(service());
    const std::string nom = "service_" + std::to_string(n) + ".grb.bz2";
    EXPECT_EQ(lockdir(), (std::set<std::string>{nom, "message.txt"}));
    // The data as bzip2 itself reads it back.
    EXPECT_TRUE(memesOctets(sortie("bzip2 -dc lockdir/" + nom), GRIB));
    const std::string taille = std::to_string(lireFichier("lockdir/" + nom).size());
    const std::string tete = nom + ", " + taille + " bytes/octets\n";
    EXPECT_EQ(lireFichier("lockdir/message.txt"), tete + message(n, nom, "fichier GRIB"));
    EXPECT_EQ(lireFichier("etc/messages.txt"),
              tete + "Requete " + std::to_string(n) + " traitee : " + nom + "\nQUENBREL2 ");
    EXPECT_NE(lireFichier("etc/envois.txt").find(texteGrib()), std::string::npos);
    EXPECT_NE(journal().find("OK, reponse Quenbrel non parasitee"), std::string::npos);
    EXPECT_NE(journal().find("Fin execution du sous-thread HTTP...(thread/grib) 1"),
              std::string::npos);
}

TEST_F(Reponses, TextBeforeTheMarkerOrAMarkerSplitAcrossSendsIsAccepted)
{
    for (const char* variante : {"prefixe", "marqueur_coupe", "prefixe:\x1B]2;t\x07"}) {
        ASSERT_TRUE(service().bVariante(variante));
        EXPECT_EQ(iTransferer(texteGrib()), PHASE_RECUE) << variante;
        const std::string nom = "service_" + std::to_string(derniere(service())) + ".grb.bz2";
        EXPECT_TRUE(memesOctets(sortie("bzip2 -dc lockdir/" + nom), GRIB)) << variante;
    }
    EXPECT_NE(journal().find("ATTENTION, reponse Quenbrel, ajout d'informations parasites\n"
                             "Proxy-Connection: close"),
              std::string::npos);
    // The server's octets are logged, its control octets escaped.
    EXPECT_NE(journal().find("parasites\n\\x1B]2;t\\x07"), std::string::npos);
    EXPECT_EQ(journal().find_first_of("\x07\x1B"), std::string::npos);
    EXPECT_TRUE(bSansTemporaire(lockdir()));
}

TEST_F(Reponses, ARefusalShowsTheMessageAndRecordsNothing)
{
    EXPECT_EQ(iTransferer(texteGrib(), "faux-mot-de-passe"), PHASE_REFUSEE);
    EXPECT_EQ(lockdir(), std::set<std::string>{"message.txt"});
    EXPECT_EQ(lireFichier("lockdir/message.txt"), "Mot de passe incorrect\n");
    EXPECT_FALSE(existe("etc/envois.txt"));
    EXPECT_FALSE(existe("etc/messages.txt"));
    // The bulletin thread records accepted sends only, too.
    ASSERT_TRUE(service().bVariante("refus"));
    EXPECT_EQ(iTransferer(texteBulletins({"NAVTEX_FQ"}), nullptr, true), PHASE_REFUSEE);
    EXPECT_FALSE(existe("etc/envois.txt"));
    ASSERT_TRUE(service().bVariante("normale"));
    EXPECT_EQ(iTransferer(texteBulletins({"NAVTEX_FQ"}), nullptr, true), PHASE_RECUE);
    EXPECT_TRUE(existe("etc/envois.txt"));
}

TEST_F(Reponses, TwentyGmdssBulletinsGiveSixteenFiles)
{
    std::vector<std::string> objets;
    for (int i = 1; i <= 20; ++i)
        objets.push_back("GMDSS_METAREA" + std::to_string(i) + "_OFFSHORE");
    EXPECT_EQ(iTransferer(texteBulletins(objets), nullptr, true), PHASE_RECUE);
    std::set<std::string> attendus;
    for (int i = 1; i <= 16; ++i)
        attendus.insert(objets[i - 1] + ".txt");
    EXPECT_EQ(lockdir(), attendus);
    EXPECT_EQ(lireFichier("lockdir/GMDSS_METAREA3_OFFSHORE.txt"),
              "GMDSS_METAREA3_OFFSHORE\n" + ESSAI + "\nbulletin 3 de 20");
    const std::string seizieme = lireFichier("lockdir/GMDSS_METAREA16_OFFSHORE.txt");
    for (int i = 16; i <= 20; ++i)
        EXPECT_NE(seizieme.find("bulletin " + std::to_string(i) + " de 20"), std::string::npos);
}

TEST_F(Reponses, OtherBulletinsGoToOneFileFollowedByTheMessage)
{
    EXPECT_EQ(iTransferer(texteBulletins({"NAVTEX_FQ", "NAVTEX_FR"}), nullptr, true), PHASE_RECUE);
    const int n = derniere(service());
    const std::string nom = "bulletins_" + std::to_string(n) + ".txt";
    EXPECT_EQ(lockdir(), std::set<std::string>{nom});
    EXPECT_EQ(lireFichier("lockdir/" + nom),
              "NAVTEX_FQ\n" + ESSAI + "\nNAVTEX_FR\n" + ESSAI + "\n" + message(n, nom, "bulletins"));
}

TEST_F(Reponses, TheSatellitePictureReplacesGlobeJpgAtOnce)
{
    Fl::lock();
    EXPECT_EQ(iTransferer(texteBulletins({"SAT_GLOBE2"}), nullptr, true), PHASE_RECUE);
    Fl::unlock();
    EXPECT_TRUE(lockdir().empty());
    EXPECT_TRUE(memesOctets(lireFichier("globe.jpg"),
                            lireFichier(QUENBREL_SOURCE_DIR "/tests/support/SAT_GLOBE2.jpg") +
                                "2024010112"));
    EXPECT_EQ(FDC0ok, 1);
    EXPECT_STREQ(FDCHAINEBUFFER, "2024010112");
    EXPECT_NE(FDCSAT, nullptr);
    // One that cannot lie over the world is kept as globe.jpg.bad.
    ASSERT_TRUE(commande("convert -size 16000x1 xc:blue bande.jpg"));
    ecrireFichier("globe.jpg", "actuelle");
    const std::string image = lireFichier("bande.jpg") + "2024010112";
    std::string texte = "QUENBREL2 1 2 0 " + std::to_string(image.size()) + " SAT_GLOBE2.jpg";
    texte.resize(92, ' ');
    texte += image;
    char* reponse = static_cast<char*>(std::malloc(texte.size()));
    std::memcpy(reponse, texte.data(), texte.size());
    EXPECT_EQ(analyseReponse(reponse, int(texte.size())).issue, ISSUE_NON_CLASSEE);
    EXPECT_EQ(lireFichier("globe.jpg"), "actuelle");
    EXPECT_TRUE(memesOctets(lireFichier("globe.jpg.bad"), image));
    EXPECT_EQ(sortie("ls globe.jpg.*"), "globe.jpg.bad\n");
}

// While a dripped answer arrives, its slot and popup line show the length
// its header declares; before the header, no percentage; from it on, it
// rises to 100.
TEST_F(Reponses, ADrippedAnswerShowsItsExpectedLengthWhileItArrives)
{
    ASSERT_TRUE(service().bVariante("goutte:2"));
    const int canal = iLancer(texteBulletins({"NAVTEX_FQ"}), nullptr);
    ASSERT_GE(canal, 0);
    const TYPEDEF_HTTP& c = structHTTP[canal];
    std::vector<int> avant, apres;  // percentages before and after the header
    int attenduVu = 0;
    std::string ligne;  // the popup's text once the length is known
    ASSERT_TRUE(bAttendreQue([&] {
        const int phase = c.phase.load();
        if (phase != PHASE_RECEPTION)
            return phase < 0 || phase == PHASE_RECUE;
        const int attendu = c.attendu.load();
        const int pourcent = c.pourcent.load();
        (attendu == 0 ? avant : apres).push_back(pourcent);
        if (attendu > 0 && ligne.empty() && pourcent < 50) {
            attenduVu = attendu;
            AffichageCanal a;
            if (pasCanal(canal, a) == CANAL_MONTRER)
                ligne = a.html;
        }
        return false;
    }));
    EXPECT_EQ(c.phase.load(), PHASE_RECUE);
    const int total = c.attendu.load();
    EXPECT_EQ(attenduVu, total);
    char octets[32];
    std::snprintf(octets, sizeof octets, "%% , %7d bytes", total);
    EXPECT_NE(ligne.find(octets), std::string::npos) << ligne;
    ASSERT_FALSE(avant.empty());
    EXPECT_LE(*std::max_element(avant.begin(), avant.end()), 100);
    ASSERT_GT(apres.size(), 10u);
    EXPECT_TRUE(std::is_sorted(apres.begin(), apres.end()));
    EXPECT_LE(apres.back(), 100);
}

// Every lying, slow or closing server: no data file, nothing recorded as
// sent, the slot's final phase red with its reason, a log line, and, when
// something arrived, a message saying what.
TEST_F(Reponses, LyingSlowOrClosingServersLeaveNoDataFile)
{
    DELAIS_HTTP.premierOctetMs = 400;
    DELAIS_HTTP.silenceMs = 400;
    DELAIS_HTTP.reponseMax = 1 << 20;
    const struct {
        const char* variante;
        int phase;
        const char* log;
        const char* message;  // in lockdir/message.txt; null: none
        const char* popup;    // the popup's last line
    } cas[] = {
        {"sans_marqueur", PHASE_ILLISIBLE, "Service momentanement indisponible",
         "Service momentanement indisponible", "Reponse inattendue du serveur"},
        {"http500", PHASE_ILLISIBLE, "HTTP/1.0 500", "HTTP/1.0 500 Internal Server Error",
         "Reponse inattendue du serveur"},
        {"longueurs_excessives", PHASE_INCOMPLETE, "reponse tronquee",
         "Transfert incomplet : ", "Reponse incomplete"},
        {"longueur_negative", PHASE_ILLISIBLE, "entete de reponse illisible",
         "Reponse du service illisible", "Reponse inattendue du serveur"},
        {"longueur_max", PHASE_ILLISIBLE, "entete de reponse illisible",
         "Reponse du service illisible", "Reponse inattendue du serveur"},
        {"champs_manquants", PHASE_ILLISIBLE, "entete de reponse illisible (2 champs)",
         "Reponse du service illisible", "Reponse inattendue du serveur"},
        {"fermeture", PHASE_ECHEC, "Buffer: longueur 0", nullptr, "Pas de reponse du service"},
        {"reset:500", PHASE_INCOMPLETE, "erreur de reception", "Transfert incomplet : 500 / ",
         "Reponse incomplete"},
        {"coupure", PHASE_INCOMPLETE, "reponse tronquee", "Transfert incomplet : ",
         "Reponse incomplete"},
        {"coupure:500", PHASE_INCOMPLETE, "reponse tronquee", "Transfert incomplet : 500 / ",
         "Reponse incomplete"},
        {"blocage", PHASE_DELAI, "delai depasse apres 0 octets", nullptr, "Delai depasse"},
        {"blocage:300", PHASE_INCOMPLETE, "delai depasse apres 300 octets",
         "Transfert incomplet : 300 / ", "Reponse incomplete"},
        {"trop_long:2000000", PHASE_TROP_GRANDE, "reponse de plus de 1048576 octets refusee",
         nullptr, "Reponse trop grande"},
    };
    for (const auto& c : cas) {
        std::filesystem::remove_all("lockdir");
        std::filesystem::create_directory("lockdir");
        ASSERT_TRUE(service().bVariante(c.variante));
        const size_t debutLog = journal().size();
        EXPECT_EQ(iTransferer(texteGrib()), c.phase) << c.variante;
        if (std::string(c.variante) == "sans_marqueur") {
            EXPECT_EQ(structHTTP[dernierCanal].attendu.load(), 0) << "size unknown";
            EXPECT_GT(structHTTP[dernierCanal].recus.load(), 0);
        }
        AffichageCanal popup;
        EXPECT_EQ(pasCanal(dernierCanal, popup), CANAL_MONTRER_FIN) << c.variante;
        vLibererCanal(dernierCanal);
        EXPECT_EQ(popup.fond, FOND_ECHEC_HTTP) << c.variante;
        EXPECT_NE(popup.html.find(c.popup), std::string::npos) << c.variante << popup.html;
        EXPECT_FALSE(existe("etc/envois.txt")) << c.variante;
        EXPECT_TRUE(std::filesystem::is_empty("etc/grib")) << c.variante;
        EXPECT_NE(journal().find(c.log, debutLog), std::string::npos) << c.variante;
        const std::set<std::string> noms = lockdir();
        EXPECT_EQ(noms, c.message ? std::set<std::string>{"message.txt"} : std::set<std::string>{})
            << c.variante;
        if (c.message) {
            EXPECT_NE(lireFichier("lockdir/message.txt").find(c.message), std::string::npos)
                << c.variante << ": " << lireFichier("lockdir/message.txt");
        }
    }
}

// Names from the server never become paths: nothing outside lockdir/
// changes, and no data file is written; the request the service took is
// recorded all the same.
TEST_F(Reponses, UnsafeNamesWriteNothingOutsideLockdir)
{
    ecrireFichier("etc/config.txt", "@main\n@fin\n@end\n");
    ecrireFichier("etc/messages.txt", "");
    ecrireFichier("etc/envois.txt", "");
    // The accepted sends are recorded under etc/grib/, by the local time.
    const auto listing = [] {
        std::set<std::string> l = horsLockdir();
        for (auto i = l.begin(); i != l.end();)
            i = i->rfind("etc/grib/", 0) == 0 ? l.erase(i) : std::next(i);
        return l;
    };
    const std::set<std::string> avant = listing();
    const std::string long52(52, 'a');
    const std::vector<std::string> noms = {
        "../etc/config.txt", "/tmp/quenbrel_x", ".cache", "x.grb.tmp", long52, "a\\b.grb",
        "nom;rm.grb", "\xC3\xA9t\xC3\xA9.grb", "..", "lockdir/../x", "a\x1B[2J.grb"};
    for (const std::string& nom : noms) {
        std::filesystem::remove_all("lockdir");
        std::filesystem::create_directory("lockdir");
        ASSERT_TRUE(service().bVariante("nom:" + nom));
        EXPECT_EQ(iTransferer(texteGrib()), PHASE_NON_CLASSEE) << nom;
        EXPECT_EQ(lockdir(), std::set<std::string>{"message.txt"}) << nom;
        EXPECT_NE(lireFichier("lockdir/message.txt").find("Fichier refuse"), std::string::npos);
        EXPECT_NE(journal().find("nom de fichier refuse : \"" + sTexteJournal(nom.c_str()) + "\""),
                  std::string::npos)
            << nom;
    }
    EXPECT_EQ(journal().find('\x1B'), std::string::npos) << "a control octet reaches the log";
    EXPECT_EQ(listing(), avant);
    EXPECT_EQ(lireFichier("etc/config.txt"), "@main\n@fin\n@end\n");
    EXPECT_EQ(nBlocsEnvoi(lireFichier("etc/envois.txt")), noms.size());
    EXPECT_EQ(lireFichier("etc/messages.txt"), "") << "no refused file in the history";
    EXPECT_FALSE(existe("/tmp/quenbrel_x"));
    // 51 characters are accepted.
    ASSERT_TRUE(service().bVariante("nom:" + std::string(47, 'b') + ".grb"));
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_RECUE);
    EXPECT_TRUE(existe("lockdir/" + std::string(47, 'b') + ".grb"));
}

TEST_F(Reponses, GmdssWordsEndAtAnyBlankAndUnsafeOnesAreSkipped)
{
    std::string texte = "avant GMDSS_METAREA1\nA\nGMDSS_METAREA2\tB\nGMDSS_METAREA/../../x C\n"
                        "GMDSS_METAREA1 D";
    vEclateBulletinsGmdss(texte.data());
    EXPECT_EQ(lockdir(), (std::set<std::string>{"GMDSS_METAREA1.txt", "GMDSS_METAREA2.txt"}));
    // The second of two equal words wins.
    EXPECT_EQ(lireFichier("lockdir/GMDSS_METAREA1.txt"), "GMDSS_METAREA1 D");
    EXPECT_EQ(lireFichier("lockdir/GMDSS_METAREA2.txt"), "GMDSS_METAREA2\tB");
    EXPECT_EQ(horsLockdir().count("x"), 0u);
    EXPECT_NE(journal().find("sans nom utilisable"), std::string::npos);
}

TEST_F(Reponses, AnAnswerWithoutDataOrMarkerIsFiledAsItsMessage)
{
    int ok = -1;
    EXPECT_EQ(iAnalyseRequeteHttp(nullptr, 0, ok), 0);
    EXPECT_EQ(ok, 0);
    const struct {
        std::string reponse;
        int cr, ok;
        std::set<std::string> fichiers;
    } cas[] = {
        {"Rien a voir", 0, 1, {"message.txt"}},
        // Taken by the service, though no file is filed.
        {"QUENBREL2 1 3 5 5 court.grb" + std::string(65, ' ') + "12345abcde", 1, 0,
         {"message.txt"}},
        // Data of a type the format does not have.
        {"QUENBREL2 1 7 5 9 autre.bin" + std::string(65, ' ') + "12345abcdefghi", 1, 0,
         {"message.txt"}},
        {"QUENBREL2 1 3 5 20 coupe.grb" + std::string(64, ' ') + "12345abc", 0, 0,
         {"message.txt"}},
        // No data file carries the message: it is filed alone.
        {"QUENBREL2 1 1 5 0 vide.txt" + std::string(66, ' ') + "12345", 1, 0, {"message.txt"}},
        {"QUENBREL2 1 2 5 5 p.jpg" + std::string(69, ' ') + "12345abcde", 1, 0, {"message.txt"}},
        {"QUENBREL2 1 0 5 0 -" + std::string(73, ' ') + "12345", 1, 0, {"message.txt"}},
        {"QUENBREL2 1 3 5 8 ok.grb" + std::string(68, ' ') + "12345abcdefgh", 1, 1,
         {"message.txt", "ok.grb"}},
    };
    for (const auto& c : cas) {
        std::filesystem::remove_all("lockdir");
        std::filesystem::create_directory("lockdir");
        char* r = static_cast<char*>(std::malloc(c.reponse.size() + 1));
        std::memcpy(r, c.reponse.c_str(), c.reponse.size() + 1);
        EXPECT_EQ(iAnalyseRequeteHttp(r, int(c.reponse.size()), ok), c.cr) << c.reponse;
        EXPECT_EQ(ok, c.ok) << c.reponse;
        EXPECT_EQ(lockdir(), c.fichiers) << c.reponse;
        if (c.reponse.find("coupe.grb") != std::string::npos) {
            EXPECT_EQ(lireFichier("lockdir/message.txt"),
                      "12345\nTransfert incomplet : 100 / 117 octets\n");
        }
    }
    EXPECT_EQ(lireFichier("lockdir/ok.grb"), "abcdefgh");
    EXPECT_EQ(lireFichier("lockdir/message.txt"), "ok.grb, 8 bytes/octets\n12345");
}

// A request the service refused ends as a failure of its slot, red in its
// popup, with the service's message filed; an accepted request ends green.
TEST_F(Reponses, ARefusedRequestEndsRedInItsPopup)
{
    auto envoyer = [](const std::string& code) {
        const int canal = iReserverCanal();
        auto* s = new InstantaneHttp;
        s->texte = texteBulletins({code});
        s->email = "bord@exemple.org";
        s->lien = lienCanal(canal);
        s->envoi.type = 1;
        s->envoi.texte = s->texte;
        vHttpBullTimeout(s);
        const int phase = structHTTP[canal].phase.load();
        AffichageCanal a;
        const ActionCanal action = pasCanal(canal, a);
        vLibererCanal(canal);
        EXPECT_EQ(action, CANAL_MONTRER_FIN) << code;
        return std::make_pair(phase, a.fond);
    };
    ASSERT_TRUE(service().bVariante("catalogue"));
    EXPECT_EQ(envoyer("NAVTEX_4_NEW-ORLEANS_FORECSAT"),
              std::make_pair(int(PHASE_REFUSEE), FOND_ECHEC_HTTP));
    EXPECT_EQ(lireFichier("lockdir/message.txt"),
              "Produit inconnu : NAVTEX_4_NEW-ORLEANS_FORECSAT\n");
    EXPECT_FALSE(existe("etc/envois.txt"));
    EXPECT_EQ(envoyer("NAVTEX_4_NEW-ORLEANS_FORECAST"),
              std::make_pair(int(PHASE_RECUE), Fl_Color(63)));
    const std::string nom = "bulletins_" + std::to_string(derniere(service())) + ".txt";
    EXPECT_EQ(lireFichier("lockdir/" + nom).substr(0, 30 + ESSAI.size()),
              "NAVTEX_4_NEW-ORLEANS_FORECAST\n" + ESSAI);
    ASSERT_TRUE(service().bVariante("normale"));
}

// The service's message keeps its name: a data file the service names
// after it is refused, whatever its type, and the message tells why; the
// request the service took is recorded.
TEST_F(Reponses, ADataFileNamedAsTheMessageIsRefused)
{
    for (const bool bulletins : {false, true}) {
        std::filesystem::remove_all("lockdir");
        std::filesystem::create_directory("lockdir");
        ASSERT_TRUE(service().bVariante("nom:message.txt"));
        const std::string texte = bulletins ? texteBulletins({"NAVTEX_FQ"}) : texteGrib();
        EXPECT_EQ(iTransferer(texte, bulletins ? nullptr : "secret-du-bord", bulletins),
                  PHASE_NON_CLASSEE);
        EXPECT_EQ(lockdir(), std::set<std::string>{"message.txt"});
        const std::string recu = lireFichier("lockdir/message.txt");
        const int n = derniere(service());
        EXPECT_NE(recu.find("Requete " + std::to_string(n) + " traitee : message.txt"),
                  std::string::npos) << recu;
        EXPECT_NE(recu.find("Fichier refuse : nom \"message.txt\" inutilisable"),
                  std::string::npos) << recu;
        EXPECT_EQ(recu.find(ESSAI), std::string::npos) << "no bulletin in the message";
        EXPECT_TRUE(existe("etc/envois.txt"));
        std::filesystem::remove("etc/envois.txt");
    }
}

// A GMDSS bulletin whose first word cannot name a file: the others are
// filed, the message names it, and the send ends red, recorded as the
// service took it.
TEST_F(Reponses, AGmdssBulletinWithoutAUsableNameIsToldInTheMessage)
{
    const std::string mot51 = "GMDSS_METAREA2_" + std::string(36, 'M');
    const std::string mot52 = "GMDSS_METAREA3_" + std::string(37, 'N');
    const std::string mot80 = "GMDSS_METAREA4_" + std::string(65, 'L');
    std::string texte = texteBulletins({"GMDSS_METAREA1_OFFSHORE"});
    texte.insert(texte.find("@mto@reqt@fin@"), mot51 + "\n" + mot52 + "\n" + mot80 + "\n");
    EXPECT_EQ(iTransferer(texte, nullptr, true), PHASE_NON_CLASSEE);
    EXPECT_EQ(lockdir(), (std::set<std::string>{"GMDSS_METAREA1_OFFSHORE.txt", mot51 + ".txt",
                                                "message.txt"}));
    const int n = derniere(service());
    EXPECT_EQ(lireFichier("lockdir/message.txt"),
              message(n, "gmdss_" + std::to_string(n) + ".txt", "GMDSS") +
                  "\nBulletin non classe : \"" + mot52 + "\"\nBulletin non classe : \"" +
                  mot80.substr(0, 64) + "...\"\n");
    EXPECT_TRUE(existe("etc/envois.txt"));
}

// Every file the answers leave has the mode of a file the program creates:
// 0666 less the umask.
TEST_F(Reponses, ReceivedFilesGetTheModeOfANewFile)
{
    const mode_t masque = umask(027);
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_RECUE);
    EXPECT_EQ(iTransferer(texteBulletins({"GMDSS_METAREA1_OFFSHORE"}), nullptr, true),
              PHASE_RECUE);
    Fl::lock();
    EXPECT_EQ(iTransferer(texteBulletins({"SAT_GLOBE2"}), nullptr, true), PHASE_RECUE);
    Fl::unlock();
    umask(masque);
    const std::set<std::string> fichiers = lockdir();
    EXPECT_EQ(fichiers.size(), 3u);
    std::vector<std::string> chemins = {"globe.jpg", "etc/messages.txt"};
    for (const std::string& f : fichiers)
        chemins.push_back("lockdir/" + f);
    for (const std::string& c : chemins) {
        struct stat st;
        ASSERT_EQ(stat(c.c_str(), &st), 0) << c;
        EXPECT_EQ(st.st_mode & 07777, 0640u) << c;
    }
}

// A server that keeps the connection open once the whole answer is sent:
// the answer is filed as soon as it is there, not at the silence limit.
TEST_F(Reponses, AWholeAnswerIsFiledThoughTheServerStaysOpen)
{
    DELAIS_HTTP.silenceMs = 120000;
    ASSERT_TRUE(service().bVariante("silence"));
    const int canal = iLancer(texteGrib());
    ASSERT_GE(canal, 0);
    // A bound well within the silence limit: not a measure of speed.
    ASSERT_TRUE(bAttendreQue([&] { return structHTTP[canal].phase.load() == PHASE_RECUE; }, 90));
    const std::string nom = "service_" + std::to_string(derniere(service())) + ".grb.bz2";
    EXPECT_TRUE(memesOctets(sortie("bzip2 -dc lockdir/" + nom), GRIB));
    EXPECT_TRUE(existe("etc/envois.txt"));
    // Nor does text before the marker hold it.
    ASSERT_TRUE(service().bVariante("silence:Proxy-Connection: close"));
    const int suivant = iLancer(texteGrib());
    ASSERT_GE(suivant, 0);
    ASSERT_TRUE(bAttendreQue([&] { return structHTTP[suivant].phase.load() == PHASE_RECUE; }, 90));
    ASSERT_TRUE(service().bVariante("normale"));
}

// A send whose records cannot all be written ends red, while what it
// brought stays filed: the history on a disk that fills (cut back to what
// it held), the send log or the saved requests' folder unusable.
TEST_F(Reponses, ASendWhoseRecordIsNotWrittenEndsRedAndItsFileStaysFiled)
{
    const std::string ancien = texteTest(400000, 9);
    enum Blocage { PLEIN, DOSSIER, FICHIER };
    const struct {
        const char* chemin;
        Blocage blocage;
    } cas[] = {{"etc/messages.txt", PLEIN}, {"etc/envois.txt", DOSSIER}, {"etc/grib", FICHIER}};
    for (const auto& c : cas) {
        ecrireFichier("etc/messages.txt", ancien);
        if (c.blocage != PLEIN)
            std::filesystem::remove_all(c.chemin);
        if (c.blocage == DOSSIER)
            std::filesystem::create_directory(c.chemin);
        if (c.blocage == FICHIER)
            ecrireFichier(c.chemin, "");
        int phase = PHASE_RIEN;
        {
            DisquePlein plein(c.blocage == PLEIN ? ancien.size() + 6 : RLIM_INFINITY);
            phase = iTransferer(texteGrib());
        }
        EXPECT_EQ(phase, PHASE_NON_ENREGISTREE) << c.chemin;
        const std::string nom = "service_" + std::to_string(derniere(service())) + ".grb.bz2";
        EXPECT_EQ(lireFichier("lockdir/" + nom).substr(0, 3), "BZh") << c.chemin;
        EXPECT_TRUE(memesOctets(lireFichier("etc/messages.txt").substr(0, ancien.size()), ancien));
        EXPECT_EQ(lireFichier("etc/messages.txt").size() == ancien.size(), c.blocage == PLEIN);
        std::filesystem::remove_all("lockdir");
        std::filesystem::remove_all(c.chemin);
        std::filesystem::create_directories("lockdir");
        std::filesystem::create_directories("etc/grib");
    }
}

// A data file the disk cannot take: the message the user keeps names the
// file in the note that says it was not written, and in no head line.
TEST_F(Reponses, ADataFileTheDiskCannotTakeIsToldInTheKeptMessage)
{
    ASSERT_TRUE(service().bVariante("taille:1000000"));
    {
        DisquePlein plein(500000);
        EXPECT_EQ(iTransferer(texteGrib()), PHASE_NON_CLASSEE);
    }
    const std::string nom = "service_" + std::to_string(derniere(service())) + ".grb";
    EXPECT_EQ(lockdir(), std::set<std::string>{"message.txt"});
    const std::string recu = lireFichier("lockdir/message.txt");
    EXPECT_EQ(recu.find(" bytes/octets"), std::string::npos) << recu;
    EXPECT_NE(recu.find("\nFichier non ecrit : disque plein ou dossier protege (" + nom + ")\n"),
              std::string::npos) << recu;
}

// A data file of a few octets is no file: the message the user keeps names
// it in the note that says it was not filed, and in no head line.
TEST_F(Reponses, ADataFileTooShortToFileIsToldInTheKeptMessage)
{
    ASSERT_TRUE(service().bVariante("taille:5"));
    EXPECT_EQ(iTransferer(texteGrib()), PHASE_NON_CLASSEE);
    const std::string nom = "service_" + std::to_string(derniere(service())) + ".grb";
    EXPECT_EQ(lockdir(), std::set<std::string>{"message.txt"});
    const std::string recu = lireFichier("lockdir/message.txt");
    EXPECT_EQ(recu.find(" bytes/octets"), std::string::npos) << recu;
    EXPECT_NE(recu.find("\nFichier trop court, non classe (" + nom + ")\n"), std::string::npos)
        << recu;
}

// A request the service took is recorded alike whether its answer brought
// no data or a few octets too short to file: the history lists neither,
// and the message kept names no file in a head line.
TEST_F(Reponses, AnAcceptedAnswerIsRecordedWhetherItBroughtNoDataOrTooFew)
{
    const struct {
        int octets;
        int phase;
    } cas[] = {{0, PHASE_SANS_DONNEES}, {5, PHASE_NON_CLASSEE}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.octets);
        for (const char* d : {"lockdir", "etc/grib"}) {
            std::filesystem::remove_all(d);
            std::filesystem::create_directories(d);
        }
        std::filesystem::remove("etc/envois.txt");
        ASSERT_TRUE(service().bVariante("taille:" + std::to_string(c.octets)));
        EXPECT_EQ(iTransferer(texteGrib()), c.phase);
        EXPECT_EQ(nBlocsEnvoi(lireFichier("etc/envois.txt")), 1u);
        EXPECT_FALSE(std::filesystem::is_empty("etc/grib"));
        EXPECT_FALSE(existe("etc/messages.txt"));
        const int n = derniere(service());
        const std::string recu = lireFichier("lockdir/message.txt");
        EXPECT_EQ(recu.rfind(message(n, "service_" + std::to_string(n) + ".grb", "donnees"), 0), 0u)
            << recu;
    }
    ASSERT_TRUE(service().bVariante("normale"));
}
