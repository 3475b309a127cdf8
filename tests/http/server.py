#!/usr/bin/env python3
"""Local HTTP server for the tests, on 127.0.0.1 only.

Serves scripted responses and records every request line. Controlled over HTTP itself, so
that tests running under Wine can drive it with the program's own Internet layer:

  GET /__control/reset                    forget every route and the request log
  GET /__control/route?path=P&...         add one response for path P (queries ignored);
        status=N        status code (default 200)
        body=TEXT       body as text (percent-encoded in the query)
        hex=HEX         body as hexadecimal bytes
        file=PATH       body read from a file on this machine
        size=N          body of N bytes 'x'
        trickle=MS      send the body in 16-byte pieces, MS milliseconds apart
        delay=MS        wait MS milliseconds before answering at all
     Several routes for one path are served in turn; the last one is repeated.
  GET /__control/log                      the request lines recorded so far, one a line
                                          ("ABORTED <line>" when the client went away)
  GET /__control/symlink?link=L&target=T  makes the Unix symbolic link L pointing to T
  GET /__control/mkdir?path=P             makes the Unix folder P (and its parents)
  GET /__control/write?path=P&body=TEXT   writes a Unix file
  GET /__control/list?path=P              the names in Unix folder P, one a line ("" if none)
  GET /__control/sign?path=P[&key=K]      the signature of Unix file P by the tests' key
                                          tests/keys/K-private.pem (K "test" unless given),
                                          as `openssl dgst -sha1 -sign` writes it
     These let tests under Wine build links to folders outside the prefix, which a Windows
     program cannot make itself, and look at those folders without going through the link.
  GET /__control/screenshot?name=N&window=XID
     saves the X window XID (decimal) of $DISPLAY as N.png in the --screenshots folder once
     two pictures taken 50 ms apart agree (the X server has drawn what Wine sent it), at
     most 2 s; answers "ok" or what went wrong. Windows are taken one by one: Wine without
     a window manager leaves a window it raised later black in a picture of the display.

Unknown paths answer 404.
"""
import argparse
import http.server
import os
import re
import subprocess
import socketserver
import threading
import time
import urllib.parse

KEYS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "keys")
LOCK = threading.Lock()
ROUTES = {}
LOG = []
SCREENSHOTS = None


def screenshot(name, window):
    """Saves X window `window` as SCREENSHOTS/name.png once its picture holds still; returns
    None or an error text."""
    if not SCREENSHOTS or not os.environ.get("DISPLAY"):
        return "no screenshot folder or no DISPLAY"
    if not re.fullmatch(r"[A-Za-z0-9_.-]+", name) or not window.isdigit():
        return "bad name or window"
    os.makedirs(SCREENSHOTS, exist_ok=True)
    picture, deadline = None, time.monotonic() + 2
    while True:
        xwd = subprocess.run(["xwd", "-id", window, "-silent", "-display", os.environ["DISPLAY"]],
                             capture_output=True, timeout=30)
        if xwd.returncode != 0:
            return "xwd failed: " + xwd.stderr.decode(errors="replace")
        if xwd.stdout == picture or time.monotonic() > deadline:
            break
        picture = xwd.stdout
        time.sleep(0.05)
    conv = subprocess.run(["convert", "xwd:-", os.path.join(SCREENSHOTS, name + ".png")],
                          input=xwd.stdout, capture_output=True, timeout=30)
    if conv.returncode != 0:
        return "convert failed: " + conv.stderr.decode(errors="replace")
    return None


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send_body(self, status, body, trickle=0):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        try:
            if trickle:
                for i in range(0, len(body), 16):
                    self.wfile.write(body[i:i + 16])
                    self.wfile.flush()
                    time.sleep(trickle / 1000.0)
            else:
                self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            with LOCK:
                LOG.append("ABORTED " + self.requestline)
        self.close_connection = True

    def control(self, url):
        query = urllib.parse.parse_qs(url.query, keep_blank_values=True)
        arg = lambda name, default=None: query.get(name, [default])[0]
        command = url.path[len("/__control/"):]
        if command == "reset":
            with LOCK:
                ROUTES.clear()
                LOG.clear()
        elif command == "log":
            with LOCK:
                text = "".join(line + "\n" for line in LOG)
            return self.send_body(200, text.encode("latin-1", "replace"))
        elif command == "route":
            if arg("hex") is not None:
                body = bytes.fromhex(arg("hex"))
            elif arg("file") is not None:
                with open(arg("file"), "rb") as f:
                    body = f.read()
            elif arg("size") is not None:
                body = b"x" * int(arg("size"))
            else:
                body = (arg("body") or "").encode("latin-1")
            route = {"status": int(arg("status", "200")), "body": body,
                     "trickle": int(arg("trickle", "0")),
                     "delay": int(arg("delay", "0"))}
            with LOCK:
                ROUTES.setdefault(arg("path"), []).append(route)
        elif command == "symlink":
            if os.path.lexists(arg("link")):
                os.remove(arg("link"))
            os.makedirs(os.path.dirname(arg("link")), exist_ok=True)
            os.symlink(arg("target"), arg("link"))
        elif command == "mkdir":
            os.makedirs(arg("path"), exist_ok=True)
        elif command == "write":
            with open(arg("path"), "wb") as f:
                f.write((arg("body") or "").encode("latin-1"))
        elif command == "list":
            path = arg("path")
            names = sorted(os.listdir(path)) if os.path.isdir(path) else []
            return self.send_body(200, "".join(n + "\n" for n in names).encode("latin-1"))
        elif command == "sign":
            key = arg("key", "test")
            if not re.fullmatch(r"[a-z]+", key):
                return self.send_body(400, b"bad key")
            signed = subprocess.run(["openssl", "dgst", "-sha1", "-sign",
                                     os.path.join(KEYS, key + "-private.pem"), arg("path")],
                                    capture_output=True, timeout=30)
            if signed.returncode != 0:
                return self.send_body(500, signed.stderr)
            return self.send_body(200, signed.stdout)
        elif command == "screenshot":
            error = screenshot(arg("name", ""), arg("window", ""))
            return self.send_body(200 if error is None else 500, (error or "ok").encode())
        else:
            return self.send_body(404, b"unknown control")
        return self.send_body(200, b"ok")

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path.startswith("/__control/"):
            return self.control(url)
        with LOCK:
            LOG.append(self.requestline)
            queue = ROUTES.get(url.path)
            route = (queue.pop(0) if len(queue) > 1 else queue[0]) if queue else None
        if route is None:
            return self.send_body(404, b"<html>404 Not Found</html>")
        if route["delay"]:
            time.sleep(route["delay"] / 1000.0)
        self.send_body(route["status"], route["body"], route["trickle"])


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=18321)
    parser.add_argument("--seconds", type=float, default=3600,
                        help="stop by itself after this many seconds")
    parser.add_argument("--screenshots", help="folder of the screenshots")
    args = parser.parse_args()
    global SCREENSHOTS
    SCREENSHOTS = args.screenshots
    server = Server(("127.0.0.1", args.port), Handler)
    threading.Timer(args.seconds, server.shutdown).start()
    print(f"listening on 127.0.0.1:{args.port}", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
