"""Reading the built tree as the vider_metareas tool prints it, one record
a line, fields separated by tabs (an empty field: no text):
    area    NOM  NOM2
    outline LAT1 LON1 LAT2 LON2          (the area's own segments)
    row     PLACE STYLE COUNT LAT LON LARGEUR NOM NOM2 NOM3
    seg     LAT1 LON1 LAT2 LON2          (the row's segments)
COUNT is the row's number of segments in the published catalogue."""
from dataclasses import dataclass, field


@dataclass
class Rang:
    place: int
    style: int
    compte: int
    etiquette: tuple
    largeur: float
    lignes: list
    segments: list = field(default_factory=list)


@dataclass
class Aire:
    nom: str
    nom2: str
    contour: list = field(default_factory=list)
    rangs: list = field(default_factory=list)


def _segment(champs):
    a, b, c, d = (float(v) for v in champs)
    return ((a, b), (c, d))


def lire(texte):
    aires = []
    for ligne in texte.split("\n"):
        if not ligne:
            continue
        champs = ligne.split("\t")
        genre = champs[0]
        if genre == "area":
            aires.append(Aire(champs[1], champs[2]))
        elif genre == "outline":
            aires[-1].contour.append(_segment(champs[1:5]))
        elif genre == "row":
            place, style, compte = (int(v) for v in champs[1:4])
            lat, lon, largeur = (float(v) for v in champs[4:7])
            lignes = [t for t in champs[7:10] if t]
            aires[-1].rangs.append(Rang(place, style, compte, (lat, lon), largeur, lignes))
        elif genre == "seg":
            aires[-1].rangs[-1].segments.append(_segment(champs[1:5]))
        else:
            raise ValueError("unknown record %r" % genre)
    return aires
