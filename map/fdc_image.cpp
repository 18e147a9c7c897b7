// The base map of a view: installing the satellite picture, the drawn map
// or nothing, and rebuilding the view image after the view moved.
#include "map/fdc.h"

#include "gribdata/globales.h"
#include "map/chargement_fonds.h"
#include "map/colonnes_source.h"
#include "map/dru_pixmap.h"

#include <FL/Fl_Pixmap.H>
#include <FL/Fl_RGB_Image.H>
#include <algorithm>
#include <cmath>

namespace {

// Copies one output row of 3-byte pixels from a source row of `profondeur`
// bytes per pixel: grey (with or without alpha) or colour (with or without
// alpha).
void vRangeeRGB(unsigned char* sortie, const unsigned char* source, const std::vector<int>& cols,
                int profondeur)
{
    const size_t n = cols.size();
    if (profondeur >= 3) {
        for (size_t i = 0; i < n; ++i) {
            const unsigned char* p = source + size_t(cols[i]) * size_t(profondeur);
            sortie[3 * i] = p[0];
            sortie[3 * i + 1] = p[1];
            sortie[3 * i + 2] = p[2];
        }
        return;
    }
    for (size_t i = 0; i < n; ++i)
        sortie[3 * i] = sortie[3 * i + 1] = sortie[3 * i + 2] =
            source[size_t(cols[i]) * size_t(profondeur)];
}

}  // namespace

void fdc::load_image(Fl_RGB_Image* picture, Dru_Pixmap* pm)
{
    if ((zoomIn || zoomOut) && fond != 1 && fond != 2) {
        // A new picture may replace one that is about to be freed: the
        // auto-repeat zoom gives way rather than keep pointing into it.
        if (!picture) {
            vJournal("<FDC><IMAGE>", "load_image ... zoom en cours, sorry\n");
            return;
        }
        vArreterZooms();
    }
    if (pm && !pm->data)
        pm = nullptr;
    if (picture && (picture->w() <= 0 || picture->h() <= 0 || picture->d() < 1 ||
                    picture->d() > 4 || picture->count() < 1 || !picture->data()[0]))
        picture = nullptr;
    ox = oy = 0;
    image(nullptr);
    delete vuePixmap;
    vuePixmap = nullptr;
    delete vueImage;
    vueImage = nullptr;
    photo = nullptr;
    pixmap = nullptr;
    pixels = nullptr;
    if (pm) {
        pixmap = pixmapHD = pm;
        W = pm->W;
        H = int(pm->H * facteurHauteur);
        profondeur = 1;
    } else if (picture) {
        photo = picture;
        W = picture->w();
        hauteurImage = picture->h();
        H = int(picture->h() * facteurHauteur);
        pixels = reinterpret_cast<const unsigned char*>(picture->data()[0]);
        profondeur = picture->d();
        pasLigne = picture->ld() ? picture->ld() : picture->w() * picture->d();
    } else {
        W = FDC_VECTEUR_W;
        H = FDC_VECTEUR_H;
        profondeur = 0;
    }
    const double m = double(H) / INTERFACE_FDC_HAUTEUR_MINIMUM;
    echelleMax = m;
    const double diviseurs[6] = {2, 4, 16, 96, 512, 1024};
    for (int i = 0; i < 6; ++i)
        seuils[i] = m / diviseurs[i];
    const double ancienneVue = echelleVue;
    echelleCourante = echelleVue = double(H) / std::max(1, h());
    echelleMin = (photo || pixmap) ? 0.25 : 4.0;
    ancreX *= echelleVue / ancienneVue;
    ancreY *= echelleVue / ancienneVue;
    zoom(centreLatitude, centreLongitude, etendue, 0);
    if (!dessinEnCours)
        redraw();
}

void fdc::fdcCallback(int kind, int cycle)
{
    const auto cycler = [this](int premier) {
        niveauTraitCote = niveauTraitCote >= 3 ? premier : niveauTraitCote + 1;
    };
    const auto vecteurSeul = [this] {
        niveauTraitCote = 1;
        load_image(nullptr, nullptr);
        fond = FDC_VECTEUR;
    };
    if (kind == FDC_DESSINEE || kind == FDC_SATELLITE) {
        const bool present = kind == FDC_DESSINEE ? pixmapHD && pixmapHD->data : FDCSAT != nullptr;
        if (!present) {
            vecteurSeul();
        } else if (fond == kind) {
            if (cycle) {
                cycler(0);
                redraw();
            }
        } else {
            fond = kind;
            if (kind == FDC_DESSINEE)
                load_image(nullptr, pixmapHD);
            else
                load_image(FDCSAT, nullptr);
        }
    } else if (kind == FDC_VECTEUR) {
        load_image(nullptr, nullptr);
        if (fond == FDC_VECTEUR) {
            cycler(1);
        } else {
            fond = FDC_VECTEUR;
            if (niveauTraitCote == 0)
                niveauTraitCote = 1;
        }
    }
}

void fdc::recalculer(int reallocate)
{
    vEnrouler();
    if (largeur > 0 && hauteur > 0 && photo && pixels) {
        const bool proche = echelleCourante < 1;
        const int sourceL = proche ? int(largeur * echelleCourante) : largeur;
        const int sourceH = proche ? int(hauteur * echelleCourante) : hauteur;
        const int rangees = int(sourceH / facteurHauteur);
        const size_t taille = size_t(std::max(sourceL, 1)) * size_t(std::max(rangees, 1)) * 3;
        if (reallocate || !reechantillon || reechantillonTaille < taille) {
            delete[] reechantillon;
            reechantillon = new unsigned char[taille];
            reechantillonTaille = taille;
        }
        recalculerImage(oy / facteurHauteur, sourceL, rangees, proche ? 1.0 : echelleCourante);
    } else if (largeur > 0 && hauteur > 0 && pixmap) {
        decoupe = pixmap->copyplat(facteurHauteur, ox, oy, largeur, hauteur, echelleCourante, nullptr);
        int l = 0, h = 0, nc = 0, cpp = 0;
        image(nullptr);
        delete vuePixmap;
        vuePixmap = nullptr;
        if (decoupe && iEntetePixmap(decoupe[0], l, h, nc, cpp)) {
            Fl_Pixmap coupe(decoupe);
            vuePixmap = coupe.copy(largeur, hauteur);
            image(vuePixmap);
        }
        Dru_Pixmap::free(decoupe);
        decoupe = nullptr;
    }
    if (!dessinEnCours)
        redraw();
}

void fdc::recalculerImage(double firstRow, int width, int rows, double step)
{
    if (!photo || !pixels || width <= 0 || rows <= 0 ||
        reechantillonTaille < size_t(width) * size_t(rows) * 3)
        return;
    const double vue = largeur * echelleCourante;
    int premiere, avant;
    if (ox >= 0 && W >= vue + ox) {
        premiere = int(std::lrint(ox));
        avant = width;
    } else if (ox < 0) {
        avant = int(std::lrint(width * -ox / vue));
        premiere = int(std::lrint(ox + W));
    } else {
        avant = int(std::lrint(width * (W - ox) / vue));
        premiere = int(std::lrint(ox));
    }
    const std::vector<int> cols = colonnesSource(width, premiere, avant, step, W);
    const long premiereRangee = std::lrint(firstRow);
    for (int r = 0; r < rows; ++r) {
        const int source = iBorne(premiereRangee + (long long)(r * step), hauteurImage);
        vRangeeRGB(reechantillon + size_t(r) * size_t(width) * 3,
                   pixels + size_t(source) * size_t(pasLigne), cols, profondeur);
    }
    image(nullptr);
    delete vueImage;
    Fl_RGB_Image vue3(reechantillon, width, rows, 3);
    vueImage = static_cast<Fl_RGB_Image*>(vue3.copy(largeur, hauteur));
    image(vueImage);
}
