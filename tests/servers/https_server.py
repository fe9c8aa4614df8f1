#!/usr/bin/python3
"""A small HTTPS server for the download tests.

Serves the files under --root over TLS on 127.0.0.1, on a free port that it
writes to --port-file once it listens. Missing files give 404. Control files
in <root>/.control, named by the hex of the request path's UTF-8 bytes, change
the answer for one path:
  <hex>.status  holds a status code to answer with instead of the file;
  <hex>.stall   the request is read and never answered.
Every path asked (percent-decoded, without the query) is appended to
<root>/.control/requests.log, one a line. The server ends itself after
--lifetime seconds, or as soon as its standard input reaches its end (the
process that started it is gone).
"""

import argparse
import http.server
import os
import socket
import socketserver
import ssl
import sys
import threading
import urllib.parse


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, root, context):
        self.root = os.path.realpath(root)
        self.control = os.path.join(self.root, ".control")
        self.context = context
        self.stopping = threading.Event()
        self.log_lock = threading.Lock()
        super().__init__(("127.0.0.1", 0), Handler)

    def finish_request(self, request, client_address):
        # The TLS handshake runs in the request's own thread, so a client that
        # never completes it cannot hold up the others.
        request.settimeout(30)
        # Each write goes out at once: otherwise a small one waits for the
        # acknowledgement of the one before, which the client delays (about
        # 40 ms a request).
        request.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        try:
            tls = self.context.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError):
            return
        try:
            super().finish_request(tls, client_address)
        finally:
            try:
                tls.close()
            except OSError:
                pass

    def handle_error(self, request, client_address):
        pass  # a client that hangs up is no concern of the tests


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        pass

    def do_HEAD(self):
        self.answer(send_body=False)

    def do_GET(self):
        self.answer(send_body=True)

    def answer(self, send_body):
        path = urllib.parse.unquote(self.path.split("?", 1)[0])
        server = self.server
        with server.log_lock:
            with open(os.path.join(server.control, "requests.log"), "a",
                      encoding="utf-8") as log:
                log.write(path + "\n")
        key = os.path.join(server.control, path.encode("utf-8").hex())
        if os.path.exists(key + ".stall"):
            # Hold the connection open without a word until the client gives up.
            while not server.stopping.wait(0.1):
                pass
            return
        status = None
        try:
            with open(key + ".status", encoding="ascii") as f:
                status = int(f.read().strip())
        except (OSError, ValueError):
            pass
        if status is None:
            target = os.path.realpath(os.path.join(server.root, path.lstrip("/")))
            inside = target.startswith(server.root + os.sep)
            if (inside and not target.startswith(server.control + os.sep)
                    and os.path.isfile(target)):
                with open(target, "rb") as f:
                    self.send(200, f.read(), "application/octet-stream", send_body)
                return
            status = 404
        body = ("<html><body><h1>%d</h1></body></html>\n" % status).encode("ascii")
        self.send(status, body, "text/html", send_body)

    def send(self, status, body, content_type, send_body):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if send_body:
            self.wfile.write(body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()

    os.makedirs(os.path.join(args.root, ".control"), exist_ok=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    server = Server(args.root, context)

    def stop():
        server.stopping.set()
        server.shutdown()

    def watch_stdin():
        try:
            while sys.stdin.buffer.read(1024):
                pass
        except (OSError, ValueError):
            pass
        stop()

    threading.Thread(target=watch_stdin, daemon=True).start()
    timer = threading.Timer(args.lifetime, stop)
    timer.daemon = True
    timer.start()

    port = server.server_address[1]
    temp = args.port_file + ".tmp"
    with open(temp, "w", encoding="ascii") as f:
        f.write("%d\n" % port)
    os.replace(temp, args.port_file)

    server.serve_forever(poll_interval=0.1)
    server.server_close()


if __name__ == "__main__":
    main()
