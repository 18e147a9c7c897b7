// The progress popups under an X server: what the poll writes into them,
// their colours read back, their places, the button they hold, and the
// alert when every slot is taken. The poll is called directly, one step
// at a time, its own timeout removed.
#include <gtest/gtest.h>

#include "transport/popup_http.h"
#include "transport/requete.h"
#include "transport/threads_http.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/palette.h"

#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Help_View.H>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class Popups : public ::testing::Test {
protected:
    Popups()
    {
        skins();
        vInitialiserCanaux();
    }
    ~Popups() override { vDetruirePopupsHttp("<TEST>"); }

    // The slot's popup after one poll.
    static PopupWindow* pPas(int canal)
    {
        TimeoutHttp(structHTTP[canal].handle);
        Fl::remove_timeout(TimeoutHttp, structHTTP[canal].handle);
        return structHTTP[canal].popup;
    }
    static int iOccurrences(const std::string& texte, const std::string& motif)
    {
        int n = 0;
        for (size_t i = 0; (i = texte.find(motif, i)) != std::string::npos; i += motif.size())
            ++n;
        return n;
    }
    // The text as it reads: tags dropped, blanks run together.
    static std::string sansBalises(const std::string& html)
    {
        std::string t;
        bool balise = false;
        for (char c : html) {
            if (c == '<' || c == '>')
                balise = c == '<';
            else if (!balise && !(c == ' ' && !t.empty() && t.back() == ' '))
                t += c;
        }
        return t;
    }
    // Relative luminance of a colour, and the contrast of two.
    static double dLuminance(Fl_Color couleur)
    {
        unsigned char rgb[3];
        Fl::get_color(couleur, rgb[0], rgb[1], rgb[2]);
        double l[3];
        for (int i = 0; i < 3; ++i) {
            const double v = rgb[i] / 255.0;
            l[i] = v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
    }
    static double dContraste(double a, double b)
    {
        return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    }
    // The colours of the text's font tags.
    static std::vector<Fl_Color> couleursHtml(const std::string& html)
    {
        std::vector<Fl_Color> couleurs;
        const std::string motif = "color=\"#";
        for (size_t i = 0; (i = html.find(motif, i)) != std::string::npos; i += motif.size()) {
            const unsigned long rgb = std::stoul(html.substr(i + motif.size(), 6), nullptr, 16);
            couleurs.push_back(Fl_Color(rgb << 8));
        }
        return couleurs;
    }
    // The help view's background, inside its frame.
    static bool bFond(PopupWindow* p, Fl_Color couleur)
    {
        if (!harnais::bRedessiner(p))
            return false;
        unsigned char r, g, b;
        Fl::get_color(couleur, r, g, b);
        const auto v = harnais::pixel(p, p->w() - 10, p->h() - 8);
        return std::abs(v[0] - r) <= 3 && std::abs(v[1] - g) <= 3 && std::abs(v[2] - b) <= 3;
    }
};

}  // namespace

TEST_F(Popups, APopupFollowsItsSlotToTheGreenEndAndGivesTheButtonBack)
{
    Fl_Double_Window fenetre(200, 100);
    classeBouton bouton(10, 10, 100, 30, "Envoyer");
    fenetre.end();
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    const int canal = popupHttp(&bouton);
    ASSERT_EQ(canal, 0);
    Fl::remove_timeout(TimeoutHttp, structHTTP[canal].handle);
    PopupWindow* p = structHTTP[canal].popup;
    ASSERT_TRUE(harnais::bAttendre([&] { return p->shown() && p->visible(); }));
    EXPECT_FALSE(bouton.active());
    EXPECT_TRUE(bFond(p, 95));
    ASSERT_TRUE(bLierCanal(lienCanal(canal)));
    TYPEDEF_HTTP& c = structHTTP[canal];
    c.phase = PHASE_ENVOYEE;
    pPas(canal);
    pPas(canal);
    c.attendu = 2000;
    for (int pourcent : {5, 40, 95}) {
        c.pourcent = pourcent;
        c.phase = PHASE_RECEPTION;
        pPas(canal);
    }
    const std::string texte = p->aide->value();
    EXPECT_EQ(iOccurrences(texte, "Connexion OK, envoi de la requete"), 1) << texte;
    EXPECT_EQ(iOccurrences(texte, "Reception:"), 1) << texte;
    EXPECT_NE(texte.find("  95% ,    2000 bytes"), std::string::npos) << texte;
    const int hauteur = p->h();
    EXPECT_EQ(hauteur, p->aide->size() + 12);
    c.phase = PHASE_RECUE;
    pPas(canal);
    EXPECT_TRUE(bFond(p, 63)) << "green once received";
    EXPECT_NE(std::string(p->aide->value()).find("Termine..."), std::string::npos);
    EXPECT_GT(p->h(), hauteur) << "the popup grows with its text";
    for (int i = 0; i < 10; ++i) {
        pPas(canal);
        EXPECT_FALSE(bouton.active()) << i;
    }
    pPas(canal);
    EXPECT_TRUE(bouton.active());
    EXPECT_FALSE(p->visible());
    EXPECT_EQ(c.etat.load(), 0);
}

TEST_F(Popups, NoConnectionEndsRedAndTwoPopupsLieTwentyPixelsApart)
{
    const int premier = popupHttp(nullptr);
    const int second = popupHttp(nullptr);
    ASSERT_EQ(second, premier + 1);
    PopupWindow* a = structHTTP[premier].popup;
    PopupWindow* b = structHTTP[second].popup;
    for (int canal : {premier, second})
        Fl::remove_timeout(TimeoutHttp, structHTTP[canal].handle);
    ASSERT_TRUE(harnais::bAttendre([&] { return a->shown() && b->shown(); }));
    EXPECT_EQ(b->x() - a->x(), 20);
    EXPECT_EQ(b->y() - a->y(), 20);
    ASSERT_TRUE(bLierCanal(lienCanal(second)));
    structHTTP[second].phase = PHASE_CONNEXION;
    pPas(second);
    EXPECT_TRUE(bFond(b, FOND_ECHEC_HTTP)) << "red when there is no connection";
    EXPECT_NE(std::string(b->aide->value()).find("Connexion impossible"), std::string::npos);
}

// A failed connection told in the running language alone, every text of
// the popup readable on its background (contrast of at least 4.5:1).
TEST_F(Popups, AFailedConnectionSpeaksOneLanguageInReadableColours)
{
    DossierCatalogues catalogues;
    const struct {
        const char* langue;
        const char* titre;
        const char* echec;
    } cas[] = {{"fr", "Requête HTTP", "Connexion impossible"},
               {"en", "HTTP request", "Connection failed"},
               {"de", "HTTP-Anfrage", "Verbindung fehlgeschlagen"},
               {"sp", "Petición HTTP", "Conexión fallida"}};
    for (const auto& c : cas) {
        local catalogue(c.langue);
        langage = &catalogue;
        const int canal = popupHttp(nullptr);
        Fl::remove_timeout(TimeoutHttp, structHTTP[canal].handle);
        ASSERT_TRUE(bLierCanal(lienCanal(canal)));
        structHTTP[canal].phase = PHASE_CONNEXION;
        PopupWindow* p = pPas(canal);
        langage = nullptr;
        EXPECT_EQ(sansBalises(p->aide->value()), std::string(c.titre) + ": " + c.echec) << c.langue;
        const double fond = dLuminance(p->aide->color());
        EXPECT_TRUE(bFond(p, p->aide->color())) << c.langue;
        EXPECT_GE(dContraste(fond, dLuminance(p->aide->textcolor())), 4.5) << c.langue;
        for (Fl_Color texte : couleursHtml(p->aide->value()))
            EXPECT_GE(dContraste(fond, dLuminance(texte)), 4.5) << c.langue << " " << texte;
        vLibererCanal(canal);
    }
}

TEST_F(Popups, WithEverySlotTakenASendIsRefusedWithAnAlert)
{
    for (int i = 0; i < HTTP_CANAUX; ++i)
        ASSERT_GE(iReserverCanal(), 0);
    requete grib(nullptr, 0);
    classeBouton bouton(0, 0, 10, 10);
    std::string alerte;
    harnais::vRepondreBoite([&](Fl_Window* boite) {
        alerte = pTexteMessage()->label();
        Fl_Button* b = pBoutonMessage(0);
        harnais::vCliquer(boite, b->x() + b->w() / 2, b->y() + b->h() / 2);
    });
    EXPECT_EQ(iEnvoyerTexte(grib.instantane(), true, "bord@exemple.org", "secret-du-bord",
                            &bouton),
              -1);
    EXPECT_EQ(alerte, "Trop de transferts en cours, reessayez plus tard");
    EXPECT_EQ(iTransfertsEnCours(), 0);
    EXPECT_TRUE(bouton.active());
}
