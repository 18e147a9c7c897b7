#include "map/pays.h"

#include "gribdata/globales.h"
#include "map/pays_ligne.h"

#include <fstream>
#include <string>

TYPEDEF_PAYS* ST_PAYS = nullptr;

void delete_Pays()
{
    while (ST_PAYS) {
        TYPEDEF_PAYS* suivant = ST_PAYS->suivant;
        delete ST_PAYS;
        ST_PAYS = suivant;
    }
}

// Lines are read whole, however long: a long line is one name, not the
// start of another.
void Pays()
{
    delete_Pays();
    std::ifstream f("img/datapays.txt");
    TYPEDEF_PAYS** fin = &ST_PAYS;
    std::string ligne;
    while (std::getline(f, ligne)) {
        if (ligne[0] == '#')
            continue;
        TYPEDEF_PAYS p{};
        const int n = iLirePays(ligne.c_str(), p);
        if (n != 7 && n != 8) {
            delete_Pays();
            vJournal("<BoutonsRVA>", "ERROR: %s\n", ligne.c_str());
            return;
        }
        *fin = new TYPEDEF_PAYS(p);
        fin = &(*fin)->suivant;
    }
}
