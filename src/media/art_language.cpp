// art_language.cpp: choosing the language of the art and finding its files.
#include "media/art_language.h"

#include "media/file_bytes.h"

#include <algorithm>
#include <cctype>

namespace {

std::string currentLanguage;

// "de_DE.UTF-8@euro" and "de-DE" both as "de_DE"; the language in lower case, the region in upper.
std::string normalised(const std::string& name)
{
    std::string code = name.substr(0, name.find_first_of(".@"));
    std::replace(code.begin(), code.end(), '-', '_');
    const size_t underscore = code.find('_');
    for (size_t i = 0; i < code.size(); i++) {
        const auto c = static_cast<unsigned char>(code[i]);
        code[i] = static_cast<char>(i < underscore ? std::tolower(c) : std::toupper(c));
    }
    return code;
}

// The folders an entry may name, best first. Chinese in simplified script means zh_CN whatever
// the region; Portuguese alone takes the Brazilian pictures rather than none.
std::vector<std::string> candidates(const std::string& code)
{
    const std::string language = code.substr(0, code.find('_'));
    if (language == "zh") {
        const bool simplified = code == "zh" || code == "zh_CN" || code == "zh_SG" || code.rfind("zh_HANS", 0) == 0;
        return simplified ? std::vector<std::string>{"zh_CN"} : std::vector<std::string>{};
    }
    std::vector<std::string> folders{code};
    if (language != code) {
        folders.push_back(language);
    }
    if (language == "pt") {
        folders.emplace_back("pt_BR");
    }
    return folders;
}

} // namespace

std::string chooseArtLanguage(const std::vector<std::string>& preferred, bool (*hasFolder)(const char* folder))
{
    for (const std::string& entry : preferred) {
        const std::string code = normalised(entry);
        if (code.empty()) {
            continue;
        }
        if (code == "C" || code == "c" || code == "POSIX" || code == "posix" || code.rfind("en", 0) == 0) {
            return "";
        }
        for (const std::string& folder : candidates(code)) {
            if (hasFolder(folder.c_str())) {
                return folder;
            }
        }
    }
    return "";
}

void setArtLanguage(const std::string& folder)
{
    currentLanguage = folder;
}

const std::string& artLanguage()
{
    return currentLanguage;
}

BWString languageFileName(const BWString& name)
{
    if (currentLanguage.empty() || !name.chars()) {
        return BWString();
    }
    return BWString("%s/%s", currentLanguage.c_str(), name.chars());
}

std::vector<std::string> readTableLabels(const char* fileName)
{
    const std::vector<uint8_t> bytes = readFileBytes(fileName);
    std::vector<std::string> labels(1);
    for (const uint8_t byte : bytes) {
        if (byte == '\n') {
            labels.emplace_back();
        } else if (byte == 0 || byte > 126 || labels.back().size() >= 64) {
            return {};  // not a file the artwork tool wrote
        } else {
            labels.back() += static_cast<char>(byte);
        }
    }
    if (!labels.back().empty()) {
        return {};  // cut short: the last line has no end
    }
    labels.pop_back();
    const bool whole = labels.size() == 9 && std::none_of(labels.begin(), labels.end(),
                                                          [](const std::string& label) { return label.empty(); });
    return whole ? labels : std::vector<std::string>{};
}
