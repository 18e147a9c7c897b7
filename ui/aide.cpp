#include "ui/aide.h"

#include "gribdata/globales.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/crochets.h"
#include "ui/donnees_absentes.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"
#include "ui/texte_brut.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Help_View.H>
#include <cstdio>
#include <cstdlib>
#include <string>

int iChargerAide(Fl_Help_View* vue, const char* page, const char* ancre)
{
    std::string chemin = std::string("loc/") + (langage ? langage->langue : "fr") + "/" + page +
                         ".htm";
    const std::string document = chemin;
    if (ancre)
        chemin += std::string("#") + ancre;
    // The look first: the view lays the document out as it loads it.
    vue->textsize(12);
    vue->textfont(DRU_FONT);
    vue->box(FL_FLAT_BOX);
    vue->color(FL_BACKGROUND_COLOR);
    if (!bAideLisible(vue, document.c_str()))
        return -1;
    vue->load(chemin.c_str());
    return 0;
}

bool bAideLisible(Fl_Help_View* vue, const char* document)
{
    std::FILE* f = std::fopen(document, "rb");
    if (f) {
        std::fclose(f);
        return true;
    }
    vJournal("<AIDE>", "document d'aide illisible: %s\n", document);
    // Said in the program's words rather than the toolkit's, with what
    // the program misses of its data.
    std::string page = std::string("<html><body><h3>") +
                       sHtmlBrut(pcTraduire("Aide indisponible : document absent")) + "</h3><p>" +
                       sHtmlBrut(document) + "</p>";
    for (const std::string& ligne : avisDonneesAbsentes())
        page += "<p>" + sHtmlBrut(ligne) + "</p>";
    vue->value((page + "</body></html>").c_str());
    return false;
}

classeBouton* pBoutonAide(int x, int y, int sujet, void* proprietaire)
{
    classeBouton* b = new classeBouton(x, y, 18, 20);
    b->image(skin1_image_help);
    b->shortcut(sujet);
    b->callback(AIDE::vAideCallback, proprietaire);
    return b;
}

AIDE::AIDE(int x, int y, int w, const char* topic, void* owner, int h)
    : Fl_Group(x, y, w, h), texteSujet("0"), xAide(x), proprietaire(owner)
{
    box(FL_RFLAT_BOX);
    color(0xE0E0E000);
    sujet = new Fl_Button(x, y, 1, 1);
    sujet->hide();
    vue = new Fl_Help_View(x + 4, y + 4, w - 8, h - 8);
    end();
    resizable(vue);
    iChargerAide(vue, "infos", nullptr);
    name(texteSujet);
    name(topic);
}

void AIDE::name(const char* ancre)
{
    if (ancre)
        vue->topline(ancre);
}

void AIDE::name(int n)
{
    n = std::abs(n);
    std::snprintf(texteSujet, sizeof texteSujet, "%d", n);
    sujet->argument(n);
    vue->topline(texteSujet);
}

void AIDE::set(int y)
{
    position(xAide, y);
}

void AIDE::load()
{
    iChargerAide(vue, "infos", nullptr);
    vue->topline(texteSujet);
}

void AIDE::vAideCallback(Fl_Widget* bouton, void* proprietaire)
{
    const int n = static_cast<Fl_Button*>(bouton)->shortcut();
    AFFICHE_AIDE = AFFICHE_AIDE == n ? 0 : n;
    if (crochetAideArrange)
        crochetAideArrange(proprietaire, n);
}
