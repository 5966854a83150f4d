#include "src/platform/Platform.h"

#include <filesystem>
#include <system_error>

namespace pwk {

bool Platform::FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(NativePath(path), error);
}

}  // namespace pwk
