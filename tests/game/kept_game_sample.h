// kept_game_sample.h: a kept game to store in tests, with something in every field.
#pragma once

#include "base/random.h"
#include "game/kept_game.h"
#include "puzzle/generator.h"

// A Random Hard game under way: digits right and wrong, marks, a selection, undo steps.
inline KeptGame gameUnderWay()
{
    seedRandom(16);
    KeptGame game;
    game.layout = ZoneLayout::Random;
    game.difficulty = Difficulty::Hard;
    generate(game.board, game.layout, game.difficulty);
    fillCells(game.board);
    int32_t edits = 0;
    for (int32_t i = 0; i < kCellCount && edits < 6; ++i) {
        Cell& cell = game.board.cells[i];
        if (cell.given) {
            continue;
        }
        game.undoList.push_back(UndoEntry{i / 9, i % 9, cell.digit, {}, game.selected});
        cell.digit = static_cast<int8_t>(edits % 2 == 0 ? cell.solutionDigit : 0);
        cell.marks[edits] = 1;
        game.selected = BWPoint(i / 9, i % 9);
        ++edits;
    }
    game.pencilMode = true;
    game.currentNumber = 7;
    game.elapsedSeconds = 1234.5f;
    return game;
}
