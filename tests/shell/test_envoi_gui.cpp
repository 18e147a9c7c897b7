// Sends in the whole program. The send window, opened by the request page's
// system request outside connected mode, dropped by a language switch
// while its direct send waits on a silent service: the send ends at its
// limit and the program ends cleanly. A SIGTERM while a mail dialogue or
// the connected system request waits on a silent server: the program
// ends by its normal shutdown, the send's thread with it.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "pages/vr.h"
#include "shell/gui.h"
#include "transport/canaux.h"
#include "transport/popup_http.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"
#include "transport/windows_send.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/langage.h"

#include "tests/outils/service_factice.h"
#include "tests/shell/programme_test.h"
#include "tests/transport/serveur_smtp.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

void vCliquer(Fl_Widget* w)
{
    harnais::vCliquer(w->top_window(), w->x() + w->w() / 2, w->y() + w->h() / 2);
}

std::string sJournal(WindowsSend* f)
{
    char* t = f->tamponJournal->text();
    std::string s = t;
    std::free(t);
    return s;
}

// The program pointed at a silent stand-in service, and its working folder.
class EnvoiProgramme : public ::testing::Test {
protected:
    // The message catalogues and these settings.
    void vPreparer(const std::string& config)
    {
        std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                                  dossier / "loc");
        std::filesystem::create_directory(dossier / "etc");
        ecrireFichier(dossier / "etc/config.txt", config);
    }

    harnais::ChienDeGarde garde{180};
    ServiceFactice service{{"--variante", "blocage"}};
    VariableTemporaire hote{"QUENBREL2_SERVICE_HOTE", "127.0.0.1"};
    VariableTemporaire port{"QUENBREL2_SERVICE_PORT", service.sPort()};
    DossierTemporaire dossier;
};

// The system request button pressed, `enAttente` seen while the server is
// silent, then SIGTERM: the loop ends and the shutdown leaves no transfer
// running (it waits for them at most two seconds).
void vSigtermPendant(const DossierTemporaire& dossier, const std::function<bool()>& enAttente)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    vCliquer(gvr[0]->boutonSysteme);
    if (WindowsSend* fenetre = fenetreEnvoi) {
        ASSERT_TRUE(harnais::bMontrer(fenetre));
        vCliquer(fenetre->boutonEnvoiDirect);
    }
    ASSERT_TRUE(harnais::bAttendre(enAttente));
    ASSERT_EQ(iTransfertsEnCours(), 1);
    std::raise(SIGTERM);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    programme.vArreter();
    EXPECT_EQ(iTransfertsEnCours(), 0);
    const std::string log = lireFichier(dossier / "log.txt");
    EXPECT_EQ(log.find("transferts encore en cours"), std::string::npos);
    EXPECT_NE(log.find("Fin du programme"), std::string::npos);
}

}  // namespace

TEST_F(EnvoiProgramme, ALanguageSwitchDropsTheSendWindowWhileItsSendIsStalled)
{
    ASSERT_GT(service.port(), 0);
    vPreparer("@main\nconnect 0\n@fin\n@smtp\nbord moi@bord.example smtp.bord.example 25 1 "
              "secret-du-bord\n@fin\n@end\n");
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    DELAIS_HTTP.premierOctetMs = 1500;
    ASSERT_EQ(MODE_CONNECTE, 0);

    vCliquer(gvr[0]->boutonSysteme);
    WindowsSend* fenetre = fenetreEnvoi;
    ASSERT_NE(fenetre, nullptr);
    EXPECT_STREQ(fenetre->texte, "@mto@reqt@sys@infos");
    ASSERT_TRUE(harnais::bMontrer(fenetre));
    vCliquer(fenetre->boutonEnvoiHttp);
    ASSERT_TRUE(harnais::bAttendre([fenetre] { return sJournal(fenetre).find("->") != std::string::npos; }));
    ASSERT_EQ(iTransfertsEnCours(), 1);

    change_langage("en");
    EXPECT_EQ(fenetreEnvoi, nullptr);
    EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
    ASSERT_FALSE(service.connexions().empty());
    EXPECT_EQ(service.connexions().back().at("texte"), "@mto@reqt@sys@infos");
    programme.vArreter();
}

TEST_F(EnvoiProgramme, ASigtermWhileTheMailServerIsSilentEndsTheProgram)
{
    ServeurSmtp smtp({"--bloquer-helo"});
    ASSERT_GT(smtp.port(), 0);
    vPreparer("@main\nconnect 0\n@fin\n@smtp\nbord moi@bord.example 127.0.0.1 " +
              std::to_string(smtp.port()) + " 1 NULL\n@fin\n@end\n");
    vSigtermPendant(dossier, [] {
        return fenetreEnvoi && sJournal(fenetreEnvoi).find("\n220 smtp-reel.test") != std::string::npos;
    });
    EXPECT_NE(lireFichier(dossier / "log.txt").find("<SMTP> ECHEC : arret du programme"),
              std::string::npos);
}

TEST_F(EnvoiProgramme, ASigtermWhileTheServiceIsSilentToTheSystemRequestEndsTheProgram)
{
    ASSERT_GT(service.port(), 0);
    vPreparer("@main\nconnect 1\n@fin\n@smtp\n@fin\n@end\n");
    // The popup shows the connection: its poll runs while the request waits.
    vSigtermPendant(dossier, [] {
        const TYPEDEF_HTTP& c = structHTTP[0];
        return c.popup && c.popup->affichage.html.find("Connexion OK") != std::string::npos &&
               c.phase.load() == PHASE_ENVOYEE;
    });
    EXPECT_NE(lireFichier(dossier / "log.txt").find("arret du programme"), std::string::npos);
}
