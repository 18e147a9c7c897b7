#include "map/histogrammes.h"

#include "gribdata/decode.h"
#include "map/fl_histogramme.h"
#include "map/histogramme.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/texte_brut.h"
#include "ui/titre_ajuste.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int TAILLE_TITRE = 12, TAILLE_TITRE_MIN = 8;
// The shadow and a margin on either side.
const int MARGE_TITRE = 8;

// The living chart windows.
std::vector<const Histogrammes*> vivantes;

// The first step no living window holds; when all are held, the next one
// round the cascade.
int iMarcheLibre()
{
    for (int k = 0; k < HISTOGRAMMES_MARCHES; ++k)
        if (std::none_of(vivantes.begin(), vivantes.end(),
                         [k](const Histogrammes* h) { return h->marche == k; }))
            return k;
    return int(vivantes.size() % HISTOGRAMMES_MARCHES);
}

}  // namespace

void vCoinEcran(const Fl_Widget& w, int& x, int& y)
{
    const Fl_Window* fenetre = w.top_window_offset(x, y);
    if (fenetre) {
        x += fenetre->x();
        y += fenetre->y();
    }
}

Histogrammes::Histogrammes(int page, int x, int y, int w, int h)
    : Fl_Double_Window(x, y, w, h), marche(iMarcheLibre())
{
    position(x + marche * HISTOGRAMMES_PAS, y + marche * HISTOGRAMMES_PAS);
    vivantes.push_back(this);
    color(FL_BLACK);
    pack = new Fl_Pack(0, 0, w, h);
    titre = new TitreAjuste(0, 0, w, HISTOGRAMMES_TITRE, TAILLE_TITRE, TAILLE_TITRE_MIN,
                            MARGE_TITRE, FL_ALIGN_CENTER);
    titre->box(FL_FLAT_BOX);
    titre->color(fl_rgb_color(84, 104, 117));
    titre->labeltype(FL_SHADOW_LABEL);
    titre->labelfont(FL_HELVETICA_BOLD);
    titre->labelcolor(COLOR_ORANGE_TEXTE);
    pack->end();
    end();
    resizable(pack);
    hide();
    const std::unique_ptr<char[]> programme(decode(TITRE_STOCKE));
    char texte[160];
    if (page < 1)
        std::snprintf(texte, sizeof texte, "%s : %s", programme.get(),
                      pcTraduire("Histogramme"));
    else
        std::snprintf(texte, sizeof texte, "%s : %s %d", programme.get(),
                      pcTraduire("Histogramme"), page);
    copy_label(texte);
}

Histogrammes::~Histogrammes()
{
    vivantes.erase(std::remove(vivantes.begin(), vivantes.end(), this), vivantes.end());
}

Histogramme* Histogrammes::pHistogramme(int genre, int axes, int niveau, const char* nomNiveau)
{
    if (genre < 1 || genre >= HISTOGRAMME_GENRES)
        return nullptr;
    int place = 1;
    while (place < HISTOGRAMMES_PLACES && genres[place] &&
           (genres[place] != genre || niveaux[place] != niveau))
        ++place;
    if (place == HISTOGRAMMES_PLACES)
        return nullptr;
    if (genres[place])
        return histogrammes[place];
    const int h = axes ? HISTOGRAMME_HAUTEUR_AXES : HISTOGRAMME_HAUTEUR;
    Histogramme* g = new Histogramme(0, 0, HISTOGRAMME_LARGEUR, h, axes);
    g->setTitre(genre);
    if (nomNiveau && *nomNiveau)
        g->vPreciserTitre(nomNiveau);
    pack->add(g);
    hauteurTotale += h;
    histogrammes[place] = g;
    genres[place] = genre;
    niveaux[place] = niveau;
    return g;
}

int Histogrammes::iEchantillons(int genre) const
{
    int n = 0;
    for (int place = 1; place < HISTOGRAMMES_PLACES; ++place)
        if (histogrammes[place] && genres[place] == genre)
            n = std::max(n, histogrammes[place]->histogramme->numb);
    return n;
}

void Histogrammes::vVider()
{
    for (Histogramme* g : histogrammes)
        if (g)
            g->vVider();
}

// A route's name and a file's name are shown as they stand.
void Histogrammes::vTitre(const char* texte) { titre->copy_label(sLibelleBrut(texte).c_str()); }

void Histogrammes::vDimensionner(int n)
{
    int largeur = iLargeurHistogrammes(n, Fl::w(), w());
    for (const Histogramme* g : histogrammes)
        if (g)
            largeur = std::max(largeur, std::min(Fl::w(), g->titre->iLargeurPlancher()));
    resize(x(), y(), largeur, hauteurTotale);
    size_range(largeur, hauteurTotale, 0, hauteurTotale);
}

void Histogrammes::vRedessiner()
{
    for (Histogramme* g : histogrammes)
        if (g)
            g->redraw();
}

int iLargeurHistogrammes(int n, int ecran, int largeur)
{
    if (n <= 0)
        return largeur;
    largeur = 20 * n;
    if (largeur > ecran)
        largeur = n * (ecran / n);
    return std::max(largeur, 200);
}
