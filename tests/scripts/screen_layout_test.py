# screen_layout_test.py: the scripts' reader of the layout header gives the values the C++
# compiler would, refuses what it cannot read safely, and reads the game's own header whole.
import os
import subprocess
import sys
import unittest

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts')
sys.path.insert(0, SCRIPTS)

import screen_layout  # noqa: E402
from screen_layout import LayoutError, parse  # noqa: E402


class Values(unittest.TestCase):
    def test_every_form_of_declaration(self):
        layout = parse('''// a comment
#pragma once
constexpr int32_t kSize = 58;
constexpr int32_t kInner = kSize - 2 * (1 + 1); // after a comment
constexpr int32_t kRows[3] = {254, kSize, 335};
constexpr BWPoint kMark(kInner / 3, kRows[2]);
constexpr BWRect kCard(136, 196, 528, -238);
''')
        self.assertEqual(layout, {'kSize': 58, 'kInner': 54, 'kRows': (254, 58, 335),
                                  'kMark': (18, 335), 'kCard': (136, 196, 528, -238)})

    def test_division_cuts_toward_zero_as_in_cpp(self):
        layout = parse('constexpr int32_t kUp = 7 / 2;\nconstexpr int32_t kDown = -7 / 2;\n')
        self.assertEqual((layout['kUp'], layout['kDown']), (3, -3))

    def test_centre_of_odd_sizes_rounds_down(self):
        self.assertEqual(screen_layout.centre((171, 265), 123, 45), (232, 287))


class Refusals(unittest.TestCase):
    def refuses(self, line):
        with self.assertRaises(LayoutError) as raised:
            parse('constexpr int32_t kKnown = 1;\n\n' + line + '\n')
        self.assertIn(':3:', str(raised.exception))
        self.assertIn(line, str(raised.exception))

    def test_names_not_yet_declared(self):
        self.refuses('constexpr int32_t kA = kLater + 1;')

    def test_anything_but_arithmetic(self):
        self.refuses('constexpr int32_t kA = __import__("os").getpid();')
        self.refuses('constexpr int32_t kA = kKnown.real;')
        self.refuses('constexpr int32_t kA = 1 ** 2;')
        self.refuses('constexpr int32_t kA = 1 / 0;')

    def test_unknown_forms(self):
        self.refuses('constexpr double kA = 1.5;')
        self.refuses('constexpr BWPoint kA(1, 2, 3);')
        self.refuses('constexpr int32_t kA[3] = {1, 2};')
        self.refuses('constexpr int32_t kA = kKnown[0];')
        self.refuses('struct Place { int x; };')


class GameHeader(unittest.TestCase):
    def test_every_declaration_is_read(self):
        with open(screen_layout.HEADER) as header:
            declarations = sum(line.startswith('constexpr ') for line in header)
        self.assertEqual(len(vars(screen_layout.read())), declarations)

    def run_program(self, *arguments):
        program = os.path.join(SCRIPTS, 'screen_layout.py')
        return subprocess.run([sys.executable, program, *arguments], capture_output=True, text=True)

    def test_program_prints_values_a_line_per_name(self):
        layout = screen_layout.read()
        done = self.run_program('kPlayButton', 'kDialogCard', 'kOptionRows')
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(done.stdout.splitlines(), [' '.join(map(str, value)) for value in (
            layout.kPlayButton, layout.kDialogCard, layout.kOptionRows)])

    def test_program_prints_a_centre(self):
        layout = screen_layout.read()
        done = self.run_program('--centre', 'kPlayButton', 'kDialogButtonWidth', 'kCheckSize')
        x, y = screen_layout.centre(layout.kPlayButton, layout.kDialogButtonWidth, layout.kCheckSize)
        self.assertEqual(done.stdout, f'{x} {y}\n')

    def test_program_fails_on_an_unknown_name(self):
        done = self.run_program('kPlayButon')
        self.assertNotEqual(done.returncode, 0)
        self.assertIn('kPlayButon', done.stderr)
        self.assertEqual(done.stdout, '')


if __name__ == '__main__':
    unittest.main()
