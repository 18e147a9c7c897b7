// The pieces the title bar is built from.
#ifndef SHELL_TITRE_FABRIQUE_H
#define SHELL_TITRE_FABRIQUE_H

#include <FL/Fl_Group.H>

class Fl_Box;
class Fl_Image;
class classeBouton;

// A picture box without frame, its image inside and clipped.
Fl_Box* pBoiteImage(int x, int y, int w, int h, Fl_Image* image);
// A flat box of one colour.
Fl_Box* pBoiteUnie(int x, int y, int w, int h, Fl_Color couleur);
// A program button drawn only as its pictures (up, and while deactivated),
// with its callback; the title bar is the user data of every tool.
classeBouton* pBoutonImage(int x, int y, int w, int h, Fl_Image* image, Fl_Image* inactive,
                           Fl_Callback* rappel, void* titre);

// Widgets made meanwhile go into no group: the caller adds them where
// they belong.
class SansGroupeCourant {
public:
    SansGroupeCourant() : courant_(Fl_Group::current()) { Fl_Group::current(nullptr); }
    ~SansGroupeCourant() { Fl_Group::current(courant_); }
    SansGroupeCourant(const SansGroupeCourant&) = delete;
    SansGroupeCourant& operator=(const SansGroupeCourant&) = delete;

private:
    Fl_Group* courant_;
};

// Replaces a child of the group (the old one deleted, if any).
template <class T>
void vRemplacerEnfant(Fl_Group& groupe, T*& ancien, T* nouveau)
{
    if (ancien) {
        groupe.remove(ancien);
        delete ancien;
    }
    groupe.add(nouveau);
    ancien = nouveau;
}

#endif
