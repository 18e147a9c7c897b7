#!/usr/bin/python3
# Draws the interface pictures that the program carries compiled in, as PNG
# files in ui/images/png/ (the build embeds them). Run it again after
# changing a picture here; the PNG files are kept in the repository, so
# building needs neither Python nor Pillow.
# Usage: tools/images/dessiner_images.py [output folder]
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

S = 4  # every picture is drawn 4 times larger, then reduced (smooth edges)
POLICES = "/usr/share/fonts/truetype/dejavu/"

# The program's palette (see ui/palette.cpp) and a few shades of it.
FOND = (0x54, 0x68, 0x75)
FOND2 = (0x19, 0x37, 0x5F)
FOND3 = (0x7C, 0x90, 0x9D)
TITRE = (0x44, 0x54, 0x5F)
ORANGE = (0xE6, 0xB1, 0x42)
BLEU = (0x75, 0x91, 0xA0)
TEXTE = (0x2E, 0x43, 0x4E)
CYAN = (0x00, 0xFF, 0xFF)
GRIS = (0xC4, 0xC4, 0xC4)
CLAIR = (0xE0, 0xE0, 0xE0)
SOMBRE = (0x24, 0x30, 0x38)
BLANC = (0xF4, 0xF6, 0xF8)
ROUGE = (0xD8, 0x3A, 0x2E)
VERT = (0x3C, 0xB8, 0x5A)
MER = (0x1D, 0x5B, 0x97)
TERRE = (0xA0, 0x8C, 0x64)


def police(taille, gras=True, etroite=False):
    nom = "DejaVuSans" + ("Condensed" if etroite else "") + ("-Bold" if gras else "")
    return ImageFont.truetype(POLICES + nom + ".ttf", taille * S)


class Toile:
    """A picture of w x h pixels drawn at S times its size."""

    def __init__(self, w, h, fond=None):
        self.w, self.h = w, h
        self.im = Image.new("RGBA", (w * S, h * S), fond + (255,) if fond else (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.im)

    def p(self, *v):
        return [x * S for x in v]

    def degrade(self, x, y, w, h, haut, bas, r=0):
        masque = Image.new("L", (w * S, h * S), 0)
        ImageDraw.Draw(masque).rounded_rectangle([0, 0, w * S - 1, h * S - 1], r * S, fill=255)
        bande = Image.new("RGBA", (w * S, h * S))
        for j in range(h * S):
            t = j / max(1, h * S - 1)
            c = tuple(int(a + (b - a) * t) for a, b in zip(haut, bas))
            ImageDraw.Draw(bande).line([0, j, w * S, j], fill=c + (255,))
        self.im.paste(bande, (x * S, y * S), masque)

    def cadre(self, x, y, w, h, couleur, r=0, epaisseur=1):
        self.d.rounded_rectangle(self.p(x, y, x + w, y + h), r * S, outline=couleur,
                                 width=epaisseur * S)

    def rect(self, x, y, w, h, couleur, r=0):
        self.d.rounded_rectangle(self.p(x, y, x + w, y + h), r * S, fill=couleur)

    def ligne(self, points, couleur, epaisseur=1.0):
        self.d.line([(a * S, b * S) for a, b in points], fill=couleur,
                    width=max(1, int(epaisseur * S)), joint="curve")

    def disque(self, cx, cy, r, couleur, contour=None, epaisseur=1.0):
        self.d.ellipse(self.p(cx - r, cy - r, cx + r, cy + r), fill=couleur,
                       outline=contour, width=int(epaisseur * S) if contour else 0)

    def poly(self, points, couleur, contour=None):
        self.d.polygon([(a * S, b * S) for a, b in points], fill=couleur, outline=contour)

    def texte(self, cx, cy, chaine, taille, couleur, gras=True, etroite=False):
        f = police(taille, gras, etroite)
        self.d.text((cx * S, cy * S), chaine, font=f, fill=couleur, anchor="mm")

    def finir(self):
        return self.im.resize((self.w, self.h), Image.LANCZOS)


IMAGES = {}


def image(nom):
    def enregistrer(f):
        IMAGES[nom] = f
        return f
    return enregistrer


def serie(noms, fabrique):
    for nom, args in noms.items():
        IMAGES[nom] = (lambda a: lambda: fabrique(*a))(args)


# ---- Button faces: a raised GTK-like bar and its pressed form.
def face(w, h, haut, bas, bord):
    t = Toile(w, h)
    t.degrade(0, 0, w, h, haut, bas, r=3)
    t.cadre(0, 0, w - 1, h - 1, bord, r=3)
    return t.finir()


IMAGES["image_bon"] = lambda: face(230, 22, (0x8F, 0xAB, 0xBA), (0x5E, 0x7A, 0x8A), (0x3A, 0x4E, 0x5A))
IMAGES["image_boff"] = lambda: face(230, 22, (0xD8, 0xDC, 0xDF), (0xB4, 0xBB, 0xC0), (0x7C, 0x88, 0x90))


@image("image_bofftr")
def _bofftr():
    t = Toile(80, 16)
    t.rect(0, 0, 79, 15, (0xF0, 0xF0, 0xF0, 170), r=4)
    return t.finir()


# ---- Backgrounds of the title bar and of the panels.
@image("image_filet")
def _filet():
    t = Toile(338, 99)
    t.degrade(0, 0, 338, 99, (0x3A, 0x46, 0x4F), (0x49, 0x4F, 0x57))
    for i in range(9):
        y = 8 + i * 11
        t.ligne([(0, y + 30), (338, y - 6)], (0x5A, 0x66, 0x70, 90), 1.2)
    return t.finir()


@image("image_filet_fixe")
def _filet_fixe():
    t = Toile(338, 28)
    t.degrade(0, 0, 338, 28, (0x58, 0x62, 0x6B), (0x3E, 0x46, 0x4E))
    t.ligne([(0, 1), (338, 1)], (0x7F, 0x7F, 0x7F), 1)
    t.ligne([(0, 2), (338, 2)], (0x4D, 0x4D, 0x4D), 1)
    return t.finir()


@image("image_degrade")
def _degrade():
    t = Toile(10, 99)
    for i in range(10):
        v = 0x54 - i * 5
        t.rect(i, 0, 1, 99, (v, v + 0x10, v + 0x1C))
    return t.finir()


@image("image_bas_boite")
def _bas_boite():
    t = Toile(230, 63)
    t.degrade(0, 0, 230, 63, (0x6C, 0x80, 0x8D), (0x46, 0x58, 0x64), r=4)
    return t.finir()


def bord_bas(gauche):
    t = Toile(5, 69)
    t.degrade(0, 0, 5, 69, (0x6C, 0x80, 0x8D), (0x3C, 0x4B, 0x53))
    x = 0 if gauche else 4
    t.rect(x, 0, 1, 69, (0x2A, 0x34, 0x3A))
    return t.finir()


IMAGES["image_bas_gauche"] = lambda: bord_bas(True)
IMAGES["image_bas_droit"] = lambda: bord_bas(False)


@image("image_etoile")
def _etoile():
    t = Toile(200, 81)
    cx, cy = 100, 40
    t.disque(cx, cy, 30, None, (0x9A, 0xB0, 0xBE), 1.5)
    t.disque(cx, cy, 22, None, (0x7C, 0x90, 0x9D), 1)
    for k in range(8):
        a = k * math.pi / 4
        r = 38 if k % 2 == 0 else 24
        pointe = (cx + r * math.sin(a), cy - r * math.cos(a))
        g = (cx + 6 * math.sin(a - math.pi / 2), cy - 6 * math.cos(a - math.pi / 2))
        d = (cx + 6 * math.sin(a + math.pi / 2), cy - 6 * math.cos(a + math.pi / 2))
        t.poly([pointe, g, (cx, cy)], ORANGE if k == 0 else CLAIR)
        t.poly([pointe, d, (cx, cy)], (0xB0, 0x80, 0x20) if k == 0 else FOND3)
    return t.finir()


@image("image_fdcroute")
def _fdcroute():
    t = Toile(230, 66)
    t.degrade(0, 0, 230, 66, (0x62, 0x76, 0x83), (0x4A, 0x5C, 0x68), r=4)
    t.cadre(0, 0, 229, 65, (0x34, 0x42, 0x4A), r=4)
    t.ligne([(4, 22), (225, 22)], (0x70, 0x84, 0x90), 1)
    t.ligne([(4, 44), (225, 44)], (0x70, 0x84, 0x90), 1)
    return t.finir()


# ---- Small icons on a rounded plate.
def plaque(w, h, actif, r=4):
    t = Toile(w, h)
    if actif:
        t.degrade(0, 0, w, h, (0x9C, 0xD8, 0xE8), (0x3E, 0x8E, 0xA8), r=r)
        t.cadre(0, 0, w - 1, h - 1, (0x1C, 0x4C, 0x5C), r=r)
    else:
        t.degrade(0, 0, w, h, (0xD6, 0xDB, 0xDF), (0x9E, 0xA8, 0xB0), r=r)
        t.cadre(0, 0, w - 1, h - 1, (0x50, 0x5E, 0x68), r=r)
    return t


def loupe(t, signe, couleur):
    t.disque(8, 8, 5, (0xF8, 0xFA, 0xFC), couleur, 1.6)
    t.ligne([(12, 12), (17, 17)], couleur, 2.4)
    t.ligne([(5.5, 8), (10.5, 8)], couleur, 1.4)
    if signe == "+":
        t.ligne([(8, 5.5), (8, 10.5)], couleur, 1.4)


def zoom(signe, actif):
    t = plaque(20, 20, actif)
    loupe(t, signe, SOMBRE)
    return t.finir()


serie({"image_zoom1": ("+", True), "image_zoom2": ("+", False),
       "image_dezoom1": ("-", True), "image_dezoom2": ("-", False)}, zoom)


def globe(t, cx, cy, r, couleur_mer, couleur_trait):
    t.disque(cx, cy, r, couleur_mer, couleur_trait, 1.2)
    t.ligne([(cx - r, cy), (cx + r, cy)], couleur_trait, 0.8)
    t.d.ellipse(t.p(cx - r / 2.2, cy - r, cx + r / 2.2, cy + r), outline=couleur_trait, width=S)


def metarea(couleur):
    t = plaque(20, 20, couleur is not None)
    globe(t, 10, 10, 7, couleur or (0xB8, 0xC4, 0xCC), SOMBRE)
    t.ligne([(4, 6), (10, 3), (16, 8), (12, 15), (5, 13), (4, 6)], ORANGE, 1.4)
    return t.finir()


serie({"image_metarea": (None,), "image_metarea_bleu": ((0x40, 0x80, 0xE0),),
       "image_metarea_vert": ((0x40, 0xC0, 0x70),)}, metarea)


@image("image_zones")
def _zones():
    t = plaque(20, 20, False)
    t.disque(10, 8, 5, ROUGE, SOMBRE, 1)
    t.poly([(6, 10), (14, 10), (10, 18)], ROUGE)
    t.disque(10, 8, 2, BLANC)
    return t.finir()


def fenetre(actif):
    t = plaque(20, 20, actif)
    for k, (x, y) in enumerate([(3, 4), (7, 8)]):
        t.rect(x, y, 10, 8, BLANC, r=1)
        t.cadre(x, y, 10, 8, SOMBRE, r=1)
        t.rect(x, y, 10, 2, (0x3E, 0x6E, 0x9E) if k else FOND3)
    return t.finir()


serie({"image_fenetre": (False,), "image_fenetre_a": (True,)}, fenetre)


def crayon(actif):
    t = plaque(20, 20, actif)
    t.rect(4, 3, 10, 14, BLANC, r=1)
    t.cadre(4, 3, 10, 14, SOMBRE, r=1)
    for y in (6, 9, 12):
        t.ligne([(6, y), (12, y)], FOND3, 0.8)
    t.ligne([(9, 15), (16, 5)], ORANGE, 2.6)
    t.ligne([(9, 15), (10, 13.5)], SOMBRE, 2)
    return t.finir()


serie({"skin1_image_edit1": (True,), "skin1_image_edit2": (False,)}, crayon)


def aide_maison(actif):
    t = plaque(20, 20, actif)
    t.poly([(10, 3), (17, 10), (3, 10)], ROUGE if actif else FOND)
    t.rect(5, 10, 10, 7, BLANC)
    t.cadre(5, 10, 10, 7, SOMBRE)
    t.texte(10, 13.5, "?", 6, SOMBRE)
    return t.finir()


serie({"skin_image_aide": (True,), "skin_image_aide_de": (False,)}, aide_maison)


def aide(couleur):
    t = Toile(14, 15)
    t.disque(7, 7.5, 6.4, couleur, SOMBRE, 0.8)
    t.texte(7, 7.8, "?", 9, BLANC)
    return t.finir()


serie({"skin1_image_help": ((0x3E, 0x86, 0xC8),), "skin1_image_help2": (ORANGE,)}, aide)


def plein_ecran(agrandir):
    t = Toile(17, 15)
    t.rect(0, 0, 16, 14, (0x30, 0x3C, 0x44), r=2)
    t.cadre(0, 0, 16, 14, GRIS, r=2)
    if agrandir:
        t.ligne([(3, 6), (3, 3), (6, 3)], CLAIR, 1.4)
        t.ligne([(11, 3), (14, 3), (14, 6)], CLAIR, 1.4)
        t.ligne([(3, 9), (3, 12), (6, 12)], CLAIR, 1.4)
        t.ligne([(11, 12), (14, 12), (14, 9)], CLAIR, 1.4)
    else:
        t.rect(5, 5, 7, 5, CLAIR)
    return t.finir()


serie({"image_full_on": (True,), "image_full_off": (False,)}, plein_ecran)


# ---- Base-map toggles: satellite picture, drawn map, coastline only.
def fond_carte(genre, actif):
    t = plaque(36, 20, actif)
    t.rect(8, 3, 20, 14, (0x10, 0x18, 0x30) if genre == 0 else MER if genre == 1 else BLANC)
    cote = [(11, 5), (16, 6), (18, 10), (15, 15), (20, 14), (25, 8), (22, 4)]
    if genre == 0:
        t.poly(cote, (0x4C, 0x7A, 0x3C))
        for x, y in [(10, 14), (24, 15), (26, 5)]:
            t.disque(x, y, 0.6, BLANC)
    elif genre == 1:
        t.poly(cote, TERRE)
    else:
        t.ligne(cote + [cote[0]], SOMBRE, 1)
    t.cadre(8, 3, 20, 14, SOMBRE)
    return t.finir()


serie({"skin_image_fdc0": (0, True), "skin_image_fdc0_de": (0, False),
       "skin_image_fdc2": (1, True), "skin_image_fdc2_de": (1, False),
       "skin_image_fdc4": (3, True), "skin_image_fdc4_de": (3, False)}, fond_carte)


# ---- Flags: capital letters for the current language, lower case dimmed.
def drapeau(code, vif):
    t = Toile(26, 16)
    x, y, w, h = 1, 1, 24, 14
    if code == "fr":
        for i, c in enumerate([(0x00, 0x3C, 0x96), (0xF4, 0xF4, 0xF4), (0xE0, 0x2A, 0x32)]):
            t.rect(x + i * 8, y, 8, h, c)
    elif code == "de":
        for i, c in enumerate([(0x10, 0x10, 0x10), (0xD8, 0x1E, 0x1E), (0xF8, 0xC8, 0x1C)]):
            t.rect(x, y + i * h / 3, w, h / 3, c)
    elif code == "sp":
        t.rect(x, y, w, h, (0xC8, 0x14, 0x1E))
        t.rect(x, y + 3.5, w, 7, (0xFA, 0xBC, 0x00))
    else:
        t.rect(x, y, w, h, (0x01, 0x21, 0x69))
        t.ligne([(x, y), (x + w, y + h)], (0xF4, 0xF4, 0xF4), 3)
        t.ligne([(x + w, y), (x, y + h)], (0xF4, 0xF4, 0xF4), 3)
        t.ligne([(x, y), (x + w, y + h)], (0xC8, 0x10, 0x2E), 1)
        t.ligne([(x + w, y), (x, y + h)], (0xC8, 0x10, 0x2E), 1)
        t.rect(x + 9.5, y, 5, h, (0xF4, 0xF4, 0xF4))
        t.rect(x, y + 4.5, w, 5, (0xF4, 0xF4, 0xF4))
        t.rect(x + 10.5, y, 3, h, (0xC8, 0x10, 0x2E))
        t.rect(x, y + 5.5, w, 3, (0xC8, 0x10, 0x2E))
    t.cadre(0, 0, 25, 15, ORANGE if vif else (0x30, 0x3A, 0x40), epaisseur=1)
    im = t.finir()
    if not vif:
        gris = Image.new("RGBA", im.size, FOND + (255,))
        im = Image.blend(im, gris, 0.55)
    return im


for _code in ("fr", "en", "de", "sp"):
    IMAGES["image_drapeaux_" + _code.upper()] = (lambda c: lambda: drapeau(c, True))(_code)
    IMAGES["image_drapeaux_" + _code] = (lambda c: lambda: drapeau(c, False))(_code)


# ---- The clock: its face, ten digits and the separator.
SEGMENTS = {0: "abcdef", 1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc", 5: "afgcd",
            6: "afgedc", 7: "abc", 8: "abcdefg", 9: "abcdfg"}


def chiffre(n):
    t = Toile(11, 22)
    allume, eteint = ORANGE, (0x3C, 0x44, 0x4A)
    g, d, hh, mi, b = 1.5, 9.5, 1.5, 11, 20.5
    traits = {"a": [(g + 1, hh), (d - 1, hh)], "b": [(d, hh + 1), (d, mi - 1)],
              "c": [(d, mi + 1), (d, b - 1)], "d": [(g + 1, b), (d - 1, b)],
              "e": [(g, mi + 1), (g, b - 1)], "f": [(g, hh + 1), (g, mi - 1)],
              "g": [(g + 1, mi), (d - 1, mi)]}
    for s, pts in traits.items():
        t.ligne(pts, allume if s in SEGMENTS[n] else eteint, 1.9)
    return t.finir()


for _n in range(10):
    IMAGES["skin1_image_heure_%02d" % _n] = (lambda n: lambda: chiffre(n))(_n)


@image("skin1_image_heure_pp")
def _deux_points():
    t = Toile(5, 11)
    t.disque(2.5, 2.5, 1.3, ORANGE)
    t.disque(2.5, 8.5, 1.3, ORANGE)
    return t.finir()


@image("skin1_image_date_heure")
def _cadran():
    t = Toile(195, 71)
    t.degrade(0, 0, 195, 71, (0x3E, 0x4E, 0x59), (0x2A, 0x36, 0x3E), r=8)
    t.cadre(0, 0, 194, 70, (0x7C, 0x90, 0x9D), r=8)
    for x in (22, 104):
        t.rect(x, 21, 64, 30, (0x1A, 0x22, 0x28), r=4)
        t.cadre(x, 21, 64, 30, (0x10, 0x14, 0x18), r=4)
    return t.finir()


# ---- The request/view switch: a picture and a word, per language.
def enveloppe(t, cx, cy, couleur):
    t.rect(cx - 9, cy - 6, 18, 12, BLANC, r=1)
    t.cadre(cx - 9, cy - 6, 18, 12, couleur, r=1)
    t.ligne([(cx - 9, cy - 6), (cx, cy + 1), (cx + 9, cy - 6)], couleur, 1.3)


def carte(t, cx, cy, couleur):
    t.rect(cx - 10, cy - 6, 20, 12, MER, r=1)
    t.poly([(cx - 7, cy - 4), (cx - 1, cy - 3), (cx, cy + 2), (cx - 5, cy + 4)], TERRE)
    t.poly([(cx + 3, cy - 5), (cx + 8, cy - 2), (cx + 6, cy + 4), (cx + 2, cy + 1)], TERRE)
    t.cadre(cx - 10, cy - 6, 20, 12, couleur, r=1)


def bascule(w, h, mot, dessin, presse):
    t = Toile(w, h)
    if presse:
        t.degrade(1, 1, w - 2, 33, (0x8C, 0xA8, 0xB8), (0x4C, 0x68, 0x7A), r=6)
        t.cadre(1, 1, w - 3, 32, (0x1A, 0x2A, 0x34), r=6)
        encre = CYAN
    else:
        t.degrade(1, 1, w - 2, h - 2, (0x6A, 0x7E, 0x8B), (0x44, 0x56, 0x62), r=6)
        t.cadre(1, 1, w - 3, h - 3, (0x2C, 0x3A, 0x44), r=6)
        encre = (0xD8, 0xDE, 0xE2)
    dessin(t, w / 2, 11, SOMBRE)
    taille = 9 if len(mot) < 11 else 8
    t.texte(w / 2, 25.5, mot, taille, encre, etroite=len(mot) > 9)
    return t.finir()


BASCULES = {
    "skin1_image_requeteur": (90, 35, "Requêteur", enveloppe, True),
    "skin1_image_requeteur_de": (90, 36, "Requêteur", enveloppe, False),
    "skin1_image_visualisateur": (91, 35, "Visualisateur", carte, True),
    "skin1_image_visualisateur_de": (91, 36, "Visualisateur", carte, False),
    "skin1_image_requeteur_en": (90, 35, "Request", enveloppe, True),
    "skin1_image_requeteur_en_de": (90, 36, "Request", enveloppe, False),
    "skin1_image_visualisateur_en": (91, 35, "Viewer", carte, True),
    "skin1_image_visualisateur_en_de": (91, 36, "Viewer", carte, False),
    "image_abfrage_a": (90, 35, "Abfrage", enveloppe, True),
    "image_abfrage": (90, 35, "Abfrage", enveloppe, False),
    "image_solicitante_a": (90, 35, "Solicitante", enveloppe, True),
    "image_solicitante": (90, 35, "Solicitante", enveloppe, False),
    "image_visualizador_a": (91, 35, "Visualizador", carte, True),
    "image_visualizador": (91, 35, "Visualizador", carte, False),
}
serie(BASCULES, bascule)


# ---- Request page: send, connection, clock, routes, bulletins.
def valider(actif):
    t = Toile(44, 28)
    if actif:
        t.degrade(0, 0, 44, 28, (0x7C, 0xD0, 0x8C), (0x2C, 0x8C, 0x44), r=6)
        t.cadre(0, 0, 43, 27, (0x1C, 0x50, 0x28), r=6)
        encre = BLANC
    else:
        t.degrade(0, 0, 44, 28, (0xB4, 0xBC, 0xC2), (0x86, 0x90, 0x98), r=6)
        t.cadre(0, 0, 43, 27, (0x5A, 0x64, 0x6C), r=6)
        encre = (0xD8, 0xDC, 0xE0)
    t.ligne([(10, 8), (32, 14), (10, 20), (14, 14), (10, 8)], encre, 1.6)
    t.ligne([(14, 14), (32, 14)], encre, 1.2)
    return t.finir()


serie({"skin_image_valider": (True,), "skin_image_valider_de": (False,)}, valider)


def prise(connecte):
    t = Toile(25, 25)
    t.disque(12.5, 12.5, 11.5, VERT if connecte else (0x90, 0x98, 0x9E), SOMBRE, 1)
    if connecte:
        t.ligne([(5, 12.5), (20, 12.5)], BLANC, 2)
        t.ligne([(9, 8), (9, 17)], BLANC, 2)
        t.ligne([(16, 8), (16, 17)], BLANC, 2)
    else:
        t.ligne([(5, 12.5), (10, 12.5)], BLANC, 2)
        t.ligne([(15, 12.5), (20, 12.5)], BLANC, 2)
        t.ligne([(10, 8), (10, 17)], BLANC, 2)
        t.ligne([(15, 8), (15, 17)], BLANC, 2)
    return t.finir()


serie({"skin1_image_connecter": (True,), "skin1_image_deconnecter": (False,)}, prise)


def horloge(bleu):
    t = Toile(22, 22)
    t.disque(11, 11, 9.5, (0x4A, 0x90, 0xD8) if bleu else BLANC, SOMBRE, 1.4)
    t.ligne([(11, 11), (11, 5)], SOMBRE, 1.6)
    t.ligne([(11, 11), (15, 13)], SOMBRE, 1.4)
    return t.finir()


serie({"image_clock": (False,), "image_clock_bleu": (True,)}, horloge)


def trace_route(actif):
    t = plaque(20, 20, actif)
    pts = [(4, 15), (8, 7), (13, 12), (16, 4)]
    t.ligne(pts, ROUGE, 1.6)
    for x, y in pts:
        t.disque(x, y, 1.6, BLANC, SOMBRE, 0.8)
    return t.finir()


serie({"image_trace_route": (False,), "image_trace_route_a": (True,)}, trace_route)


def icone_bulletin(genre):
    t = Toile(20, 16)
    t.rect(3, 1, 14, 14, BLANC, r=1)
    t.cadre(3, 1, 14, 14, SOMBRE, r=1)
    if genre == "texte":
        for y in (4, 7, 10, 13):
            t.ligne([(5, y), (15, y)], FOND3, 1)
    elif genre == "special":
        t.poly([(10, 3), (15.5, 13), (4.5, 13)], ORANGE, SOMBRE)
        t.texte(10, 10, "!", 6, SOMBRE)
    else:
        t.disque(10, 8, 5, ROUGE)
        t.ligne([(10, 8), (14, 3)], BLANC, 1.3)
        t.ligne([(10, 8), (6, 13)], BLANC, 1.3)
        t.disque(10, 8, 1.6, BLANC)
    return t.finir()


serie({"image_bulletin": ("texte",), "image_manche": ("special",),
       "image_cyclone": ("cyclone",)}, icone_bulletin)


# ---- Zone charts of the bulletin tables: a small sea chart with its areas.
def carte_zones(terre, traits):
    t = Toile(20, 16)
    t.rect(1, 1, 18, 14, MER, r=1)
    for poly in terre:
        t.poly(poly, TERRE)
    for a, b in traits:
        t.ligne([a, b], ORANGE, 0.9)
    t.cadre(1, 1, 18, 14, SOMBRE, r=1)
    return t.finir()


CARTES = {
    "image_zones_rfi": ([[(8, 1), (19, 1), (19, 15), (12, 15), (10, 8)]],
                        [((1, 6), (10, 6)), ((1, 11), (11, 11))]),
    "image_zones_ism": ([[(12, 1), (19, 1), (19, 9), (14, 8)]],
                        [((1, 8), (13, 8)), ((7, 1), (7, 15))]),
    "image_nouvelle_caledonie": ([[(4, 5), (7, 4), (16, 11), (14, 12)]],
                                 [((1, 8), (19, 8)), ((10, 1), (10, 15))]),
    "image_polynesie_carte_zones_mar": ([[(6, 5), (8, 5), (8, 7)], [(12, 10), (14, 9), (14, 11)]],
                                        [((1, 8), (19, 8)), ((10, 1), (10, 15))]),
    "image_zones_antilles": ([[(12, 2), (14, 3), (13, 5)], [(13, 8), (15, 9), (14, 11)]],
                             [((1, 6), (11, 6)), ((1, 11), (12, 11)), ((16, 1), (16, 15))]),
    "image_zones_cotes": ([[(10, 1), (19, 1), (19, 15), (14, 15), (12, 9), (9, 6)]],
                          [((1, 5), (10, 5)), ((1, 10), (12, 10))]),
}
serie(CARTES, carte_zones)


# ---- Viewer page and route window tools.
def cadenas(ferme):
    t = plaque(20, 20, False)
    corps = ROUGE if ferme else (0xE8, 0xB8, 0x3C)
    t.d.arc(t.p(6, 2, 14, 12), 180, 360, fill=SOMBRE, width=int(1.8 * S))
    if ferme:
        t.ligne([(6, 7), (6, 9)], SOMBRE, 1.8)
    t.ligne([(14, 7), (14, 9)], SOMBRE, 1.8)
    t.rect(4, 9, 12, 8, corps, r=1)
    t.cadre(4, 9, 12, 8, SOMBRE, r=1)
    t.disque(10, 13, 1.2, SOMBRE)
    return t.finir()


serie({"image_cadenas": (False,), "image_cadenas_rouge": (True,)}, cadenas)


def histogramme(w, h, actif):
    t = plaque(w, h, actif, r=3)
    pas = (w - 6) / 4
    for i, v in enumerate([0.5, 0.8, 0.35, 0.65]):
        hb = (h - 6) * v
        x = 3 + i * pas + 0.5
        t.rect(x, h - 3 - hb, pas - 1.5, hb, [VERT, ORANGE, (0x40, 0x80, 0xE0), ROUGE][i])
    return t.finir()


serie({"image_histogram": (20, 20, False), "image_histogram2": (20, 20, True),
       "image_histogram2015": (20, 15, False), "image_histogram20152": (20, 15, True)},
      histogramme)


def plus_moins(signe):
    t = plaque(18, 18, False)
    t.ligne([(5, 9), (13, 9)], SOMBRE, 2.2)
    if signe == "+":
        t.ligne([(9, 5), (9, 13)], SOMBRE, 2.2)
    return t.finir()


serie({"image_plus": ("+",), "image_moins": ("-",)}, plus_moins)


@image("image_outils")
def _outils():
    t = plaque(21, 15, False, r=3)
    t.ligne([(5, 11), (13, 4)], SOMBRE, 2)
    t.disque(14, 4, 2.6, None, SOMBRE, 1.4)
    t.ligne([(9, 5), (16, 12)], (0x8A, 0x50, 0x20), 2)
    return t.finir()


@image("image_couleurs")
def _couleurs():
    t = plaque(21, 15, False, r=3)
    for i, c in enumerate([ROUGE, ORANGE, VERT, (0x40, 0x80, 0xE0)]):
        t.rect(3 + i * 4, 3, 3.4, 9, c)
    return t.finir()


@image("image_continu_pointille")
def _continu_pointille():
    t = plaque(20, 15, False, r=3)
    t.ligne([(3, 5), (17, 5)], SOMBRE, 1.4)
    for x in (3, 7, 11, 15):
        t.ligne([(x, 10), (x + 2, 10)], SOMBRE, 1.4)
    return t.finir()


@image("image_epaisseur_trait")
def _epaisseur_trait():
    t = plaque(20, 15, False, r=3)
    for y, e in ((4, 0.8), (7.5, 1.6), (11.5, 2.6)):
        t.ligne([(3, y), (17, y)], SOMBRE, e)
    return t.finir()


def bascule_carte(motif, bleu):
    t = plaque(22, 22, bleu)
    encre = SOMBRE if bleu else (0x8A, 0x4C, 0x08)
    if motif == "superposer":
        t.rect(3, 3, 11, 9, (0xFF, 0xFF, 0xFF, 200))
        t.cadre(3, 3, 11, 9, encre)
        t.rect(8, 9, 11, 9, (0xE6, 0xB1, 0x42, 220))
        t.cadre(8, 9, 11, 9, encre)
    elif motif == "isolignes":
        for k in range(3):
            t.d.arc(t.p(-4 + 3 * k, 4 + 3 * k, 26 - 3 * k, 34 - 3 * k), 200, 340, fill=encre,
                    width=int(1.3 * S))
    else:
        for k, y in enumerate((6, 11, 16)):
            t.ligne([(3, y), (7, y - 2), (11, y), (15, y - 2), (19, y)], encre, 1.2 + 0.4 * k)
    return t.finir()


for _motif in ("superposer", "isolignes", "isotaches"):
    IMAGES["image_%s_bleu" % _motif] = (lambda m: lambda: bascule_carte(m, True))(_motif)
    IMAGES["image_%s_orange" % _motif] = (lambda m: lambda: bascule_carte(m, False))(_motif)


@image("image_new")
def _nouveau_dossier():
    t = Toile(20, 18)
    t.poly([(1, 4), (7, 4), (9, 6), (18, 6), (18, 16), (1, 16)], (0xE8, 0xB8, 0x3C), SOMBRE)
    t.disque(14.5, 5, 4, VERT, SOMBRE, 0.8)
    t.ligne([(12.5, 5), (16.5, 5)], BLANC, 1.2)
    t.ligne([(14.5, 3), (14.5, 7)], BLANC, 1.2)
    return t.finir()


# ---- Logos of the title bar, in a small and a large size.
def logo(w, h, mot, sous_titre):
    t = Toile(w, h)
    r = h / 2 - 1
    t.disque(r + 1, h / 2, r, MER, ORANGE, 1.2)
    t.poly([(r + 1, h / 2 - r * 0.7), (r + 1 + r * 0.55, h / 2 + r * 0.45),
            (r + 1, h / 2 + r * 0.45)], BLANC)
    t.ligne([(r + 1 - r * 0.6, h / 2 + r * 0.6), (r + 1 + r * 0.6, h / 2 + r * 0.6)], BLANC, 1)
    taille = int(h * 0.55)
    x = 2 * r + 6
    t.d.text((x * S, h * S / 2), mot, font=police(taille), fill=CLAIR, anchor="lm")
    if sous_titre:
        largeur = police(taille).getlength(mot) / S
        t.d.text(((x + largeur + 6) * S, h * S / 2), sous_titre,
                 font=police(max(7, taille * 2 // 3), gras=False), fill=ORANGE, anchor="lm")
    return t.finir()


serie({"image_logo_editeur": (147, 23, "Quenbrel", None),
       "image_logo_editeur_grand": (225, 35, "Quenbrel", None),
       "image_logo_service": (260, 24, "Quenbrel 2", "météo marine"),
       "image_logo_service_grand": (360, 39, "Quenbrel 2", "météo marine")}, logo)


def main():
    racine = os.path.dirname(os.path.abspath(__file__))
    sortie = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        racine, "..", "..", "ui", "images", "png")
    os.makedirs(sortie, exist_ok=True)
    for nom, fabrique in sorted(IMAGES.items()):
        fabrique().save(os.path.join(sortie, nom + ".png"), optimize=True)
    print(len(IMAGES), "pictures in", os.path.normpath(sortie))


if __name__ == "__main__":
    main()
