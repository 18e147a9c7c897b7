// The text window's files: loading with the bulletins' reflow and
// colouring, saving, and the open and save-as choosers.
#include "ui/editeur.h"

#include "gribdata/globales.h"
#include "ui/fichier_texte.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/selecteur.h"
#include "ui/styles_bulletin.h"
#include "ui/texte_bulletin.h"

#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/fl_ask.H>
#include <FL/fl_utf8.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

void vAlerte(const char* cle, const char* chemin, int erreur)
{
    fl_alert("%s '%s':\n%s.", cle, chemin, std::strerror(erreur));
}

// The folder part of `chemin` (with its "/"), empty for a bare name.
void vRepertoireDe(const char* chemin, char* repertoire, size_t taille)
{
    const char* nom = fl_filename_name(chemin);
    std::snprintf(repertoire, taille, "%.*s", int(nom - chemin), chemin);
}

bool bDossier(const char* chemin)
{
    return chemin && fl_filename_isdir(chemin);
}

// Asks for a file to open or to save to: the desktop's dialog (its answer
// goes to `rappel` at once), or the shared chooser, which calls `rappel`.
void vChoisir(editeur* e, int enregistrer, const char* titre, const char* filtre,
              DRU_Fl_File_Chooser::Rappel rappel)
{
    if (WINDOWS_NATIVE && WINDOWS_OS) {
        e->choixNatif = getFileNative(e->repertoire, "*.{txt}", enregistrer);
        rappel(nullptr, e);
        delete[] e->choixNatif;
        e->choixNatif = nullptr;
        return;
    }
    navigateur->label(titre);
    navigateur->type(DRU_Fl_File_Chooser::CREATE);
    navigateur->filter(filtre);
    navigateur->reverseOrder = 0;
    navigateur->directory(e->repertoire);
    // Saving proposes this window's own file, never the name the chooser
    // kept from another use.
    if (enregistrer)
        navigateur->value(e->fichier);
    // Saving: a click in the list only proposes a name; OK, Enter or a
    // double click writes.
    navigateur->livraison_selection(!enregistrer);
    navigateur->callback(rappel, e);
    navigateur->show(e->x() + 12, e->y() + 32);
}

// Writing over an existing file other than the window's own asks first.
bool bRemplacementAccorde(const char* chemin, const char* propre)
{
    struct stat a, b;
    if (stat(chemin, &a) != 0)
        return true;
    if (propre[0] && stat(propre, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino)
        return true;
    return fl_choice("%s\n'%s'", pcTraduire("Non"), pcTraduire("Oui"), nullptr,
                     pcTraduire("Le fichier existe deja. Le remplacer ?"), chemin) == 1;
}

}  // namespace

void editeur::chargement_fichier(const char* cheminRecu)
{
    // The path may point into a chooser or into this window.
    const std::string chemin = cheminRecu;
    chargement = 1;
    fichier[0] = 0;
    nonSuivi = 1;
    const GenreFichier genre = genreFichier(chemin.c_str());
    alerte = genre == BULLETIN_ALERTE;
    gmdss = genre == BULLETIN_GMDSS;
    bulletin = genre == BULLETIN_AUTRE;
    nonSuivi = bBulletin(genre);
    textbuf->text("");
    std::string octets;
    // A path longer than the field would name another file once cut.
    const int erreur = chemin.size() < sizeof fichier
                           ? iLireFichierTexte(chemin.c_str(), octets)
                           : ENAMETOOLONG;
    if (erreur) {
        vJournal("<EDITEUR>", "lecture refusee: %.200s: %s\n", chemin.c_str(),
                 std::strerror(erreur));
        vAlerte(pcTraduire("Erreur en lecture de"), chemin.c_str(), erreur);
        chargement = 0;
        return;
    }
    if (nonSuivi)
        octets = latin1VersUtf8(reformater(octets.data(), octets.size()));
    else if (!fl_utf8test(octets.data(), unsigned(octets.size())))
        vJournal("<EDITEUR>", "pas en UTF-8, lu tel quel: %.200s\n", chemin.c_str());
    textbuf->text(octets.c_str());
    std::snprintf(fichier, sizeof fichier, "%s", chemin.c_str());
    vRepertoireDe(fichier, repertoire, sizeof repertoire);
    chargement = 0;
    if (option) {
        editor->insert_position(textbuf->length());
        editor->show_insert_position();
    }
    vStatut(fl_filename_name(fichier), COLOR_WHITE_GTK_TITRE);
    apply_style(fichier, octets.c_str());
    vTitre();
}

void editeur::apply_style(const char* chemin, const char* texte)
{
    const GenreFichier genre = alerte ? BULLETIN_ALERTE : gmdss ? BULLETIN_GMDSS : FICHIER_SIMPLE;
    stylebuf->text(styleTexte(chemin, genre, texte).c_str());
}

int editeur::iQuestionModifie()
{
    if (nonSuivi || !modifie)
        return 1;
    switch (fl_choice("%s", pcTraduire("Annuler"), pcTraduire("Oui"), pcTraduire("Non"),
                      pcTraduire("message modifie"))) {
    case 1:
        enregistrerEditeurCallback(nullptr, this);
        return !modifie;
    case 2:
        return 1;
    default:
        return 0;
    }
}

int editeur::iEcrire(const char* nomRecu)
{
    const std::string nom = nomRecu;
    int erreur = ENAMETOOLONG;
    std::string echec = nom;
    if (nom.size() < sizeof fichier) {
        char* texte = textbuf->text();
        erreur = iEcrireFichierTexte(nom.c_str(), texte, std::strlen(texte), &echec);
        std::free(texte);
    }
    if (erreur) {
        vJournal("<EDITEUR>", "ecriture refusee: %.200s: %s\n", echec.c_str(),
                 std::strerror(erreur));
        vAlerte(pcTraduire("Erreur en ecriture sur"), echec.c_str(), erreur);
        return erreur;
    }
    std::snprintf(fichier, sizeof fichier, "%s", nom.c_str());
    vRepertoireDe(fichier, repertoire, sizeof repertoire);
    modifie = 0;
    vStatut(fichier, COLOR_WHITE_GTK_TITRE);
    return 0;
}

void nouveauEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    if (!e->iQuestionModifie())
        return;
    e->fichier[0] = 0;
    e->chargement = 1;
    e->textbuf->text("");
    e->chargement = 0;
    e->modifie = 0;
    e->vStatut(pcTraduire("Nouveau"), COLOR_WHITE_GTK_TITRE);
}

void ouvrirEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    if (!e->iQuestionModifie())
        return;
    vChoisir(e, 0, pcTraduire("Ouvrir un fichier"), "*.txt", ouvrirChooserEditeurCallback);
}

void ouvrirChooserEditeurCallback(DRU_Fl_File_Chooser* c, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    const char* choix = c ? c->value(1) : e->choixNatif;
    if (choix && *choix && !bDossier(choix))
        e->chargement_fichier(choix);
}

void enregistrerEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    if (e->fichier[0]) {
        e->iEcrire(e->fichier);
        return;
    }
    const char* nom = fl_file_chooser(pcTraduire("Sauvegardez sous ..."), "*", e->fichier, 0);
    if (!nom)
        e->vStatut(e->fichier, COLOR_WHITE_GTK_TITRE);
    else
        e->iEcrire(nom);
}

void enregistrer_sousEditeurCallback(Fl_Widget*, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    vChoisir(e, 1, pcTraduire("Enregistrer sous"), "*", enregistrerChooserEditeurCallback);
}

void enregistrerChooserEditeurCallback(DRU_Fl_File_Chooser* c, void* v)
{
    editeur* e = static_cast<editeur*>(v);
    const char* choix = c ? c->value(1) : e->choixNatif;
    if (!choix || !*choix || bDossier(choix))
        return;
    const std::string nom = choix;
    // The desktop's dialog has asked already.
    if (c && !bRemplacementAccorde(nom.c_str(), e->fichier))
        return;
    if (e->iEcrire(nom.c_str()) == 0)
        e->chargement_fichier(nom.c_str());
}
