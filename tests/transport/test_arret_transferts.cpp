// The program's shutdown while a transfer and a mail send still wait on the
// resolution of a name: once it has begun, they write nothing to the log,
// record nothing, and read only what they own (a run under ThreadSanitizer
// checks the log and its closing).
#include "gribdata/globales.h"
#include "transport/envoi_smtp.h"
#include "transport/prise.h"

#include "tests/transport/transfert_test.h"

#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <unistd.h>

namespace {

using ArretTransferts = Transfert;

// Name resolutions held until the test lets them go, then made on the
// loopback address.
std::mutex verrou;
std::condition_variable reveil;
int entrees = 0;
bool libres = false;

int iResolutionRetenue(const char*, const char* port, const addrinfo* demande, addrinfo** r)
{
    {
        std::unique_lock<std::mutex> l(verrou);
        ++entrees;
        reveil.notify_all();
        reveil.wait(l, [] { return libres; });
    }
    return getaddrinfo("127.0.0.1", port, demande, r);
}

// Lets the resolutions go and puts getaddrinfo back, however the test ends.
void vLiberer()
{
    {
        std::lock_guard<std::mutex> l(verrou);
        libres = true;
    }
    reveil.notify_all();
}

struct Retenue {
    Retenue() { resolutionNoms = iResolutionRetenue; }
    ~Retenue()
    {
        vLiberer();
        resolutionNoms = getaddrinfo;
    }
};

}  // namespace

TEST_F(ArretTransferts, AShutdownDuringAStalledNameResolutionLeavesTheLogAndRecordsAlone)
{
    Retenue retenue;
    auto* grib = new InstantaneHttp;
    grib->texte = grib->envoi.texte = texteGrib();
    grib->envoi.corps = "corps\n";
    grib->email = "bord@exemple.org";
    grib->service.hote = "service.quenbrel.test";
    grib->lien = lienCanal(iReserverCanal());
    ASSERT_TRUE(bLancerTransfert(vHttpGribTimeout, grib));
    auto mail = std::make_shared<TravailSmtp>();
    mail->serveur = "smtp.quenbrel.test";
    mail->de = "moi@bord.example";
    mail->a = "service@quenbrel.test";
    mail->texte = mail->envoi.texte = texteGrib();
    mail->enregistrer = true;
    vEnvoyerSmtp(mail);
    {
        std::unique_lock<std::mutex> l(verrou);
        ASSERT_TRUE(reveil.wait_for(l, std::chrono::seconds(30), [] { return entrees == 2; }));
    }
    // The shutdown as the program runs it: the transfers told, a wait that
    // they outlast, the log closed.
    vArretTransferts();
    EXPECT_FALSE(bAttendreTransferts(0.05));
    vFermerJournal();
    const std::string ferme = journal();
    // Nor on the standard output, where a closed log used to send lines.
    const std::string sortie = dossier / "sortie.txt";
    std::fflush(stdout);
    const int garde = dup(1);
    const int fichier = open(sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fichier, 1);
    close(fichier);
    vLiberer();
    const bool finis = bAttendreFin();
    vJournal("<TEST>", "refuse\n");
    std::fflush(stdout);
    dup2(garde, 1);
    close(garde);
    ASSERT_TRUE(finis);
    EXPECT_EQ(journal(), ferme) << "nothing written after the close";
    EXPECT_EQ(lireFichier(sortie), "");
    EXPECT_FALSE(existe("etc/envois.txt"));
    EXPECT_FALSE(existe("etc/messages.txt"));
    EXPECT_EQ(iEnregistrerEnvoi(mail->envoi, 0), -1);
    EXPECT_TRUE(std::filesystem::is_empty("etc/grib"));
    EXPECT_TRUE(lockdir().empty());
    vInitialiserCanaux();
}
