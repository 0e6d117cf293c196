// main.cpp: the artwork generator: writes every picture, font and sound of the game into a folder.
//
//   artwork <folder>                  write the game's files (the build runs this for Resources/)
//   artwork --preview <file.png>      also or only: a contact sheet of every picture
//   artwork --mock <folder>           also or only: screens assembled from the pictures in place
//
// Everything is drawn from code with fixed inputs, so two runs write the same bytes.
#include "artwork.h"
#include "typeface.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#ifndef PELLIX_FONT_DIR
#define PELLIX_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

struct Options {
    std::string output;
    std::string preview;
    std::string mock;
};

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; i++) {
        bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--preview") == 0 && hasValue) options.preview = argv[++i];
        else if (std::strcmp(argv[i], "--mock") == 0 && hasValue) options.mock = argv[++i];
        else if (argv[i][0] != '-' && options.output.empty()) options.output = argv[i];
        else return false;
    }
    return !(options.output.empty() && options.preview.empty() && options.mock.empty());
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
    for (const OutputFile& file : art.files) ok = writeFile(folder / file.name, file.bytes) && ok;
    return ok;
}

bool run(const Options& options)
{
    Artwork art;
    addFonts(art);  // first: the menu spaces its best-time rows by the text font's line height
    addScreens(art);
    addButtons(art);
    addBoardPieces(art);
    addDialogs(art);
    addHelpPage(art);
    addSounds(art);
    addIcon(art);
    // Flawed art (clipped text) is never installed, but the previews still show what went wrong.
    bool flawless = artworkProblems().empty();
    bool written = true;
    if (flawless && !options.output.empty()) written = writeAll(art, options.output);
    if (!options.preview.empty()) written = writePreview(art, options.preview) && written;
    if (!options.mock.empty()) {
        std::error_code error;
        std::filesystem::create_directories(options.mock, error);
        written = writeMockScreens(art, options.mock) && written;
    }
    if (!written) artworkProblems().push_back("could not write every file");
    return flawless && written;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: artwork [<folder>] [--preview <file.png>] [--mock <folder>]\n");
        return 2;
    }
    bool ok = openTypefaces(PELLIX_FONT_DIR) && run(options);
    closeTypefaces();
    for (const std::string& problem : artworkProblems()) std::fprintf(stderr, "artwork: %s\n", problem.c_str());
    return ok ? 0 : 1;
}
