// What the send window asks of the request page: the page itself (its help
// buttons' data), a copy of the profile's address and password for the
// page's transfers, its send button made active again, and its two
// requests.
#include "pages/vr.h"

#include "transport/crochets_envoi.h"
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
    vr* page = pPage0();
    if (!page || !page->boutonEnvoyer)
        return;
    // A moving zone its model refused holds the GRIB request back while
    // its page shows, whatever window closed.
    const bool pageGrib =
        page->ongletsRequeteur && page->ongletsRequeteur->value() == page->scrollGrib;
    if (pageGrib && page->deplacementHorsModele)
        return;
    page->boutonEnvoyer->activate();
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
