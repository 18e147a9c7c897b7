#!/usr/bin/env python3
"""Launches the program RUNS times in a fresh working folder holding the
shipped data (img/ and loc/ linked, etc/ copied), polls log.txt every
millisecond, and prints the median times from the launch to the main window
shown and to the end of loading; each run ends with SIGTERM.
Usage: mesurer.py PROGRAM RUNS"""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

DONNEES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
MONTREE = "\n Navigateur\n"  # the banner written once the window is shown
CHARGEE = "Chargement des FDC et TDC termin"


def preparer(dossier):
    for d in ("img", "loc"):
        os.symlink(os.path.abspath(os.path.join(DONNEES, d)), os.path.join(dossier, d))
    shutil.copytree(os.path.join(DONNEES, "etc"), os.path.join(dossier, "etc"))


def une_fois(programme):
    with tempfile.TemporaryDirectory() as dossier:
        preparer(dossier)
        env = dict(os.environ, HOME=dossier, QUENBREL2_HOME=dossier)
        journal = os.path.join(dossier, "log.txt")
        debut = time.monotonic()
        p = subprocess.Popen([programme], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        montree = chargee = None
        while chargee is None and time.monotonic() - debut < 60 and p.poll() is None:
            try:
                with open(journal, encoding="utf-8", errors="replace") as f:
                    texte = f.read()
            except OSError:
                texte = ""
            if montree is None and MONTREE in texte:
                montree = time.monotonic() - debut
            if CHARGEE in texte:
                chargee = time.monotonic() - debut
            time.sleep(0.001)
        p.send_signal(signal.SIGTERM)
        p.wait(timeout=60)
        return montree, chargee


def main(argv):
    programme, essais = argv[1], int(argv[2])
    mesures = [une_fois(programme) for _ in range(essais)]
    if any(m is None or c is None for m, c in mesures):
        print("start-up did not complete:", mesures)
        return 1
    for nom, i in (("launch to window shown", 0), ("launch to loading done", 1)):
        valeurs = [m[i] * 1000 for m in mesures]
        print("%-24s median %6.0f ms  (min %.0f, max %.0f, %d runs)"
              % (nom, statistics.median(valeurs), min(valeurs), max(valeurs), essais))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
