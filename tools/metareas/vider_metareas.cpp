// Prints the Metarea tree as the program builds it, for
// tools/metareas/sous_zones.py to check against the authored rows: one
// record a line, tab-separated, an empty field for a missing text.
//     area    NOM  NOM2
//     outline LAT1 LON1 LAT2 LON2
//     row     PLACE STYLE COUNT LAT LON LARGEUR NOM NOM2 NOM3
//     seg     LAT1 LON1 LAT2 LON2
// COUNT is the row's number of segments in the published catalogue.
#include "catalogue/metareas.h"
#include "catalogue/table_metareas.h"

#include <cstdio>

namespace {

const char* texte(const char* s)
{
    return s ? s : "";
}

void vSegments(const char* genre, const TYPEDEF_SOUS_ZONE& z)
{
    for (const TYPEDEF_SOMMET* a = z.sommets_premier; a && a->suivant; a = a->suivant->suivant)
        std::printf("%s\t%.10g\t%.10g\t%.10g\t%.10g\n", genre, a->lat, a->lon, a->suivant->lat,
                    a->suivant->lon);
}

}  // namespace

int main()
{
    TYPEDEF_LISTE_METAREA* arbre = Metareas();
    const LigneSousZone* ligne = SOUS_ZONES;
    for (const TYPEDEF_MAILLON* c = arbre->premier; c; c = c->suivant) {
        const TYPEDEF_METAREA& m = *pMetarea(c);
        std::printf("area\t%s\t%s\n", m.nom, m.nom2);
        vSegments("outline", m);
        int place = 0;
        for (const TYPEDEF_MAILLON* s = m.sous_zones_premier; s; s = s->suivant, ++ligne) {
            const TYPEDEF_SOUS_ZONE& z = *s->element;
            std::printf("row\t%d\t%d\t%d\t%.10g\t%.10g\t%.10g\t%s\t%s\t%s\n", ++place, z.style,
                        ligne->segments, z.lat, z.lon, z.largeur, texte(z.nom), texte(z.nom2),
                        texte(z.nom3));
            vSegments("seg", z);
        }
    }
    vLibererMetareas(arbre);
    return 0;
}
