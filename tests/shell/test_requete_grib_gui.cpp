// A whole GRIB request composed on the request page of the program in
// process, at a fixed hour and weekday with the French catalogue: the
// frame dragged onto 10 N 0 E - 0 N 10 E, the model, mesh, parameters,
// land data and forecast times chosen; the text with its volume and cost
// worked out by hand; sent over HTTP to the stand-in service, whose GRIB
// answer opens in a viewer page, then by mail to a real SMTP server.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "map/fdc.h"
#include "pages/spinner_output.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "transport/requete.h"
#include "transport/threads_http.h"
#include "transport/windows_send.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/local.h"

#include "tests/outils/service_factice.h"
#include "tests/shell/programme_test.h"
#include "tests/transport/serveur_smtp.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void vCliquer(Fl_Widget* w)
{
    harnais::vCliquer(w->top_window(), w->x() + w->w() / 2, w->y() + w->h() / 2);
}

// What a press does to a button of a folded section: its new state, then
// its callback.
void vAppuyer(Fl_Button* b)
{
    ASSERT_NE(b, nullptr);
    if (b->type() == FL_TOGGLE_BUTTON)
        b->value(!b->value());
    else if (b->type() == FL_RADIO_BUTTON)
        b->setonly();
    b->do_callback();
}

Fl_Button* pBouton(classeBoutonImage** boutons, const std::string& libelle)
{
    for (; boutons && *boutons; ++boutons)
        if (libelle == (*boutons)->label())
            return *boutons;
    return nullptr;
}

Fl_Button* pValidite(classeBoutonImage** boutons, int numero)
{
    for (; boutons && *boutons; ++boutons)
        if ((*boutons)->shortcut() == numero)
            return *boutons;
    return nullptr;
}

Fl_Button* pPas(vr* page, const char* libelle)
{
    Fl_Group* contenu = page->sectionsGrib[SECTION_ECHEANCES].contenu;
    for (int i = 0; contenu && i < contenu->children(); ++i)
        if (auto* b = dynamic_cast<Fl_Button*>(contenu->child(i)))
            if (b->label() && std::string(b->label()) == pcTraduire(libelle))
                return b;
    return nullptr;
}

std::string sTexte(Fl_Text_Buffer* tampon)
{
    char* t = tampon->text();
    std::string s = t;
    std::free(t);
    return s;
}

void vPage(int page)
{
    Fl_Button bouton(0, 0, 1, 1);
    bouton.shortcut(page);
    vBoutonRequeteurVisualisateurAideCallback(&bouton, nullptr);
}

class RequeteGrib : public ::testing::Test {
protected:
    RequeteGrib()
    {
        std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                                  dossier / "loc");
        std::filesystem::create_directory(dossier / "etc");
        ecrireFichier(dossier / "etc/config.txt",
                      "@main\nonglets 0 0\nconnect 1\n@fin\n@smtp\nbord moi@bord.example "
                      "127.0.0.1 " + std::to_string(smtp.port()) +
                          " 1 secret-du-bord\n@fin\n@end\n");
    }
    // The zone fields.
    CadreZone champs() const { return page->cadreZone(); }
    // Drags the inside of the frame until its north-west corner is on
    // (nord, ouest).
    void vDeplacer(double nord, double ouest)
    {
        fdc* c = page->carte;
        for (int essai = 0; essai < 4; ++essai) {
            const CadreZone z = champs();
            if (z.nord == nord && z.ouest == ouest)
                return;
            const int gauche = c->x() + c->cadreGauche, haut = c->y() + c->cadreHaut;
            const int x0 = gauche + c->cadreLargeur / 2, y0 = haut + c->cadreHauteur / 2;
            const int dx = c->x() + c->iColonne(ouest) - gauche;
            const int dy = c->y() + int(c->dLigne(nord)) - haut;
            harnais::vGlisser(GUI, x0, y0, x0 + dx, y0 + dy);
        }
    }
    // Drags the frame's corner onto (sud, est).
    void vCoin(double sud, double est)
    {
        fdc* c = page->carte;
        const int x0 = c->x() + c->cadreGauche + c->cadreLargeur - 2;
        const int y0 = c->y() + c->cadreHaut + c->cadreHauteur - 2;
        harnais::vGlisser(GUI, x0, y0, c->x() + c->iColonne(est), c->y() + int(c->dLigne(sud)));
    }
    std::string texte() const { return sTexte(page->tamponGrib); }
    void vEnvoyer()
    {
        ASSERT_TRUE(page->boutonEnvoyer->active());
        vCliquer(page->boutonEnvoyer);
        ASSERT_NE(fenetreEnvoi, nullptr);
        ASSERT_TRUE(harnais::bMontrer(fenetreEnvoi));
    }

    ServiceFactice service{{}};
    VariableTemporaire hote{"QUENBREL2_SERVICE_HOTE", "127.0.0.1"};
    VariableTemporaire port{"QUENBREL2_SERVICE_PORT", service.sPort()};
    ServeurSmtp smtp;
    DossierTemporaire dossier;
    vr* page = nullptr;
};

}  // namespace

TEST_F(RequeteGrib, ComposedOnThePageSentByHttpAndByMailTheAnswerViewed)
{
    harnais::ChienDeGarde garde(240);
    ASSERT_GT(service.port(), 0);
    ASSERT_GT(smtp.port(), 0);
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    // The clock keeps still: 10 h UTC on a Monday.
    Fl::remove_timeout(clock_Date);
    heurecourante = 10;
    jourcourant = 1;
    ASSERT_EQ(MODE_CONNECTE, 1);
    page = gvr[0];
    fdc* c = page->carte;
    c->chargementAffiche = 0;
    c->zoom(5, 5, 30, 1);
    ASSERT_TRUE(harnais::bRedessiner(GUI));

    vCliquer(page->boutonZone);
    ASSERT_EQ(c->overlay, 1);
    vDeplacer(10, 0);
    ASSERT_DOUBLE_EQ(champs().nord, 10);
    ASSERT_DOUBLE_EQ(champs().ouest, 0);
    vCoin(0, 10);
    const CadreZone z = champs();
    ASSERT_EQ(std::vector<double>({z.nord, z.sud, z.ouest, z.est}),
              std::vector<double>({10, 0, 0, 10}));

    vAppuyer(pBouton(page->boutonsModeles, "Monde"));
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    vAppuyer(pBouton(page->boutonsMailles, "0.5"));
    vAppuyer(pBouton(page->boutonsParametresGrib, pcTraduire("Pmer")));
    vAppuyer(page->boutonTerre);
    vAppuyer(page->titreValidites);
    vAppuyer(pPas(page, "Raz"));
    for (const char* t : {"0", "12", "24", "36", "48", "60", "72"})
        vAppuyer(pBouton(page->boutonsEcheances, t));
    const std::string attendu = "@mto@reqt@grib@\nA 1\nZ 5.000 5.000 10.000 10.000\nM 0.5\n"
                                "D monde\nP vent pmer \nE 0 12 24 36 48 60 72 \nC bzip2\nF 0\n" +
                                page->requeteGrib->ligneS + "\n@mto@reqt@fin@\n";
    EXPECT_EQ(sTexte(page->editeurGrib->buffer()), attendu);
    EXPECT_EQ(texte(), attendu);
    // 7 times of vent (2 x (441 + 83)) and pmer (441 + 83): 11004 octets;
    // 7 x 1323 values at 0.00048 euro: 4.44528.
    EXPECT_STREQ(page->volumeGrib->value(), "11.004");
    EXPECT_STREQ(page->coutGrib->value(), "4.44");

    // Connected: the send window's direct HTTP send, which hands the page's
    // request to a transfer thread.
    vEnvoyer();
    EXPECT_EQ(std::string(fenetreEnvoi->texte), attendu);
    const size_t avant = service.connexions().size();
    vCliquer(fenetreEnvoi->boutonEnvoiDirect);
    ASSERT_TRUE(harnais::bAttendre([&] { return service.connexions().size() > avant; }, 60));
    EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
    EXPECT_EQ(service.connexions().back().at("texte"), attendu);
    EXPECT_NE(lireFichier(dossier / "etc/envois.txt").find("\n\n" + attendu), std::string::npos);
    // The answer's GRIB file opens in the first viewer page.
    EXPECT_TRUE(harnais::bAttendre(
        [] { return std::string(gvr[1]->titreVisualisateur->label()).rfind("service_", 0) == 0; },
        60));
    EXPECT_EQ(GUI->onglets->value(), gvr[1]);

    // Not connected: the mail layout's direct send to the real server.
    // The HTTP send window hid itself and gave the page its button back.
    EXPECT_FALSE(fenetreEnvoi->shown());
    vPage(0);
    vCliquer(page->boutonConnecter);
    ASSERT_EQ(MODE_CONNECTE, 0);
    // The switch drops the bulletin choice and the send button with it; the
    // request rendered again gives it back.
    vCliquer(page->boutonsCompression[1]);
    vCliquer(page->boutonsCompression[2]);
    vEnvoyer();
    vCliquer(fenetreEnvoi->boutonEnvoiDirect);
    // The dialogue runs on a thread: its outcome ends the journal.
    const std::string ok = pcTraduire("SENDING MAIL ... OK");
    ASSERT_TRUE(harnais::bAttendre(
        [&ok] { return sTexte(fenetreEnvoi->tamponJournal).find(ok) != std::string::npos; }, 60))
        << sTexte(fenetreEnvoi->tamponJournal);
    const std::vector<Courrier> courriers = smtp.courriers();
    ASSERT_EQ(courriers.size(), 1u);
    EXPECT_EQ(courriers[0].corps(), attendu);
    vCliquer(fenetreEnvoi->boutonFermer);

    // Pmer alone at the validities 18 to 36: 4 x 524 octets, 1764 values.
    vAppuyer(pBouton(page->boutonsParametresGrib, pcTraduire("Vent")));
    vAppuyer(page->titreEcheances);
    vAppuyer(pPas(page, "Raz"));
    for (int v : {18, 24, 30, 36})
        vAppuyer(pValidite(page->boutonsValiditesGrib, v));
    EXPECT_NE(texte().find("\nP pmer \nG 18 24 30 36 \n"), std::string::npos) << texte();
    EXPECT_STREQ(page->volumeGrib->value(), "2.096");
    EXPECT_STREQ(page->coutGrib->value(), "0.84");

    // 60 by 60 degrees at an eighth of a degree: too large to send.
    const double bornes[4] = {30, -30, -30, 30};
    for (int i = 0; i < 4; ++i)
        page->champsZone[i]->value(bornes[i]);
    c->overlay_output(2);
    vAppuyer(pBouton(page->boutonsMailles, "0.125"));
    vAppuyer(pBouton(page->boutonsParametresGrib, pcTraduire("Pmer")));
    vAppuyer(pBouton(page->boutonsParametresGrib, pcTraduire("Vent")));
    EXPECT_NE(texte().find("\nD mondehr\n"), std::string::npos) << texte();
    EXPECT_NE(texte().find("\nP vent \n"), std::string::npos) << texte();
    EXPECT_STREQ(page->coutGrib->value(), pcTraduire("Interdit"));
    EXPECT_FALSE(page->boutonEnvoyer->active());
    programme.vArreter();
}
