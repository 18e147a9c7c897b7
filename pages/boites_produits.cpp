#include "pages/boites_produits.h"

#include "catalogue/metareas.h"
#include "catalogue/images_produits.h"
#include "pages/zones_produits.h"

namespace {

template <typename Ligne>
bool bLigne(const Ligne* table, int numero, CadreZone& boite)
{
    for (const Ligne* l = table; l->libelle; ++l)
        if (l->numero == numero) {
            boite = {l->nord, l->sud, l->ouest, l->est};
            return true;
        }
    return false;
}

}  // namespace

bool bBoiteProduit(int famille, int numero, CadreZone& boite)
{
    switch (famille) {
    case PRODUIT_METAREA: {
        const TYPEDEF_METAREA* m = numero >= 1 && numero <= 17 ? pMetareaNumero(GMDSS, numero) : nullptr;
        if (!m)
            return false;
        boite = {m->nord, m->sud, m->ouest, m->est};
        return true;
    }
    case PRODUIT_SATELLITE: return bLigne(SATELLITES, numero, boite);
    case PRODUIT_PREISO: return bLigne(PREISOS, numero, boite);
    default: return false;
    }
}
