// The request page's send button and what the send window asks of the
// page: the page itself (its help buttons' data), a copy of the profile's
// address and password for the page's transfers, its send button set by
// the rule again, and its two requests.
#include "pages/vr.h"

#include "transport/crochets_envoi.h"
#include "transport/requete.h"
#include "ui/boutons.h"

#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <cstring>

namespace {

vr* pPage0()
{
    return gvr && ngvr > 0 ? gvr[0] : nullptr;
}

void* pPageRequete()
{
    return pPage0();
}

void vGarder(char*& champ, const char* texte)
{
    delete[] champ;
    champ = new char[std::strlen(texte) + 1];
    std::strcpy(champ, texte);
}

void vIdentifiants(const char* email, const char* password)
{
    if (vr* page = pPage0()) {
        vGarder(page->adresseEnvoi, email);
        vGarder(page->motDePasseEnvoi, password);
    }
}

void vReactiverEnvoi()
{
    if (vr* page = pPage0())
        page->vRafraichirEnvoi();
}

bool bEnfonce(classeBoutonImage** boutons)
{
    for (; boutons && *boutons; ++boutons)
        if ((*boutons)->value())
            return true;
    return false;
}

requete* pRequetePage(int type)
{
    vr* page = pPage0();
    if (!page)
        return nullptr;
    return type == 0 ? page->requeteGrib : type == 1 ? page->requeteBulletins : nullptr;
}

}  // namespace

void vInstallerCrochetsEnvoi()
{
    crochetsEnvoi.pageRequete = pPageRequete;
    crochetsEnvoi.identifiants = vIdentifiants;
    crochetsEnvoi.reactiverEnvoi = vReactiverEnvoi;
    crochetsEnvoi.requetePage = pRequetePage;
}

bool vr::bEnvoiBulletins() const
{
    return scrollGrib && groupeForfaits && !scrollGrib->visible() && !groupeForfaits->visible();
}

EtatEnvoi vr::etatEnvoi() const
{
    EtatEnvoi e;
    e.genre = bEnvoiBulletins()                            ? ENVOI_BULLETINS
              : groupeForfaits && groupeForfaits->visible() ? ENVOI_FORFAIT
                                                            : ENVOI_GRIB;
    e.zone = zoneExiste;
    e.deplacementRefuse = deplacementHorsModele;
    e.forfait = bEnfonce(boutonsForfaits);
    if (requeteGrib) {
        e.modele = requeteGrib->modele;
        e.dansLimites = requeteGrib->bDansLimites();
    }
    // The codes of the buttons down, or of a loaded request, and the
    // request holding them.
    e.produits = bProduitsChoisis() && requeteBulletins && !requeteBulletins->objets.bVide();
    return e;
}

bool vr::bEnvoiPermis() const
{
    return ::bEnvoiPermis(etatEnvoi());
}

void vr::vRafraichirEnvoi()
{
    if (!boutonEnvoyer)
        return;
    bEnvoiPermis() ? boutonEnvoyer->activate() : boutonEnvoyer->deactivate();
}
