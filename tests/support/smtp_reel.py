#!/usr/bin/python3
"""A real SMTP server on loopback for the tests of the mail send (Debian's
python3-aiosmtpd). It listens on 127.0.0.1 at the given port (0: any free
one), prints the port on its first line of output, serves until its
standard input closes (or SIGTERM, Ctrl-C), and keeps every mail it
accepts in the folder given: N.donnees holds the data as received (dots
unstuffed, CR LF line ends), N.enveloppe the sender then each recipient,
one per line, written last.

Options make it misbehave the way servers do:
  --refuser-rcpt TEXTE   answers RCPT with TEXTE (a whole reply line)
  --refuser-data         answers the DATA command with 554
  --couper-mail          drops the connection on MAIL FROM, without a reply
  --couper-corps         drops the connection once the data has arrived
  --couper-quit          keeps the mail, then drops the connection on QUIT
                         without its 221
  --bloquer-helo         never answers HELO

Usable by hand:  smtp_reel.py --dossier /tmp/courrier
"""
import argparse
import asyncio
import os
import signal
import sys

from aiosmtpd.smtp import SMTP


class Recepteur:
    def __init__(self, options):
        self.options = options
        self.numero = 0

    async def handle_HELO(self, server, session, envelope, hostname):
        if self.options.bloquer_helo:
            await asyncio.sleep(3600)
        session.host_name = hostname
        return "250 {}".format(server.hostname)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.options.refuser_rcpt:
            return self.options.refuser_rcpt
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.options.couper_corps:
            server.transport.abort()
            return "250 OK"
        self.numero += 1
        base = os.path.join(self.options.dossier, str(self.numero))
        with open(base + ".donnees", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        with open(base + ".enveloppe.tmp", "w") as f:
            f.write("\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
        os.rename(base + ".enveloppe.tmp", base + ".enveloppe")
        return "250 2.0.0 Ok: queued as {:07X}".format(self.numero)


class Serveur(SMTP):
    """The dialogue, with the misbehaviours a handler cannot give."""

    def __init__(self, handler, options):
        super().__init__(handler, hostname="smtp-reel.test", decode_data=False)
        self.options = options

    async def smtp_MAIL(self, arg):
        if self.options.couper_mail:
            self.transport.abort()
            return
        await super().smtp_MAIL(arg)

    async def smtp_QUIT(self, arg):
        if self.options.couper_quit:
            self._handler_coroutine.cancel()
            self.transport.close()
            return
        await super().smtp_QUIT(arg)

    async def smtp_DATA(self, arg):
        if self.options.refuser_data:
            await self.push("554 5.3.4 Message refused")
            return
        await super().smtp_DATA(arg)


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--dossier", default=".")
    p.add_argument("--refuser-rcpt", default="")
    p.add_argument("--refuser-data", action="store_true")
    p.add_argument("--couper-mail", action="store_true")
    p.add_argument("--couper-corps", action="store_true")
    p.add_argument("--couper-quit", action="store_true")
    p.add_argument("--bloquer-helo", action="store_true")
    options = p.parse_args()
    recepteur = Recepteur(options)
    boucle = asyncio.new_event_loop()
    serveur = boucle.run_until_complete(
        boucle.create_server(lambda: Serveur(recepteur, options), "127.0.0.1", options.port))
    print(serveur.sockets[0].getsockname()[1], flush=True)

    def entree():
        if not os.read(0, 4096):
            boucle.stop()

    boucle.add_reader(0, entree)
    signal.signal(signal.SIGTERM, lambda *_: boucle.stop())
    try:
        boucle.run_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
