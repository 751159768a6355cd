#!/usr/bin/python3
"""Local SMTP server for the tests and the demo shop (aiosmtpd from Debian's python3-aiosmtpd).

It offers AUTH LOGIN and PLAIN and accepts any user name with any password except
"wrong-password", which is refused with 535. Sending without logging in (HELO) is accepted too.

Every message received is saved in the maildir as one file:
    NNNNNN-<recipient>.eml    the message as it arrived (after the dot-stuffing is undone)
    NNNNNN-<recipient>.json   {"mail_from", "rcpt_tos", "login", "mechanism", "tls",
                              "esmtp" (false after HELO)}
where NNNNNN counts up from 000001 and <recipient> is the first envelope recipient with every
character outside [A-Za-z0-9@._+-] turned into "_". Files appear whole (written, then renamed).

Modes:
    --starttls-cert C --starttls-key K   offer STARTTLS with that certificate; with
                                         --require-tls, AUTH and MAIL are refused before it
    --tls-cert C --tls-key K             speak TLS from the first byte (like port 465)
    --auth PLAIN                         offer only these mechanisms (default: LOGIN,PLAIN)

Usage: /usr/bin/python3 scripts/smtp-server.py --port P --maildir D [--host 127.0.0.1] [modes]
It prints "ready <port>" on stdout once it listens and runs until SIGTERM or SIGINT.
"""

import argparse
import itertools
import json
import os
import re
import signal
import ssl
import sys
import threading
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

REFUSED_PASSWORD = b"wrong-password"


class Saver:
    def __init__(self, maildir, implicit_tls):
        self.maildir = maildir
        self.implicit_tls = implicit_tls
        existing = [int(n[:6]) for n in os.listdir(maildir) if re.match(r"^\d{6}-", n)]
        self.counter = itertools.count(max(existing, default=0) + 1)
        self.lock = threading.Lock()

    async def handle_DATA(self, server, session, envelope):
        with self.lock:
            number = next(self.counter)
        first = envelope.rcpt_tos[0] if envelope.rcpt_tos else "nobody"
        stem = "%06d-%s" % (number, re.sub(r"[^A-Za-z0-9@._+-]", "_", first))
        login = session.auth_data.login if isinstance(session.auth_data, LoginPassword) else None
        meta = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "login": login.decode("utf-8", "replace") if login else None,
            "mechanism": getattr(session, "fahuo_mechanism", None),
            "tls": bool(self.implicit_tls or session.ssl is not None),
            "esmtp": bool(session.extended_smtp),
        }
        for suffix, data in ((".eml", envelope.original_content),
                             (".json", json.dumps(meta, ensure_ascii=False).encode("utf-8"))):
            path = os.path.join(self.maildir, stem + suffix)
            with open(path + ".part", "wb") as f:
                f.write(data)
            os.rename(path + ".part", path)
        return "250 OK saved as " + stem


def authenticator(server, session, envelope, mechanism, auth_data):
    session.fahuo_mechanism = mechanism
    if not isinstance(auth_data, LoginPassword) or auth_data.password == REFUSED_PASSWORD:
        return AuthResult(success=False, handled=False)
    return AuthResult(success=True, auth_data=auth_data)


def main():
    warnings.filterwarnings("ignore", category=DeprecationWarning)
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--maildir", required=True)
    parser.add_argument("--starttls-cert")
    parser.add_argument("--starttls-key")
    parser.add_argument("--require-tls", action="store_true")
    parser.add_argument("--tls-cert")
    parser.add_argument("--tls-key")
    parser.add_argument("--auth", default="LOGIN,PLAIN")
    args = parser.parse_args()

    os.makedirs(args.maildir, exist_ok=True)
    offered = {m.strip().upper() for m in args.auth.split(",") if m.strip()}
    kwargs = dict(
        authenticator=authenticator,
        auth_require_tls=args.require_tls,
        auth_exclude_mechanism=[m for m in ("LOGIN", "PLAIN") if m not in offered],
        decode_data=False,
        ready_timeout=10,
    )
    if args.starttls_cert:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.starttls_cert, args.starttls_key)
        kwargs.update(tls_context=context, require_starttls=args.require_tls)
    implicit = bool(args.tls_cert)
    if implicit:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.tls_cert, args.tls_key)
        kwargs.update(ssl_context=context)

    controller = Controller(Saver(args.maildir, implicit), hostname=args.host, port=args.port,
                            **kwargs)
    controller.start()
    print("ready", args.port, flush=True)
    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    stop.wait()
    controller.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
