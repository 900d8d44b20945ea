#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser drill and serves it on this machine only, with the
# types a browser insists on (WebAssembly as application/wasm), then prints
# the address to open. Stop it with Ctrl+C. A port may be given; any free
# one is taken otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build-web.sh"
exec /usr/bin/python3 - "$root/build/web/site" "${1:-0}" <<'PYTHON'
import functools
import http.server
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

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()


server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(SiteHandler, directory=site))
print(f"ぽろみんか: http://127.0.0.1:{server.server_port}/", flush=True)
server.serve_forever()
PYTHON
