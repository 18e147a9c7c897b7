// The Forecast-times section of the GRIB request page: the run the model
// offers now, either as forecast times (hours after the run, the request's
// "E" line) or as validities by day and hour (its "G" line), one kind
// shown at a time under its title, with the step selectors "Pas" 3, 6,
// 12, "Tous" and "Raz". Each change moves the moving zone's frame along.
#include "pages/vr.h"

#include "gribdata/echeances_reseau.h"
#include "map/fdc.h"
#include "pages/dans_groupe.h"
#include "pages/menus_modeles.h"
#include "pages/regles_echeances.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// The validity buttons start after the day labels, 36 wide at least.
const int DECALAGE_JOUR = 37;

// A time button is as wide as its digits.
int iLargeurTemps(const std::string& libelle)
{
    return 6 * int(libelle.size()) + 8;
}

void vPasCallback(Fl_Widget* bouton, void* page)
{
    static_cast<vr*>(page)->vRequeteurGribEcheancesPas(static_cast<Fl_Button*>(bouton)->shortcut());
}

// A group of its own for each kind of time, shown or hidden whole; it
// only moves its children when the pack moves it.
Fl_Group* pGroupeTemps(int x, int y, int w)
{
    Fl_Group* g = new Fl_Group(x, y, w, 20);
    g->resizable(nullptr);
    return g;
}

// Where the validity buttons start: after the widest day label of the
// section at its size, drawn with the margins of its side alignment. The
// labels keep that room when relabelled (a smaller size if need be).
int iColonneJours(const std::vector<ValiditeProposee>& v)
{
    int colonne = DECALAGE_JOUR;
    fl_font(DRU_FONT, TAILLE_TEXTE_SECTION);
    for (const ValiditeProposee& e : v)
        if (e.ligne) {
            const std::string jour = sLibelleJour(pcTraduire("Jour"), e.jour);
            colonne = std::max(colonne, int(fl_width(jour.c_str())) + 6 + 1);
        }
    return colonne;
}

}  // namespace

int vr::menu_echeances(int x, int y, int code, int type, Fl_Callback* rappel)
{
    delete[] boutonsEcheances;
    const std::vector<int> temps =
        echeancesProposees(choixReseau(code, heurecourante, jourcourant), code);
    std::vector<int> largeurs;
    for (int t : temps)
        largeurs.push_back(iLargeurTemps(std::to_string(t)));
    std::vector<std::pair<int, int>> places;
    const int bas = temps.empty() ? y + 26 : iDisposerBoutons(largeurs, x + 4, y, 21, places);
    boutonsEcheances = new classeBoutonImage*[temps.size() + 1];
    for (size_t i = 0; i < temps.size(); ++i)
        boutonsEcheances[i] = pBoutonMenu(places[i].first, places[i].second, largeurs[i],
                                          std::to_string(temps[i]).c_str(), type, temps[i], rappel);
    boutonsEcheances[temps.size()] = nullptr;
    return bas;
}

int vr::menu_validites(int x, int y, int code, int type, Fl_Callback* rappel)
{
    delete[] boutonsValiditesGrib;
    delete[] boitesJoursGrib;
    const std::vector<ValiditeProposee> v =
        validitesProposees(choixReseau(code, heurecourante, jourcourant), code, heurecourante);
    boutonsValiditesGrib = new classeBoutonImage*[v.size() + 1];
    boitesJoursGrib = new Fl_Box*[v.size() + 1];
    const int colonne = iColonneJours(v);
    int jours = 0, px = x + colonne, py = y + 7 - 21;
    for (size_t i = 0; i < v.size(); ++i) {
        const std::string heure = std::to_string(v[i].heure);
        const int l = iLargeurTemps(heure);
        if (v[i].ligne) {
            py += 21;
            px = x + colonne;
            Fl_Box* jour = new Fl_Box(x, py, colonne - 1, 20);
            jour->labelfont(DRU_FONT);
            jour->copy_label(sLibelleJour(pcTraduire("Jour"), v[i].jour).c_str());
            jour->labelcolor(FL_WHITE);
            jour->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
            // Its day, for the label in another language.
            jour->argument(v[i].jour);
            boitesJoursGrib[jours++] = jour;
        } else if (px + l > BOUTONS_FIN_LIGNE) {
            py += 21;
            px = x + colonne;
        }
        classeBoutonImage* b = pBoutonMenu(px, py, l, heure.c_str(), type, v[i].numero, rappel);
        if (v[i].inactive)
            b->deactivate();
        boutonsValiditesGrib[i] = b;
        px += l + 1;
    }
    boutonsValiditesGrib[v.size()] = nullptr;
    boitesJoursGrib[jours] = nullptr;
    for (Fl_Box** b = boitesJoursGrib; *b; ++b)
        vAjusterJour(*b);
    return v.empty() ? y + 26 : py + 22;
}

// One line high, up to the row's first button.
void vr::vAjusterJour(Fl_Box* jour)
{
    Libre libre = libreAutour(jour);
    libre.haut = jour->y();
    libre.bas = jour->y() + jour->h();
    vAjusterLibelle(jour, TAILLE_TEXTE_SECTION, libre);
}

Fl_Group* vr::pTitreEcheances()
{
    SectionGrib& s = sectionsGrib[SECTION_ECHEANCES];
    Fl_Group* g = pTitreSection(nullptr, 5, vBoutonRequeteurGribEcheancesContenuCallback, s.deplier);
    DansGroupe dans(g);
    auto titre = [this, g](const char* nom, Fl_Callback* rappel) {
        classeBouton* b = new classeBouton(g->x() + 4, g->y() + 2, g->w() - 44, 20);
        b->copy_label(pcTraduire(nom));
        b->labelsize(13);
        b->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        b->callback(rappel, this);
        return b;
    };
    titreEcheances = titre(CLE_LOCAL("Echeances"), vBoutonRequeteurGribEcheancesTitreCallback);
    titreValidites = titre(CLE_LOCAL("Validites"), vBoutonRequeteurGribValiditesTitreCallback);
    return g;
}

int vr::iRangeePas(int x, int y)
{
    std::vector<SectionGrib::Texte>& textes = sectionsGrib[SECTION_ECHEANCES].textes;
    Fl_Box* pas = new Fl_Box(x + 14, y, 40, 20);
    pas->copy_label(pcTraduire("Pas"));
    pas->labelcolor(FL_WHITE);
    textes.push_back({pas, "Pas", nullptr});
    const struct {
        int dx, largeur, pas;
        const char* libelle;
    } boutons[] = {{56, 20, 3, "3"},
                   {78, 20, 6, "6"},
                   {100, 20, 12, "12"},
                   {122, 38, -1, CLE_LOCAL("Tous")},
                   {162, 40, 0, CLE_LOCAL("Raz")}};
    for (const auto& d : boutons) {
        classeBouton* b = new classeBouton(x + d.dx, y, d.largeur, 20);
        b->copy_label(pcTraduire(d.libelle));
        b->shortcut(d.pas);
        b->callback(vPasCallback, this);
        if (d.pas == 0)
            b->copy_tooltip(pcTraduire("Raz tooltip"));
        if (d.pas <= 0)
            textes.push_back({b, d.libelle, d.pas == 0 ? "Raz tooltip" : nullptr});
    }
    for (const SectionGrib::Texte& t : textes)
        vAjusterLibelle(t.widget, TAILLE_TEXTE_SECTION);
    return y + 22;
}

void vr::vRequeteurGribEcheances(int code)
{
    DansGroupe dans(packGrib);
    sectionsGrib[SECTION_ECHEANCES].titre = pTitreEcheances();
    vContenuSection(SECTION_ECHEANCES, [this, code](int x, int y) {
        const int w = packGrib->w(), haut = y + 1;
        groupeEcheancesGrib = pGroupeTemps(x, haut, w);
        const int bas1 = menu_echeances(x, haut, code, FL_TOGGLE_BUTTON,
                                        vBoutonRequeteurGribEcheancesCallback);
        groupeEcheancesGrib->end();
        groupeEcheancesGrib->size(w, bas1 - haut);
        groupeValiditesGrib = pGroupeTemps(x, haut, w);
        const int bas2 = menu_validites(x, haut, code, FL_TOGGLE_BUTTON,
                                        vBoutonRequeteurGribValiditesCallback);
        groupeValiditesGrib->end();
        groupeValiditesGrib->size(w, bas2 - haut);
        return iRangeePas(x, std::max(bas1, bas2) + 2);
    });
    vRestaurerTemps();
    vMontrerTemps();
}

// Each button pressed when the request asks for its time. A request that
// asks for none of them gets the first one (none when the run offers no
// time), and the text shows it.
void vr::vRestaurerTemps()
{
    bool change = false;
    auto restaurer = [&](classeBoutonImage** boutons, const ListeCodes& liste) {
        bool trouve = false;
        for (classeBoutonImage** b = boutons; *b; ++b) {
            (*b)->value(bTempsDemande(liste, (*b)->shortcut()));
            trouve = trouve || (*b)->value();
        }
        if (trouve || !boutons[0])
            return false;
        boutons[0]->value(1);
        return change = true;
    };
    if (restaurer(boutonsEcheances, requeteGrib->echeances))
        requeteGrib->vSetEcheances(boutonsEcheances);
    if (restaurer(boutonsValiditesGrib, requeteGrib->validites))
        requeteGrib->vSetValidites(boutonsValiditesGrib);
    if (change)
        requeteGrib->vEcrire(0);
}

// The kind of the request's mode shown, the other hidden.
void vr::vMontrerTemps()
{
    const bool validites = requeteGrib->modeValidites == 1;
    for (Fl_Widget* w : {static_cast<Fl_Widget*>(groupeValiditesGrib),
                         static_cast<Fl_Widget*>(titreValidites)})
        validites ? w->show() : w->hide();
    for (Fl_Widget* w : {static_cast<Fl_Widget*>(groupeEcheancesGrib),
                         static_cast<Fl_Widget*>(titreEcheances)})
        validites ? w->hide() : w->show();
    // The title in the active colour while its times are unfolded.
    Fl_Group* contenu = sectionsGrib[SECTION_ECHEANCES].contenu;
    const int couleur = contenu && contenu->visible() ? COLOR_BOUTON_ACTIVE : COLOR_ORANGE_TEXTE;
    titreEcheances->couleurHaut = titreValidites->couleurHaut = couleur;
    if (contenu)
        contenu->redraw();
    sectionsGrib[SECTION_ECHEANCES].titre->redraw();
}

classeBoutonImage** vr::boutonsTemps() const
{
    return requeteGrib->modeValidites == 1 ? boutonsValiditesGrib : boutonsEcheances;
}

bool vr::bTempsPresse() const
{
    for (classeBoutonImage** b = boutonsTemps(); b && *b; ++b)
        if ((*b)->value())
            return true;
    return false;
}

void vr::vTempsChanges()
{
    if (champCap) {
        vRequeteurGribDeplacementSet();
        return;
    }
    requeteGrib->vEcrire(0);
    if (carte)
        carte->redraw();
}

void vr::vBoutonRequeteurGribEcheancesCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    page->requeteGrib->vSetEcheances(page->boutonsEcheances);
    page->vTempsChanges();
}

void vr::vBoutonRequeteurGribValiditesCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    page->requeteGrib->vSetValidites(page->boutonsValiditesGrib);
    page->vTempsChanges();
}

void vr::vBoutonRequeteurGribEcheancesTitreCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    page->requeteGrib->modeValidites = 1;
    page->vMontrerTemps();
    page->vTempsChanges();
}

void vr::vBoutonRequeteurGribValiditesTitreCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    page->requeteGrib->modeValidites = 0;
    page->vMontrerTemps();
    page->vTempsChanges();
}

void vr::vRequeteurGribEcheancesPas(int pas)
{
    const bool validites = requeteGrib->modeValidites == 1;
    classeBoutonImage** boutons = boutonsTemps();
    if (!boutons)
        return;
    for (classeBoutonImage** b = boutons; *b; ++b) {
        // Forecast times are never disabled.
        const bool actif = !validites || (*b)->active();
        (*b)->value(bPresseParPas((*b)->shortcut(), pas, actif));
        (*b)->redraw();
    }
    if (validites)
        requeteGrib->vSetValidites(boutons);
    else
        requeteGrib->vSetEcheances(boutons);
    vTempsChanges();
}
