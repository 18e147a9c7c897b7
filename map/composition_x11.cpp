#include "map/composition_x11.h"

#include <FL/Fl_Device.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <vector>

namespace {

bool bErreurPartage = false;

int iErreurPartage(Display*, XErrorEvent*)
{
    bErreurPartage = true;
    return 0;
}

// Whether the server can map a pixmap on memory shared with this process:
// a local server with the shared-memory extension and its pixmaps.
bool bPixmapsPartages(Display* d)
{
    int majeure, mineure;
    Bool pixmaps = False;
    return XShmQueryVersion(d, &majeure, &mineure, &pixmaps) && pixmaps &&
           XShmPixmapFormat(d) == ZPixmap;
}

// The picture's pixmap in the server, 32 bits a pixel, kept and grown to
// the largest part drawn so far. Its pixels are written either straight
// into memory that the server shares (no copy through the connection), or
// into a buffer of this process and then sent.
class PixmapAlpha {
public:
    // Room for l x h pixels; false when none could be made.
    bool bPreparer(Display* d, int l, int h);
    // Where the l x h pixels go, row by row `pas()` pixels apart; only
    // valid until the next call to bPreparer.
    uint32_t* pixels();
    int pas() const { return largeur_; }
    // Hands the l x h pixels written to the server.
    void vEnvoyer(int l, int h);
    Picture source() const { return source_; }
    // The request that last read the pixmap has just been made.
    void vLue() { lecture_ = NextRequest(d_) - 1; }

private:
    void vOublier();
    bool bCreerPartage(int l, int h);
    void vDetruire();

    Display* d_ = nullptr;
    Pixmap pixmap_ = 0;
    Picture source_ = 0;
    GC gc_ = nullptr;
    int largeur_ = 0, hauteur_ = 0;
    bool partage_ = false;
    bool partageRefuse_ = false;  // shared memory failed once is not tried again
    unsigned long lecture_ = 0;  // the request number of vLue
    XShmSegmentInfo segment_{};
    std::vector<uint32_t> tampon_;
};

// A display other than the one the pixmap was made on (the toolkit's
// connection closed and opened again): its resources went with the old
// connection.
void PixmapAlpha::vOublier()
{
    pixmap_ = 0;
    source_ = 0;
    gc_ = nullptr;
    largeur_ = hauteur_ = 0;
    partage_ = partageRefuse_ = false;
    lecture_ = 0;
}

void PixmapAlpha::vDetruire()
{
    if (source_)
        XRenderFreePicture(d_, source_);
    if (pixmap_)
        XFreePixmap(d_, pixmap_);
    if (partage_) {
        XShmDetach(d_, &segment_);
        shmdt(segment_.shmaddr);
    }
    source_ = 0;
    pixmap_ = 0;
    partage_ = false;
    largeur_ = hauteur_ = 0;
}

// The segment is marked for removal as soon as the server holds it, so
// that it goes with the last of the two that lets it go.
bool PixmapAlpha::bCreerPartage(int l, int h)
{
    segment_.shmid = shmget(IPC_PRIVATE, size_t(l) * size_t(h) * 4, IPC_CREAT | 0600);
    if (segment_.shmid < 0)
        return false;
    segment_.shmaddr = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
    segment_.readOnly = False;
    bool attache = false;
    if (segment_.shmaddr != reinterpret_cast<char*>(-1)) {
        // A server that is not local refuses the segment with an error.
        XSync(d_, False);
        bErreurPartage = false;
        auto* ancien = XSetErrorHandler(iErreurPartage);
        attache = XShmAttach(d_, &segment_) && (XSync(d_, False), !bErreurPartage);
        XSetErrorHandler(ancien);
        if (!attache)
            shmdt(segment_.shmaddr);
    }
    shmctl(segment_.shmid, IPC_RMID, nullptr);
    if (!attache)
        return false;
    pixmap_ = XShmCreatePixmap(d_, RootWindow(d_, fl_screen), segment_.shmaddr, &segment_,
                               unsigned(l), unsigned(h), 32);
    partage_ = true;
    return true;
}

bool PixmapAlpha::bPreparer(Display* d, int l, int h)
{
    if (d != d_) {
        vOublier();
        d_ = d;
    }
    if (l <= largeur_ && h <= hauteur_)
        return true;
    XRenderPictFormat* format = XRenderFindStandardFormat(d, PictStandardARGB32);
    if (!format)
        return false;
    l = std::max(l, largeur_);
    h = std::max(h, hauteur_);
    vDetruire();
    if (!partageRefuse_ && bPixmapsPartages(d))
        bCreerPartage(l, h);
    if (!partage_) {
        partageRefuse_ = true;
        pixmap_ = XCreatePixmap(d, RootWindow(d, fl_screen), unsigned(l), unsigned(h), 32);
        tampon_.assign(size_t(l) * size_t(h), 0);
    }
    if (!gc_)
        gc_ = XCreateGC(d, pixmap_, 0, nullptr);
    source_ = XRenderCreatePicture(d, pixmap_, format, 0, nullptr);
    largeur_ = l;
    hauteur_ = h;
    return true;
}

uint32_t* PixmapAlpha::pixels()
{
    if (!partage_)
        return tampon_.data();
    // The server may still be reading the pixels of the last draw: it is
    // waited for unless it is known to be done.
    if (LastKnownRequestProcessed(d_) < lecture_)
        XSync(d_, False);
    return reinterpret_cast<uint32_t*>(segment_.shmaddr);
}

void PixmapAlpha::vEnvoyer(int l, int h)
{
    if (partage_)
        return;
    const uint32_t un = 1;
    const int ordre = *reinterpret_cast<const unsigned char*>(&un) ? LSBFirst : MSBFirst;
    XImage xi{};
    xi.width = l;
    xi.height = h;
    xi.format = ZPixmap;
    xi.data = reinterpret_cast<char*>(tampon_.data());
    xi.byte_order = ordre;
    xi.bitmap_unit = 32;
    xi.bitmap_bit_order = ordre;
    xi.bitmap_pad = 32;
    xi.depth = 32;
    xi.bytes_per_line = largeur_ * 4;
    xi.bits_per_pixel = 32;
    xi.red_mask = 0xff0000;
    xi.green_mask = 0xff00;
    xi.blue_mask = 0xff;
    XInitImage(&xi);
    XPutImage(d_, pixmap_, gc_, &xi, 0, 0, 0, 0, unsigned(l), unsigned(h));
}

// The pixel as the server's premultiplied ARGB32 format holds it: each
// colour times alpha / 255, truncated, as the toolkit converts it.
uint32_t iPremultiplie(const unsigned char* p)
{
    const uint32_t a = p[3];
    return a << 24 | (p[0] * a / 255) << 16 | (p[1] * a / 255) << 8 | p[2] * a / 255;
}

// The part of the picture into the pixmap's corner. Neighbouring pixels
// of a band picture are mostly the same: each is converted only when it
// differs from the one before.
void vConvertir(const unsigned char* rvba, int li, int cx, int cy, int l, int h, uint32_t* sortie,
                int pas)
{
    uint32_t mot = 0, converti = 0;  // a pixel of zeros stays zeros
    for (int y = 0; y < h; ++y) {
        const unsigned char* p = rvba + (size_t(cy + y) * size_t(li) + size_t(cx)) * 4;
        uint32_t* s = sortie + size_t(y) * size_t(pas);
        for (int x = 0; x < l; ++x, p += 4) {
            uint32_t m;
            std::memcpy(&m, p, 4);
            if (m != mot) {
                mot = m;
                converti = iPremultiplie(p);
            }
            s[x] = converti;
        }
    }
}

bool bOuvert()
{
    return fl_display && Fl_Surface_Device::surface() == Fl_Display_Device::display_device() &&
           fl_can_do_alpha_blending();
}

}  // namespace

bool bComposerX11(const unsigned char* rvba, int li, int hi, int x, int y, int l, int h, int cx,
                  int cy)
{
    static PixmapAlpha pixmap;
    XRenderPictFormat* cible =
        bOuvert() ? XRenderFindVisualFormat(fl_display, fl_visual->visual) : nullptr;
    if (!cible)
        return false;
    // What shows: the box inside the clip and inside the picture.
    int X, Y, W, H;
    fl_clip_box(x, y, l, h, X, Y, W, H);
    cx += X - x;
    cy += Y - y;
    if (cx < 0)
        W += cx, X -= cx, cx = 0;
    if (cy < 0)
        H += cy, Y -= cy, cy = 0;
    W = std::min(W, li - cx);
    H = std::min(H, hi - cy);
    if (W <= 0 || H <= 0)
        return true;
    if (!pixmap.bPreparer(fl_display, W, H))
        return false;
    vConvertir(rvba, li, cx, cy, W, H, pixmap.pixels(), pixmap.pas());
    pixmap.vEnvoyer(W, H);
    const Picture destination = XRenderCreatePicture(fl_display, fl_window, cible, 0, nullptr);
    if (Fl_Region r = fl_clip_region())
        XRenderSetPictureClipRegion(fl_display, destination, r);
    XRenderComposite(fl_display, PictOpOver, pixmap.source(), None, destination, 0, 0, 0, 0, X, Y,
                     unsigned(W), unsigned(H));
    pixmap.vLue();
    XRenderFreePicture(fl_display, destination);
    return true;
}
