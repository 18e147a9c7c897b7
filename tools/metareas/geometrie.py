"""Plane geometry of the zones in the map's latitude-longitude plane, where
every segment is a straight line: points are (lat, lon) pairs in degrees.

The tolerance TOL absorbs the rounding of coordinates to four decimals: a
point within TOL degrees of a line counts as lying on it."""
import math

TOL = 2e-4


def _xy(p):
    return p[1], p[0]


def _vecteur(a, b):
    return b[1] - a[1], b[0] - a[0]


def _produit(u, v):
    return u[0] * v[1] - u[1] * v[0]


def longueur(a, b):
    return math.hypot(*_vecteur(a, b))


def distance_segment(p, a, b):
    """Distance from p to the segment a-b, in degrees of the plane."""
    ux, uy = _vecteur(a, b)
    n2 = ux * ux + uy * uy
    px, py = p[1] - a[1], p[0] - a[0]
    t = 0.0 if n2 == 0 else max(0.0, min(1.0, (px * ux + py * uy) / n2))
    return math.hypot(px - t * ux, py - t * uy)


def parametre(p, a, b):
    """Where the projection of p falls on a-b: 0 at a, 1 at b."""
    ux, uy = _vecteur(a, b)
    n2 = ux * ux + uy * uy
    return ((p[1] - a[1]) * ux + (p[0] - a[0]) * uy) / n2


def distance_droite(p, a, b):
    """Distance from p to the whole line through a and b."""
    u = _vecteur(a, b)
    return abs(_produit(u, _vecteur(a, p))) / math.hypot(*u)


def intersection(a, b, c, d):
    """Parameters (t, u) where a-b meets c-d (t along a-b, u along c-d),
    or None when they are parallel."""
    r, s = _vecteur(a, b), _vecteur(c, d)
    den = _produit(r, s)
    if abs(den) < 1e-15:
        return None
    q = _vecteur(a, c)
    return _produit(q, s) / den, _produit(q, r) / den


def se_touchent(a, b, c, d):
    """True when the segments a-b and c-d share at least one point."""
    if min(distance_segment(a, c, d), distance_segment(b, c, d),
           distance_segment(c, a, b), distance_segment(d, a, b)) <= TOL:
        return True
    tu = intersection(a, b, c, d)
    return tu is not None and 0 <= tu[0] <= 1 and 0 <= tu[1] <= 1


def croisent(a, b, c, d):
    """True when a-b and c-d cross at one point inside both, away from
    every end: a proper crossing, not a touch."""
    if min(distance_segment(a, c, d), distance_segment(b, c, d),
           distance_segment(c, a, b), distance_segment(d, a, b)) <= TOL:
        return False
    tu = intersection(a, b, c, d)
    return tu is not None and 0 < tu[0] < 1 and 0 < tu[1] < 1


def cotes(anneau):
    """The sides of a ring, the last one closing it."""
    n = len(anneau)
    return [(anneau[i], anneau[(i + 1) % n]) for i in range(n)]


def position(p, anneau):
    """1 inside the ring, 0 on its boundary, -1 outside."""
    for a, b in cotes(anneau):
        if distance_segment(p, a, b) <= TOL:
            return 0
    dedans = False
    y, x = p
    for a, b in cotes(anneau):
        if (a[0] > y) != (b[0] > y):
            xc = a[1] + (y - a[0]) * (b[1] - a[1]) / (b[0] - a[0])
            if xc > x:
                dedans = not dedans
    return 1 if dedans else -1


def aire(anneau):
    """Signed area in square degrees: positive when the ring turns
    anticlockwise on the map (east to the right, north up)."""
    s = 0.0
    for a, b in cotes(anneau):
        s += a[1] * b[0] - b[1] * a[0]
    return s / 2


def defauts_anneau(anneau):
    """What keeps the ring from being a simple closed outline: repeated
    corners, sides of no length, sides touching beyond their shared ends."""
    defauts = []
    n = len(anneau)
    if n < 3:
        return ["fewer than 3 corners"]
    c = cotes(anneau)
    for i, (a, b) in enumerate(c):
        if longueur(a, b) <= TOL:
            defauts.append("side %d has no length" % (i + 1))
    for i in range(n):
        for j in range(i + 1, n):
            voisins = j == i + 1 or (i == 0 and j == n - 1)
            if voisins:
                # Only the shared corner: the next side must not fold back.
                k, m = (i, j) if j == i + 1 else (j, i)
                a, b = c[k]
                e = c[m][1]
                if distance_segment(e, a, b) <= TOL or distance_segment(a, *c[m]) <= TOL:
                    defauts.append("sides %d and %d fold onto each other" % (k + 1, m + 1))
            elif se_touchent(*c[i], *c[j]):
                defauts.append("sides %d and %d meet" % (i + 1, j + 1))
    return defauts


def couvert(a, b, traits):
    """True when the segment a-b is covered by the union of those segments
    that lie along it (the side drawn, whole, by one or several of them)."""
    l = longueur(a, b)
    morceaux = []
    for c, d in traits:
        if distance_droite(c, a, b) <= TOL and distance_droite(d, a, b) <= TOL:
            t1, t2 = sorted((parametre(c, a, b), parametre(d, a, b)))
            morceaux.append((t1, t2))
    jeu = TOL / l
    atteint = 0.0
    for t1, t2 in sorted(morceaux):
        if t1 > atteint + jeu:
            break
        atteint = max(atteint, t2)
    return atteint >= 1 - jeu


def _points_temoins(anneau):
    """Points that stand for a ring's inside near its boundary: its corners,
    the middles of its sides, and those middles moved a little inwards."""
    sens = 1 if aire(anneau) > 0 else -1
    temoins = list(anneau)
    for a, b in cotes(anneau):
        m = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
        temoins.append(m)
        ux, uy = _vecteur(a, b)
        n = math.hypot(ux, uy)
        if n > 0:
            pas = min(10 * TOL, n / 4)
            # The left of the direction of travel is inside an anticlockwise ring.
            temoins.append((m[0] + sens * pas * ux / n, m[1] - sens * pas * uy / n))
    return temoins


def se_chevauchent(anneau1, anneau2):
    """True when the insides of two simple rings overlap; rings that only
    share sides or corners do not."""
    for a, b in cotes(anneau1):
        for c, d in cotes(anneau2):
            if croisent(a, b, c, d):
                return True
    for p, q in ((anneau1, anneau2), (anneau2, anneau1)):
        for t in _points_temoins(p):
            if position(t, p) >= 0 and position(t, q) == 1 and _loin_du_bord(t, q):
                return True
    return False


def _loin_du_bord(p, anneau):
    return all(distance_segment(p, a, b) > 2 * TOL for a, b in cotes(anneau))


def largeur(anneau, lat, lon):
    """Width in degrees of longitude of the stretch of the parallel `lat`
    inside the ring that holds the point (lat, lon); 0 when none does."""
    xs = []
    for a, b in cotes(anneau):
        if (a[0] > lat) != (b[0] > lat):
            xs.append(a[1] + (lat - a[0]) * (b[1] - a[1]) / (b[0] - a[0]))
    xs.sort()
    for i in range(0, len(xs) - 1, 2):
        if xs[i] <= lon <= xs[i + 1]:
            return xs[i + 1] - xs[i]
    return 0.0
