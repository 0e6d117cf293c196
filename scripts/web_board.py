# web_board.py: where the browser checks look on the game's board: cells, the panel, digits and
# pencil marks.
from web_devtools import LAYOUT

BOARD_LEFT, BOARD_TOP, CELL = LAYOUT.kBoardLeft, LAYOUT.kBoardTop, LAYOUT.kCellSize
PANEL_LEFT, PANEL_TOP, PANEL_SLOT = LAYOUT.kPanelLeft, LAYOUT.kPanelTop, LAYOUT.kPanelSlot
# The nine rows and columns of cells.
BOARD = (BOARD_LEFT, BOARD_TOP, 9 * CELL, 9 * CELL)


def cell_centre(column, row):
    return BOARD_LEFT + CELL * column + CELL // 2, BOARD_TOP + CELL * row + CELL // 2


def cell_inside(column, row):
    """The inside of a cell, clear of its lines and of the selection frame."""
    return BOARD_LEFT + CELL * column + 10, BOARD_TOP + CELL * row + 10, CELL - 20, CELL - 20


def cell_middle(column, row):
    """The middle of a cell, where a digit is drawn and no pencil mark."""
    return BOARD_LEFT + CELL * column + CELL // 2 - 8, BOARD_TOP + CELL * row + CELL // 2 - 8, 16, 16


def mark_place(column, row, digit):
    """The ninth of a cell where the pencil mark of a digit goes (1 top left, 9 bottom right),
    clear of the selection frame."""
    third = CELL // 3
    return (BOARD_LEFT + CELL * column + third * ((digit - 1) % 3) + 4,
            BOARD_TOP + CELL * row + third * ((digit - 1) // 3) + 4, third - 8, third - 8)


def panel_slot(slot):
    """The middle of a slot of the side panel: 0 the eraser, then the numbers 1 to 9."""
    return PANEL_LEFT + PANEL_SLOT // 2, PANEL_TOP + PANEL_SLOT * slot + PANEL_SLOT // 2


def ink(pixel):
    """Part of a digit: the dark given ones, the player's blue ones, or red ones in conflict.
    The zones' light patterns are none of these."""
    red, green, blue = pixel
    return max(pixel) < 100 or (blue > 150 and red < 80 and green < 120) or (red > 150 and green < 80 and blue < 80)


def pencil_ink(pixel):
    """Part of a pencil mark: the pencil's grey, or red in conflict."""
    red, green, blue = pixel
    grey = abs(red - 0x55) < 25 and abs(green - 0x5b) < 25 and abs(blue - 0x67) < 25
    return grey or (red > 150 and green < 80 and blue < 80)


def inked(shot, column, row, test=ink):
    return sum(1 for pixel in shot.pixels(*cell_inside(column, row)) if test(pixel))


def empty_cells(board):
    """The cells with neither a digit nor a pencil mark."""
    return [(column, row) for row in range(9) for column in range(9)
            if inked(board, column, row) == 0 and inked(board, column, row, pencil_ink) == 0]


def empty_cell(board):
    cells = empty_cells(board)
    if not cells:
        raise AssertionError('no empty cell on the board')
    return cells[0]
