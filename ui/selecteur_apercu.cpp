// The chooser's preview: a picture fitted to the box, the first bytes of
// a text, or "?".
#include "ui/selecteur.h"

#include "ui/image_controlee.h"
#include "ui/texte_apercu.h"
#include "ui/texte_brut.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Preferences.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Tile.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <memory>
#include <string>

namespace {

// The octets the text preview shows at most.
const size_t TEXTE_APERCU = 2048;

}  // namespace

void DRU_Fl_File_Chooser::preview(int e)
{
    previewButton->value(e);
    prefs_->set("preview", e);
    prefs_->flush();
    const int x = tile->x(), y = tile->y(), w = tile->w(), h = tile->h();
    if (e) {
        const int l = w * 2 / 3;
        fileList->resize(x, y, w - l, h);
        previewBox->resize(x + w - l, y, l, h);
        previewBox->show();
    } else {
        fileList->resize(x, y, w, h);
        previewBox->resize(x + w, y, 0, h);
        previewBox->hide();
    }
    tile->init_sizes();
    tile->redraw();
    vMajApercu();
}

int DRU_Fl_File_Chooser::preview() const
{
    return previewButton->value();
}

void DRU_Fl_File_Chooser::vApercuDiffere(void* selecteur)
{
    static_cast<DRU_Fl_File_Chooser*>(selecteur)->vMajApercu();
}

void DRU_Fl_File_Chooser::vMajApercu()
{
    if (!previewButton->value())
        return;
    previewBox->image(nullptr);
    delete apercu_;
    apercu_ = nullptr;
    previewBox->label(nullptr);
    previewBox->redraw();
    const char* v = value();
    if (!v || fl_filename_isdir(v))
        return;
    // One reading decides: the picture, else the first octets as text.
    if (window->shown())
        fl_cursor(FL_CURSOR_WAIT);
    std::string octets;
    const bool lu = bLireImage(v, octets, TEXTE_APERCU);
    Fl_Shared_Image* image = nullptr;
    if (lu)
        if (Fl_RGB_Image* decodee =
                pDecoderImage(octets, IMAGE_INCONNUE, v, nullptr, previewBox->color()))
            image = Fl_Shared_Image::get(decodee, 1);
    if (window->shown())
        fl_cursor(FL_CURSOR_DEFAULT);
    if (!image) {
        vApercuTexte(octets.data(), std::min(octets.size(), TEXTE_APERCU));
        return;
    }
    const int l = std::max(1, previewBox->w() - 20), h = std::max(1, previewBox->h() - 20);
    int w0 = image->w(), h0 = image->h();
    if (w0 > l || h0 > h) {
        const double f = std::min(double(l) / w0, double(h) / h0);
        w0 = std::max(1, int(w0 * f));
        h0 = std::max(1, int(h0 * f));
    }
    apercu_ = image->copy(w0, h0);
    image->release();
    previewBox->align(FL_ALIGN_CLIP | FL_ALIGN_INSIDE);
    previewBox->image(apercu_);
}

void DRU_Fl_File_Chooser::vApercuTexte(const char* octets, size_t n)
{
    std::string texte;
    if (bTexteApercu(octets, n, texte)) {
        // The file's text as it stands, "@" included.
        preview_text_ = sLibelleBrut(texte);
        previewBox->label(preview_text_.c_str());
        previewBox->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        previewBox->labelfont(FL_COURIER);
        previewBox->labelsize(std::min(14, std::max(6, previewBox->h() / 20)));
    } else {
        previewBox->label("?");
        previewBox->align(FL_ALIGN_CLIP | FL_ALIGN_INSIDE);
        previewBox->labelfont(FL_HELVETICA);
        previewBox->labelsize(100);
    }
}
