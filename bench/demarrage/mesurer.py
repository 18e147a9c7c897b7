#!/usr/bin/env python3
"""Launches the program RUNS times in a fresh working folder holding the
shipped data (img/ and loc/ linked, etc/ copied), polls log.txt every
millisecond, and prints the median times from the launch to the main window
shown, to the drawn map loaded, to the last coastline level loaded (the
levels img/data1..5 present), and to the end of loading (the loader watch's
line, which polls every second); each run ends with SIGTERM.
Usage: mesurer.py PROGRAM RUNS [DATA]  (DATA: the folder holding img/, loc/
and etc/; the repository's data/ by default)"""
import glob
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

DONNEES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
CARTE = "LOAD_FDC 1 HD : -OK-"
NIVEAU = "chargement terminé TDC"
CHARGEE = "Chargement des FDC et TDC termin"


def marques(donnees):
    niveaux = len(glob.glob(os.path.join(donnees, "img", "data[1-5].dat.gz")))
    return [("launch to window shown", lambda t: "\n Navigateur\n" in t),
            ("launch to drawn map", lambda t: CARTE in t),
            ("launch to %d coast levels" % niveaux, lambda t: t.count(NIVEAU) >= niveaux),
            ("launch to loading done", lambda t: CHARGEE in t)]


def preparer(dossier, donnees):
    for d in ("img", "loc"):
        os.symlink(os.path.abspath(os.path.join(donnees, d)), os.path.join(dossier, d))
    shutil.copytree(os.path.join(donnees, "etc"), os.path.join(dossier, "etc"))


def une_fois(programme, donnees, liste):
    with tempfile.TemporaryDirectory() as dossier:
        preparer(dossier, donnees)
        env = dict(os.environ, HOME=dossier, QUENBREL2_HOME=dossier)
        journal = os.path.join(dossier, "log.txt")
        debut = time.monotonic()
        p = subprocess.Popen([programme], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        temps = [None] * len(liste)
        while temps[-1] is None and time.monotonic() - debut < 60 and p.poll() is None:
            try:
                with open(journal, encoding="utf-8", errors="replace") as f:
                    texte = f.read()
            except OSError:
                texte = ""
            for i, (_, vue) in enumerate(liste):
                if temps[i] is None and vue(texte):
                    temps[i] = time.monotonic() - debut
            time.sleep(0.001)
        p.send_signal(signal.SIGTERM)
        p.wait(timeout=60)
        return temps


def main(argv):
    programme, essais = argv[1], int(argv[2])
    donnees = argv[3] if len(argv) > 3 else DONNEES
    liste = marques(donnees)
    mesures = [une_fois(programme, donnees, liste) for _ in range(essais)]
    if any(t is None for m in mesures for t in m):
        print("start-up did not complete:", mesures)
        return 1
    for i, (nom, _) in enumerate(liste):
        valeurs = [m[i] * 1000 for m in mesures]
        print("%-26s median %6.0f ms  (min %.0f, max %.0f, %d runs)"
              % (nom, statistics.median(valeurs), min(valeurs), max(valeurs), essais))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
