#include "record_stream.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "mac_japanese.h"

namespace {

// The file's bytes, or none when it is not a readable regular file. Checking
// the kind first keeps folders, FIFOs and devices from being opened at all.
std::vector<char> FileBytes(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return {};
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return {};
    return bytes;
}

}  // namespace

RecordStream::RecordStream(const std::filesystem::path& file) : bytes_(FileBytes(file)) {}

RecordStream RecordStream::FromBytes(std::string_view bytes) {
    RecordStream stream;
    stream.bytes_.assign(bytes.begin(), bytes.end());
    return stream;
}

bool RecordStream::atEnd() const { return position_ >= bytes_.size(); }

std::string RecordStream::readText() {
    if (!take(1)) return {};
    const auto length = static_cast<unsigned char>(bytes_[position_]);
    if (!take(1 + std::size_t{length})) return {};
    const std::string_view text(bytes_.data() + position_ + 1, length);
    position_ += 1 + std::size_t{length};
    return DecodeMacJapanese(text);
}

void RecordStream::skip(std::size_t count) {
    if (take(count)) position_ += count;
}

std::string RecordStream::readBytes(std::size_t count) {
    if (!take(count)) return {};
    std::string bytes(bytes_.data() + position_, count);
    position_ += count;
    return bytes;
}

void RecordStream::seek(std::size_t position) {
    position_ = position < bytes_.size() ? position : bytes_.size();
}

void RecordStream::fail() {
    failed_ = true;
    position_ = bytes_.size();
}

bool RecordStream::take(std::size_t count) {
    if (failed_ || count > bytes_.size() - position_) {
        fail();
        return false;
    }
    return true;
}
