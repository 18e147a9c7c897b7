#include "ui/visualisateur.h"

#include "gribdata/decode.h"
#include "gribdata/globales.h"
#include "ui/budget_images.h"
#include "ui/calcul_image.h"
#include "ui/globales_ui.h"
#include "ui/image_controlee.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/filename.H>
#include <FL/fl_ask.H>
#include <cstdio>

namespace {

// "Images, <name> : <the text of the key>", with its one button.
void vMessage(const char* nom, const char* cle)
{
    fl_choice("%s, %s : %s", pcTraduire("Oui"), nullptr, nullptr, pcTraduire("Images"), nom,
              pcTraduire(cle));
}

// The picture would take the image windows past their budget: it is not
// shown; the file stays where it is, to be opened once others are closed.
void vRefusBudget(const char* fichier, const char* nom)
{
    vJournal("<IMAGE>", "%.200s non ouverte: les fenetres d'images tiennent %lld octets sur %lld\n",
             fichier, llImagesTenues(), budgetImages);
    vMessage(nom,
             CLE_LOCAL("Trop d'images ouvertes : fermez-en une, puis ouvrez celle-ci par Ouvrir"));
}

}  // namespace

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
      titre{}, octetsTenus(0)
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
    // With the budget spent, the picture is not even read.
    if (llImagesTenues() >= budgetImages) {
        vRefusBudget(fichier, nom);
        return;
    }
    // The budget is asked with the size the header gives, before a pixel
    // is decoded: a picture that does not fit costs its header only, and
    // nothing of it is held while its box waits.
    bool horsBudget = false;
    imageFichier = pImageControlee(fichier, [this, &horsBudget](int l, int h, int d) {
        const long long octets = (long long)l * h * d;
        horsBudget = !bPrendreImage(octets);
        octetsTenus = horsBudget ? 0 : octets;
        return !horsBudget;
    });
    if (horsBudget) {
        vRefusBudget(fichier, nom);
        return;
    }
    if (!imageFichier) {
        vRendreImage(octetsTenus);
        octetsTenus = 0;
        vMessage(nom, CLE_LOCAL("Non disponible"));
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
    vRendreImage(octetsTenus);
}

void visualisateur::draw()
{
    if (!imageFichier) {
        Fl_Double_Window::draw();
        return;
    }
    vDessinerCouvrant(imageFichier, 0, 0, w(), h());
}
