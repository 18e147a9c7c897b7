// The four labels under a viewer map: the validity with the forecast step,
// the model, the reference run and the line of the parameters shown. Each
// box keeps its own copy of its text, bounded in length.
#include "map/fdc.h"

#include "gribdata/chaine_pluie.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"
#include "gribdata/modeles.h"
#include "gribdata/parametres.h"
#include "gribdata/serie_grib.h"
#include "map/nom_niveau.h"
#include "map/raison_refus.h"
#include "map/routes_carte.h"
#include "ui/jours_mois.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const int TEXTE = 256;

// The page's strip lays its texts out together and draws the bands
// under them: a new text redraws the whole of it.
void vEcrire(Fl_Box* boite, const char* texte)
{
    if (boite) {
        boite->copy_label(texte);
        Fl_Widget* bandeau = boite->parent() ? static_cast<Fl_Widget*>(boite->parent()) : boite;
        bandeau->redraw();
    }
}

// The title's message alone, the three other boxes blank.
void vMessage(fdc& c, const char* message)
{
    vEcrire(c.boiteTitre, message);
    for (Fl_Box* b : {c.boiteSeconde, c.boiteDroite, c.boiteGauche})
        vEcrire(b, " ");
    vDateEcheanceRoutes(0);
}

// "+12h", or "6h >-< 12h" for an accumulation. Rain is titled with the
// range of what the map draws: its totals from the run, or the step of its
// display values (the record's own when no total is known).
std::string sEcheance(const fdc& c, const grib& r)
{
    const Grib& f = *r.champ;
    const bool pas = f.parametre == 61 && f.valeurs2 && f.pluieDebut >= 0 &&
                     (c.isotaches || !f.pluieTotaux);
    char t[48];
    if (pas || (f.parametre == 61 && f.indicateur == 4 && f.pluieTotaux)) {
        const long long fin = periodePluie(r).fin / 3600;
        std::snprintf(t, sizeof t, "%lldh >-< %lldh", pas ? f.pluieDebut / 3600 : 0, fin);
    } else if (f.indicateur == 4) {
        std::snprintf(t, sizeof t, "%dh >-< %dh", f.p1, f.p2);
    } else {
        std::snprintf(t, sizeof t, "+%dh", f.echeance);
    }
    return t;
}

void vTitre(fdc& c, const grib& r)
{
    const Grib& f = *r.champ;
    const struct tm& u = f.dateValidite;
    const struct tm& l = f.dateValiditeAffichage;
    // The local date is a day ahead, across a new year too.
    const bool lendemain =
        decalage > 0 && (l.tm_year - u.tm_year) * 400 + l.tm_yday - u.tm_yday > 0;
    char t[TEXTE];
    std::snprintf(t, sizeof t, "%s %d %s %d - %2.2dh UTC / %s%2.2dh Loc (%s)",
                  pcTraduire(pc_Fr_Jours[u.tm_wday % 7]), u.tm_mday,
                  pcTraduire(pc_Fr_Mois[u.tm_mon % 12]), u.tm_year + 1900, u.tm_hour,
                  lendemain ? "J+1, " : "", l.tm_hour, sEcheance(c, r).c_str());
    vEcrire(c.boiteTitre, t);
    if (c.boiteTitre)
        c.boiteTitre->labelcolor(COLOR_ORANGE_GTK_TITRE);
    vDateEcheanceRoutes(f.tValidite);
}

void vModeleEtReseau(fdc& c, const Grib& f)
{
    char t[TEXTE];
    if (const TYPEDEF_MODELE* m = pPremierModele(f.process))
        std::snprintf(t, sizeof t, "%s: %s", pcTraduire("Modele"), m->libelleLong);
    else
        std::snprintf(t, sizeof t, "%s (%d)", pcTraduire("Modèle inconnu"), f.process);
    vEcrire(c.boiteDroite, t);
    const struct tm& d = f.dateReference;
    std::snprintf(t, sizeof t, "%s: %s %d %s %d - %2.2dh UTC", pcTraduire("Reseau de reference"),
                  pcTraduire(pc_Fr_Jours[d.tm_wday % 7]), d.tm_mday,
                  pcTraduire(pc_Fr_Mois[d.tm_mon % 12]), d.tm_year + 1900, d.tm_hour);
    vEcrire(c.boiteGauche, t);
}

bool bPeriode(int p)
{
    return p == 103 || p == 106 || p == 108 || p == 110 || p == 201;
}

std::string sIsolignes()
{
    return std::string(" (") + pcTraduire("Isolignes") + ")";
}

// What one record adds to the parameter line without superposition;
// `niveaux` follows its name.
void vParametreSeul(const fdc& c, int p, const char* description, const std::string& niveaux,
                    bool dernier, std::string& s)
{
    const bool hauteurMer = p == 100 && c.merClasses;
    if (!c.isotaches && hauteurMer) {
        s += std::string(" / ") + pcTraduire("Hauteur (etat de la mer)") + niveaux;
        return;
    }
    const std::string desc = pcTraduire(description) + niveaux;
    if (!c.isotaches && (p == 102 || p == 105 || p == 202 || p == 203 || p == 100)) {
        s += " / " + desc + sIsolignes();
        return;
    }
    s += s.empty() ? "/ " : " / ";
    if (p == 33 && c.beaufort && c.isotaches)
        s += pcTraduire("Vent moyen 10 m beaufort") + niveaux;
    else if (bPeriode(p) && !c.isotaches)
        return;
    else
        s += desc;
    if (!c.isotaches) {
        if (dernier && p != 33 && p != 49 && !bPeriode(p))
            s += sIsolignes() + " /";
    } else if (p == 33 || p == 49 || p == 61 || bPeriode(p)) {
        s += sIsolignes() + " /";
    } else if (dernier) {
        s += " /";
    }
}

// The records the line names: a parameter given at several levels once,
// at its first record.
std::vector<const grib*> vNommes(const grib* champs, const NiveauxMultiples& multiples)
{
    std::vector<const grib*> v;
    for (const grib* r = champs; r && r->champ; r = r->suivant)
        if (!multiples(r->parametre) ||
            std::none_of(v.begin(), v.end(),
                         [r](const grib* n) { return n->parametre == r->parametre; }))
            v.push_back(r);
    return v;
}

// " (surface, 50 m, 10 m)": the levels of a parameter given at several,
// in the order of its records; empty for a parameter at one.
std::string sNiveaux(const grib* champs, const grib& r, const NiveauxMultiples& multiples)
{
    if (!multiples(r.parametre))
        return "";
    std::string s;
    for (const grib* a = champs; a && a->champ; a = a->suivant)
        if (a->parametre == r.parametre)
            s += (s.empty() ? " (" : ", ") + sNomNiveau(*a);
    return s + ")";
}

std::string sLigneParametres(const fdc& c)
{
    std::string s;
    const NiveauxMultiples multiples(c.champs);
    const std::vector<const grib*> nommes = vNommes(c.champs, multiples);
    for (const grib* r : nommes) {
        const TYPEDEF_PARAMETRE* ligne = r->ligneParametre;
        const std::string niveaux = sNiveaux(c.champs, *r, multiples);
        if (c.superposition) {
            if (ligne && ligne->libelle)
                s += (s.empty() ? "/ " : " / ") + std::string(pcTraduire(ligne->libelle)) +
                     niveaux;
        } else if (ligne && ligne->description) {
            vParametreSeul(c, r->champ->parametre, ligne->description, niveaux,
                           r == nommes.back(), s);
        }
    }
    if (c.superposition)
        s += " /";
    for (const RefusGrib* r : {&c.lacuneFichier, &c.lacune})
        if (r->code)
            s += " - " + sRaisonRefus(*r);
    return s;
}

}  // namespace

void fdc::vEtiqueterGrib()
{
    if (!champs) {
        vMessage(*this, pcTraduire("parametre et echeance non concordants"));
    } else if (!champs->champ) {
        vJournal("<FDCGRIB>", "grib BAD file\n");
        vEtiqueterRefus();
        return;
    } else {
        vTitre(*this, *champs);
        vModeleEtReseau(*this, *champs->champ);
        vEcrire(boiteSeconde, sLigneParametres(*this).c_str());
    }
    gribVerrou(1);
    redraw();
}

void fdc::vEtiqueterRefus()
{
    vMessage(*this, pcTraduire("ERREUR: fichier Grib incompatible..."));
    if (boiteTitre)
        boiteTitre->labelcolor(FL_RED);
    vEcrire(boiteSeconde, sRaisonRefus(refus).c_str());
    redraw();
}
