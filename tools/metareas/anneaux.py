"""From authored rows to points: which line finds each coast corner on the
shoreline, the corners found (kept in catalogue/sous_zones_cotes.txt, so
that only their finding needs GMT), and each row's segments and room."""
from dataclasses import dataclass

import geometrie


class ErreurAnneau(Exception):
    pass


@dataclass(frozen=True)
class Recherche:
    """How a coast corner is found: where the line from `long_de` through
    the published point meets the shoreline (the meeting nearest that
    point), or where the parallel from `long_de` first meets it going
    `vers` east or west; with neither, the shoreline's point nearest the
    published one."""
    lat: float
    lon: float = None
    vers: str = None
    long_de: tuple = None

    def cle(self):
        tete = "%s %s" % (_nombre(self.lat), self.vers or _nombre(self.lon))
        if self.long_de is None:
            return tete + " nearest"
        return tete + " along %s %s" % tuple(_nombre(v) for v in self.long_de)


def _nombre(v):
    """A coordinate as the tables write it: at most 4 decimals, no
    trailing zeros."""
    s = ("%.4f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def _publie(c):
    return (c.lat, c.lon if c.lon is not None else c.vers)


def _cote_mer(anneau, i):
    """The other end of the first side of corner i that is not along the
    coast, or None."""
    n = len(anneau)
    if anneau[(i - 1) % n].marque != "coast":
        return anneau[(i - 1) % n]
    if anneau[i].marque != "coast":
        return anneau[(i + 1) % n]
    return None


def recherches(blocs):
    """One search per published coast corner, shared by every ring that
    has it: along the line it is said to lie on anywhere, or along the
    parallel from its sea side's other end, or else at the shoreline's
    point nearest it."""
    donnees = {}
    for b in blocs:
        for i, c in enumerate(b.anneau or []):
            if c.cote != "c":
                continue
            e = donnees.setdefault(_publie(c), {"le_long": set(), "mer": [], "rangs": []})
            e["rangs"].append(b.nom)
            if c.long_de:
                e["le_long"].add(c.long_de)
            o = _cote_mer(b.anneau, i)
            if o is not None:
                e["mer"].append(o)
    return {k: _resoudre(k, e) for k, e in donnees.items()}


def _resoudre(publie, e):
    lat, lon = publie
    qui = "%s %s (%s)" % (_nombre(lat), lon if isinstance(lon, str) else _nombre(lon),
                          ", ".join(e["rangs"]))
    if len(e["le_long"]) > 1:
        raise ErreurAnneau("coast corner %s: said along several lines" % qui)
    if not isinstance(lon, str):
        return Recherche(lat, lon, None, e["le_long"].pop() if e["le_long"] else None)
    departs = {(o.lat, o.lon) for o in e["mer"] if o.lon is not None}
    if len(departs) != 1 or next(iter(departs))[0] != lat:
        raise ErreurAnneau("coast corner %s: a parallel to the coast needs one sea side "
                           "on that parallel" % qui)
    return Recherche(lat, None, lon, departs.pop())


def lire_cotes(texte):
    """The committed corners found on the shoreline: key -> (lat, lon)."""
    trouves = {}
    for ligne in texte.splitlines():
        ligne = ligne.split("#")[0].strip()
        if ligne:
            cle, _, point = ligne.partition(" -> ")
            lat, lon = point.split()
            trouves[cle.strip()] = (float(lat), float(lon))
    return trouves


def ecrire_cotes(trouves, distances):
    lignes = ["# Coast corners of catalogue/sous_zones.txt found on GSHHG's high-resolution",
              "# shoreline; remade by `python3 tools/metareas/sous_zones.py cotes` (GMT).",
              "# Published corner, how it is found -> the corner on the shoreline."]
    for cle in sorted(trouves):
        lat, lon = trouves[cle]
        lignes.append("%s -> %s %s  # %.3f km from the shoreline"
                      % (cle, _nombre(lat), _nombre(lon), distances[cle]))
    return "\n".join(lignes) + "\n"


def points(bloc, cherches, trouves):
    """The ring's corners as (lat, lon): coast corners as found."""
    res = []
    for c in bloc.anneau:
        if c.cote == "c":
            cle = cherches[_publie(c)].cle()
            if cle not in trouves:
                raise ErreurAnneau("%s: coast corner %s not found yet (run the `cotes` "
                                   "command, which needs GMT)" % (bloc.nom, cle))
            res.append(trouves[cle])
        else:
            res.append((c.lat, c.lon))
    return res


def segments(bloc, anneau):
    """The segments a row draws, in ring order (or as given)."""
    if bloc.segments is not None:
        return list(bloc.segments)
    res = []
    for i, c in enumerate(bloc.anneau or []):
        a, b = anneau[i], anneau[(i + 1) % len(anneau)]
        if c.marque == "draw":
            res.append((a, b))
        elif c.marque == "back":
            res.append((b, a))
    return res


def largeur(bloc, anneau):
    """The label's room: as given, or the ring's width at the label's
    latitude, in whole degrees from 1 to 30."""
    if bloc.largeur is not None:
        return bloc.largeur
    if not anneau or not bloc.etiquette:
        return 0
    w = geometrie.largeur(anneau, *bloc.etiquette)
    return float(min(30, max(1, round(w))))


class Zones:
    """The authored rows with their rings' corners, segments and rooms."""

    def __init__(self, blocs, trouves):
        self.blocs = blocs
        self.cherches = recherches(blocs)
        self.trouves = trouves
        self.anneaux = {b.nom: points(b, self.cherches, trouves) for b in blocs if b.anneau}

    def segments(self, b):
        return segments(b, self.anneaux.get(b.nom))

    def largeur(self, b):
        return largeur(b, self.anneaux.get(b.nom))
