// The request page's bulletin page in a window of its own, over the small
// test Metarea tree, with the zone charts of data/img under img/: finding
// a product button by its number, pressing it as a click on the toggle
// does, and the image windows it opened.
#ifndef TESTS_PAGES_BULLETINS_TEST_H
#define TESTS_PAGES_BULLETINS_TEST_H

#include "tests/pages/requeteur_test.h"

#include "tests/catalogue/arbre_test.h"

#include <string>
#include <vector>

class classeBoutonImage;
class visualisateur;

class BulletinsTest : public RequeteurTest {
protected:
    BulletinsTest();
    ~BulletinsTest() override;

    // The product button carrying `numero` in the page's arrays, or null.
    classeBoutonImage* bouton(int numero) const;
    // The toggle turned over and its callback run.
    void presser(int numero);
    // The registered image windows, in the registry's order.
    static std::vector<visualisateur*> images();
    std::string texteBulletins() const { return texte(page->tamponBulletins); }

    ArbreTest arbre;
    int connecteAvant;
};

#endif
