// page_life.cpp: where the program can be ended without notice, and what the page then writes.
#include "platform/platform.h"

#include <map>
#include <utility>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

struct EndingFile {
    std::vector<uint8_t> bytes;
    bool removal = false;
};

struct EndingState {
#ifdef __EMSCRIPTEN__
    bool endsWithoutNotice = true;
#else
    bool endsWithoutNotice = false;
#endif
    std::map<std::string, EndingFile> files;
};

EndingState ending;

} // namespace

bool platformEndsWithoutNotice()
{
    return ending.endsWithoutNotice;
}

void platformSetEndsWithoutNotice(bool endsWithoutNotice)
{
    ending.endsWithoutNotice = endsWithoutNotice;
    ending.files.clear();
}

void platformKeepOnEnding(const std::string& path, const uint8_t* bytes, size_t size, bool removal)
{
    EndingFile file{removal ? std::vector<uint8_t>() : std::vector<uint8_t>(bytes, bytes + size), removal};
    auto known = ending.files.find(path);
    if (known != ending.files.end() && known->second.removal == file.removal && known->second.bytes == file.bytes) {
        return; // the page has these already
    }
#ifdef __EMSCRIPTEN__
    // sdl_web.js writes them when the page may end.
    EM_ASM({ Module['pellixEndingFiles'][UTF8ToString($0)] = $3 ? null : HEAPU8.slice($1, $1 + $2); },
           path.c_str(), file.bytes.data(), file.bytes.size(), removal);
#endif
    ending.files[path] = std::move(file);
}

bool platformKeptOnEnding(const std::string& path, std::vector<uint8_t>& bytes, bool& removal)
{
    auto known = ending.files.find(path);
    if (known == ending.files.end()) {
        return false;
    }
    bytes = known->second.bytes;
    removal = known->second.removal;
    return true;
}
