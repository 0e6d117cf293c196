// art_language.h: the language of the pictures with words, and the board's labels in it.
//
// A language's folder inside "Resources" ("de/", "pt_BR/", with their "@2x/" and "@3x/") holds
// only the pictures with words, the label font "font_main.fnt" (whose codes 1 to 31 carry the
// letters beyond ASCII its labels use) and "board_labels.txt". Every file it lacks, or cannot
// read, comes from the English set.
#pragma once

#include "base/bw_string.h"

#include <string>
#include <vector>

// The folder of the first language the system prefers that `hasFolder` finds, trying each
// entry as given ("pt_BR") and then its language alone ("pt"); "" for English, which an "en",
// "C" or "POSIX" entry chooses as well as a list with nothing known in it.
std::string chooseArtLanguage(const std::vector<std::string>& preferred, bool (*hasFolder)(const char* folder));

// The language files load from: "" (English) until set.
void setArtLanguage(const std::string& folder);
const std::string& artLanguage();

// The language's file of that name ("de/menu_background.png"), or null when English is in use.
BWString languageFileName(const BWString& name);

// The board's nine table labels in the label font's codes, layout by layout, each with the
// three difficulties; empty when the language has none or its file is damaged.
std::vector<std::string> readTableLabels(const char* fileName);
