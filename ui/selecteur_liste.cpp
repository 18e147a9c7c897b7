// The chooser's listing: filters, re-listing, clicks in the list, OK and
// cancel.
#include "ui/selecteur.h"

#include "ui/local.h"
#include "ui/selecteur_chemins.h"
#include "ui/texte_brut.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_ask.H>
#include <cstdio>
#include <cstring>

void DRU_Fl_File_Chooser::filter(const char* p)
{
    if (!p || !*p)
        p = "*";
    char liste[FL_PATH_MAX];
    std::snprintf(liste, sizeof liste, "%s", p);
    showChoice->clear();
    bool tous = false;
    for (char* reste = liste; reste;) {
        char* motif = strsep(&reste, "\t");
        if (std::strcmp(motif, "*") == 0) {
            showChoice->add(pcTraduire("Tous les fichiers (*)"));
            tous = true;
        } else {
            showChoice->add(sAjoutMenuBrut(motif).c_str());
            tous = tous || std::strstr(motif, "(*)");
        }
    }
    if (!tous)
        showChoice->add(pcTraduire("Tous les fichiers (*)"));
    showChoice->add(pcTraduire("Filtre personnel"));
    showChoice->value(0);
    vFiltreChoisi();
}

const char* DRU_Fl_File_Chooser::filter()
{
    return fileList->filter();
}

int DRU_Fl_File_Chooser::filter_value()
{
    return showChoice->value();
}

void DRU_Fl_File_Chooser::filter_value(int f)
{
    showChoice->value(f);
    vFiltreChoisi();
}

void DRU_Fl_File_Chooser::vFiltreChoisi()
{
    const char* entree = showChoice->text();
    if (!entree)
        return;
    if (std::strcmp(entree, pcTraduire("Filtre personnel")) == 0) {
        vFiltrePersonnel();
        return;
    }
    vMotifDuFiltre(sTexteEntreeMenu(entree).c_str(), pattern_, sizeof pattern_);
    // The list keeps a pointer to the pattern.
    fileList->filter(pattern_);
    if (shown())
        rescan_keep_filename();
}

void DRU_Fl_File_Chooser::vFiltrePersonnel()
{
    const char* motif = fl_input("%s", pattern_, pcTraduire("Filtre personnel"));
    if (!motif)
        return;
    std::snprintf(pattern_, sizeof pattern_, "%s", motif);
    showChoice->value(showChoice->add(sAjoutMenuBrut(pattern_).c_str()));
    fileList->filter(pattern_);
    if (shown())
        rescan_keep_filename();
}

void DRU_Fl_File_Chooser::rescan()
{
    char chemin[FL_PATH_MAX + 1];
    const bool racine = std::strcmp(directory_, "/") == 0;
    std::snprintf(chemin, sizeof chemin, "%s%s", directory_, directory_[0] && !racine ? "/" : "");
    fileName->value(chemin);
    if (type_ & DIRECTORY)
        okButton->activate();
    else
        okButton->deactivate();
    // A folder that cannot be read gives an empty list.
    fileList->load(directory_, sort);
    swap();
    vMajApercu();
}

void DRU_Fl_File_Chooser::rescan_keep_filename()
{
    const char* v = fileName->value();
    const size_t n = v ? std::strlen(v) : 0;
    if (!n || v[n - 1] == '/') {
        rescan();
        return;
    }
    char garde[FL_PATH_MAX];
    std::snprintf(garde, sizeof garde, "%s", v);
    rescan();
    fileName->value(garde);
    const char* nom = fl_filename_name(garde);
    for (int i = 1; i <= fileList->size(); ++i)
        if (std::strcmp(fileList->text(i), nom) == 0) {
            fileList->select(i);
            fileList->topline(i);
            okButton->activate();
            return;
        }
    if (type_ & CREATE)
        okButton->activate();
    else
        okButton->deactivate();
}

void DRU_Fl_File_Chooser::swap()
{
    if (!reverseOrder)
        return;
    for (int i = 2, j = fileList->size(); i < j; ++i, --j)
        fileList->swap(i, j);
}

void DRU_Fl_File_Chooser::vCheminSelection(char* chemin, int taille, int ligne)
{
    const char* nom = fileList->text(ligne);
    if (!directory_[0])
        std::snprintf(chemin, size_t(taille), "%s", nom);
    else if (std::strcmp(directory_, "/") == 0)
        std::snprintf(chemin, size_t(taille), "/%s", nom);
    else
        std::snprintf(chemin, size_t(taille), "%s/%s", directory_, nom);
}

void DRU_Fl_File_Chooser::vListeCliquee()
{
    const int ligne = fileList->value();
    if (ligne < 1)
        return;
    char chemin[FL_PATH_MAX];
    vCheminSelection(chemin, sizeof chemin, ligne);
    if (Fl::event_clicks()) {
        vDoubleClic(chemin);
        return;
    }
    const bool dossier = fl_filename_isdir(chemin);
    if ((type_ & MULTI) && !(type_ & DIRECTORY)) {
        // A folder is chosen alone, and a file is not chosen with folders.
        for (int i = 1; i <= fileList->size(); ++i) {
            const char* t = fileList->text(i);
            if (i != ligne && fileList->selected(i) && (dossier || t[std::strlen(t) - 1] == '/')) {
                fileList->deselect();
                fileList->select(ligne);
                break;
            }
        }
    }
    const size_t n = std::strlen(chemin);
    if (n > 1 && chemin[n - 1] == '/')
        chemin[n - 1] = 0;
    fileName->value(chemin);
    Fl::remove_timeout(vApercuDiffere, this);
    Fl::add_timeout(1.0, vApercuDiffere, this);
    gribSelected = livraison_ && bCheminGrib(chemin);
    if (livraison_)
        vLivrer();
    if (dossier && !(type_ & DIRECTORY))
        okButton->deactivate();
    else
        okButton->activate();
}

void DRU_Fl_File_Chooser::vDoubleClic(const char* chemin)
{
    if (fl_filename_isdir(chemin)) {
        directory(chemin);
        // So that a third click is a first one again.
        Fl::event_clicks(-1);
        return;
    }
    // The first click delivered the file, unless save-as held it back.
    const bool livrer = !livraison_;
    hide();
    if (livrer)
        vLivrer();
}

void DRU_Fl_File_Chooser::vLivrer()
{
    if (callback_)
        callback_(this, data_);
}

void DRU_Fl_File_Chooser::vOk()
{
    const int deja = gribSelected;
    hide();
    if (!deja)
        vLivrer();
}

void DRU_Fl_File_Chooser::vAnnuler()
{
    fileName->value("");
    fileList->deselect();
    Fl::remove_timeout(vApercuDiffere, this);
    hide();
}
