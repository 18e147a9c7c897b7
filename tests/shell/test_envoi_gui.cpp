// The send window in the whole program: opened by the request page's system
// request outside connected mode, then dropped by a language switch while
// its direct send waits on a silent service; the send ends at its limit
// and the program ends cleanly.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "pages/vr.h"
#include "shell/gui.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"
#include "transport/windows_send.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/langage.h"

#include "tests/outils/service_factice.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <cstdio>
#include <filesystem>
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

}  // namespace

TEST(EnvoiProgramme, ALanguageSwitchDropsTheSendWindowWhileItsSendIsStalled)
{
    harnais::ChienDeGarde garde(180);
    ServiceFactice service({"--variante", "blocage"});
    ASSERT_GT(service.port(), 0);
    VariableTemporaire hote("QUENBREL2_SERVICE_HOTE", "127.0.0.1");
    VariableTemporaire port("QUENBREL2_SERVICE_PORT", service.sPort());
    DossierTemporaire dossier;
    std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                              dossier / "loc");
    std::filesystem::create_directory(dossier / "etc");
    ecrireFichier(dossier / "etc/config.txt",
                  "@main\nconnect 0\n@fin\n@smtp\nbord moi@bord.example smtp.bord.example 25 1 "
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
