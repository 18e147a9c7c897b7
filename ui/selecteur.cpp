// The chooser's settings and values: directory, type, value, labels.
#include "ui/selecteur.h"

#include "ui/selecteur_chemins.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Tile.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>
#include <cstdio>
#include <cstring>

void DRU_Fl_File_Chooser::show(int x, int y)
{
    // Set here rather than when made: the screen's size needs the display.
    window->size_range(490, 380, Fl::w(), Fl::h());
    window->hotspot(fileList);
    window->position(x, y);
    gribSelected = 0;
    window->show();
    Fl::flush();
    fl_cursor(FL_CURSOR_WAIT);
    rescan_keep_filename();
    fl_cursor(FL_CURSOR_DEFAULT);
    fileName->take_focus();
}

void DRU_Fl_File_Chooser::hide()
{
    // A preview due after the dialog is gone would read a file nobody looks at.
    Fl::remove_timeout(vApercuDiffere, this);
    window->hide();
    livraison_ = 1;
}

int DRU_Fl_File_Chooser::shown()
{
    return window->shown();
}

int DRU_Fl_File_Chooser::visible()
{
    return window->visible();
}

void DRU_Fl_File_Chooser::callback(Rappel f, void* d)
{
    callback_ = f;
    data_ = d;
}

void DRU_Fl_File_Chooser::directory(const char* d)
{
    vNormaliserRepertoire(d ? d : ".", directory_, sizeof directory_);
    if (shown())
        rescan();
}

char* DRU_Fl_File_Chooser::directory()
{
    return directory_;
}

void DRU_Fl_File_Chooser::type(int t)
{
    type_ = t;
    fileList->type(t & MULTI ? FL_MULTI_BROWSER : FL_HOLD_BROWSER);
    if (t & CREATE)
        newButton->activate();
    else
        newButton->deactivate();
    fileList->filetype(t & DIRECTORY ? Fl_File_Browser::DIRECTORIES : Fl_File_Browser::FILES);
}

const char* DRU_Fl_File_Chooser::value(int f)
{
    static char tampon[FL_PATH_MAX];
    if (type_ & MULTI) {
        for (int i = 1, n = 0; i <= fileList->size(); ++i)
            if (fileList->selected(i) && ++n == f) {
                vCheminSelection(tampon, sizeof tampon, i);
                return tampon;
            }
    }
    const char* v = fileName->value();
    return v && *v ? v : nullptr;
}

void DRU_Fl_File_Chooser::value(const char* filename)
{
    // OK follows the field, as when it is typed in.
    if (!filename || !*filename) {
        fileName->value("");
        fileList->deselect();
        okButton->deactivate();
        return;
    }
    char chemin[FL_PATH_MAX];
    fl_filename_absolute(chemin, sizeof chemin, filename);
    if (fl_filename_isdir(chemin)) {
        fileName->value("");
        okButton->deactivate();
        directory(chemin);
        return;
    }
    char* barre = std::strrchr(chemin, '/');
    *barre = 0;
    directory(chemin[0] ? chemin : "/");
    *barre = '/';
    fileName->value(chemin);
    vActiverOk(chemin);
    if (shown())
        rescan_keep_filename();
}

int DRU_Fl_File_Chooser::count()
{
    if (!(type_ & MULTI)) {
        const char* v = fileName->value();
        return v && *v ? 1 : 0;
    }
    int n = 0;
    for (int i = 1; i <= fileList->size(); ++i)
        n += fileList->selected(i) ? 1 : 0;
    return n;
}

void DRU_Fl_File_Chooser::label(const char* l)
{
    window->copy_label(l);
}

const char* DRU_Fl_File_Chooser::label()
{
    return window->label();
}

void DRU_Fl_File_Chooser::ok_label(const char* l)
{
    okButton->copy_label(l ? l : fl_ok);
    fl_font(okButton->labelfont(), okButton->labelsize());
    const int w = int(fl_width(okButton->label()));
    okButton->resize(cancelButton->x() - 50 - w, cancelButton->y(), w + 40, 25);
    okButton->parent()->init_sizes();
    window->redraw();
}

const char* DRU_Fl_File_Chooser::ok_label()
{
    return okButton->label();
}

void DRU_Fl_File_Chooser::color(Fl_Color c)
{
    fileList->color(c);
}

Fl_Color DRU_Fl_File_Chooser::color()
{
    return fileList->color();
}

void DRU_Fl_File_Chooser::textcolor(Fl_Color c)
{
    fileList->textcolor(c);
}

Fl_Color DRU_Fl_File_Chooser::textcolor()
{
    return fileList->textcolor();
}

void DRU_Fl_File_Chooser::textfont(Fl_Font f)
{
    fileList->textfont(f);
}

Fl_Font DRU_Fl_File_Chooser::textfont()
{
    return fileList->textfont();
}

void DRU_Fl_File_Chooser::textsize(Fl_Fontsize s)
{
    fileList->textsize(s);
}

Fl_Fontsize DRU_Fl_File_Chooser::textsize()
{
    return fileList->textsize();
}

void DRU_Fl_File_Chooser::iconsize(uchar s)
{
    fileList->iconsize(s);
}

uchar DRU_Fl_File_Chooser::iconsize()
{
    return fileList->iconsize();
}
