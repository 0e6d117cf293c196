// main.cpp: the artwork generator: writes every picture, font and sound of the game into a folder.
//
//   artwork <folder>                  write the game's files (the build runs this for Resources/):
//                                     the 1x set in the folder, the 2x and 3x pictures and fonts
//                                     in its "@2x" and "@3x" folders
//   artwork --preview <file.png>      also or only: a contact sheet of every picture
//   artwork --mock <folder>           also or only: screens assembled from the pictures in place
//   artwork --scale 2|3 ...           previews and mocks from the 2x or 3x set instead of the 1x
//   artwork --app-icons <folder>      also or only: the browser page's app icons (app_icons.cpp)
//   artwork --catalogues <folder> ... also the translated sets, from the ".mo" files in the folder:
//                                     only the pictures with words, the label font and the board's
//                                     labels, into "<lang>/" (and "<lang>/@2x", "<lang>/@3x")
//   artwork --language <lang> ...     previews and mocks in that language (with --catalogues)
//
// Everything is drawn from code with fixed inputs, so two runs write the same bytes.
#include "artwork.h"
#include "catalogue.h"
#include "game/asset_files.h"
#include "typeface.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#ifndef PELLIX_FONT_DIR
#define PELLIX_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif
#ifndef PELLIX_CJK_FONT_DIR
#define PELLIX_CJK_FONT_DIR "/usr/share/fonts/opentype/noto"
#endif

namespace {

struct Options {
    std::string output;
    std::string preview;
    std::string mock;
    std::string appIcons;
    std::string catalogues;
    std::string language;
    int previewScale = 1;
};

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; i++) {
        bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--preview") == 0 && hasValue) options.preview = argv[++i];
        else if (std::strcmp(argv[i], "--mock") == 0 && hasValue) options.mock = argv[++i];
        else if (std::strcmp(argv[i], "--app-icons") == 0 && hasValue) options.appIcons = argv[++i];
        else if (std::strcmp(argv[i], "--scale") == 0 && hasValue) options.previewScale = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--catalogues") == 0 && hasValue) options.catalogues = argv[++i];
        else if (std::strcmp(argv[i], "--language") == 0 && hasValue) options.language = argv[++i];
        else if (argv[i][0] != '-' && options.output.empty()) options.output = argv[i];
        else return false;
    }
    bool knownScale = options.previewScale >= 1 && options.previewScale <= 3;
    bool knownLanguage = options.language.empty() || !options.catalogues.empty();
    return knownScale && knownLanguage &&
           !(options.output.empty() && options.preview.empty() && options.mock.empty() && options.appIcons.empty());
}

bool writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool writeAll(const Artwork& art, const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = !error;
    for (const NamedPicture& picture : art.pictures) ok = writeFile(folder / picture.name, picture.canvas.png()) && ok;
    for (const FontSheet& font : art.fonts) ok = writeFile(folder / font.name, encodeFont(font)) && ok;
    for (const OutputFile& file : art.files) ok = writeFile(folder / file.name, file.bytes) && ok;
    return ok;
}

// Every set is drawn by the same code in logical pixels; sounds and the Windows icon do not
// change with the scale, so only the 1x set carries them.
Artwork drawSet(int scale)
{
    Artwork art;
    art.scale = scale;
    addFonts(art);  // first: the menu spaces its best-time rows by the text font's line height
    addScreens(art);
    addButtons(art);
    addBoardPieces(art);
    addDialogs(art);
    addHelpPage(art);
    addIcon(art);
    if (scale == 1) addSounds(art);
    else art.files.clear();
    return art;
}

// A language's set: the pictures drawn from its catalogue that carry words, its label font and
// (at 1x) its board labels. Everything else the game takes from the English set.
Artwork drawLanguageSet(const std::string& language, int scale)
{
    Artwork art;
    art.scale = scale;
    art.language = language;
    addFonts(art);
    addBoardLabels(art);
    addScreens(art);
    addButtons(art);
    addDialogs(art);
    addHelpPage(art);
    std::erase_if(art.pictures, [](const NamedPicture& picture) { return !picture.canvas.hasWords(); });
    std::erase_if(art.fonts, [](const FontSheet& font) { return font.name != kMainFont; });
    return art;
}

std::filesystem::path setFolder(const std::filesystem::path& folder, int scale)
{
    return scale == 1 ? folder : folder / ("@" + std::to_string(scale) + "x");
}

// The sharper sets, one at a time so only one is held in memory. Each is checked like the 1x set.
bool writeScaledSets(const std::filesystem::path& folder)
{
    bool ok = true;
    for (int scale : {2, 3}) {
        Artwork art = drawSet(scale);
        ok = artworkProblems().empty() && writeAll(art, setFolder(folder, scale)) && ok;
    }
    return ok;
}

// Every file the game reads is among those drawn.
void checkGameFiles(const Artwork& art)
{
    for (const std::string& name : gameAssetFiles()) {
        bool drawn = false;
        for (const NamedPicture& picture : art.pictures) drawn = drawn || picture.name == name;
        for (const FontSheet& font : art.fonts) drawn = drawn || font.name == name;
        for (const OutputFile& file : art.files) drawn = drawn || file.name == name;
        if (!drawn) artworkProblems().push_back("the game reads " + name + ", which is not drawn");
    }
}

const Language* findLanguage(const std::string& code)
{
    for (const Language& language : translatedLanguages())
        if (language.code == code) return &language;
    return nullptr;
}

// Switches the texts to a language: its catalogue and its faces. False when it has no catalogue.
bool speak(const std::string& catalogues, const Language& language)
{
    setTextLanguage(language.pangoLanguage, language.fallbackFamily);
    if (useCatalogue(catalogues + "/" + language.code + ".mo")) return true;
    artworkProblems().push_back("no catalogue " + catalogues + "/" + language.code + ".mo");
    return false;
}

void speakEnglish()
{
    useEnglish();
    setTextLanguage("en", "");
}

// The translated sets at every scale of every second language from the first, each checked
// before it is written.
bool writeLanguageShare(const std::filesystem::path& folder, const std::string& catalogues, size_t first)
{
    bool ok = true;
    const std::vector<Language>& languages = translatedLanguages();
    for (size_t i = first; i < languages.size(); i += 2) {
        if (!speak(catalogues, languages[i])) return false;
        for (int scale : {1, 2, 3}) {
            Artwork art = drawLanguageSet(languages[i].code, scale);
            if (scale != 1) art.files.clear();  // the labels are the same at every scale
            ok = artworkProblems().empty() && writeAll(art, setFolder(folder / languages[i].code, scale)) && ok;
        }
    }
    speakEnglish();
    return ok;
}

// Starts a process of its own drawing a share of the languages: the sets do not depend on one
// another, and the drawing has one thread, so the build's cores draw them side by side. A
// forked copy holds its own fonts and catalogues. The share is drawn here where no process starts.
pid_t startLanguageShare(const std::filesystem::path& folder, const std::string& catalogues, size_t first)
{
    const pid_t child = fork();
    if (child == 0) {
        const bool ok = writeLanguageShare(folder, catalogues, first);
        for (const std::string& problem : artworkProblems()) std::fprintf(stderr, "artwork: %s\n", problem.c_str());
        _exit(ok ? 0 : 1);  // the parent's exit handlers and buffers are its own
    }
    if (child < 0 && !writeLanguageShare(folder, catalogues, first)) {
        artworkProblems().push_back("could not draw every language");
    }
    return child;
}

bool languageShareDrawn(pid_t child)
{
    int status = 0;
    return child < 0 || (waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

bool run(const Options& options)
{
    Artwork art = drawSet(1);
    checkGameFiles(art);
    // Flawed art (clipped text) is never installed, but the previews still show what went wrong.
    bool flawless = artworkProblems().empty();
    bool written = true;
    if (flawless && !options.output.empty()) {
        written = writeAll(art, options.output);
        std::vector<pid_t> shares;
        if (!options.catalogues.empty()) {
            for (size_t first : {0, 1}) shares.push_back(startLanguageShare(options.output, options.catalogues, first));
        }
        written = writeScaledSets(options.output) && written;
        for (pid_t share : shares) written = languageShareDrawn(share) && written;
    }
    if (!options.appIcons.empty()) {
        Artwork icons;
        icons.files = appIcons();
        written = writeAll(icons, options.appIcons) && written;
    }
    const Language* language = findLanguage(options.language);
    if (!options.language.empty() && !language) artworkProblems().push_back("no language " + options.language);
    if (language && speak(options.catalogues, *language)) {
        // The language's pictures over the English set, as the game puts them together.
        Artwork translated = drawLanguageSet(language->code, options.previewScale);
        if (options.previewScale != 1) art = drawSet(options.previewScale);
        for (NamedPicture& picture : translated.pictures)
            for (NamedPicture& english : art.pictures)
                if (english.name == picture.name) english.canvas = std::move(picture.canvas);
        for (OutputFile& file : translated.files) art.files.push_back(std::move(file));
        for (FontSheet& font : translated.fonts)
            for (FontSheet& english : art.fonts)
                if (english.name == font.name) english = std::move(font);
        speakEnglish();
    } else if (options.previewScale != 1) {
        art = drawSet(options.previewScale);
    }
    if (!options.preview.empty()) written = writePreview(art, options.preview) && written;
    if (!options.mock.empty()) {
        std::error_code error;
        std::filesystem::create_directories(options.mock, error);
        written = writeMockScreens(art, options.mock) && written;
    }
    if (!written) artworkProblems().push_back("could not write every file");
    return flawless && written && artworkProblems().empty();
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: artwork [<folder>] [--preview <file.png>] [--mock <folder>] [--app-icons <folder>] "
                             "[--scale 2|3] [--catalogues <folder>] [--language <lang>]\n");
        return 2;
    }
    bool ok = openTypefaces(PELLIX_FONT_DIR, PELLIX_CJK_FONT_DIR) && run(options);
    releaseShadows();
    closeTypefaces();
    for (const std::string& problem : artworkProblems()) std::fprintf(stderr, "artwork: %s\n", problem.c_str());
    return ok ? 0 : 1;
}
