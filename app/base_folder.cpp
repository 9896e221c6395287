#include "base_folder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path ExecutableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : executable.parent_path();
}

}  // namespace

std::string BasicPathFor(const std::string& baseOption) {
    const fs::path folder = baseOption.empty() ? ExecutableFolder() : fs::absolute(baseOption);
    std::string path = folder.lexically_normal().string();
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}
