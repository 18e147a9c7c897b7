"""The GSHHG high-resolution shoreline through GMT: coast corners found
where a line meets it, their distance to it, and which label points lie at
sea. Only the `cotes` command uses this; GMT runs in a scratch folder,
where it leaves its history file."""
import math
import subprocess
import tempfile

import geometrie

KM_PAR_DEGRE = 111.195
MARGE = 0.3           # degrees of shoreline taken around a search
PROLONGEMENT = 1.0    # degrees a line is searched beyond its published end
PORTEE_PARALLELE = 40.0


def gmt(*args, entree=None):
    with tempfile.TemporaryDirectory() as dossier:
        r = subprocess.run(["gmt", *args], input=entree, capture_output=True, text=True,
                           cwd=dossier)
    if r.returncode != 0:
        raise SystemExit("gmt %s: %s" % (" ".join(args), r.stderr.strip()))
    return r.stdout


def lire_traits(texte):
    """GMT's multi-segment text (lon lat lines, '>' between pieces) as the
    shoreline's segments, ((lat, lon), (lat, lon)) each."""
    traits, avant = [], None
    for ligne in texte.splitlines():
        if ligne.startswith(">") or not ligne.strip():
            avant = None
            continue
        lon, lat = (float(v) for v in ligne.split()[:2])
        if avant is not None:
            traits.append((avant, (lat, lon)))
        avant = (lat, lon)
    return traits


def rivage(sud, nord, ouest, est):
    """The shoreline between the ocean and the land (islands included,
    lakes left out) within the box, in longitudes -180 to 180."""
    r = "-R%.4f/%.4f/%.4f/%.4f" % (ouest, est, max(-90, sud), min(90, nord))
    return lire_traits(gmt("coast", "-Dh", "-W", "-M", "-A0/1/1", r))


def croisements(a, b, traits):
    """Where the segment a-b meets the shoreline: (t along a-b, point)."""
    res = []
    for c, d in traits:
        tu = geometrie.intersection(a, b, c, d)
        if tu and 0 <= tu[0] <= 1 and 0 <= tu[1] <= 1:
            t = tu[0]
            res.append((t, (a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]))))
    return res


def _boite(*pts):
    lats, lons = [p[0] for p in pts], [p[1] for p in pts]
    return (min(lats) - MARGE, max(lats) + MARGE, min(lons) - MARGE, max(lons) + MARGE)


def trouver(r):
    """The corner of a search (anneaux.Recherche) on the shoreline; None
    when the line never meets it."""
    if r.long_de is None:
        p = (r.lat, r.lon)
        traits = rivage(*_boite((r.lat - 1, r.lon - 1), (r.lat + 1, r.lon + 1)))
        return proche(p, traits)
    a = r.long_de
    if r.vers:
        sens = 1 if r.vers == "east" else -1
        b = (r.lat, a[1] + sens * PORTEE_PARALLELE)
        trouves = sorted(croisements(a, b, rivage(*_boite(a, b))))
        return trouves[0][1] if trouves else None
    p = (r.lat, r.lon)
    l = geometrie.longueur(a, p)
    k = 1 + PROLONGEMENT / l
    b = (a[0] + (p[0] - a[0]) * k, a[1] + (p[1] - a[1]) * k)
    trouves = croisements(a, b, rivage(*_boite(a, b)))
    if not trouves:
        return None
    t_publie = 1 / k
    return min(trouves, key=lambda tp: abs(tp[0] - t_publie))[1]


def _km(p, q):
    dy = (p[0] - q[0]) * KM_PAR_DEGRE
    dx = (p[1] - q[1]) * KM_PAR_DEGRE * math.cos(math.radians((p[0] + q[0]) / 2))
    return math.hypot(dx, dy)


def _pied(p, a, b):
    """The point of a-b nearest p, in kilometres on the ground."""
    k = math.cos(math.radians(p[0]))
    ax, ay, bx, by, px, py = a[1] * k, a[0], b[1] * k, b[0], p[1] * k, p[0]
    ux, uy = bx - ax, by - ay
    n2 = ux * ux + uy * uy
    t = 0.0 if n2 == 0 else max(0.0, min(1.0, ((px - ax) * ux + (py - ay) * uy) / n2))
    return (a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]))


def proche(p, traits):
    """The shoreline's point nearest p."""
    return min((_pied(p, a, b) for a, b in traits), key=lambda q: _km(p, q), default=None)


def distance_km(p):
    """From p to the nearest shoreline, in kilometres."""
    q = proche(p, rivage(*_boite(p)))
    return float("inf") if q is None else _km(p, q)


def en_mer(pts):
    """Which of the (lat, lon) points lie on the ocean (not on land, nor
    on a lake)."""
    lignes = "".join("%.6f %.6f %d\n" % ((lon + 180) % 360 - 180, lat, i)
                     for i, (lat, lon) in enumerate(pts))
    sortie = gmt("select", "-Dh", "-Nk/s/s/s/s", "-fg", entree=lignes)
    gardes = {int(l.split()[2]) for l in sortie.splitlines() if l.strip()}
    return [i in gardes for i in range(len(pts))]
