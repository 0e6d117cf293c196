// asset_files.h: the name of every file the game reads from Resources, written once: the game
// loads its pictures, fonts and sounds by these names, the artwork tool checks that it drew each
// of them, and the tests that each is there and loads.
#pragma once

#include <array>
#include <string>
#include <vector>

// ---- Pictures shown whole.
constexpr const char* kSplashPicture = "splash.png";
constexpr const char* kMenuBackgroundPicture = "menu_background.png";
constexpr const char* kBoardBackgroundPicture = "game_background.png";
constexpr const char* kBoardOverlayPicture = "game_overlay.png";
constexpr const char* kLoadingPicture = "game_loading.png";
constexpr const char* kGameOverPicture = "game_over.png";
constexpr const char* kSelectionPicture = "game_select.png";
constexpr const char* kCheckPicture = "game_check.png";
constexpr const char* kSideNumbersPicture = "game_side_numbers.png";
constexpr const char* kSideNumbersSmallPicture = "game_side_numbers_small.png";
constexpr const char* kSideSelectPicture = "game_side_select.png";
constexpr const char* kHorizontalBorderPicture = "game_line_horz.png";
constexpr const char* kVerticalBorderPicture = "game_line_vert.png";
constexpr const char* kDigitDonePicture = "game_done.png";
constexpr const char* kUndoVoidPicture = "undo_void.png";
constexpr const char* kDialogBackgroundPicture = "dialog_background.png";
constexpr const char* kPauseDialogPicture = "dialog_pause.png";
constexpr const char* kResetDialogPicture = "dialog_reset.png";
constexpr const char* kExitDialogPicture = "dialog_exit.png";
constexpr const char* kClearDialogPicture = "dialog_clear.png";
constexpr const char* kAgainDialogPicture = "dialog_again.png";
constexpr const char* kTextboxDialogPicture = "dialog_textbox.png";
constexpr const char* kSettingsDialogPicture = "dialog_settings.png";
constexpr const char* kHelpDialogPicture = "dialog_help.png";
constexpr const char* kResumeDialogPicture = "dialog_resume.png";

constexpr std::array kWholePictures = {
    kSplashPicture, kMenuBackgroundPicture, kBoardBackgroundPicture, kBoardOverlayPicture, kLoadingPicture,
    kGameOverPicture, kSelectionPicture, kCheckPicture, kSideNumbersPicture, kSideNumbersSmallPicture,
    kSideSelectPicture, kHorizontalBorderPicture, kVerticalBorderPicture, kDigitDonePicture, kUndoVoidPicture,
    kDialogBackgroundPicture, kPauseDialogPicture, kResetDialogPicture, kExitDialogPicture, kClearDialogPicture,
    kAgainDialogPicture, kTextboxDialogPicture, kSettingsDialogPicture, kHelpDialogPicture, kResumeDialogPicture,
};

// ---- The cell backgrounds of zones 1 to 9: "game_zone1.png" to "game_zone9.png".
constexpr int kZonePictures = 9;
inline std::string zonePicture(int zone)
{
    return "game_zone" + std::to_string(zone) + ".png";
}

// ---- Buttons: three pictures each, "<stem>_button.png", "_down.png" and "_highlight.png".
enum class ButtonLook { Normal, Down, Highlight };
inline std::string buttonPicture(const char* stem, ButtonLook look)
{
    const char* const endings[] = {"_button.png", "_down.png", "_highlight.png"};
    return stem + std::string(endings[static_cast<int>(look)]);
}

constexpr std::array kButtonStems = {"play", "help", "settings", "exit_menu", "exit_game", "pause", "reset",
                                     "yes",  "no",   "main",     "done",      "clear",     "undo"};

// ---- Fonts and sounds.
constexpr const char* kMainFont = "font_main.fnt";
constexpr const char* kGivenFont = "font_original.fnt";
constexpr const char* kPlayerFont = "font_puzzle.fnt";
constexpr const char* kConflictFont = "font_conflict.fnt";
constexpr const char* kPencilFont = "font_puzzle_small.fnt";
constexpr const char* kPencilConflictFont = "font_conflict_small.fnt";
// A language's board labels, in the codes of its own "font_main.fnt"; the English set has none.
constexpr const char* kBoardLabelsFile = "board_labels.txt";
constexpr std::array kFonts = {kMainFont, kGivenFont, kPlayerFont, kConflictFont, kPencilFont, kPencilConflictFont};

constexpr const char* kCheckSound = "sound_check.wav";
constexpr const char* kNumberSound = "sound_number.wav";
constexpr const char* kPlaceSound = "sound_place.wav";
constexpr const char* kPencilSound = "sound_test.wav";
constexpr const char* kFinishSound = "sound_finish.wav";
constexpr const char* kDoneSound = "sound_done.wav";
constexpr std::array kSounds = {kCheckSound, kNumberSound, kPlaceSound, kPencilSound, kFinishSound, kDoneSound};

// Every picture the game reads, whole pictures first, then zones, then buttons.
inline std::vector<std::string> gamePictures()
{
    std::vector<std::string> names(kWholePictures.begin(), kWholePictures.end());
    for (int zone = 1; zone <= kZonePictures; ++zone) {
        names.push_back(zonePicture(zone));
    }
    for (const char* stem : kButtonStems) {
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Down, ButtonLook::Highlight}) {
            names.push_back(buttonPicture(stem, look));
        }
    }
    return names;
}

// Every file the game reads from Resources.
inline std::vector<std::string> gameAssetFiles()
{
    std::vector<std::string> names = gamePictures();
    names.insert(names.end(), kFonts.begin(), kFonts.end());
    names.insert(names.end(), kSounds.begin(), kSounds.end());
    return names;
}
