// board_labels.cpp: the board's nine table labels ("Classic (Normal)") in the catalogue's language,
// written in the codes of the label font made for them.
#include "artwork.h"
#include "catalogue.h"
#include "game/asset_files.h"
#include "game/screen_layout.h"
#include "typeface.h"

#include <map>
#include <string>
#include <vector>

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The labels in the game's order: layout by layout, each with the three difficulties.
std::vector<std::string> labels()
{
    const Text layouts[3] = {
        text("board label: the layout of nine 3x3 boxes", "Classic"),
        text("board label: the layout of nine irregular joined zones", "Random"),
        text("board label: the layout of nine scattered zones", "Chaos"),
    };
    const Text difficulties[3] = {
        text("board label: difficulty", "Easy"),
        text("board label: difficulty", "Normal"),
        text("board label: difficulty", "Hard"),
    };
    const std::string form = translate(
        text("board label above the board, drawn in a small font of 260 px; {layout} and {difficulty} are replaced "
             "by the words above; keep the letters it needs beyond ASCII few (30 at most for all nine labels)",
             "{layout} ({difficulty})"));
    std::vector<std::string> result;
    for (Text layout : layouts)
        for (Text difficulty : difficulties)
            result.push_back(replaced(replaced(form, "{layout}", translate(layout)), "{difficulty}", translate(difficulty)));
    return result;
}

// UTF-8 characters split apart: a lead byte and its continuation bytes (10xxxxxx).
std::vector<std::string> characters(const std::string& text)
{
    std::vector<std::string> result;
    for (unsigned char byte : text) {
        if ((byte & 0xc0) == 0x80 && !result.empty()) result.back() += char(byte);
        else result.emplace_back(1, char(byte));
    }
    return result;
}

}  // namespace

void addBoardLabels(Artwork& art)
{
    setProblemPlace(art.language, kBoardLabelsFile);
    const std::vector<std::string> texts = labels();
    std::vector<std::string> letters;
    std::map<std::string, char> codeOf;
    const std::vector<int> codes = letterCodes();
    for (const std::string& label : texts)
        for (const std::string& character : characters(label)) {
            if (static_cast<unsigned char>(character[0]) < 0x80 || codeOf.count(character)) continue;
            if (letters.size() < codes.size()) codeOf[character] = char(codes[letters.size()]);
            letters.push_back(character);
        }
    addLabelFont(art, letters);
    const FontSheet* font = art.font(kMainFont);
    OutputFile file{kBoardLabelsFile, {}};
    for (const std::string& label : texts) {
        std::string encoded;
        for (const std::string& character : characters(label)) {
            if (static_cast<unsigned char>(character[0]) < 0x80) encoded += character;
            else if (codeOf.count(character)) encoded += codeOf[character];
        }
        if (font && fontTextWidth(*font, encoded) > kLabelWidth)
            reportProblem("the board label \"" + label + "\" is wider than its " + std::to_string(kLabelWidth) + " pixels");
        file.bytes.insert(file.bytes.end(), encoded.begin(), encoded.end());
        file.bytes.push_back('\n');
    }
    art.files.push_back(std::move(file));
}
