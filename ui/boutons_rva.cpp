#include "ui/boutons_rva.h"

#include "ui/boutons.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_RGB_Image.H>
#include <cstring>

namespace {

classeBouton* pBouton(int x, int y, int numero, BoutonsRVA* groupe)
{
    classeBouton* b = new classeBouton(x, y, 87, 34);
    b->box(FL_NO_BOX);
    b->down_box(FL_NO_BOX);
    b->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    b->shortcut(numero);
    b->callback(vBasculePage, groupe);
    return b;
}

}  // namespace

TYPEDEF_IMAGES_RVA imagesRVA(const char* code)
{
    if (std::strcmp(code, "fr") == 0)
        return {skin1_image_requeteur, skin1_image_requeteur_de, skin1_image_visualisateur,
                skin1_image_visualisateur_de};
    if (std::strcmp(code, "en") == 0)
        return {skin1_image_requeteur_en, skin1_image_requeteur_en_de,
                skin1_image_visualisateur_en, skin1_image_visualisateur_en_de};
    if (std::strcmp(code, "de") == 0)
        return {image_abfrage_a, image_abfrage, skin1_image_visualisateur_en,
                skin1_image_visualisateur_en_de};
    return {image_solicitante_a, image_solicitante, image_visualizador_a, image_visualizador};
}

BoutonsRVA::BoutonsRVA(int x, int y, int w, int h, int numero)
    : Fl_Group(x, y, w, h), skin(SKIN), x0(x), y0(y), w0(w), h0(h), page(numero)
{
    box(FL_NO_BOX);
    color(COLOR_FOND);
    requeteur = pBouton(x + 27, y + 9, 0, this);
    visualisateur = pBouton(x + 118, y + 9, 11, this);
    end();
    vLangage();
}

void BoutonsRVA::vLangage()
{
    const TYPEDEF_IMAGES_RVA images = imagesRVA(langage ? langage->langue : "fr");
    image_requeteur_a = images.requeteur_a;
    image_requeteur = images.requeteur;
    image_visualisateur_a = images.visualisateur_a;
    image_visualisateur = images.visualisateur;
    requeteur->image(page == 0 ? image_requeteur_a : image_requeteur);
    requeteur->deimage(image_requeteur);
    visualisateur->image(page >= 1 && page <= 9 ? image_visualisateur_a : image_visualisateur);
    visualisateur->deimage(image_visualisateur);
    // Copied: a reload of the catalogue frees the texts it held.
    vBulle(requeteur, CLE_LOCAL("Commander des produits"));
    vBulle(visualisateur, CLE_LOCAL("Visualiser les donnees"));
    redraw();
}
