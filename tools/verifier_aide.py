#!/usr/bin/env python3
"""Checks the help documents and read-me files shipped in data/.

For each language (fr, en, de, sp) every help page data/loc/<lang>/<page>.htm
and the read-me data/etc/readme_<lang>_mac.txt must exist and be valid
UTF-8; every link of a page that stays inside the help (no scheme such as
http:, https: or mailto:) must name a page of the same language folder and,
when it carries "#anchor", an anchor of that page; infos.htm must hold the
anchor of every help topic the panels ask for. Anchors that differ between
the languages of one page are reported as warnings only.

Usage: verifier_aide.py [data folder]   (default: the data/ beside tools/)
Exit status 0 when everything holds, 1 otherwise; each fault on one line.
"""
import os
import re
import sys
from html.parser import HTMLParser

LANGUES = ("fr", "en", "de", "sp")
PAGES = ("presentation", "requeteur", "visualisateur", "routes", "beaufort", "mer",
         "gmdss", "navtex", "lexique", "glossaire", "faq", "contact", "apropos", "infos")
# The topic numbers of the panels' help buttons; a pane jumps to "|n|".
SUJETS = (list(range(1, 11)) + list(range(21, 25)) + [31, 32] + list(range(40, 44))
          + [51, 61, 62, 71, 81, 91, 101, 111, 121, 131, 141]
          + list(range(151, 155)) + [161, 171, 191])
SCHEMA = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:")


class Lecteur(HTMLParser):
    """Collects the anchor names and link targets of one page."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ancres = []
        self.liens = []

    def handle_starttag(self, tag, attrs):
        if tag != "a":
            return
        for nom, valeur in attrs:
            if nom == "name" and valeur is not None:
                self.ancres.append(valeur)
            elif nom == "href" and valeur is not None:
                self.liens.append((valeur, self.getpos()[0]))


def lire_texte(chemin, fautes):
    """The file's text, or None after noting why it cannot be used."""
    try:
        with open(chemin, "rb") as f:
            octets = f.read()
    except OSError as e:
        fautes.append("%s: missing or unreadable (%s)" % (chemin, e.strerror))
        return None
    try:
        return octets.decode("utf-8")
    except UnicodeDecodeError as e:
        fautes.append("%s: not valid UTF-8 at byte %d" % (chemin, e.start))
        return None


def analyser(texte):
    lecteur = Lecteur()
    lecteur.feed(texte)
    lecteur.close()
    return lecteur


def verifier_liens(chemin, dossier, lecteur, pages, fautes):
    """pages: file name -> parsed page, for the pages of the same folder."""
    for lien, ligne in lecteur.liens:
        if SCHEMA.match(lien) or "/./" in lien:
            continue  # handed to the desktop, not followed in the view
        fichier, _, ancre = lien.partition("#")
        if fichier == "":
            cible = lecteur
        else:
            if "/" in fichier or fichier not in pages:
                fautes.append("%s:%d: link \"%s\": no page %s in %s"
                              % (chemin, ligne, lien, fichier, dossier))
                continue
            cible = pages[fichier]
            if cible is None:
                continue  # already reported as unreadable
        if ancre and ancre not in cible.ancres:
            fautes.append("%s:%d: link \"%s\": no anchor \"%s\"" % (chemin, ligne, lien, ancre))


def verifier_langue(racine, langue, fautes):
    dossier = os.path.join(racine, "loc", langue)
    pages = {}
    for page in PAGES:
        chemin = os.path.join(dossier, page + ".htm")
        texte = lire_texte(chemin, fautes)
        pages[page + ".htm"] = analyser(texte) if texte is not None else None
    # Pages beside the fourteen may be link targets too.
    if os.path.isdir(dossier):
        for nom in sorted(os.listdir(dossier)):
            if nom.endswith(".htm") and nom not in pages:
                texte = lire_texte(os.path.join(dossier, nom), fautes)
                pages[nom] = analyser(texte) if texte is not None else None
    for nom, lecteur in sorted(pages.items()):
        if lecteur is None:
            continue
        chemin = os.path.join(dossier, nom)
        doubles = sorted({a for a in lecteur.ancres if lecteur.ancres.count(a) > 1})
        for a in doubles:
            fautes.append("%s: anchor \"%s\" defined twice" % (chemin, a))
        verifier_liens(chemin, dossier, lecteur, pages, fautes)
    infos = pages.get("infos.htm")
    if infos is not None:
        for n in SUJETS:
            if str(n) not in infos.ancres:
                fautes.append("%s: no anchor for help topic %d"
                              % (os.path.join(dossier, "infos.htm"), n))
    lire_texte(os.path.join(racine, "etc", "readme_%s_mac.txt" % langue), fautes)
    return pages


def comparer_ancres(par_langue):
    """Warnings for anchors present in one language of a page and not in another."""
    avis = []
    for page in PAGES:
        nom = page + ".htm"
        ensembles = {l: set(p[nom].ancres) for l, p in par_langue.items()
                     if p.get(nom) is not None}
        tous = set().union(*ensembles.values()) if ensembles else set()
        for langue, ancres in sorted(ensembles.items()):
            manque = sorted(tous - ancres)
            if manque:
                avis.append("warning: loc/%s/%s lacks anchors %s found in another language"
                            % (langue, nom, ", ".join(manque)))
    return avis


def main(argv):
    racine = argv[1] if len(argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    racine = os.path.normpath(racine)
    fautes = []
    par_langue = {l: verifier_langue(racine, l, fautes) for l in LANGUES}
    for ligne in comparer_ancres(par_langue):
        print(ligne)
    for ligne in fautes:
        print(ligne)
    nombre = len(LANGUES) * (len(PAGES) + 1)
    if fautes:
        print("%d fault(s) in the help documents" % len(fautes))
        return 1
    print("help documents: %d files checked, no fault" % nombre)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
