#include "ui/visualisateur.h"

#include "gribdata/decode.h"
#include "ui/calcul_image.h"
#include "ui/globales_ui.h"
#include "ui/image_controlee.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/filename.H>
#include <FL/fl_ask.H>
#include <cstdio>

void vAjusterImage(int lI, int hI, int lE, int hE, int& w, int& h)
{
    const float r = float(lI) / float(hI);
    w = lI;
    h = hI;
    if (hE < hI) {
        h = hE;
        w = int(float(h) * r);
        if (w > lE) {
            w = lE;
            h = int(float(w) / r);
        }
    } else if (lI > lE) {
        w = lE;
        h = int(float(w) / r);
    }
    if (w < 100)
        w = 100;
    if (h < 100)
        h = 100;
}

visualisateur::visualisateur(const char* fichier, int droite, int haut, const char*)
    : Fl_Double_Window(600, 400), imageFichier(nullptr), copie(nullptr), largeur(0), hauteur(0),
      titre{}
{
    box(FL_THIN_DOWN_BOX);
    color(49);
    resizable(this);
    end();
    const char* nom = fl_filename_name(fichier);
    char* programme = decode(TITRE_STOCKE);
    std::snprintf(titre, sizeof titre, "%s, %s : %s", programme ? programme : "",
                  pcTraduire("Visualisateur"), nom);
    delete[] programme;
    label(titre);
    imageFichier = pImageControlee(fichier);
    if (!imageFichier) {
        fl_choice("%s, %s : %s", pcTraduire("Oui"), nullptr, nullptr, pcTraduire("Images"), nom,
                  pcTraduire("Non disponible"));
        return;
    }
    vAjusterImage(imageFichier->w(), imageFichier->h(), Fl::w(), Fl::h(), largeur, hauteur);
    size(largeur, hauteur);
    size_range(largeur, hauteur);
    position(droite - largeur, haut);
    show();
}

visualisateur::~visualisateur()
{
    delete copie;
    if (imageFichier)
        imageFichier->release();
}

void visualisateur::draw()
{
    if (!imageFichier) {
        Fl_Double_Window::draw();
        return;
    }
    vDessinerCouvrant(imageFichier, 0, 0, w(), h());
}
