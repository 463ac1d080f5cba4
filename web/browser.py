"""Headless Chromium driven through its DevTools protocol, and a loopback
web server: what the web tests and the web benchmark share.

    with Server(folder) as server, Browser() as browser:
        page = browser.page()
        page.open(server.url("kalumet.html"))

Chromium runs with a fresh profile in a temporary folder and with what
would reach the network turned off (the tests' machines have none, and
Chromium waits on connections that never come)."""

import base64
import email.utils
import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse
import urllib.request

import websocket


class Server:
    """Serves `folder` on 127.0.0.1 at a free port, in a thread, as a site
    set up as the README says does: a file's precompressed twin
    (<file>.br, <file>.gz) where the request accepts its encoding, the
    module as application/wasm; "not modified" to a browser that holds a
    file already. `served` lists what it answered: (path without the query,
    Content-Encoding or None, bytes of the body). `folder` may be changed
    at any time, as a site is given a new version; `asked`, where it is
    set, is called with each request's path before it is answered."""

    def __init__(self, folder):
        self.served = []
        self.folder = folder
        self.asked = None
        handler = functools.partial(_Handler, self)
        self.httpd = _Site(("127.0.0.1", 0), handler)
        self.port = self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.running = False

    def url(self, path):
        return "http://127.0.0.1:%d/%s" % (self.port, path)

    def stop(self):
        """Stops serving: the site is gone, as a network is."""
        if self.running:
            self.httpd.shutdown()
            self.httpd.server_close()
            self.running = False

    def __enter__(self):
        self.thread.start()
        self.running = True
        return self

    def __exit__(self, *exc):
        self.stop()


class _Site(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A download the browser gave up, as it does: nothing to report.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class _Handler(http.server.SimpleHTTPRequestHandler):
    # Whatever the machine's /etc/mime.types says: the browser compiles a
    # module while it downloads only when it comes as application/wasm.
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map, **{
        ".wasm": "application/wasm", ".js": "text/javascript",
        ".webmanifest": "application/manifest+json"})

    def __init__(self, site, *args, **kwargs):
        self.site = site
        self.served = site.served
        super().__init__(*args, directory=site.folder, **kwargs)

    def send_head(self):
        asked = urllib.parse.urlsplit(self.path).path
        if self.site.asked:
            self.site.asked(asked)
        self.directory = self.site.folder
        path = self.translate_path(self.path)
        accepted = [part.split(";")[0].strip()
                    for part in self.headers.get("Accept-Encoding", "").split(",")]
        for encoding, suffix in (("br", ".br"), ("gzip", ".gz")):
            if encoding in accepted and os.path.isfile(path) and os.path.isfile(path + suffix):
                if self._unchanged(path + suffix):
                    return None
                encoded = open(path + suffix, "rb")
                size = os.fstat(encoded.fileno()).st_size
                self.send_response(200)
                self.send_header("Content-Type", self.guess_type(path))
                self.send_header("Content-Encoding", encoding)
                self.send_header("Content-Length", str(size))
                self.send_header("Last-Modified", self.date_time_string(os.path.getmtime(path + suffix)))
                self.send_header("Vary", "Accept-Encoding")
                self.end_headers()
                self.served.append((asked, encoding, size))
                return encoded
        if os.path.isfile(path) and self._unchanged(path):
            return None
        self.served.append((asked, None, os.path.getsize(path) if os.path.isfile(path) else 0))
        return super().send_head()

    def _unchanged(self, path):
        """Answers "not modified" where the browser holds the file as it is."""
        since = self.headers.get("If-Modified-Since")
        try:
            unchanged = since is not None and \
                int(os.path.getmtime(path)) <= email.utils.parsedate_to_datetime(since).timestamp()
        except (TypeError, ValueError):
            unchanged = False
        if unchanged:
            self.send_response(304)
            self.end_headers()
            self.served.append((urllib.parse.urlsplit(self.path).path, None, 0))
        return unchanged

    def log_message(self, *args):
        pass


def deadline_loop(seconds, what):
    """Yields until `seconds` have passed, then raises TimeoutError naming
    `what`: for waiting on a state, never for a fixed time."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        yield
        time.sleep(0.05)
    raise TimeoutError("no %s within %g s" % (what, seconds))


class Browser:
    """A headless Chromium of its own."""

    def __init__(self, lang="ru-RU", chromium=None):
        self.profile = tempfile.mkdtemp(prefix="kalumet-chromium-")
        command = [chromium or os.environ.get("CHROMIUM", "chromium"),
                   "--headless=new", "--no-sandbox",
                   "--use-gl=swiftshader", "--enable-unsafe-swiftshader",
                   "--no-first-run", "--no-default-browser-check",
                   "--disable-background-networking", "--disable-component-update",
                   "--disable-sync", "--disable-quic", "--disable-extensions",
                   "--disable-features=Translate,MediaRouter,OptimizationHints",
                   "--lang=" + lang, "--accept-lang=" + lang,
                   "--user-data-dir=" + self.profile,
                   "--remote-debugging-port=0", "about:blank"]
        env = dict(os.environ, LANGUAGE=lang.replace("-", "_"))
        self.process = subprocess.Popen(command, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        env=env)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        for _ in deadline_loop(60, "DevTools port from Chromium"):
            if self.process.poll() is not None:
                raise RuntimeError("Chromium ended at start with %d" % self.process.returncode)
            if os.path.exists(port_file):
                lines = open(port_file).read().split()
                if len(lines) >= 2:
                    self.port = int(lines[0])
                    break

    def page(self):
        """The browser's first tab."""
        with urllib.request.urlopen("http://127.0.0.1:%d/json/list" % self.port) as answer:
            targets = json.load(answer)
        target = next(t for t in targets if t["type"] == "page")
        return Page(target["webSocketDebuggerUrl"])

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Page:
    """One tab, through its DevTools connection. Events arrive in
    `events` (method, params) as commands are answered; console lines
    also in `console`."""

    def __init__(self, ws_url):
        self.ws = websocket.create_connection(ws_url, timeout=120, suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.console = []
        self.call("Runtime.enable")
        self.call("Page.enable")

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self._event(message)

    def _event(self, message):
        method, params = message.get("method"), message.get("params", {})
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            self.console.append(text)
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            self.console.append("exception: " + details.get("exception", {}).get(
                "description", details.get("text", "")))
        self.events.append((method, params))

    def pump(self, seconds=0.05):
        """Takes the events that arrive within `seconds`."""
        self.ws.settimeout(seconds)
        try:
            while True:
                self._event(json.loads(self.ws.recv()))
        except websocket.WebSocketTimeoutException:
            pass
        finally:
            self.ws.settimeout(120)

    def evaluate(self, expression, promise=False):
        """The page's `expression`, or what the promise it makes resolves to."""
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=promise)
        return result.get("result", {}).get("value")

    def size(self, width, height, scale=1):
        """The page's viewport and its device pixels per CSS pixel."""
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=scale, mobile=False, screenWidth=width, screenHeight=height)

    def open(self, url):
        self.call("Page.navigate", url=url)

    def wait_for(self, expression, seconds, what):
        """Waits until the page's `expression` is true."""
        for _ in deadline_loop(seconds, what):
            self.pump()
            if self.evaluate(expression):
                return

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))

    def mouse(self, kind, x, y, button="none", clicks=0):
        self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                  clickCount=clicks, buttons=1 if kind == "mousePressed" else 0)

    def click(self, x, y):
        self.mouse("mouseMoved", x, y)
        self.mouse("mousePressed", x, y, "left", 1)
        self.mouse("mouseReleased", x, y, "left", 1)

    def key(self, key, code, keycode, text="", modifiers=0):
        """One key pressed and released, as a keyboard sends it; with Shift
        held where `modifiers` is 8."""
        down = dict(type="keyDown" if text else "rawKeyDown", key=key, code=code,
                    windowsVirtualKeyCode=keycode, nativeVirtualKeyCode=keycode,
                    modifiers=modifiers)
        if text:
            down.update(text=text, unmodifiedText=text)
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=keycode, nativeVirtualKeyCode=keycode,
                  modifiers=modifiers)

    def accessible(self, selector):
        """The element `selector` as the browser presents it to assistive
        technology (its node of Accessibility.getFullAXTree): its role,
        name, description and properties, and the text of each of its
        children, in order, as `lines`."""
        self.call("Accessibility.enable")
        document = self.call("DOM.getDocument", depth=0)["root"]["nodeId"]
        found = self.call("DOM.querySelector", nodeId=document, selector=selector)["nodeId"]
        backend = self.call("DOM.describeNode", nodeId=found)["node"]["backendNodeId"]
        nodes = {n["nodeId"]: n for n in self.call("Accessibility.getFullAXTree")["nodes"]}
        node = next(n for n in nodes.values() if n.get("backendDOMNodeId") == backend)

        def text(n):
            if n.get("role", {}).get("value") == "StaticText":
                return n.get("name", {}).get("value", "")
            return "".join(text(nodes[c]) for c in n.get("childIds", []) if c in nodes)
        value = lambda n, what: n.get(what, {}).get("value", "")  # noqa: E731
        return {"role": value(node, "role"), "name": value(node, "name"),
                "description": value(node, "description"),
                "properties": {p["name"]: p["value"].get("value") for p in node.get("properties", [])},
                "lines": [text(nodes[c]) for c in node.get("childIds", []) if c in nodes]}

    def type(self, text):
        """Types `text` key by key: digits, a comma, a minus, letters."""
        for ch in text:
            if ch.isdigit():
                self.key(ch, "Digit" + ch, ord(ch), ch)
            elif ch == ",":
                self.key(ch, "Comma", 188, ch)
            elif ch == "-":
                self.key(ch, "Minus", 189, ch)
            else:
                self.key(ch, "", 0, ch)
