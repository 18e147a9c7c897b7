"""Reading catalogue/sous_zones.txt, the sub-areas as authored from their
published definitions. The file's head says how it is written; each row
becomes a Bloc, each ring corner a Coin, in the file's order."""
import re
from dataclasses import dataclass, field

MARQUES = ("draw", "back", "shared", "coast")
CORNER_RE = re.compile(r"^(\d+(?:\.\d+)?)°(?:(\d+(?:\.\d+)?)')?([NSEW])$")


class ErreurLecture(Exception):
    pass


@dataclass
class Coin:
    """A ring corner: its published form, its point (lon None when the
    corner is only a parallel running to the coast, `vers` then saying
    which way), whether it lies on the coast ("c": found on the shoreline;
    "c*": a coast point the catalogue itself gives, kept as it is), the
    line that finds it on the shoreline, and what becomes of the side
    from it to the next corner."""
    texte: str
    lat: float
    lon: float = None
    vers: str = None
    cote: str = None
    long_de: tuple = None
    marque: str = "shared"


@dataclass
class Bloc:
    aire: str
    place: int
    lignes: list
    ligne: int = 0
    grade: int = 0
    sources: list = field(default_factory=list)
    etiquette: tuple = None  # (lat, lon)
    largeur: float = None    # given, or None to take the ring's
    gardee: bool = False     # label point and room as the catalogue gives them
    note: bool = False       # a note on the map, not a zone
    anneau: list = None      # [Coin]
    segments: list = None    # [((lat, lon), (lat, lon))], given as they stand

    @property
    def nom(self):
        return "%s/%d" % (self.aire, self.place)


def degres(jeton):
    """'48°27'N' -> 48.45, '21.6127°W' -> -21.6127; rounded to 4 decimals."""
    m = CORNER_RE.match(jeton)
    if not m:
        raise ValueError("not a published coordinate: %r" % jeton)
    v = float(m.group(1)) + (float(m.group(2)) / 60 if m.group(2) else 0)
    if m.group(3) in "SW":
        v = -v
    return round(v, 4) + 0.0


def _latitude(jeton):
    if not jeton.endswith(("N", "S")):
        raise ValueError("latitude expected: %r" % jeton)
    return degres(jeton)


def _longitude(jeton):
    if not jeton.endswith(("E", "W")):
        raise ValueError("longitude expected: %r" % jeton)
    return degres(jeton)


def point(jetons):
    """The point written by the first two tokens."""
    return (_latitude(jetons[0]), _longitude(jetons[1]))


def coin(texte):
    """One corner line: `<lat> <lon|east|west> [c|c*] [along <lat> <lon>]
    <draw|back|shared|coast>`."""
    j = texte.split()
    if len(j) < 3:
        raise ValueError("corner, then what becomes of its side")
    c = Coin(texte=" ".join(j[:2]), lat=_latitude(j[0]), marque=j[-1])
    if j[1] in ("east", "west"):
        c.vers = j[1]
    else:
        c.lon = _longitude(j[1])
    reste = j[2:-1]
    if reste and reste[0] in ("c", "c*"):
        c.cote = reste.pop(0)
    if reste and reste[0] == "along":
        c.long_de = point(reste[1:3])
        reste = reste[3:]
    if reste or c.marque not in MARQUES:
        raise ValueError("cannot read %r" % texte)
    if c.vers and c.cote != "c":
        raise ValueError("a parallel to the coast needs 'c'")
    return c


def _entete(ligne):
    m = re.match(r"^(\S+)/(\d+)\s+(.*)$", ligne)
    if not m:
        raise ValueError("row heading expected: AREA/PLACE label")
    texte = m.group(3).strip()
    lignes = [] if texte == "-" else re.findall(r'"([^"]*)"', texte)
    if texte != "-" and " / ".join('"%s"' % l for l in lignes) != texte:
        raise ValueError('label lines are written "one" / "two"')
    return m.group(1), int(m.group(2)), lignes


def _etiquette(bloc, j):
    bloc.etiquette = (float(j[0]), float(j[1]))
    reste = j[2:]
    if reste[:1] == ["width"]:
        bloc.largeur = float(reste[1])
        reste = reste[2:]
    if reste == ["kept"]:
        bloc.gardee = True
    elif reste:
        raise ValueError("label LAT LON [width W] [kept]")


def _champ(bloc, ligne):
    mot, _, reste = ligne.strip().partition(" ")
    if mot == "grade":
        bloc.grade = int(reste)
    elif mot == "source":
        bloc.sources.append(reste.strip())
    elif mot == "label":
        _etiquette(bloc, reste.split())
    elif mot == "note" and not reste:
        bloc.note = True
    elif mot == "ring":
        bloc.anneau = []
    elif mot == "segments":
        bloc.segments = []
    else:
        raise ValueError("unknown field %r" % mot)


def _element(bloc, ligne):
    if bloc.anneau is not None and bloc.segments is None:
        bloc.anneau.append(coin(ligne.split("#")[0]))
    elif bloc.segments is not None:
        a, _, b = ligne.partition(" - ")
        bloc.segments.append((point(a.split()), point(b.split())))
    else:
        raise ValueError("corner outside a ring")


def lire(texte):
    """The rows of the authored file, in order."""
    blocs = []
    for n, brute in enumerate(texte.splitlines(), 1):
        ligne = brute.rstrip()
        if not ligne.strip() or ligne.lstrip().startswith("#"):
            continue
        try:
            if not ligne.startswith(" "):
                aire, place, lignes = _entete(ligne)
                blocs.append(Bloc(aire, place, lignes, ligne=n))
            elif not blocs:
                raise ValueError("field before the first row")
            elif ligne.startswith("    "):
                _element(blocs[-1], ligne)
            else:
                _champ(blocs[-1], ligne)
        except (ValueError, IndexError) as e:
            raise ErreurLecture("line %d: %s" % (n, e)) from None
    return blocs
