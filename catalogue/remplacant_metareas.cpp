// Until the Metarea catalogue's data is built, the tree is empty: the map
// draws no zone and the bulletin page shows no Metarea button.
#include "catalogue/metareas.h"

TYPEDEF_LISTE_METAREA* Metareas()
{
    return new TYPEDEF_LISTE_METAREA{nullptr, nullptr};
}
