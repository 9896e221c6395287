#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// A read-only byte stream over one data file. A missing or unreadable file, or
// a folder where a file is expected, reads as an empty stream. A read that runs
// past the end sets failed(): the caller drops the record it was reading.
class RecordStream {
public:
    explicit RecordStream(const std::filesystem::path& file);

    // True once every byte has been read (or the file had none).
    bool atEnd() const;
    // True after a read or skip ran past the end of the file.
    bool failed() const { return failed_; }

    // One length-prefixed text field (a length byte, then that many bytes),
    // decoded from Mac Japanese, not trimmed.
    std::string readText();
    // Skips a gap of `count` bytes without interpreting it.
    void skip(std::size_t count);

    std::size_t position() const { return position_; }
    void seek(std::size_t position);

private:
    std::vector<char> bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};
