// The GRIB request page under Xvfb shows what its request sends: the
// compression choice after the request is reset, course, speed and days
// typed key by key and taken when entered, a moving zone that leaves its
// model, and the packages page opened after the GRIB page.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/requeteur_test.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "routes/spinner_position.h"
#include "tests/ui/harnais_gui.h"
#include "transport/crochets_envoi.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <functional>
#include <string>

namespace {

class RequeteMontree : public RequeteurTest {
protected:
    // Typed key by key into a field whose text is first selected ('\b'
    // is the backspace key), then Enter or the focus given to the editor.
    // While typing, the field keeps the keys and the request its text.
    void saisir(spinnerPosition* champ, const std::string& touches, bool entree)
    {
        champ->input.take_focus();
        champ->input.position(0, champ->input.size());
        const std::string avant = texte(page->tamponGrib);
        std::string tape;
        for (char t : touches) {
            const char lettre[2] = {t, 0};
            harnais::vTouche(&poste->fenetre, t == '\b' ? FL_BackSpace : t, lettre);
            if (t != '\b')
                tape += t;
            else if (!tape.empty())
                tape.pop_back();
            EXPECT_EQ(champ->input.value(), tape) << touches;
            EXPECT_EQ(texte(page->tamponGrib), avant) << touches;
        }
        if (entree)
            harnais::vTouche(&poste->fenetre, FL_Enter, "\r");
        else
            page->editeurGrib->take_focus();
    }
    // Europe over 46 to 50 N, 0 to 10 E, the forecast time 36 alone: 26
    // hours ahead of the run at 10 h.
    void europe()
    {
        construireVue();
        page->carte->zoom(48, 8, 30, 1);
        cliquer(page->boutonZone);
        ASSERT_TRUE(bouton(page->boutonsModeles, "Europe")->value());
        page->titreValidites->do_callback();
        for (classeBoutonImage** b = page->boutonsEcheances; *b; ++b)
            if ((*b)->value())
                basculer(*b);
        basculer(bouton(page->boutonsEcheances, "36"));
        cadre(50, 46, 0, 10);
    }
    void vitesse(double noeuds)
    {
        page->champVitesse->value(noeuds);
        page->champVitesse->do_callback();
    }
    // The frame moved through the zone fields, as by their wheel.
    void cadre(double n, double s, double w, double e)
    {
        page->setCoordonnees(n, s, w, e);
        page->carte->overlay_output(2);
    }
    // "flag V-line title send message".
    std::string mobile() const
    {
        const std::string t = texte(page->tamponGrib);
        const size_t v = t.find("\nV ");
        return std::to_string(page->deplacement) + " " +
               (v == std::string::npos ? "-" : t.substr(v + 1, t.find('\n', v + 1) - v - 1)) +
               " " + page->titreDeplacement->label() + " " +
               std::to_string(page->boutonEnvoyer->active()) + " " +
               std::to_string(page->carte->chargementAffiche);
    }

    HeureFixe heure;
};

}  // namespace

TEST_F(RequeteMontree, TheCompressionShownIsSentAgainAfterEachReset)
{
    const struct {
        const char* nom;
        std::function<void()> reinitialiser;
    } reinitialisations[] = {
        {"zone released and pressed",
         [this] {
             cliquer(page->boutonZone);
             cliquer(page->boutonZone);
         }},
        {"Grib, Forfaits, Grib",
         [this] {
             for (int b : {GBI_GRIB, GBI_FORFAITS, GBI_FORFAITS, GBI_GRIB})
                 cliquer(page->boutonsGBI[b]);
             ASSERT_FALSE(page->modeForfaits);
             cliquer(page->boutonZone);
         }},
    };
    const char* const lignes[] = {"", "C gzip", "C bzip2"};
    for (const auto& r : reinitialisations)
        for (int i : {0, 1, 2}) {
            modele("Monde");
            cliquer(page->boutonsCompression[i]);
            r.reinitialiser();
            choisirModele("Monde");
            for (int j = 0; j < 3; ++j)
                EXPECT_EQ(page->boutonsCompression[j]->value(), i == j) << r.nom << " " << i;
            const std::string t = texte(page->tamponGrib);
            ASSERT_NE(t.find("\nD monde\n"), std::string::npos) << r.nom << "\n" << t;
            if (i == 0)
                EXPECT_EQ(t.find("\nC"), std::string::npos) << r.nom << "\n" << t;
            else
                EXPECT_TRUE(bLigne(lignes[i])) << r.nom << "\n" << t;
        }
}

TEST_F(RequeteMontree, TypedValuesAreTakenWhenEnteredAsTheRequestHoldsThem)
{
    modele("Monde");  // the validities 18 to 36 pressed: a moving zone is kept
    Abonnement* a = page->abonnementGrib;
    a->boutonContenu->value(1);
    a->boutonContenu->do_callback();
    spinnerPosition *cap = page->champCap, *noeuds = page->champVitesse, *jours = a->champJours;
    // In order: each starts where the one before ended; not entered: left.
    const struct {
        spinnerPosition* champ;
        const char* touches;
        bool entree;
        const char *montre, *ligne;  // no "V" line for ""
    } cas[] = {
        {noeuds, "10", true, "10.0", "V 0 10.0"},     {cap, "400", true, "0", "V 0 10.0"},
        {cap, "270.9", false, "270", "V 270 10.0"},   {cap, "045", true, "45", "V 45 10.0"},
        {cap, "400", false, "45", "V 45 10.0"},       {cap, "-45", true, "0", "V 0 10.0"},
        {noeuds, "0.04", true, "0.0", ""},            {noeuds, "12.25", false, "12.2", "V 0 12.2"},
        {noeuds, "250", true, "99.9", "V 0 99.9"},    {jours, "\b0", true, "2", "A 2"},
        {jours, "\b20", true, "20", "A 20"},          {jours, "400", false, "360", "A 360"},
        {jours, "\b", false, "2", "A 2"},
    };
    for (const auto& c : cas) {
        saisir(c.champ, c.touches, c.entree);
        const std::string t = texte(page->tamponGrib);
        EXPECT_STREQ(c.champ->input.value(), c.montre) << c.touches;
        if (*c.ligne)
            EXPECT_TRUE(bLigne(c.ligne)) << c.touches << "\n" << t;
        else
            EXPECT_EQ(t.find("\nV"), std::string::npos) << c.touches << "\n" << t;
    }
    EXPECT_TRUE(a->boutonPendant->value());
}

TEST_F(RequeteMontree, AMovingZoneLeavingItsModelIsNotSentUntilItsFrameFits)
{
    europe();
    const std::string non = pcTraduire("Deplacement : Non"), oui = pcTraduire("Deplacement : Oui");
    const std::string refusee = "0 - " + non + " 0 1", acceptee = "1 V 0 70.0 " + oui + " 1 0";
    // 26 hours north at 70 knots: past the model's 72 N.
    vitesse(70);
    EXPECT_EQ(mobile(), refusee);
    EXPECT_STREQ(page->carte->chargement, pcTraduire("Deplacement hors des limites du modele"));
    // Another change of the request keeps it back, and so does the send
    // window when it closes.
    basculer(bouton(page->boutonsParametresGrib, "Pmer"));
    EXPECT_EQ(mobile(), refusee);
    vInstallerCrochetsEnvoi();
    crochetsEnvoi.reactiverEnvoi();
    EXPECT_EQ(mobile(), refusee);
    const struct {
        double n, s;
        const std::string& attendu;
    } cadres[] = {{40, 36, acceptee}, {50, 46, refusee}, {52, 48, refusee}, {38, 34, acceptee}};
    for (const auto& c : cadres) {
        cadre(c.n, c.s, 0, 10);
        EXPECT_EQ(mobile(), c.attendu) << c.n;
    }
    cadre(50, 46, 0, 10);
    vitesse(1);
    EXPECT_EQ(mobile(), "1 V 0 1.0 " + oui + " 1 0");
    vitesse(0);
    EXPECT_EQ(mobile(), "0 - " + non + " 1 0");
}

TEST_F(RequeteMontree, ThePackagesPageAfterTheGribPageShowsNoneOfItsState)
{
    europe();
    vitesse(70);
    ASSERT_EQ(page->carte->chargementAffiche, 1);
    ASSERT_STRNE(page->volumeGrib->value(), "0");
    for (int b : {GBI_GRIB, GBI_FORFAITS})
        cliquer(page->boutonsGBI[b]);
    ASSERT_TRUE(page->modeForfaits);
    EXPECT_EQ(page->carte->chargementAffiche, 0);
    EXPECT_EQ(texte(page->tamponGrib), "");
    EXPECT_STREQ(page->volumeGrib->value(), "0");
    EXPECT_STREQ(page->coutGrib->value(), "0.0");
}
