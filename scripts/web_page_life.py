# web_page_life.py: the browser checks of the page's life: a right click is only a pencil mark,
# a reloaded or closed tab keeps the game and the settings, one tab plays at a time, only the
# game's keys are kept from the browser, and a browser without WebGL is told so in words.
# test-web.py runs each on its Run (the browser, the captures and the step log).
import struct

from screen_layout import centre
from web_board import BOARD, cell_centre, empty_cell, inked, panel_slot, pencil_ink
from web_devtools import BOARD_BUTTONS, BOARD_EXIT, DIALOG_PART, LAYOUT, MENU_PART, PLAY, VIEWPORT, Browser

DIALOG_BUTTON = (LAYOUT.kDialogButtonWidth, LAYOUT.kDialogButtonHeight)
YES_OF_TWO = centre(LAYOUT.kLeftOfTwoButton, *DIALOG_BUTTON)
MAIN_OF_THREE = centre(LAYOUT.kRightOfThreeButton, *DIALOG_BUTTON)
SOUND_ON_MARK = centre(LAYOUT.kSoundOnMark, LAYOUT.kCheckSize, LAYOUT.kCheckSize)
KEPT_GAME = '/home/web_user/.config/Brimworks/Settings/PellixGame'
PHONE = (390, 844)
# How far the kept clock may be from where the game's clock stood when the page went.
CLOCK_SLACK = 2.0


def right_click(browser, x, y, on_canvas=True):
    left, top = browser.canvas_origin() if on_canvas else (0, 0)
    at = {'x': left + x, 'y': top + y}
    browser.call('Input.dispatchMouseEvent', type='mouseMoved', **at)
    browser.call('Input.dispatchMouseEvent', type='mousePressed', button='right', clickCount=1, **at)
    browser.call('Input.dispatchMouseEvent', type='mouseReleased', button='right', clickCount=1, **at)


def stored_elapsed(browser):
    """The playing time in the kept game the page has stored, once it has one."""
    browser.wait_for('the kept game in the page\'s records',
                     lambda: browser.evaluate(f'FS.analyzePath("{KEPT_GAME}").exists'), 10)
    record = bytes(browser.evaluate(f'Array.from(FS.readFile("{KEPT_GAME}"))'))
    return struct.unpack_from('<f', record, 24)[0]


class PlayedGame:
    """What the checks remember of the game in play: its board as shown, and its clock when the
    page last went, as the game's last frame had it."""

    def __init__(self):
        self.board = None
        self.left_at = 0.0

    def leave(self, browser):
        """The page is about to go: its clock stands where the last frame put it."""
        record = bytes(browser.evaluate(f'Array.from(Module.pellixEndingFiles["{KEPT_GAME}"])'))
        self.left_at = struct.unpack_from('<f', record, 24)[0]


def right_click_places_a_mark(run, game):
    """On a new board a right click on an empty cell is the game's pencil mark, and the canvas
    cancels the browser's menu; outside the canvas the menu stays the browser's."""
    browser = run.browser
    # test-web.py's own checks end in the settings dialog.
    browser.press('Escape', 'Escape', 27)
    run.shows('the menu', 'menu_before_marks', 'game_menu', MENU_PART)
    browser.click(*PLAY)
    board = run.shows('a board after Play', 'board_for_marks', 'game_board', BOARD_BUTTONS)
    browser.evaluate('window.pellixMenus = [], document.addEventListener("contextmenu", '
                     'event => pellixMenus.push(event)), true')
    column, row = empty_cell(board)
    browser.click(*panel_slot(3))
    right_click(browser, *cell_centre(column, row))
    marked = browser.wait_for_shot(f'a pencil mark in cell {column + 1},{row + 1}',
                                   lambda shot: inked(shot, column, row, pencil_ink) > 0)
    run.captures.keep(marked, 'pencil_mark')
    if not browser.evaluate('pellixMenus.length > 0 && pellixMenus.every(event => event.defaultPrevented)'):
        raise AssertionError('a right click on the canvas left the browser its menu')
    right_click(browser, 4, 4, on_canvas=False)
    if browser.evaluate('pellixMenus[pellixMenus.length - 1].defaultPrevented'):
        raise AssertionError('a right click beside the canvas lost the browser\'s menu')
    run.step('a right click places a pencil mark and no browser menu over the canvas')

    browser.click(*panel_slot(5))
    column, row = empty_cell(marked)
    browser.click(*cell_centre(column, row))
    game.board = browser.wait_for_shot('a digit beside the mark', lambda shot: inked(shot, column, row) > 30)


def answer_yes_to_resume(run, game, name):
    """The resume question after a new start; yes brings the same board back."""
    browser = run.browser
    run.shows('the question whether to carry on', name, 'dialog_resume', DIALOG_PART, 120)
    kept = stored_elapsed(browser)
    if abs(kept - game.left_at) > CLOCK_SLACK:
        raise AssertionError(f'the kept clock says {kept:.1f} s, the game had run {game.left_at:.1f} s')
    browser.click(*YES_OF_TWO)
    try:
        shot = browser.wait_for_shot('the same board again',
                                     lambda shot: shot.differing(game.board, BOARD) == 0)
    except TimeoutError:
        run.captures.keep(browser.screenshot(), name + '_failed')
        run.captures.keep(game.board, name + '_wanted')
        raise
    run.captures.keep(shot, name + '_yes')
    return kept


def game_survives_a_reload(run, game):
    """Play, a digit and a mark, then a reload: the question, and yes gives the same board with
    its clock."""
    game.leave(run.browser)
    run.browser.loads(lambda: run.browser.call('Page.reload'))
    kept = answer_yes_to_resume(run, game, 'resume_after_reload')
    run.step(f'after a reload the game comes back, its clock at {kept:.1f} s')


def game_survives_a_closed_tab(run, game, url):
    """The tab closed and a new one opened on the same browser profile: the same game."""
    browser = run.browser
    old = browser.target
    game.leave(browser)
    tab = browser.open_tab()
    browser.switch_to(tab)
    browser.close_tab(old)
    browser.navigate(url)
    kept = answer_yes_to_resume(run, game, 'resume_after_closed_tab')
    run.step(f'after the tab was closed a new tab carries on with the game, its clock at {kept:.1f} s')


def settings_survive_a_reload(run):
    """Back at the menu, a Settings change and at once a reload: the change is kept."""
    browser = run.browser
    browser.click(*BOARD_EXIT)
    run.shows('the exit dialog', 'exit_dialog_again', 'dialog_exit', DIALOG_PART)
    browser.click(*MAIN_OF_THREE)
    run.shows('the menu after leaving the game', 'menu_left_game', 'game_menu', MENU_PART)
    before = run.settings_dialog('settings_before_change')
    browser.click(*SOUND_ON_MARK)
    changed = browser.wait_for_shot('sound on chosen', lambda shot: shot.differing(before, DIALOG_PART) > 0)
    browser.press('Escape', 'Escape', 27)
    run.shows('the menu after Settings', 'menu_after_change', 'game_menu', MENU_PART)
    browser.loads(lambda: browser.call('Page.reload'))
    run.shows('the menu after a reload', 'menu_after_reload', 'game_menu', MENU_PART, 120)
    again = run.settings_dialog('settings_after_reload')
    if again.differing(changed, DIALOG_PART) != 0:
        raise AssertionError('the settings after a reload are not the ones chosen')
    browser.press('Escape', 'Escape', 27)
    run.shows('the menu', 'menu_after_settings_reload', 'game_menu', MENU_PART)
    run.step('a Settings change survives a reload at once')


def one_tab_at_a_time(run, url):
    """A second tab while the first plays says so and starts nothing; once the first is closed,
    its button starts the game."""
    browser = run.browser
    first = browser.target
    second = browser.open_tab()
    browser.switch_to(second)
    browser.navigate(url)
    browser.wait_for('the already-running card', lambda: browser.evaluate(
        '!!document.getElementById("running") && !document.getElementById("running").hidden'), 30)
    text = browser.evaluate('document.getElementById("running").textContent')
    if 'Pellix is already running.' not in text:
        raise AssertionError('the second tab says: ' + text)
    if not browser.evaluate('typeof FS === "undefined" && !document.querySelector("script[src=\'pellix.js\']") '
                            '&& document.getElementById("canvas").hidden'):
        raise AssertionError('the second tab started the game')
    run.captures.keep(browser.page_screenshot(), 'page_already_running')
    browser.resize(*PHONE)
    browser.next_frame()
    run.captures.keep(browser.page_screenshot(), 'page_already_running_phone')
    browser.resize(*VIEWPORT)
    run.step('a second tab says Pellix is already running and starts nothing')

    browser.close_tab(first)
    browser.evaluate('document.getElementById("running-button").click(), true')
    run.shows('the menu after trying again', 'menu_after_try_again', 'game_menu', MENU_PART, 120)
    run.step('with the first tab closed, Try again starts the game')


def only_the_game_keys_are_kept(run):
    """F5 and Ctrl+R keep their browser meaning; Z and the digits are the game's."""
    browser = run.browser
    browser.evaluate('window.pellixKeys = {}, window.addEventListener("keydown", '
                     'event => pellixKeys[event.code + (event.ctrlKey ? "+Ctrl" : "")] = event, true), true')
    browser.click(4, 4)  # the canvas has the keys
    keys = [('F5', 'F5', 116, 0, ''), ('r', 'KeyR', 82, 2, ''), ('z', 'KeyZ', 90, 0, 'z'),
            ('5', 'Digit5', 53, 0, '5'), ('5', 'Numpad5', 101, 0, '5')]
    for key, code, virtual_key, modifiers, text in keys:
        for kind in ('keyDown', 'keyUp'):
            browser.call('Input.dispatchKeyEvent', type=kind, key=key, code=code,
                         windowsVirtualKeyCode=virtual_key, modifiers=modifiers,
                         text=text if kind == 'keyDown' else '')
    cancelled = browser.evaluate('Object.fromEntries(Object.entries(pellixKeys).map('
                                 '([code, event]) => [code, event.defaultPrevented]))')
    wanted = {'F5': False, 'KeyR+Ctrl': False, 'KeyZ': True, 'Digit5': True, 'Numpad5': True}
    if cancelled != wanted:
        raise AssertionError(f'keys cancelled: {cancelled}, wanted {wanted}')
    run.step('F5 and Ctrl+R keep their browser meaning, Z and the digits are the game\'s')


def no_webgl_message(url, captures, run):
    """A browser with WebGL switched off is told in words that the game needs it."""
    browser = Browser(extra_flags=['--disable-webgl', '--disable-3d-apis'])
    try:
        browser.navigate(url)
        browser.wait_for('the WebGL message', lambda: browser.evaluate(
            '!!document.getElementById("no-webgl") && !document.getElementById("no-webgl").hidden'), 30)
        text = browser.evaluate('document.getElementById("no-webgl").textContent')
        if 'WebGL' not in text or 'switched off or missing' not in text:
            raise AssertionError('without WebGL the page says: ' + text)
        captures.keep(browser.page_screenshot(), 'page_no_webgl')
        browser.resize(*PHONE)
        browser.next_frame()
        captures.keep(browser.page_screenshot(), 'page_no_webgl_phone')
    finally:
        browser.close()
    run.step('without WebGL the page says that the game needs it')
