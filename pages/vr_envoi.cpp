// What the send window asks of the request page: the page itself (its help
// buttons' data) and a copy of the profile's address and password for the
// page's transfers. The page's send button and its two requests come with
// the request builder, which installs their calls then.
#include "pages/vr.h"

#include "transport/crochets_envoi.h"

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

}  // namespace

void vInstallerCrochetsEnvoi()
{
    crochetsEnvoi.pageRequete = pPageRequete;
    crochetsEnvoi.identifiants = vIdentifiants;
}
