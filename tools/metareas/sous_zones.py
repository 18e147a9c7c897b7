#!/usr/bin/env python3
"""The Metarea sub-areas' labels and lines, from catalogue/sous_zones.txt
(the rows as authored from their published definitions; its head says how
it is written):

    python3 tools/metareas/sous_zones.py cotes
        finds the coast corners on GSHHG's high-resolution shoreline (GMT),
        writes catalogue/sous_zones_cotes.txt, then checks with GMT that
        every coast corner lies within 0.1 km of that shoreline and every
        label point at sea; by hand, never in CI;
    python3 tools/metareas/sous_zones.py ecrire
        writes catalogue/places_sous_zones.cpp, the compiled-in table;
    python3 tools/metareas/sous_zones.py verifier DUMP
        checks the rows, their rings and the README's list of zones whose
        limits are not drawn, against the tree as built (DUMP: the
        vider_metareas tool, or a file of its output);
    python3 tools/metareas/sous_zones.py bilan DUMP
        prints, Metarea by Metarea, the segments drawn and the rows of each
        grade, then the rows drawing another number of segments than the
        catalogue gives them;
    python3 tools/metareas/sous_zones.py liste
        prints the README's list of zones whose limits are not drawn.

Exit status 1 when a check fails, with one line per fault."""
import os
import subprocess
import sys

import anneaux
import publication

RACINE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TEXTE = os.path.join(RACINE, "catalogue", "sous_zones.txt")
COTES = os.path.join(RACINE, "catalogue", "sous_zones_cotes.txt")
TABLE = os.path.join(RACINE, "catalogue", "places_sous_zones.cpp")
README = os.path.join(RACINE, "README.md")


def _lire(chemin):
    with open(chemin, encoding="utf-8") as f:
        return f.read()


def _ecrire(chemin, texte):
    with open(chemin + ".tmp", "w", encoding="utf-8") as f:
        f.write(texte)
    os.replace(chemin + ".tmp", chemin)


def _zones(trouves=None):
    """The authored rows with the committed coast corners (or those given)."""
    if trouves is None:
        trouves = anneaux.lire_cotes(_lire(COTES)) if os.path.exists(COTES) else {}
    return anneaux.Zones(publication.lire(_lire(TEXTE)), trouves)


def commande_cotes():
    import rivage
    import verification
    blocs = publication.lire(_lire(TEXTE))
    trouves, distances, fautes = {}, {}, []
    for r in anneaux.recherches(blocs).values():
        p = rivage.trouver(r)
        if p is None:
            fautes.append("%s: the line never meets the shoreline" % r.cle())
            continue
        trouves[r.cle()] = (round(p[0], 4) + 0.0, round(p[1], 4) + 0.0)
        distances[r.cle()] = rivage.distance_km(trouves[r.cle()])
    _ecrire(COTES, anneaux.ecrire_cotes(trouves, distances))
    fautes += verification.avec_rivage(_zones(trouves), rivage)
    return fautes


def commande_ecrire():
    import sortie_cpp
    _ecrire(TABLE, sortie_cpp.table(_zones()))
    return []


def _arbre(vidage):
    import arbre
    if os.access(vidage, os.X_OK) and not os.path.isdir(vidage):
        texte = subprocess.run([vidage], capture_output=True, text=True, check=True).stdout
    else:
        texte = _lire(vidage)
    return arbre.lire(texte)


def commande_verifier(vidage):
    import verification
    return verification.tout(_zones(), _arbre(vidage), _lire(README))


def commande_bilan(vidage):
    import verification
    zones, aires = _zones(), _arbre(vidage)
    for ligne in verification.bilan(zones, aires) + verification.ecarts(zones, aires):
        print(ligne)
    return []


def commande_liste():
    import liste_readme
    print(liste_readme.liste(_zones().blocs), end="")
    return []


def main(args):
    commandes = {"cotes": commande_cotes, "ecrire": commande_ecrire,
                 "verifier": commande_verifier, "bilan": commande_bilan,
                 "liste": commande_liste}
    if not args or args[0] not in commandes:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        fautes = commandes[args[0]](*args[1:])
    except (publication.ErreurLecture, anneaux.ErreurAnneau) as e:
        fautes = [str(e)]
    for f in fautes:
        print("fault: " + f)
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
