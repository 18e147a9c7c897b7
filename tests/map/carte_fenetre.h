// A vector-only map of 1024 x 600 pixels shown in a window, and the
// recording of what one of its layers hands to X11.
#ifndef TESTS_MAP_CARTE_FENETRE_H
#define TESTS_MAP_CARTE_FENETRE_H

// Google Test first: the X11 headers behind the recording driver define
// macros (None, Bool) that its own headers use as names.
#include <gtest/gtest.h>

#include "map/fdc.h"
#include "tests/map/pilote_enregistreur.h"
#include "tests/ui/harnais_gui.h"
#include "ui/palette.h"

#include <FL/Fl_Double_Window.H>
#include <memory>

class CarteFenetre : public ::testing::Test {
protected:
    static constexpr int X = 10, Y = 10, L = 1024, HT = 600;

    void SetUp() override
    {
        skins();
        fenetre.reset(new Fl_Double_Window(L + 2 * X, HT + 2 * Y));
        carte = pNouvelleCarte();
        fenetre->end();
        carte->initialisation(FDC_VECTEUR, HT, 1);
        carte->chargementAffiche = 0;
        ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    }

    // The map shown: a fixture may show a map of its own.
    virtual fdc* pNouvelleCarte() { return new fdc(X, Y, L, HT); }

    // Records what one layer draws for the view.
    template <class F>
    std::unique_ptr<PiloteEnregistreur> dessiner(double lat, double lon, double etendue, F couche)
    {
        carte->zoom(lat, lon, etendue, 0);
        fenetre->make_current();
        auto p = std::make_unique<PiloteEnregistreur>();
        couche();
        return p;
    }

    std::unique_ptr<Fl_Double_Window> fenetre;
    fdc* carte = nullptr;
};

#endif
