// The pair of large switch buttons leading to the request page and to the
// viewer pages; one on the home page and one on each page. Both call the
// page switch installed in crochetBasculePage (ui/crochets.h).
#ifndef UI_BOUTONS_RVA_H
#define UI_BOUTONS_RVA_H

#include <FL/Fl_Group.H>

class Fl_RGB_Image;
class classeBouton;

// The four pictures of a language: request pressed, request released,
// view pressed, view released.
struct TYPEDEF_IMAGES_RVA {
    Fl_RGB_Image* requeteur_a;
    Fl_RGB_Image* requeteur;
    Fl_RGB_Image* visualisateur_a;
    Fl_RGB_Image* visualisateur;
};
TYPEDEF_IMAGES_RVA imagesRVA(const char* code);

class BoutonsRVA : public Fl_Group {
public:
    // `page`: 0 the request page, 1 to 9 a viewer page, 10 the home page.
    BoutonsRVA(int x, int y, int w, int h, int page);

    // Takes the pictures and the tooltips of the catalogue's language.
    void vLangage();

    int skin;
    int x0, y0, w0, h0;
    int page;
    classeBouton* requeteur;
    classeBouton* visualisateur;
    Fl_RGB_Image* image_requeteur_a;
    Fl_RGB_Image* image_requeteur;
    Fl_RGB_Image* image_visualisateur_a;
    Fl_RGB_Image* image_visualisateur;
};

#endif
