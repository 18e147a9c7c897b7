// The chooser's two windows: the dialog and the favourites manager.
#include "ui/selecteur.h"

#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Icon.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Pixmap.H>
#include <FL/Fl_Preferences.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Tile.H>
#include <FL/fl_ask.H>

namespace {

// A folder with a star: the new-folder button's picture.
const char* const NOUVEAU_XPM[] = {
    "16 16 4 1", "  c None", ". c #4A4A4A", "+ c #E8C35A", "* c #D03020",
    "           *    ", "        *  *  * ", "         * * *  ", "          ***   ",
    "  ....  ******* ", " .++++.   ***   ", ".+++++++.* * *  ", ".++++++++*..*.. ",
    ".+++++++++++++. ", ".+++++++++++++. ", ".+++++++++++++. ", ".+++++++++++++. ",
    ".+++++++++++++. ", ".+++++++++++++. ", " .............. ", "                "};

Fl_Pixmap image_new(NOUVEAU_XPM);

template <class B>
B* pBouton(B* b, const char* etiquette)
{
    b->box(FL_GTK_THIN_UP_BOX);
    b->color(COLOR_BOUTONS_MOYEN);
    b->labelcolor(COLOR_BOUTONS_TEXTE);
    b->labelsize(12);
    b->copy_label(etiquette);
    return b;
}

Fl_File_Browser* pListe(int x, int y, int w, int h)
{
    Fl_File_Browser* l = new Fl_File_Browser(x, y, w, h);
    l->type(FL_HOLD_BROWSER);
    l->textfont(DRU_FONT);
    l->textsize(12);
    l->iconsize(18);
    l->color(COLOR_BLEUPALE_GTK_TITRE);
    return l;
}

template <class S, void (S::*M)()>
void vAppel(Fl_Widget*, void* s)
{
    (static_cast<S*>(s)->*M)();
}

}  // namespace

Fl_File_Sort_F* DRU_Fl_File_Chooser::sort = fl_numericsort;

std::unique_ptr<Fl_Preferences> DRU_Fl_File_Chooser::prefs_;

DRU_Fl_File_Chooser::DRU_Fl_File_Chooser(const char* d, const char* p, int t, const char* title)
    : reverseOrder(0), gribSelected(0), callback_(nullptr), data_(nullptr), directory_{},
      pattern_{}, preview_text_{}, type_(t), livraison_(1), apercu_(nullptr)
{
    if (!prefs_)
        prefs_.reset(new Fl_Preferences(Fl_Preferences::USER, "fltk.org", "filechooser"));
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_File_Icon::load_system_icons();
    fl_register_images();
    vConstruireDialogue();
    vConstruireFavoris();
    if (title)
        window->copy_label(title);
    type(t);
    filter(p);
    update_favorites();
    value(d);
    type(t);
    int apercu = 1;
    prefs_->get("preview", apercu, 1);
    preview(apercu);
    Fl_Group::current(courant);
}

DRU_Fl_File_Chooser::~DRU_Fl_File_Chooser()
{
    Fl::remove_timeout(vApercuDiffere, this);
    previewBox->image(nullptr);
    delete apercu_;
    delete window;
    delete favWindow;
}

void DRU_Fl_File_Chooser::vConstruireDialogue()
{
    using S = DRU_Fl_File_Chooser;
    window = new Fl_Double_Window(490, 380, pcTraduire("Choisir un fichier"));
    window->color(COLOR_FOND);
    window->set_modal();
    window->callback(vAppel<S, &S::vAnnuler>, this);

    Fl_Group* haut = new Fl_Group(10, 10, 470, 25);
    haut->color(COLOR_FOND);
    showChoice = new Fl_Choice(65, 10, 215, 25, pcTraduire("Afficher"));
    showChoice->labelfont(DRU_FONT_BOLD);
    showChoice->labelsize(12);
    showChoice->labelcolor(FL_WHITE);
    showChoice->box(FL_GTK_THIN_DOWN_BOX);
    showChoice->color(COLOR_BOUTONS_MOYEN);
    showChoice->textsize(12);
    showChoice->callback(vAppel<S, &S::vFiltreChoisi>, this);
    favoritesButton = pBouton(new Fl_Menu_Button(290, 10, 155, 25), pcTraduire("Favoris"));
    favoritesButton->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    favoritesButton->down_box(FL_GTK_THIN_DOWN_BOX);
    favoritesButton->textsize(12);
    favoritesButton->callback(vAppel<S, &S::vFavoriChoisi>, this);
    newButton = pBouton(new Fl_Button(455, 10, 25, 25), "");
    newButton->image(image_new);
    newButton->labelsize(8);
    newButton->tooltip(pcTraduire("Creer nouveau repertoire"));
    newButton->callback(vAppel<S, &S::vNouveauRepertoire>, this);
    haut->resizable(showChoice);
    haut->end();

    tile = new Fl_Tile(10, 45, 470, 225);
    fileList = pListe(10, 45, 195, 225);
    fileList->when(FL_WHEN_RELEASE_ALWAYS);
    fileList->callback(vAppel<S, &S::vListeCliquee>, this);
    previewBox = new Fl_Box(205, 45, 255, 225, "?");
    previewBox->box(FL_DOWN_BOX);
    previewBox->labelsize(100);
    previewBox->align(FL_ALIGN_CLIP | FL_ALIGN_INSIDE);
    previewBox->color(COLOR_BLEUPALE_GTK_TITRE);
    tile->callback(vAppel<S, &S::vMajApercu>, this);
    tile->end();
    window->resizable(tile);

    Fl_Group* bas = new Fl_Group(10, 275, 470, 95);
    Fl_Group* ligne = new Fl_Group(10, 275, 470, 20);
    previewButton = new Fl_Check_Button(10, 275, 120, 20, pcTraduire("Previsualiser"));
    previewButton->labelcolor(FL_WHITE);
    previewButton->labelsize(12);
    previewButton->color(COLOR_BLEUPALE_GTK_TITRE);
    previewButton->down_box(FL_DOWN_BOX);
    previewButton->value(1);
    previewButton->shortcut(FL_ALT + 'p');
    previewButton->callback([](Fl_Widget* w, void* s) {
        static_cast<S*>(s)->preview(static_cast<Fl_Check_Button*>(w)->value());
    }, this);
    ligne->resizable(new Fl_Box(115, 275, 365, 20));
    ligne->end();
    fileName = new Fl_File_Input(115, 300, 365, 35);
    fileName->labelfont(DRU_FONT_BOLD);
    fileName->labelsize(12);
    fileName->textfont(DRU_FONT);
    fileName->textsize(12);
    fileName->color(COLOR_BLEUPALE_GTK_TITRE);
    fileName->when(FL_WHEN_CHANGED | FL_WHEN_ENTER_KEY_ALWAYS);
    fileName->callback(vAppel<S, &S::vSaisie>, this);
    Fl_Box* legende = new Fl_Box(10, 310, 105, 25, pcTraduire("Fichier"));
    legende->labelcolor(FL_WHITE);
    legende->labelfont(DRU_FONT_BOLD);
    legende->labelsize(12);
    legende->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
    Fl_Group* boutons = new Fl_Group(10, 345, 470, 25);
    okButton = pBouton(new Fl_Return_Button(313, 345, 85, 25), fl_ok);
    okButton->callback(vAppel<S, &S::vOk>, this);
    cancelButton = pBouton(new Fl_Button(408, 345, 72, 25), pcTraduire("Annuler"));
    cancelButton->callback(vAppel<S, &S::vAnnuler>, this);
    boutons->resizable(new Fl_Box(10, 345, 30, 25));
    boutons->end();
    bas->resizable(fileName);
    bas->end();
    window->end();
}

void DRU_Fl_File_Chooser::vConstruireFavoris()
{
    using S = DRU_Fl_File_Chooser;
    favWindow = new Fl_Double_Window(355, 150, pcTraduire("Organiser les favoris"));
    favWindow->box(FL_GTK_THIN_UP_BOX);
    favWindow->color(COLOR_FOND);
    favWindow->labelsize(12);
    favWindow->set_modal();
    favList = pListe(10, 10, 300, 95);
    favList->box(FL_GTK_THIN_DOWN_BOX);
    favList->callback(vAppel<S, &S::vGestionSelection>, this);
    favWindow->resizable(favList);
    Fl_Group* colonne = new Fl_Group(320, 10, 25, 95);
    favUpButton = pBouton(new Fl_Button(320, 10, 25, 25), "@8>");
    favUpButton->callback([](Fl_Widget*, void* s) { static_cast<S*>(s)->vGestionDeplacer(-1); },
                          this);
    favDeleteButton = pBouton(new Fl_Button(320, 45, 25, 25), "X");
    favDeleteButton->labelfont(DRU_FONT_BOLD);
    favDeleteButton->callback(vAppel<S, &S::vGestionSupprimer>, this);
    favDownButton = pBouton(new Fl_Button(320, 80, 25, 25), "@2>");
    favDownButton->callback([](Fl_Widget*, void* s) { static_cast<S*>(s)->vGestionDeplacer(1); },
                            this);
    colonne->resizable(favDeleteButton);
    colonne->end();
    Fl_Group* rangee = new Fl_Group(10, 113, 335, 29);
    favCancelButton = pBouton(new Fl_Button(273, 115, 72, 25), pcTraduire("Annuler"));
    favCancelButton->callback([](Fl_Widget*, void* s) { static_cast<S*>(s)->favWindow->hide(); },
                              this);
    favOkButton = pBouton(new Fl_Return_Button(181, 115, 79, 25), pcTraduire("Sauver"));
    favOkButton->callback(vAppel<S, &S::vGestionSauver>, this);
    rangee->resizable(new Fl_Box(10, 115, 161, 25));
    rangee->end();
    favWindow->size_range(181, 150);
    favWindow->end();
}
