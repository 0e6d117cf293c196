// png_fuzz.cpp: arbitrary bytes through decodePng, libpng and its long-jump recovery included.
#include "media/png_decode.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

// decodePng reads a named file; an in-memory file keeps each run off the disk.
int memoryFile()
{
    static const int fd = memfd_create("pellix-png-fuzz", 0);
    if (fd < 0) std::abort();
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int fd = memoryFile();
    if (ftruncate(fd, 0) != 0 || (size > 0 && pwrite(fd, data, size, 0) != ssize_t(size))) std::abort();
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    int32_t width = -1;
    int32_t height = -1;
    std::unique_ptr<uint8_t[]> pixels = decodePng(BWString("%s", path.c_str()), &width, &height);
    if (!pixels) {
        if (width != 0 || height != 0) std::abort();
        return 0;
    }
    if (width <= 0 || height <= 0) std::abort();
    // Touching every byte lets ASan prove the block really holds width x height pixels.
    unsigned sum = 0;
    for (size_t i = 0; i < size_t(width) * size_t(height) * 4; ++i) sum += pixels[i];
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
