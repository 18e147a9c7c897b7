#include "map/histogramme.h"

#include "map/fl_histogramme.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/titre_ajuste.h"

#include <FL/Fl_Box.H>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const Fl_Color AXE_SOMBRE = fl_rgb_color(84, 104, 117), AXE_CLAIR = fl_rgb_color(104, 124, 137);

Fl_Color autre(Fl_Color c) { return c == AXE_SOMBRE ? AXE_CLAIR : AXE_SOMBRE; }

Fl_Histogramme* pRangee(int y, int w, uchar taille)
{
    Fl_Histogramme* r = new Fl_Histogramme(0, y, w, 14);
    r->color(fl_rgb_color(124, 144, 157));
    r->textsize = taille;
    return r;
}

// Each kind's title, its texts translated one after the other
// (punctuation has no catalogue entry and stays as it is), and the chart's
// type (-1: the kind keeps it).
struct Titre {
    int type;
    const char* textes[4];
};

const Titre TITRES[HISTOGRAMME_GENRES] = {
    {-1, {}},
    {HISTO_VENT, {CLE_LOCAL("Vent moyen 10 m beaufort 2")}},
    {HISTO_MER, {CLE_LOCAL("Mer totale"), " : ", CLE_LOCAL("Hauteur (etat de la mer)")}},
    {HISTO_MER_VALEUR, {CLE_LOCAL("Mer du vent"), " : ", CLE_LOCAL("Hauteur mer du vent")}},
    {HISTO_MER_VALEUR, {CLE_LOCAL("Houle"), " : ", CLE_LOCAL("Hauteur houle")}},
    {HISTO_MER_VALEUR, {CLE_LOCAL("Houle1"), " : ", CLE_LOCAL("Hauteur houle 1")}},
    {HISTO_MER_VALEUR, {CLE_LOCAL("Houle2"), " : ", CLE_LOCAL("Hauteur houle 2")}},
    {HISTO_LIGNE, {CLE_LOCAL("Pression"), " (hPa)"}},
    {HISTO_LIGNE, {CLE_LOCAL("Temperature de la mer ou du sol")}},
    {-1, {CLE_LOCAL("precipitations cumul")}},
    {HISTO_LIGNE, {CLE_LOCAL("Rafales"), " (", CLE_LOCAL("Noeuds"), ")"}},
    {HISTO_LIGNE, {CLE_LOCAL("Rafales"), " (Km/h)"}},
    {HISTO_LIGNE, {CLE_LOCAL("Hauteur houle 2"), " Hmax"}},
    {HISTO_LIGNE, {CLE_LOCAL("t49")}},
    {HISTO_COURANT, {CLE_LOCAL("Courant marin")}},
    {HISTO_LIGNE, {CLE_LOCAL("Periode mer totale")}},
    {HISTO_LIGNE, {CLE_LOCAL("Periode mer du vent")}},
    {HISTO_LIGNE, {CLE_LOCAL("Periode houle")}},
    {HISTO_LIGNE, {CLE_LOCAL("Periode houle 1")}},
    {HISTO_LIGNE, {CLE_LOCAL("Periode houle 2")}},
    {-1, {CLE_LOCAL("Vent moyen 10 m 2")}},
    {-1, {CLE_LOCAL("Hauteur"), " (", CLE_LOCAL("Metres"), ")"}},
    {-1, {CLE_LOCAL("precipitations partielles")}},
    {-1, {CLE_LOCAL("Courant marin")}},
};

// The texts one after the other, cut to the buffer.
void vTitre(char (&tampon)[128], const char* const (&textes)[4])
{
    size_t fait = 0;
    tampon[0] = '\0';
    for (const char* t : textes) {
        if (!t || fait + 1 >= sizeof tampon)
            break;
        const int ecrit = std::snprintf(tampon + fait, sizeof tampon - fait, "%s", pcTraduire(t));
        if (ecrit < 0)
            break;
        fait = std::min(sizeof tampon - 1, fait + size_t(ecrit));
    }
}

}  // namespace

Histogramme::Histogramme(int x, int y, int w, int h, int withAxes)
    : Fl_Group(x, y, w, h), couleurHeures(AXE_SOMBRE), couleurDates(AXE_SOMBRE), axes(withAxes)
{
    // The toolkit keeps 3 pixels on either side of a text aligned left.
    titre = new TitreAjuste(0, 1, w, 14, 11, 9, 8, FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
    titre->box(FL_FLAT_BOX);
    titre->color(fl_rgb_color(164, 184, 197));
    titre->labelfont(FL_HELVETICA_BOLD);
    titre->labelcolor(COLOR_FOND2);
    histogramme = new Fl_Histogramme(0, 15, w, withAxes ? h - 43 : h - 15);
    histogramme->type(HISTO_BARRES);
    histogramme->color(AXE_CLAIR);
    histogramme->bounds(999999.0, 0.0);
    histogramme->textsize = 9;
    if (withAxes) {
        heures = pRangee(h - 28, w, 10);
        heures->textcolor = fl_rgb_color(224, 224, 224);
        dates = pRangee(h - 14, w, 11);
        dates->textfont = FL_HELVETICA_BOLD;
        dates->textcolor = COLOR_FOND2;
    }
    end();
    resizable(histogramme);
}

void Histogramme::setTitre(int kind)
{
    genre = kind;
    if (kind < 1 || kind >= HISTOGRAMME_GENRES)
        return;
    const Titre& t = TITRES[kind];
    vTitre(texteTitre, t.textes);
    titre->copy_label(texteTitre);
    if (t.type >= 0)
        histogramme->type(uchar(t.type));
}

void Histogramme::vPreciserTitre(const char* precision)
{
    const size_t fait = std::strlen(texteTitre);
    std::snprintf(texteTitre + fait, sizeof texteTitre - fait, " (%s)", precision);
    titre->copy_label(texteTitre);
}

void Histogramme::add_heures(int hour)
{
    if (!heures)
        return;
    if (hour <= derniereHeure)
        couleurHeures = autre(couleurHeures);
    derniereHeure = hour;
    char texte[16];
    std::snprintf(texte, sizeof texte, "%d", hour);
    heures->add(1.0, texte, couleurHeures);
}

void Histogramme::add_dates(int day)
{
    if (!dates)
        return;
    char texte[16] = "";
    if (day != dernierJour) {
        couleurDates = autre(couleurDates);
        std::snprintf(texte, sizeof texte, "%d", day);
    }
    dates->add(0.0, texte, couleurDates);
    dernierJour = day;
}

void Histogramme::vVider()
{
    for (Fl_Histogramme* h : {histogramme, heures, dates})
        if (h)
            h->clear();
    derniereHeure = 24;
    dernierJour = 0;
    couleurHeures = couleurDates = AXE_SOMBRE;
}
