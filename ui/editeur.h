// The text window: the read-me, the send histories, the bulletins and any
// text file the user opens. Editor mode (new, open, save, save as, cut,
// copy, paste, delete, find, replace) or viewer mode (open, copy, find,
// close). Bulletins are reflowed to 73 columns, turned into UTF-8 and never
// marked modified; every text is coloured line by line (ui/styletable.h).
// The opener registers the window with gestion_interfaces::add.
#ifndef UI_EDITEUR_H
#define UI_EDITEUR_H

#include <FL/Fl_Double_Window.H>

class DRU_Fl_File_Chooser;
class Fl_Box;
class Fl_Button;
class Fl_Input;
class Fl_Text_Buffer;
class Fl_Text_Editor;
class Fl_Widget;
class Fl_Window;

class editeur : public Fl_Double_Window {
public:
    // `option` -1: a modal window (then 0); otherwise non-zero puts the
    // cursor at the end after a load. `mode` 0: editor, else viewer.
    // `fichier` null: a new, empty document. The colour and the label are
    // not used: the window takes the palette and its own title.
    editeur(const char* fichier, int option, int x, int y, int w, int h, int mode, Fl_Color,
            const char* label);
    ~editeur() override;

    void chargement_fichier(const char* chemin);
    // Replaces the style buffer with the colouring of `texte`.
    void apply_style(const char* chemin, const char* texte);
    static void style_unfinished_cb(int, void*);

    // Asks about unsaved changes of a tracked document, saving on "Oui".
    // Answers 1 to go on, 0 when the user keeps the document.
    int iQuestionModifie();
    // The question before the window is destroyed; once answered yes the
    // destructor does not ask again.
    bool bFermetureAccordee();
    // Writes the text to `nom` (keeping the old file on failure, with the
    // alert); on success it becomes the document's file. Answers 0 or the
    // error number.
    int iEcrire(const char* nom);
    void vStatut(const char* texte, Fl_Color couleur);
    void vTitre();

    char titre[256];
    int gmdss;
    int alerte;
    int bulletin;
    int option;
    Fl_Text_Buffer* stylebuf;
    int nonSuivi;  // 1: changes never mark the document modified
    char* choixNatif;
    Fl_Input* remplacerCherche;
    Fl_Input* remplacerPar;
    Fl_Button* remplacerTout;
    Fl_Button* remplacerSuivant;
    Fl_Button* remplacerFermer;
    Fl_Box* remplacerMessage;
    Fl_Button* rechercherSuivant;
    Fl_Button* rechercherFermer;
    Fl_Input* rechercherCherche;
    Fl_Box* rechercherMessage;
    Fl_Window* dialogueRemplacer;
    Fl_Window* dialogueRechercher;
    Fl_Text_Editor* editor;
    char repertoire[512];
    char fichier[256];
    Fl_Text_Buffer* textbuf;
    Fl_Box* statut;
    int modifie;
    int chargement;
    char texteStatut[512];
    char texteCompte[512];
    int fermetureAccordee;

private:
    void vMenus(int mode);
    void vDialogueRemplacer();
    void vDialogueRechercher();
};

// Whether a registered window may be destroyed now: a text window with
// unsaved changes asks first ("Annuler" keeps it). Other windows: yes.
bool bFermetureAccordee(Fl_Widget* fenetre);
// The same for every secondary window of the registry, before the program
// ends; one "Annuler" abandons the end (and no window is destroyed).
bool bFermeturesAccordees();

void modifieEditeurCallback(int pos, int inserted, int deleted, int restyled,
                            const char* deletedText, void* editeur);
void nouveauEditeurCallback(Fl_Widget*, void* editeur);
void ouvrirEditeurCallback(Fl_Widget*, void* editeur);
void enregistrerEditeurCallback(Fl_Widget*, void* editeur);
void enregistrer_sousEditeurCallback(Fl_Widget*, void* editeur);
void fermerEditeurCallback(Fl_Widget*, void* editeur);
void copierEditeurCallback(Fl_Widget*, void* editeur);
void couperEditeurCallback(Fl_Widget*, void* editeur);
void collerEditeurCallback(Fl_Widget*, void* editeur);
void supprimerEditeurCallback(Fl_Widget*, void* editeur);
void rechercherEditeurCallback(Fl_Widget*, void* editeur);
void remplacerEditeurCallback(Fl_Widget*, void* editeur);
void recherchersuivantEditeurCallback(Fl_Widget*, void* editeur);
void remplacersuivantEditeurCallback(Fl_Widget*, void* editeur);
void remplacertoutEditeurCallback(Fl_Widget*, void* editeur);
void rechercherfermerEditeurCallback(Fl_Widget*, void* editeur);
void remplacercancelEditeurCallback(Fl_Widget*, void* editeur);
void ouvrirChooserEditeurCallback(DRU_Fl_File_Chooser*, void* editeur);
void enregistrerChooserEditeurCallback(DRU_Fl_File_Chooser*, void* editeur);

#endif
