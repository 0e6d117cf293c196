// preview.cpp: the contact sheet of every picture, and mock screens assembled from the pictures at
// the places the game draws them, for judging the art in place.
#include "artwork.h"
#include "game/asset_files.h"
#include "game/screen_layout.h"
#include "typeface.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {


bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

void paintChecker(cairo_t* cr, Box box)
{
    cairo_save(cr);
    cairo_rectangle(cr, box.x, box.y, box.w, box.h);
    cairo_clip(cr);
    for (int y = 0; y * 8 < box.h; y++)
        for (int x = 0; x * 8 < box.w; x++) {
            cairo_set_source_rgb(cr, (x + y) % 2 ? 0.80 : 0.92, (x + y) % 2 ? 0.80 : 0.92, (x + y) % 2 ? 0.82 : 0.94);
            cairo_rectangle(cr, box.x + x * 8, box.y + y * 8, 8, 8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

void paintScaled(cairo_t* cr, const Canvas& picture, Box box)
{
    double scale = std::min({box.w / picture.width(), box.h / picture.height(), 2.0});
    double w = picture.width() * scale;
    double h = picture.height() * scale;
    Box area{box.x + (box.w - w) / 2, box.y + (box.h - h) / 2, w, h};
    paintChecker(cr, area);
    cairo_save(cr);
    cairo_translate(cr, area.x, area.y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, picture.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), scale < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

// A screen under construction: pictures and bitmap-font text at window positions.
struct Screen {
    const Artwork& art;
    Canvas canvas{kScreenWidth, kScreenHeight, art.scale};

    void picture(const std::string& name, int x = 0, int y = 0)
    {
        const Canvas* found = art.find(name);
        if (!found) return;
        cairo_set_source_surface(canvas.cr(), found->surface(), x, y);
        cairo_paint(canvas.cr());
    }
    void text(const std::string& font, int x, int y, const std::string& value)
    {
        if (const FontSheet* sheet = art.font(font)) drawFontText(canvas.cr(), *sheet, x, y, value);
    }
    int width(const std::string& font, const std::string& value)
    {
        const FontSheet* sheet = art.font(font);
        return sheet ? fontTextWidth(*sheet, value) : 0;
    }
    int height(const std::string& font)
    {
        const FontSheet* sheet = art.font(font);
        return sheet ? fontLineHeight(*sheet) : 0;
    }
};

void drawMenu(Screen& s, int layoutRow, int difficultyRow, const char* highlighted)
{
    s.picture("menu_background.png");
    s.picture("game_check.png", kLayoutColumn, kOptionRows[layoutRow]);
    s.picture("game_check.png", kDifficultyColumn, kOptionRows[difficultyRow]);
    auto button = [&](const std::string& name, int x, int y) {
        s.picture(name + (name == highlighted ? "_highlight.png" : "_button.png"), x, y);
    };
    button("play", kPlayButton.x, kPlayButton.y);
    button("help", kHelpButton.x, kMenuButtonRowTop);
    button("settings", kSettingsButton.x, kMenuButtonRowTop);
    button("exit_menu", kQuitMenuButton.x, kMenuButtonRowTop);
    const char* names[3] = {"Ada", "Anonymous", "Anonymous"};
    const char* times[3] = {"00:07:42", "20:00:00", "30:00:00"};
    for (int r = 0; r < 3; r++) {
        std::string name = std::to_string(r + 1) + "- " + names[r];
        int h = s.height("font_main.fnt");
        s.text("font_main.fnt", kBestNameLeft, kBestTop + r * h, name);
        s.text("font_main.fnt", kBestTimeLeft, kBestTop + r * h, times[r]);
    }
}

struct BoardState {
    int (*zoneOf)(int, int) = classicZone;
    bool paused = false;
    bool pencilMode = false;
    bool undoAvailable = true;
    bool solved = false;
    int currentNumber = 5;
    int table = 1;  // layout * 3 + difficulty: Classic (Normal)
};

// The board's label of a table: from the language's "board_labels.txt" when the set has one.
std::string boardLabel(const Artwork& art, int table)
{
    static const char* const english[9] = {"Classic (Easy)", "Classic (Normal)", "Classic (Hard)",
                                           "Random (Easy)",  "Random (Normal)",  "Random (Hard)",
                                           "Chaos (Easy)",   "Chaos (Normal)",   "Chaos (Hard)"};
    for (const OutputFile& file : art.files) {
        if (file.name != kBoardLabelsFile) continue;
        std::string labels(file.bytes.begin(), file.bytes.end());
        size_t start = 0;
        for (int line = 0; line < table && start != std::string::npos; line++) {
            start = labels.find('\n', start);
            if (start != std::string::npos) start++;
        }
        if (start != std::string::npos) return labels.substr(start, labels.find('\n', start) - start);
    }
    return english[table];
}

// A solved grid that satisfies the classic rules, used to show plausible digits.
int solutionAt(int x, int y) { return (x + 3 * (y % 3) + y / 3) % 9 + 1; }

void drawCell(Screen& s, const BoardState& state, int x, int y)
{
    int px = kBoardLeft + kCellSize * x;
    int py = kBoardTop + kCellSize * y;
    s.picture("game_zone" + std::to_string(state.zoneOf(x, y)) + ".png", px, py);
    if (state.paused) return;
    int digit = solutionAt(x, y);
    bool given = (x * 7 + y * 5) % 3 == 0;
    bool player = !given && ((x + y * 2) % 4 == 0 || state.solved);
    bool conflict = !state.solved && x == 6 && y == 1;
    if (conflict) digit = 4;
    if (given || player || conflict) {
        std::string font = conflict ? "font_conflict.fnt" : given ? "font_original.fnt" : "font_puzzle.fnt";
        std::string text(1, char('0' + digit));
        s.text(font, px + kCellSize / 2 - s.width(font, text) / 2, py + kCellSize / 2 - s.height(font) / 2, text);
        return;
    }
    if ((x + y) % 3 == 1) {
        for (int d = 1; d <= 9; d++) {
            if ((d * 3 + x + y) % 4 != 0 && d != digit) continue;
            std::string font = d == 4 && y == 1 ? "font_conflict_small.fnt" : "font_puzzle_small.fnt";
            std::string text(1, char('0' + d));
            int i = d - 1;
            s.text(font, px + (i % 3) * kCellSize / 3 + kCellSize / 6 - s.width(font, text) / 2,
                   py + (i / 3) * kCellSize / 3 + kCellSize / 6 - s.height(font) / 2, text);
        }
    }
}

void drawBoard(Screen& s, const BoardState& state)
{
    s.picture("game_background.png");
    for (int x = 0; x < 9; x++)
        for (int y = 0; y < 9; y++) drawCell(s, state, x, y);
    const int left = kBoardLeft - kBorderOffset;
    const int top = kBoardTop - kBorderOffset;
    for (int x = 0; x < 8; x++)
        for (int y = 0; y < 9; y++)
            if (state.zoneOf(x, y) != state.zoneOf(x + 1, y))
                s.picture("game_line_vert.png", left + kCellSize * (x + 1), top + kCellSize * y);
    for (int x = 0; x < 9; x++)
        for (int y = 0; y < 8; y++)
            if (state.zoneOf(x, y) != state.zoneOf(x, y + 1))
                s.picture("game_line_horz.png", left + kCellSize * x, top + kCellSize * (y + 1));
    if (!state.paused && !state.solved)
        s.picture("game_select.png", kBoardLeft + kSelectionInset + kCellSize * 4, kBoardTop + kSelectionInset + kCellSize * 2);
    if (state.pencilMode) s.picture("game_check.png", kPencilBoxLeft, kPencilBoxTop);
    s.picture("game_side_select.png", kPanelLeft + kSlotHighlightInset,
              kPanelTop + kSlotHighlightInset + kPanelSlot * state.currentNumber);
    s.picture(state.pencilMode ? "game_side_numbers_small.png" : "game_side_numbers.png", kPanelLeft, kPanelTop);
    s.picture("game_done.png", kPanelLeft, kPanelTop + kPanelSlot * 3);
    if (state.solved)
        for (int d = 1; d <= 9; d++) s.picture("game_done.png", kPanelLeft, kPanelTop + kPanelSlot * d);
    s.picture("game_overlay.png");
    s.text("font_main.fnt", kClockLeft, kClockTop, "00:12:34");
    s.text("font_main.fnt", kLabelLeft, kTopTextsTop, boardLabel(s.art, state.table));
    std::string best = "Anonymous - 10:00:00";
    s.text("font_main.fnt", kBestTimeRight - s.width("font_main.fnt", best), kTopTextsTop, best);
    s.picture("exit_game_button.png", kGameButtonsLeft, kQuitGameButton.y);
    s.picture("pause_highlight.png", kGameButtonsLeft, kPauseButton.y);
    s.picture(state.undoAvailable ? "undo_button.png" : "undo_void.png", kGameButtonsLeft, kUndoButton.y);
    s.picture("reset_down.png", kGameButtonsLeft, kResetButton.y);
}

void drawDialog(Screen& s, const std::string& message, const std::vector<std::pair<std::string, int>>& buttons)
{
    s.picture("dialog_background.png");
    for (size_t i = 0; i < buttons.size(); i++)
        s.picture(buttons[i].first + (i == 0 ? "_highlight.png" : "_button.png"), buttons[i].second, kDialogRowTop);
    s.picture(message);
}

// A line of text set in a bitmap font on white, to judge the font as the game will show it.
Canvas fontSample(const FontSheet& font)
{
    const std::string text = "Pellix 0123456789 Abc";
    Canvas sample(fontTextWidth(font, text) + 8, fontLineHeight(font) + 8, font.scale());
    cairo_set_source_rgb(sample.cr(), 1, 1, 1);
    cairo_paint(sample.cr());
    drawFontText(sample.cr(), font, 4, 4, text);
    return sample;
}

bool save(const Screen& s, const std::string& directory, const std::string& name)
{
    return writeBytes(directory + "/" + name, s.canvas.png());
}

}  // namespace

bool writePreview(const Artwork& art, const std::string& path)
{
    const int columns = 7;
    const int cellW = 200;
    const int cellH = 176;
    int count = static_cast<int>(art.pictures.size() + art.fonts.size());
    int rows = (count + columns - 1) / columns;
    Canvas sheet(columns * cellW, rows * cellH);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.98, 0.98, 0.97);
    cairo_paint(cr);
    TextStyle label{Face::Condensed, 11, rgb(0x333333)};
    std::vector<Canvas> samples;
    for (const FontSheet& font : art.fonts) samples.push_back(fontSample(font));
    for (int i = 0; i < count; i++) {
        bool isPicture = i < int(art.pictures.size());
        const Canvas& picture = isPicture ? art.pictures[i].canvas : samples[i - art.pictures.size()];
        const std::string& name = isPicture ? art.pictures[i].name : art.fonts[i - art.pictures.size()].name;
        const Canvas& measured = isPicture ? picture : art.fonts[i - art.pictures.size()].sheet;
        Box box{double(i % columns * cellW + 8), double(i / columns * cellH + 8), cellW - 16.0, cellH - 36.0};
        paintScaled(cr, picture, box);
        std::string caption = name + "  " + std::to_string(measured.width()) + "\u00d7" + std::to_string(measured.height());
        drawText(sheet, label, box.x + box.w / 2, box.y + box.h + 18, caption, Align::Centre);
    }
    return writeBytes(path, sheet.png());
}

namespace {

bool writeMenuScreens(const Artwork& art, const std::string& directory)
{
    bool ok = true;
    Screen s{art};
    drawMenu(s, 1, 2, "play");
    ok = save(s, directory, "mock_menu.png") && ok;
    s.picture("game_loading.png");
    ok = save(s, directory, "mock_loading.png") && ok;

    Screen settings{art};
    drawMenu(settings, 0, 1, "");
    settings.picture("dialog_background.png");
    settings.picture("dialog_settings.png");
    settings.picture("game_check.png", kSettingsLeftColumn, kSettingsRows[1]);
    settings.picture("game_check.png", kSettingsRightColumn, kSettingsRows[0]);
    settings.picture("clear_highlight.png", kClearButton.x, kClearButton.y);
    settings.picture("done_button.png", kMiddleButton.x, kDialogRowTop);
    ok = save(settings, directory, "mock_settings.png") && ok;
    drawDialog(settings, "dialog_clear.png", {{"yes", kLeftOfTwoButton.x}, {"no", kRightOfTwoButton.x}});
    ok = save(settings, directory, "mock_clear.png") && ok;

    Screen help{art};
    drawMenu(help, 0, 0, "help");
    help.picture("dialog_help.png");
    help.picture("done_button.png", kHelpDoneButton.x, kHelpDoneButton.y);
    return save(help, directory, "mock_help.png") && ok;
}

bool writeBoardScreens(const Artwork& art, const std::string& directory)
{
    bool ok = true;
    const std::pair<BoardState, const char*> boards[] = {
        {{}, "mock_game.png"},
        {{bandedZone, false, true, false, false, 0, 5}, "mock_game_random_pencil.png"},
        {{scatteredZone, false, false, true, false, 9, 6}, "mock_game_chaos.png"},
    };
    for (const auto& [state, name] : boards) {
        Screen s{art};
        drawBoard(s, state);
        ok = save(s, directory, name) && ok;
    }
    return ok;
}

bool writeGameDialogScreens(const Artwork& art, const std::string& directory)
{
    bool ok = true;
    Screen pause{art};
    drawBoard(pause, {classicZone, true, false, true, false, 5, 1});
    drawDialog(pause, "dialog_pause.png", {{"play", kMiddleButton.x}});
    ok = save(pause, directory, "mock_pause.png") && ok;

    Screen exit{art};
    drawBoard(exit, {bandedZone, true, false, true, false, 5, 4});
    drawDialog(exit, "dialog_exit.png",
               {{"yes", kLeftOfThreeButton.x}, {"no", kMiddleButton.x}, {"main", kRightOfThreeButton.x}});
    ok = save(exit, directory, "mock_exit.png") && ok;

    Screen resume{art};
    drawBoard(resume, {bandedZone, true, false, true, false, 5, 5});
    drawDialog(resume, "dialog_resume.png", {{"yes", kLeftOfTwoButton.x}, {"no", kRightOfTwoButton.x}});
    ok = save(resume, directory, "mock_resume.png") && ok;

    Screen solved{art};
    drawBoard(solved, {classicZone, false, false, true, true, 5, 1});
    Screen again{art};
    cairo_set_source_surface(again.canvas.cr(), solved.canvas.surface(), 0, 0);
    cairo_paint(again.canvas.cr());
    solved.picture("game_over.png");
    ok = save(solved, directory, "mock_solved.png") && ok;
    drawDialog(again, "dialog_again.png", {{"yes", kLeftOfTwoButton.x}, {"no", kRightOfTwoButton.x}});
    ok = save(again, directory, "mock_again.png") && ok;

    // The name entry: the text box paints its white field and the typed name itself.
    Screen name{art};
    drawBoard(name, {classicZone, false, false, true, true, 5, 1});
    name.picture("dialog_background.png");
    cairo_t* cr = name.canvas.cr();
    cairo_rectangle(cr, kNameBox.x, kNameBox.y, kNameBox.w, kNameBox.h);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    name.text("font_main.fnt", kNameBox.x + 2, kNameBox.y + (kNameBox.h - name.height("font_main.fnt")) / 2,
              "Ada Lovelace");
    name.picture("done_highlight.png", kMiddleButton.x, kDialogRowTop);
    name.picture("dialog_textbox.png");
    return save(name, directory, "mock_name.png") && ok;
}

}  // namespace

bool writeMockScreens(const Artwork& art, const std::string& directory)
{
    bool ok = writeMenuScreens(art, directory);
    ok = writeBoardScreens(art, directory) && ok;
    ok = writeGameDialogScreens(art, directory) && ok;
    for (const FontSheet& font : art.fonts)
        ok = writeBytes(directory + "/sample_" + font.name + ".png", fontSample(font).png()) && ok;
    for (int size : {16, 32, 48})
        ok = writeBytes(directory + "/sample_icon_" + std::to_string(size) + ".png", iconPicture(size).png()) && ok;
    return ok;
}
