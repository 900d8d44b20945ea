#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser drill and serves it on this machine only, with the
# types a browser insists on (WebAssembly as application/wasm) and gzipped
# as a static host sends it, then prints the address to open. Stop it with
# Ctrl+C. A port may be given; any free one is taken otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build-web.sh"
exec /usr/bin/python3 - "$root/build/web/site" "${1:-0}" <<'PYTHON'
import functools
import gzip
import http.server
import os
import sys

site, port = sys.argv[1], int(sys.argv[2])


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".mjs": "text/javascript",
        ".js": "text/javascript",
        ".webmanifest": "application/manifest+json",
        ".woff2": "font/woff2",
        ".bmp": "image/bmp",
        ".wav": "audio/wav",
        ".hlp": "text/html; charset=utf-8",
    }

    # Fonts and PNGs are compressed already.
    gzipped = {".html", ".js", ".mjs", ".css", ".wasm", ".webmanifest", ".bmp", ".wav", ".hlp", ".svg"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        extension = os.path.splitext(path)[1]
        if extension not in self.gzipped or "gzip" not in self.headers.get("Accept-Encoding", ""):
            return super().do_GET()
        try:
            with open(path, "rb") as file:
                body = gzip.compress(file.read(), 9)
        except OSError:
            return self.send_error(404)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(SiteHandler, directory=site))
print(f"ぽろみんか: http://127.0.0.1:{server.server_port}/", flush=True)
server.serve_forever()
PYTHON
