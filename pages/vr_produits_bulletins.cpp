// A press on a product button of the bulletin and image pages: the
// bulletin request is rebuilt from every button down, so that its codes
// and its volume are those of the selection shown; in connected mode the
// pressed product goes at once and its button comes back up. A zone chart
// button opens its chart and never enters the request.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "pages/regles_bulletins.h"
#include "transport/requete.h"
#include "transport/threads_http.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/local.h"
#include "ui/saisie_en_cours.h"

#include <vector>

namespace {

bool bConnecte()
{
    return MODE_CONNECTE && MODE_BULL_HTTP;
}

std::vector<Fl_Button*> enfonces(const std::array<classeBoutonImage**, 6>& tableaux)
{
    std::vector<Fl_Button*> v;
    for (classeBoutonImage** t : tableaux)
        for (; t && *t; ++t)
            if ((*t)->value())
                v.push_back(*t);
    return v;
}

// Codes past the request's slots are not asked for: the user hears of it.
void vSignalerPerdus(const requete& r)
{
    if (r.objetsPerdus)
        fl_alert("%s",
                 pcTraduire("Trop de produits choisis : les derniers ne seront pas demandes"));
}

}  // namespace

void vr::vBoutonRequeteurGmdssCallback(Fl_Widget* bouton, void* donnees)
{
    // The number of days being typed goes with the products.
    if (!bValiderAvantPression(bouton))
        return;
    vr* page = static_cast<vr*>(donnees);
    classeBouton* b = static_cast<classeBouton*>(bouton);
    const int n = b->shortcut();
    if (bBoutonCarteZones(n) && b->value()) {
        page->vGetHTTPbulletinGmdss(unsigned(n), nullptr, 0);
        b->value(0);
        b->redraw();
        return;
    }
    if (page->carte)
        page->carte->redraw();
    if (bConnecte() && b->value()) {
        page->vEnvoyerBulletinsConnecte(b);
        return;
    }
    requete& r = *page->requeteBulletins;
    classeBoutonImage* dernier = page->pReconstruireBulletins();
    page->vActiverAbonnementBulletins();
    if (!dernier) {
        // Nothing chosen: the codes of a loaded request go with the rest.
        page->codesSansBouton.clear();
        r.vInitialisation();
        if (page->abonnementBulletins)
            page->abonnementBulletins->vReecrire();
        // The volume shown goes back to nothing with the selection.
        r.vCout();
        page->vRafraichirEnvoi();
        return;
    }
    vSignalerPerdus(r);
    page->vRafraichirEnvoi();
}

// What goes is what was asked for, once: a press, its product alone; the
// send button, every product down. Codes loaded without a button ride
// with the first send after the load. Once the send is under way every
// button that went comes back up and the request holds what is left
// down, for the send button; with nothing left it still shows what went.
void vr::vEnvoyerBulletinsConnecte(classeBouton* presse)
{
    requete& r = *requeteBulletins;
    std::vector<Fl_Button*> partis;
    if (presse) {
        r.vFreeObjets();
        r.vSetObjet(presse);
        for (const std::string& code : codesSansBouton)
            r.vSetObjet(code.c_str());
        partis.push_back(presse);
    } else {
        // Nothing chosen: the request goes as it stands.
        partis = enfonces(tableauxProduits());
        if (!partis.empty() || !codesSansBouton.empty())
            pReconstruireBulletins();
    }
    vSignalerPerdus(r);
    // Nothing went when no slot was free: the buttons stay down to go later.
    if (iEnvoyerBulletins(r, presse) >= 0) {
        codesSansBouton.clear();
        for (Fl_Button* b : partis) {
            b->value(0);
            b->redraw();
        }
    }
    if (bProduitEnfonce())
        pReconstruireBulletins();
    vActiverAbonnementBulletins();
    vRafraichirEnvoi();
}

void vr::vBoutonRequeteurGmdssReinitialiseCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (!page || !page->requeteBulletins)
        return;
    page->requeteBulletins->vFreeObjets();
    page->codesSansBouton.clear();
    for (classeBoutonImage** t : page->tableauxProduits())
        for (; t && *t; ++t) {
            (*t)->value(0);
            (*t)->redraw();
        }
    page->vActiverAbonnementBulletins();
    page->requeteBulletins->vEcrire(0);
    page->vRafraichirEnvoi();
}

std::array<classeBoutonImage**, 6> vr::tableauxProduits() const
{
    return {{boutonsGmdss, boutonsSatellites, boutonsPreisos, boutonsNavtex, boutonsLarge,
             boutonsCotes}};
}

bool vr::bProduitEnfonce() const
{
    for (classeBoutonImage** t : tableauxProduits())
        for (; t && *t; ++t)
            if ((*t)->value())
                return true;
    return false;
}

bool vr::bProduitsChoisis() const
{
    return !codesSansBouton.empty() || bProduitEnfonce();
}

classeBoutonImage* vr::pReconstruireBulletins()
{
    requete& r = *requeteBulletins;
    r.vFreeObjets();
    classeBoutonImage* dernier = nullptr;
    for (classeBoutonImage** t : tableauxProduits())
        for (; t && *t; ++t)
            if ((*t)->value()) {
                r.vSetObjet(*t);
                dernier = *t;
            }
    for (const std::string& code : codesSansBouton)
        r.vSetObjet(code.c_str());
    return dernier;
}
