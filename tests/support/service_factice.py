#!/usr/bin/env python3
"""A stand-in for the Quenbrel service, on loopback, for the tests and by hand.

    python3 tests/support/service_factice.py [--mode http] [--port 0]
        [--variante NAME[:ARG]] [--journal FILE] [--hote H] [--chemin P]
        [--mot-de-passe M] [--sans-commandes]

It listens on 127.0.0.1 (port 0: the system chooses), prints the port alone on
the first line of its standard output, then serves until its standard input
closes, or until SIGTERM / Ctrl-C with --sans-commandes. A line
"variante NAME[:ARG]" on standard input changes how the next connections are
answered; the service acknowledges it with the line "variante NAME[:ARG]".

Every connection is recorded in the journal file (--journal), one line per
field: "<connection number> <key> <value in hex>", so that any byte survives.

Each bulletin of a bulletin request is answered with a short text marked as
a test bulletin ("BULLETIN D'ESSAI ..."), nothing like a forecast, in
ISO 8859-1 as the service sends its bulletins; the
variant "catalogue" refuses (status 0) a request naming a product that
tests/support/catalogue_factice.py does not list.

The system request ("@mto@reqt@sys@") is accepted and answered with a short
availability text as a text bulletin ("infos_service.txt"); the variant
"blocage" keeps any answer back (silent) until the client gives up.

How an HTTP answer is spoilt or sent ("variante NAME[:ARG]"): "refus"
refuses, "sans_donnees[:TYPE]" accepts with a message and no data (of type
TYPE, "1" by default), "nom:NAME" names the data file NAME (such as
"../evil.grb" or "message.txt"), "taille:N" and "trop_long:N" send N random data octets;
"prefixe[:TEXT]", "sans_marqueur", "http500", "longueurs_excessives"
(declares 1000 more data octets than sent), "longueur_negative",
"longueur_max" and "champs_manquants" spoil its octets; "fermeture" closes
without a word, "reset[:N]" resets (RST) after N octets and "coupure[:N]"
closes cleanly (FIN) after N octets (both half the answer by default),
"marqueur_coupe" splits the marker over two sends, "goutte[:MS]" drips
it octet by octet, "blocage[:N]" sends N octets then stays silent, and
"silence[:TEXT]" sends the whole answer (after TEXT) then keeps the
connection open, silent.

Modes: "http" reads one request line ended by CR LF, checks
"GET http://<hote>/<chemin><query>", un-escapes the query itself, checks the
request text's first and last lines and answers in the service's format:
"QUENBREL2", a blank, an 82-octet header "status type message-length
data-length name", the message (which holds the marker again) and the data,
then closes. Another mode (a scripted dialogue, say) is one more class with a
`servir(connexion, numero)` method in MODES.

Mode "smtp" plays a scripted SMTP server, for the replies no real server
gives on demand: variant "normale" answers each command in one send;
"multiligne" answers HELO with a three-line 250 reply in two sends 0.2 s
apart (a command that arrives in between is noted "prematuree"); "fusion"
sends its "221" in the same send as the body's reply, before the client
said quit; "interminable" greets with 70 KiB of "220-" lines and no final
line; "retenir:250" and "retenir:221" keep that reply (to the data, to
quit) back until the client gives up, noted "retenu" when they start;
"sans354" answers the data command with a 250 and no 354 (the mail's text
is never asked for), then 221 to any further command.
The body's reply is "250 2.0.0 Ok: queued as 4F2201C".
Each command is noted "commande<N>", the data "donnees".
"""

import argparse
import bz2
import os
import signal
import socket
import socketserver
import struct
import sys
import threading
import time

from catalogue_factice import CONNUS

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.dirname(os.path.dirname(ICI))
GRIB = os.path.join(RACINE, "tests", "data", "grib1", "service.grb")
IMAGE = os.path.join(ICI, "SAT_GLOBE2.jpg")

MARQUEUR = b"QUENBREL2"
# The program's two script paths: transfer threads, and the send window.
CHEMINS = ("cgi-bin/requete.cgi?", "cgi-bin/envoi.cgi?")
LIGNE_MAX = 1 << 20
# The system request, asked directly ("@mto@reqt@sys@") or as the send
# window's text ("...infos"). Asked directly it gets the short availability
# text as a text bulletin (status 1, type 1), which the program files and
# opens; the window's text is accepted with a bare message.
SYSTEME = ("@mto@reqt@sys@", "@mto@reqt@sys@infos")
DISPONIBILITE = ("Service factice, en service\n"
                 "Modeles disponibles : tous. Bulletins : tous.\n")
# The words of an accepted request that has nothing to send.
SANS_DONNEES = "Aucun bulletin disponible pour cette zone\n"
# What stands for each bulletin: nothing a sailor could take for a forecast.
ESSAI = "BULLETIN D'ESSAI - NE PAS UTILISER POUR LA NAVIGATION (donn\u00e9es factices)"
BULLETINS = "latin-1"  # as the service sends them


class Journal:
    """The record of every connection, shared by the serving threads."""

    def __init__(self, chemin):
        self.chemin = chemin
        self.verrou = threading.Lock()
        self.compteur = 0

    def numero(self):
        with self.verrou:
            self.compteur += 1
            return self.compteur

    def noter(self, numero, cle, valeur):
        if isinstance(valeur, str):
            valeur = valeur.encode("latin-1", "replace")
        if not self.chemin:
            print("%d %s %r" % (numero, cle, valeur), file=sys.stderr, flush=True)
            return
        with self.verrou, open(self.chemin, "a") as f:
            f.write("%d %s %s\n" % (numero, cle, valeur.hex()))


def lire_ligne(connexion):
    """The octets up to the first CR LF (excluded); None when the peer closes first."""
    recu = b""
    while b"\r\n" not in recu:
        morceau = connexion.recv(4096)
        if not morceau or len(recu) > LIGNE_MAX:
            return None
        recu += morceau
    return recu.split(b"\r\n", 1)[0]


def attendre_depart(connexion, secondes):
    """Reads and drops until the client gives up (or `secondes` of silence)."""
    connexion.settimeout(secondes)
    try:
        while connexion.recv(4096):
            pass
    except OSError:
        pass


def entete(cr, genre, lmess, ldata, nom):
    """The marker, a blank and the header blank-padded to 82 octets."""
    texte = ("%s %s %s %s %s" % (cr, genre, lmess, ldata, nom)).encode("utf-8")
    return MARQUEUR + b" " + texte[:82].ljust(82, b" ")


def reponse(cr, genre, message, donnees, nom):
    """The parts of an answer: status, type, message, data, name."""
    message = message.encode("latin-1") if isinstance(message, str) else message
    return cr, genre, message, donnees, nom


class ServiceHttp:
    """The request server: one request line in, one answer out, then close."""

    def __init__(self, options):
        self.options = options
        self.grib = bz2.compress(open(GRIB, "rb").read())
        self.image = open(IMAGE, "rb").read() + b"2024010112"
        self.aleatoire = {}
        self.verrou = threading.Lock()

    # ---- The request.
    def analyser(self, ligne):
        """(e-mail, password or None, request text, errors) of a request line."""
        erreurs = []
        debuts = [("GET http://%s/%s" % (self.options.hote, c)).encode()
                  for c in self.options.chemin or CHEMINS]
        debut = next((d for d in debuts if ligne.startswith(d)), None)
        if debut is None:
            return None, None, "", ["ligne: %r" % ligne[:80]]
        query = ligne[len(debut):]
        if not query.startswith(b"email=") or b"&requete=" not in query:
            return None, None, "", ["query: %r" % query[:80]]
        email, reste = query[6:].split(b"&requete=", 1)
        motdepasse = None
        if not reste.startswith(b"@mto@"):
            if b"!" not in reste:
                return email, None, "", ["mot de passe sans '!'"]
            motdepasse, reste = reste.split(b"!", 1)
        if b"\r" in reste or b"\n" in reste or b" " in reste:
            erreurs.append("texte non echappe")
        texte = reste.replace(b"!", b"\n").replace(b"~", b" ").decode("latin-1")
        lignes = texte.split("\n")
        premieres = ("@mto@reqt@grib@", "@mto@reqt@forfait@", "@mto@reqt@bull@")
        if texte in SYSTEME:
            pass
        elif lignes[0] not in premieres:
            erreurs.append("premiere ligne: %r" % lignes[0])
        elif not texte.endswith("@mto@reqt@fin@\n"):
            erreurs.append("derniere ligne: %r" % lignes[-2:])
        return email, motdepasse, texte, erreurs

    # ---- The answer the service would give.
    def donnees(self, taille):
        with self.verrou:
            if taille not in self.aleatoire:
                self.aleatoire[taille] = os.urandom(taille)
            return self.aleatoire[taille]

    def message(self, numero, nom, details):
        return ("Requete %d traitee : %s\n%s historique %d\n%s\n"
                % (numero, nom, MARQUEUR.decode(), numero, details))

    def repondre(self, numero, motdepasse, texte, erreurs, variante):
        nom_force = variante[1] if variante[0] == "nom" else None
        if erreurs:
            return reponse(0, "3", "Requete illisible : %s\n" % "; ".join(erreurs), b"", "-")
        if motdepasse is not None and motdepasse.decode("latin-1") != self.options.mot_de_passe:
            return reponse(0, "3", "Mot de passe incorrect\n", b"", "-")
        if variante[0] == "refus":
            return reponse(0, "3", "Requete refusee\n", b"", "-")
        if variante[0] == "sans_donnees":
            return reponse(1, variante[1] or "1", SANS_DONNEES, b"", "-")
        if texte == SYSTEME[0]:
            return reponse(1, "1", "Informations du service\n", DISPONIBILITE.encode(BULLETINS),
                           "infos_service.txt")
        if texte == SYSTEME[1]:
            return reponse(1, "0", "Service factice, en service\n", b"", "-")
        lignes = texte.split("\n")
        if variante[0] in ("taille", "trop_long"):
            nom = nom_force or "service_%d.grb" % numero
            return reponse(1, "4", self.message(numero, nom, "donnees"),
                           self.donnees(int(variante[1])), nom)
        if lignes[0] == "@mto@reqt@bull@":
            objets = [l for l in lignes[1:-2] if l and not l.startswith("A ")]
            inconnus = [o for o in objets if o not in CONNUS]
            if variante[0] == "catalogue" and inconnus:
                return reponse(0, "3", "Produit inconnu : %s\n" % " ".join(inconnus), b"", "-")
            return self.bulletins(numero, objets, nom_force)
        nom = nom_force or "service_%d.grb.bz2" % numero
        return reponse(1, "3", self.message(numero, nom, "fichier GRIB"), self.grib, nom)

    def bulletins(self, numero, objets, nom_force):
        if "SAT_GLOBE2" in objets:
            nom = nom_force or "SAT_GLOBE2.jpg"
            return reponse(1, "2", self.message(numero, nom, "image"), self.image, nom)
        if objets and all(o.startswith("GMDSS_METAREA") for o in objets):
            texte = "".join("%s\n%s\nbulletin %d de %d\n"
                            % (o, ESSAI, i + 1, len(objets)) for i, o in enumerate(objets))
            nom = nom_force or "gmdss_%d.txt" % numero
            return reponse(1, "1", self.message(numero, nom, "GMDSS"), texte.encode(BULLETINS),
                           nom)
        texte = "".join("%s\n%s\n" % (o, ESSAI) for o in objets)
        nom = nom_force or "bulletins_%d.txt" % numero
        return reponse(1, "1", self.message(numero, nom, "bulletins"), texte.encode(BULLETINS),
                       nom)

    # ---- The ways to send it.
    def servir(self, connexion, numero, journal, variante):
        ligne = lire_ligne(connexion)
        if ligne is None:
            journal.noter(numero, "ferme", "")
            return
        journal.noter(numero, "ligne", ligne + b"\r\n")
        email, motdepasse, texte, erreurs = self.analyser(ligne)
        journal.noter(numero, "email", email or b"")
        journal.noter(numero, "motdepasse", motdepasse if motdepasse is not None else b"-")
        journal.noter(numero, "texte", texte)
        journal.noter(numero, "erreurs", "; ".join(erreurs))
        parts = self.repondre(numero, motdepasse, texte, erreurs, variante)
        journal.noter(numero, "nom", parts[4])
        self.envoyer(connexion, self.deformer(parts, variante), variante)

    def deformer(self, parts, variante):
        """The answer's octets, as the variant spoils them."""
        genre, arg = variante
        cr, typ, message, donnees, nom = parts
        corps = message + donnees
        lmess, ldata = len(message), len(donnees)
        octets = entete(cr, typ, lmess, ldata, nom) + corps
        if genre == "prefixe":
            return (arg or "Proxy-Connection: close\n\n").encode() + octets
        if genre == "silence":
            return arg.encode() + octets
        if genre == "sans_marqueur":
            return (b"Service momentanement indisponible.\n"
                    b"Le serveur de requetes est en maintenance, reessayez plus tard.\n")
        if genre == "http500":
            return (b"HTTP/1.0 500 Internal Server Error\r\nContent-Type: text/html\r\n\r\n"
                    b"<html><body><h1>500 Internal Server Error</h1></body></html>\n")
        if genre == "longueurs_excessives":
            return entete(cr, typ, lmess, ldata + 1000, nom) + corps
        if genre == "longueur_negative":
            return entete(cr, typ, lmess, -5, nom) + corps
        if genre == "longueur_max":
            return entete(cr, typ, lmess, 2 ** 31 - 1, nom) + corps
        if genre == "champs_manquants":
            return MARQUEUR + b" " + b"1 3".ljust(82, b" ") + corps
        return octets

    def envoyer(self, connexion, octets, variante):
        genre, arg = variante
        if genre == "fermeture":
            return
        if genre == "marqueur_coupe":
            connexion.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            connexion.sendall(octets[:4])
            time.sleep(0.05)
            connexion.sendall(octets[4:])
        elif genre == "reset":
            coupure = int(arg) if arg else len(octets) // 2
            connexion.sendall(octets[:coupure])
            time.sleep(0.05)
            connexion.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            connexion.close()
        elif genre == "coupure":
            # The request was read whole: closing sends a FIN, not a reset.
            connexion.sendall(octets[:int(arg) if arg else len(octets) // 2])
        elif genre == "goutte":
            pause = (int(arg) if arg else 20) / 1000.0
            connexion.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            for i in range(len(octets)):
                connexion.sendall(octets[i:i + 1])
                time.sleep(pause)
        elif genre in ("blocage", "silence"):
            if genre == "silence":
                arg = str(len(octets))
            connexion.sendall(octets[:int(arg) if arg else 0])
            # Until the client gives up (or a minute has passed; after a
            # whole answer, longer than the client's 120 s silence limit).
            attendre_depart(connexion, 300 if genre == "silence" else 60)
        else:
            connexion.sendall(octets)


class ServiceSmtp:
    """A scripted SMTP dialogue: the replies byte by byte as the variant says."""

    def __init__(self, options):
        self.options = options

    def servir(self, connexion, numero, journal, variante):
        genre = variante[0]
        recu = [b""]
        compteur = [0]

        def commande():
            while b"\r\n" not in recu[0]:
                morceau = connexion.recv(4096)
                if not morceau:
                    return None
                recu[0] += morceau
            ligne, recu[0] = recu[0].split(b"\r\n", 1)
            compteur[0] += 1
            journal.noter(numero, "commande%d" % compteur[0], ligne)
            return ligne

        def retenir(code):
            if variante != ("retenir", code):
                return False
            journal.noter(numero, "retenu", code)
            attendre_depart(connexion, 60)
            return True

        if genre == "interminable":
            connexion.sendall(b"220-factice.test bavard\r\n" * 3000)
            connexion.recv(4096)  # until the client gives up
            return
        connexion.sendall(b"220 factice.test ESMTP 250 ready\r\n")
        if commande() is None:
            return
        if genre == "multiligne":
            connexion.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            connexion.sendall(b"250-factice.test\r\n250-SIZE 10240000\r\n")
            connexion.settimeout(0.2)
            try:
                if connexion.recv(4096, socket.MSG_PEEK):
                    journal.noter(numero, "prematuree", "oui")
            except socket.timeout:
                pass
            connexion.settimeout(None)
            connexion.sendall(b"250 HELP\r\n")
        else:
            connexion.sendall(b"250 factice.test\r\n")
        for reponse in (b"250 2.1.0 Ok\r\n", b"250 2.1.5 Ok\r\n",
                        b"354 End data with <CR><LF>.<CR><LF>\r\n"):
            if commande() is None:
                return
            if genre == "sans354" and reponse.startswith(b"354"):
                connexion.sendall(b"250 2.0.0 Ok\r\n")
                if commande() is not None:
                    connexion.sendall(b"221 2.0.0 Bye\r\n")
                return
            connexion.sendall(reponse)
        while b"\r\n.\r\n" not in recu[0]:
            morceau = connexion.recv(4096)
            if not morceau:
                return
            recu[0] += morceau
        donnees, recu[0] = recu[0].split(b"\r\n.\r\n", 1)
        journal.noter(numero, "donnees", donnees + b"\r\n.\r\n")
        fin = b"250 2.0.0 Ok: queued as 4F2201C\r\n"
        if retenir("250"):
            return
        if genre == "fusion":
            connexion.sendall(fin + b"221 2.0.0 Bye\r\n")
            commande()
            return
        connexion.sendall(fin)
        if commande() is not None and not retenir("221"):
            connexion.sendall(b"221 2.0.0 Bye\r\n")


MODES = {"http": ServiceHttp, "smtp": ServiceSmtp}


class Serveur(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 128


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--mode", default="http", choices=sorted(MODES))
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--variante", default="normale")
    p.add_argument("--journal", default="")
    p.add_argument("--hote", default="127.0.0.1")
    p.add_argument("--chemin", action="append", help="a script path (repeatable)")
    p.add_argument("--mot-de-passe", default="secret-du-bord")
    p.add_argument("--sans-commandes", action="store_true")
    options = p.parse_args()

    service = MODES[options.mode](options)
    journal = Journal(options.journal)
    etat = {"variante": tuple((options.variante.split(":", 1) + [""])[:2])}

    class Traitement(socketserver.BaseRequestHandler):
        def handle(self):
            numero = journal.numero()
            try:
                service.servir(self.request, numero, journal, etat["variante"])
            except OSError as e:
                journal.noter(numero, "erreur_reseau", str(e))

    serveur = Serveur(("127.0.0.1", options.port), Traitement)
    print(serveur.server_address[1], flush=True)
    threading.Thread(target=serveur.serve_forever, daemon=True).start()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        if options.sans_commandes:
            signal.pause()
        for ligne in iter(sys.stdin.readline, ""):
            mots = ligne.split(None, 1)
            if len(mots) == 2 and mots[0] == "variante":
                valeur = mots[1].strip()
                etat["variante"] = tuple((valeur.split(":", 1) + [""])[:2])
                print("variante %s" % valeur, flush=True)
    except KeyboardInterrupt:
        pass
    serveur.shutdown()


if __name__ == "__main__":
    main()
