#!/usr/bin/python3
"""A small SMTP server for the mail tests, on Debian's aiosmtpd.

Listens on 127.0.0.1 on a free port that it writes to --port-file once it
listens. --mode says how:
  plain     plain SMTP;
  starttls  STARTTLS offered and required before anything else;
  tls       TLS from the first byte (implicit TLS);
  nostarttls plain SMTP that offers no STARTTLS;
  stall     the connection is accepted and never answered.
With --user and --password a login is required and only that one is taken.
Each --refuse address is refused as a recipient (550). --on-data says what
follows the end of a message's data:
  accept       the message is taken (250) and the session goes on;
  accept-stall the message is taken (250), then nothing is answered again
               until the server is released (below);
  accept-drop  the message is taken (250), then the connection is closed;
  no-reply     the data is read and never answered (the message is not taken).
Every message taken is written to --out-dir as <n>.json, n counting from 1:
the envelope (sender, recipients), the greeting name, the login, whether the
connection was encrypted, the subject and sender decoded (the sender's display
name also on its own), the text body
decoded, and per attachment its file name, content type and character set;
each attachment's bytes go to <n>.<i>.bin, and the message as received to
<n>.eml. A line "release" on the server's standard input ends every stall
after a message taken, now and later: the sessions go on as with accept. The
server ends itself after --lifetime seconds, or as soon as its standard input
reaches its end (the process that started it is gone).
"""

import argparse
import asyncio
import email
import email.policy
import json
import logging
import os
import ssl
import sys
import threading
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Handler:
    def __init__(self, out_dir, refuse, on_data):
        self.out_dir = out_dir
        self.refuse = {a.lower() for a in refuse}
        self.on_data = on_data
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower() in self.refuse:
            return "550 5.1.1 Recipient refused"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.on_data == "no-reply":
            await asyncio.Event().wait()
        self.count += 1
        n = self.count
        raw = envelope.original_content or envelope.content
        with open(os.path.join(self.out_dir, "%d.eml" % n), "wb") as f:
            f.write(raw)
        message = email.message_from_bytes(raw, policy=email.policy.default)
        attachments = []
        text = None
        for part in message.walk():
            if part.is_multipart():
                continue
            if part.get_content_disposition() == "attachment":
                i = len(attachments)
                with open(os.path.join(self.out_dir, "%d.%d.bin" % (n, i)), "wb") as f:
                    f.write(part.get_payload(decode=True))
                attachments.append({
                    "filename": part.get_filename(),
                    "content_type": part.get_content_type(),
                    "charset": part.get_content_charset(),
                })
            elif text is None and part.get_content_type() == "text/plain":
                text = part.get_content().replace("\r\n", "\n")
        tls = (session.ssl is not None
               or server.transport.get_extra_info("ssl_object") is not None)
        login = None
        if session.authenticated and isinstance(session.auth_data, LoginPassword):
            login = session.auth_data.login.decode("utf-8", "replace")
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "helo": session.host_name,
            "login": login,
            "tls": tls,
            "subject": str(message["subject"]),
            "from": str(message["from"]),
            "from_name": message["from"].addresses[0].display_name if message["from"] else None,
            "to": str(message["to"]),
            "reply_to": str(message["reply-to"]) if message["reply-to"] else None,
            "date": str(message["date"]),
            "message_id": str(message["message-id"]),
            "text": text,
            "attachments": attachments,
        }
        temp = os.path.join(self.out_dir, "%d.json.tmp" % n)
        with open(temp, "w", encoding="utf-8") as f:
            json.dump(record, f)
        os.replace(temp, os.path.join(self.out_dir, "%d.json" % n))
        server.accepted = True
        return "250 Message accepted"


class Server(SMTP):
    """aiosmtpd's server, which after a message it took may stall or drop."""

    def __init__(self, handler, on_data, released, **options):
        super().__init__(handler, **options)
        self.on_data = on_data
        self.released = released
        self.accepted = False

    async def smtp_DATA(self, arg):
        await super().smtp_DATA(arg)
        if not self.accepted:
            return
        if self.on_data == "accept-drop":
            self.transport.close()
        elif self.on_data == "accept-stall":
            await self.released.wait()


class Authenticator:
    def __init__(self, user, password):
        self.user = user.encode("utf-8")
        self.password = password.encode("utf-8")

    def __call__(self, server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login == self.user
              and auth_data.password == self.password)
        return AuthResult(success=ok, handled=False, auth_data=auth_data if ok else None)


class Silent(asyncio.Protocol):
    """Takes the connection and says nothing."""


async def serve(args, stop, released):
    loop = asyncio.get_running_loop()
    context = None
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)

    handler = Handler(args.out_dir, args.refuse, args.on_data)
    authenticator = Authenticator(args.user, args.password) if args.user else None

    def factory():
        options = dict(hostname="zemlo-test", authenticator=authenticator,
                       auth_required=authenticator is not None)
        if args.mode == "starttls":
            options.update(tls_context=context, require_starttls=True, auth_require_tls=True)
        else:
            options.update(auth_require_tls=False)
        return Server(handler, args.on_data, released, **options)

    if args.mode == "stall":
        server = await loop.create_server(Silent, "127.0.0.1", 0)
    elif args.mode == "tls":
        server = await loop.create_server(factory, "127.0.0.1", 0, ssl=context)
    else:
        server = await loop.create_server(factory, "127.0.0.1", 0)

    port = server.sockets[0].getsockname()[1]
    temp = args.port_file + ".tmp"
    with open(temp, "w", encoding="ascii") as f:
        f.write("%d\n" % port)
    os.replace(temp, args.port_file)
    await stop.wait()
    server.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mode", default="plain",
                        choices=["plain", "starttls", "tls", "nostarttls", "stall"])
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user")
    parser.add_argument("--password", default="")
    parser.add_argument("--refuse", action="append", default=[])
    parser.add_argument("--on-data", default="accept",
                        choices=["accept", "accept-stall", "accept-drop", "no-reply"])
    parser.add_argument("--out-dir", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()
    # The tests look at what arrives; refused handshakes and logins, and the
    # server's advice on plain logins, are no news to them.
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.CRITICAL + 1)
    logging.getLogger("asyncio").setLevel(logging.CRITICAL + 1)
    os.makedirs(args.out_dir, exist_ok=True)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    stop = asyncio.Event()
    released = asyncio.Event()

    def end():
        loop.call_soon_threadsafe(stop.set)

    def watch_stdin():
        try:
            for line in sys.stdin.buffer:
                if line.strip() == b"release":
                    loop.call_soon_threadsafe(released.set)
        except (OSError, ValueError):
            pass
        end()

    threading.Thread(target=watch_stdin, daemon=True).start()
    timer = threading.Timer(args.lifetime, end)
    timer.daemon = True
    timer.start()
    loop.run_until_complete(serve(args, stop, released))


if __name__ == "__main__":
    main()
