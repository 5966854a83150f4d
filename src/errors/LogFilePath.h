#pragma once

#include <string>

namespace pwk {

// The error log's file: the log folder with exactly one "\" before the file name.
std::string LogFilePath(const std::string& logPath, const std::string& logFilename);

}  // namespace pwk
