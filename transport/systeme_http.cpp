#include "transport/systeme_http.h"

#include "gribdata/globales.h"
#include "transport/threads_http.h"

#include <memory>

namespace {

const char* const TEXTE_SYSTEME = "@mto@reqt@sys@";

}  // namespace

bool bLancerSysteme(LienCanal lien)
{
    auto s = std::make_unique<InstantaneHttp>();
    s->texte = TEXTE_SYSTEME;
    s->email = s->service.email;
    s->lien = lien;
    s->delais = &DELAIS_SYSTEME;
    s->enregistrer = false;
    if (!bLancerTransfert(vHttpSystemeTimeout, s.get())) {
        vJournal("<THREADS>", "ECHEC : sous-thread HTTP (systeme) non lance\n");
        return false;
    }
    s.release();
    return true;
}
