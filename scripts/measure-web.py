#!/usr/bin/python3
# measure-web.py: what the browser build costs: the download (each file gzip-compressed, as a
# web server sends it, and what a plain and a dense screen load of them, the service worker,
# manifest and icons among them), the time from loading the page to the game's first frame and to the
# menu, and the CPU time chromium's page (renderer) and GPU processes take at the menu and on
# a board, in headless chromium on this machine.
# Usage: measure-web.py SITE_FOLDER NATIVE_CAPTURES_FOLDER [SECONDS_PER_SCREEN]
import gzip
import os
import sys
import time

from web_devtools import BOARD_BUTTONS, PLAY, Browser, Captures, serve

CLOCK_TICKS = os.sysconf('SC_CLK_TCK')


def download_sizes(site):
    sizes = {}
    for name in sorted(os.listdir(site)):
        path = os.path.join(site, name)
        if os.path.isfile(path):
            data = open(path, 'rb').read()
            sizes[name] = (len(data), len(gzip.compress(data, 9)))
    return sizes


def chromium_processes(browser_pid):
    """The renderer (the page's, and idle ones for the browser's own pages) and GPU processes
    below the browser process, by their --type flag."""
    found = {}
    for pid in os.listdir('/proc'):
        if not pid.isdigit():
            continue
        try:
            stat = open(f'/proc/{pid}/stat').read().rsplit(')', 1)[1].split()
            # Chromium rewrites its children's titles: the arguments are apart by spaces then.
            arguments = open(f'/proc/{pid}/cmdline', 'rb').read().replace(b'\0', b' ').split()
        except OSError:
            continue
        kind = next((a[7:].decode() for a in arguments if a.startswith(b'--type=')), None)
        if kind in ('renderer', 'gpu-process') and descends_from(int(pid), browser_pid):
            found.setdefault(kind, []).append(int(pid))
    return found


def descends_from(pid, ancestor):
    while pid > 1:
        if pid == ancestor:
            return True
        try:
            pid = int(open(f'/proc/{pid}/stat').read().rsplit(')', 1)[1].split()[1])
        except OSError:
            return False
    return False


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            fields = open(f'/proc/{pid}/stat').read().rsplit(')', 1)[1].split()
        except OSError:
            continue
        total += int(fields[11]) + int(fields[12])
    return total / CLOCK_TICKS


def cpu_use(browser, seconds):
    """Percent of one core each process kind took over the given wall-clock time."""
    processes = chromium_processes(browser.process.pid)
    before = {kind: cpu_seconds(pids) for kind, pids in processes.items()}
    started = time.monotonic()
    time.sleep(seconds)  # the measuring window itself, not a wait for the page
    elapsed = time.monotonic() - started
    return {kind: 100 * (cpu_seconds(pids) - before[kind]) / elapsed for kind, pids in processes.items()}


def first_frame(browser, blank):
    """The canvas differs from the page's own background: the game has drawn."""
    shot = browser.screenshot()
    return shot.differing(blank, (0, 0, shot.width, shot.height), 0.02) > shot.width * shot.height // 2


def main():
    site, captures = sys.argv[1], Captures(sys.argv[2])
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 10
    sizes = download_sizes(site)
    for name, (raw, packed) in sizes.items():
        print(f'{name:16} {raw / 1e6:7.3f} MB, gzip {packed / 1e6:7.3f} MB')
    # Every screen loads the game and its own art; a dense one one of the sharper sets too.
    plain = [name for name in sizes if not name.startswith('pellix-')]
    for screen, names in [('plain screen', plain), ('dense, 2x art', plain + ['pellix-2x.js', 'pellix-2x.data']),
                          ('dense, 3x art', plain + ['pellix-3x.js', 'pellix-3x.data'])]:
        raw = sum(sizes[name][0] for name in names)
        packed = sum(sizes[name][1] for name in names)
        print(f'download, {screen}: {raw / 1e6:7.3f} MB, gzip {packed / 1e6:7.3f} MB')
    # What playing offline and installing add to a plain screen's download (within it above).
    for part, names in [('service worker and manifest', ['sw.js', 'offline.js', 'manifest.webmanifest']),
                        ('app icons', [name for name in sizes if name.endswith('.png')])]:
        packed = sum(sizes[name][1] for name in names if name in sizes)
        print(f'of which {part}: gzip {packed / 1e3:7.1f} kB')

    server = serve(site)
    browser = Browser()
    try:
        browser.evaluate('document.body.innerHTML = \'<canvas id="canvas" width="800" height="600" '
                         'style="position:absolute;left:16px;top:16px;background:#f4f1ea"></canvas>\', true')
        blank = browser.screenshot()
        started = time.monotonic()
        browser.navigate(f'http://127.0.0.1:{server.server_address[1]}/')
        browser.wait_for('the first frame', lambda: first_frame(browser, blank), 120)
        print(f'page load to the first frame: {time.monotonic() - started:.2f} s')
        browser.wait_for_match('the menu', captures.native('game_menu'), None, 120)
        print(f'page load to the menu: {time.monotonic() - started:.2f} s')
        for kind, percent in sorted(cpu_use(browser, seconds).items()):
            print(f'CPU at the menu, {kind}: {percent:.1f} % of a core')
        browser.click(*PLAY)
        browser.wait_for_match('a board', captures.native('game_board'), BOARD_BUTTONS)
        for kind, percent in sorted(cpu_use(browser, seconds).items()):
            print(f'CPU on a board, {kind}: {percent:.1f} % of a core')
    finally:
        browser.close()
        server.shutdown()


if __name__ == '__main__':
    main()
