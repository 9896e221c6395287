#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A read-only byte stream over one data file. A missing or unreadable file, or
// a folder where a file is expected, reads as an empty stream. A read that runs
// past the end sets failed(): the caller drops the record it was reading.
//
// The whole file is read at construction and the file closed again; reads work
// on that copy. A read that runs past the end reads nothing, leaves the stream
// at its end (atEnd() is then true) and keeps failed() set, so no loop over the
// stream can run on or read past the end.
class RecordStream {
  public:
    explicit RecordStream(const std::filesystem::path& file);

    // A stream over `bytes` instead of a file (for sub-records and tests).
    static RecordStream FromBytes(std::string_view bytes);

    // True once every byte has been read (or the file had none).
    bool atEnd() const;
    // True after a read or skip ran past the end of the file.
    bool failed() const { return failed_; }

    // One length-prefixed text field (a length byte, then that many bytes),
    // decoded from Mac Japanese, not trimmed. Empty text when it fails.
    std::string readText();
    // Skips a gap of `count` bytes without interpreting it.
    void skip(std::size_t count);
    // The next `count` bytes undecoded; empty when fewer are left (it fails).
    std::string readBytes(std::size_t count);

    std::size_t position() const { return position_; }
    // Moves to `position`, or to the end when the stream is shorter; it does
    // not fail by itself.
    void seek(std::size_t position);
    // Number of bytes in the stream.
    std::size_t size() const { return bytes_.size(); }

  private:
    RecordStream() = default;
    // Marks the stream failed and moves it to its end.
    void fail();
    // True when `count` more bytes are left; fails the stream otherwise.
    bool take(std::size_t count);

    std::vector<char> bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};
