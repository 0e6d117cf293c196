// catalogue.h: the translated texts of one language, read from its compiled gettext catalogue.
//
// Every text a picture shows is written in the sources as text("where it is drawn, its room",
// "English"); xgettext collects them into po/pellix.pot by that keyword, with the first argument
// as the entry's context, so translators see where each text goes and how much room it has.
#pragma once

#include <string>
#include <vector>

struct Text {
    const char* context;
    const char* english;
};

constexpr Text text(const char* context, const char* english) { return {context, english}; }

// The languages the pictures are drawn in besides English: the folder name (a gettext language
// code), Pango's language tag, and the face for letters DejaVu lacks.
struct Language {
    std::string code;
    std::string pangoLanguage;
    std::string fallbackFamily;
};
const std::vector<Language>& translatedLanguages();

// Reads a ".mo" file; false (and English from then on) when it is missing or damaged.
bool useCatalogue(const std::string& path);
void useEnglish();

// The text in the catalogue's language; the English text where the catalogue has none.
std::string translate(Text text);
