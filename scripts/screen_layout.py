#!/usr/bin/python3
# screen_layout.py: the positions and sizes of src/game/screen_layout.h, for the scripts that click
# and look at the game's screen, so that they follow the layout instead of copying it.
#
# As a module: read() gives every constant as an attribute: an int, a BWPoint as (x, y), a
# BWRect as (x, y, width, height), an int array as a tuple; centre() gives the middle of a button.
# As a program, for shell scripts, the values apart by spaces, a line per name:
#   screen_layout.py kPlayButton                                                 prints "171 265"
#   screen_layout.py --centre kSettingsButton kMenuButtonWidth kMenuButtonHeight prints "400 546"
import argparse
import ast
import os
import re
import sys
import types

HEADER = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                       '..', 'src', 'game', 'screen_layout.h'))

# The declarations the header uses; anything else outside comments and preprocessor lines is an
# error, so that a new form is taught here rather than skipped.
NAME = r'(?P<name>k\w+)'
DECLARATIONS = [
    ('int', re.compile(r'constexpr int32_t ' + NAME + r' = (?P<values>[^;]+);')),
    ('array', re.compile(r'constexpr int32_t ' + NAME
                         + r'\[(?P<size>[^]]+)\] = \{(?P<values>[^}]+)\};')),
    ('BWPoint', re.compile(r'constexpr BWPoint ' + NAME + r'\((?P<values>[^;]+)\);')),
    ('BWRect', re.compile(r'constexpr BWRect ' + NAME + r'\((?P<values>[^;]+)\);')),
]
FIELDS = {'BWPoint': 2, 'BWRect': 4}


class LayoutError(Exception):
    pass


def _divide(a, b):
    """C++'s integer division, which cuts toward zero."""
    quotient = abs(a) // abs(b)
    return quotient if (a < 0) == (b < 0) else -quotient


OPERATORS = {ast.Add: lambda a, b: a + b, ast.Sub: lambda a, b: a - b,
             ast.Mult: lambda a, b: a * b, ast.Div: _divide}


def evaluate(text, known):
    """The int value of a C++ constant expression made of numbers, constants read before it,
    elements of arrays read before it, + - * / and parentheses. Nothing else is run."""
    def value(node):
        if isinstance(node, ast.Constant) and type(node.value) is int:
            return node.value
        if isinstance(node, ast.Name) and isinstance(known.get(node.id), int):
            return known[node.id]
        if (isinstance(node, ast.Subscript) and isinstance(node.value, ast.Name)
                and isinstance(known.get(node.value.id), tuple)):
            array, index = known[node.value.id], value(node.slice)
            if 0 <= index < len(array):
                return array[index]
        if isinstance(node, ast.BinOp) and type(node.op) in OPERATORS:
            return OPERATORS[type(node.op)](value(node.left), value(node.right))
        if isinstance(node, ast.UnaryOp) and isinstance(node.op, ast.USub):
            return -value(node.operand)
        raise LayoutError(f'cannot evaluate "{ast.unparse(node)}"')

    try:
        return value(ast.parse(text.strip(), mode='eval').body)
    except (SyntaxError, ZeroDivisionError) as error:
        raise LayoutError(f'cannot evaluate "{text.strip()}": {error}') from None


def _declaration(line, known):
    for kind, pattern in DECLARATIONS:
        match = pattern.fullmatch(line)
        if not match:
            continue
        values = tuple(evaluate(part, known) for part in match['values'].split(','))
        if kind == 'int' and len(values) == 1:
            return match['name'], values[0]
        if kind == 'array' and len(values) == evaluate(match['size'], known):
            return match['name'], values
        if len(values) == FIELDS.get(kind):
            return match['name'], values
    raise LayoutError('not a declaration this reader knows')


def parse(text, source='<text>'):
    """The constants declared in the text of the layout header, by name, in their order."""
    known = {}
    for number, line in enumerate(text.splitlines(), 1):
        code = line.split('//', 1)[0].strip()
        if not code or code.startswith('#'):
            continue
        try:
            name, value = _declaration(code, known)
        except LayoutError as error:
            raise LayoutError(f'{source}:{number}: {error}: {line.strip()}') from None
        known[name] = value
    return known


def read(path=HEADER):
    """The constants of the header as attributes: read().kPlayButton."""
    with open(path, encoding='utf-8') as file:
        return types.SimpleNamespace(**parse(file.read(), path))


def centre(corner, width, height):
    """The middle of a button of that size at that top-left corner, halves rounded down."""
    return corner[0] + width // 2, corner[1] + height // 2


def main(arguments):
    parser = argparse.ArgumentParser(description='Prints constants of the game\'s screen layout, '
                                     'their values apart by spaces, one line per name.')
    parser.add_argument('--centre', nargs=3, metavar=('POINT', 'WIDTH', 'HEIGHT'),
                        help='print the middle of the button at POINT, WIDTH by HEIGHT')
    parser.add_argument('names', nargs='*', metavar='NAME')
    options = parser.parse_args(arguments)
    if not options.centre and not options.names:
        parser.error('name at least one constant, or --centre')
    layout = vars(read())
    for name in (options.centre or []) + options.names:
        if name not in layout:
            parser.error(f'{name} is not in {HEADER}')
    if options.centre:
        corner, width, height = (layout[name] for name in options.centre)
        if not (isinstance(corner, tuple) and len(corner) == 2 and isinstance(width, int)
                and isinstance(height, int)):
            parser.error('--centre takes a point, then a width and a height')
        print(*centre(corner, width, height))
    for name in options.names:
        value = layout[name]
        print(*value if isinstance(value, tuple) else [value])


if __name__ == '__main__':
    try:
        main(sys.argv[1:])
    except LayoutError as error:
        sys.exit(f'screen_layout.py: {error}')
