# web_offline.py: the browser build installed and offline: its manifest and icons, the service
# worker, a game played with the network cut in a new tab, and a new build taking over.
# test-web.py calls play_offline().
import json
import os
import shutil
import struct
import tempfile
import urllib.request

import websocket

import service_worker
from web_board import cell_centre, cell_inside, empty_cell, inked, panel_slot
from web_devtools import BOARD_BUTTONS, DIALOG_PART, MENU_PART, PLAY, VIEWPORT, Browser, serve

TEMPLATE = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'web', 'sw.js')
REQUIRED = ['name', 'short_name', 'description', 'start_url', 'scope', 'display', 'orientation',
            'background_color', 'theme_color', 'icons']


def png_size(path):
    with open(path, 'rb') as file:
        head = file.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n':
        raise AssertionError(path + ' is not a PNG file')
    return struct.unpack('>II', head[16:24])


def check_manifest(browser, site):
    """The page links a manifest with every member an installable game needs; each icon is
    there at the size it states; the page's theme colour is the manifest's."""
    manifest = browser.evaluate('fetch(document.querySelector("link[rel=manifest]").href).then(r => r.json())')
    missing = [member for member in REQUIRED if not manifest.get(member)]
    if missing:
        raise AssertionError('the manifest lacks ' + ', '.join(missing))
    if (manifest['name'], manifest['display'], manifest['start_url'], manifest['scope']) != \
            ('Pellix', 'standalone', './', './'):
        raise AssertionError('the manifest names the game or its folder wrongly: ' + json.dumps(manifest))
    icons = manifest['icons']
    for icon in icons:
        width, height = (int(n) for n in icon['sizes'].split('x'))
        if png_size(os.path.join(site, icon['src'])) != (width, height):
            raise AssertionError(f'{icon["src"]} is not {icon["sizes"]}')
    sizes = {icon['sizes'] for icon in icons}
    if not {'192x192', '512x512'} <= sizes or not any(icon.get('purpose') == 'maskable' for icon in icons):
        raise AssertionError('the manifest lacks the 192 and 512 pixel icons or a maskable one')
    theme = browser.evaluate('(m => m && m.content)(document.querySelector("meta[name=theme-color]"))')
    if theme != manifest['theme_color']:
        raise AssertionError(f'the page\'s theme colour {theme} is not the manifest\'s')
    touch_icon = browser.evaluate('document.querySelector("link[rel=apple-touch-icon]").getAttribute("href")')
    if png_size(os.path.join(site, touch_icon)) != (180, 180):
        raise AssertionError('the apple-touch-icon is not 180 x 180')


def worker_ready(browser):
    """The page's service worker active and its cache holding everything kept at install."""
    return browser.evaluate('''navigator.serviceWorker.getRegistration().then(r => r && r.active &&
        r.active.state === "activated" && !r.installing && caches.keys().then(names => names.length === 1 &&
        caches.open(names[0]).then(c => c.keys()).then(keys => keys.length >= 13)))''')


def devtools(browser, path, method='GET'):
    with open(os.path.join(browser.profile, 'DevToolsActivePort')) as file:
        port = int(file.read().split()[0])
    request = urllib.request.Request(f'http://127.0.0.1:{port}{path}', method=method)
    with urllib.request.urlopen(request, timeout=10) as answer:
        return json.loads(answer.read() or b'null') if path.startswith('/json/new') else answer.read()


def new_tab_alone(browser):
    """Opens a new tab, closes every other one (the page that was loaded goes), and drives the new."""
    opened = devtools(browser, '/json/new?about:blank', 'PUT')
    for target in json.loads(devtools(browser, '/json/list')):
        if target['type'] == 'page' and target['id'] != opened['id']:
            devtools(browser, '/json/close/' + target['id'])
    browser.socket.close()
    browser.socket = websocket.create_connection(opened['webSocketDebuggerUrl'], timeout=60, suppress_origin=True)
    browser.call('Runtime.enable')
    browser.call('Page.enable')
    browser.resize(*VIEWPORT)


class OfflineRun:
    def __init__(self, site, captures, run):
        self.captures = captures
        self.run = run
        # A copy, so that a second build can be served at the same address.
        self.site = tempfile.mkdtemp(prefix='pellix-site-')
        shutil.copytree(site, self.site, dirs_exist_ok=True)
        self.server = serve(self.site)
        self.port = self.server.server_address[1]
        self.url = f'http://127.0.0.1:{self.port}/'
        self.browser = Browser()

    def menu(self, what, name):
        shot = self.browser.wait_for_match(what, self.captures.native('game_menu'), MENU_PART, 120)
        self.captures.keep(shot, name)

    def installable(self):
        browser = self.browser
        browser.navigate(self.url)
        self.menu('the menu', 'offline_first_load')
        check_manifest(browser, self.site)
        browser.wait_for('the service worker active with the game kept', lambda: worker_ready(browser), 120)
        self.run.step('installable: the manifest, its icons and the theme colour check; the service worker '
                      'registered and keeps the game')

    def dense_package_kept(self):
        """A dense screen's first load, which no worker controls yet, keeps its sharper art too."""
        dense = Browser(device_scale=2)
        try:
            dense.navigate(self.url)
            kept = ('caches.keys().then(names => names.length === 1 && caches.open(names[0])).then(c => c && '
                    'c.keys()).then(keys => keys && keys.map(k => k.url.split("/").pop()))')
            names = dense.wait_for('the 2x art kept', lambda: (lambda found: found and 'pellix-2x.data' in found
                                                               and found)(dense.evaluate(kept)), 120)
        finally:
            dense.close()
        if 'pellix-3x.data' in names:
            raise AssertionError('a 2x screen kept the 3x art it never loaded')
        self.run.step('offline: a dense screen\'s first load keeps the 2x art beside what the install kept')

    def offline(self):
        browser = self.browser
        browser.call('Network.enable')
        browser.call('Network.clearBrowserCache')
        self.server.shutdown()
        self.server.server_close()
        new_tab_alone(browser)
        browser.call('Network.enable')
        browser.call('Network.emulateNetworkConditions', offline=True, latency=0, downloadThroughput=-1,
                     uploadThroughput=-1)
        browser.navigate(self.url)
        self.menu('the menu with no network', 'offline_menu')
        browser.click(*PLAY)
        board = browser.wait_for_match('a board with no network', self.captures.native('game_board'), BOARD_BUTTONS)
        column, row = empty_cell(board)
        browser.click(*panel_slot(3))
        browser.click(*cell_centre(column, row))
        placed = browser.wait_for_shot('a digit placed offline', lambda shot: inked(shot, column, row) > 30)
        self.captures.keep(placed, 'offline_digit')
        self.run.step('offline: with the HTTP cache cleared, the server gone and the network cut, a new tab '
                      'shows the menu and plays')

    def new_build(self):
        """The same address serves a build with a changed page: the load that finds it, or the
        next one once its worker installed, plays it, from a cache of its own that replaced the
        old one."""
        browser = self.browser
        browser.call('Network.emulateNetworkConditions', offline=False, latency=0, downloadThroughput=-1,
                     uploadThroughput=-1)
        with open(os.path.join(self.site, 'index.html')) as file:
            page = file.read()
        with open(os.path.join(self.site, 'index.html'), 'w') as file:
            file.write(page.replace('<title>Pellix</title>', '<title>Pellix</title>\n<meta name="pellix-build" content="second">'))
        old_names = browser.evaluate('caches.keys()')
        new_name = 'pellix-' + service_worker.stamp(self.site, TEMPLATE)
        self.server = serve(self.site, self.port)
        # The page under way when the new build is found plays on from the old cache; the
        # new build waits, unless it was found before that page's game began.
        which = ('document.querySelector("meta[name=pellix-build]") ? "new" : navigator.serviceWorker'
                 '.getRegistration().then(r => r.waiting ? "waiting" : "")')
        browser.call('Page.navigate', url=self.url)
        found = browser.wait_for('the new build found', lambda: browser.evaluate_across_loads(which), 120)
        if found == 'waiting':
            caches = browser.evaluate('caches.keys()')
            if sorted(caches) != sorted(old_names + [new_name]):
                raise AssertionError('the old build\'s cache went while a page of it played: ' + json.dumps(caches))
            browser.call('Page.navigate', url=self.url)
            browser.wait_for('the new build at the next load', lambda: browser.evaluate_across_loads(which) == 'new', 120)
        # The game played offline was kept as it went: the new build first offers it again.
        shot = browser.wait_for_match('the new build asking to carry on with the kept game',
                                      self.captures.native('dialog_resume'), DIALOG_PART, 120)
        self.captures.keep(shot, 'offline_new_build')
        names = browser.evaluate('caches.keys()')
        if names != [new_name]:
            raise AssertionError(f'the caches after the new build took over: {names}')
        self.run.step('a new build served at the same address plays from the ' +
                      ('next load after it installed' if found == 'waiting' else 'load that found it') +
                      ', and its cache replaced the old one')

    def close(self):
        errors = self.browser.errors()
        self.browser.close()
        self.server.shutdown()
        shutil.rmtree(self.site, ignore_errors=True)
        if errors:
            raise AssertionError('the page reported errors:\n' + '\n'.join(errors))


def play_offline(site, captures, run):
    offline = OfflineRun(site, captures, run)
    try:
        offline.installable()
        offline.dense_package_kept()
        offline.offline()
        offline.new_build()
    finally:
        offline.close()
