#!/usr/bin/python3
# test-web.py: plays the browser build (build-web/) in headless chromium over the DevTools
# protocol: the menu matches the native capture, Play shows a board, a click places a digit,
# P pauses and Escape resumes, a Settings change survives a reload, and Exit leaves the ended page;
# then on a touch screen (web_touch.py), installed and offline (web_offline.py), and the page's
# life (web_page_life.py); and in German, as a browser that asks for it.
# Usage: test-web.py SITE_FOLDER NATIVE_CAPTURES_FOLDER
import sys
import time

import web_page_life
from screen_layout import centre
from web_board import PANEL_LEFT, PANEL_SLOT, PANEL_TOP, cell_centre, cell_inside, empty_cell, inked, panel_slot
from web_devtools import (BOARD_BUTTONS, BOARD_EXIT, DIALOG_PART, LAYOUT, MENU_PART, PLAY, Browser,
                          Captures, serve)
from web_offline import play_offline
from web_touch import play_by_touch

# Clicks press the middles of the buttons and of the mark.
MENU_BUTTON = (LAYOUT.kMenuButtonWidth, LAYOUT.kMenuButtonHeight)
DIALOG_BUTTON = (LAYOUT.kDialogButtonWidth, LAYOUT.kDialogButtonHeight)
MENU_SETTINGS = centre(LAYOUT.kSettingsButton, *MENU_BUTTON)
MENU_EXIT = centre(LAYOUT.kQuitMenuButton, *MENU_BUTTON)
DIALOG_MAIN_OF_THREE = centre(LAYOUT.kRightOfThreeButton, *DIALOG_BUTTON)
SOUND_OFF_MARK = centre(LAYOUT.kSoundOffMark, LAYOUT.kCheckSize, LAYOUT.kCheckSize)
# The settings dialog's title, the same whatever is chosen in it.
SETTINGS_TITLE = (300, 205, 200, 35)


class Run:
    def __init__(self, browser, captures):
        self.browser = browser
        self.captures = captures
        self.began = time.monotonic()

    def step(self, text):
        print(f'[{time.monotonic() - self.began:6.1f} s] {text}', flush=True)

    def shows(self, what, name, native, region, seconds=60):
        try:
            shot = self.browser.wait_for_match(what, self.captures.native(native), region, seconds)
        except TimeoutError:
            # What the page showed instead, to look at.
            self.captures.keep(self.browser.screenshot(), name + '_failed')
            raise
        return self.captures.keep(shot, name)

    def load(self, url):
        started = time.monotonic()
        self.browser.navigate(url)
        self.shows('the menu as the native game draws it', 'menu', 'game_menu', None, 120)
        self.step(f'the menu matches the native capture {time.monotonic() - started:.1f} s after loading')
        self.captures.keep(self.browser.page_screenshot(), 'page')

    def play_a_board(self):
        browser = self.browser
        browser.click(*PLAY)
        board = self.shows('a board after Play', 'board', 'game_board', BOARD_BUTTONS)
        self.step('Play shows a board')

        column, row = empty_cell(board)
        browser.click(*panel_slot(5))
        browser.click(*cell_centre(column, row))
        placed = browser.wait_for_shot(f'a digit in cell {column + 1},{row + 1}',
                                       lambda shot: inked(shot, column, row) > 30)
        self.captures.keep(placed, 'digit_placed')
        self.step(f'a click placed a digit in the empty cell {column + 1},{row + 1}')

        browser.press('p', 'KeyP', 80, 'p')
        self.shows('the pause dialog', 'pause', 'dialog_pause', DIALOG_PART)
        browser.press('Escape', 'Escape', 27)
        browser.wait_for_shot('the board again after Escape',
                              lambda shot: shot.differing(placed, cell_inside(column, row)) == 0)
        self.step('P opens the pause dialog and Escape closes it')

        browser.click(*BOARD_EXIT)
        self.shows('the exit dialog', 'exit_dialog', 'dialog_exit', DIALOG_PART)
        browser.click(*DIALOG_MAIN_OF_THREE)
        self.shows('the menu after leaving the game', 'menu_again', 'game_menu', MENU_PART)
        self.step('the exit dialog leads back to the menu')

    def settings_dialog(self, name):
        self.browser.click(*MENU_SETTINGS)
        return self.shows('the settings dialog', name, 'dialog_settings', SETTINGS_TITLE)

    def switch_sound_off_and_exit(self):
        browser = self.browser
        before = self.settings_dialog('settings')
        browser.click(*SOUND_OFF_MARK)
        changed = browser.wait_for_shot('sound off chosen',
                                        lambda shot: shot.differing(before, DIALOG_PART) > 0)
        browser.press('Escape', 'Escape', 27)
        self.shows('the menu after Settings', 'menu_after_settings', 'game_menu', MENU_PART)
        self.step('Settings: sound switched off')

        browser.click(*MENU_EXIT)
        browser.wait_for_ended_page()
        self.captures.keep(browser.page_screenshot(), 'ended')
        self.step('Exit leaves the page saying the game has ended')
        return changed

    def play_again_with(self, changed):
        self.browser.loads(lambda: self.browser.evaluate('document.getElementById("again").click(), true'))
        self.shows('the game again after Play again', 'menu_reloaded', 'game_menu', MENU_PART, 120)
        again = self.settings_dialog('settings_reloaded')
        if again.differing(changed, DIALOG_PART) != 0:
            raise AssertionError('the settings after the reload are not the ones chosen')
        self.step('Play again reloads the game, and its sound is still off')


# The art package of a language other than English: "pellix-de.js", "pellix-pt_BR.data".
LANGUAGE_PACKAGE = r'/pellix-[a-z]{2}(_[A-Z]{2})?\\.(js|data)$'


def loaded_language_packages(browser):
    return browser.evaluate("performance.getEntriesByType('resource').filter(function (entry) {"
                            f" return new RegExp('{LANGUAGE_PACKAGE}').test(entry.name); }}).length")


def in_german(url, captures, run):
    """A browser whose languages put German first shows the German menu, as the native game
    does with LANGUAGE=de, and loads the German package."""
    browser = Browser(extra_flags=['--lang=de', '--accept-lang=de'])
    try:
        browser.navigate(url)
        shot = browser.wait_for_match('the German menu', captures.native('language_menu_de'), None, 120)
        captures.keep(shot, 'menu_german')
        if loaded_language_packages(browser) != 2:
            raise AssertionError('the German page did not load the German package alone')
        browser.expect_no_errors('the German page')
    finally:
        browser.close()
    run.step('a browser asking for German shows the German menu')


def sharp_on_a_dense_screen(url, captures, run):
    """Two device pixels per CSS pixel: the canvas holds twice the pixels each way and the game
    draws its 2x art, as the native game does in a 1600 x 1200 window; a larger page gives a
    larger canvas at the same density."""
    browser = Browser(device_scale=2)
    try:
        browser.navigate(url)
        menu = tuple(2 * length for length in MENU_PART)
        shot = browser.wait_for_match('the menu in the 2x art', captures.native('scaled_menu_1600x1200'), menu, 120)
        captures.keep(shot, 'menu_device_scale_2')
        sizes = 'document.getElementById("canvas").width + "x" + document.getElementById("canvas").height'
        if browser.evaluate(sizes) != '1600x1200':
            raise AssertionError('the canvas holds ' + browser.evaluate(sizes) + ' pixels, not 1600x1200')
        browser.resize(1032, 782)
        browser.wait_for('a canvas of 2000x1500 pixels', lambda: browser.evaluate(sizes) == '2000x1500')
        browser.expect_no_errors()
    finally:
        browser.close()
    run.step('at two device pixels per CSS pixel the menu matches the native 1600 x 1200 capture')


def main():
    site, captures = sys.argv[1], Captures(sys.argv[2])
    server = serve(site)
    browser = Browser()
    try:
        run = Run(browser, captures)
        url = f'http://127.0.0.1:{server.server_address[1]}/'
        run.load(url)
        if loaded_language_packages(browser) != 0:
            raise AssertionError('the English page loaded a language package')
        run.step('the English page loads no language package')
        run.play_a_board()
        changed = run.switch_sound_off_and_exit()
        run.play_again_with(changed)
        game = web_page_life.PlayedGame()
        web_page_life.right_click_places_a_mark(run, game)
        web_page_life.game_survives_a_reload(run, game)
        web_page_life.game_survives_a_closed_tab(run, game, url)
        web_page_life.settings_survive_a_reload(run)
        web_page_life.one_tab_at_a_time(run, url)
        web_page_life.only_the_game_keys_are_kept(run)
        browser.expect_no_errors()
        browser.close()
        browser = None
        sharp_on_a_dense_screen(url, captures, run)
        in_german(url, captures, run)
        play_by_touch(url, captures, run)
        play_offline(site, captures, run)
        web_page_life.no_webgl_message(url, captures, run)
    finally:
        if browser:
            browser.close()
        server.shutdown()
    run.step('every browser check passed')


if __name__ == '__main__':
    main()
