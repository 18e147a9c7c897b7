"""The checks of the authored rows against the tree as built: each returns
a list of faults, one line each."""

import geometrie
import liste_readme

# Per area, in tree order: the extent of every vertex of the area and of its
# sub-areas in the published catalogue (latitudes, then longitudes), None
# where the area has no vertex at all.
ETENDUES = [
    ((45, 71), (-40, 20)), ((-6, 48.45), (-65, 12.3942)),
    ((30.6438, 44.8282), (-2.158, 35.7805)), ((7, 67), (-81.4652, -35)),
    ((-35.8333, 7), (-53.4297, -20)), ((-73.4245, -35.204), (-70, -20)),
    ((-66.43, -6), (-20, 80)), ((0, 10), (42.8946, 98.5041)), ((-30, 5.78), (55, 95)),
    ((12, 27.15), (43.41, 68)), ((-69.3, 0), (80, 170)), ((-12, 50), (95, 190)), None,
    ((-3.4, 0), (180, 279.692)), ((42.28, 67), (130.38, 191.1)),
    ((-73.7814, 0), (-155, 240)), ((-76.96, -18.35), (-120, 289.55)),
    ((0, 0), (-120, -80.12)), ((67, 90), (-168.966, -120)), ((83.6144, 90), (-35, -35)),
    None, ((73.66, 90), (125, 125)), None,
]
JEU = 1e-9


def _nom(b):
    return "%s %s" % (b.nom, " ".join(l.strip() for l in b.lignes) or "(unnamed)")


def _paires(zones, aires):
    """Each authored row with its built row and area, in tree order."""
    rangs = [(a, r) for a in aires for r in a.rangs]
    return [(b, a, r) for b, (a, r) in zip(zones.blocs, rangs)]


def accord(zones, aires):
    """The authored rows are the built tree's, in its order, with its
    label lines."""
    fautes = []
    n = sum(len(a.rangs) for a in aires)
    if len(zones.blocs) != n:
        fautes.append("%d rows authored, %d in the tree" % (len(zones.blocs), n))
    for b, a, r in _paires(zones, aires):
        if (b.aire, b.place, b.lignes) != (a.nom, r.place, r.lignes):
            fautes.append("%s (line %d) stands where the tree has %s/%d %s"
                          % (b.nom, b.ligne, a.nom, r.place, r.lignes))
            break
    return fautes


def grades(zones):
    """What each grade holds."""
    fautes = []
    for b in zones.blocs:
        dessine = b.anneau is not None or b.segments is not None
        if b.grade not in (1, 2, 3):
            fautes.append("%s: grade 1, 2 or 3" % b.nom)
        elif b.grade == 1 and not dessine:
            fautes.append("%s: grade 1 without a ring or lines" % b.nom)
        elif b.grade != 1 and dessine:
            fautes.append("%s: lines without grade 1" % b.nom)
        elif (b.etiquette is not None) != (b.grade != 3 and bool(b.lignes)):
            fautes.append("%s: a label point exactly when named and placed" % b.nom)
        elif b.grade == 2 and b.largeur is None:
            fautes.append("%s: a named place needs its room" % b.nom)
        elif b.grade != 3 and not b.sources:
            fautes.append("%s: no source" % b.nom)
        elif b.segments is not None and not any("catalogue" in s for s in b.sources):
            fautes.append("%s: lines without a ring come from the catalogue only" % b.nom)
    return fautes


def _egaux(x, y):
    return abs(x - y) <= JEU


def _memes_segments(s, t):
    return len(s) == len(t) and all(
        _egaux(a[0], c[0]) and _egaux(a[1], c[1]) and _egaux(b[0], d[0]) and _egaux(b[1], d[1])
        for (a, b), (c, d) in zip(s, t))


def table_a_jour(zones, aires):
    """The built tree holds what the authored rows make: the committed
    table was written from them and compiled."""
    fautes = []
    for b, _, r in _paires(zones, aires):
        lat, lon = b.etiquette or (0, 0)
        if not (_egaux(lat, r.etiquette[0]) and _egaux(lon, r.etiquette[1])
                and _egaux(zones.largeur(b), r.largeur)
                and _memes_segments(zones.segments(b), r.segments)):
            fautes.append("%s: the built table differs from the authored row "
                          "(run `sous_zones.py ecrire`)" % _nom(b))
    return fautes


def _dans(intervalle, v):
    return intervalle[0] - JEU <= v <= intervalle[1] + JEU


def _decimales(v):
    return abs(v * 1e4 - round(v * 1e4)) < 1e-6


def valeurs(zones, aires):
    """Every vertex and label within its area's extent (labels modulo
    360), four decimals at most, no segment of no length or spanning 180
    degrees, and the room 1 to 30 exactly when a label is placed."""
    fautes = []
    for (b, a, r), k in zip(_paires(zones, aires), _indices(aires)):
        etendue = ETENDUES[k]
        for s in r.segments:
            for p in s:
                if not (_decimales(p[0]) and _decimales(p[1])):
                    fautes.append("%s: vertex %s has more than 4 decimals" % (_nom(b), p))
                if etendue is None or not (_dans(etendue[0], p[0]) and _dans(etendue[1], p[1])):
                    fautes.append("%s: vertex %s outside %s's extent" % (_nom(b), p, a.nom))
            if geometrie.longueur(*s) == 0 or abs(s[0][1] - s[1][1]) >= 180:
                fautes.append("%s: segment %s of no length or spanning 180" % (_nom(b), s))
        fautes += _etiquette(b, r, etendue, a.nom)
    return fautes


def _indices(aires):
    return [k for k, a in enumerate(aires) for _ in a.rangs]


def _etiquette(b, r, etendue, aire):
    lat, lon = r.etiquette
    if not b.etiquette:
        if r.largeur != 0 or (lat, lon) != (0, 0):
            return ["%s: room or label point without a label" % _nom(b)]
        return []
    fautes = []
    if not 1 <= r.largeur <= 30:
        fautes.append("%s: room %g, not 1 to 30" % (_nom(b), r.largeur))
    if not (_decimales(lat) and _decimales(lon)):
        fautes.append("%s: label point with more than 4 decimals" % _nom(b))
    if b.gardee:
        return fautes
    if etendue is None or not (_dans(etendue[0], lat) and
                               any(_dans(etendue[1], lon + k) for k in (-360, 0, 360))):
        fautes.append("%s: label point outside %s's extent" % (_nom(b), aire))
    return fautes


def anneaux(zones, aires):
    """Every ring simple, its sides drawn unless along the coast, its label
    inside; the solid rings of an area, and its dashed ones, overlapping
    nowhere."""
    fautes = []
    limites = [s for a in aires for s in a.contour]
    for k, a in enumerate(aires):
        blocs = [b for b, aa, _ in _paires(zones, aires) if aa is a]
        traits = limites + [s for r in a.rangs for s in r.segments]
        for b in blocs:
            if b.anneau:
                fautes += _anneau(b, zones.anneaux[b.nom], traits)
        for style in (0, 1):
            fautes += _chevauchements(zones, [b for b, r in zip(blocs, a.rangs)
                                              if b.anneau and r.style == style])
    return fautes


def _anneau(b, points, traits):
    fautes = ["%s: ring not simple: %s" % (_nom(b), d) for d in geometrie.defauts_anneau(points)]
    n = len(points)
    for i, c in enumerate(b.anneau):
        suivant = b.anneau[(i + 1) % n]
        if c.marque == "coast":
            if not (c.cote and suivant.cote):
                fautes.append("%s: side %d along the coast between corners off it"
                              % (_nom(b), i + 1))
        elif not geometrie.couvert(points[i], points[(i + 1) % n], traits):
            fautes.append("%s: side %d (%s to %s) drawn by no record"
                          % (_nom(b), i + 1, c.texte, suivant.texte))
    if b.etiquette and not any(geometrie.position((b.etiquette[0], b.etiquette[1] + k), points) == 1
                               for k in (-360, 0, 360)):
        fautes.append("%s: label point outside its ring" % _nom(b))
    return fautes


def _chevauchements(zones, blocs):
    fautes = []
    boites = {b.nom: _boite(zones.anneaux[b.nom]) for b in blocs}
    for i, b in enumerate(blocs):
        for c in blocs[i + 1:]:
            if _boites_se_touchent(boites[b.nom], boites[c.nom]) and geometrie.se_chevauchent(
                    zones.anneaux[b.nom], zones.anneaux[c.nom]):
                fautes.append("%s and %s overlap" % (_nom(b), _nom(c)))
    return fautes


def _boite(points):
    return (min(p[0] for p in points), max(p[0] for p in points),
            min(p[1] for p in points), max(p[1] for p in points))


def _boites_se_touchent(u, v):
    return u[0] <= v[1] and v[0] <= u[1] and u[2] <= v[3] and v[2] <= u[3]


def readme(zones, texte):
    attendue = liste_readme.liste(zones.blocs)
    if liste_readme.dans_readme(texte) != attendue:
        return ["the README's list under %r is not the tool's; it should read:\n%s"
                % (liste_readme.TITRE, attendue)]
    return []


def tout(zones, aires, texte_readme):
    fautes = accord(zones, aires)
    if fautes:
        return fautes
    return (grades(zones) + table_a_jour(zones, aires) + valeurs(zones, aires)
            + anneaux(zones, aires) + readme(zones, texte_readme))


def bilan(zones, aires):
    """Per Metarea with sub-areas: segments drawn against the catalogue's,
    and rows per grade."""
    lignes = []
    for a in aires:
        paires = [(b, r) for b, aa, r in _paires(zones, aires) if aa is a]
        if not paires:
            continue
        dessines = sum(len(r.segments) for _, r in paires)
        grades = [sum(b.grade == g for b, _ in paires) for g in (1, 2, 3)]
        lignes.append("%s (%s): %d segments drawn of the catalogue's %d; rows of grade 1, 2, 3: "
                      "%d, %d, %d" % (a.nom, a.nom2, dessines, sum(r.compte for _, r in paires),
                                      *grades))
    return lignes


def ecarts(zones, aires):
    """The rows drawing another number of segments than the catalogue's."""
    lignes = []
    for b, _, r in _paires(zones, aires):
        n = len(r.segments)
        if n != r.compte:
            lignes.append("%s: draws %d segments, the catalogue %d" % (_nom(b), n, r.compte))
    return lignes


def avec_rivage(zones, rivage):
    """With GMT: every coast corner found within 0.1 km of the shoreline
    (the catalogue's own coast points printed with their distance), every
    label point at sea."""
    fautes = []
    for cle, p in sorted(zones.trouves.items()):
        d = rivage.distance_km(p)
        if d > 0.1:
            fautes.append("coast corner %s: %.3f km from the shoreline" % (cle, d))
    vus = set()
    for b in zones.blocs:
        for c, p in zip(b.anneau or [], zones.anneaux.get(b.nom, [])):
            if c.cote == "c*" and p not in vus:
                vus.add(p)
                print("the catalogue's coast point %s: %.3f km from the shoreline"
                      % (c.texte, rivage.distance_km(p)))
    etiquetes = [b for b in zones.blocs if b.etiquette]
    for b, mer in zip(etiquetes, rivage.en_mer([b.etiquette for b in etiquetes])):
        if not mer and b.gardee:
            print("the catalogue's label point of %s lies on land" % _nom(b))
        elif not mer:
            fautes.append("%s: label point %s on land" % (_nom(b), b.etiquette))
    return fautes
