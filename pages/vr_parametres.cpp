// The Parameters section of the GRIB request page: one toggle per
// parameter the chosen model offers, each carrying its GRIB number; a
// toggle adds the parameter to the request or takes it out, and the text,
// volume and cost follow at once.
#include "pages/vr.h"

#include "gribdata/modeles.h"
#include "gribdata/parametres.h"
#include "pages/menus_modeles.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/fl_draw.H>
#include <strings.h>
#include <vector>

namespace {

// The request asks for parameter `numero` (its short key, case ignored).
bool bParametreDemande(const requete& r, int numero)
{
    const char* cle = numero > 0 && numero < int(ST_PARAMETRES.size())
                          ? ST_PARAMETRES[size_t(numero)].cle
                          : nullptr;
    for (int i = 0; cle && i < ListeCodes::TAILLE; ++i)
        if (strcasecmp(r.parametres[i].c_str(), cle) == 0)
            return true;
    return false;
}

}  // namespace

int vr::menu_parametres(int x, int y, int code, int type, Fl_Callback* rappel)
{
    delete[] boutonsParametresGrib;
    std::vector<const char*> noms;
    if (const TYPEDEF_MODELE* m = pDernierModele(code))
        for (const char* nom : m->parametres) {
            if (!nom)
                break;
            noms.push_back(nom);
        }
    std::vector<int> largeurs;
    fl_font(DRU_FONT, 12);
    for (const char* nom : noms)
        largeurs.push_back(int(fl_width(pcTraduire(nom))) + 8);
    std::vector<std::pair<int, int>> places;
    const int bas = noms.empty() ? y + 20 : iDisposerBoutons(largeurs, x, y, 21, places);
    boutonsParametresGrib = new classeBoutonImage*[noms.size() + 1];
    for (size_t i = 0; i < noms.size(); ++i)
        boutonsParametresGrib[i] =
            pBoutonMenu(places[i].first, places[i].second, largeurs[i], pcTraduire(noms[i]), type,
                        iNumeroParametre(noms[i]), rappel);
    boutonsParametresGrib[noms.size()] = nullptr;
    return bas;
}

void vr::vRequeteurGribParametres(int code)
{
    vSectionBoutons(SECTION_PARAMETRES, CLE_LOCAL("Parametres"), 4,
                    vBoutonRequeteurGribParametresContenuCallback, [this, code](int x, int y) {
                        return menu_parametres(x, y, code, FL_TOGGLE_BUTTON,
                                               vBoutonRequeteurGribParametresCallback);
                    });
    for (classeBoutonImage** b = boutonsParametresGrib; *b; ++b)
        (*b)->value(bParametreDemande(*requeteGrib, (*b)->shortcut()));
}

void vr::vBoutonRequeteurGribParametresCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    if (b->value())
        page->requeteGrib->vSetParametre(b->shortcut());
    else
        page->requeteGrib->vUnsetParametre(b->shortcut());
    // The text, volume and cost show the choice at once, and a send takes it.
    page->requeteGrib->vEcrire(0);
}
