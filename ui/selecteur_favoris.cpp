// The chooser's favourites: the menu, and the manager window that orders
// and removes them. They are the toolkit's own chooser's, in its
// preferences ("favorite00" to "favorite99", in menu order).
#include "ui/selecteur.h"

#include "gribdata/globales.h"
#include "ui/local.h"
#include "ui/texte_brut.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Icon.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Preferences.H>
#include <FL/Fl_Return_Button.H>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int FAVORIS_MAX = 100;
enum { AJOUTER, ORGANISER, SYSTEMES };  // the fixed entries of the menu

std::string cle(int i)
{
    char c[24];
    std::snprintf(c, sizeof c, "favorite%02d", i);
    return c;
}

// The stored favourites up to the first empty key; `utilisables` gets
// those that are folders and fit a path (the others are skipped).
int iFavorisStockes(std::vector<std::string>* utilisables)
{
    static char tampon[2 * FL_PATH_MAX];
    int n = 0;
    for (; n < FAVORIS_MAX; ++n) {
        DRU_Fl_File_Chooser::prefs_->get(cle(n).c_str(), tampon, "", sizeof tampon);
        if (!tampon[0])
            break;
        if (!utilisables)
            continue;
        if (std::strlen(tampon) < FL_PATH_MAX - 1 && fl_filename_isdir(tampon))
            utilisables->push_back(tampon);
        else
            vJournal("<SELECTEUR>", "favori ignore: %.*s\n", 200, tampon);
    }
    return n;
}

// The path shown as it stands; choosing the entry reads it back.
void vAjouterEntree(Fl_Menu_Button* menu, const char* chemin, int raccourci)
{
    menu->add(sAjoutMenuBrut(chemin).c_str(), raccourci, nullptr);
}

}  // namespace

void DRU_Fl_File_Chooser::update_favorites()
{
    favoritesButton->clear();
    favoritesButton->add(pcTraduire("Ajouter aux Favoris"), FL_ALT + 'a', nullptr);
    favoritesButton->add(pcTraduire("Organiser les favoris"), FL_ALT + 'm', nullptr, nullptr,
                         FL_MENU_DIVIDER);
    favoritesButton->add(pcTraduire("Fichier systemes"), FL_ALT + 'f', nullptr);
    if (const char* maison = std::getenv("HOME"))
        vAjouterEntree(favoritesButton, maison, FL_ALT + 'h');
    std::vector<std::string> favoris;
    const int stockes = iFavorisStockes(&favoris);
    for (size_t i = 0; i < favoris.size(); ++i)
        vAjouterEntree(favoritesButton, favoris[i].c_str(), i < 10 ? FL_ALT + '0' + int(i) : 0);
    if (stockes >= FAVORIS_MAX)
        favoritesButton->mode(AJOUTER, FL_MENU_INACTIVE);
}

void DRU_Fl_File_Chooser::vFavoriChoisi()
{
    const int v = favoritesButton->value();
    if (v == AJOUTER)
        vAjouterFavori();
    else if (v == ORGANISER)
        vOuvrirGestion();
    else if (v == SYSTEMES)
        directory("");
    else if (v > SYSTEMES && favoritesButton->text(v))
        directory(sTexteEntreeMenu(favoritesButton->text(v)).c_str());
}

void DRU_Fl_File_Chooser::vAjouterFavori()
{
    // The limit counts what is stored, not the menu's entries.
    const int n = iFavorisStockes(nullptr);
    if (n >= FAVORIS_MAX)
        return;
    prefs_->set(cle(n).c_str(), directory_);
    prefs_->flush();
    vAjouterEntree(favoritesButton, directory_, n < 10 ? FL_ALT + '0' + n : 0);
    if (n + 1 >= FAVORIS_MAX)
        favoritesButton->mode(AJOUTER, FL_MENU_INACTIVE);
}

void DRU_Fl_File_Chooser::vOuvrirGestion()
{
    favList->clear();
    std::vector<std::string> favoris;
    iFavorisStockes(&favoris);
    for (const std::string& f : favoris)
        favList->add(f.c_str(), Fl_File_Icon::find(f.c_str(), Fl_File_Icon::DIRECTORY));
    for (Fl_Widget* b : {static_cast<Fl_Widget*>(favUpButton), static_cast<Fl_Widget*>(favDeleteButton),
                         static_cast<Fl_Widget*>(favDownButton), static_cast<Fl_Widget*>(favOkButton)})
        b->deactivate();
    favWindow->hotspot(favList);
    favWindow->show();
}

void DRU_Fl_File_Chooser::vGestionSelection()
{
    const int i = favList->value();
    if (i < 1)
        return;
    favDeleteButton->activate();
    if (i > 1)
        favUpButton->activate();
    else
        favUpButton->deactivate();
    if (i < favList->size())
        favDownButton->activate();
    else
        favDownButton->deactivate();
}

void DRU_Fl_File_Chooser::vGestionDeplacer(int sens)
{
    const int i = favList->value(), j = i + sens;
    if (i < 1 || j < 1 || j > favList->size())
        return;
    favList->swap(i, j);
    favList->select(j);
    vGestionSelection();
    favOkButton->activate();
}

void DRU_Fl_File_Chooser::vGestionSupprimer()
{
    int i = favList->value();
    if (i < 1)
        return;
    favList->remove(i);
    if (i > favList->size())
        i = favList->size();
    if (i > 0)
        favList->select(i);
    vGestionSelection();
    favOkButton->activate();
}

void DRU_Fl_File_Chooser::vGestionSauver()
{
    int i = 0;
    for (; i < favList->size() && i < FAVORIS_MAX; ++i)
        prefs_->set(cle(i).c_str(), favList->text(i + 1));
    for (; i < FAVORIS_MAX; ++i)
        prefs_->set(cle(i).c_str(), "");
    update_favorites();
    prefs_->flush();
    favWindow->hide();
}
