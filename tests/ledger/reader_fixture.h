#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

// A fresh temporary folder for one test, removed with the object.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "reader-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(root_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return root_; }

    // Writes `bytes` to the file `name` in the folder and returns its path.
    std::filesystem::path file(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = root_ / name;
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

  private:
    std::filesystem::path root_;
};

// A length-prefixed field holding `bytes` as they are (already Mac Japanese).
inline std::string Field(const std::string& bytes) {
    return std::string(1, static_cast<char>(static_cast<unsigned char>(bytes.size()))) + bytes;
}

// A gap of `count` bytes that no reader may interpret: each byte would be a
// length prefix far beyond any record.
inline std::string Gap(std::size_t count) { return std::string(count, '\xC8'); }
