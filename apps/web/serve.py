#!/usr/bin/env python3
"""Serves the built page for local play, with the headers it needs.

The page's worker threads share the program's memory, which browsers allow only in a page
that is cross-origin isolated: every response carries Cross-Origin-Opener-Policy: same-origin
and Cross-Origin-Embedder-Policy: require-corp. Python's standard library is enough (the
browser build needs Python for emscripten already), so serving needs nothing else installed.

    python3 apps/web/serve.py [--port 8700] [--bind 127.0.0.1] [--no-isolation] [SITE_DIR]
"""
import argparse
import functools
import http.server
import os
import sys

ISOLATION_HEADERS = {
    "Cross-Origin-Opener-Policy": "same-origin",
    "Cross-Origin-Embedder-Policy": "require-corp",
    "Cross-Origin-Resource-Policy": "same-origin",
}


class IsolatedHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript", ".data": "application/octet-stream"}
    quiet = False
    isolate = True

    def end_headers(self):
        if self.isolate:
            for name, value in ISOLATION_HEADERS.items():
                self.send_header(name, value)
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        if not self.quiet:
            super().log_message(format, *args)


def main():
    default_site = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build", "web", "site")
    parser = argparse.ArgumentParser(description="Serve the page with cross-origin isolation headers.")
    parser.add_argument("site", nargs="?", default=default_site, help="folder holding index.html")
    parser.add_argument("--port", type=int, default=8700, help="port to listen on (0: any free port)")
    parser.add_argument("--bind", default="127.0.0.1", help="address to listen on")
    parser.add_argument("--quiet", action="store_true", help="do not log requests")
    parser.add_argument("--no-isolation", action="store_true",
                        help="send no isolation headers, as a static host would (the page's service worker adds them)")
    args = parser.parse_args()

    site = os.path.abspath(args.site)
    if not os.path.isfile(os.path.join(site, "index.html")):
        sys.exit(f"serve.py: no index.html in {site}; build the page with the web preset first")
    IsolatedHandler.quiet = args.quiet
    IsolatedHandler.isolate = not args.no_isolation
    handler = functools.partial(IsolatedHandler, directory=site)
    with http.server.ThreadingHTTPServer((args.bind, args.port), handler) as server:
        # The port actually taken, for a caller that asked for any free one.
        print(f"Serving {site} at http://{args.bind}:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
