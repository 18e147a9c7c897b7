// The chooser's file-name field (completion, Enter) and its new-folder
// button.
#include "ui/selecteur.h"

#include "ui/alerte_differee.h"
#include "ui/local.h"
#include "ui/selecteur_chemins.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_ask.H>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool bExiste(const char* chemin)
{
    return access(chemin, F_OK) == 0;
}

}  // namespace

void DRU_Fl_File_Chooser::vSaisie()
{
    // The field no longer holds what a click delivered.
    gribSelected = 0;
    const char* v = fileName->value();
    if (!v || !*v) {
        okButton->deactivate();
        return;
    }
    char etendu[FL_PATH_MAX], chemin[FL_PATH_MAX];
    fl_filename_expand(etendu, sizeof etendu, v);
    if (etendu[0] == '/' || etendu[0] == '\\')
        std::snprintf(chemin, sizeof chemin, "%s", etendu);
    else
        fl_filename_absolute(chemin, sizeof chemin, etendu);
    const int touche = Fl::event_key();
    if (touche == FL_Enter || touche == FL_KP_Enter) {
        vSaisieEntree(chemin);
        return;
    }
    if (touche != FL_Delete && touche != FL_BackSpace)
        vCompleter(chemin);
    vActiverOk(chemin);
}

void DRU_Fl_File_Chooser::vSaisieEntree(const char* chemin)
{
    const bool dossier = fl_filename_isdir(chemin);
    if (dossier && !bMemeRepertoire(chemin, directory_)) {
        directory(chemin);
    } else if ((type_ & CREATE) || bExiste(chemin)) {
        // No preview: the dialog goes, and a picture delivered is decoded
        // by whoever opens it, once.
        if (!dossier || (type_ & DIRECTORY)) {
            vLivrer();
            hide();
        }
    } else {
        // The field's callback: the box waits for the main loop.
        vAlerteDifferee(pcTraduire("Choisir un fichier qui existe!"));
    }
}

void DRU_Fl_File_Chooser::vCompleter(const char* chemin)
{
    const char* barre = std::strrchr(chemin, '/');
    if (!barre)
        return;
    std::string rep(chemin, size_t(barre - chemin));
    if (rep.empty())
        rep = "/";
    if (!bMemeRepertoire(rep.c_str(), directory_) && fl_filename_isdir(rep.c_str())) {
        // Listing the folder rewrites the field: the typed text stays.
        const std::string tape = fileName->value();
        const int curseur = fileName->position();
        directory(rep.c_str());
        fileName->value(tape.c_str());
        fileName->position(curseur);
    }
    const char* nom = barre + 1;
    const size_t n = std::strlen(nom);
    int premier = 0, correspondances = 0;
    std::string commun;
    for (int i = 1; n && i <= fileList->size(); ++i) {
        const char* t = fileList->text(i);
        if (std::strncmp(t, nom, n) != 0)
            continue;
        if (!premier) {
            premier = i;
            commun = t;
        }
        size_t k = n;
        while (k < commun.size() && commun[k] == t[k])
            ++k;
        commun.resize(k);
        ++correspondances;
    }
    if (!premier) {
        fileList->deselect();
        return;
    }
    fileList->topline(premier);
    if (correspondances == 1 && commun == nom)
        fileList->select(premier);
    const int fin = fileName->size();
    if (commun.size() > n && fileName->position() == fin) {
        const std::string complet = std::string(fileName->value()) + commun.substr(n);
        fileName->value(complet.c_str());
        fileName->position(fin, fileName->size());
    }
}

void DRU_Fl_File_Chooser::vActiverOk(const char* chemin)
{
    const bool dossier = fl_filename_isdir(chemin);
    if (((type_ & CREATE) || bExiste(chemin)) && (!dossier || (type_ & DIRECTORY)))
        okButton->activate();
    else
        okButton->deactivate();
}

void DRU_Fl_File_Chooser::vNouveauRepertoire()
{
    if (!(type_ & CREATE))
        return;
    const char* nom = fl_input("%s", nullptr, pcTraduire("Nouveau repertoire?"));
    if (!nom || !*nom)
        return;
    char chemin[FL_PATH_MAX];
    const bool absolu = nom[0] == '/' || nom[0] == '\\';
    const int n = absolu ? std::snprintf(chemin, sizeof chemin, "%s", nom)
                         : std::snprintf(chemin, sizeof chemin, "%s/%s", directory_, nom);
    errno = n < int(sizeof chemin) ? 0 : ENAMETOOLONG;
    if (!errno && (mkdir(chemin, 0777) == 0 || errno == EEXIST) && fl_filename_isdir(chemin)) {
        directory(chemin);
        return;
    }
    fl_alert("%s", std::strerror(errno ? errno : EEXIST));
}
