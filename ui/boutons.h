// The program's own buttons: a push button with a hand cursor whose label
// lights up while pressed, a round button with the same cursor, and an
// image button drawn over the two compiled-in faces. Every button carries
// an integer number in the toolkit's shortcut field (a product, a page, a
// help topic); the buttons therefore never answer shortcut events.
#ifndef UI_BOUTONS_H
#define UI_BOUTONS_H

#include <FL/Fl_Button.H>
#include <FL/Fl_Round_Button.H>

// Tooltips shown (1) or not (0); the key "t" flips it.
extern int TOOLTIP;
// Every program button made so far.
extern int NombreDeBoutons;

class classeBouton : public Fl_Button {
public:
    // With the program's style: DRU_FONT at 12, grey face, palette colours,
    // thin GTK box.
    classeBouton(int x, int y, int w, int h, const char* label = nullptr);
    int handle(int event) override;
    void draw() override;

    int couleurHaut;  // the label colour while the button is up
};

class classeRoundBouton : public Fl_Round_Button {
public:
    classeRoundBouton(int x, int y, int w, int h, const char* label = nullptr);
    int handle(int event) override;
};

class classeBoutonImage : public classeBouton {
public:
    classeBoutonImage(int x, int y, int w, int h, const char* label = nullptr);
    void draw() override;
};

// The common part of both handlers: the key "t", just typed, flips the
// tooltips once and is forgotten. Answers 1 when it did.
int iBasculerTooltips();

// The hand cursor over a button, the default one when the pointer leaves.
void vCurseurBouton(Fl_Widget* bouton, int event);

#endif
