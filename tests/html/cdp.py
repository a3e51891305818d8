"""A headless Chromium driven over the DevTools protocol on a pipe (no network port, no
third-party modules): open a page, press keys, read the DOM, watch what the page runs."""

import json
import select
import os
import shutil
import subprocess
import tempfile
import time

CHROMIUM = "/usr/bin/chromium"

FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--disable-default-apps", "--mute-audio",
    "--remote-debugging-pipe",
]

# Windows virtual-key codes that Chromium expects with each key.
KEY_CODES = {"ArrowLeft": 37, "ArrowUp": 38, "ArrowRight": 39, "ArrowDown": 40,
             "Home": 36, "End": 35, "Enter": 13, " ": 32, "Tab": 9}


class Chromium:
    def __init__(self, timeout=30.0):
        self.timeout = timeout
        self.profile = tempfile.mkdtemp(prefix="vantorel-chromium-")
        to_browser_r, self._to_browser = os.pipe()
        self._from_browser, from_browser_w = os.pipe()

        def on_fd_3_and_4():
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)

        self.proc = subprocess.Popen(
            [CHROMIUM, *FLAGS, "--user-data-dir=" + self.profile, "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            # fds 3 and 4 are listed so that they survive the closing of inherited fds,
            # which happens after preexec_fn.
            pass_fds=(3, 4, to_browser_r, from_browser_w), preexec_fn=on_fd_3_and_4)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self._buffer = b""
        self._next_id = 0
        self.events = []
        self.session = None

    def close(self):
        try:
            self.send("Browser.close", session=False)
        except Exception:
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        os.close(self._to_browser)
        os.close(self._from_browser)
        shutil.rmtree(self.profile, ignore_errors=True)

    def _read_message(self, deadline):
        while b"\0" not in self._buffer:
            if time.monotonic() > deadline:
                raise TimeoutError("no answer from Chromium")
            ready, _, _ = select.select([self._from_browser], [], [], 0.5)
            if ready:
                chunk = os.read(self._from_browser, 65536)
                if not chunk:
                    raise RuntimeError("Chromium closed the pipe")
                self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=True):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + self.timeout
        while True:
            answer = self._read_message(deadline)
            if answer.get("id") == self._next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer.get("result", {})
            self.events.append(answer)

    def wait_event(self, method, deadline_s=None):
        """Waits for an event of this method not seen yet and returns it (consumed)."""
        deadline = time.monotonic() + (deadline_s or self.timeout)
        while True:
            for i, event in enumerate(self.events):
                if event.get("method") == method:
                    return self.events.pop(i)
            self.events.append(self._read_message(deadline))

    def open_tab(self):
        target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)
        attached = self.send("Target.attachToTarget",
                             {"targetId": target["targetId"], "flatten": True}, session=False)
        self.session = attached["sessionId"]
        for domain in ("Page", "Runtime", "Network"):
            self.send(domain + ".enable")

    def navigate(self, url):
        self.events.clear()
        self.send("Page.navigate", {"url": url})
        self.wait_event("Page.loadEventFired")

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def press(self, key):
        """One key press and release on the focused element, as the keyboard sends it."""
        code = KEY_CODES[key]
        base = {"key": key, "code": {" ": "Space"}.get(key, key),
                "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code}
        text = {"Enter": "\r", " ": " "}.get(key)
        down = {"type": "keyDown", "text": text} if text else {"type": "rawKeyDown"}
        self.send("Input.dispatchKeyEvent", {**down, **base})
        self.send("Input.dispatchKeyEvent", {"type": "keyUp", **base})

    def requested_urls(self):
        return [e["params"]["request"]["url"] for e in self.events
                if e.get("method") == "Network.requestWillBeSent"]
