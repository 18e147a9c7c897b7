// The Mesh section of the GRIB request page: one button per grid step of
// the chosen model; the chosen step snaps the zone and steps its fields.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/menus_modeles.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <cstdio>
#include <cstring>
#include <vector>

int vr::menu_mailles(int x, int y, int code, int type, Fl_Callback* rappel)
{
    const std::vector<float> mailles = maillesModele(code);
    delete[] boutonsMailles;
    boutonsMailles = nullptr;
    if (!mailles.empty()) {
        vPasChampsZone(mailles[0]);
        setCoordonneesHaut();
        setCoordonneesBas();
        setCoordonneesGauche();
        setCoordonneesDroit();
    }
    std::vector<int> largeurs;
    for (size_t i = 0; i < mailles.size(); ++i) {
        std::snprintf(libellesMailles[i], sizeof libellesMailles[i], "%s",
                      sLibelleMaille(mailles[i]).c_str());
        largeurs.push_back(6 * int(std::strlen(libellesMailles[i])) + 8);
    }
    std::vector<std::pair<int, int>> places;
    const int bas = iDisposerBoutons(largeurs, x, y, 20, places);
    boutonsMailles = new classeBoutonImage*[mailles.size() + 1];
    for (size_t i = 0; i < mailles.size(); ++i) {
        classeBoutonImage* b = new classeBoutonImage(places[i].first, places[i].second,
                                                     largeurs[i], 20, libellesMailles[i]);
        b->type(type);
        b->callback(rappel, this);
        b->value(i == 0);
        boutonsMailles[i] = b;
    }
    boutonsMailles[mailles.size()] = nullptr;
    return bas;
}

void vr::vRequeteurGribMailles(int code)
{
    vSectionBoutons(SECTION_MAILLES, CLE_LOCAL("Maille"), 3,
                    vBoutonRequeteurGribMaillesContenuCallback, [this, code](int x, int y) {
                        return menu_mailles(x, y, code, FL_RADIO_BUTTON,
                                            vBoutonRequeteurGribMaillesCallback);
                    });
    vPasChampsZone(requeteGrib->maille);
    // The request's mesh text is its mesh line after "M ".
    const std::string& ligne = requeteGrib->ligneMaille;
    const std::string texte = ligne.size() > 2 ? ligne.substr(2) : "";
    for (classeBoutonImage** b = boutonsMailles; *b; ++b)
        (*b)->value(texte == (*b)->label());
}

void vr::vBoutonRequeteurGribMaillesCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    page->requeteGrib->vSetMaille(bouton->label());
    page->vPasChampsZone(page->requeteGrib->maille);
    if (page->carte)
        page->carte->overlay_output(2);
}
