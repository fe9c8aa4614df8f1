#!/usr/bin/python3
"""Small SMTP servers for the mail tests, on Debian's aiosmtpd.

One process runs the servers of a test program's class: each is a listener of
its own on 127.0.0.1, on a free port, started and stopped on command, so that
Python and aiosmtpd start once for many servers. The commands come on standard
input, one JSON object a line, and each gets its answer on standard output,
one JSON object a line, once it has taken effect:
  {"start": {options}}  starts a server: {"id": n, "port": p}, or
                        {"error": text} when it could not;
  {"release": n}        ends every stall of server n after a message taken,
                        now and later: its sessions go on as with accept;
                        {"released": n};
  {"stop": n}           closes server n and every connection it has, as the
                        end of a server process of its own would:
                        {"stopped": n}.
The options of a server: "mode" says how it listens:
  plain     plain SMTP;
  starttls  STARTTLS offered and required before anything else;
  tls       TLS from the first byte (implicit TLS);
  nostarttls plain SMTP that offers no STARTTLS;
  stall     the connection is accepted and never answered;
"cert" and "key" are the certificate files for the TLS modes. With "user"
and "password" a login is required and only that one is taken. Each address
of "refuse" is refused as a recipient (550). "on_data" says what follows the
end of a message's data:
  accept       the message is taken (250) and the session goes on;
  accept-stall the message is taken (250), then nothing is answered again
               until the server is released;
  accept-drop  the message is taken (250), then the connection is closed;
  no-reply     the data is read and never answered (the message is not taken).
Every message a server takes is written to its "out_dir" as <n>.json, n
counting from 1: the envelope (sender, recipients), the greeting name, the
login, whether the connection was encrypted, the subject and sender decoded
(the sender's display name also on its own), the text body decoded, and per
attachment its file name, content type and character set; each attachment's
bytes go to <n>.<i>.bin, and the message as received to <n>.eml. The process
ends itself after --lifetime seconds, or as soon as its standard input reaches
its end (the process that started it is gone).
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
    """aiosmtpd's server, which after a message it took may stall or drop,
    and which its listener can close."""

    def __init__(self, handler, listener, **options):
        super().__init__(handler, **options)
        self.listener = listener
        self.on_data = listener.on_data
        self.accepted = False
        self.connection = None

    def connection_made(self, transport):
        # Made again, over TLS, after STARTTLS: the first is the connection.
        if self.connection is None:
            self.connection = transport
            self.listener.connections.add(self)
        super().connection_made(transport)

    def connection_lost(self, error):
        self.listener.connections.discard(self)
        super().connection_lost(error)

    async def smtp_DATA(self, arg):
        await super().smtp_DATA(arg)
        if not self.accepted:
            return
        if self.on_data == "accept-drop":
            self.transport.close()
        elif self.on_data == "accept-stall":
            await self.listener.released.wait()


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

    def __init__(self, listener):
        self.listener = listener
        self.connection = None

    def connection_made(self, transport):
        self.connection = transport
        self.listener.connections.add(self)

    def connection_lost(self, error):
        self.listener.connections.discard(self)


MODES = ("plain", "starttls", "tls", "nostarttls", "stall")
ON_DATA = ("accept", "accept-stall", "accept-drop", "no-reply")


class Listener:
    """One server: its options, its messages and its connections."""

    def __init__(self, options):
        self.mode = options.get("mode", "plain")
        self.on_data = options.get("on_data", "accept")
        if self.mode not in MODES or self.on_data not in ON_DATA:
            raise ValueError("mode %r, on_data %r" % (self.mode, self.on_data))
        self.out_dir = options["out_dir"]
        os.makedirs(self.out_dir, exist_ok=True)
        self.context = None
        if options.get("cert"):
            self.context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            self.context.load_cert_chain(options["cert"], options["key"])
        self.handler = Handler(self.out_dir, options.get("refuse", []), self.on_data)
        user = options.get("user")
        self.authenticator = (Authenticator(user, options.get("password", ""))
                              if user else None)
        self.released = asyncio.Event()
        self.connections = set()
        self.server = None

    def smtp(self):
        options = dict(hostname="zemlo-test", authenticator=self.authenticator,
                       auth_required=self.authenticator is not None)
        if self.mode == "starttls":
            options.update(tls_context=self.context, require_starttls=True,
                           auth_require_tls=True)
        else:
            options.update(auth_require_tls=False)
        return Server(self.handler, self, **options)

    async def start(self):
        loop = asyncio.get_running_loop()
        if self.mode == "stall":
            self.server = await loop.create_server(lambda: Silent(self), "127.0.0.1", 0)
        elif self.mode == "tls":
            self.server = await loop.create_server(self.smtp, "127.0.0.1", 0,
                                                   ssl=self.context)
        else:
            self.server = await loop.create_server(self.smtp, "127.0.0.1", 0)
        return self.server.sockets[0].getsockname()[1]

    def stop(self):
        # The port is closed once close() returns; the connections go at once.
        self.server.close()
        for protocol in list(self.connections):
            if not protocol.connection.is_closing():
                protocol.connection.abort()
        self.connections.clear()


class Host:
    def __init__(self):
        self.listeners = {}
        self.count = 0

    async def answer(self, command):
        if "start" in command:
            try:
                listener = Listener(command["start"])
                port = await listener.start()
            except (OSError, KeyError, ValueError, ssl.SSLError) as error:
                return {"error": str(error)}
            self.count += 1
            self.listeners[self.count] = listener
            return {"id": self.count, "port": port}
        if "release" in command:
            n = command["release"]
            if n in self.listeners:
                self.listeners[n].released.set()
            return {"released": n}
        if "stop" in command:
            n = command["stop"]
            listener = self.listeners.pop(n, None)
            if listener is not None:
                listener.stop()
            return {"stopped": n}
        return {"error": "unknown command"}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lifetime", type=float, default=600)
    args = parser.parse_args()
    # The tests look at what arrives; refused handshakes and logins, and the
    # server's advice on plain logins, are no news to them.
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.CRITICAL + 1)
    logging.getLogger("asyncio").setLevel(logging.CRITICAL + 1)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    stop = asyncio.Event()
    host = Host()

    def end():
        loop.call_soon_threadsafe(stop.set)

    def watch_stdin():
        try:
            for line in sys.stdin.buffer:
                if not line.strip():
                    continue
                try:
                    command = json.loads(line)
                except ValueError:
                    command = {}
                try:
                    answer = asyncio.run_coroutine_threadsafe(host.answer(command),
                                                              loop).result()
                except Exception as error:  # an answer all the same: the tests wait for it
                    answer = {"error": repr(error)}
                sys.stdout.write(json.dumps(answer) + "\n")
                sys.stdout.flush()
        except (OSError, ValueError, RuntimeError):
            pass
        end()

    threading.Thread(target=watch_stdin, daemon=True).start()
    timer = threading.Timer(args.lifetime, end)
    timer.daemon = True
    timer.start()
    loop.run_until_complete(stop.wait())


if __name__ == "__main__":
    main()
