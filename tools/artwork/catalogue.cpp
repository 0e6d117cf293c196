// catalogue.cpp: a reader of gettext's ".mo" files and the lookup of a text by context and English.
#include "catalogue.h"

#include <cstdint>
#include <cstdio>
#include <map>

namespace {

std::map<std::string, std::string> translations;

// A ".mo" file is written in either byte order; its magic number tells which.
struct MoReader {
    std::vector<uint8_t> bytes;
    bool swapped = false;

    bool word(size_t offset, uint32_t& value) const
    {
        if (offset + 4 > bytes.size()) return false;
        value = swapped ? uint32_t(bytes[offset]) << 24 | uint32_t(bytes[offset + 1]) << 16 |
                              uint32_t(bytes[offset + 2]) << 8 | bytes[offset + 3]
                        : uint32_t(bytes[offset + 3]) << 24 | uint32_t(bytes[offset + 2]) << 16 |
                              uint32_t(bytes[offset + 1]) << 8 | bytes[offset];
        return true;
    }

    // The string a table entry (length, offset) at `entry` points to.
    bool string(size_t entry, std::string& text) const
    {
        uint32_t length = 0;
        uint32_t offset = 0;
        if (!word(entry, length) || !word(entry + 4, offset) || size_t(offset) + length > bytes.size()) return false;
        text.assign(reinterpret_cast<const char*>(bytes.data()) + offset, length);
        return true;
    }
};

std::vector<uint8_t> readAll(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    uint8_t block[65536];
    size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + count);
    std::fclose(file);
    return bytes;
}

}  // namespace

const std::vector<Language>& translatedLanguages()
{
    static const std::vector<Language> languages{
        {"de", "de", ""},       {"fr", "fr", ""},       {"es", "es", ""},
        {"it", "it", ""},       {"pt_BR", "pt-br", ""}, {"nl", "nl", ""},
        {"pl", "pl", ""},       {"ru", "ru", ""},       {"ja", "ja", "Noto Sans CJK JP"},
        {"zh_CN", "zh-cn", "Noto Sans CJK SC"},
    };
    return languages;
}

void useEnglish() { translations.clear(); }

bool useCatalogue(const std::string& path)
{
    useEnglish();
    MoReader mo{readAll(path)};
    uint32_t magic = 0;
    if (!mo.word(0, magic)) return false;
    if (magic != 0x950412de) {
        mo.swapped = true;
        mo.word(0, magic);
        if (magic != 0x950412de) return false;
    }
    uint32_t count = 0;
    uint32_t originals = 0;
    uint32_t translated = 0;
    if (!mo.word(8, count) || !mo.word(12, originals) || !mo.word(16, translated)) return false;
    for (uint32_t i = 0; i < count; i++) {
        std::string key;
        std::string value;
        if (!mo.string(originals + 8 * size_t(i), key) || !mo.string(translated + 8 * size_t(i), value)) {
            useEnglish();
            return false;
        }
        if (!key.empty() && !value.empty()) translations[key] = value;
    }
    return true;
}

std::string translate(Text text)
{
    // gettext's key of an entry with a context: the context, byte 4, the English text.
    auto found = translations.find(std::string(text.context) + '\x04' + text.english);
    return found == translations.end() ? text.english : found->second;
}
