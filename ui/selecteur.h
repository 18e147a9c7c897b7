// The program's file chooser, shared by the pages and the text windows
// (`navigateur`): a listing with filters, favourites, a preview and a
// new-folder button, in the program's palette and languages. Beside it the
// desktop's own dialog (getFileNative), which the callers take when both
// WINDOWS_NATIVE and WINDOWS_OS are set.
#ifndef UI_SELECTEUR_H
#define UI_SELECTEUR_H

#include <FL/Fl_File_Browser.H>
#include <FL/filename.H>
#include <memory>
#include <string>

class Fl_Box;
class Fl_Button;
class Fl_Check_Button;
class Fl_Choice;
class Fl_Double_Window;
class Fl_File_Input;
class Fl_Image;
class Fl_Menu_Button;
class Fl_Preferences;
class Fl_Return_Button;
class Fl_Tile;
class Fl_Widget;

class DRU_Fl_File_Chooser {
public:
    enum { SINGLE = 0, MULTI = 1, CREATE = 2, DIRECTORY = 4 };
    typedef void (*Rappel)(DRU_Fl_File_Chooser*, void*);

    DRU_Fl_File_Chooser(const char* d, const char* p, int t, const char* title);
    ~DRU_Fl_File_Chooser();
    DRU_Fl_File_Chooser(const DRU_Fl_File_Chooser&) = delete;
    DRU_Fl_File_Chooser& operator=(const DRU_Fl_File_Chooser&) = delete;

    // Shows the dialog at (x, y), listing the directory again.
    void show(int x, int y);
    void hide();
    int shown();
    int visible();

    void callback(Rappel f, void* d = nullptr);
    void* user_data() const { return data_; }
    void user_data(void* d) { data_ = d; }

    // Null means "."; a relative path is made absolute; "" is the list of
    // file systems.
    void directory(const char* d);
    char* directory();
    // Patterns separated by tabs; null or "" means "*".
    void filter(const char* p);
    const char* filter();
    int filter_value();
    void filter_value(int f);
    void type(int t);
    int type() const { return type_; }

    // The n-th selected path (from 1) in MULTI mode, else the typed path;
    // null when there is none.
    const char* value(int f = 1);
    void value(const char* filename);
    int count();

    void label(const char* l);
    const char* label();
    void ok_label(const char* l);
    const char* ok_label();

    void color(Fl_Color c);
    Fl_Color color();
    void textcolor(Fl_Color c);
    Fl_Color textcolor();
    void textfont(Fl_Font f);
    Fl_Font textfont();
    void textsize(Fl_Fontsize s);
    Fl_Fontsize textsize();
    void iconsize(uchar s);
    uchar iconsize();

    void preview(int e);
    int preview() const;
    void rescan();
    void rescan_keep_filename();
    // Entries 2..n in reverse order when reverseOrder is set.
    void swap();

    // 1 (each use starts so): a click in the list delivers the file to the
    // callback at once. Save-as turns it off for its use, so that only OK,
    // Enter or a double click write.
    void livraison_selection(int l) { livraison_ = l; }
    int livraison_selection() const { return livraison_; }

    int reverseOrder;

    // The widgets, for the callbacks and the window harness.
    Fl_Double_Window* window;
    Fl_Choice* showChoice;
    Fl_Menu_Button* favoritesButton;
    Fl_Button* newButton;
    Fl_Tile* tile;
    Fl_File_Browser* fileList;
    Fl_Box* previewBox;
    Fl_Check_Button* previewButton;
    Fl_File_Input* fileName;
    int gribSelected;
    Fl_Return_Button* okButton;
    Fl_Button* cancelButton;
    Fl_Double_Window* favWindow;
    Fl_File_Browser* favList;
    Fl_Button *favUpButton, *favDeleteButton, *favDownButton;
    Fl_Button* favCancelButton;
    Fl_Return_Button* favOkButton;

    // The toolkit's user preferences of its own chooser ("filechooser"):
    // favourites and the preview setting are shared with it. Made by the
    // first chooser, when HOME is the one the program runs with.
    static std::unique_ptr<Fl_Preferences> prefs_;
    static Fl_File_Sort_F* sort;

private:
    void vConstruireDialogue();
    void vConstruireFavoris();
    void vFiltreChoisi();
    void vFiltrePersonnel();
    void vListeCliquee();
    void vDoubleClic(const char* chemin);
    void vSaisie();
    void vSaisieEntree(const char* chemin);
    void vCompleter(const char* chemin);
    void vActiverOk(const char* chemin);
    void vNouveauRepertoire();
    void vOk();
    void vAnnuler();
    void vFin();
    void vLivrer();
    void vCheminSelection(char* chemin, int taille, int ligne);
    void update_favorites();
    void vFavoriChoisi();
    void vAjouterFavori();
    void vOuvrirGestion();
    void vGestionSelection();
    void vGestionDeplacer(int sens);
    void vGestionSupprimer();
    void vGestionSauver();
    void vMajApercu();
    void vApercuTexte(const char* octets, size_t n);
    static void vApercuDiffere(void* selecteur);

    Rappel callback_;
    void* data_;
    char directory_[FL_PATH_MAX];
    char pattern_[FL_PATH_MAX];
    std::string preview_text_;  // what the preview box shows of a text
    int type_;
    int livraison_;
    Fl_Image* apercu_;  // the scaled picture in the preview box, owned
};

// Both 1 by default: open and save-as then use the desktop's dialog. A
// non-empty QUENBREL_SELECTEUR_PROGRAMME in the environment at start sets
// both to 0, so the program's own chooser is the one shown.
extern int WINDOWS_NATIVE;
extern int WINDOWS_OS;

// The desktop's dialog (a GTK one where the toolkit finds GTK, else the
// toolkit's own) to open a file, or with `enregistrer` to save one (it
// asks before replacing a file). Answers a new[] copy of the chosen path,
// "" when none was chosen, null on cancel or error.
char* getFileNative(const char* directory, const char* filter, int enregistrer = 0);

#endif
