// The image window: one received picture, fitted to the screen.
#ifndef UI_VISUALISATEUR_H
#define UI_VISUALISATEUR_H

#include <FL/Fl_Double_Window.H>

class Fl_Image;
class Fl_Shared_Image;

// The window size for an image of lI x hI on a screen of lE x hE: the
// image's size, brought inside the screen with its proportions, at least
// 100 x 100.
void vAjusterImage(int lI, int hI, int lE, int hE, int& w, int& h);

class visualisateur : public Fl_Double_Window {
public:
    // Reads the picture and shows the window with its right edge at
    // `droite` and its top at `haut`. A file that is not a picture gives
    // the "Non disponible" message and a window that is never shown: the
    // caller asks iCharge() before registering it. A picture that does
    // not fit in what is left of the image windows' budget
    // (ui/budget_images.h) is not kept either: one log line and a
    // message. `label` is not used.
    visualisateur(const char* fichier, int droite, int haut, const char* label = nullptr);
    ~visualisateur() override;
    void draw() override;

    // 1 when the picture was read.
    int iCharge() const { return imageFichier != nullptr; }

    Fl_Shared_Image* imageFichier;
    Fl_Image* copie;  // the scaled copy, only while drawing
    int largeur, hauteur;
    char titre[128];
    long long octetsTenus;  // taken from the budget, given back at the end
};

#endif
