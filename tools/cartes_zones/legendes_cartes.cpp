// Prints what each zone chart of the bulletin tables shows as its legend,
// one chart a line: "<file>|<title>|<line>|<line>...". An offshore chart
// lists its row's bulletins; the coastal chart the mainland coastal rows,
// each with its regular bulletin. Run by fabriquer_cartes_zones.sh, so
// that the charts name the products as the program requests them.
#include "catalogue/bulletins.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

template <typename Ligne>
std::string codes(const Ligne& l)
{
    std::string t;
    for (const TYPEDEF_PAIRE_BULLETIN& p : l.paires)
        if (p.code)
            t += std::string("|") + p.code;
    return t;
}

}  // namespace

int main()
{
    for (const TYPEDEF_BULLETIN_LARGE* l = BULLETINS_LARGE; l->libelle; ++l)
        if (l->fichier)
            std::printf("%s|%s%s\n", l->fichier, l->libelle, codes(*l).c_str());
    for (const TYPEDEF_BULLETIN_COTE* l = BULLETINS_COTES; l->libelle; ++l) {
        if (!l->fichier)
            continue;
        std::printf("%s|Bulletins c\xC3\xB4tiers", l->fichier);
        for (const TYPEDEF_BULLETIN_COTE* m = BULLETINS_COTES; m->libelle; ++m)
            if (m->paires[0].code && std::strncmp(m->paires[0].code, "COTE_", 5) == 0)
                std::printf("|%s : %s", m->libelle, m->paires[0].code);
        std::printf("\n");
    }
    return 0;
}
