// bw_string.cpp: formatting, deep copies and comparisons of BWString.
#include "base/bw_string.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A fresh block holding a copy of text, or null when text is null or memory is short.
char* copyOf(const char* text)
{
    if (!text) {
        return nullptr;
    }
    char* block = static_cast<char*>(std::malloc(std::strlen(text) + 1));
    if (block) {
        std::strcpy(block, text);
    }
    return block;
}

} // namespace

BWString::BWString(const char* format, ...)
{
    if (!format) {
        return;
    }
    va_list args;
    va_start(args, format);
    va_list measuring;
    va_copy(measuring, args);
    int needed = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (needed >= 0) {
        block_ = static_cast<char*>(std::malloc(static_cast<std::size_t>(needed) + 1));
        if (block_) {
            std::vsnprintf(block_, static_cast<std::size_t>(needed) + 1, format, args);
        }
    }
    va_end(args);
}

BWString::BWString(const BWString& other) : block_(copyOf(other.block_)) {}

BWString::BWString(BWString&& other) noexcept : block_(other.block_)
{
    other.block_ = nullptr;
}

BWString::~BWString()
{
    clear();
}

BWString& BWString::operator=(const BWString& other)
{
    // Build the new block before releasing the old one: self-assignment stays intact.
    char* fresh = copyOf(other.block_);
    std::free(block_);
    block_ = fresh;
    return *this;
}

BWString& BWString::operator=(BWString&& other) noexcept
{
    if (this != &other) {
        std::free(block_);
        block_ = other.block_;
        other.block_ = nullptr;
    }
    return *this;
}

BWString& BWString::operator=(const char* text)
{
    char* fresh = copyOf(text);
    std::free(block_);
    block_ = fresh;
    return *this;
}

std::size_t BWString::length() const
{
    return block_ ? std::strlen(block_) : 0;
}

bool BWString::isEmpty() const
{
    return !block_ || block_[0] == '\0';
}

bool BWString::operator==(const BWString& other) const
{
    return *this == other.block_;
}

bool BWString::operator==(const char* text) const
{
    if (block_ && text) {
        return std::strcmp(block_, text) == 0;
    }
    return !block_ && !text;
}

bool BWString::startsWith(BWString prefix) const
{
    if (!block_ || !prefix.block_ || length() < prefix.length()) {
        return false;
    }
    return std::strncmp(block_, prefix.block_, prefix.length()) == 0;
}

bool BWString::endsWith(BWString suffix) const
{
    if (!block_ || !suffix.block_ || length() < suffix.length()) {
        return false;
    }
    return std::strncmp(block_ + length() - suffix.length(), suffix.block_, suffix.length()) == 0;
}

bool BWString::contains(BWString text) const
{
    if (!block_ || !text.block_ || length() < text.length()) {
        return false;
    }
    return std::strstr(block_, text.block_) != nullptr;
}

void BWString::clear()
{
    std::free(block_);
    block_ = nullptr;
}
