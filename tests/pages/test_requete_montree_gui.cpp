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
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/horloge.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <functional>
#include <string>

namespace {

class RequeteMontree : public RequeteurTest {
protected:
    RequeteMontree()
    {
        heurecourante = 10;
        jourcourant = 1;
    }
    ~RequeteMontree() override { heurecourante = jourcourant = 0; }

    // Typed key by key into a field whose text is first selected ('\b'
    // is the backspace key), then Enter or the focus given to `ailleurs`.
    // While typing, the field keeps the keys and the request its text.
    void saisir(spinnerPosition* champ, const std::string& touches, Fl_Widget* ailleurs = nullptr)
    {
        champ->input.take_focus();
        champ->input.position(0, champ->input.size());
        const std::string avant = texte(page->tamponGrib);
        std::string tape = champ->input.value();
        bool premiere = true;
        for (char t : touches) {
            const char lettre[2] = {t, 0};
            harnais::vTouche(&poste->fenetre, t == '\b' ? FL_BackSpace : t, lettre);
            if (premiere)
                tape.clear();
            else if (t == '\b' && !tape.empty())
                tape.pop_back();
            if (t != '\b')
                tape += t;
            premiere = false;
            EXPECT_EQ(champ->input.value(), tape) << touches;
            EXPECT_EQ(texte(page->tamponGrib), avant) << touches;
        }
        if (ailleurs)
            ailleurs->take_focus();
        else
            harnais::vTouche(&poste->fenetre, FL_Enter, "\r");
    }
    // The moving zone over the forecast time `heure` alone.
    void seulTemps(const char* heure)
    {
        page->titreValidites->do_callback();
        for (classeBoutonImage** b = page->boutonsEcheances; *b; ++b)
            if ((*b)->value())
                basculer(*b);
        basculer(bouton(page->boutonsEcheances, heure));
    }
    void capVitesse(double cap, double vitesse)
    {
        page->champCap->value(cap);
        page->champVitesse->value(vitesse);
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
};

const std::string NON = "Deplacement : Non", OUI = "Deplacement : Oui";

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

TEST_F(RequeteMontree, CourseAndSpeedTypedAreTakenWhenEnteredAsTheRequestHoldsThem)
{
    modele("Monde");  // the validities 18 to 36 pressed: a moving zone is kept
    spinnerPosition* cap = page->champCap;
    spinnerPosition* vitesse = page->champVitesse;
    // In order: each starts where the one before ended.
    const struct {
        spinnerPosition* champ;
        const char* touches;
        bool entree;  // else the other field takes the focus
        const char *capMontre, *vitesseMontree, *ligne;
    } cas[] = {
        {vitesse, "10", true, "0", "10.0", "V 0 10.0"},
        {cap, "400", true, "0", "10.0", "V 0 10.0"},
        {cap, "270.9", false, "270", "10.0", "V 270 10.0"},
        {cap, "045", true, "45", "10.0", "V 45 10.0"},
        {cap, "400", false, "45", "10.0", "V 45 10.0"},
        {cap, "359.9", true, "359", "10.0", "V 359 10.0"},
        {cap, "-45", true, "0", "10.0", "V 0 10.0"},
        {vitesse, "0.04", true, "0", "0.0", ""},
        {vitesse, "12.25", false, "0", "12.2", "V 0 12.2"},
        {vitesse, "250", true, "0", "99.9", "V 0 99.9"},
        {vitesse, "-3", true, "0", "0.0", ""},
    };
    for (const auto& c : cas) {
        saisir(c.champ, c.touches, c.entree ? nullptr : (c.champ == cap ? vitesse : cap));
        const std::string quoi = std::string(c.champ == cap ? "cap " : "vitesse ") + c.touches;
        EXPECT_STREQ(cap->input.value(), c.capMontre) << quoi;
        EXPECT_STREQ(vitesse->input.value(), c.vitesseMontree) << quoi;
        const std::string t = texte(page->tamponGrib);
        if (*c.ligne)
            EXPECT_TRUE(bLigne(c.ligne)) << quoi << "\n" << t;
        else
            EXPECT_EQ(t.find("\nV"), std::string::npos) << quoi << "\n" << t;
        EXPECT_STREQ(page->titreDeplacement->label(),
                     pcTraduire(*c.ligne ? OUI.c_str() : NON.c_str()))
            << quoi;
    }
}

TEST_F(RequeteMontree, DaysTypedAreTakenWhenEntered)
{
    modele("Monde");
    Abonnement* a = page->abonnementGrib;
    ASSERT_NE(a, nullptr);
    a->boutonContenu->value(1);
    a->boutonContenu->do_callback();
    const struct {
        const char* touches;
        bool entree;
        const char *montre, *ligne;
    } cas[] = {
        {"\b0", true, "2", "A 2"},  {"\b20", true, "20", "A 20"}, {"400", false, "360", "A 360"},
        {"7", true, "7", "A 7"},    {"09", true, "9", "A 9"},     {"\b", false, "2", "A 2"},
    };
    for (const auto& c : cas) {
        saisir(a->champJours, c.touches, c.entree ? nullptr : page->editeurGrib);
        EXPECT_STREQ(a->champJours->input.value(), c.montre) << c.touches;
        EXPECT_TRUE(bLigne(c.ligne)) << c.touches << "\n" << texte(page->tamponGrib);
        EXPECT_TRUE(a->boutonPendant->value()) << c.touches;
    }
}

TEST_F(RequeteMontree, AMovingZoneLeavingItsModelIsNotSentUntilItsFrameFits)
{
    construireVue();
    page->carte->zoom(48, 8, 30, 1);
    cliquer(page->boutonZone);
    ASSERT_TRUE(bouton(page->boutonsModeles, "Europe")->value());
    seulTemps("36");
    cadre(50, 46, 0, 10);
    const std::string refusee = "0 - " + std::string(pcTraduire(NON.c_str())) + " 0 1";
    const std::string acceptee = "1 V 0 70.0 " + std::string(pcTraduire(OUI.c_str())) + " 1 0";
    // 26 hours north at 70 knots: past the model's 72 N.
    capVitesse(0, 70);
    EXPECT_EQ(mobile(), refusee);
    EXPECT_STREQ(page->carte->chargement, pcTraduire("Deplacement hors des limites du modele"));
    // Another change of the request keeps it back.
    basculer(bouton(page->boutonsParametresGrib, "Pmer"));
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
    capVitesse(0, 1);
    EXPECT_EQ(mobile(), "1 V 0 1.0 " + std::string(pcTraduire(OUI.c_str())) + " 1 0");
    capVitesse(0, 0);
    EXPECT_EQ(mobile(), "0 - " + std::string(pcTraduire(NON.c_str())) + " 1 0");
}

TEST_F(RequeteMontree, ThePackagesPageAfterTheGribPageShowsNoneOfItsState)
{
    construireVue();
    page->carte->zoom(48, 8, 30, 1);
    cliquer(page->boutonZone);
    seulTemps("36");
    cadre(50, 46, 0, 10);
    capVitesse(0, 70);
    ASSERT_EQ(page->carte->chargementAffiche, 1);
    ASSERT_STRNE(page->volumeGrib->value(), "0");
    for (int b : {GBI_GRIB, GBI_FORFAITS})
        cliquer(page->boutonsGBI[b]);
    ASSERT_TRUE(page->modeForfaits);
    EXPECT_EQ(page->carte->chargementAffiche, 0);
    EXPECT_EQ(texte(page->tamponGrib), "");
    EXPECT_STREQ(page->volumeGrib->value(), "0");
    EXPECT_STREQ(page->coutGrib->value(), "0.0");
    EXPECT_FALSE(page->boutonEnvoyer->active());
}
