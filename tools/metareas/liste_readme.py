"""The README's list of the zones whose limits are not drawn, Metarea by
Metarea, and that list as the README holds it."""

TITRE = "### Zone limits not drawn: no published definition at hand"


def _nom(b):
    if not b.lignes:
        return "(unnamed row %d)" % b.place
    return " ".join(l.strip() for l in b.lignes)


def liste(blocs):
    """One line per Metarea that has such zones: those without a label
    first, then "named without limits:" those labelled where their water
    lies."""
    aires, sans, nommees = [], {}, {}
    for b in blocs:
        if b.aire not in aires:
            aires.append(b.aire)
        if b.grade == 3:
            sans.setdefault(b.aire, []).append(_nom(b))
        elif b.grade == 2 and not b.note:
            nommees.setdefault(b.aire, []).append(_nom(b))
    lignes = []
    for a in aires:
        parties = []
        if a in sans:
            parties.append(", ".join(sans[a]))
        if a in nommees:
            parties.append("named without limits: " + ", ".join(nommees[a]))
        if parties:
            lignes.append("- %s: %s." % (a, "; ".join(parties)))
    return "\n".join(lignes) + "\n"


def dans_readme(readme):
    """The list under the README's heading: its "- " items, each with its
    continuation lines joined on one line; None without the heading."""
    lignes = readme.split("\n")
    if TITRE not in lignes:
        return None
    items = []
    for ligne in lignes[lignes.index(TITRE) + 1:]:
        if ligne.startswith("#"):
            break
        if ligne.startswith("- "):
            items.append(ligne)
        elif items and ligne.startswith("  ") and ligne.strip():
            items[-1] += " " + ligne.strip()
        elif items and not ligne.strip():
            break
    return "\n".join(items) + "\n"
