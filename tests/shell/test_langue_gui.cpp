// A language switch in the whole program: every page relabelled at once,
// checked widget by widget against the catalogue files read by the test's
// own parser; the full cycle of languages redrawn under the sanitizers;
// the iso menus, the French bulletin sections, the viewer pages, the
// satellite caption, the map's scale and model domains, missing entries,
// catalogues and help documents.

// Google Test first: the X11 headers behind the recording driver define
// macros (None, Bool) that its own headers use as names.
#include <gtest/gtest.h>

#include "map/fdc.h"
#include "map/satellite.h"
#include "pages/abonnement.h"
#include "pages/regles_echeances.h"
#include "pages/vr.h"
#include "routes/dru_routes.h"
#include "shell/gui.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/langage.h"
#include "ui/local.h"

#include "ecriture_grib_test.h"
#include "tests/map/pilote_enregistreur.h"
#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"
#include "tests/ui/textes_entiers.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

using Catalogue = std::map<std::string, std::string>;

// "@key" opens an entry, its text runs to the next empty line; "#" lines
// outside an entry are comments.
Catalogue catalogue(const std::filesystem::path& fichier)
{
    Catalogue c;
    std::ifstream f(fichier);
    std::string ligne, cle, texte;
    bool dedans = false;
    auto fermer = [&] {
        if (dedans)
            c.emplace(cle, texte);
        dedans = false;
    };
    while (std::getline(f, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        if (!dedans) {
            if (!ligne.empty() && ligne[0] == '@')
                cle = ligne.substr(1), texte.clear(), dedans = true;
        } else if (ligne.empty()) {
            fermer();
        } else {
            texte += (texte.empty() ? "" : "\n") + ligne;
        }
    }
    fermer();
    return c;
}

// What a widget shows: its label and tooltip, "\x01" for none.
struct Textes {
    std::string libelle, bulle;
};
using Releve = std::map<Fl_Widget*, Textes>;

std::string sTexte(const char* t)
{
    return t ? std::string(t) : std::string("\x01");
}

void vRelever(Fl_Widget* w, Releve& r, const Fl_Widget* sauf)
{
    if (w == sauf)
        return;
    r[w] = {sTexte(w->label()), sTexte(w->tooltip())};
    if (Fl_Group* g = w->as_group())
        for (int i = 0; i < g->children(); ++i)
            vRelever(g->child(i), r, sauf);
}

// Every widget under `racine`, but for the subtree of `sauf`.
Releve releve(Fl_Widget* racine, const Fl_Widget* sauf = nullptr)
{
    Releve r;
    vRelever(racine, r, sauf);
    return r;
}

// The widgets whose text points into the catalogue's buffer, which the
// next reload frees.
std::vector<std::string> dansLeCatalogue(const Releve& r)
{
    std::vector<std::string> fautes;
    const char* debut = langage->texte;
    const char* fin = debut + langage->taille + 1;
    for (const auto& [w, t] : r)
        for (const char* p : {w->label(), w->tooltip()})
            if (p && p >= debut && p < fin)
                fautes.push_back(p);
    return fautes;
}

// Texts the pages show as they stand in every language.
const std::set<std::string> LITTERAUX = {"Beaufort", "1", "2", "3", "4", "5", "6"};

class Langue : public ::testing::Test {
protected:
    Langue()
    {
        std::filesystem::copy(std::string(QUENBREL_SOURCE_DIR) + "/data/loc", dossier / "loc",
                              std::filesystem::copy_options::recursive);
    }

    void demarrer()
    {
        programme = std::make_unique<ProgrammeEnProcessus>(dossier.chemin());
        ASSERT_TRUE(programme->bAttendreChargement());
        fr = catalogue(dossier / "loc/messages.fr.mac");
        en = catalogue(dossier / "loc/messages.en.mac");
    }

    // Pressure and wind at two times on a small grid, in page 1.
    void ouvrirFichier()
    {
        std::vector<ChampEcrit> champs;
        for (int heures : {0, 6})
            for (auto [parametre, valeur] : {std::pair{2, 101000.0}, {33, 5.0}, {34, -3.0}}) {
                ChampEcrit c = champUniforme(parametre, valeur + heures, heures);
                c.ni = 21, c.nj = 21, c.la1 = 50000, c.lo1 = -20000;
                champs.push_back(c);
            }
        std::filesystem::create_directories(dossier / "dat");
        ecrireFichier(dossier / "dat/vent.grb", sMessagesGrib(champs));
        ASSERT_EQ(gvr[1]->grib((dossier / "dat/vent.grb").c_str(), 0), 1);
    }

    // The texts the English catalogue gives for a text shown in French:
    // through every key whose French text it is; a day label of the
    // forecast times is made with "Jour".
    std::set<std::string> attendus(const std::string& montre) const
    {
        std::set<std::string> cles, r;
        for (const auto& [cle, texte] : fr)
            if (texte == montre)
                cles.insert(cle);
        // A text is its own key when it is one, or when it is shown as it
        // stands (no entry, or a text the pages do not look up).
        if (cles.empty() || fr.count(montre))
            cles.insert(montre);
        for (const std::string& cle : cles) {
            auto e = en.find(cle);
            r.insert(e == en.end() ? cle : e->second);
        }
        for (int n = 0; n < 16; ++n)
            if (montre == sLibelleJour(fr.at("Jour").c_str(), n))
                r.insert(sLibelleJour(en.at("Jour").c_str(), n));
        if (LITTERAUX.count(montre))
            r.insert(montre);
        return r;
    }

    // Every widget of the page before a switch to English and after it.
    // The route window, which rebuilds its rows in its own step of the
    // switch, is left out.
    void verifierPage(Fl_Widget* racine, const Releve& avant, const std::set<Fl_Widget*>& exclus)
    {
        const Releve apres = releve(racine, Dru_Routes);
        EXPECT_EQ(apres.size(), avant.size()) << "no widget is made or lost by a switch";
        int vus = 0;
        for (const auto& [w, t] : avant) {
            auto a = apres.find(w);
            if (a == apres.end() || exclus.count(w))
                continue;
            ++vus;
            for (auto [f, e] : {std::pair{t.libelle, a->second.libelle}, {t.bulle, a->second.bulle}})
                if (f != "\x01" && !attendus(f).count(e))
                    ADD_FAILURE() << "\"" << f << "\" became \"" << e << "\"";
        }
        EXPECT_GT(vus, 50);
    }

    // Every page in front in turn, with each product page of page 0,
    // drawn; every text read.
    void redessinerTout()
    {
        vr* requeteur = gvr[0];
        for (int i = 0; i < ngvr; ++i) {
            GUI->onglets->value(gvr[i]);
            const int produits = i == 0 ? GBI_ROUTES : 1;
            for (int n = 0; n < produits; ++n) {
                if (i == 0)
                    vr::vBoutonGBICallback(requeteur->boutonsGBI[n], requeteur);
                GUI->redraw();
                Fl::flush();
            }
            // Every text read whole: a freed one is caught by the sanitizer.
            size_t octets = 0;
            for (const auto& [w, t] : releve(gvr[i]))
                octets += t.libelle.size() + t.bulle.size();
            EXPECT_GT(octets, 0u);
        }
        GUI->onglets->value(gvr[0]);
    }

    // A file of every parameter the viewer draws, at four times over
    // three days, in page 1.
    void ouvrirFichierComplet()
    {
        std::vector<ChampEcrit> champs;
        for (int heures : {0, 6, 30, 54})
            for (int parametre :
                 {2, 11, 33, 34, 49, 50, 52, 61, 80, 101, 104, 107, 109, 176, 200}) {
                ChampEcrit c = champUniforme(parametre, 1.0 + heures, heures);
                c.ni = 21, c.nj = 21, c.la1 = 50000, c.lo1 = -20000;
                champs.push_back(c);
            }
        std::filesystem::create_directories(dossier / "dat");
        ecrireFichier(dossier / "dat/tout.grb", sMessagesGrib(champs));
        ASSERT_EQ(gvr[1]->grib((dossier / "dat/tout.grb").c_str(), 0), 1);
    }

    // The texts of `racine` that do not show whole, once drawn, told with
    // the language and the page.
    void vParcourir(const std::string& ou, Fl_Widget* racine,
                    const std::set<Fl_Widget*>& sauf = {})
    {
        ASSERT_TRUE(harnais::bRedessiner(GUI));
        for (const std::string& f : harnais::textesCoupes(racine, sauf, &enBulle))
            coupes.push_back(langage->langue + (" " + ou) + ": " + f);
    }

    // The same with each scroll area under `w` that shows its scrollbar,
    // dragged by it to its middle and its end, then back at the top.
    void vParcourirDefilements(const std::string& ou, Fl_Widget* racine, Fl_Widget* w = nullptr)
    {
        w = w ? w : racine;
        for (int i = 0; w->visible_r() && w->as_group() && i < w->as_group()->children(); ++i)
            vParcourirDefilements(ou, racine, w->as_group()->child(i));
        Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(w);
        if (!s || !s->visible_r() || !s->scrollbar.visible())
            return;
        const int fin = int(s->scrollbar.maximum());
        for (int position : {fin / 2, fin, 0}) {
            vDefiler(s, position);
            if (position)
                vParcourir(ou + " scrolled to " + std::to_string(position), racine);
        }
    }

    // A drag of the scrollbar in steps, each step drawn as the toolkit
    // draws a scroll: what stays in view copied, the rest drawn anew.
    static void vDefiler(Fl_Scroll* s, int position)
    {
        const int depart = int(s->scrollbar.value());
        for (int k = 1; k <= 8; ++k) {
            s->scrollbar.value(depart + (position - depart) * k / 8);
            s->scrollbar.do_callback();
            Fl::flush();
        }
    }

    DossierTemporaire dossier;
    std::unique_ptr<ProgrammeEnProcessus> programme;
    Catalogue fr, en;
    std::vector<std::string> coupes;
    std::set<std::string> enBulle;  // texts shown whole only in a tooltip
};

std::string sLabelsSousCarte(const vr& page)
{
    std::string s;
    for (Fl_Box* b : {page.boiteTitre, page.boiteSecond, page.boiteGauche, page.boiteDroite})
        s += sTexte(b->label()) + "|";
    return s;
}

void vCliquer(Fl_Widget* w)
{
    harnais::vCliquer(w->top_window(), w->x() + w->w() / 2, w->y() + w->h() / 2);
}

// A widget of the forecast-times section's content by its label.
Fl_Widget* pDansEcheances(const vr& page, const std::string& libelle)
{
    const Fl_Group* contenu = page.sectionsGrib[SECTION_ECHEANCES].contenu;
    for (int i = 0; contenu && i < contenu->children(); ++i)
        if (contenu->child(i)->label() && libelle == contenu->child(i)->label())
            return contenu->child(i);
    return nullptr;
}

// The GRIB page in front with a frame, the model of code `modele` chosen
// and every section open.
void vGribOuvert(vr& page, int modele)
{
    vr::vBoutonGBICallback(page.boutonsGBI[GBI_GRIB], &page);
    if (!page.zoneExiste) {
        page.boutonZone->value(1);
        page.boutonZone->do_callback();
    }
    for (classeBoutonImage** b = page.boutonsModeles; b && *b; ++b)
        if ((*b)->shortcut() == modele) {
            (*b)->setonly();
            (*b)->do_callback();
        }
    page.boutonDeplierTout->value(1);
    page.boutonDeplierTout->do_callback();
}

// Product page `n` of the request page in front, its sections open.
void vProduitOuvert(vr& page, int n)
{
    vr::vBoutonGBICallback(page.boutonsGBI[n], &page);
    for (SectionGrib& s : page.sectionsBulletins)
        if (s.deplier && !s.deplier->value()) {
            s.deplier->value(1);
            s.deplier->do_callback();
        }
    for (SectionGrib& s : page.sectionsImages)
        if (s.deplier && !s.deplier->value()) {
            s.deplier->value(1);
            s.deplier->do_callback();
        }
}

}  // namespace

TEST_F(Langue, TheIsoMenusHeadersStandWhereTheTableSays)
{
    const std::map<int, std::string> entetes = {
        {1, "Isobares"},        {10, "Isothermes"}, {21, "Vent"},     {27, "beaufort"},
        {30, "Hauteur"},        {38, "etat de la mer"}, {41, "Courant"}, {51, "Periode"},
        {61, "Humidite"},       {70, "Précipitations"}};
    for (const auto& [position, texte] : entetes)
        EXPECT_STREQ(vr::MenuTable[position].text, texte.c_str()) << position;
}

TEST_F(Langue, TheFullCycleRedrawsEveryPageAndClosesTheChartWindow)
{
    harnais::ChienDeGarde chien(600);
    ASSERT_NO_FATAL_FAILURE(demarrer());
    ASSERT_NO_FATAL_FAILURE(ouvrirFichier());
    fdc& carte = *gvr[1]->carte;
    GUI->onglets->value(gvr[1]);
    carte.vFdcHistogramme(40, -10);
    ASSERT_NE(carte.histogrammes, nullptr);
    bool premier = true;
    for (const char* code : {"en", "de", "sp", "fr"}) {
        change_langage(code);
        if (premier) {
            EXPECT_EQ(carte.histogrammes, nullptr) << "closed by the first switch";
        }
        premier = false;
        redessinerTout();
        for (int i = 0; i < ngvr; ++i)
            EXPECT_TRUE(dansLeCatalogue(releve(gvr[i])).empty()) << code << " page " << i;
    }
    EXPECT_EQ(std::string(gvr[0]->boutonZone->label()), fr.at("Selection de la zone"));
}

TEST_F(Langue, EveryLabelAndTooltipFollowsTheEnglishCatalogue)
{
    // A key without an English entry: its French text.
    const std::filesystem::path chemin = dossier / "loc/messages.en.mac";
    std::string texte = lireFichier(chemin);
    const std::string entree = "@Selection de la zone\n";
    const size_t debut = texte.find(entree);
    ASSERT_NE(debut, std::string::npos);
    texte.erase(debut, texte.find("\n\n", debut) + 2 - debut);
    ecrireFichier(chemin, texte);
    ASSERT_NO_FATAL_FAILURE(demarrer());
    ASSERT_NO_FATAL_FAILURE(ouvrirFichier());
    vr& requeteur = *gvr[0];
    vr& visualisateur = *gvr[1];
    const Releve avant0 = releve(&requeteur, Dru_Routes);
    const Releve avant1 = releve(&visualisateur, Dru_Routes);
    EXPECT_TRUE(dansLeCatalogue(avant0).empty());
    EXPECT_TRUE(dansLeCatalogue(avant1).empty());
    change_langage("en");
    verifierPage(&requeteur, avant0, {});
    // The texts under the map are made from the fields (checked below).
    verifierPage(&visualisateur, avant1,
                 {visualisateur.boiteTitre, visualisateur.boiteSecond, visualisateur.boiteGauche,
                  visualisateur.boiteDroite});
    EXPECT_STREQ(requeteur.boutonZone->label(), "Selection de la zone");
    EXPECT_STREQ(requeteur.boutonsGBI[GBI_BULLETINS]->label(), en.at("Bulletins").c_str());
    EXPECT_STREQ(visualisateur.boutonOuvrir->label(), en.at("Ouvrir").c_str());
    EXPECT_TRUE(dansLeCatalogue(releve(&requeteur)).empty());
    EXPECT_TRUE(dansLeCatalogue(releve(&visualisateur)).empty());
    // The help panes on the English document, back at their topics.
    for (AIDE* volet : {requeteur.voletAideGrib, requeteur.voletAideBulletins,
                        requeteur.voletAideForfaits, visualisateur.aideVisu}) {
        EXPECT_STREQ(volet->vue->filename(), "loc/en/infos.htm");
        EXPECT_EQ(volet->sujet->argument(), std::atol(volet->texteSujet));
    }
}

TEST_F(Langue, TheRequestMapsMessageFollowsWhileItShows)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    vr& page = *gvr[0];
    fdc& carte = *page.carte;
    const std::string horsModele = fr.at("Deplacement hors des limites du modele");
    for (bool montre : {true, false}) {
        change_langage("fr");
        std::snprintf(page.messageCarte, sizeof page.messageCarte, "%s", horsModele.c_str());
        std::snprintf(carte.chargement, sizeof carte.chargement, "%s",
                      montre ? horsModele.c_str() : "Chargement");
        carte.chargementAffiche = 1;
        change_langage("en");
        EXPECT_EQ(std::string(carte.chargement),
                  montre ? en.at("Deplacement hors des limites du modele") : "Chargement");
    }
}

TEST_F(Langue, TheIsoMenusAfterEnglishAndAChoiceMadeThen)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    ASSERT_NO_FATAL_FAILURE(ouvrirFichier());
    vr& page = *gvr[1];
    ASSERT_NE(page.menuIso, nullptr);
    change_langage("en");
    for (Fl_Menu_Bar* barre : {page.menuIso, page.menuCache}) {
        const Fl_Menu_Item* items = barre->menu();
        EXPECT_EQ(std::string(items[21].text), en.at("Isotaches"));
        EXPECT_STREQ(items[27].text, "Beaufort");
        EXPECT_EQ(std::string(items[70].text), en.at("Pluie"));
        EXPECT_EQ(std::string(items[38].text), en.at("Etat de la mer"));
        int k = 0;
        for (int position : {0, 9, 20, 29, 40, 50, 60, 69})
            EXPECT_STREQ(items[position].text, vr::LabelMenuTable[k++]);
    }
    fdc& carte = *page.carte;
    page.menuIso->picked(page.menuIso->find_item("P/3"));
    EXPECT_EQ(carte.isobareIntervalle, 3);
    page.menuIso->picked(page.menuIso->find_item("F/Beaufort"));
    EXPECT_EQ(carte.beaufort, 1);
    page.menuIso->picked(page.menuIso->find_item("F/5"));
    EXPECT_EQ(std::make_pair(carte.beaufort, carte.ventIntervalle), std::make_pair(0, 5.0));
    // A rebuilt section takes the hidden menu's headers, in English too.
    ASSERT_NO_FATAL_FAILURE(ouvrirFichier());
    EXPECT_EQ(std::string(page.menuIso->menu()[21].text), en.at("Isotaches"));
}

// The scale's unit of miles and the names of the model domains the
// request map frames are the catalogue's in each language, and the French
// ones are gone.
TEST_F(Langue, TheScaleAndTheModelDomainsOfTheMapFollow)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    fdc& carte = *gvr[0]->carte;
    carte.zoom(45, 2, 40, 1);
    for (const std::string code : {"en", "de", "sp", "fr"}) {
        change_langage(code.c_str());
        const Catalogue c = catalogue(dossier / ("loc/messages." + code + ".mac"));
        GUI->make_current();
        PiloteEnregistreur pilote;
        carte.echelle();
        carte.modeles();
        for (const std::string cle : {"Milles", "Monde", "Europe"}) {
            EXPECT_FALSE(pilote.textes(c.at(cle)).empty()) << code << ": " << c.at(cle);
            if (c.at(cle) != fr.at(cle)) {
                EXPECT_TRUE(pilote.textes(fr.at(cle)).empty()) << code << ": " << fr.at(cle);
            }
        }
    }
}

TEST_F(Langue, PackageNamesAndAutomationTitles)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    vr& page = *gvr[0];
    change_langage("en");
    // The names stand in the rows' order on their boxes; the buttons keep
    // their numbers.
    ASSERT_NE(page.boitesForfaits, nullptr);
    EXPECT_EQ(std::string(page.boitesForfaits[1]->label()), en.at("2x2 Complet"));
    EXPECT_STREQ(page.boutonsForfaits[1]->label(), "2");
    for (Abonnement* a : {page.abonnementGrib, page.abonnementForfaits, page.abonnementBulletins})
        if (a) {
            EXPECT_EQ(std::string(a->titre->label()), en.at("Automatisation : Non"));
        }
    EXPECT_EQ(std::string(page.sectionsImages[0].charger->tooltip()), en.at("Charger une requete"));
}

TEST_F(Langue, TheFrenchBulletinSectionsComeAndGoWithTheirButtons)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    vr& page = *gvr[0];
    SectionGrib& large = page.sectionsBulletins[SECTION_LARGE];
    SectionGrib& cotes = page.sectionsBulletins[SECTION_COTES];
    ASSERT_TRUE(large.titre->visible());
    large.deplier->value(1);
    large.deplier->do_callback();
    ASSERT_TRUE(large.contenu->visible());
    page.boutonsLarge[0]->value(1);
    page.boutonsCotes[1]->value(1);
    change_langage("en");
    for (SectionGrib* s : {&large, &cotes})
        EXPECT_FALSE(s->titre->visible() || s->contenu->visible());
    EXPECT_EQ(std::string(large.libelle->label()), en.at("Large France et Dom-Tom"));
    change_langage("fr");
    EXPECT_TRUE(large.titre->visible() && large.contenu->visible());
    EXPECT_TRUE(cotes.titre->visible());
    EXPECT_FALSE(cotes.contenu->visible()) << "folded as it was";
    EXPECT_EQ(page.boutonsLarge[0]->value(), 1);
    EXPECT_EQ(page.boutonsCotes[1]->value(), 1);
    EXPECT_EQ(std::string(page.sectionsBulletins[SECTION_NAVTEX].libelle->label()),
              fr.at("NAVTEX"));
}

TEST_F(Langue, ViewerPagesAndTheSatelliteCaption)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    ASSERT_NO_FATAL_FAILURE(ouvrirFichier());
    vr& avecFichier = *gvr[1];
    vr& sansFichier = *gvr[2];
    const std::string sousCarteFr = sLabelsSousCarte(avecFichier);
    EXPECT_NE(sousCarteFr.find(fr.at("Reseau de reference")), std::string::npos) << sousCarteFr;
    const char* titreVide = sansFichier.boiteTitre->label();
    std::snprintf(FDCHAINEBUFFER, sizeof FDCHAINEBUFFER, "%s", "2024031512");
    GUI->onglets->value(&sansFichier);
    GUI->redraw();
    Fl::flush();
    ASSERT_EQ(sansFichier.carte->damage(), 0);
    change_langage("en");
    EXPECT_EQ(sansFichier.carte->damage(), 0) << "a map without a file is not displayed again";
    EXPECT_EQ(sansFichier.boiteTitre->label(), titreVide);
    EXPECT_EQ(std::string(sansFichier.boutonFermer->label()), en.at("Fermer"));
    const std::string sousCarteEn = sLabelsSousCarte(avecFichier);
    EXPECT_NE(sousCarteEn.find(en.at("Reseau de reference")), std::string::npos) << sousCarteEn;
    EXPECT_EQ(std::string(FDCHAINE), en.at("Photo Satellite") + " 20240315 - 12 UTC");
}

TEST_F(Langue, AMissingCatalogueLeavesThePagesAsTheyWere)
{
    std::filesystem::remove(dossier / "loc/messages.de.mac");
    ASSERT_NO_FATAL_FAILURE(demarrer());
    change_langage("en");
    const Releve avant = releve(gvr[0], Dru_Routes);
    change_langage("de");
    for (const auto& [w, t] : releve(gvr[0], Dru_Routes)) {
        auto a = avant.find(w);
        ASSERT_NE(a, avant.end());
        EXPECT_EQ(a->second.libelle, t.libelle);
        EXPECT_EQ(a->second.bulle, t.bulle);
    }
}

TEST_F(Langue, AMissingHelpDocumentLeavesTheToolkitsMessageAndALogLine)
{
    std::filesystem::remove(dossier / "loc/sp/infos.htm");
    ASSERT_NO_FATAL_FAILURE(demarrer());
    change_langage("sp");
    AIDE* volet = gvr[0]->voletAideGrib;
    ASSERT_NE(volet->vue->value(), nullptr);
    // The toolkit's own message names the document.
    EXPECT_NE(std::string(volet->vue->value()).find("infos.htm"), std::string::npos);
    EXPECT_NE(lireFichier(dossier / "log.txt").find("document d'aide illisible: loc/sp/infos.htm"),
              std::string::npos);
}

TEST_F(Langue, TheRequestSectionsFollowWhileDrawnAndNothingIsLeftOnceCleared)
{
    harnais::ChienDeGarde chien(600);
    // The GRIB request in front.
    std::filesystem::create_directory(dossier / "etc");
    ecrireFichier(dossier / "etc/config.txt", "@main\nonglets 0 0\n@fin\n@end\n");
    ASSERT_NO_FATAL_FAILURE(demarrer());
    vr& page = *gvr[0];
    GUI->onglets->value(&page);
    page.carte->chargementAffiche = 0;
    page.carte->zoom(5, 5, 30, 1);
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    ASSERT_TRUE(page.boutonZone->visible_r());
    // Twice: the second frame is drawn after a switch made without one.
    for (int tour = 0; tour < 2; ++tour) {
        vCliquer(page.boutonZone);
        ASSERT_EQ(page.zoneExiste, 1) << tour;
        change_langage("en");
        for (const char* cle : {"Pas", "Tous", "Raz"})
            EXPECT_NE(pDansEcheances(page, en.at(cle)), nullptr) << cle << " " << tour;
        if (Fl_Widget* raz = pDansEcheances(page, en.at("Raz"))) {
            EXPECT_EQ(sTexte(raz->tooltip()), en.at("Raz tooltip"));
        }
        EXPECT_EQ(sTexte(page.titreEcheances->label()), en.at("Echeances"));
        change_langage("fr");
        // The switch released takes the sections away with their widgets.
        vCliquer(page.boutonZone);
        ASSERT_EQ(page.zoneExiste, 0) << tour;
        ASSERT_TRUE(harnais::bRedessiner(GUI));
        change_langage("en");
        ASSERT_TRUE(harnais::bRedessiner(GUI));
        change_langage("fr");
        ASSERT_TRUE(harnais::bRedessiner(GUI));
    }
}

TEST_F(Langue, AProgramStartedInEnglishHasTheIsoMenusHeadersInEnglish)
{
    std::filesystem::create_directory(dossier / "etc");
    ecrireFichier(dossier / "etc/config.txt", "@main\nlangage en\n@fin\n@end\n");
    ASSERT_NO_FATAL_FAILURE(demarrer());
    ASSERT_STREQ(langage->langue, "en");
    for (int i = 1; i < ngvr; ++i) {
        const Fl_Menu_Item* items = gvr[i]->menuCache->menu();
        EXPECT_EQ(std::string(items[21].text), en.at("Isotaches")) << i;
        EXPECT_EQ(std::string(items[70].text), en.at("Pluie")) << i;
        EXPECT_STREQ(items[27].text, "Beaufort") << i;
    }
    // A section built from the hidden menu shows them too.
    ASSERT_NO_FATAL_FAILURE(ouvrirFichier());
    EXPECT_EQ(std::string(gvr[1]->menuIso->menu()[21].text), en.at("Isotaches"));
}

// Every text of the request page (each product page with its sections
// open, forecast times and validities), of a viewer page showing a file
// and of the bulletin page shows whole where it is drawn: after a switch
// to each language, and built anew in it, in the window at the sizes
// users have from the smallest, its scroll areas at the top, middle and
// end. The texts under the viewer's map are the map's.
TEST_F(Langue, EveryTextOfThePagesShowsWholeInEachLanguage)
{
    harnais::ChienDeGarde chien(600);
    ASSERT_NO_FATAL_FAILURE(demarrer());
    ASSERT_NO_FATAL_FAILURE(ouvrirFichierComplet());
    vr& page = *gvr[0];
    vr& visualisateur = *gvr[1];
    const std::set<Fl_Widget*> sousCarte = {visualisateur.boiteTitre, visualisateur.boiteSecond,
                                            visualisateur.boiteGauche, visualisateur.boiteDroite};
    // World (its forecast times run to the tenth day) and Vostel (its
    // parameters the most).
    const int MONDE = 1, VOSTEL = 43;
    for (auto [l, h] : {std::pair{770, 539}, {1100, 800}, {1280, 1000}, {1560, 1150}}) {
        GUI->resize(GUI->x(), GUI->y(), l, h);
        GUI->onglets->value(&page);
        vGribOuvert(page, MONDE);
        for (const char* code : {"en", "de", "sp", "fr"}) {
            change_langage(code);
            GUI->onglets->value(&page);
            ASSERT_NO_FATAL_FAILURE(vParcourir("GRIB after the switch", &page));
            for (int modele : {VOSTEL, MONDE}) {
                vGribOuvert(page, modele);
                ASSERT_NO_FATAL_FAILURE(vParcourir("GRIB", &page));
                page.titreEcheances->do_callback();
                ASSERT_NO_FATAL_FAILURE(vParcourir("GRIB validities", &page));
                if (modele == MONDE)
                    vParcourirDefilements("GRIB validities", &page);
                page.titreValidites->do_callback();
            }
            for (int n : {GBI_FORFAITS, GBI_BULLETINS, GBI_IMAGES, GBI_ROUTES}) {
                vProduitOuvert(page, n);
                ASSERT_NO_FATAL_FAILURE(vParcourir("product page " + std::to_string(n), &page));
                vParcourirDefilements("product page " + std::to_string(n), &page);
            }
            vGribOuvert(page, MONDE);
            GUI->onglets->value(&visualisateur);
            ASSERT_NO_FATAL_FAILURE(
                vParcourir("viewer after the switch", &visualisateur, sousCarte));
            ASSERT_NO_FATAL_FAILURE(ouvrirFichierComplet());
            ASSERT_NO_FATAL_FAILURE(vParcourir("viewer", &visualisateur, sousCarte));
        }
    }
    std::string liste;
    for (const std::string& c : coupes)
        liste += c + "\n";
    EXPECT_TRUE(coupes.empty()) << liste;
    // None needs its tooltip.
    EXPECT_TRUE(enBulle.empty());
}

// What the shown widgets under `w` look like (box, alignment, label size),
// by their paths of child indices.
std::map<std::string, std::array<int, 6>> formes(Fl_Widget* w, const std::string& chemin = "")
{
    std::map<std::string, std::array<int, 6>> r;
    r[chemin] = {w->x(), w->y(), w->w(), w->h(), int(w->align()), w->labelsize()};
    for (int i = 0; w->as_group() && i < w->as_group()->children(); ++i)
        if (w->as_group()->child(i)->visible())
            r.merge(formes(w->as_group()->child(i), chemin + "/" + std::to_string(i)));
    return r;
}

// Relabelled five times over in every language, the pages, sections open,
// are laid out as they were in French at the start.
TEST_F(Langue, FiveRoundsOfLanguagesBringBackTheLayoutOfTheStart)
{
    harnais::ChienDeGarde chien(600);
    ASSERT_NO_FATAL_FAILURE(demarrer());
    ASSERT_NO_FATAL_FAILURE(ouvrirFichierComplet());
    vGribOuvert(*gvr[0], 1);
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    const auto depart = formes(GUI);
    for (int tour = 0; tour < 5 * 4; ++tour) {
        change_langage(std::array{"en", "de", "sp", "fr"}[tour % 4]);
        ASSERT_TRUE(harnais::bRedessiner(GUI));
    }
    // The clock's dates take the language at its next second.
    ASSERT_TRUE(harnais::bAttendre([] { return DateFormatChange == 0; }));
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    auto fin = formes(GUI);
    for (const auto& [chemin, f] : depart)
        EXPECT_EQ(fin[chemin], f) << chemin;
}

// At the smallest window: the GRIB accordion dragged to its end, its day
// labels show every column of their text in the pixels drawn; the bulletin
// panel scrolled to its end with the French sections open shows content
// after a switch that takes them away.
TEST_F(Langue, ScrolledPanelsShowTheirDayLabelsWholeAndTheirContent)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    vr& page = *gvr[0];
    GUI->resize(GUI->x(), GUI->y(), 770, 539);
    GUI->onglets->value(&page);
    vGribOuvert(page, 1);
    page.titreEcheances->do_callback();
    Fl_Scroll* s = page.scrollGrib;
    for (const char* code : {"fr", "en", "de", "sp"}) {
        change_langage(code);
        ASSERT_TRUE(harnais::bRedessiner(GUI));
        vDefiler(s, 0);
        vDefiler(s, int(s->scrollbar.maximum()));
        int vus = 0;
        for (Fl_Box** b = page.boitesJoursGrib; b && *b; ++b)
            if ((*b)->y() >= s->y() && (*b)->y() + (*b)->h() <= s->y() + s->h()) {
                ++vus;
                EXPECT_EQ(harnais::sEncreCoupee(GUI, *b, s->x() + s->scrollbar.w()), "")
                    << code << " " << (*b)->label();
            }
        EXPECT_GE(vus, 5) << code;
    }
    change_langage("fr");
    vProduitOuvert(page, GBI_BULLETINS);
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    s = page.scrollBulletins;
    ASSERT_TRUE(s->scrollbar.visible());
    vDefiler(s, int(s->scrollbar.maximum()));
    change_langage("en");
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    const Fl_Pack* pack = page.packBulletins;
    EXPECT_TRUE(pack->y() >= s->y() || pack->y() + pack->h() >= s->y() + s->h())
        << "an empty band under " << pack->y() << " + " << pack->h() << " in " << s->y() << " + "
        << s->h();
}

// A word wider than a pane's text would run under its scrollbar; a
// heading is drawn in bold, 4 points above the text.
TEST_F(Langue, EveryHelpHeadingFitsThePanes)
{
    ASSERT_NO_FATAL_FAILURE(demarrer());
    for (const char* code : {"fr", "en", "de", "sp"}) {
        change_langage(code);
        const std::string document = lireFichier(dossier / ("loc/" + std::string(code) + "/infos.htm"));
        for (AIDE* volet : {gvr[0]->voletAideGrib, gvr[0]->voletAideBulletins, gvr[1]->aideVisu}) {
            Fl_Help_View* vue = volet->vue;
            const int barre = vue->scrollbar_size() ? vue->scrollbar_size() : Fl::scrollbar_size();
            const int place = vue->w() - Fl::box_dw(vue->box()) - barre - 8;
            fl_font(FL_HELVETICA_BOLD, vue->textsize() + 4);
            for (size_t d = document.find("<h3>"); d != std::string::npos;
                 d = document.find("<h3>", d + 1)) {
                std::istringstream titre(document.substr(d + 4, document.find("</h3>", d) - d - 4));
                for (std::string mot; titre >> mot;)
                    EXPECT_LE(fl_width(mot.c_str()), place) << code << ": " << mot;
            }
        }
    }
}
