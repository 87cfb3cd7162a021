#!/usr/bin/env python3
"""A stand-in trophy service on 127.0.0.1 for the share test.

    trophy_share_server.py COMMAND [ARGS...]

Serves on a free port while COMMAND runs and exits with its status. COMMAND
finds the service in BRELFX_SHARE_SERVER (http://127.0.0.1:PORT) and the
record of every request (request line and headers, one line each) in
BRELFX_SHARE_LOG, a Windows path. The reply depends on the path:
  /valid    200, "https://share.example/trophy/<trophy>" and a line end
  /program  200, the path of a local program
  /error    500, with a web address as the body
  /silent   no answer until the server ends
"""
import os
import subprocess
import sys
import tempfile
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

stopping = threading.Event()


class TrophyService(BaseHTTPRequestHandler):
    log_path = None

    def do_GET(self):
        headers = " | ".join(f"{k}: {v}" for k, v in self.headers.items())
        with open(self.log_path, "a") as log:
            log.write(f"{self.requestline} | {headers}\n")
        url = urlsplit(self.path)
        if url.path == "/silent":
            stopping.wait(60)
            return
        if url.path == "/valid":
            trophy = parse_qs(url.query).get("trophy", ["?"])[0]
            self.reply(200, f"https://share.example/trophy/{trophy}\r\n")
        elif url.path == "/program":
            self.reply(200, "C:\\windows\\system32\\winver.exe")
        elif url.path == "/error":
            self.reply(500, "https://share.example/error")
        else:
            self.reply(404, "")

    def reply(self, status, body):
        data = body.encode()
        self.send_response(status)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def log_message(self, *args):
        pass


def main():
    with tempfile.TemporaryDirectory() as folder:
        TrophyService.log_path = os.path.join(folder, "requests.log")
        open(TrophyService.log_path, "w").close()
        server = ThreadingHTTPServer(("127.0.0.1", 0), TrophyService)
        server.daemon_threads = True
        threading.Thread(target=server.serve_forever, daemon=True).start()
        env = dict(os.environ)
        env["BRELFX_SHARE_SERVER"] = f"http://127.0.0.1:{server.server_address[1]}"
        env["BRELFX_SHARE_LOG"] = "Z:" + TrophyService.log_path.replace("/", "\\")
        try:
            status = subprocess.call(sys.argv[1:], env=env)
        finally:
            stopping.set()
            server.shutdown()
            server.server_close()
    return status


if __name__ == "__main__":
    sys.exit(main())
