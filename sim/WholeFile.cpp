#include "sim/WholeFile.h"

#include <array>
#include <fstream>
#include <system_error>

namespace pwk::sim {

std::string WholeFile::Read(const std::filesystem::path& path) const {
    const std::string name = path.string();
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::directory) {
        throw Refused(name + ": a folder, not a " + kind_);
    }
    if (type == std::filesystem::file_type::not_found || error) {
        throw Refused(name + ": the file cannot be read");
    }
    // A device or a pipe is refused before it is opened: opening a pipe waits for a writer.
    if (type != std::filesystem::file_type::regular) {
        throw Refused(name + ": not a plain file (a device, a pipe or a socket), so not a " +
                      kind_);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw Refused(name + ": the file cannot be read");
    }
    // The size is checked on what is read, not on what the folder said: the file may grow
    // between the two.
    std::string text;
    std::array<char, 64 * 1024> chunk{};
    while (file.read(chunk.data(), chunk.size()) || file.gcount() > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(file.gcount()));
        if (text.size() > limit_) {
            throw Refused(name + ": larger than " + std::to_string(limit_ / (1024 * 1024)) +
                          " MB, the most a " + kind_ + " may be");
        }
    }
    if (file.bad()) {
        throw Refused(name + ": the file cannot be read");
    }
    return text;
}

}  // namespace pwk::sim
