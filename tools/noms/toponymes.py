#!/usr/bin/env python3
"""Remakes the gazetteer map/toponymes.txt, the place names compiled into
the program:

    python3 tools/noms/toponymes.py map/toponymes.txt

Sections of the gazetteer, each opened by a line "# == <title>":
- "Pays": made here: every country of the Digital Chart of the World (GMT's
  DCW, `gmt coast -E<code> -M`), English name from the DCW, French name from
  iso-codes (ISO 3166-1 with its French translation);
- "Etats": made here: the states of the eight countries the DCW divides,
  names from the DCW and ISO 3166-2 in the same way;
- "Departements": label points written by hand; the names ("Nord 59") are
  made here from ISO 3166-2, and each point must lie in France's polygons
  (an overseas département in its own);
- "Mers": written by hand and kept as they stand; each point must lie at sea
  (`gmt select`).
A country or state is labelled at a point well inside its largest polygon
(the pole of inaccessibility, which a centroid is not). Levels, colours,
sizes and styles follow the rules below. Writes nothing when a check fails.
"""
import gettext
import heapq
import json
import math
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

ISO = "/usr/share/iso-codes/json"
LOCALE = "/usr/share/locale"
NOM_MAX = 47  # bytes of a name in the program

PAYS = {"couleur": 224224224, "taille": 12, "style": 2}
PAYS_ESPACE = {"masque": 12, "couleur": 224224224, "taille": 20, "style": 2}
ETAT = {"masque": 4, "couleur": 255255128, "taille": 11, "style": 1}
DEPARTEMENT = {"masque": 8, "couleur": 255224160, "taille": 10, "style": 0}

# Label points kept as the program has always shown them.
POINTS_FIXES = {"NG": (10.0, 8.0)}
# Misprints of iso-codes' French translations.
CORRECTIONS = {"BR-SP": "São Paulo"}
# Misspellings of the DCW's state names, by state code.
ORTHOGRAPHE_DCW = {
    "RU-MOS": "Moscow Oblast",   # the DCW writes "Moskow Oblast"
    "RU-LIP": "Lipetsk Oblast",  # the DCW writes "Lipetsk Oblst"
}


def masque_pays(aire, divise):
    """Levels of a country's name by its area in km2: the large ones at
    levels 2 and 3 (level 2 only when their states or départements take
    over), the middle ones at level 2 with a large spaced name at levels 3
    and 4, the small ones closer in."""
    if aire >= 750000:
        return 2 if divise else 6
    if aire >= 100000:
        return 2
    if aire >= 10000:
        return 6
    if aire >= 1000:
        return 12
    return 24


def espace(aire):
    return 100000 <= aire < 750000


# ---- GMT

def gmt(*args, entree=None):
    r = subprocess.run(["gmt", *args], input=entree, capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit("gmt %s: %s" % (" ".join(args), r.stderr.strip()))
    return r.stdout


def dossier_dcw():
    d = gmt("get", "DIR_DCW").strip()
    if d and os.path.exists(os.path.join(d, "dcw-countries.txt")):
        return d
    return os.path.join(gmt("--show-sharedir").strip(), "dcw")


def polygones(code):
    """The polygons of a DCW country or state, longitudes unwrapped along
    each ring."""
    anneaux, courant = [], None
    for ligne in gmt("coast", "-E" + code, "-M").splitlines():
        if ligne.startswith(">"):
            courant = []
            anneaux.append(courant)
            continue
        x, y = map(float, ligne.split()[:2])
        if courant:
            x += 360 * round((courant[-1][0] - x) / 360)
        courant.append((x, y))
    return [a for a in anneaux if len(a) >= 3]


# ---- Geometry: sinusoidal projection (equal-area) about each ring.

def aire_km2(anneau):
    x0 = sum(p[0] for p in anneau) / len(anneau)
    k = 111.195
    pts = [((x - x0) * math.cos(math.radians(y)) * k, y * k) for x, y in anneau]
    s = 0.0
    for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
        s += ax * by - bx * ay
    return abs(s) / 2


def dedans(x, y, anneau):
    c = False
    for (ax, ay), (bx, by) in zip(anneau, anneau[1:] + anneau[:1]):
        if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
            c = not c
    return c


def distance_bord(x, y, anneau):
    d = float("inf")
    for (ax, ay), (bx, by) in zip(anneau, anneau[1:] + anneau[:1]):
        dx, dy = bx - ax, by - ay
        t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) /
                                                   (dx * dx + dy * dy)))
        d = min(d, (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2)
    return math.sqrt(d) * (1 if dedans(x, y, anneau) else -1)


def pole_plan(a):
    """The point of a planar ring farthest from its edge (quad-tree
    search)."""
    xs, ys = [p[0] for p in a], [p[1] for p in a]
    taille = min(max(xs) - min(xs), max(ys) - min(ys))
    precision = max(taille / 200, 1e-4)
    h = taille / 2
    tas = []

    def cellule(x, y, h):
        d = distance_bord(x, y, a)
        heapq.heappush(tas, (-(d + h * math.sqrt(2)), d, x, y, h))

    if h == 0:
        return a[0]
    x = min(xs)
    while x < max(xs):
        y = min(ys)
        while y < max(ys):
            cellule(x + h, y + h, h)
            y += 2 * h
        x += 2 * h
    mx = sum(xs) / len(xs)
    my = sum(ys) / len(ys)
    meilleur = (distance_bord(mx, my, a), mx, my)
    while tas:
        _, d, x, y, h = heapq.heappop(tas)
        if d > meilleur[0]:
            meilleur = (d, x, y)
        if d + h * math.sqrt(2) - meilleur[0] <= precision:
            continue
        h /= 2
        for ex in (-h, h):
            for ey in (-h, h):
                cellule(x + ex, y + ey, h)
    return meilleur[1], meilleur[2]


def pole(anneau):
    """The point of the ring farthest from its edge, in a frame where a
    degree of longitude is as long as at the ring's middle latitude. A ring
    that goes round a pole (Antarctica) is no polygon in longitude and
    latitude: it is searched in an azimuthal projection about that pole."""
    pas = max(1, len(anneau) // 1500)
    echantillon = anneau[::pas]
    xs = [p[0] for p in anneau]
    if max(xs) - min(xs) >= 359:
        signe = -1 if sum(p[1] for p in anneau) < 0 else 1
        a = [((90 - signe * y) * math.sin(math.radians(x)),
              -(90 - signe * y) * math.cos(math.radians(x))) for x, y in echantillon]
        px, py = pole_plan(a)
        return math.degrees(math.atan2(px, -py)), signe * (90 - math.hypot(px, py))
    ymoy = sum(p[1] for p in anneau) / len(anneau)
    k = max(math.cos(math.radians(ymoy)), 0.05)
    x, y = pole_plan([(x * k, y) for x, y in echantillon])
    return x / k, y


def lon180(x):
    return (x + 180) % 360 - 180


# ---- Names

def traducteur(domaine):
    t = gettext.translation(domaine, localedir=LOCALE, languages=["fr"])
    return t.gettext



def francais(nom):
    """A name as a map shows it: no ", Republic of" tail; "Îles" ahead; a
    capital first."""
    if "," in nom:
        avant, apres = nom.split(",", 1)
        apres = apres.strip()
        nom = apres + " " + avant if apres.startswith("Île") else avant
    return nom[:1].upper() + nom[1:]


def sans_parenthese(nom):
    return nom.split(" (")[0] if nom.endswith(")") else nom


def ecrit(nom):
    nom = nom.strip()
    if len(nom.encode()) > NOM_MAX:
        raise SystemExit("name longer than %d bytes: %s" % (NOM_MAX, nom))
    return nom.replace(" ", "_")


def ligne(r, lat, lon, fr, en):
    return "%d %d %d %d %.2f %.2f %s %s" % (r["masque"], r["couleur"], r["taille"], r["style"],
                                           lat, lon, ecrit(fr), ecrit(en))


# ---- Sections

def etiquette(code):
    anneaux = polygones(code)
    if not anneaux:
        raise SystemExit("DCW %s: no polygon" % code)
    aires = [aire_km2(a) for a in anneaux]
    x, y = pole(anneaux[aires.index(max(aires))])
    return sum(aires), y, lon180(x)


def pays(dcw):
    iso = {c["alpha_2"]: c for c in json.load(open(ISO + "/iso_3166-1.json"))["3166-1"]}
    tr = traducteur("iso_3166-1")
    divises = {l.split()[0] for l in open(dcw + "/dcw-states.txt") if not l.startswith("#")}
    divises.add("FR")
    codes = [l.split(None, 2) for l in open(dcw + "/dcw-countries.txt") if not l.startswith("#")]
    with ThreadPoolExecutor(4) as ex:
        etiquettes = list(ex.map(etiquette, [c[1] for c in codes]))
    noms = {}
    for (_, code, en), (aire, lat, lon) in zip(codes, etiquettes):
        c = iso.get(code)
        fr = francais(tr(c.get("common_name") or c["name"])) if c else en.strip()
        noms[code] = (fr, en.strip(), aire, lat, lon)
    # A name shortened into another country's keeps its tail.
    vus = [n[0] for n in noms.values()]
    lignes = []
    for code, (fr, en, aire, lat, lon) in noms.items():
        if vus.count(fr) > 1:
            fr = tr(iso[code]["name"])
        lat, lon = POINTS_FIXES.get(code, (lat, lon))
        r = dict(PAYS, masque=masque_pays(aire, code in divises))
        lignes.append(ligne(r, lat, lon, fr, en))
        if espace(aire) and len(" ".join(fr).encode()) <= NOM_MAX and \
                len(" ".join(en).encode()) <= NOM_MAX:
            lignes.append(ligne(PAYS_ESPACE, lat, lon, " ".join(fr), " ".join(en)))
    return lignes


def etats(dcw):
    iso = {c["code"]: c for c in json.load(open(ISO + "/iso_3166-2.json"))["3166-2"]}
    tr = traducteur("iso_3166-2")
    codes = [l.split(None, 2) for l in open(dcw + "/dcw-states.txt") if not l.startswith("#")]
    with ThreadPoolExecutor(4) as ex:
        etiquettes = list(ex.map(etiquette, ["%s.%s" % (c[0], c[1]) for c in codes]))
    lignes = []
    for (p, e, nom), (_, lat, lon) in zip(codes, etiquettes):
        code = "%s-%s" % (p, e)
        en = ORTHOGRAPHE_DCW.get(code, sans_parenthese(nom.strip()))
        # The French name where iso-codes' French catalogue gives one
        # other than the name itself (it has none for Russia's subjects);
        # else the English one.
        fr = en
        if code in iso and tr(iso[code]["name"]) != iso[code]["name"]:
            fr = francais(tr(iso[code]["name"]))
        fr = CORRECTIONS.get(code, fr)
        lignes.append(ligne(ETAT, lat, lon, fr, en))
    return lignes


def departements(lignes):
    """Names of the départements from ISO 3166-2, at the points given; each
    point in France's polygons, or its overseas département's."""
    tr = traducteur("iso_3166-2")
    iso = {c["code"][3:]: c for c in json.load(open(ISO + "/iso_3166-2.json"))["3166-2"]
           if c["code"].startswith("FR-") and c["type"].endswith("department")}
    anneaux = {}
    sortie, vus = [], set()
    for l in lignes:
        champs = l.split()
        numero = champs[6].split("_")[-1]
        if numero not in iso:
            raise SystemExit("département %s: not in ISO 3166-2" % numero)
        vus.add(numero)
        pays_ = iso[numero].get("parent") if iso[numero]["type"].startswith("Overseas") else "FR"
        if pays_ not in anneaux:
            anneaux[pays_] = polygones(pays_)
        lat, lon = float(champs[4]), float(champs[5])
        if not any(dedans(lon + t, lat, a) for a in anneaux[pays_] for t in (-360, 0, 360)):
            raise SystemExit("département %s: %g %g is outside %s" % (numero, lat, lon, pays_))
        nom = "%s %s" % (tr(iso[numero]["name"]), numero)
        sortie.append(ligne(DEPARTEMENT, lat, lon, nom, nom))
    manque = sorted(set(iso) - vus)
    if manque:
        raise SystemExit("départements without a point: %s" % " ".join(manque))
    return sortie


def mers_ou_terre(lignes, garder):
    """The points of the lines that GMT keeps with -N`garder` (-Nk/s: at
    sea, -Ns/k: on land), at full resolution."""
    points = "".join("%s %s\n" % (l.split()[5], l.split()[4]) for l in lignes)
    return gmt("select", "-Df", garder, entree=points).splitlines()


def mers(lignes):
    secs = mers_ou_terre(lignes, "-Nk/s")
    if len(secs) != len(lignes):
        garde = {tuple(map(float, s.split()[:2])) for s in secs}
        terre = [l for l in lignes if (float(l.split()[5]), float(l.split()[4])) not in garde]
        raise SystemExit("sea names on land:\n  " + "\n  ".join(terre))
    return lignes


# ---- The file

def sections(chemin):
    """The header and each section's title and lines, in file order."""
    entete, titres, corps = [], [], {}
    for l in open(chemin, encoding="utf-8").read().splitlines():
        if l.startswith("# == "):
            titres.append(l)
            corps[l] = []
        elif titres:
            corps[titres[-1]].append(l)
        else:
            entete.append(l)
    return entete, titres, corps


def donnees(lignes):
    return [l for l in lignes if l.strip() and not l.startswith("#")]


def commentaires(lignes):
    return [l for l in lignes if l.startswith("#")]


def main():
    chemin = sys.argv[1]
    entete, titres, corps = sections(chemin)
    dcw = dossier_dcw()
    faire = {"Pays": lambda l: pays(dcw), "Etats": lambda l: etats(dcw),
             "Departements": departements, "Mers": mers}
    sortie = list(entete)
    for t in titres:
        cle = t[5:].split()[0]
        if cle not in faire:
            raise SystemExit("unknown section: " + t)
        sortie += [t] + commentaires(corps[t]) + faire[cle](donnees(corps[t]))
    # A label point on a pole-encircling ring (Antarctica) lies on land.
    antarctique = [l for l in sortie if l.endswith(" Antarctique Antarctica")]
    if len(antarctique) != 1 or len(mers_ou_terre(antarctique, "-Ns/k")) != 1:
        raise SystemExit("Antarctica's name is not on land: %s" % antarctique)
    for attendue in ("6 224224224 12 2 10.00 8.00 Nigeria Nigeria",
                     "4 255255128 11 1 ", "Floride Florida", "Nord_59 Nord_59"):
        if not any(attendue in l for l in sortie):
            raise SystemExit("missing: " + attendue)
    with open(chemin + ".tmp", "w", encoding="utf-8") as f:
        f.write("\n".join(sortie) + "\n")
    os.replace(chemin + ".tmp", chemin)
    print("%s: %d names" % (chemin, len(donnees(sortie))))


if __name__ == "__main__":
    main()
