#include "src/errors/LogFilePath.h"

namespace pwk {

std::string LogFilePath(const std::string& logPath, const std::string& logFilename) {
    std::string path = logPath;
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    return path + logFilename;
}

}  // namespace pwk
