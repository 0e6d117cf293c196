# web_devtools.py: what the browser build's test and measurement share: the built page served
# on 127.0.0.1, Debian's chromium headless driven over the DevTools protocol, PNG pictures.
import base64
import functools
import http.server
import json
import os
import shutil
import struct
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

import screen_layout

# The game's screen as src/game/screen_layout.h lays it out.
LAYOUT = screen_layout.read()
PICTURE_WIDTH = LAYOUT.kScreenWidth
PICTURE_HEIGHT = LAYOUT.kScreenHeight
# The page keeps this margin around the canvas: a viewport this size shows the picture 1:1.
PAGE_MARGIN = 16
VIEWPORT = (PICTURE_WIDTH + 2 * PAGE_MARGIN, PICTURE_HEIGHT + 2 * PAGE_MARGIN)

# Where a click presses the menu's Play, and the board screen's Exit.
PLAY = screen_layout.centre(LAYOUT.kPlayButton, LAYOUT.kDialogButtonWidth, LAYOUT.kDialogButtonHeight)
BOARD_EXIT = screen_layout.centre(LAYOUT.kQuitGameButton, LAYOUT.kGameButtonWidth, LAYOUT.kGameButtonHeight)
# Parts of the picture that change neither with the puzzle nor with the clock: the menu's
# title and options, the board screen's Exit button, the middle of a dialog.
MENU_PART = (150, 60, 500, 320)
BOARD_BUTTONS = (*LAYOUT.kQuitGameButton, LAYOUT.kGameButtonWidth, LAYOUT.kGameButtonHeight)
DIALOG_PART = (200, 200, 400, 200)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.data': 'application/octet-stream'}

    def log_message(self, *args):
        pass


def serve(folder, port=0):
    """Serves folder on 127.0.0.1 (a free port unless one is given) from a background thread;
    returns the server."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Deadline:
    """Every wait is bounded: a condition not met in time fails with what was waited for."""

    def __init__(self, seconds, what):
        self.end = time.monotonic() + seconds
        self.what = what

    def check(self):
        if time.monotonic() > self.end:
            raise TimeoutError('gave up waiting for ' + self.what)


class Browser:
    """Debian's chromium, headless, in a fresh profile, with one page driven over DevTools."""

    FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--remote-debugging-port=0']

    def __init__(self, device_scale=1, extra_flags=()):
        """device_scale: device pixels per CSS pixel, as on a high-density screen; extra_flags:
        more of chromium's command-line flags."""
        self.profile = tempfile.mkdtemp(prefix='pellix-chromium-')
        self.device_scale = device_scale
        self.process = subprocess.Popen(
            ['chromium', *self.FLAGS, *extra_flags, f'--window-size={VIEWPORT[0]},{VIEWPORT[1]}',
             f'--force-device-scale-factor={device_scale}',
             '--user-data-dir=' + self.profile, 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.next_id = 0
        self.events = []
        self.socket = None
        self.port = self._devtools_port()
        deadline = Deadline(30, 'the browser\'s page target')
        while not self._pages():
            deadline.check()
            time.sleep(0.1)
        self.switch_to(self._pages()[0]['id'])

    def _pages(self):
        with urllib.request.urlopen(f'http://127.0.0.1:{self.port}/json/list', timeout=10) as answer:
            return [t for t in json.load(answer) if t['type'] == 'page']

    def switch_to(self, target):
        """Drives the page (the tab) of that DevTools target from now on."""
        page = next(t for t in self._pages() if t['id'] == target)
        if self.socket:
            self.socket.close()
        self.socket = websocket.create_connection(page['webSocketDebuggerUrl'], timeout=60,
                                                  suppress_origin=True)
        self.target = target
        self.call('Runtime.enable')
        self.call('Page.enable')
        self.resize(*VIEWPORT)

    def open_tab(self):
        """A new, blank tab of the same browser and profile; returns its target."""
        return self.call('Target.createTarget', url='about:blank')['targetId']

    def close_tab(self, target):
        """Closes a tab as the player does, and returns once it is gone."""
        self.call('Target.closeTarget', targetId=target)
        deadline = Deadline(30, 'the tab to close')
        while any(t['id'] == target for t in self._pages()):
            deadline.check()
            time.sleep(0.1)

    def resize(self, width, height):
        """Gives the page a viewport of that many CSS pixels."""
        self.call('Emulation.setDeviceMetricsOverride', width=width, height=height,
                  deviceScaleFactor=self.device_scale, mobile=False)

    def _devtools_port(self):
        """The port chromium chose, which it writes into the profile once it listens."""
        path = os.path.join(self.profile, 'DevToolsActivePort')
        deadline = Deadline(60, 'chromium to start')
        while not os.path.exists(path) or not open(path).read().strip():
            if self.process.poll() is not None:
                raise RuntimeError('chromium ended at start')
            deadline.check()
            time.sleep(0.05)
        return int(open(path).read().split()[0])

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == self.next_id:
                if 'error' in message:
                    raise RuntimeError(f'{method}: {message["error"]}')
                return message.get('result', {})
            self.events.append(message)

    def navigate(self, url):
        """Opens the url and returns once its document has loaded."""
        self.loads(lambda: self.call('Page.navigate', url=url))

    def loads(self, action):
        """Does what loads a page, and returns once the new document has loaded."""
        self.evaluate('window.pellixOldDocument = true')
        action()
        self.wait_for('a new document', lambda: self.evaluate_across_loads(
            'document.readyState === "complete" && !window.pellixOldDocument'))

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True,
                           awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def evaluate_across_loads(self, expression):
        """The expression's value, or None while the page is between documents."""
        try:
            return self.evaluate(expression)
        except RuntimeError:
            return None

    def next_frame(self):
        """Returns once the page has drawn its next frame."""
        self.evaluate('new Promise(done => requestAnimationFrame(() => done(true)))')

    def wait_for_shot(self, what, test, seconds=60):
        """Takes a screenshot a frame until one passes the test; returns it."""
        def check():
            shot = self.screenshot()
            return shot if test(shot) else None
        return self.wait_for(what, check, seconds)

    def wait_for_match(self, what, reference, region=None, seconds=60):
        """Waits until the canvas shows the reference's region, at 2 % fuzz; returns the shot."""
        return self.wait_for_shot(what, lambda shot: shot.differing(reference, region) == 0, seconds)

    def wait_for(self, what, condition, seconds=60):
        """Checks the condition once a frame until it holds; returns its value."""
        deadline = Deadline(seconds, what)
        while True:
            value = condition()
            if value:
                return value
            deadline.check()
            self.next_frame()

    def wait_for_ended_page(self):
        """Returns once the page says that the game has ended, with the records saved."""
        self.wait_for('the ended page, with the records saved', lambda: self.evaluate(
            '!document.getElementById("ended").hidden && Module.recordsSaving === false'))

    def errors(self):
        """Exceptions the page threw and errors it logged, as texts."""
        found = []
        for event in self.events:
            if event.get('method') == 'Runtime.exceptionThrown':
                found.append(json.dumps(event['params']['exceptionDetails'])[:500])
            elif (event.get('method') == 'Runtime.consoleAPICalled'
                  and event['params']['type'] == 'error'):
                found.append(' '.join(str(a.get('value', a.get('description')))
                                      for a in event['params']['args']))
        return found

    def expect_no_errors(self, page='the page'):
        """Fails when the page threw or logged an error."""
        errors = self.errors()
        if errors:
            raise AssertionError(page + ' reported errors:\n' + '\n'.join(errors))

    def canvas_origin(self):
        rect = self.evaluate('(r => [r.left, r.top])(document.getElementById("canvas").getBoundingClientRect())')
        return rect[0], rect[1]

    def screenshot(self):
        """The canvas as shown, as a Picture of its device pixels."""
        x, y = self.canvas_origin()
        clip = {'x': x, 'y': y, 'width': PICTURE_WIDTH, 'height': PICTURE_HEIGHT, 'scale': 1}
        data = self.call('Page.captureScreenshot', format='png', clip=clip)['data']
        return Picture(base64.b64decode(data))

    def page_screenshot(self):
        """The whole page, the canvas with what surrounds it."""
        return Picture(base64.b64decode(self.call('Page.captureScreenshot', format='png')['data']))

    def click(self, x, y):
        """A left click at a point of the picture."""
        left, top = self.canvas_origin()
        at = {'x': left + x, 'y': top + y}
        self.call('Input.dispatchMouseEvent', type='mouseMoved', **at)
        self.call('Input.dispatchMouseEvent', type='mousePressed', button='left', clickCount=1, **at)
        self.call('Input.dispatchMouseEvent', type='mouseReleased', button='left', clickCount=1, **at)

    def press(self, key, code, virtual_key, text=''):
        self.call('Input.dispatchKeyEvent', type='keyDown', key=key, code=code,
                  windowsVirtualKeyCode=virtual_key, text=text)
        self.call('Input.dispatchKeyEvent', type='keyUp', key=key, code=code,
                  windowsVirtualKeyCode=virtual_key)


class Picture:
    """A PNG picture, its pixels read out by ImageMagick as rows of red, green, blue bytes."""

    def __init__(self, png):
        self.png = png
        self.width, self.height = struct.unpack('>II', png[16:24])
        raw = subprocess.run(['stream', '-map', 'rgb', '-storage-type', 'char', 'png:-', '-'],
                             input=png, stdout=subprocess.PIPE, check=True, timeout=60).stdout
        stride = self.width * 3
        self.rows = [raw[y * stride:(y + 1) * stride] for y in range(self.height)]

    def save(self, path):
        with open(path, 'wb') as file:
            file.write(self.png)

    def pixels(self, left, top, width, height):
        for row in self.rows[top:top + height]:
            for x in range(left, left + width):
                yield row[3 * x:3 * x + 3]

    def colours(self, left, top, width, height):
        """How many different colours the rectangle holds."""
        return len(set(self.pixels(left, top, width, height)))

    def differing(self, other, region=None, fuzz=0.02):
        """Pixels of the region (left, top, width, height; all when None) farther apart than
        fuzz, as ImageMagick measures it: the root mean square of the channel differences."""
        region = region or (0, 0, self.width, self.height)
        limit = (fuzz * 255) ** 2 * 3
        count = 0
        for a, b in zip(self.pixels(*region), other.pixels(*region)):
            if (a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2 + (a[2] - b[2]) ** 2 > limit:
                count += 1
        return count


def load_picture(path):
    with open(path, 'rb') as file:
        return Picture(file.read())


class Captures:
    """The native game's captures, beside which the browser's own are kept (web_*.png)."""

    def __init__(self, folder):
        self.folder = folder

    def native(self, name):
        return load_picture(os.path.join(self.folder, name + '.png'))

    def keep(self, shot, name):
        shot.save(os.path.join(self.folder, 'web_' + name + '.png'))
        return shot
