// The home page: its column of help buttons, the version, the help view
// and its links, and the read-me in a text window.
#include "shell/gui.h"

#include "gribdata/decode.h"
#include "gribdata/globales.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/boutons_rva.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/ouvertures.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Help_View.H>
#include <FL/fl_ask.H>
#include <FL/filename.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>
#include <unistd.h>

const TYPEDEF_AIDE AIDES[] = {
    {1, "presentation", CLE_LOCAL("Presentation"), 0},
    {0, "", "", 0},
    {2, "requeteur", CLE_LOCAL("Requeteur"), 1},
    {3, "visualisateur", CLE_LOCAL("Visualisateur"), 1},
    {4, "routes", CLE_LOCAL("Routes"), 1},
    {0, "", "", 0},
    {11, "beaufort", CLE_LOCAL("Beaufort"), 2},
    {12, "mer", CLE_LOCAL("Etat de la mer"), 2},
    {0, "", "", 0},
    {21, "gmdss", CLE_LOCAL("Horaires GMDSS"), 2},
    {22, "navtex", CLE_LOCAL("Syntaxe NAVTEX"), 2},
    {0, "", "", 0},
    {25, "lexique", CLE_LOCAL("Lexique meteo"), 2},
    {26, "glossaire", CLE_LOCAL("Glossaire"), 2},
    {0, "", "", 0},
    {31, "faq", CLE_LOCAL("Foire aux questions"), 1},
    {0, "", "", 0},
    {41, "contact", CLE_LOCAL("Contacts"), 1},
    {0, "", "", 0},
    {51, "apropos", CLE_LOCAL("A Propos..."), 0},
    {0, nullptr, nullptr, 0},
};

namespace {

// "Quenbrel 2 version 2.0.0"
const char* const VERSION_STOCKEE = "4A725A69606564651D271B7458716C6664691E252D292B25";

int iOuvrirUri(const char* uri)
{
    char message[256];
    return fl_open_uri(uri, message, sizeof message);
}

// A link the desktop has no program for is told, with its address, so
// that the user can copy it elsewhere.
void vOuvrir(const char* uri)
{
    if (gui::ouvrirUri(uri))
        return;
    vJournal("<GUI>", "aucune application pour ouvrir: %s\n", uri);
    fl_message("%s\n%s", pcTraduire("Aucune application pour ouvrir ce lien"), uri);
}

bool bSchemaExterne(const char* lien)
{
    for (const char* schema : {"http://", "https://", "mailto:"})
        if (strncasecmp(lien, schema, std::strlen(schema)) == 0)
            return true;
    return false;
}

// The title of a help row in the current language, at the width it needs.
int iLargeurTitre(const TYPEDEF_AIDE& aide)
{
    fl_font(DRU_FONT, 12);
    return int(fl_width(pcTraduire(aide.titre))) + 8;
}

}  // namespace

int (*gui::ouvrirUri)(const char*) = iOuvrirUri;

void gui::vColonne(int hauteur)
{
    colonne = new Fl_Group(0, 99, 230, hauteur - 99);
    colonne->box(FL_FLAT_BOX);
    colonne->color(COLOR_FOND);
    boutonsRVA = new BoutonsRVA(0, 99, 230, 50, 10);
    const int bas = vBoutonsAide();
    // The column's stretch goes to a line of empty box just below the
    // buttons: they keep their height and place, the version under that
    // line follows the window's bottom.
    Fl_Box* extensible = new Fl_Box(0, bas, 230, 1);
    colonne->resizable(extensible);
    vVersion(std::max(hauteur - 20, bas + 1));
    colonne->end();
}

int gui::vBoutonsAide()
{
    int y = 159;
    for (const TYPEDEF_AIDE* aide = AIDES; aide->page; ++aide) {
        if (!aide->page[0]) {
            y += 11;
            continue;
        }
        classeBoutonImage* b = new classeBoutonImage(aide->retrait * 10 + 20, y,
                                                     iLargeurTitre(*aide), 20);
        b->type(FL_RADIO_BUTTON);
        b->copy_label(pcTraduire(aide->titre));
        b->shortcut(aide->identifiant);
        b->callback(vBoutonCallback, this);
        if (aide == AIDES)
            b->value(1);
        boutonsAide[aide->identifiant] = b;
        y += 21;
    }
    return y - 1;
}

void gui::vVersion(int haut)
{
    char* version = decode(VERSION_STOCKEE);
    Fl_Box* etiquette = new Fl_Box(0, haut, 230, 20);
    etiquette->copy_label(version);
    etiquette->labelfont(1);
    etiquette->labelsize(12);
    etiquette->labelcolor(COLOR_GRIS_CLAIR);
    etiquette->labeltype(FL_SHADOW_LABEL);
    etiquette->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    vJournal("<GUI>", "Version du logiciel: %s\n", version);
    delete[] version;
}

void gui::load_aide(Fl_Help_View* vue, const char* page, const char* ancre)
{
    iChargerAide(vue, page, ancre);
}

void gui::vBoutonCallback(Fl_Widget* bouton, void* fenetre)
{
    const int n = static_cast<classeBoutonImage*>(bouton)->shortcut();
    for (const TYPEDEF_AIDE* aide = AIDES; aide->page; ++aide)
        if (aide->page[0] && aide->identifiant == n) {
            load_aide(static_cast<gui*>(fenetre)->vueAide, aide->page, nullptr);
            return;
        }
}

const char* gui::htmlCallback(Fl_Widget* widget, const char* lien)
{
    if (!lien)
        return nullptr;
    if (bSchemaExterne(lien)) {
        vOuvrir(lien);
        return nullptr;
    }
    if (!std::strstr(lien, "/./")) {
        // A document of the help: one that is missing is said so in the
        // view, in place of the toolkit's message.
        std::string document = std::strncmp(lien, "file:", 5) == 0 ? lien + 5 : lien;
        document = document.substr(0, document.find('#'));
        Fl_Help_View* vue = dynamic_cast<Fl_Help_View*>(widget);
        return !vue || bAideLisible(vue, document.c_str()) ? lien : nullptr;
    }
    char* courant = getcwd(nullptr, 0);
    const std::string uri = courant ? std::string("file://") + courant + "/" + lien : lien;
    std::free(courant);
    vOuvrir(uri.c_str());
    return nullptr;
}

void gui::vLangageAccueil()
{
    for (const TYPEDEF_AIDE* aide = AIDES; aide->page; ++aide) {
        classeBoutonImage* b = boutonsAide[aide->identifiant];
        if (std::strlen(aide->page) < 2 || !b)
            continue;
        b->copy_label(pcTraduire(aide->titre));
        b->size(iLargeurTitre(*aide), 20);
        if (b->value())
            load_aide(vueAide, aide->page, nullptr);
    }
    colonne->redraw();
}

void gui::vEditeur()
{
    char chemin[64];
    std::snprintf(chemin, sizeof chemin, "etc%sreadme_%s_mac.txt", "/",
                  langage ? langage->langue : "fr");
    pOuvrirTexte(chemin, x() + OUVERTURE_GAUCHE, y() + OUVERTURE_HAUT, w() - OUVERTURE_GAUCHE,
                 h() - OUVERTURE_HAUT - 4, 0);
}
