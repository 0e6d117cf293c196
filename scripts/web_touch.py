# web_touch.py: the browser build on a touch screen, driven in headless chromium with touch
# emulation: taps and long presses play, the page holds still under pinches and double taps,
# the on-screen keyboard types a best-time name, an upright phone is asked to turn, and Exit
# after the phone was turned ends the game as ever.
# test-web.py calls play_by_touch().
import base64
import json
import struct
import time
import zlib

from screen_layout import centre
from web_board import cell_centre, cell_inside, cell_middle, empty_cells, ink, inked, mark_place, panel_slot
from web_devtools import BOARD_BUTTONS, BOARD_EXIT, DIALOG_PART, LAYOUT, PLAY, VIEWPORT, Browser

DIALOG_BUTTON = (LAYOUT.kDialogButtonWidth, LAYOUT.kDialogButtonHeight)
YES = centre(LAYOUT.kLeftOfTwoButton, *DIALOG_BUTTON)
YES_OF_THREE = centre(LAYOUT.kLeftOfThreeButton, *DIALOG_BUTTON)
NAME_BOX = LAYOUT.kNameBox
# Where the page keeps the records (the maker's folder, as on Linux).
SETTINGS = '/home/web_user/.config/Brimworks/Settings'
# A phone held upright and on its side, and a tablet both ways.
PHONE_UPRIGHT, PHONE_LANDSCAPE = (390, 844), (844, 390)
TABLET_LANDSCAPE, TABLET_UPRIGHT = (1024, 768), (768, 1024)


class Touch:
    """One finger (and a second for a pinch) on the page, at points of the picture."""

    def __init__(self, browser):
        self.browser = browser

    def page_point(self, x, y):
        left, top = self.browser.canvas_origin()
        return {'x': left + x, 'y': top + y}

    def send(self, kind, points):
        self.browser.call('Input.dispatchTouchEvent', type=kind,
                          touchPoints=[dict(self.page_point(x, y), id=n) for n, (x, y) in enumerate(points)])

    def tap(self, x, y):
        self.send('touchStart', [(x, y)])
        self.send('touchEnd', [])

    def press(self, x, y):
        self.send('touchStart', [(x, y)])

    def lift(self):
        self.send('touchEnd', [])


def use_touch_screen(browser, width, height):
    """A phone's or tablet's viewport (its page laid out to the device's width) with a touch screen."""
    browser.call('Emulation.setTouchEmulationEnabled', enabled=True, maxTouchPoints=5)
    browser.call('Emulation.setDeviceMetricsOverride', width=width, height=height, deviceScaleFactor=1,
                 mobile=True)


def still(browser):
    return browser.evaluate('visualViewport.scale === 1 && scrollX === 0 && scrollY === 0 && '
                            'document.scrollingElement.scrollTop === 0')


def turn_card_shown(browser):
    return browser.evaluate('getComputedStyle(document.querySelector(".turn")).display === "flex" && '
                            'getComputedStyle(document.getElementById("canvas")).visibility === "hidden"')


def kept_game_record(elapsed=30.0):
    """A stored unfinished Classic game one cell from solved: cell 5,5 empty, every other given
    (the layout of src/game/kept_game.h). Returns the record and the missing digit."""
    solution = [[(row * 3 + row // 3 + column) % 9 + 1 for column in range(9)] for row in range(9)]
    # Arrays run column by column: cell (x, y) at x * 9 + y.
    cells = [(x, y) for x in range(9) for y in range(9)]
    zones = bytes((y // 3) * 3 + x // 3 + 1 for x, y in cells)
    solved = bytes(solution[y][x] for x, y in cells)
    given = bytes(0 if (x, y) == (4, 4) else solution[y][x] for x, y in cells)
    body = (struct.pack('<bbbbbbxxf', 0, 0, 0, 0, -1, -1, elapsed) + zones + solved + given + given
            + bytes(162) + struct.pack('<I', 0))
    head = struct.pack('<4sHHI', b'PXKG', 1, 518, 16 + len(body))
    return head + struct.pack('<I', zlib.crc32(body)) + body, solution[4][4]


def store_records(browser):
    browser.evaluate('new Promise(done => FS.syncfs(false, () => done(true)))')


class TouchRun:
    def __init__(self, url, captures, run):
        self.url = url
        self.captures = captures
        self.run = run
        # Sound starts only at what a browser counts as the player's own gesture.
        self.browser = Browser(extra_flags=['--autoplay-policy=user-gesture-required'])
        self.touch = Touch(self.browser)
        use_touch_screen(self.browser, *VIEWPORT)

    def shows(self, what, name, native, region, seconds=60):
        try:
            shot = self.browser.wait_for_match(what, self.captures.native(native), region, seconds)
        except TimeoutError:
            self.captures.keep(self.browser.screenshot(), 'touch_' + name + '_failed')
            raise
        return self.captures.keep(shot, 'touch_' + name)

    def look(self, size, name):
        """The page at a device's size, kept to look at."""
        use_touch_screen(self.browser, *size)
        self.browser.wait_for(f'the page laid out at {size[0]} x {size[1]}', lambda: self.browser.evaluate(
            f'innerWidth === {size[0]} && innerHeight === {size[1]}'))
        self.browser.next_frame()
        self.browser.next_frame()
        self.captures.keep(self.browser.page_screenshot(), name)

    def back_to_the_picture_size(self):
        use_touch_screen(self.browser, *VIEWPORT)
        self.browser.wait_for('the picture at its own size', lambda: self.browser.evaluate(
            'document.getElementById("canvas").getBoundingClientRect().width === 800'))

    def play(self):
        browser, touch = self.browser, self.touch
        browser.navigate(self.url)
        self.shows('the menu', 'menu', 'game_menu', None, 120)
        touch.tap(*PLAY)
        board = self.shows('a board after a tap on Play', 'board', 'game_board', BOARD_BUTTONS)
        self.run.step('touch: a tap on Play starts a game')

        empty = empty_cells(board)
        if len(empty) < 2:
            raise AssertionError('fewer than two empty cells found on the board')
        (column, row), (mark_column, mark_row) = empty[0], empty[1]
        touch.tap(*panel_slot(6))
        touch.tap(*cell_centre(column, row))
        placed = browser.wait_for_shot(f'a digit in cell {column + 1},{row + 1}',
                                       lambda shot: shot.differing(board, cell_inside(column, row)) > 60)
        self.captures.keep(placed, 'touch_digit')
        self.run.step(f'touch: a tap on the panel and one on cell {column + 1},{row + 1} placed a digit')

        # The mark comes while the finger is still down: the long press is the click.
        touch.press(*cell_centre(mark_column, mark_row))
        marked = browser.wait_for_shot(
            f'a pencil mark of 6 in cell {mark_column + 1},{mark_row + 1} under the held finger',
            lambda shot: shot.differing(placed, mark_place(mark_column, mark_row, 6)) > 5, 10)
        touch.lift()
        self.captures.keep(marked, 'touch_mark')
        # The selection's tint covers the cell; a digit's ink would be in its middle.
        if any(ink(pixel) for pixel in marked.pixels(*cell_middle(mark_column, mark_row))):
            raise AssertionError('the long press placed a digit, not a pencil mark')
        if inked(marked, column, row) < inked(placed, column, row):
            raise AssertionError('the long press took away the placed digit')
        self.run.step(f'touch: a long press on cell {mark_column + 1},{mark_row + 1} placed a pencil mark')

        context = browser.evaluate('Module.SDL2 && Module.SDL2.audioContext ? Module.SDL2.audioContext.state : "none"')
        if context not in ('running', 'none'):
            raise AssertionError('the sound is ' + context + ' after the taps')
        self.run.step(f'touch: the sound after the taps: {context}')
        return marked

    def holds_still(self, board):
        browser, touch = self.browser, self.touch
        middle = cell_centre(4, 4)
        touch.send('touchStart', [(middle[0] - 20, middle[1]), (middle[0] + 20, middle[1])])
        for step in range(1, 11):
            touch.send('touchMove', [(middle[0] - 20 - 15 * step, middle[1] - 8 * step),
                                     (middle[0] + 20 + 15 * step, middle[1] + 8 * step)])
        touch.lift()
        # A double tap on the paper beside the board, and a swipe down from the top.
        for _ in range(2):
            touch.tap(60, 560)
        touch.send('touchStart', [(400, 10)])
        for step in range(1, 11):
            touch.send('touchMove', [(400, 10 + 40 * step)])
        touch.lift()
        browser.next_frame()
        time.sleep(0.5)  # long enough for a zoom animation to have begun, had there been one
        if not still(browser):
            raise AssertionError('the page zoomed or scrolled: ' + json.dumps(browser.evaluate(
                '[visualViewport.scale, scrollX, scrollY]')))
        shot = browser.screenshot()
        if shot.differing(board, BOARD_BUTTONS) != 0:
            raise AssertionError('the board moved under the pinch')
        self.run.step('touch: a pinch, a double tap and a swipe over the canvas neither zoom nor scroll the page')

    def upright_phone(self):
        browser = self.browser
        self.look(PHONE_UPRIGHT, 'phone_upright')
        if not turn_card_shown(browser):
            raise AssertionError('an upright phone does not show the request to turn it')
        self.back_to_the_picture_size()
        self.shows('the pause dialog after the phone was upright', 'paused_upright', 'dialog_pause', DIALOG_PART)
        browser.press('Escape', 'Escape', 27)
        self.shows('the board again', 'board_after_turn', 'game_board', BOARD_BUTTONS)
        self.look(PHONE_LANDSCAPE, 'phone_landscape')
        if turn_card_shown(browser):
            raise AssertionError('a phone on its side shows the request to turn it')
        for size, name in [(TABLET_LANDSCAPE, 'tablet_landscape'), (TABLET_UPRIGHT, 'tablet_upright')]:
            self.look(size, name)
            if turn_card_shown(browser):
                raise AssertionError(f'a tablet of {size[0]} x {size[1]} shows the request to turn it')
        self.back_to_the_picture_size()
        self.run.step('touch: upright 390 x 844 asks to turn the phone and pauses the game; '
                      'on its side (844 x 390) and on a tablet the game shows')

    def exit_after_the_turn(self):
        """The page told the program of each turn while the program slept between frames; the
        end of the program still reaches the page."""
        browser, touch = self.browser, self.touch
        touch.tap(*BOARD_EXIT)
        self.shows('the exit dialog after the turns', 'exit_after_turn', 'dialog_exit', DIALOG_PART)
        touch.tap(*YES_OF_THREE)
        try:
            browser.wait_for_ended_page()
        finally:
            self.captures.keep(browser.page_screenshot(), 'touch_ended_after_turn')
        browser.expect_no_errors('the page ended after the turns')
        self.run.step('touch: after the phone was turned, Exit and Yes leave the page saying the game has ended')

    def type_a_name(self):
        browser, touch = self.browser, self.touch
        record, digit = kept_game_record()
        bytes_js = f'Uint8Array.from(atob("{base64.b64encode(record).decode()}"), c => c.charCodeAt(0))'
        # Away from the game, which the page keeps as it goes, the record is put in its place in the
        # page's database (the IndexedDB file store's own layout), as a game kept earlier.
        browser.navigate(self.url + 'manifest.webmanifest')
        stored = browser.evaluate(
            'new Promise(done => { const open = indexedDB.open("/home/web_user/.config", 21);'
            ' open.onerror = () => done(false); open.onsuccess = () => {'
            ' const writing = open.result.transaction(["FILE_DATA"], "readwrite");'
            f' writing.objectStore("FILE_DATA").put({{timestamp: new Date(), mode: 0o100644, contents: {bytes_js}}},'
            f' "{SETTINGS}/PellixGame");'
            ' writing.oncomplete = () => done(true); writing.onerror = () => done(false); }; })')
        if stored is not True:
            raise AssertionError('the kept game could not be put in the page database')
        browser.navigate(self.url)
        self.shows('the question whether to carry on', 'resume', 'dialog_resume', DIALOG_PART, 120)
        touch.tap(*YES)
        # Presses made while a dialog closes are dropped, as on the desktop: each waits for the
        # screen to answer the one before.
        board = self.shows('the kept board after Yes', 'kept_board', 'game_board', BOARD_BUTTONS)
        slot = (LAYOUT.kPanelLeft, LAYOUT.kPanelTop + LAYOUT.kPanelSlot * digit, LAYOUT.kPanelSlot, LAYOUT.kPanelSlot)
        touch.tap(*panel_slot(digit))
        browser.wait_for_shot(f'{digit} chosen on the panel', lambda shot: shot.differing(board, slot) > 0)
        touch.tap(*cell_centre(4, 4))
        field = 'document.activeElement && document.activeElement.className === "typing-field"'
        try:
            browser.wait_for('the name box taking typing through the hidden field', lambda: browser.evaluate(field), 60)
        except TimeoutError:
            self.captures.keep(browser.screenshot(), 'touch_name_failed')
            raise
        before = self.shows('the best-time name dialog', 'name', 'dialog_name', (200, 200, 400, 100))
        browser.call('Input.insertText', text='Tapx')
        browser.evaluate('document.execCommand("delete"), true')  # the on-screen keyboard's erase key
        browser.call('Input.insertText', text='é!')
        typed = browser.wait_for_shot('the typed name in the box', lambda shot: shot.differing(before, NAME_BOX) > 20)
        self.captures.keep(typed, 'touch_name_typed')
        # An on-screen keyboard's Enter: no place on a keyboard.
        browser.call('Input.dispatchKeyEvent', type='keyDown', key='Enter', windowsVirtualKeyCode=13)
        browser.call('Input.dispatchKeyEvent', type='keyUp', key='Enter', windowsVirtualKeyCode=13)
        browser.wait_for('the keyboard gone with the name box', lambda: not browser.evaluate(field))
        profile = browser.wait_for('the best time saved with the typed name', lambda: browser.evaluate(
            f'FS.analyzePath("{SETTINGS}/Pellix").exists && (t => t.indexOf("Tap!") >= 0 && t)'
            f'(String.fromCharCode.apply(null, FS.readFile("{SETTINGS}/Pellix")))'))
        if 'Tapx' in profile or '\xc3' in profile:
            raise AssertionError('the name was not typed under the box\'s rules')
        self.run.step('touch: the hidden field typed "Tap!" into the name box (erase key and a letter '
                      'outside ASCII included), its Enter closed the box and the keyboard went with it')

    def close(self):
        errors = self.browser.errors()
        self.browser.close()
        if errors:
            raise AssertionError('the page reported errors:\n' + '\n'.join(errors))


def play_by_touch(url, captures, run):
    touch = TouchRun(url, captures, run)
    try:
        marked = touch.play()
        touch.holds_still(marked)
        touch.upright_phone()
        touch.exit_after_the_turn()
        touch.type_a_name()
    finally:
        touch.close()
