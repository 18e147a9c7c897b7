"""Writing catalogue/places_sous_zones.cpp, the compiled-in table of each
sub-area's label point, room and lines."""
from anneaux import _nombre

TETE = """\
// Where each Metarea sub-area's label stands, the room it needs and the
// lines it draws, in the order of table_sous_zones.cpp. Written by
//     python3 tools/metareas/sous_zones.py ecrire
// from catalogue/sous_zones.txt and catalogue/sous_zones_cotes.txt: edit
// those, not this file.
#include "catalogue/table_metareas.h"

namespace {

"""

PIED = """\
};

static_assert(sizeof TABLE / sizeof TABLE[0] == NOMBRE_SOUS_ZONES, "sub-area places missing");

}  // namespace

const PlaceSousZone* const PLACES_SOUS_ZONES = TABLE;
"""


def _texte(s):
    if s is None:
        return "nullptr"
    return '"%s"' % s.replace("\\", "\\\\").replace('"', '\\"')


def _segment(s):
    (a, b), (c, d) = s
    return "{%s, %s, %s, %s}" % (_nombre(a), _nombre(b), _nombre(c), _nombre(d))


def table(zones):
    lignes_s, lignes_t, debut = [], [], 0
    for b in zones.blocs:
        segs = zones.segments(b)
        nom = b.lignes[0] if b.lignes else None
        if segs:
            nom_entier = " ".join(l.strip() for l in b.lignes) or "(unnamed)"
            lignes_s.append("    // %s %s" % (b.nom, nom_entier))
            lignes_s += ["    %s," % _segment(s) for s in segs]
        lat, lon = b.etiquette or (0, 0)
        trace = "{S + %d, %d}" % (debut, len(segs)) if segs else "{}"
        lignes_t.append("    {%s, %s, %s, %s, %s},  // %s"
                        % (_texte(nom), _nombre(lat), _nombre(lon), _nombre(zones.largeur(b)),
                           trace, b.nom))
        debut += len(segs)
    return (TETE + "constexpr SegmentMetarea S[] = {\n" + "\n".join(lignes_s) + "\n};\n\n"
            + "constexpr PlaceSousZone TABLE[] = {\n" + "\n".join(lignes_t) + "\n" + PIED)
