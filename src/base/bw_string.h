// bw_string.h: the framework's owning, zero-terminated single-byte string.
#pragma once

#include <cstddef>

// One heap block of exactly length + 1 bytes, or no block at all. A null string and an
// empty string are different states: both have length 0 and count as empty, but only two
// null strings compare equal. Copies are deep; texts are combined by formatting.
class BWString {
public:
    BWString() = default;
    // printf-style construction; a null format gives a null string. Plain text goes through
    // here too, so a '%' in it is a conversion: pass player text as BWString("%s", text).
    BWString(const char* format, ...) __attribute__((format(printf, 2, 3)));
    BWString(const BWString& other);
    BWString(BWString&& other) noexcept;
    ~BWString();

    BWString& operator=(const BWString& other);
    BWString& operator=(BWString&& other) noexcept;
    BWString& operator=(const char* text);

    std::size_t length() const;
    bool isEmpty() const;

    bool operator==(const BWString& other) const;
    bool operator==(const char* text) const;
    bool operator!=(const BWString& other) const { return !(*this == other); }
    bool operator!=(const char* text) const { return !(*this == text); }

    bool startsWith(BWString prefix) const;
    bool endsWith(BWString suffix) const;
    bool contains(BWString text) const;

    // Releases the block; the string is null afterwards.
    void clear();

    // The characters, or null for a null string.
    const char* chars() const { return block_; }

private:
    char* block_ = nullptr;
};
