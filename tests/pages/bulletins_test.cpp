#include "tests/pages/bulletins_test.h"

#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/gestion_interfaces.h"
#include "ui/visualisateur.h"

#include <FL/Fl_Shared_Image.H>
#include <array>
#include <filesystem>

BulletinsTest::BulletinsTest() : connecteAvant(MODE_CONNECTE)
{
    fl_register_images();
    MODE_CONNECTE = 0;
    namespace fs = std::filesystem;
    for (const auto& f : fs::directory_iterator(std::string(QUENBREL_SOURCE_DIR) + "/data/img"))
        if (f.path().filename().string().rfind("zones_", 0) == 0)
            fs::copy_file(f.path(), "img" / f.path().filename());
}

BulletinsTest::~BulletinsTest()
{
    MODE_CONNECTE = connecteAvant;
}

classeBoutonImage* BulletinsTest::bouton(int numero) const
{
    const std::array<classeBoutonImage**, 6> tableaux = {
        page->boutonsGmdss, page->boutonsNavtex,     page->boutonsLarge,
        page->boutonsCotes, page->boutonsSatellites, page->boutonsPreisos};
    for (classeBoutonImage** t : tableaux)
        for (; t && *t; ++t)
            if ((*t)->shortcut() == numero)
                return *t;
    return nullptr;
}

void BulletinsTest::presser(int numero)
{
    classeBoutonImage* b = bouton(numero);
    ASSERT_NE(b, nullptr) << numero;
    b->value(!b->value());
    b->do_callback();
}

std::vector<visualisateur*> BulletinsTest::images()
{
    std::vector<visualisateur*> v;
    for (Fl_Double_Window* w : GESTION_UI)
        if (visualisateur* i = dynamic_cast<visualisateur*>(w))
            v.push_back(i);
    return v;
}
